#pragma once

#include "model/stato.h"

#include <QFrame>
#include <QWidget>
#include <array>

namespace kobaltino {

// One box of the memory panel: red while the cell holds a value, white while free.
class CasellaMemoria : public QFrame {
    Q_OBJECT
public:
    CasellaMemoria(Memoria memoria, int cella, QWidget* parent = nullptr);
    void mostraUso(bool usata);
    bool usata() const { return usata_; }

signals:
    void doppioClick(Memoria memoria, int cella);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Memoria memoria_;
    int cella_;
    bool usata_ = false;
};

// The RAM and EEPROM frames with their 20 numbered boxes each.
class PannelloMemoria : public QWidget {
    Q_OBJECT
public:
    explicit PannelloMemoria(QWidget* parent = nullptr);

    void aggiorna(const Stato& stato);
    CasellaMemoria* casella(Memoria memoria, int cella) const;

signals:
    void valoreRichiesto(Memoria memoria, int cella);

private:
    QWidget* creaRiquadro(const QString& titolo, Memoria memoria);
    std::array<CasellaMemoria*, CelleMemoria> ram_{}, eeprom_{};
};

}  // namespace kobaltino
