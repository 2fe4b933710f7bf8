#pragma once

#include "model/interazione.h"
#include "model/stato.h"

#include <QString>
#include <optional>

namespace kobaltino {

// The hex file a transfer hands to the programmer, and the program words it holds.
struct HexDaTrasferire {
    QString percorso;
    int parole = 0;
};

// Compiles the program as "Compila" does, with the same checks and messages but without the
// closing one, so the hex is never older than the program nor built for another processor.
// Nullopt once the compile has said why there is no hex.
std::optional<HexDaTrasferire> compilaPerTrasferire(Stato& stato, Interazione& interazione);

}  // namespace kobaltino
