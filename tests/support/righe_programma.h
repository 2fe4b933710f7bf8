#pragma once

// Programs for the tests written as compact rows, as a loaded program file holds them.
#include "model/stato.h"

#include <QString>

#include <vector>

namespace kobaltino {

// A row of grid `griglia` as the program file holds it.
struct RigaFile {
    int griglia, codice;
    const char* parametro = "";
    const char* etichetta = "";
};

// Appends a row to grid k as a loaded program holds it.
inline int aggiungi(Stato& s, int k, int codice, const QString& parametro = {}, const QString& etichetta = {})
{
    const int r = s.griglia(k).accoda(codice, parametro);
    s.griglia(k).riga(r).etichetta = etichetta;
    return r;
}

inline void carica(Stato& s, const std::vector<RigaFile>& righe)
{
    for (const RigaFile& r : righe)
        aggiungi(s, r.griglia, r.codice, QString::fromUtf8(r.parametro), QString::fromUtf8(r.etichetta));
}

inline Stato programmaDi(const std::vector<RigaFile>& righe)
{
    Stato s;
    carica(s, righe);
    return s;
}

}  // namespace kobaltino
