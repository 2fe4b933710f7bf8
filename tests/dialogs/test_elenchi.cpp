// The fixed lists and the input list rule shared by the sensor dialogs.
#include "dialogs/elenchi.h"
#include "dialogs/valore_memoria.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

const QStringList TuttiGliIngressi = {"Luce_sinistra",  "Luce_destra",   "Prossimita_destra",
                                      "Prossimita_sinistra", "Ottico_destro", "Ottico_sinistro",
                                      "Ultrasuono",     "Sensore_rotazione", "Aux"};

TEST(ElencoIngressi, LaGrigliaPrincipaleOffreTuttiINoveIngressi)
{
    EXPECT_EQ(ingressiPerGriglia("MSHFlexGrid1"), TuttiGliIngressi);
}

TEST(ElencoIngressi, OgniGrigliaDiGestioneTogliePropriaUnIngresso)
{
    const std::vector<std::pair<QString, QString>> proprio = {
        {"MSHFlexGrid2", "Luce_destra"},        {"MSHFlexGrid3", "Luce_sinistra"},
        {"MSHFlexGrid4", "Prossimita_destra"},  {"MSHFlexGrid5", "Prossimita_sinistra"},
        {"MSHFlexGrid6", "Ottico_destro"},      {"MSHFlexGrid7", "Ottico_sinistro"},
        {"MSHFlexGrid8", "Ultrasuono"},         {"MSHFlexGrid9", "Sensore_rotazione"},
        {"MSHFlexGrid10", "Aux"}};
    for (const auto& [griglia, ingresso] : proprio) {
        QStringList atteso = TuttiGliIngressi;
        atteso.removeOne(ingresso);
        EXPECT_EQ(ingressiPerGriglia(griglia), atteso) << griglia.toStdString();
    }
}

TEST(ElencoIngressi, UnNomeDiGrigliaSconosciutoDaUnElencoVuoto)
{
    EXPECT_TRUE(ingressiPerGriglia("").isEmpty());
    EXPECT_TRUE(ingressiPerGriglia("MSHFlexGrid11").isEmpty());
    EXPECT_TRUE(ingressiPerGriglia("MSHFlexGrid").isEmpty());
    EXPECT_TRUE(ingressiPerGriglia("mshflexgrid1").isEmpty());
}

TEST(ElenchiFissi, VociNellOrdineGiusto)
{
    EXPECT_EQ(vociAzioni(), (QStringList{"Avanti", "Indietro", "Sinistra", "Destra", "Ruota a sinistra",
                                         "Ruota a destra", "Fermo", "Incrementa", "Decrementa", "Ritorna"}));
    EXPECT_EQ(vociParagoni(), (QStringList{"Uguale a", "Maggiore di", "Minore di", "Differente da"}));
    EXPECT_EQ(tempiAttesa(), (QStringList{"0,5", "1,0", "1,5", "2,0", "2,5"}));
    QStringList venti;
    for (int n = 1; n <= 20; ++n)
        venti << QString::number(n);
    EXPECT_EQ(indirizziMemoria(), venti);
}

TEST(ElenchiFissi, CodiciDelleVociEFuoriElenco)
{
    EXPECT_EQ(codiceDellAzione(0), "1");
    EXPECT_EQ(codiceDellAzione(7), "19");
    EXPECT_EQ(codiceDellAzione(9), "21");
    EXPECT_EQ(operatoreDelParagone(3), " ! ");
    // Nothing chosen (-1) or past the end: no code, no crash.
    EXPECT_EQ(codiceDellAzione(-1), "");
    EXPECT_EQ(codiceDellAzione(10), "");
    EXPECT_EQ(operatoreDelParagone(-1), "");
    EXPECT_EQ(operatoreDelParagone(4), "");
}

TEST(ValoreMemoria, CaratteriCheIlFileDiProgrammaNonPuoContenere)
{
    // Windows-1252 holds the euro sign and the accented Latin letters, not Greek or CJK.
    EXPECT_TRUE(carattereAmmesso(TipoDato::Carattere, QChar(0x20AC)));
    EXPECT_TRUE(carattereAmmesso(TipoDato::Carattere, QChar(0x00E8)));
    EXPECT_TRUE(carattereAmmesso(TipoDato::Carattere, QChar(u' ')));
    EXPECT_FALSE(carattereAmmesso(TipoDato::Carattere, QChar(0x03A9)));
    EXPECT_FALSE(carattereAmmesso(TipoDato::Carattere, QChar(0x4E2D)));
    EXPECT_FALSE(carattereAmmesso(TipoDato::Carattere, QChar(0x0081)));  // a C1 control code
    EXPECT_FALSE(carattereAmmesso(TipoDato::Carattere, QChar(u'\t')));
}

TEST(ValoreMemoria, SoloNumeriInteriDaZeroA255)
{
    for (const char* v : {"0", "7", "007", "100", "255"})
        EXPECT_TRUE(numeroByte(v)) << v;
    for (const char* v : {"", "256", "999", "-1", "+7", " 7", "7 ", "1a", "x", "1.5", "0x1", "1000"})
        EXPECT_FALSE(numeroByte(v)) << v;
}

}  // namespace
}  // namespace kobaltino
