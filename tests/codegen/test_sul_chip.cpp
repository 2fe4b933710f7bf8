// The same programs on the 16F84 and on the 16F628, run in gpsim: the motors get their
// patterns, the waits last as long, the inputs are read, and the EEPROM cells keep what is
// written and change as a register would.
#include "programmi.h"
#include "simulatore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kobaltino {
namespace {

// Runs `s` on both chips with the Luce destra sensor at `rb4`, stopping at "Label0", "Label1"...
// up to `fermate` and at `altre`.
std::vector<Simulazione> suEntrambi(Stato& s, int fermate, QStringList altre = {}, int rb4 = 0)
{
    for (int i = fermate - 1; i >= 0; --i)
        altre.prepend(QStringLiteral("Label%1").arg(i));
    std::vector<Simulazione> esiti;
    for (const char* chip : {"16F84", "16F628"}) {
        s.Processore = QString::fromLatin1(chip);
        esiti.push_back(simula(s, altre, "portb4", rb4, 12'000'000));
        EXPECT_TRUE(esiti.back().arrivataAFine()) << chip << esiti.back().uscita.toStdString();
    }
    return esiti;
}

// Each motor pattern on PORTA, each wait as long as its name promises (one cycle is 1 µs with
// the robot's 4 MHz crystal) and as long on both chips, within 1%. Then RB4, held by the sensor,
// calls the Luce destra handler exactly when it reads high, and its "Avanti" shows.
TEST(SulChip, MovimentiAtteseEIngressi)
{
    const struct {
        int codice;
        const char* parametro;
        int portaA, millisecondi;
    } passi[] = {{1, "", 0b1001, 0},       {2, "", 0b0110, 0},       {3, "", 0b1000, 0},       {4, "", 0b0001, 0},
                 {7, "", 0b0000, 0},       {5, "", 0b1010, 0},       {6, "", 0b0101, 0},       {8, "0,5", 0b0101, 500},
                 {8, "1,0", 0b0101, 1000}, {8, "1,5", 0b0101, 1500}, {8, "2,0", 0b0101, 2000}, {8, "2,5", 0b0101, 2500},
                 {21, "Aperto", 0b0101, 125}};
    const int n = std::size(passi);
    for (const int livello : {0, 1}) {
        Stato s;
        for (int i = 0; i < n; ++i)
            aggiungi(s, 1, passi[i].codice, QString::fromLatin1(passi[i].parametro), QString::number(i));
        aggiungi(s, 1, 10, "Luce_destra", QString::number(n));
        aggiungi(s, 2, 1);
        const std::vector<Simulazione> esiti = suEntrambi(s, n + 1, {"Lucedestra"}, livello);
        for (const Simulazione& sim : esiti) {
            ASSERT_EQ(sim.tappe.size(), n + 2u + livello) << sim.uscita.toStdString();
            EXPECT_EQ(sim.tappe[n + 1].etichetta, livello ? "Lucedestra" : "fine");
            EXPECT_EQ(sim.tappe.back().registri.at("porta"), livello ? 0b1001 : 0b0101);
        }
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(testing::Message() << "codice " << passi[i].codice << " " << passi[i].parametro);
            const qint64 f84 = esiti[0].tappe[i + 1].registri.at("cicli") - esiti[0].tappe[i].registri.at("cicli");
            const qint64 f628 = esiti[1].tappe[i + 1].registri.at("cicli") - esiti[1].tappe[i].registri.at("cicli");
            const qint64 attesi = passi[i].millisecondi * 1000LL;
            EXPECT_EQ(esiti[0].tappe[i + 1].registri.at("porta"), passi[i].portaA);
            EXPECT_EQ(esiti[1].tappe[i + 1].registri.at("porta"), passi[i].portaA);
            EXPECT_TRUE(attesi == 0 || std::llabs(f628 - f84) * 100 <= f84) << f84 << " " << f628;
            EXPECT_TRUE(attesi == 0 || std::llabs(f84 - attesi) * 100 <= 3 * attesi) << f84;
        }
    }
}

