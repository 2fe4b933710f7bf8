#pragma once

// One run of a program: the chip inside the robot inside its arena. The chip runs in slices of
// instruction cycles; every millisecond of simulated time the world moves the robot and sets
// the input pins. Snapshots taken along the way let the run go back to any earlier moment.
//
// Not thread-safe: one thread drives a session. A window that runs it on a worker thread copies
// fotografia() after each slice and draws from that copy.
#include "codegen/sorgente.h"
#include "sim/arena.h"
#include "sim/chip.h"
#include "sim/programma_simulato.h"
#include "sim/robot.h"
#include "sim/sensori.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kobaltino {

inline constexpr uint64_t CicliPerSecondo = 1'000'000;  // one cycle is 1 us (4 MHz crystal)
inline constexpr uint64_t CicliPerPassoMondo = 1000;     // the world moves every millisecond
inline constexpr uint64_t CicliTraIstantanee = 10'000;   // a snapshot every 10 ms at first

// A port's output changed: the levels of the two ports just after the change.
struct EventoPorte {
    uint64_t ciclo;
    uint8_t porta, portb;
    bool operator==(const EventoPorte&) const = default;
};

// A point of the wheels' trail, one every 20 ms while the robot moves.
struct PuntoTraccia {
    uint64_t ciclo;
    Punto posizione;
};

// What a view needs to draw one moment: cheap to copy, safe to hand to another thread.
struct Fotografia {
    StatoChip chip;
    uint64_t cicli = 0;
    StatoRobot robot;
    Origine riga;                                // the row running, {0, -1} outside any row
    Livelli ingressi{};                          // what the program reads on each input
    std::array<std::optional<bool>, NumeroIngressi> forzati{};
    uint8_t porta = 0, portb = 0;                // pin levels
    bool addormentato = false;
};

// The port pin of input `ingresso` (0..8, order of the handler grids).
struct PinIngresso {
    Porta porta;
    int bit;
};
PinIngresso pinIngresso(int ingresso);
// The input named as in the program ("Luce_destra" ... "Aux"), nullopt for any other name.
std::optional<int> indiceIngresso(const QString& nome);

// Why a run ended by itself: from that moment on nothing could change what the program does.
struct FineCorsa {
    enum Motivo { Dorme, FineProgramma } motivo;
    uint64_t ciclo;  // the world step at which it was seen
    Origine riga;    // the Sleep row, or the last row of the main grid before its closing loop
    bool operator==(const FineCorsa&) const = default;
};
// "Il programma è finito: il processore dorme, riga 12" and the like.
QString testoFine(const FineCorsa& fine);

// Stored port changes stop here, so a program that toggles a port without pause cannot fill the memory.
inline constexpr size_t MassimoEventi = 2'000'000;

class Sessione {
public:
    // `arena` nullopt: no world at all, every input reads what an unconnected pin reads.
    Sessione(const ProgrammaSimulato& programma, std::optional<Arena> arena);

    // Runs until cicli() >= finoACicli (an instruction is never split, nor the entry into the
    // interrupt that follows it: the run may end up to three cycles later), or until the run ends
    // by itself (fine()). Behind the furthest moment reached, the run replays what happened.
    void esegui(uint64_t finoACicli);
    // Runs until the program starts another row (or the same row again), at most `limite`
    // cycles; true when it got there.
    bool passoRiga(uint64_t limite = 10 * CicliPerSecondo);
    // Back to power-on, the robot at its start pose, the history and the forced inputs dropped.
    void ricomincia();

    // Shows the run at moment `ciclo` (0 .. cicliRegistrati()): restores the nearest snapshot
    // before it and runs forward. The history after it stays until the run changes course.
    void vaiA(uint64_t ciclo);
    uint64_t cicli() const;
    uint64_t cicliRegistrati() const { return registrati_; }
    double secondi() const { return static_cast<double>(cicli()) / CicliPerSecondo; }

    // The row of the student's program that runs now; library code counts for the row that
    // called it; {0, -1} in the start-up code and the closing loop before any row ran.
    Origine riga() const;

