#pragma once

#include "codegen/sorgente.h"

#include <QString>

namespace kobaltino {

// Include file of a processor of the cmbPIC list ("16F84" -> "p16f84.inc"); empty for any other text.
QString fileInclude(const QString& processore);

// The file head: processor, configuration word, pin names, register equates and the start-up
// code that sets the port directions. With the Aux tab disabled, PORTB bit 7 drives the arm.
// An unknown processor gets no PROCESSOR and include lines.
void scriviIntestazione(Sorgente& s, const QString& processore, bool auxAbilitata);

// The motor and delay subroutines every program calls, and the closing "end".
void scriviLibreria(Sorgente& s);

}  // namespace kobaltino
