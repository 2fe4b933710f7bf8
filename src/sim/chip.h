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
    uint64_t overflowTmr0 = 0;             // cycle of the next TMR0 overflow when it counts cycles
    int64_t baseTmr0 = 0;                  // cycle from which TMR0 counts up from 0
    int64_t sincronizzazioneTmr0 = 0;      // up to this cycle TMR0 still holds the value written to it
    uint16_t prescalaTmr0 = 1;             // 1, or 2 to 256 when the prescaler is assigned to TMR0
    uint16_t contaFronti = 1;              // RA4 edges still to come before the next TMR0 tick
    uint16_t pc = 0;
    uint16_t configurazione = 0x3FFF;
    uint8_t w = 0;
    uint8_t cimaStack = 0;                 // slot the next call pushes to
    uint8_t profondita = 0;                // return addresses held, at most 8
    uint8_t stackMassimo = 0;
    uint32_t overflowStack = 0;
    uint8_t statoEeprom = 0;               // where the unlock sequence stands
    uint8_t indirizzoScrittura = 0, datoScrittura = 0;
    bool addormentato = false;
    bool tmr0Fermo = false;                // the instruction clock stops in sleep, and TMR0 with it
    std::array<uint8_t, 2> pilotati{};     // pins driven from outside, by port
    std::array<uint8_t, 2> livelli{};      // the levels they are driven to
    std::array<uint8_t, 2> pinPrecedenti{}; // pin levels after the last change (edges)
    uint8_t letturaPortaB = 0;             // PORTB as last read (the RB4-RB7 change flag compares with it)
};

class Chip {
public:
    explicit Chip(ModelloPic modello);

    void carica(const ImmagineHex& immagine);  // program, config word, EEPROM data; then power-on reset
    void reset();                              // power-on reset
    int passo();                               // one instruction (one cycle while asleep); returns cycles
    void esegui(uint64_t finoACicli);          // runs while cicli() < finoACicli
    // The same, but stops right after an instruction that changes a port latch or direction.
    void eseguiFinoAlleUscite(uint64_t finoACicli);

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
    void ripristina(const StatoChip& stato);
    ModelloPic modello() const { return modelloPic; }

    // One program word decoded once at load: what runs it and its operands.
    struct Istruzione {
        int (*esegui)(Chip&, const Istruzione&);  // returns the cycles taken
        uint16_t k = 0;                           // literal or address
        uint8_t f = 0;                            // file register (7 bits)
        uint8_t bit = 0;                          // bit number, or 1 when the result goes to f
        bool indietro = false;                    // a goto to itself or an earlier address: a loop
    };

private:
    friend struct Operazioni;
    void calcolaProssimoEvento();
    template <bool allUscite>
    void corri(uint64_t finoACicli);
    void girato(uint64_t finoACicli);

    // What a turn of a loop may change, and what tells that it did: a loop that comes back to its
    // head with all of it as it was is in a fixed point.
    struct Giro {
        uint64_t modifiche, lettureTmr0, evento;
        uint32_t overflowStack;
        uint16_t pc;
        uint8_t w, status, intcon, letturaPortaB, cimaStack, profondita, stackMassimo;
        bool operator==(const Giro&) const = default;
    };
    Giro giro() const;

    // An instruction reads or writes file register f (7 bits, the bank from STATUS); a bit
    // instruction reads the port pins, not the latch.
    uint8_t leggi(int f);
    void scrivi(int f, uint8_t valore);
    uint8_t leggiCella(int cella);
    void scriviCella(int cella, uint8_t valore);
    int cellaIndiretta() const;
    uint8_t valoreCella(int cella) const;  // what a read gives, without its side effects

    void chiama(uint16_t destinazione);
    uint16_t ritorna();
    void eventi();                         // TMR0 overflow, EEPROM write completion
    void controllaInterruzioni();
    bool interruzioneAttesa() const;
    void addormenta();
    void sveglia();

    uint8_t valoreTmr0() const;
    void overflowTmr0();
    void avviaTmr0(uint8_t valore, int64_t daCiclo);
    void scriviOption(uint8_t valore);
    void contaFronteRa4();
    void scriviEecon1(uint8_t valore);
    void scriviEecon2(uint8_t valore);
    void pinCambiati();                    // edges on RB0, RB4-RB7 and RA4 after a change of levels
    uint8_t ingressiAnalogici() const;     // RA0-RA3 as the 16F628's comparators take them

    ModelloPic modelloPic;
    const MappaDati* mappa;
    StatoChip s;
    uint16_t mascheraPc;
    uint8_t pinPortaA;                     // PORTA pins that exist (the 16F628's depend on the config word)
    uint64_t prossimoEvento = 0;           // the earliest cycle at which eventi() has work
    int cicloExtra = 0;                    // a write to PCL turns the instruction into a jump
    uint16_t configurazioneCaricata = 0x3FFF;
    std::array<uint8_t, 128> eepromCaricata{};
    std::vector<Istruzione> programma;     // one record per program word
    // Counted for the loops: changes of a cell's value, and TMR0 reads, whose value moves with time.
    uint64_t modifiche = 0, lettureTmr0 = 0;
    uint32_t cambiUscite = 0;              // changes of a port latch or direction
    std::optional<Giro> testaGiro;         // the last loop head passed, and when
    uint64_t cicloTesta = 0;
};

}  // namespace kobaltino
