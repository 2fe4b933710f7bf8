#pragma once

#include "model/griglia.h"

#include <QString>

namespace kobaltino {

// A row's parameter said in words: `breve` beside the icon ("1,5 s", "Ram3 ← d'100'"),
// `completa` as a sentence for the tooltip and the printout.
struct ParoleParametro {
    QString breve;
    QString completa;

    bool operator==(const ParoleParametro&) const = default;
};

// The words of a row of instruction `codice` with the parameter text `parametro`. For the
// conditionals (15, 27, 28) `codiceAzione` is the code of the action row below, 0 when there
// is none. A parameter text the dialogs never write is shown as it is.
ParoleParametro paroleParametro(int codice, const QString& parametro, int codiceAzione = 0);

// The words of row r of grid g (the action row of a conditional is read from the row below).
ParoleParametro paroleRiga(const Griglia& g, int r);

}  // namespace kobaltino
