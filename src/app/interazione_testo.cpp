#include "app/interazione_testo.h"

namespace kobaltino {

Risposta InterazioneTesto::mostra(const Messaggio& m)
{
    QString testo = m.testo;
    testo.replace(CrLf, QStringLiteral("\n"));
    errori_ << testo << Qt::endl;
    switch (m.pulsanti) {
    case Pulsanti::Ok: return Risposta::Ok;
    case Pulsanti::SiNo: return Risposta::No;
    case Pulsanti::SiNoAnnulla: return Risposta::Annulla;
    }
    return Risposta::Annulla;
}

}  // namespace kobaltino
