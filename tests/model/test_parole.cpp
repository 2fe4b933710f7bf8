// A row's parameter in words, for every code, and the texts no dialog writes.
#include "model/editor.h"
#include "model/parole_parametro.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

struct CasoParole {
    int codice;
    const char* parametro;
    int azione;
    const char* breve;
    const char* completa;
};

void PrintTo(const CasoParole& c, std::ostream* os) { *os << c.codice << " \"" << c.parametro << '"'; }

const CasoParole Casi[] = {
    {1, "", 0, "", "Il robot va avanti"},
    {2, "", 0, "", "Il robot va indietro"},
    {3, "", 0, "", "Il robot gira a sinistra"},
    {4, "", 0, "", "Il robot gira a destra"},
    {5, "", 0, "", "Il robot ruota su se stesso verso sinistra"},
    {6, "", 0, "", "Il robot ruota su se stesso verso destra"},
    {7, "", 0, "", "Il robot si ferma"},
    {8, "1,5", 0, "1,5 s", "Attende 1,5 secondi"},
    {8, "0,5", 0, "0,5 s", "Attende 0,5 secondi"},
    {9, "5", 0, "salta a 5", "Salta alla riga 5"},
    {10, "Luce_destra", 0, "se Luce destra attivo", "Se l'ingresso Luce destra è attivo esegue la griglia Luce destra"},
    {11, "Ultrasuono", 0, "se Ultrasuoni disattivo", "Se l'ingresso Ultrasuoni è disattivo esegue la griglia Ultrasuoni"},
    {12, "", 0, "", "Il processore si ferma in attesa (Sleep)"},
    {13, "Ram3 d'100'", 0, "Ram3 ← d'100'", "Scrive il valore 100 nel registro Ram 3"},
    {13, "Ram20 b'00001111'", 0, "Ram20 ← b'00001111'", "Scrive il valore binario 00001111 (15) nel registro Ram 20"},
    {13, "Ram1 'A'", 0, "Ram1 ← 'A'", "Scrive il carattere 'A' nel registro Ram 1"},
    {13, "Ram1 ' '", 0, "Ram1 ← ' '", "Scrive il carattere ' ' nel registro Ram 1"},
    {14, "", 0, "", "Torna dove il programma era stato interrotto"},
    {15, "Ram3 = Ram5", 1, "se Ram3 = Ram5 fai Avanti", "Se Ram3 è uguale a Ram5, esegue Avanti"},
    {15, "Ram3 ! Ram4", 19, "se Ram3 ≠ Ram4 fai Incrementa", "Se Ram3 è diverso da Ram4, esegue Incrementa"},
    {15, "Ram1 > Ram2", 14, "se Ram1 > Ram2 fai Ritorna", "Se Ram1 è maggiore di Ram2, esegue Ritorna"},
    {15, "Ram5 < Ram6", 0, "se Ram5 < Ram6", "Se Ram5 è minore di Ram6, nessuna azione"},
    {16, "", 0, "", "Fine del blocco Se"},
    {17, "EEP12 b'10101010'", 0, "EEP12 ← b'10101010'", "Scrive il valore binario 10101010 (170) nella cella EEPROM 12"},
    {18, "EEP3 Ram5", 0, "Ram5 ← EEP3", "Copia la cella EEPROM 3 nel registro Ram 5"},
    {19, "Ram7", 0, "Ram7 + 1", "Aggiunge 1 al registro Ram 7"},
    {20, "EEP4", 0, "EEP4 − 1", "Toglie 1 alla cella EEPROM 4"},
    {21, "Aperto", 0, "aperto", "Muove il braccio: aperto"},
    {22, "Ram2", 0, "Ram2", "Scambia le due metà (nibble) del registro Ram 2"},
    {23, "Ram9", 0, "Ram9", "Fa scorrere di un bit verso destra il registro Ram 9"},
    {24, "EEP1", 0, "EEP1", "Fa scorrere di un bit verso sinistra la cella EEPROM 1"},
    {25, "Ram17", 0, "Ram17", "Inverte tutti i bit del registro Ram 17"},
    {26, "Ram1 + Ram2", 0, "Ram2 ← Ram2 + Ram1", "Somma Ram1 a Ram2: il risultato resta in Ram2"},
    {26, "Ram4 - Ram4", 0, "Ram4 ← Ram4 − Ram4", "Sottrae Ram4 da Ram4: il risultato resta in Ram4"},
    {27, "Aux", 7, "se Aux attivo fai Fermo", "Se l'ingresso Aux è attivo, esegue Fermo"},
    {28, "Sensore_rotazione", 5, "se Sensore rotazione disattivo fai Ruota a sinistra",
     "Se l'ingresso Sensore rotazione è disattivo, esegue Ruota a sinistra"},
    // Texts no dialog writes (an edited file) are shown as they stand.
    {8, "3,0", 0, "3,0", "Attendi: 3,0"},
    {9, "x", 0, "x", "Vai a: x"},
    {13, "Ram21 d'1'", 0, "Ram21 d'1'", "Scrivi Ram: Ram21 d'1'"},
    {13, "Ram2 d'256'", 0, "Ram2 d'256'", "Scrivi Ram: Ram2 d'256'"},
    {17, "Ram2 d'1'", 0, "Ram2 d'1'", "Scrivi Eeprom: Ram2 d'1'"},
    {15, "Ram1 * Ram2", 1, "Ram1 * Ram2", "Se: Ram1 * Ram2"},
    {26, "Ram1 = Ram2", 0, "Ram1 = Ram2", "Operazioni tra registri: Ram1 = Ram2"},
    {27, "%1", 1, "%1", "Se attivo fai: %1"},
    {1, "di troppo", 0, "di troppo", "Avanti: di troppo"},
};

class Parole : public ::testing::TestWithParam<CasoParole> {};

TEST_P(Parole, BreviEComplete)
{
    const CasoParole& c = GetParam();
    const ParoleParametro p = paroleParametro(c.codice, QString::fromUtf8(c.parametro), c.azione);
    EXPECT_EQ(p.breve, QString::fromUtf8(c.breve));
    EXPECT_EQ(p.completa, QString::fromUtf8(c.completa));
}

INSTANTIATE_TEST_SUITE_P(OgniCodice, Parole, ::testing::ValuesIn(Casi));

TEST(ParoleRiga, LAzioneEDellaRigaSottoIlCondizionale)
{
    Griglia g;
    g.accoda(codici::Se, QStringLiteral("Ram3 = Ram5"));
    g.accoda(codici::Avanti, {});
    g.accoda(codici::FineSe, {});
    g.accoda(codici::Se, QStringLiteral("Ram1 < Ram2"));
    g.accoda(codici::FineSe, {});  // its Incrementa was cancelled
    g.accoda(codici::SeAttivoFai, QStringLiteral("Luce_sinistra"));  // the last row: no action below
    EXPECT_EQ(paroleRiga(g, 0).breve, QStringLiteral("se Ram3 = Ram5 fai Avanti"));
    EXPECT_EQ(paroleRiga(g, 3).breve, QStringLiteral("se Ram1 < Ram2"));
    EXPECT_EQ(paroleRiga(g, 5).breve, QStringLiteral("se Luce sinistra attivo"));
    EXPECT_EQ(paroleRiga(g, 6), ParoleParametro{});  // an unused row
}

}  // namespace
}  // namespace kobaltino
