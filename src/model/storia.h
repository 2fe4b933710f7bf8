#pragma once

#include "model/stato.h"

#include <QList>
#include <array>
#include <deque>
#include <vector>

namespace kobaltino {

// The program part of the shared state at one moment: what undo and redo bring back.
// The rows are kept in shared lists, so a grid that a step did not touch costs nothing.
struct Istantanea {
    std::array<QList<Riga>, NumeroGriglie> righe;
    std::array<quint64, NumeroGriglie> versioni{};  // of the grids the rows were taken from
    std::array<std::pair<int, int>, NumeroGriglie> selezione{};  // current row and column
    std::array<QString, CelleMemoria> ram, eeprom;
    std::array<int, NumeroGriglie> etichette{};
    QString braccio;
    bool aux = true;

    // The program of `s`; grids equal to those of `simile` share its lists.
    static Istantanea di(const Stato& s, const Istantanea* simile = nullptr);
    // Same rows and usage marks: what a saved file holds.
    bool stessoProgramma(const Istantanea& altra) const;
};

// The undo history of the program: one step per command that changed it, with the program
// before and after. Knows which step matches the saved file, so that Modificato follows it.
//
// Changes made outside a step (loading a file) are noticed at the next step, undo or redo:
// the history then starts again from the program as it is.
class Storia {
public:
    // The oldest steps are forgotten beyond either limit.
    static constexpr int PassiMassimi = 500;
    static constexpr qsizetype RigheMassime = 250000;  // rows kept by the steps, about 18 MB

    Storia();

    // Forgets every step: the program as it is becomes the start, saved unless Modificato.
    void azzera(const Stato& s);

    // A command is about to change the program.
    void inizia(const Stato& s);
    // The command is over: when the program changed, one step is recorded and Modificato
    // tells whether it differs from the saved one. `pulito` records the result as having
    // nothing to save (Cancella tutto).
    void termina(Stato& s, bool pulito = false);

    bool puoAnnullare(const Stato& s);
    bool puoRipetere(const Stato& s);
    // Undo and redo: return the grid the step changed (1..10), 0 when there was nothing to do
    // or only the memory panel changed.
    int annulla(Stato& s);
    int ripeti(Stato& s);

    int passi() const { return static_cast<int>(passi_.size()); }
    int posizione() const { return posizione_; }

private:
    struct Passo {
        Istantanea prima, dopo;
        int griglia = 0;
        qsizetype righe = 0;  // rows of the grids it changed, before and after
    };

    void allinea(const Stato& s);
    static void applica(Stato& s, const Istantanea& da, const Istantanea& a);

    std::deque<Passo> passi_;
    int posizione_ = 0;           // steps applied
    qsizetype righe_ = 0;         // sum of the steps' rows
    std::deque<bool> pulito_;     // per position: the program has nothing unsaved
    Istantanea attesa_;           // the program as the history left it
    Istantanea prima_;            // taken by inizia()
};

}  // namespace kobaltino