// EEP1..EEP20 share their numbers with PCL, STATUS, the ports and the EEPROM registers: none of
// them may be touched, so INIZIO's settings and the closing "Avanti" stay. A call is the
// one-word action of a condition: it runs only when the condition holds. What is written is
// read back. Then each one-operand instruction on a cell written b'10100110', after Ram1 + Ram2
// set the flags (0 + 0 sets Z; 200 + 100 sets C, which the shifts take in): the cell, and Z, DC,
// C as the instruction on a register leaves them, with bank 0 selected again.
TEST(SulChip, LaEepromComeUnRegistro)
{
    const struct {
        int codice, addendo1, addendo2, risultato, flag;
    } operazioni[] = {{19, 0, 0, 0xa7, 0b000}, {20, 0, 0, 0xa5, 0b000},     {22, 0, 0, 0x6a, 0b100},
                      {23, 0, 0, 0x53, 0b100}, {24, 0, 0, 0x4c, 0b101},     {25, 0, 0, 0x59, 0b000},
                      {23, 200, 100, 0xd3, 0b000}, {24, 200, 100, 0x4d, 0b001}};
    Stato s;
    carica(s, {{1, 17, "EEP6 d'7'"}, {1, 17, "EEP20 b'00101001'"}});
    for (int cella = 1; cella <= 20; ++cella)
        aggiungi(s, 1, 19, QStringLiteral("EEP%1").arg(cella));
    carica(s, {{1, 20, "EEP8"},        {1, 20, "EEP8"},        {1, 13, "Ram1 d'4'"}, {1, 13, "Ram2 d'4'"},
               {1, 13, "Ram3 d'9'"},   {1, 15, "Ram1 = Ram2"}, {1, 19, "EEP5"},      {1, 16},  // holds
               {1, 15, "Ram1 = Ram3"}, {1, 19, "EEP6"},        {1, 16},                        // does not
               {1, 15, "Ram3 > Ram1"}, {1, 25, "EEP6"},        {1, 16},                        // holds
               {1, 18, "EEP20 Ram5"},  {1, 18, "EEP6 Ram6"}});
    std::map<int, int> attesa;
    for (int cella = 0; cella < 20; ++cella)
        attesa[cella] = 1;
    attesa[4] = 2;      // EEP5 incremented again
    attesa[5] = 0xf7;   // EEP6: 7 + 1, not incremented again, then complemented
    attesa[7] = 0xff;   // EEP8: 1 - 2
    attesa[19] = 0x2a;  // EEP20: 41 + 1
    const int n = std::size(operazioni);
    for (int i = 0; i < n; ++i) {
        const QString cella = QStringLiteral("EEP%1").arg(i + 9);
        aggiungi(s, 1, 17, cella + " b'10100110'", QString::number(i));
        aggiungi(s, 1, 13, QStringLiteral("Ram1 d'%1'").arg(operazioni[i].addendo1));
        aggiungi(s, 1, 13, QStringLiteral("Ram2 d'%1'").arg(operazioni[i].addendo2));
        aggiungi(s, 1, 26, "Ram1 + Ram2");
        aggiungi(s, 1, operazioni[i].codice, cella);
        attesa[i + 8] = operazioni[i].risultato;
    }
    aggiungi(s, 1, 1, {}, QString::number(n));
    const std::vector<Simulazione> esiti = suEntrambi(s, n + 1);
    for (size_t chip = 0; chip < esiti.size(); ++chip) {
        const Simulazione& sim = esiti[chip];
        ASSERT_EQ(sim.tappe.size(), n + 2u) << sim.uscita.toStdString();
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(sim.tappe[i + 1].registri.at("status") & 0x67, operazioni[i].flag) << "operazione " << i;
        // PORTA, TRISA, TRISB, OPTION as INIZIO and the "Avanti" left them; Ram5, Ram6 as read.
        const std::map<int, int> registri = {{0x05, 0x09}, {0x85, 0x10}, {0x86, 0xff}, {0x81, 0x07}, {0x40, 0x2a},
                                             {0x41, 0xf7}};
        for (const auto& [registro, valore] : registri)
            EXPECT_EQ(sim.registri.at(registro), valore) << registro;
        ASSERT_EQ(sim.eeprom.size(), chip ? 128u : 64u);  // 16F84, 16F628
        for (const auto& [cella, valore] : sim.eeprom)
            EXPECT_EQ(valore, attesa.count(cella) ? attesa.at(cella) : 0) << "cella " << cella;
    }
}

}  // namespace
}  // namespace kobaltino
