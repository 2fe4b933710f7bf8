// Where each program address comes from, read from gpasm's listing of a generated program.
#include "banco_sim.h"

namespace kobaltino {
namespace {

// Rows chosen for their words: a call into the library, two words of one row, a jump back, a
// handler call and an EEPROM subroutine.
const std::vector<RigaProva> Righe = {
    {1, 1, "", "0"}, {1, 13, "Ram1 d'5'"}, {1, 10, "Luce_destra"}, {1, 19, "EEP3"}, {1, 9, "0"},
    {2, 2}, {2, 14},
};

constexpr int Call = 0x2000, Goto = 0x2800;

class Mappa : public ::testing::Test {
protected:
    int parola(int indirizzo) const { return p.immagine.programma[static_cast<size_t>(indirizzo)]; }
    int primo(int k, int r) const { return p.mappa.indirizzoDi({k, r}); }

    ProgrammaSimulato p = assembla(programmaDi(Righe));
};

TEST_F(Mappa, OgniRigaHaLeSueParole)
{
    const struct {
        Origine riga;
        int parole;
    } righe[] = {{{1, 0}, 1}, {{1, 1}, 2}, {{1, 2}, 2}, {{1, 3}, 1}, {{1, 4}, 1}, {{2, 0}, 1}, {{2, 1}, 1}};
    for (const auto& r : righe) {
        const int a = p.mappa.indirizzoDi(r.riga);
        ASSERT_GE(a, 0) << r.riga.griglia << "," << r.riga.riga;
        EXPECT_TRUE(p.mappa.inizioDiRiga(a));
        for (int i = 1; i < r.parole; ++i) {
            EXPECT_EQ(p.mappa.origine(a + i), r.riga);
            EXPECT_FALSE(p.mappa.inizioDiRiga(a + i));
        }
        EXPECT_NE(p.mappa.origine(a + r.parole), r.riga);
    }
    EXPECT_EQ(parola(primo(1, 1)), 0x3005);  // movlw d'5'
}

TEST_F(Mappa, ISaltiPortanoAllaPrimaParolaDellaRigaGiusta)
{
    // "Vai a 0" jumps to row 0; the handler call lands on the handler's first row.
    EXPECT_EQ(parola(primo(1, 4)), Goto | primo(1, 0));
    EXPECT_EQ(parola(primo(1, 2) + 1), Call | primo(2, 0));
}

TEST_F(Mappa, LaLibreriaELaFineDelGestoreNonSonoRighe)
{
    const int avanti = parola(primo(1, 0)) & 0x7FF;
    const int eeprom = parola(primo(1, 3)) & 0x7FF;
    EXPECT_EQ(parola(primo(1, 0)) & 0x3800, Call);
    EXPECT_EQ(p.mappa.origine(avanti), (Origine{0, -1}));
    EXPECT_EQ(p.mappa.origine(eeprom), (Origine{0, -1}));
    EXPECT_EQ(p.mappa.origine(primo(2, 1) + 1), (Origine{2, -1}));  // the handler's closing return
    EXPECT_EQ(p.mappa.origine(0), (Origine{0, -1}));                // goto INIZIO
}

TEST_F(Mappa, NellaSubroutineEepromLaRigaEQuellaCheLaChiama)
{
    Sessione s(p, std::nullopt);
    const int eeprom = parola(primo(1, 3)) & 0x7FF;
    int passi = 0;
    while (s.chip().pc() != eeprom + 3 && passi++ < 100000)
        s.esegui(s.cicli() + 1);
    ASSERT_EQ(s.chip().pc(), eeprom + 3);
    EXPECT_EQ(s.riga(), (Origine{1, 3}));
}

}  // namespace
}  // namespace kobaltino
