#pragma once

// Which row of the student's program each program address belongs to, read from the
// assembler's listing and the origin the generator keeps for every source line.
#include "codegen/sorgente.h"

#include <QByteArray>

#include <vector>

namespace kobaltino {

inline constexpr int DimensioneMemoriaProgramma = 0x800;  // the largest, the 16F628's

class MappaIndirizzi {
public:
    MappaIndirizzi() : origini_(DimensioneMemoriaProgramma) {}

    // Reads gpasm's listing of `sorgente` (the text it wrote beside the hex, in Windows-1252).
    static MappaIndirizzi daListato(const QByteArray& listato, const Sorgente& sorgente);

    // Where the word at `indirizzo` came from: a row (griglia 1..10, riga >= 0), a handler's own
    // lines (riga -1), or the fixed parts and the library ({0, -1}).
    Origine origine(int indirizzo) const;
    // True when the word belongs to a row of the student's program.
    bool diRiga(int indirizzo) const { return origine(indirizzo).riga >= 0; }
    // True for the first word of a row: where running that row begins.
    bool inizioDiRiga(int indirizzo) const
    {
        return diRiga(indirizzo) && (indirizzo == 0 || origine(indirizzo - 1) != origine(indirizzo));
    }
    // The first address of a row, -1 when the row wrote no code.
    int indirizzoDi(Origine riga) const;

private:
    std::vector<Origine> origini_;
};

}  // namespace kobaltino
