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

class Sessione {
public:
    // `arena` nullopt: no world at all, every input reads what an unconnected pin reads.
    Sessione(const ProgrammaSimulato& programma, std::optional<Arena> arena);

    // Runs until cicli() >= finoACicli (an instruction is never split, so a two-cycle one may end
    // one cycle later). Behind the furthest moment reached, the run replays what happened.
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
    // Port changes up to now, in order.
    std::vector<EventoPorte> eventi() const;
    // The trail up to now.
    std::vector<PuntoTraccia> traccia() const;
    Fotografia fotografia() const;

private:
    struct Istantanea {
        StatoChip chip;
        StatoRobot robot;
        std::array<std::optional<bool>, NumeroIngressi> forzati;
        uint64_t prossimoPasso;
        int ultimaRiga;
    };
    struct Forzatura {
        uint64_t ciclo;
        int ingresso;
        std::optional<bool> livello;
    };

    void eseguiFinoA(uint64_t finoACicli, bool fermaAlCambioRiga, bool& cambiata);
    void passoMondo();
    void applicaIngressi();
    void scattaIstantanea();
    void tagliaStoria();
    void annotaPorte();

    ProgrammaSimulato programma_;
    std::optional<Arena> arena_;
    std::optional<Ostacoli> ostacoli_;  // set with the arena
    Chip chip_;
    StatoRobot robot_;
    std::array<std::optional<bool>, NumeroIngressi> forzati_{};
    uint64_t prossimoPasso_ = CicliPerPassoMondo;  // cycle of the next world step
    int ultimaRiga_ = -1;                          // last address executed that belongs to a row
    uint8_t uscitaA_ = 0, uscitaB_ = 0;            // output levels at the last port change

    uint64_t registrati_ = 0;  // furthest moment reached
    uint64_t intervalloIstantanee_ = CicliTraIstantanee;
    std::vector<Istantanea> istantanee_;
    std::vector<Forzatura> forzature_;
    std::vector<EventoPorte> eventi_;
    std::vector<PuntoTraccia> traccia_;
};

}  // namespace kobaltino
