#include "support/interazione_finta.h"

#include <gtest/gtest.h>

namespace kobaltino {

Risposta InterazioneFinta::mostra(const Messaggio& messaggio)
{
    messaggi.push_back(messaggio);
    if (messaggio.pulsanti == Pulsanti::Ok)
        return Risposta::Ok;
    if (risposte.empty()) {
        ADD_FAILURE() << "unscripted question: " << messaggio.testo.toStdString();
        return messaggio.pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::Annulla;
    }
    const Risposta r = risposte.front();
    risposte.pop_front();
    return r;
}

std::optional<EsitoDialogo> InterazioneFinta::apriDialogo(Dialogo dialogo, int k, const Stato&)
{
    dialoghi.emplace_back(dialogo, k);
    if (esiti.empty())
        return std::nullopt;
    std::optional<EsitoDialogo> e = esiti.front();
    esiti.pop_front();
    return e;
}

std::optional<EsitoDialogo> InterazioneFinta::modificaDialogo(Dialogo dialogo, int k, const Stato& stato,
                                                               const EsitoDialogo& attuale)
{
    precompilati.emplace_back(attuale.parametro, attuale.azione);
    return apriDialogo(dialogo, k, stato);
}

QString InterazioneFinta::scegliFile(const RichiestaFile& richiesta)
{
    richiesteFile.push_back(richiesta);
    if (file.empty())
        return {};
    QString f = file.front();
    file.pop_front();
    return f;
}

}  // namespace kobaltino
