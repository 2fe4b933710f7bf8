#pragma once

#include "model/editor.h"
#include "support/interazione_finta.h"

#include <gtest/gtest.h>

#include <vector>

namespace kobaltino {

// An editor over a fresh program, talking to a scripted user.
class BancoEditor : public ::testing::Test {
protected:
    Stato stato;
    InterazioneFinta ui;
    Editor editor{stato, ui};

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

    static EsitoDialogo esito(const QString& parametro, const QString& azione = {})
    {
        EsitoDialogo e;
        e.parametro = parametro;
        e.azione = azione;
        return e;
    }

    void selezionaCodice(int k, int riga) { stato.griglia(k).seleziona(riga, ColCodice); }
};

}  // namespace kobaltino
