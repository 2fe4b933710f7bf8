#pragma once

#include "codegen/processori.h"
#include "model/griglia.h"

#include <QString>
#include <QStringList>

namespace kobaltino {

// What one instruction row becomes: its assembly lines and the program words it counts for.
struct RigheEmesse {
    QStringList righe;
    int parole = 0;
};

// Translates row r of grid k for `processore` (a row whose code is 1..28; anything else gives
// nothing).
RigheEmesse emetti(const Griglia& griglia, int k, int r, const Processore& processore);

// Assembly name of label `numero` of grid k: "Label4" in the main grid, "Label3_4" in grid 3,
// so that the handler sections never define the same name twice.
QString nomeEtichetta(int k, const QString& numero);

}  // namespace kobaltino
