#pragma once

#include "codegen/sorgente.h"

#include <QString>

namespace kobaltino {

// The file head: processor, configuration word, pin names, register equates and the start-up
// code that sets the port directions. With the Aux tab disabled, PORTB bit 7 drives the arm.
// An unknown processor gets the 16F84's head without the PROCESSOR and include lines.
void scriviIntestazione(Sorgente& s, const QString& processore, bool auxAbilitata);

// The motor and delay subroutines every program calls, and the closing "end".
void scriviLibreria(Sorgente& s);

}  // namespace kobaltino
