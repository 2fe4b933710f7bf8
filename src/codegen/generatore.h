#pragma once

#include "codegen/processori.h"
#include "codegen/sorgente.h"

#include <QStringList>

namespace kobaltino {

struct Stato;
class Griglia;

// Program memory the generated code may take, and the words the head and library take.
inline constexpr int LimiteParole = 1024;
inline constexpr int ParoleIniziali = 74;

struct Generazione {
    Sorgente sorgente;
    int ParoleProgramma = ParoleIniziali;
    // Rows the generator cannot translate (a parameter or label no dialog writes), as
    // "Griglia principale, riga 4: ..." texts. When there are any, nothing is translated.
    QStringList rifiutate;

    bool troppoGrande() const { return ParoleProgramma > LimiteParole; }
};

// Appends the translation of grid k for `processore` to `corpo` and its words to `parole`. A
// labelled row puts its label in front of its first line, or on a line of its own when it
// writes none.
void traduciGriglia(const Griglia& griglia, int k, const Processore& processore, Sorgente& corpo, int& parole);

// The whole source as the compile writes it: head, main program, the endless closing loop,
// the nine handler sections, the EEPROM subroutines the program uses, and the library. Refuses a
// program with rows it cannot translate (see Generazione::rifiutate); checks nothing else, see
// Generazione::troppoGrande.
Generazione genera(const Stato& stato);

}  // namespace kobaltino
