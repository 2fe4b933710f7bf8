// The chip in lockstep with gpsim: random instruction sequences, then the compiled programs of the
// robot, stopped at the same cycles in both and compared whole (W, PC, every file register, EEPROM).
#include "confronto.h"
#include "programma_casuale.h"
#include "programma_robot_casuale.h"

#include "codegen/generatore.h"

#include "sim/decodifica.h"

#include <set>

namespace kobaltino {
namespace {

using arbitro::confrontaConGpsim;
using arbitro::Fermate;

std::vector<int> intervallo(int da, int a, std::vector<int> altri = {})
{
    for (int i = da; i <= a; ++i)
        altri.push_back(i);
    return altri;
}

// STATUS, FSR and the general purpose RAM of each bank.
const std::vector<int> Ram84 = intervallo(0x0C, 0x4F, {0x03, 0x04});
const arbitro::ProfiloCasuale P16F84 = {"16F84", false, 64, {Ram84, Ram84}, intervallo(0x0C, 0x4F, {0x8C, 0xCF, 0x85})};
const arbitro::ProfiloCasuale P16F628 = {"16F628",
                                         true,
                                         128,
                                         {intervallo(0x20, 0x7F, {0x03, 0x04}), intervallo(0x20, 0x7F, {0x03, 0x04}),
                                          intervallo(0x70, 0x7F, intervallo(0x20, 0x4F, {0x03, 0x04})),
                                          intervallo(0x70, 0x7F, {0x03, 0x04})},
                                         intervallo(0x20, 0x7F, {0xA0, 0xEF, 0xF5, 0x120, 0x14F, 0x1F0})};

struct CasoCasuale {
    ModelloPic modello;
    const arbitro::ProfiloCasuale* profilo;
    uint32_t seme;
    bool dorme;  // the sequence ends in SLEEP
};

const CasoCasuale CasiCasuali[] = {
    {ModelloPic::P16F84, &P16F84, 1, false},
    {ModelloPic::P16F84, &P16F84, 2, true},
    {ModelloPic::P16F628, &P16F628, 3, false},
    {ModelloPic::P16F628, &P16F628, 4, true},
};

// Every seventh one-cycle instruction is a stop; after the sequence's end, a few more further on.
// Between them the sequences use all 35 instructions.
TEST(ChipComeGpsim, SequenzeCasuali)
{
    std::set<std::string> usate;
    for (const CasoCasuale& c : CasiCasuali) {
        SCOPED_TRACE(testing::Message() << c.profilo->processore << ", seme " << c.seme);
        const QByteArray sorgente = arbitro::ProgrammaCasuale(*c.profilo, c.seme).genera(260, c.dorme);
        const auto immagine = confrontaConGpsim(c.modello, sorgente, [](Chip& chip, Fermate& fermate) {
            // From the end of the start-up code, which sets TRISA (gpsim starts it at 0x3F).
            for (int i = 0; i < 300; ++i)
                fermate.fermaDopo(chip, fermate.cicli.empty() ? 40 : fermate.cicli.back() + 7);
            for (uint64_t dopo : {1000, 30000})
                fermate.fermaDopo(chip, fermate.cicli.back() + dopo);
        });
        ASSERT_TRUE(immagine.has_value());
        for (int parola : immagine->programma)
            if (parola >= 0)
                usate.insert(mnemonico(static_cast<uint16_t>(parola)));
    }
    EXPECT_EQ(usate.size(), 35u);
}

struct CasoRobot {
    const char* processore;
    ModelloPic modello;
    uint32_t seme;
    bool eeprom;  // with rows that use the data EEPROM
};

// The compiled robot programs, stopped at several cycle counts up to two seconds of robot time.
TEST(ChipComeGpsim, ProgrammiDelRobot)
{
    // gpsim stops a run at an access to an unimplemented register, and the generated text reaches
    // the 16F628's EEPROM registers in bank 0, where it has none: those rows stay on the 16F84.
    const CasoRobot casi[] = {{"16F84", ModelloPic::P16F84, 11, true}, {"16F84A", ModelloPic::P16F84A, 12, true},
                              {"16F628", ModelloPic::P16F628, 13, false}, {"16F628", ModelloPic::P16F628, 14, false}};
    for (const CasoRobot& c : casi) {
        SCOPED_TRACE(testing::Message() << c.processore << ", seme " << c.seme);
        QByteArray sorgente = genera(arbitro::programmaRobotCasuale(QLatin1String(c.processore), c.seme, 40, c.eeprom)).sorgente.byte();
        // gpsim has no 16F84A; its memory map is the 16F84's.
        sorgente.replace("PROCESSOR 16F84A", "PROCESSOR 16F84").replace("p16f84a.inc", "p16f84.inc");
        confrontaConGpsim(c.modello, sorgente, [](Chip& chip, Fermate& fermate) {
            for (uint64_t ciclo : {500, 5000, 20000, 100000, 400000, 1000000, 2000000})
                fermate.fermaDopo(chip, ciclo);
        });
    }
}

}  // namespace
}  // namespace kobaltino