    // Forces input `ingresso` (0..8, order of the handler grids) to a level, over the arena;
    // nullopt gives it back to the arena. Behind the furthest moment reached, the history after
    // now is dropped: the run changes course here.
    void forza(int ingresso, std::optional<bool> livello);
    std::optional<bool> forzato(int ingresso) const { return forzati_[static_cast<size_t>(ingresso)]; }
    // The level the program reads on each input now.
    Livelli ingressi() const;

    const Chip& chip() const { return chip_; }
    const StatoRobot& robot() const { return robot_; }
    const std::optional<Arena>& arena() const { return arena_; }
    const ProgrammaSimulato& programma() const { return programma_; }
    // Port changes up to now, in order: the output levels (latch of each output pin, 0 on inputs).
    std::vector<EventoPorte> eventi() const;
    // True when the run made more port changes than MassimoEventi and the later ones were not kept.
    bool eventiTroncati() const { return eventi_.size() >= MassimoEventi; }
    // Set once the run has ended by itself: the chip asleep with nothing to wake it, or the main
    // grid finished in its closing loop with no interrupt able to come, and the robot standing
    // still. Forcing an input at that moment lets the run go on (and perhaps end again).
    const std::optional<FineCorsa>& fine() const { return fine_; }
    bool finita() const { return fine_ && chip_.cicli() >= fine_->ciclo; }
    // The trail up to now.
    std::vector<PuntoTraccia> traccia() const;
    Fotografia fotografia() const;

    // Called after every world step that moves the run past the furthest moment reached (and at
    // power-on again after ricomincia()): what a challenge's goals watch.
    void osservaPassi(std::function<void(const Sessione&)> osservatore) { osservatore_ = std::move(osservatore); }

private:
    // Everything that decides how the run goes on from a moment.
    struct Istantanea {
        StatoChip chip;
        StatoRobot robot;
        std::array<std::optional<bool>, NumeroIngressi> forzati;
        Livelli mondo;
        uint64_t prossimoPasso;
        uint8_t uscitaA, uscitaB;
    };
    struct Forzatura {
        uint64_t ciclo;
        int ingresso;
        std::optional<bool> livello;
    };

    // Runs instruction by instruction until `fine` (or, with `allaRiga`, until a row starts).
    bool corri(uint64_t fine, bool allaRiga);
    void passoMondo();
    std::optional<FineCorsa> bloccata() const;
    void applicaIngressi();
    void applicaForzatureFinoA(uint64_t ciclo);
    void annotaPorte();
    void scattaIstantanea();
    void tagliaStoria();
    void riprendi(const Istantanea& istantanea);
    bool nuovo() const { return chip_.cicli() > registrati_; }

    ProgrammaSimulato programma_;
    std::optional<Arena> arena_;
    std::optional<Ostacoli> ostacoli_;  // set with the arena
    Chip chip_;

    // The moment now, as a snapshot holds it.
    StatoRobot robot_;
    std::array<std::optional<bool>, NumeroIngressi> forzati_{};
    Livelli mondo_{};                   // what the arena made the sensors see at the last step
    std::optional<StatoRobot> robotVisto_;  // the robot as mondo_ saw it: while it stays so, so does mondo_
    uint64_t prossimoPasso_ = 0;        // cycle of the next world step
    uint8_t uscitaA_ = 0, uscitaB_ = 0; // output levels at the last port change

    // The history.
    uint64_t registrati_ = 0;  // furthest moment reached
    uint64_t intervalloIstantanee_ = CicliTraIstantanee;
    std::vector<Istantanea> istantanee_;
    std::vector<Forzatura> forzature_;
    size_t prossimaForzatura_ = 0;  // first of forzature_ not yet applied on this pass
    std::vector<EventoPorte> eventi_;
    std::vector<PuntoTraccia> traccia_;
    std::optional<FineCorsa> fine_;
    std::function<void(const Sessione&)> osservatore_;
};

}  // namespace kobaltino
