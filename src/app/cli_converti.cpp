// kobaltino-cli converti: reads a program (.kbn or .sdl) and writes it again as .kbn.
#include "app/comandi_cli.h"
#include "app/interazione_testo.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "persist/salvataggio.h"

#include <QFileInfo>

namespace kobaltino::cli {

namespace {
const QString IgnoraRighe = QStringLiteral("--ignora-righe-sconosciute");
const char* const Uso =
    "Uso: kobaltino-cli converti PROGRAMMA NUOVO [--ignora-righe-sconosciute]\n"
    "  Le righe che il programma non conosce (griglia o codice sconosciuti, oltre 950 istruzioni)\n"
    "  fermano la conversione, a meno di --ignora-righe-sconosciute: allora si perdono.\n";
}  // namespace

int converti(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    if (chiedeAiuto(argomenti)) {
        out << Uso;
        return 0;
    }
    QStringList file = argomenti;
    const bool ignora = file.removeAll(IgnoraRighe) > 0;
    if (file.size() != 2) {
        err << Uso;
        return 2;
    }
    Stato stato;
    InterazioneTesto ui(err);
    Editor editor(stato, ui);
    const EsitoLettura esito = leggiProgramma(editor, file[0]);
    if (!esito.riuscito()) {
        ui.mostra(messaggioErroreLettura(esito));
        return 2;
    }
    // The new file would lose them: only when asked to.
    if (const std::optional<Messaggio> avviso = avvisoRigheSaltate(esito, file[0])) {
        ui.mostra(*avviso);
        if (!ignora)
            return 2;
    }
    if (stato.NumIstruzioni(1) == 0) {
        ui.mostra({testi::GrigliaPrincipaleVuota});
        return 2;
    }
    // The rules are about the path the assembler will see: the full one.
    const QString nuovo = QFileInfo(file[1]).absoluteFilePath();
    if (!percorsoAccettato(nuovo, ui) || !scriviFileProgramma(stato, nuovo, ui))
        return 2;
    return 0;
}

}  // namespace kobaltino::cli
