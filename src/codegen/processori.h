#pragma once

#include <QString>

#include <vector>

namespace kobaltino {

// Assembly lines with slots in braces, filled by the part of the generator that writes them.
using Modello = std::vector<const char*>;

// What the generated text needs to know of one processor. The three chips share the pins, the
// instruction set and the RAM cells Ram1..Ram20; they differ in program memory, in the
// configuration word, in where the delay counter and the EEPROM registers live, and in the
// comparators of the 16F628.
struct Processore {
    const char* nome;            // as in the processor list: "16F84"
    const char* include;         // "p16f84.inc"
    const char* configurazione;  // the __config operand: "H'3FF1'"
    int parole;                  // words of program memory
    int tempo1;                  // address of TEMPO1, the delay counter
    Modello avvio;               // first lines of INIZIO, in bank 0, before the ports are set up
    Modello scriviEeprom;        // "Scrivi Eeprom": {1} the cell, {r} the value
    Modello spostaEeprom;        // "Sposta Eeprom": {1} the cell, {r} the register
    // Read-modify-write of a cell ({cella} its equate, {op} the operation on EEDATA), ending in
    // "return". No instruction after the operation may touch C or Z: the caller sees the flags
    // the same instruction on a RAM register would leave.
    Modello aggiornaEeprom;
};

// The processor the list names `nome`. Any other text gets the 16F84's text; see fileInclude.
const Processore& processore(const QString& nome);

// Include file of a processor of the list ("16F84" -> "p16f84.inc"); empty for any other text.
QString fileInclude(const QString& nome);

}  // namespace kobaltino
