#pragma once

#include "model/stato.h"
#include "support/interazione_finta.h"

#include <QString>
#include <QStringList>

namespace kobaltino {

// Appends a row to grid k as a loaded program holds it.
inline int aggiungi(Stato& s, int k, int codice, const QString& parametro = {}, const QString& etichetta = {})
{
    const int r = s.griglia(k).accoda(codice, parametro);
    s.griglia(k).riga(r).etichetta = etichetta;
    return r;
}

// A program as it is right after loading "/robot/giro.kbn": saved, not modified.
inline void salvato(Stato& s, const QString& percorso = QStringLiteral("/robot/giro.kbn"))
{
    s.PercorsoFile = percorso;
    s.Modificato = false;
}

inline QStringList righeDi(const QString& testo)
{
    QStringList r = testo.split(QStringLiteral("\r\n"));
    return r;
}

}  // namespace kobaltino
