#include "trasferimento/spiegazione.h"

#include <algorithm>

namespace kobaltino {

namespace {

const QString AMeta = QStringLiteral(" Il chip potrebbe essere rimasto scritto a metà: ripetere il trasferimento.");

Conclusione fallita(const QString& frase) { return {false, frase}; }

}  // namespace

Conclusione concludi(const Programmatore* voce, const EsitoEsecuzione& esito, const QString& processore, int parole,
                     int limiteMs)
{
    switch (esito.fine) {
    case EsitoEsecuzione::NonAvviata:
        return fallita(QStringLiteral("Impossibile avviare il programmatore."));
    case EsitoEsecuzione::Annullata:
        return fallita(QStringLiteral("Trasferimento annullato: il programmatore è stato fermato.") + AMeta);
    case EsitoEsecuzione::Scaduta:
        return fallita(QStringLiteral("Il programmatore non ha finito entro %1 secondi ed è stato fermato.")
                           .arg(limiteMs / 1000)
                       + AMeta);
    case EsitoEsecuzione::Interrotta:
        return fallita(QStringLiteral("Il programmatore si è interrotto da solo (segnale %1).").arg(esito.segnale)
                       + AMeta);
    case EsitoEsecuzione::Terminata:
        break;
    }
    if (voce) {
        for (const SegnaleUscita& s : voce->segnali)
            if (esito.uscita.contains(QString::fromUtf8(s.testo), Qt::CaseInsensitive))
                return fallita(QString::fromUtf8(s.spiegazione));
        if (esito.codice != 0) {
            const auto it = std::find_if(voce->codici.begin(), voce->codici.end(),
                                         [&](const CodiceUscita& c) { return c.codice == esito.codice; });
            if (it != voce->codici.end())
                return fallita(QString::fromUtf8(it->spiegazione));
        }
    }
    if (esito.codice != 0)
        return fallita(QStringLiteral("Il programmatore ha terminato con il codice %1: leggere la sua uscita per "
                                      "sapere che cosa non va.")
                           .arg(esito.codice));
    if (voce && voce->conferma && !esito.uscita.contains(QString::fromUtf8(voce->conferma), Qt::CaseInsensitive))
        return fallita(QStringLiteral("Il programmatore ha finito senza dire di aver scritto il chip: leggere la sua "
                                      "uscita, poi ripetere il trasferimento."));
    return {true, QStringLiteral("Programma trasferito nel robot (%1, %2 parole)").arg(processore).arg(parole)};
}

}  // namespace kobaltino
