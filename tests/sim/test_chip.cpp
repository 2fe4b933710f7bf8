// What the chip does beyond gpsim's reach or on its own terms: the ring of the stack, the pins and
// what drives them, sleep and its wake-up, interrupts, TMR0 on RA4, the 16F628's comparators; and
// the chip in lockstep with gpsim on random instruction sequences and on compiled robot programs.
#include "arbitro_gpsim.h"
#include "programma_casuale.h"
#include "programmi_robot.h"

#include "codegen/generatore.h"
#include "model/catalogo.h"
#include "sim/decodifica.h"

namespace kobaltino {
namespace {

// Pins driven (port, bit, level or floating), then a run until the cycle.
struct Tappa {
    std::vector<std::tuple<Porta, int, std::optional<bool>>> pin;
    uint64_t finoA;
};

TEST(Chip, ComportamentoOltreGpsim)
{
    const struct {
        const char* nome;
        ModelloPic modello;
        const char* codice;  // from the start; "fine" loops forever after it
        std::vector<Tappa> tappe;
        std::vector<std::pair<int, int>> registri;  // address, value expected at the end
        int stackMassimo = -1, overflowStack = -1, addormentato = -1;  // -1: not checked
        const char* interruzione = "";                                 // code at 0x004
    } casi[] = {
        {"nine nested calls wrap the stack once", ModelloPic::P16F84,
         "  call s1\n  goto fine\ns1 call s2\n  return\ns2 call s3\n  return\ns3 call s4\n  return\ns4 call s5\n"
         "  return\ns5 call s6\n  return\ns6 call s7\n  return\ns7 call s8\n  return\ns8 call s9\n  return\ns9 return\n",
         {{{}, 100}}, {}, 8, 1},
        {"without pull-ups a floating PORTB input reads as at power-on", ModelloPic::P16F84,
         "  movf PORTB,w\n  movwf 0x20\n",
         {{{{Porta::B, 0, true}}, 20}}, {{0x20, 0x01}}},
        {"RA4 is open drain: a 1 lets the outside set its level", ModelloPic::P16F84,
         "  bsf STATUS,RP0\n  clrf TRISA\n  bcf STATUS,RP0\n  movlw 0x1F\n  movwf PORTA\n  movf PORTA,w\n  movwf 0x20\n"
         "  bcf PORTA,4\n  movf PORTA,w\n  movwf 0x21\n",
         {{{{Porta::A, 4, true}}, 30}}, {{0x20, 0x1F}, {0x21, 0x0F}}},
        {"the 16F628's comparators read RA0-RA3 as 0 until CMCON is 7", ModelloPic::P16F628,
         "  bsf STATUS,RP0\n  clrf TRISA\n  bcf STATUS,RP0\n  movlw 0x0F\n  movwf PORTA\n  movf PORTA,w\n  movwf 0x20\n"
         "  movlw 7\n  movwf CMCON\n  movf PORTA,w\n  movwf 0x21\n",
         {{{}, 30}}, {{0x20, 0x00}, {0x21, 0x0F}}},
        {"TMR0 counts falling edges on RA4 through the prescaler", ModelloPic::P16F84,
         "  bsf STATUS,RP0\n  movlw b'00110000'\n  movwf OPTION_REG\n  bcf STATUS,RP0\n  clrf TMR0\n",
         {{{{Porta::A, 4, true}}, 20}, {{{Porta::A, 4, false}}, 21}, {{{Porta::A, 4, true}}, 22},
          {{{Porta::A, 4, false}}, 23}, {{{Porta::A, 4, true}}, 24}, {{{Porta::A, 4, false}}, 25},
          {{{Porta::A, 4, true}}, 26}, {{{Porta::A, 4, false}}, 27}},
         {{0x01, 0x02}}},
        {"asleep with the watchdog off the chip stays asleep", ModelloPic::P16F84,
         "  clrwdt\n  sleep\n  movlw 1\n  movwf 0x20\n",
         {{{}, 1000000}}, {{0x03, 0x10}, {0x20, 0x00}}, -1, -1, 1},
        {"a change on RB0 with INTE wakes the chip, which goes on after SLEEP", ModelloPic::P16F84,
         "  bsf INTCON,INTE\n  sleep\n  movlw 1\n  movwf 0x20\n", {{{}, 5000}, {{{Porta::B, 0, true}}, 5010}},
         {{0x20, 0x01}, {0x0B, 0x12}}, -1, -1, 0},
        {"a TMR0 overflow with T0IE and GIE calls the interrupt code, RETFIE sets GIE again", ModelloPic::P16F84,
         "  bsf STATUS,RP0\n  movlw b'00000000'\n  movwf OPTION_REG\n  bcf STATUS,RP0\n  movlw b'10100000'\n"
         "  movwf INTCON\n",
         {{{}, 2600}}, {{0x21, 5}, {0x0B, 0xA0}}, 1, 0, -1, "  incf 0x21,f\n  bcf INTCON,T0IF\n  retfie\n"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QByteArray processore = c.modello == ModelloPic::P16F628 ? "16F628" : "16F84";
        const auto immagine = arbitro::immagineDi(
            gpsim::assembla("  PROCESSOR " + processore + "\n  include \"p" + processore.toLower() + ".inc\"\n"
                            "  __config H'3FF1'\n  org 0\n  goto inizio\n  org 4\n" + c.interruzione + "inizio\n"
                            + c.codice + "\nfine goto fine\n  end\n"));
        ASSERT_TRUE(immagine.has_value());
        Chip chip(c.modello);
        chip.carica(*immagine);
        for (const Tappa& t : c.tappe) {
            for (const auto& [porta, bit, livello] : t.pin)
                chip.pilota(porta, bit, livello);
            chip.esegui(t.finoA);
        }
        for (const auto& [indirizzo, valore] : c.registri)
            EXPECT_EQ(chip.registro(indirizzo), valore) << "registro 0x" << std::hex << indirizzo;
        EXPECT_TRUE(c.stackMassimo < 0
                    || std::pair(chip.stackMassimo(), chip.overflowStack()) == std::pair(c.stackMassimo, c.overflowStack));
        EXPECT_TRUE(c.addormentato < 0 || chip.addormentato() == bool(c.addormentato));
    }
}

// Random sequences: a stop every seventh cycle (from the end of the start-up, which sets TRISA:
// gpsim starts it at 0x3F), then a few further on; between them they use all 35 instructions. The
// compiled robot programs: stops up to two seconds of robot time. gpsim has no 16F84A; its memory
// map is the 16F84's.
TEST(Chip, ComeGpsim)
{
    // Cycles from one stop to the next.
    std::vector<uint64_t> ogniSette = {40};
    ogniSette.insert(ogniSette.end(), 299, 7);
    ogniSette.insert(ogniSette.end(), {1000, 30000});
    const std::vector<uint64_t> robot = {500, 4500, 15000, 80000, 300000, 600000, 1000000};
    const struct {
        ModelloPic modello;
        const arbitro::ProfiloCasuale* profilo;  // for a random sequence
        uint32_t seme;
        bool dormeOEeprom;  // the sequence ends in SLEEP; the robot program is the EEPROM one
    } casi[] = {{ModelloPic::P16F84, &arbitro::P16F84, 1, false},   {ModelloPic::P16F84, &arbitro::P16F84, 2, true},
                {ModelloPic::P16F628, &arbitro::P16F628, 3, false}, {ModelloPic::P16F628, &arbitro::P16F628, 4, true},
                {ModelloPic::P16F84, nullptr, 0, true},             {ModelloPic::P16F84A, nullptr, 0, false},
                {ModelloPic::P16F628, nullptr, 0, true},            {ModelloPic::P16F628, nullptr, 0, false}};
    std::set<std::string> usate;
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << nomeModello(c.modello).toStdString() << ", seme " << c.seme);
        QByteArray sorgente;
        if (c.profilo) {
            sorgente = arbitro::ProgrammaCasuale(*c.profilo, c.seme).genera(260, c.dormeOEeprom);
        } else {
            Stato programma = c.dormeOEeprom ? programmaEeprom() : programmaMovimenti();
            programma.Processore = nomeModello(c.modello);
            // Round and round: the closing loop's two-cycle jumps leave no cycle to stop at.
            programma.griglia(1).riga(0).etichetta = QStringLiteral("0");
            aggiungi(programma, 1, codici::VaiA, QStringLiteral("0"));
            sorgente = genera(programma).sorgente.byte().replace("16F84A", "16F84").replace("16f84a", "16f84");
        }
        const auto immagine = arbitro::confrontaConGpsim(c.modello, sorgente, c.profilo ? ogniSette : robot);
        ASSERT_TRUE(immagine.has_value());
        for (int parola : immagine->programma)
            if (c.profilo && parola >= 0)
                usate.insert(mnemonico(static_cast<uint16_t>(parola)));
    }
    EXPECT_EQ(usate.size(), 35u);
}

}  // namespace
}  // namespace kobaltino
