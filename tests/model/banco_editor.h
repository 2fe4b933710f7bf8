#pragma once

#include "model/editor.h"
#include "support/interazione_finta.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

namespace kobaltino {

// The used rows of grid k in one line: rows joined by " | ", each the code, then the parameter
// after a blank when there is one, then the label after " @" when there is one:
// "1 @0 | 8 1,5 | 9 0".
inline QString testoGriglia(const Stato& s, int k)
{
    QStringList righe;
    for (const Riga& r : s.griglia(k).righeUsate())
        righe << r.codice + (r.parametro.isEmpty() ? "" : ' ' + r.parametro)
                     + (r.etichetta.isEmpty() ? "" : " @" + r.etichetta);
    return righe.join(" | ");
}

// Appends to grid k the rows written as testoGriglia() writes them (blanks around "|" optional).
inline void scriviGriglia(Stato& s, int k, const QString& testo)
{
    Griglia& g = s.griglia(k);
    for (QString riga : testo.split('|', Qt::SkipEmptyParts)) {
        riga = riga.trimmed();
        QString etichetta;
        if (const qsizetype at = riga.indexOf(" @"); at >= 0) {
            etichetta = riga.mid(at + 2);
            riga.truncate(at);
        }
        const qsizetype spazio = riga.indexOf(' ');
        const int r = g.accoda(riga.left(spazio).toInt(), spazio < 0 ? QString() : riga.mid(spazio + 1));
        g.riga(r).etichetta = etichetta;
    }
}

// `pieni` "Avanti" rows followed by `righe`, as testoGriglia() writes them.
inline QString dopoPieni(int pieni, const QString& righe)
{
    QStringList t(pieni, QStringLiteral("1"));
    if (!righe.isEmpty())
        t << righe;
    return t.join(" | ");
}

// An editor over a fresh program, talking to a scripted user.
struct Postazione {
    Stato stato;
    InterazioneFinta ui;
    Editor editor{stato, ui};

    QString testoGriglia(int k) const { return kobaltino::testoGriglia(stato, k); }

    // Codes of the used rows of grid k, as numbers.
    std::vector<int> codici(int k) const
    {
        std::vector<int> c;
        for (int r = 0; r < stato.NumIstruzioni(k); ++r)
            c.push_back(stato.griglia(k).codice(r));
        return c;
    }

    // Fills grid k with `n` "Avanti" rows.
    void riempi(int k, int n)
    {
        for (int i = 0; i < n; ++i)
            editor.inserisci(k, codici::Avanti);
    }

    // What a dialog hands back: a parameter and action; a "Vai a" target; a memory write marking a cell.
    static EsitoDialogo esito(const QString& parametro, const QString& azione = {}) { return {parametro, azione, -1, 0, {}}; }
    static EsitoDialogo salto(int riga) { return {{}, {}, riga, 0, {}}; }
    static EsitoDialogo scrittura(const QString& parametro, int cella, const QString& marca)
    {
        return {parametro, {}, -1, cella, marca};
    }

    void selezionaCodice(int k, int riga) { stato.griglia(k).seleziona(riga, ColCodice); }
};

class BancoEditor : public ::testing::Test, public Postazione {};

inline const Messaggio Limite{"Non è possibile inserire più di 950 istruzioni."};

// A yes/no question of the editing commands.
inline Messaggio domandaSiNo(const QString& testo)
{
    return {testo, Icona::Informazione, "ATTENZIONE", Pulsanti::SiNo};
}

}  // namespace kobaltino
