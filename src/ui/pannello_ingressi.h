#pragma once

// The nine inputs of the robot with the level the program reads now. A click forces an input
// to the other level, over what the arena says; another click gives it back to the arena.
#include "sim/sessione.h"

#include <QWidget>

#include <array>
#include <optional>

class QGridLayout;
class QPushButton;

namespace kobaltino {

class PannelloIngressi : public QWidget {
    Q_OBJECT
public:
    explicit PannelloIngressi(QWidget* parent = nullptr);

    void mostra(const Livelli& livelli, const std::array<std::optional<bool>, NumeroIngressi>& forzati);
    QPushButton* pulsante(int ingresso) const { return pulsanti_[static_cast<size_t>(ingresso)]; }

    // As narrow as one column: the buttons wrap instead.
    QSize minimumSizeHint() const override;

signals:
    void forzaRichiesta(int ingresso, std::optional<bool> livello);

protected:
    // The buttons wrap into as many columns as fit (three at most), never cutting a name.
    void resizeEvent(QResizeEvent* event) override;

private:
    void disponi(int colonne);

    QGridLayout* griglia_ = nullptr;
    int colonne_ = 0;
    std::array<QPushButton*, NumeroIngressi> pulsanti_{};
    Livelli livelli_{};
    std::array<std::optional<bool>, NumeroIngressi> forzati_{};
};

}  // namespace kobaltino
