#pragma once

#include "support/interazione_finta.h"

#include <QFile>

namespace kobaltino {

// A scripted user whose assembler is a recording: it notes the command line and the source
// it was given, and answers with the scripted result.
class InterazioneAssemblatore : public InterazioneFinta {
public:
    EsitoProcesso esegui(const QString& programma, const QStringList& argomenti, const QString& cartella,
                         int limiteMs) override
    {
        ++esecuzioni;
        this->programma = programma;
        this->argomenti = argomenti;
        this->cartella = cartella;
        this->limiteMs = limiteMs;
        QFile f(argomenti.isEmpty() ? QString() : argomenti.last());
        if (f.open(QIODevice::ReadOnly))
            sorgenteLetto = f.readAll();
        if (primaDiTerminare)
            primaDiTerminare();
        return risultato;
    }

    EsitoProcesso risultato{true, false, 0, {}};
    std::function<void()> primaDiTerminare;  // what the assembler leaves on disk

    int esecuzioni = 0;
    QString programma, cartella;
    QStringList argomenti;
    int limiteMs = 0;
    QByteArray sorgenteLetto;
};

}  // namespace kobaltino
