#pragma once

// The run the simulator window shows: one session of the compiled program in its arena, driven
// in short time slices on the window's thread so the window never waits for the chip. The
// window draws the latest moment at its own steady rate, whatever the speed.
#include "sim/sessione.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace kobaltino {

// How fast simulated time goes against the clock on the wall.
enum class Velocita { Mezza, Reale, Quadrupla, Sedicesima, Massima };

struct VoceVelocita {
    Velocita velocita;
    const char* testo;
    double fattore;  // simulated seconds per real second; 0 = as fast as the machine goes
};
const std::array<VoceVelocita, 5>& velocita();

class Simulazione : public QObject {
    Q_OBJECT
public:
    explicit Simulazione(QObject* parent = nullptr);
    ~Simulazione() override;

    // A new run of `programma` in `arena` (nullopt: no world), paused at power-on.
    void carica(const ProgrammaSimulato& programma, std::optional<Arena> arena);
    // The same program in another arena: the run starts over.
    void cambiaArena(std::optional<Arena> arena);
    // Drops the run (the program changed): nothing to show until the next carica().
    void scarica();
    bool caricata() const { return sessione_ != nullptr; }
    const Sessione* sessione() const { return sessione_.get(); }

    // A run that ended by itself starts over from power-on.
    void avvia();
    // Also where a run that ends by itself stops.
    void pausa();
    bool inCorso() const { return inCorso_; }
    // One row of the program; the run pauses.
    void passo();
    // Back to power-on; a running simulation keeps running.
    void ricomincia();
    void impostaVelocita(Velocita v);
    Velocita velocitaScelta() const { return velocita_; }

    // The run forward by `cicli` instruction cycles: what each time slice does with the cycles
    // the clock gives it.
    void avanza(uint64_t cicli);
    // Shows an earlier (or later, up to the furthest reached) moment; the run pauses there and
    // goes on from there.
    void vaiA(uint64_t ciclo);
    void forza(int ingresso, std::optional<bool> livello);
    // Watches every new world step of this run and of every run loaded later.
    void osservaPassi(std::function<void(const Sessione&)> osservatore);

    // Without the clock: avvia() marks the run as going but only avanza() moves it. Tests drive
    // the run this way, a fixed number of cycles at a time.
    void impostaSenzaOrologio(bool senza) { senzaOrologio_ = senza; }

signals:
    // The moment shown changed at once (a step, a jump in time, a forced input, a new run).
    void cambiata();
    // A time slice moved the run on: the window draws it at its next frame.
    void avanzata();
    // The run started or paused.
    void statoCambiato(bool inCorso);

private:
    void fetta();
    void riavviaOrologio();

    std::unique_ptr<Sessione> sessione_;
    bool inCorso_ = false;
    bool senzaOrologio_ = false;
    Velocita velocita_ = Velocita::Reale;
    QTimer timer_;
    QElapsedTimer orologio_;
    uint64_t cicliAllAvvio_ = 0;  // cycle count when the clock was last set going
    std::function<void(const Sessione&)> osservatore_;
};

}  // namespace kobaltino
