// What the chip does beyond gpsim's reach or on its own terms: the ring of the stack, the pins and
// what drives them, sleep and its wake-up, interrupts, TMR0 on RA4, the 16F628's comparators; and
// that snapshots and the counted wait loops leave a run exactly as it would be.
#include "arbitro_gpsim.h"
#include "confronto.h"
#include "programma_robot_casuale.h"

#include "codegen/generatore.h"

namespace kobaltino {
namespace {

using arbitro::assembla;

struct Pilotaggio {
    Porta porta;
    int bit;
    std::optional<bool> livello;
};

// Drive the pins, then run until the cycle.
struct Tappa {
    std::vector<Pilotaggio> pin;
    uint64_t finoA;
};

struct Caso {
    const char* nome;
    ModelloPic modello;
    const char* interruzione;  // code at 0x004
    const char* corpo;         // code from the start; "fine" loops forever after it
    std::vector<Tappa> tappe;
    std::vector<std::pair<int, int>> registri;  // address, value expected at the end
    int stackMassimo = -1, overflowStack = -1;  // -1: not checked
    int addormentato = -1;
};

QByteArray sorgente(const Caso& c)
{
    const QByteArray processore = c.modello == ModelloPic::P16F628 ? "16F628" : "16F84";
    return "             PROCESSOR " + processore + "\n             include \"p" + processore.toLower()
           + ".inc\"\n             __config H'3FF1'\n             org 0\n             goto inizio\n"
             "             org 4\n"
           + c.interruzione + "\ninizio\n" + c.corpo + "\nfine         goto fine\n             end\n";
}

const Caso Casi[] = {
    {"nine nested calls wrap the stack once", ModelloPic::P16F84, "",
     "  call s1\n  goto fine\ns1 call s2\n  return\ns2 call s3\n  return\ns3 call s4\n  return\ns4 call s5\n"
     "  return\ns5 call s6\n  return\ns6 call s7\n  return\ns7 call s8\n  return\ns8 call s9\n  return\ns9 return\n",
     {{{}, 100}}, {}, 8, 1},
    {"PORTB inputs read high through the pull-ups, low where driven low", ModelloPic::P16F84, "",
     "  bsf STATUS,RP0\n  movlw 0x7F\n  movwf OPTION_REG\n  bcf STATUS,RP0\n  nop\n  movf PORTB,w\n  movwf 0x20\n",
     {{{{Porta::B, 3, false}}, 20}}, {{0x20, 0xF7}, {0x06, 0xF7}}},
    {"without pull-ups a floating PORTB input reads as at power-on", ModelloPic::P16F84, "",
     "  movf PORTB,w\n  movwf 0x20\n", {{{{Porta::B, 0, true}}, 20}}, {{0x20, 0x01}}},
    {"RA4 is open drain: a 1 lets the outside set its level", ModelloPic::P16F84, "",
     "  bsf STATUS,RP0\n  clrf TRISA\n  bcf STATUS,RP0\n  movlw 0x1F\n  movwf PORTA\n  movf PORTA,w\n  movwf 0x20\n"
     "  bcf PORTA,4\n  movf PORTA,w\n  movwf 0x21\n",
     {{{{Porta::A, 4, true}}, 30}}, {{0x20, 0x1F}, {0x21, 0x0F}}},
    {"the 16F628's comparators read RA0-RA3 as 0 until CMCON is 7", ModelloPic::P16F628, "",
     "  bsf STATUS,RP0\n  clrf TRISA\n  bcf STATUS,RP0\n  movlw 0x0F\n  movwf PORTA\n  movf PORTA,w\n  movwf 0x20\n"
     "  movlw 7\n  movwf CMCON\n  movf PORTA,w\n  movwf 0x21\n",
     {{{}, 30}}, {{0x20, 0x00}, {0x21, 0x0F}}},
    {"TMR0 counts falling edges on RA4 through the prescaler", ModelloPic::P16F84, "",
     "  bsf STATUS,RP0\n  movlw b'00110000'\n  movwf OPTION_REG\n  bcf STATUS,RP0\n  clrf TMR0\n",
     {{{{Porta::A, 4, true}}, 20}, {{{Porta::A, 4, false}}, 21}, {{{Porta::A, 4, true}}, 22},
      {{{Porta::A, 4, false}}, 23}, {{{Porta::A, 4, true}}, 24}, {{{Porta::A, 4, false}}, 25},
      {{{Porta::A, 4, true}}, 26}, {{{Porta::A, 4, false}}, 27}},
     {{0x01, 0x02}}},
    {"asleep with the watchdog off the chip stays asleep", ModelloPic::P16F84, "",
     "  clrwdt\n  sleep\n  movlw 1\n  movwf 0x20\n", {{{}, 1000000}}, {{0x03, 0x10}, {0x20, 0x00}}, -1, -1, 1},
    {"a change on RB0 with INTE wakes the chip, which goes on after SLEEP", ModelloPic::P16F84, "",
     "  bsf INTCON,INTE\n  sleep\n  movlw 1\n  movwf 0x20\n", {{{}, 5000}, {{{Porta::B, 0, true}}, 5010}},
     {{0x20, 0x01}, {0x0B, 0x12}}, -1, -1, 0},
    {"a TMR0 overflow with T0IE and GIE calls the interrupt code, RETFIE sets GIE again", ModelloPic::P16F84,
     "  incf 0x21,f\n  bcf INTCON,T0IF\n  retfie\n",
     "  bsf STATUS,RP0\n  movlw b'00000000'\n  movwf OPTION_REG\n  bcf STATUS,RP0\n  movlw b'10100000'\n"
     "  movwf INTCON\n",
     {{{}, 2600}}, {{0x21, 5}, {0x0B, 0xA0}}, 1, 0},
};

class Comportamento : public testing::TestWithParam<Caso> {};

TEST_P(Comportamento, DelChip)
{
    const Caso& c = GetParam();
    const arbitro::Assemblato programma = assembla(sorgente(c));
    ASSERT_TRUE(programma.immagine.has_value());
    Chip chip(c.modello);
    chip.carica(*programma.immagine);
    for (const Tappa& t : c.tappe) {
        for (const Pilotaggio& p : t.pin)
            chip.pilota(p.porta, p.bit, p.livello);
        chip.esegui(t.finoA);
    }
    for (const auto& [indirizzo, valore] : c.registri)
        EXPECT_EQ(chip.registro(indirizzo), valore) << "registro 0x" << std::hex << indirizzo;
    if (c.stackMassimo >= 0)
        EXPECT_EQ(chip.stackMassimo(), c.stackMassimo);
    if (c.overflowStack >= 0)
        EXPECT_EQ(chip.overflowStack(), c.overflowStack);
    if (c.addormentato >= 0)
        EXPECT_EQ(chip.addormentato(), bool(c.addormentato));
}

INSTANTIATE_TEST_SUITE_P(Chip, Comportamento, testing::ValuesIn(Casi),
                         [](const testing::TestParamInfo<Caso>& i) { return "caso" + std::to_string(i.index); });

// A run cut by snapshots, and a run with its wait loops counted in one step, end exactly where a run
// of single steps ends.
TEST(Chip, IstantaneeEAtteseNonCambianoLaCorsa)
{
    const arbitro::Assemblato programma =
        assembla(genera(arbitro::programmaRobotCasuale(QStringLiteral("16F84"), 21, 30, true)).sorgente.byte());
    ASSERT_TRUE(programma.immagine.has_value());
    Chip passoPasso(ModelloPic::P16F84), aSalti(ModelloPic::P16F84);
    passoPasso.carica(*programma.immagine);
    aSalti.carica(*programma.immagine);
    for (uint64_t ciclo : {1000, 30000, 250000, 1200000, 3000000}) {
        while (passoPasso.cicli() < ciclo)
            passoPasso.passo();
        const StatoChip istantanea = aSalti.stato();
        aSalti.esegui(ciclo);
        Chip ripreso(ModelloPic::P16F84);
        ripreso.carica(*programma.immagine);
        ripreso.ripristina(istantanea);
        ripreso.esegui(ciclo);
        EXPECT_EQ(arbitro::differenze(arbitro::fotografa(aSalti), arbitro::fotografa(passoPasso)), "") << ciclo;
        EXPECT_EQ(arbitro::differenze(arbitro::fotografa(ripreso), arbitro::fotografa(passoPasso)), "") << ciclo;
        EXPECT_EQ(aSalti.cicli(), passoPasso.cicli());
    }
}

}  // namespace
}  // namespace kobaltino
