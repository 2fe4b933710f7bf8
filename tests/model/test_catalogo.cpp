#include "model/catalogo.h"
#include "model/griglia.h"
#include "model/stato.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

TEST(Catalogo, OgniCodiceHaLaSuaVoceEIlSuoNome)
{
    const char* nomi[28] = {"Avanti", "Indietro", "Sinistra", "Destra", "Ruota a SX", "Ruota a DX", "Fermo",
                            "Attendi", "Vai a", "Se attivo vai a", "Se disattivo vai a", "Sleep", "Scrivi Ram",
                            "Ritorna", "Se", "FINE SE", "Scrivi Eeprom", "Sposta Eeprom", "Incrementa",
                            "Decrementa", "Braccio", "Swappa", "Scorri a destra", "Scorri a sinistra",
                            "Complemento", "Operazioni tra registri", "Se attivo fai", "Se disattivo fai"};
    for (int c = 1; c <= 28; ++c) {
        ASSERT_NE(voce(c), nullptr) << c;
        EXPECT_EQ(voce(c)->codice, c);
        EXPECT_STREQ(voce(c)->nome, nomi[c - 1]);
    }
    EXPECT_EQ(voce(0), nullptr);
    EXPECT_EQ(voce(29), nullptr);
    EXPECT_STREQ(voce(5)->nomeMenu, "Ruota a sinistra");
    EXPECT_STREQ(voce(6)->nomeMenu, "Ruota a destra");
}

TEST(Catalogo, CodiciAzione)
{
    EXPECT_EQ(codiceAzione("1"), 1);
    EXPECT_EQ(codiceAzione("7"), 7);
    EXPECT_EQ(codiceAzione("Sleep"), 12);
    EXPECT_EQ(codiceAzione("19"), 19);
    EXPECT_EQ(codiceAzione("20"), 20);
    EXPECT_EQ(codiceAzione("21"), 14);  // "21" is Ritorna, not Braccio
    EXPECT_EQ(codiceAzione(""), 0);
    EXPECT_EQ(codiceAzione("8"), 0);
    EXPECT_EQ(codiceAzione("sleep"), 0);
    EXPECT_EQ(azioneDelCodice("12"), "Sleep");
    EXPECT_EQ(azioneDelCodice("14"), "21");
    EXPECT_EQ(azioneDelCodice("19"), "19");
    EXPECT_EQ(azioneDelCodice("16"), "16");
}

TEST(Catalogo, GriglieEProcessori)
{
    EXPECT_EQ(nomeControlloGriglia(1), "MSHFlexGrid1");
    EXPECT_EQ(nomeControlloGriglia(10), "MSHFlexGrid10");
    EXPECT_EQ(nomeGriglia(1), "Griglia principale");
    EXPECT_EQ(nomeGriglia(4), "Prossimità destra");
    EXPECT_EQ(nomeGriglia(8), "Ultrasuoni");
    EXPECT_EQ(nomeGriglia(10), "Aux");
    EXPECT_EQ(nomeGriglia(11), "");
    EXPECT_EQ(Processori[0], "16F84");
    EXPECT_EQ(Processori[1], "16F84A");
    EXPECT_EQ(Processori[2], "16F628");
}

TEST(Griglia, TieneSempre950RigheETestiDiCella)
{
    Griglia g;
    EXPECT_EQ(g.numIstruzioni(), 0);
    EXPECT_EQ(g.testoCella(0, ColNumero), "");
    EXPECT_EQ(g.accoda(8, "1,5"), 0);
    EXPECT_EQ(g.testoCella(0, ColNumero), "0");
    EXPECT_EQ(g.testoCella(0, ColParametro), "1,5");
    EXPECT_EQ(g.testoCella(0, ColCodice), "8");
    EXPECT_EQ(g.rigaCorrente(), 0);
    EXPECT_EQ(g.colonnaCorrente(), ColCodice);
    for (int i = 1; i < RigheGriglia; ++i)
        ASSERT_EQ(g.accoda(1, {}), i);
    EXPECT_TRUE(g.piena());
    EXPECT_EQ(g.accoda(1, {}), -1);
    EXPECT_EQ(g.testoCella(949, ColNumero), "949");
    EXPECT_EQ(g.testoCella(950, ColNumero), "");
    g.rimuovi(0);
    EXPECT_EQ(g.numIstruzioni(), 949);
    EXPECT_EQ(g.testoCella(949, ColCodice), "");
    EXPECT_EQ(g.accoda(2, {}), 949);
    g.svuota();
    EXPECT_EQ(g.numIstruzioni(), 0);
    EXPECT_EQ(g.riga(949), Riga{});
    EXPECT_EQ(g.rigaCorrente(), 0);
}

TEST(Griglia, CodiceLeggeSoloCodiciValidi)
{
    Griglia g;
    g.accoda(28, {});
    g.riga(0).codice = "abc";
    EXPECT_EQ(g.codice(0), 0);
    g.riga(0).codice = "29";
    EXPECT_EQ(g.codice(0), 0);
    g.riga(0).codice = "16";
    EXPECT_EQ(g.codice(0), 16);
    EXPECT_EQ(g.codice(-1), 0);
    EXPECT_EQ(g.codice(950), 0);
}

}  // namespace
}  // namespace kobaltino
