// One-operand instructions on EEPROM cells: what their read-modify-write subroutines do on the
// chip (run in gpsim).
#include "programmi.h"
#include "simulatore.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

constexpr int STATUS = 0x03, PORTA = 0x05, OPTION_REG = 0x81, TRISA = 0x85, TRISB = 0x86;
constexpr int Ram1 = 0x3c, Ram2 = 0x3d;

// The program reached its end, with what INIZIO set and the closing "Avanti" untouched by the
// EEPROM work, and the cells as `attesa` (cell index -> byte) says, all others 0.
void verifica(const Simulazione& sim, const QString& processore, const std::map<int, int>& attesa)
{
    ASSERT_TRUE(sim.arrivataAFine) << sim.uscita.toStdString();
    EXPECT_EQ(sim.registri.at(PORTA), 0x09);
    EXPECT_EQ(sim.registri.at(TRISA), 0x10);
    EXPECT_EQ(sim.registri.at(TRISB), 0xff);
    EXPECT_EQ(sim.registri.at(OPTION_REG), 0x07);
    EXPECT_EQ(sim.registri.at(STATUS) & 0x60, 0);  // bank 0 selected again
    ASSERT_EQ(sim.eeprom.size(), processore == "16F628" ? 128u : 64u) << sim.uscita.toStdString();
    for (const auto& [cella, valore] : sim.eeprom)
        EXPECT_EQ(valore, attesa.count(cella) ? attesa.at(cella) : 0) << "cella " << cella;
}

struct Operazione {
    int codice;
    int addendo1, addendo2;  // Ram1 + Ram2 sets the carry the shifts take in
    int risultato;           // the cell, from b'10100110'
    int flag;                // Z, DC, C of STATUS afterwards, as the instruction on a register leaves them
};

void PrintTo(const Operazione& o, std::ostream* os)
{
    *os << "codice " << o.codice << ", Ram1 " << o.addendo1 << ", Ram2 " << o.addendo2;
}

class SulChip : public ::testing::TestWithParam<std::tuple<const char*, Operazione>> {};

TEST_P(SulChip, LaCellaCambiaComeUnRegistroENientAltro)
{
    const auto& [processore, op] = GetParam();  // the same results on both chips
    Stato s;
    s.Processore = QString::fromLatin1(processore);
    aggiungi(s, 1, 17, "EEP3 b'10100110'");
    aggiungi(s, 1, 13, QStringLiteral("Ram1 d'%1'").arg(op.addendo1));
    aggiungi(s, 1, 13, QStringLiteral("Ram2 d'%1'").arg(op.addendo2));
    aggiungi(s, 1, 26, "Ram1 + Ram2");
    aggiungi(s, 1, op.codice, "EEP3");
    aggiungi(s, 1, 1);
    const Simulazione sim = simula(s);
    verifica(sim, s.Processore, {{2, op.risultato}});
    EXPECT_EQ(sim.registri.at(STATUS) & 0x07, op.flag);
    EXPECT_EQ(sim.registri.at(Ram1), op.addendo1);
    EXPECT_EQ(sim.registri.at(Ram2), (op.addendo1 + op.addendo2) & 0xff);
}

// 0 + 0 leaves Z set and C clear; 200 + 100 leaves C set and Z clear.
INSTANTIATE_TEST_SUITE_P(
    SeiOperazioni, SulChip,
    ::testing::Combine(::testing::Values("16F84", "16F628"),
                       ::testing::Values(Operazione{19, 0, 0, 0xa7, 0b000}, Operazione{20, 0, 0, 0xa5, 0b000},
                                         Operazione{22, 0, 0, 0x6a, 0b100}, Operazione{23, 0, 0, 0x53, 0b100},
                                         Operazione{24, 0, 0, 0x4c, 0b101}, Operazione{25, 0, 0, 0x59, 0b000},
                                         Operazione{23, 200, 100, 0xd3, 0b000}, Operazione{24, 200, 100, 0x4d, 0b001})));

class OgniCella : public ::testing::TestWithParam<const char*> {};

TEST_P(OgniCella, AlSuoPostoEAzioniDelSe)
{
    // EEP1..EEP20 share their numbers with PCL, STATUS, the ports and the EEPROM registers:
    // none of them may be touched.
    Stato s;
    s.Processore = QString::fromLatin1(GetParam());
    aggiungi(s, 1, 17, "EEP6 d'7'");
    for (int cella = 1; cella <= 20; ++cella)
        aggiungi(s, 1, 19, QStringLiteral("EEP%1").arg(cella));
    aggiungi(s, 1, 20, "EEP8");
    aggiungi(s, 1, 20, "EEP8");
    // The call is the one-word action of a condition: it runs only when the condition holds.
    carica(s, {{1, 13, "Ram1 d'4'"}, {1, 13, "Ram2 d'4'"}, {1, 13, "Ram3 d'9'"},
               {1, 15, "Ram1 = Ram2"}, {1, 19, "EEP5"}, {1, 16},  // holds
               {1, 15, "Ram1 = Ram3"}, {1, 19, "EEP6"}, {1, 16},  // does not
               {1, 15, "Ram3 > Ram1"}, {1, 25, "EEP6"}, {1, 16},  // holds
               {1, 1}});
    std::map<int, int> attesa;
    for (int cella = 0; cella < 20; ++cella)
        attesa[cella] = 1;
    attesa[4] = 2;     // EEP5 incremented again
    attesa[5] = 0xf7;  // EEP6: 7 + 1, not incremented again, then complemented
    attesa[7] = 0xff;  // EEP8: 1 - 2
    verifica(simula(s), s.Processore, attesa);
}

INSTANTIATE_TEST_SUITE_P(OperazioniEeprom, OgniCella, ::testing::Values("16F84", "16F628"));

}  // namespace
}  // namespace kobaltino
