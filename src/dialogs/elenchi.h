#pragma once

#include <QString>
#include <QStringList>

namespace kobaltino {

// The fixed lists the instruction dialogs offer, in the order they show them.

// Memory cell addresses "1".."20".
QStringList indirizziMemoria();

// The inputs an instruction of the grid whose control name is `nomeGriglia` may name,
// in list order: all nine, except the grid's own input. Empty when the name matches no grid.
QStringList ingressiPerGriglia(const QString& nomeGriglia);

// Actions of the conditional instructions, and the action code of the item at `voce`
// (empty outside the list).
QStringList vociAzioni();
QString codiceDellAzione(int voce);

// Comparisons of "Se", and the operator text (with its blanks) of the item at `voce`
// (empty outside the list).
QStringList vociParagoni();
QString operatoreDelParagone(int voce);

// Waiting times of "Attendi", exactly as stored.
QStringList tempiAttesa();

}  // namespace kobaltino
