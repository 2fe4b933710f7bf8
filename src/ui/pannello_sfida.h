#pragma once

// The challenge beside the arena: its text, each goal with its live state (still open, met,
// failed) and the value measured so far, and the result once the run is over. It watches the
// run's world steps through the same referee that kobaltino-cli valuta grades with.
#include "sim/sfida.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTreeWidget;

namespace kobaltino {

class PannelloSfida : public QWidget {
    Q_OBJECT
public:
    explicit PannelloSfida(QWidget* parent = nullptr);

    void impostaSfida(const Sfida& sfida);
    void togliSfida();  // no challenge any more: the panel is empty
    const std::optional<Sfida>& sfida() const { return sfida_; }

    // A new run at power-on: the goals start over.
    void nuovaCorsa();
    // After each new world step; a step at or before the furthest one seen (the run going on
    // after a jump back) leaves the goals as they are.
    void osserva(const Sessione& sessione);
    // The run ended by itself: the goals still open are decided on the state now.
    void concludi(const Sessione& sessione);
    // Shows the goals as they stand; true the first time after the run is over.
    bool aggiorna();

    const Arbitro* arbitro() const { return arbitro_ ? &*arbitro_ : nullptr; }

private:
    std::optional<Sfida> sfida_;
    std::optional<Arbitro> arbitro_;
    uint64_t ultimoCiclo_ = 0;
    bool annunciata_ = false;

    QLabel* titolo_ = nullptr;
    QLabel* testo_ = nullptr;
    QTreeWidget* obiettivi_ = nullptr;
    QLabel* esito_ = nullptr;
};

}  // namespace kobaltino
