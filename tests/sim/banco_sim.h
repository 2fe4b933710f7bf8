#pragma once

// Programs for the simulator's tests: written row by row or loaded from a program file, then
// generated and assembled by the real gpasm. A missing gpasm fails the test loudly.
#include "codegen/generatore.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"
#include "sim/sessione.h"
#include "support/interazione_finta.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <vector>

namespace kobaltino {

struct RigaProva {
    int griglia, codice;
    const char* parametro = "";
    const char* etichetta = "";
};

inline Stato programmaDi(const std::vector<RigaProva>& righe)
{
    Stato s;
    for (const RigaProva& r : righe) {
        const int n = s.griglia(r.griglia).accoda(r.codice, QString::fromUtf8(r.parametro));
        s.griglia(r.griglia).riga(n).etichetta = QString::fromUtf8(r.etichetta);
    }
    return s;
}

// One of the sample programs of resources/esempi.
inline Stato esempio(const char* nome)
{
    Stato s;
    InterazioneFinta ui;
    Editor editor(s, ui);
    EXPECT_EQ(leggiProgramma(editor, QStringLiteral(KOBALTINO_ESEMPI "/") + QLatin1String(nome)), 0) << nome;
    return s;
}

inline ProgrammaSimulato assembla(const Stato& s)
{
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    if (gpasm.isEmpty())
        ADD_FAILURE() << "gpasm non trovato: installare gputils";
    const EsitoAssemblaggio esito = assemblaPerSimulare(genera(s).sorgente, s.Processore, gpasm);
    if (!esito.programma) {
        ADD_FAILURE() << esito.problema.toStdString();
        for (const Segnalazione& e : esito.errori)
            ADD_FAILURE() << e.riga << ": " << e.testo.toStdString();
        return {};
    }
    return *esito.programma;
}

inline uint64_t secondi(double s) { return static_cast<uint64_t>(s * CicliPerSecondo); }

}  // namespace kobaltino
