// The same programs on the 16F84 and on the 16F628, run in gpsim: the waits last as long, the
// EEPROM keeps what is written, the inputs are read and the motors get their patterns.
#include "programmi.h"
#include "simulatore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kobaltino {
namespace {

constexpr int Ram5 = 0x40, Ram6 = 0x41;

// Runs a program made of `righe` on both chips.
std::map<QString, Simulazione> suEntrambi(const std::vector<attesi::Riga>& righe, const Prova& prova = {})
{
    std::map<QString, Simulazione> esiti;
    for (const QString processore : {"16F84", "16F628"}) {
        Stato s;
        s.Processore = processore;
        carica(s, righe);
        esiti[processore] = simula(s, prova);
        EXPECT_TRUE(esiti[processore].arrivataAFine) << esiti[processore].uscita.toStdString();
    }
    return esiti;
}

struct Attesa {
    int codice;
    const char* parametro;
    int millisecondi;  // what the name promises; one cycle is 1 µs with the robot's 4 MHz crystal
};

void PrintTo(const Attesa& a, std::ostream* os) { *os << a.codice << " \"" << a.parametro << '"'; }

class Durata : public ::testing::TestWithParam<Attesa> {};

// From the row to the next one: the call, the delay subroutine and its return.
TEST_P(Durata, UgualeSuiDueChipEComePrometteIlNome)
{
    const Attesa a = GetParam();
    auto esiti = suEntrambi({{1, a.codice, a.parametro, "0"}, {1, 1, "", "1"}},
                            Prova{{"Label0", "Label1"}, {}, 3, 4'000'000});
    const qint64 f84 = esiti["16F84"].cicli("Label0", "Label1");
    const qint64 f628 = esiti["16F628"].cicli("Label0", "Label1");
    RecordProperty("cicli_16F84", static_cast<int>(f84));
    RecordProperty("cicli_16F628", static_cast<int>(f628));
    ASSERT_GT(f84, 0);
    EXPECT_LE(std::llabs(f628 - f84) * 100, f84) << "16F84 " << f84 << ", 16F628 " << f628;
    EXPECT_LE(std::llabs(f84 - a.millisecondi * 1000LL) * 100, 3LL * a.millisecondi * 1000) << f84;
}

INSTANTIATE_TEST_SUITE_P(AttendiEBraccio, Durata,
                         ::testing::Values(Attesa{8, "0,5", 500}, Attesa{8, "1,0", 1000}, Attesa{8, "1,5", 1500},
                                           Attesa{8, "2,0", 2000}, Attesa{8, "2,5", 2500},
                                           Attesa{21, "Aperto", 125}));

TEST(SulChip, LaEepromRestituisceIlValoreScritto)
{
    const auto esiti = suEntrambi({{1, 17, "EEP7 d'173'"}, {1, 17, "EEP20 b'00101001'"}, {1, 18, "EEP20 Ram5"},
                                   {1, 18, "EEP7 Ram6"}});
    for (const auto& [processore, sim] : esiti) {
        SCOPED_TRACE(processore.toStdString());
        EXPECT_EQ(sim.registri.at(Ram5), 41);
        EXPECT_EQ(sim.registri.at(Ram6), 173);
        EXPECT_EQ(sim.eeprom.at(6), 173);
        EXPECT_EQ(sim.eeprom.at(19), 41);
    }
}

// RB4 held by the sensor: the handler runs exactly when it reads high, and its "Avanti" shows.
TEST(SulChip, LuceDestraChiamaIlSuoGestore)
{
    for (const int livello : {0, 1}) {
        const auto esiti = suEntrambi({{1, 10, "Luce_destra"}, {2, 1}},
                                      Prova{{"Lucedestra"}, {{"portb4", livello}}, 3});
        for (const auto& [processore, sim] : esiti) {
            SCOPED_TRACE(processore.toStdString() + " RB4 " + std::to_string(livello));
            ASSERT_FALSE(sim.tappe.empty());
            EXPECT_EQ(sim.tappe.size(), livello ? 2u : 1u);
            EXPECT_EQ(sim.tappe.front().etichetta, livello ? "Lucedestra" : "fine");
            EXPECT_EQ(sim.tappe.back().portaA, livello ? 0b1001 : 0);
        }
    }
}

// Each row is labelled, so the stop at the next row (or at "fine") shows the pattern it set.
TEST(SulChip, OgniMovimentoDaLaSuaCombinazioneSuPortA)
{
    const std::pair<int, int> Movimenti[] = {{1, 0b1001}, {2, 0b0110}, {3, 0b1000}, {4, 0b0001},
                                             {7, 0b0000}, {5, 0b1010}, {6, 0b0101}};
    std::vector<attesi::Riga> righe;
    std::vector<std::string> etichette;
    Prova prova;
    for (size_t i = 0; i < std::size(Movimenti); ++i) {
        etichette.push_back(std::to_string(i));
        prova.fermate << "Label" + QString::number(i);
    }
    for (size_t i = 0; i < std::size(Movimenti); ++i)
        righe.push_back({1, Movimenti[i].first, "", etichette[i].c_str()});
    for (const auto& [processore, sim] : suEntrambi(righe, prova)) {
        SCOPED_TRACE(processore.toStdString());
        ASSERT_EQ(sim.tappe.size(), std::size(Movimenti) + 1);
        for (size_t i = 0; i < std::size(Movimenti); ++i)
            EXPECT_EQ(sim.tappe[i + 1].portaA, Movimenti[i].second) << "codice " << Movimenti[i].first;
    }
}

}  // namespace
}  // namespace kobaltino
