#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace kobaltino {

// The fixed lists the instruction dialogs offer, in the order they show them.

// Memory cell addresses "1".."20".
QStringList indirizziMemoria();

// The robot's inputs as instructions name them, with the handler grid of each.
struct Ingresso {
    const char* nome;  // "Luce_sinistra" ...
    int griglia;       // the grid that handles this input
};
const std::array<Ingresso, 9>& ingressi();

// The inputs an instruction of the grid whose control name is `nomeGriglia` may name:
// all nine, except the grid's own input. Empty when the name matches no grid.
QStringList ingressiPerGriglia(const QString& nomeGriglia);

// Actions of the conditional instructions and the action code each one stores.
struct Azione {
    const char* voce;
    const char* codice;
};
const std::array<Azione, 10>& azioni();
QStringList vociAzioni();

// Comparisons of "Se" and the operator text (with its blanks) each one writes.
struct Paragone {
    const char* voce;
    const char* operatore;
};
const std::array<Paragone, 4>& paragoni();
QStringList vociParagoni();

// Waiting times of "Attendi", exactly as stored.
QStringList tempiAttesa();

}  // namespace kobaltino
