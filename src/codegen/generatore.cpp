#include "codegen/generatore.h"

#include "codegen/eeprom.h"
#include "codegen/emettitori.h"
#include "model/ingressi.h"
#include "codegen/parti_fisse.h"
#include "model/parametri.h"
#include "model/stato.h"

namespace kobaltino {

void traduciGriglia(const Griglia& griglia, int k, const Processore& processore, Sorgente& corpo, int& parole)
{
    for (int r = 0; r < griglia.numIstruzioni(); ++r) {
        if (griglia.codice(r) == 0)
            continue;
        const Origine origine{k, r};
        const QString& numero = griglia.riga(r).etichetta;
        const QString etichetta = numero.isEmpty() ? QString() : nomeEtichetta(k, numero);
        const RigheEmesse emesse = emetti(griglia, k, r, processore);
        if (emesse.righe.isEmpty() && !etichetta.isEmpty())
            corpo.aggiungi(etichetta, origine);  // so that a jump here still lands somewhere
        for (qsizetype i = 0; i < emesse.righe.size(); ++i)
            corpo.aggiungi(i == 0 ? etichetta + emesse.righe[i] : emesse.righe[i], origine);
        parole += emesse.parole;
    }
}

Generazione genera(const Stato& stato)
{
    Generazione g;
    // A parameter is data: text no dialog writes never reaches the source.
    g.rifiutate = righeNonValide(stato);
    if (!g.rifiutate.isEmpty())
        return g;
    const Processore& p = processore(stato.Processore);
    scriviIntestazione(g.sorgente, stato.Processore, stato.AuxAbilitata);

    traduciGriglia(stato.griglia(1), 1, p, g.sorgente, g.ParoleProgramma);
    g.sorgente.aggiungi(QStringLiteral("fine     goto    fine"));
    g.sorgente.aggiungi(QString());

    for (const Ingresso& i : ingressi()) {
        const Origine sezione{i.griglia, -1};
        g.sorgente.aggiungi(QString::fromLatin1(i.gestore) + QLatin1Char(':'), sezione);
        traduciGriglia(stato.griglia(i.griglia), i.griglia, p, g.sorgente, g.ParoleProgramma);
        g.sorgente.aggiungi(QStringLiteral("         return"), sezione);
        g.sorgente.aggiungi(QString(), sezione);
    }

    for (const OperazioneEeprom& op : operazioniEeprom(stato))
        scriviSubroutine(g.sorgente, op, p);

    scriviLibreria(g.sorgente);
    return g;
}

}  // namespace kobaltino
