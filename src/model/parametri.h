#pragma once

#include <QString>
#include <QStringList>

namespace kobaltino {

struct Stato;

// What the parameter text of an instruction may be: exactly the texts its dialog writes.
// The program file reader checks every parameter it loads against it, and the code generator
// refuses a program that breaks it, so a parameter is always data and never assembly of its own.
enum class FormaParametro {
    Nessuna,             // the row carries no parameter the generator reads
    Attesa,              // "0,5", "1,0", "1,5", "2,0", "2,5"
    RigaSalto,           // the target row of a "Vai a": "0".."949"
    Ingresso,            // "Luce_destra" .. "Aux"
    ScritturaRam,        // "Ram5 d'100'": a RAM cell, a blank, a literal b'xxxxxxxx', 'c' or d'n'
    ScritturaEeprom,     // "EEP12 b'10101010'"
    Confronto,           // "Ram1 > Ram2": two RAM cells around " = ", " > ", " < " or " ! "
    SpostaEeprom,        // "EEP3 Ram5"
    Cella,               // "Ram17" or "EEP4"
    OperazioneRegistri,  // "Ram1 + Ram2": two RAM cells around " + " or " - "
};

// The form of the parameter of `codice` (1..28); Nessuna for any other code.
FormaParametro formaParametro(int codice);

// Empty when `parametro` is a parameter that instruction `codice` accepts; otherwise what is
// wrong, in words, for instance: il parametro "Ram99" di "Incrementa" non è valido: ci vuole una
// cella da Ram1 a Ram20 o da EEP1 a EEP20.
QString problemaParametro(int codice, const QString& parametro);

// Empty when `etichetta` is a label cell the jump dialogs write (empty, or a label number);
// otherwise what is wrong.
QString problemaEtichetta(const QString& etichetta);

// Every row of the ten grids whose parameter or label cell breaks the rules above, and every
// label number carried by two rows of one grid, as "Griglia principale, riga 4: ..." texts.
QStringList righeNonValide(const Stato& stato);

// Why the character literal 'c' of a memory write cannot reach the assembler, and the number to
// write instead; empty for a character it takes. gpasm refuses the double quote and the
// backslash between apostrophes; the apostrophe itself it takes (''' is 0x27).
QString carattereNonAssemblabile(QChar c);

// A text shown inside a message: line breaks and other control characters made visible, and
// cut short when long.
QString testoMostrabile(const QString& testo);

}  // namespace kobaltino
