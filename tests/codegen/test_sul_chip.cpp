// The same programs on the 16F84 and on the 16F628, run in gpsim: the motors get their
// patterns, the waits last as long, the inputs are read, and the EEPROM cells keep what is
// written and change as a register would.
#include "programmi.h"
#include "simulatore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kobaltino {
namespace {

const char* const Chip[] = {"16F84", "16F628"};

// Row i of the main grid carries label i; the run stops at each row, so each stop shows what
// the row before it did.
Simulazione percorri(const char* chip, const std::vector<std::pair<int, QString>>& righe, qint64 maxCicli = 3'000'000)
{
    Stato s;
    s.Processore = QString::fromLatin1(chip);
    QStringList fermate;
    for (const auto& [codice, parametro] : righe) {
        fermate << QStringLiteral("Label%1").arg(fermate.size());
        aggiungi(s, 1, codice, parametro, QString::number(fermate.size() - 1));
    }
    const Simulazione sim = simula(s, fermate, {}, maxCicli);
    EXPECT_TRUE(sim.arrivataAFine()) << sim.uscita.toStdString();
    EXPECT_EQ(sim.tappe.size(), righe.size() + 1) << sim.uscita.toStdString();
    return sim;
}

// Each motor pattern on PORTA, and each wait as long as its name promises (one cycle is 1 µs
// with the robot's 4 MHz crystal) and as long on both chips, within 1%.
TEST(SulChip, MovimentiEAttese)
{
    const struct {
        int codice;
        const char* parametro;
        int portaA, millisecondi;
    } passi[] = {{1, "", 0b1001, 0},        {2, "", 0b0110, 0},        {3, "", 0b1000, 0},        {4, "", 0b0001, 0},
                 {7, "", 0b0000, 0},        {5, "", 0b1010, 0},        {6, "", 0b0101, 0},        {8, "0,5", 0b0101, 500},
                 {8, "1,0", 0b0101, 1000},  {8, "1,5", 0b0101, 1500},  {8, "2,0", 0b0101, 2000},  {8, "2,5", 0b0101, 2500},
                 {21, "Aperto", 0b0101, 125}};
    std::vector<std::pair<int, QString>> righe;
    for (const auto& p : passi)
        righe.emplace_back(p.codice, QString::fromLatin1(p.parametro));
    const Simulazione f84 = percorri("16F84", righe, 12'000'000), f628 = percorri("16F628", righe, 12'000'000);
    ASSERT_EQ(f84.tappe.size(), std::size(passi) + 1);
    ASSERT_EQ(f628.tappe.size(), std::size(passi) + 1);
    for (size_t i = 0; i < std::size(passi); ++i) {
        SCOPED_TRACE(testing::Message() << "codice " << passi[i].codice << " " << passi[i].parametro);
        EXPECT_EQ(f84.tappe[i + 1].registri.at("porta"), passi[i].portaA);
        EXPECT_EQ(f628.tappe[i + 1].registri.at("porta"), passi[i].portaA);
        const qint64 cicli84 = f84.tappe[i + 1].ciclo - f84.tappe[i].ciclo;
        const qint64 cicli628 = f628.tappe[i + 1].ciclo - f628.tappe[i].ciclo;
        const qint64 attesi = passi[i].millisecondi * 1000LL;
        if (attesi > 0) {
            EXPECT_LE(std::llabs(cicli628 - cicli84) * 100, cicli84) << cicli84 << " " << cicli628;
            EXPECT_LE(std::llabs(cicli84 - attesi) * 100, 3 * attesi) << cicli84;
        }
    }
}

// RB4 held by the sensor: the handler runs exactly when it reads high, and its "Avanti" shows.
TEST(SulChip, LuceDestraChiamaIlSuoGestore)
{
    for (const char* chip : Chip)
        for (const int livello : {0, 1}) {
            SCOPED_TRACE(testing::Message() << chip << " RB4 " << livello);
            Stato s;
            s.Processore = QString::fromLatin1(chip);
            carica(s, {{1, 10, "Luce_destra"}, {2, 1}});
            const Simulazione sim = simula(s, {"Lucedestra"}, {{"portb4", livello}});
            ASSERT_TRUE(sim.arrivataAFine()) << sim.uscita.toStdString();
            EXPECT_EQ(sim.tappe.size(), livello ? 2u : 1u);
            EXPECT_EQ(sim.tappe.back().registri.at("porta"), livello ? 0b1001 : 0);
        }
}

// The program reached its end with what INIZIO set and the closing "Avanti" untouched by the
// EEPROM work, and the cells as `attesa` (cell index -> byte) says, all others 0.
void verifica(const Simulazione& sim, const char* chip, const std::map<int, int>& attesa)
{
    ASSERT_TRUE(sim.arrivataAFine()) << sim.uscita.toStdString();
    const std::map<int, int> inizio = {{0x05, 0x09}, {0x85, 0x10}, {0x86, 0xff}, {0x81, 0x07}};  // PORTA, TRISA, TRISB, OPTION
    for (const auto& [registro, valore] : inizio)
        EXPECT_EQ(sim.registri.at(registro), valore) << registro;
    ASSERT_EQ(sim.eeprom.size(), QLatin1String(chip) == "16F628" ? 128u : 64u) << sim.uscita.toStdString();
    for (const auto& [cella, valore] : sim.eeprom)
        EXPECT_EQ(valore, attesa.count(cella) ? attesa.at(cella) : 0) << "cella " << cella;
}

// Each one-operand instruction on a cell written b'10100110', after Ram1 + Ram2 set the flags
// (0 + 0 sets Z; 200 + 100 sets C, which the shifts take in): the cell and Z, DC, C afterwards
// as the instruction on a register leaves them, and bank 0 selected again.
TEST(SulChip, LaCellaCambiaComeUnRegistro)
{
    const struct {
        int codice, addendo1, addendo2, risultato, flag;
    } operazioni[] = {{19, 0, 0, 0xa7, 0b000}, {20, 0, 0, 0xa5, 0b000},     {22, 0, 0, 0x6a, 0b100},
                      {23, 0, 0, 0x53, 0b100}, {24, 0, 0, 0x4c, 0b101},     {25, 0, 0, 0x59, 0b000},
                      {23, 200, 100, 0xd3, 0b000}, {24, 200, 100, 0x4d, 0b001}};
    for (const char* chip : Chip) {
        SCOPED_TRACE(chip);
        std::vector<std::pair<int, QString>> righe;
        std::map<int, int> celle;
        for (size_t i = 0; i < std::size(operazioni); ++i) {
            const auto& o = operazioni[i];
            const QString cella = QStringLiteral("EEP%1").arg(i + 1);
            righe.insert(righe.end(), {{17, cella + " b'10100110'"}, {13, QStringLiteral("Ram1 d'%1'").arg(o.addendo1)},
                                       {13, QStringLiteral("Ram2 d'%1'").arg(o.addendo2)}, {26, "Ram1 + Ram2"}, {o.codice, cella}});
            celle[int(i)] = o.risultato;
        }
        righe.emplace_back(1, QString());
        const Simulazione sim = percorri(chip, righe);
        verifica(sim, chip, celle);
        for (size_t i = 0; i < std::size(operazioni) && 5 * i + 5 < sim.tappe.size(); ++i)
            EXPECT_EQ(sim.tappe[5 * i + 5].registri.at("status") & 0x67, operazioni[i].flag) << "operazione " << i;
    }
}

// EEP1..EEP20 share their numbers with PCL, STATUS, the ports and the EEPROM registers: none of
// them may be touched. The call is the one-word action of a condition: it runs only when the
// condition holds. What is written is read back.
TEST(SulChip, OgniCellaAlSuoPostoEAzioniDelSe)
{
    for (const char* chip : Chip) {
        SCOPED_TRACE(chip);
        Stato s;
        s.Processore = QString::fromLatin1(chip);
        carica(s, {{1, 17, "EEP6 d'7'"}, {1, 17, "EEP20 b'00101001'"}});
        for (int cella = 1; cella <= 20; ++cella)
            aggiungi(s, 1, 19, QStringLiteral("EEP%1").arg(cella));
        carica(s, {{1, 20, "EEP8"},        {1, 20, "EEP8"},        {1, 13, "Ram1 d'4'"}, {1, 13, "Ram2 d'4'"},
                   {1, 13, "Ram3 d'9'"},   {1, 15, "Ram1 = Ram2"}, {1, 19, "EEP5"},      {1, 16},  // holds
                   {1, 15, "Ram1 = Ram3"}, {1, 19, "EEP6"},        {1, 16},                        // does not
                   {1, 15, "Ram3 > Ram1"}, {1, 25, "EEP6"},        {1, 16},                        // holds
                   {1, 18, "EEP20 Ram5"},  {1, 18, "EEP6 Ram6"},   {1, 1}});
        std::map<int, int> attesa;
        for (int cella = 0; cella < 20; ++cella)
            attesa[cella] = 1;
        attesa[4] = 2;      // EEP5 incremented again
        attesa[5] = 0xf7;   // EEP6: 7 + 1, not incremented again, then complemented
        attesa[7] = 0xff;   // EEP8: 1 - 2
        attesa[19] = 0x2a;  // EEP20: 41 + 1
        const Simulazione sim = simula(s);
        verifica(sim, chip, attesa);
        EXPECT_EQ(sim.registri.at(0x40), 0x2a);  // Ram5
        EXPECT_EQ(sim.registri.at(0x41), 0xf7);  // Ram6
    }
}

}  // namespace
}  // namespace kobaltino
