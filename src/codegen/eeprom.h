#pragma once

#include "codegen/processori.h"
#include "codegen/sorgente.h"

#include <QString>

#include <optional>
#include <vector>

namespace kobaltino {

struct Stato;

// A one-operand instruction (Incrementa, Decrementa, Swappa, Scorri a destra, Scorri a sinistra,
// Complemento) applied to an EEPROM cell. The cell cannot be named by a file-register
// instruction, so the row calls a subroutine that reads the cell, operates and writes it back.
struct OperazioneEeprom {
    int codice;  // 19, 20, 22, 23, 24 or 25
    int cella;   // 1..20, as in "EEP3"

    auto operator<=>(const OperazioneEeprom&) const = default;
};

// The operation a row of code `codice` with parameter `parametro` performs on EEPROM, if any:
// the parameter must be exactly "EEP" followed by a cell number 1..20.
std::optional<OperazioneEeprom> operazioneEeprom(int codice, const QString& parametro);

// "EEP_INCF_3": the subroutine of an operation. The prefix keeps it apart from the user's labels
// ("Label..."), the handlers and the library.
QString nomeSubroutine(const OperazioneEeprom& op);

// Every operation the program's ten grids use, each once, ordered by code and cell.
std::vector<OperazioneEeprom> operazioniEeprom(const Stato& stato);

// Appends the subroutine of `op`, in the processor's own read-modify-write sequence, followed by
// an empty line.
void scriviSubroutine(Sorgente& s, const OperazioneEeprom& op, const Processore& processore);

}  // namespace kobaltino
