#pragma once

#include "trasferimento/riga_comando.h"

#include <QSettings>

namespace kobaltino {

// The programmer chosen in "Programmatore...", kept in the user's settings (never in Data.dat,
// whose two lines are fixed).
SceltaProgrammatore leggiSceltaProgrammatore(QSettings& impostazioni);
void scriviSceltaProgrammatore(QSettings& impostazioni, const SceltaProgrammatore& scelta);

}  // namespace kobaltino
