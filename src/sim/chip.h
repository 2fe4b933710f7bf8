#pragma once

// An instruction-exact model of the 14-bit PIC core of the robot's processors (16F84, 16F84A,
// 16F628): the instruction set, banked data memory, TMR0, the data EEPROM, the stack and the ports.
// One instruction cycle is 1 us (the robot's 4 MHz crystal).
#include "sim/hex.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kobaltino {

enum class ModelloPic { P16F84, P16F84A, P16F628 };
std::optional<ModelloPic> modelloDaNome(const QString& nome);  // "16F84", "16F84A", "16F628"
QString nomeModello(ModelloPic modello);

enum class Porta { A, B };

struct MappaDati;

// The whole state of a chip: a plain copy is a snapshot.
struct StatoChip {
    std::array<uint8_t, 0x200> ram{};      // data memory by address, a mirrored cell at its lowest address
    std::array<uint8_t, 128> eeprom{};
    std::array<uint16_t, 8> stack{};
    uint64_t cicli = 0;                    // instruction cycles since reset
    uint64_t fineScritturaEeprom = 0;      // cycle at which the pending EEPROM write completes, 0 = none
    uint16_t pc = 0;
    uint16_t configurazione = 0x3FFF;
    uint16_t contaPrescaler = 0;           // cycles (or RA4 edges) counted towards the next TMR0 tick
    uint8_t w = 0;
    uint8_t cimaStack = 0;                 // slot the next call pushes to
    uint8_t profondita = 0;                // return addresses held, at most 8
    uint8_t stackMassimo = 0;
    uint32_t overflowStack = 0;
    uint8_t inibizioneTmr0 = 0;            // cycles TMR0 still holds after a write
    uint8_t sbloccoEeprom = 0;             // 0, 1 after 0x55 into EECON2, 2 after 0xAA
    uint8_t indirizzoScrittura = 0, datoScrittura = 0;
    bool addormentato = false;
    std::array<uint8_t, 2> pilotati{};     // pins driven from outside, by port
    std::array<uint8_t, 2> livelli{};      // the levels they are driven to
    std::array<uint8_t, 2> pinPrecedenti{}; // pin levels seen after the previous instruction (edges)
};

class Chip {
public:
    explicit Chip(ModelloPic modello);

    void carica(const ImmagineHex& immagine);  // program, config word, EEPROM data; then power-on reset
    void reset();                              // power-on reset
    int passo();                               // one instruction (one cycle while asleep); returns cycles
    void esegui(uint64_t finoACicli);          // runs while cicli() < finoACicli

    uint64_t cicli() const { return s.cicli; }
    int pc() const { return s.pc; }
    uint8_t w() const { return s.w; }
    std::optional<uint8_t> registro(int indirizzo) const;  // 0x000..0x1FF; nullopt = unimplemented
    int dimensioneEeprom() const;
    uint8_t eeprom(int indirizzo) const;
    uint8_t latch(Porta p) const;
    uint8_t tris(Porta p) const;
    // Level on each pin: output latch, external drive, pull-up (PORTB, when RBPU=0 and the pin is an
    // input) or what a floating input reads.
    uint8_t pin(Porta p) const;
    void pilota(Porta p, int bit, std::optional<bool> livello);  // external drive; nullopt = released
    int profonditaStack() const { return s.profondita; }
    int stackMassimo() const { return s.stackMassimo; }
    int overflowStack() const { return static_cast<int>(s.overflowStack); }
    bool addormentato() const { return s.addormentato; }
    uint16_t configurazione() const { return s.configurazione; }
    const StatoChip& stato() const { return s; }
    void ripristina(const StatoChip& stato) { s = stato; }
    ModelloPic modello() const { return modelloPic; }

    // One program word decoded once at load: what runs it and its operands.
    struct Istruzione {
        int (*esegui)(Chip&, const Istruzione&);  // returns the cycles taken
        uint16_t k = 0;                           // literal or address
        uint8_t f = 0;                            // file register (7 bits)
        uint8_t bit = 0;                          // bit number, or 1 when the result goes to f
    };

private:
    friend struct Operazioni;

    uint8_t leggi(int f);                // an instruction reads file register f (bank from STATUS)
    void scrivi(int f, uint8_t valore);  // an instruction writes it
    uint8_t leggiIndirizzo(int indirizzo);
    void scriviIndirizzo(int indirizzo, uint8_t valore);
    void avanza(int cicliPassati);       // TMR0, EEPROM write, port edges
    void tickTmr0();
    void aggiornaStatoEeprom();
    uint8_t livelliPin(int porta) const;

    ModelloPic modelloPic;
    const MappaDati* mappa;
    StatoChip s;
    uint16_t configurazioneCaricata = 0x3FFF;
    std::vector<uint8_t> eepromCaricata;
    std::vector<Istruzione> programma;  // one record per program word
};

}  // namespace kobaltino
