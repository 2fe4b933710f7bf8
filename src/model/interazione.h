#pragma once

#include "model/catalogo.h"
#include "model/stato.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kobaltino {

enum class Icona { Nessuna, Informazione, Critica };
enum class Pulsanti { Ok, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

// Line break inside message texts.
inline const QString CrLf = QStringLiteral("\r\n");

struct Messaggio {
    QString testo;
    Icona icona = Icona::Informazione;
    QString titolo = TitoloApplicazione;
    Pulsanti pulsanti = Pulsanti::Ok;

    bool operator==(const Messaggio&) const = default;
};

// What a confirmed instruction dialog hands back. The core copies it into the
// shared state and performs the side effects (label cell, usage mark).
struct EsitoDialogo {
    QString parametro;  // parameter text of the row
    QString azione;     // action code of "Se", "Se attivo fai", "Se disattivo fai"
    int riga = -1;      // "Vai a": target row
    int cella = 0;      // "Scrivi Ram" / "Scrivi Eeprom": cell 1..20 whose usage mark changes
    QString marca;      // ... and its new usage mark (the literal written)
};

struct RichiestaFile {
    enum Tipo { Apri, Salva } tipo = Apri;
    QStringList filtri;  // e.g. "Kobaltino (*.kbn)"
    QString cartella;    // initial folder, empty = the toolkit's default
    QString nome;        // initial file name
};

// The most of a program's output that is kept; the rest is read and dropped.
inline constexpr qsizetype LimiteUscitaProcesso = 1024 * 1024;

struct EsitoProcesso {
    bool avviato = false;
    bool scaduto = false;  // did not finish within the time limit (and was stopped, with all it started)
    int codiceUscita = -1;
    QString uscita;  // standard output and standard error together, at most LimiteUscitaProcesso bytes
    int segnale = 0;         // the signal that ended it, 0 when it exited by itself
    bool troncata = false;   // it wrote more than LimiteUscitaProcesso bytes
};

// How the core talks to the user and to the outside world. The application implements it
// with message boxes, the instruction dialogs, file dialogs and QProcess; tests with a fake.
class Interazione {
public:
    virtual ~Interazione() = default;

    virtual Risposta mostra(const Messaggio& messaggio) = 0;

    // Shows an instruction dialog modally for grid k; nullopt when it was closed without OK.
    virtual std::optional<EsitoDialogo> apriDialogo(Dialogo dialogo, int k, const Stato& stato) = 0;

    // The same dialog for a row already in grid k, filled in with `attuale` (its parameter,
    // the target row of a "Vai a", the action of a conditional, which stays fixed).
    // Without a way to fill it in, the dialog opens empty.
    virtual std::optional<EsitoDialogo> modificaDialogo(Dialogo dialogo, int k, const Stato& stato,
                                                        const EsitoDialogo& attuale)
    {
        (void)attuale;
        return apriDialogo(dialogo, k, stato);
    }

    // Asks for a file; an empty text means the user cancelled.
    virtual QString scegliFile(const RichiestaFile& richiesta) = 0;

    // Runs a program to completion (or until `limiteMs` passes) in `cartella`. A program still
    // running then is stopped together with every process it started.
    virtual EsitoProcesso esegui(const QString& programma, const QStringList& argomenti,
                                 const QString& cartella, int limiteMs);
};

}  // namespace kobaltino
