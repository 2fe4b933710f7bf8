#pragma once

#include "model/interazione.h"

class QWidget;

namespace kobaltino {

// Shows `messaggio` in a modal message box over `genitore` and returns the button pressed.
Risposta mostraAvviso(QWidget* genitore, const Messaggio& messaggio);

}  // namespace kobaltino
