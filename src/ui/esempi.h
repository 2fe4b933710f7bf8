#pragma once

// The sample programs that come with the editor, and the arena each program runs in: the one
// it last ran in, kept per program file in the user's settings, or, for a sample, its own.
#include <QString>
#include <QStringList>

namespace kobaltino {

// The samples, built into the program so that they can never be overwritten: full names of
// the form ":/esempi/labirinto.kbn", in alphabetical order.
QStringList programmiEsempio();
// "labirinto.kbn" -> "Labirinto", "segui_linea.kbn" -> "Segui linea".
QString titoloEsempio(const QString& percorso);

// The arena for `programma` (a program file or a sample): the one remembered for it, else the
// sample's own when its file is named as a sample, else empty.
QString arenaDelProgramma(const QString& programma);
// `arena` is a built-in name, "nessuna" or a file path.
void ricordaArena(const QString& programma, const QString& arena);

}  // namespace kobaltino
