#pragma once

#include "model/interazione.h"
#include "model/stato.h"

#include <QString>

namespace kobaltino {

// The assembler cannot take paths of 50 characters or more, nor paths with blanks.
// Shows the refusal and returns false when `percorso` breaks a rule; an empty path passes.
bool percorsoAccettato(const QString& percorso, Interazione& ui);

// Writes the program file at `percorso` through a temporary file, so the file already there
// stays whole when anything goes wrong. Refuses (with a message) a program whose texts would
// not load back unchanged, and reports a file that cannot be written. Changes no state.
bool scriviFileProgramma(const Stato& stato, const QString& percorso, Interazione& ui);

}  // namespace kobaltino
