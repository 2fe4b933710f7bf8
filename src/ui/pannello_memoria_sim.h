#pragma once

// What the chip holds at the moment shown: RAM1..RAM20 and EEP1..EEP20 in decimal and binary,
// PORTA and PORTB as lamps, W, PC, and the stack depth with a clear mark once it overflowed.
#include "sim/sessione.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace kobaltino {

class FilaLed;

// The data memory address of RAMn, as the program's head defines Ram1..Ram20 (n = 1..20).
int indirizzoRam(int n);

class PannelloMemoriaSim : public QWidget {
    Q_OBJECT
public:
    explicit PannelloMemoriaSim(QWidget* parent = nullptr);

    void mostra(const Fotografia& foto);
    void svuota();

    QTableWidget* tabella() const { return tabella_; }
    QLabel* etichettaStack() const { return stack_; }
    FilaLed* ledPorta(Porta p) const { return p == Porta::A ? porta_ : portb_; }

private:
    void scrivi(int riga, int colonna, const QString& testo);

    QTableWidget* tabella_;
    FilaLed* porta_;
    FilaLed* portb_;
    QLabel* stack_;
    QLabel* w_;
};

}  // namespace kobaltino
