// kobaltino-cli converti: reads a program (.kbn or .sdl) and writes it again as .kbn.
#include "app/comandi_cli.h"
#include "app/interazione_testo.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "persist/salvataggio.h"

#include <QFileInfo>

namespace kobaltino::cli {

int converti(const QStringList& argomenti, QTextStream&, QTextStream& err)
{
    if (argomenti.size() != 2) {
        err << "Uso: kobaltino-cli converti PROGRAMMA NUOVO\n";
        return 2;
    }
    Stato stato;
    InterazioneTesto ui(err);
    Editor editor(stato, ui);
    if (const int errore = leggiProgramma(editor, argomenti[0])) {
        ui.mostra(messaggioErroreLettura(errore));
        return 2;
    }
    if (stato.NumIstruzioni(1) == 0) {
        ui.mostra({testi::GrigliaPrincipaleVuota});
        return 2;
    }
    // The rules are about the path the assembler will see: the full one.
    const QString nuovo = QFileInfo(argomenti[1]).absoluteFilePath();
    if (!percorsoAccettato(nuovo, ui) || !scriviFileProgramma(stato, nuovo, ui))
        return 2;
    return 0;
}

}  // namespace kobaltino::cli
