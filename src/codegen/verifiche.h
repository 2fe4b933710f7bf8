#pragma once

#include <QStringList>

namespace kobaltino {

struct Stato;

// Return addresses the PIC's hardware stack holds; one more call overwrites the oldest.
inline constexpr int LivelliStack = 8;

// What the checks before assembling found, one text per problem, each naming its grid and row
// ("Griglia principale, riga 4: ...").
struct EsitoVerifiche {
    QStringList errori;  // the program cannot be assembled: the compile stops
    QStringList avvisi;  // it assembles, but would misbehave on the robot: the compile goes on
};

// - every "Vai a" of the ten grids must land on a row that carries its label;
// - from the main program, handler calls and the library calls inside them must fit the stack;
// - no handler may call, directly or through others, a handler that is still running;
// - a "Ritorna" in the main grid has nothing to return to;
// - a memory write may not hold a character the assembler refuses between apostrophes.
// Handlers the main program never reaches are not followed: they never run.
EsitoVerifiche verificaProgramma(const Stato& stato);

}  // namespace kobaltino
