#include "trasferimento/preparazione.h"

#include "codegen/assemblatore.h"
#include "codegen/compilatore.h"
#include "codegen/memoria_programma.h"

#include <QFile>

namespace kobaltino {

std::optional<HexDaTrasferire> compilaPerTrasferire(Stato& stato, Interazione& interazione)
{
    Compilatore compilatore(stato, interazione);
    compilatore.compila(false);
    if (compilatore.esito() != EsitoCompilazione::Riuscita)
        return std::nullopt;
    HexDaTrasferire hex{hexSulDisco(stato.PercorsoFile)};
    QFile f(hex.percorso);
    if (hex.percorso.isEmpty() || !f.open(QIODevice::ReadOnly))
        return std::nullopt;  // the compile checked it a moment ago
    hex.parole = paroleOccupate(f.readAll()).value_or(0);
    return hex;
}

}  // namespace kobaltino
