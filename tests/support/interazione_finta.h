#pragma once

#include "model/interazione.h"

#include <deque>
#include <ostream>
#include <utility>
#include <vector>

// Readable test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kobaltino {

inline void PrintTo(const Messaggio& m, std::ostream* os)
{
    *os << "{\"" << m.testo.toStdString() << "\", icona " << static_cast<int>(m.icona) << ", \""
        << m.titolo.toStdString() << "\", pulsanti " << static_cast<int>(m.pulsanti) << "}";
}

// A scripted Interazione: records every message and dialog and answers as the test tells it.
// An unscripted question fails the test (and answers No / Annulla); an unscripted dialog is cancelled.
class InterazioneFinta : public Interazione {
public:
    Risposta mostra(const Messaggio& messaggio) override;
    std::optional<EsitoDialogo> apriDialogo(Dialogo dialogo, int k, const Stato& stato) override;
    std::optional<EsitoDialogo> modificaDialogo(Dialogo dialogo, int k, const Stato& stato,
                                                const EsitoDialogo& attuale) override;
    QString scegliFile(const RichiestaFile& richiesta) override;

    // Scripts.
    std::deque<Risposta> risposte;
    std::deque<std::optional<EsitoDialogo>> esiti;
    std::deque<QString> file;

    // What happened.
    std::vector<Messaggio> messaggi;
    std::vector<std::pair<Dialogo, int>> dialoghi;
    std::vector<std::pair<QString, QString>> precompilati;  // parameter and action an edit dialog opened with
    std::vector<RichiestaFile> richiesteFile;
};

// A message box with only an OK button, information icon and default title.
inline Messaggio informazione(const QString& testo) { return Messaggio{testo}; }

}  // namespace kobaltino
