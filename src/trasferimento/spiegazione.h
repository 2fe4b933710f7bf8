#pragma once

#include "trasferimento/esecuzione.h"
#include "trasferimento/programmatori.h"

#include <QString>

namespace kobaltino {

// The one sentence shown at the end of a transfer.
struct Conclusione {
    bool riuscita = false;
    QString frase;

    bool operator==(const Conclusione&) const = default;
};

// Reads how the programmer ended into a sentence for a student: the stop by "Annulla" or by the
// time limit, a text the tool prints only on failure, then its exit status. `voce` is nullptr for
// the custom line; `parole` the words of the program transferred.
Conclusione concludi(const Programmatore* voce, const EsitoEsecuzione& esito, const QString& processore, int parole,
                     int limiteMs = LimiteProgrammatoreMs);

}  // namespace kobaltino
