// The program file reader (.kbn and .sdl): bad bytes are refused with one of the reader's own
// error numbers and the editor's program untouched; what loads is a program the dialogs could
// have written, the generator translates it, and once saved it reads back to the same bytes.
#include "banco_fuzz.h"

#include "codegen/generatore.h"
#include "model/parametri.h"
#include "persist/file_programma.h"

#include <algorithm>

using namespace kobaltino;

namespace {

// Loads `byte` into `stato` as "Apri" does.
EsitoLettura carica(Stato& stato, fuzz::InterazioneMuta& ui, const QByteArray& byte)
{
    Editor editor(stato, ui);
    stato.StatoBraccio = QStringLiteral("Chiuso");  // as every activation of the main window leaves it
    return leggiProgramma(editor, fuzz::suFile(QStringLiteral("programma.kbn"), byte));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    fuzz::InterazioneMuta ui;
    Stato stato;
    stato.griglia(1).accoda(codici::Avanti, {});
    stato.PercorsoFile = QStringLiteral("/vecchio.kbn");
    stato.Modificato = true;
    const QByteArray prima = testoProgramma(stato);

    const EsitoLettura esito = carica(stato, ui, fuzz::daFuzzer(dati, n));
    fuzz::verifica(ui.mostrati == 0, "il lettore mostra un messaggio da sé");
    if (!esito.riuscito()) {
        static const QList<int> noti = {5, 6, 7, 9, 13, 14, 62, 63, 75};
        fuzz::verifica(noti.contains(esito.errore), "numero di errore sconosciuto");
        fuzz::verifica(esito.spiegazione.startsWith(QStringLiteral("Il file programma.kbn ")), "spiegazione senza il file");
        fuzz::verifica(testoProgramma(stato) == prima && stato.PercorsoFile == QStringLiteral("/vecchio.kbn")
                           && stato.Modificato,
                       "un file rifiutato cambia il programma aperto");
        return 0;
    }
    for (int k = 1; k <= NumeroGriglie; ++k)
        for (int r = 0; r < stato.NumIstruzioni(k); ++r) {
            const Riga& riga = stato.griglia(k).riga(r);
            fuzz::verifica(problemaParametro(stato.griglia(k).codice(r), riga.parametro).isEmpty()
                               && problemaEtichetta(riga.etichetta).isEmpty(),
                           "caricata una riga che nessun dialogo scrive");
        }
    const Generazione g = genera(stato);
    for (const QString& r : g.rifiutate)
        fuzz::verifica(r.contains(QStringLiteral("è già alla riga")), "il generatore rifiuta un programma caricato");
    for (const RigaSorgente& r : g.sorgente.righe())
        fuzz::verifica(std::none_of(r.testo.begin(), r.testo.end(), [](QChar c) { return c.category() == QChar::Other_Control; }),
                       "un carattere di controllo nel sorgente generato");

    if (!testoNonSalvabile(stato).isEmpty())
        return 0;  // "Salva" refuses it with its message
    // The first save puts the records in the writer's order; from then on the bytes stay, but for
    // the arm text of "Braccio" rows, which follows the order the rows were loaded in.
    const QByteArray primo = testoProgramma(stato);
    EsitoLettura riletto = carica(stato, ui, primo);
    fuzz::verifica(riletto.riuscito() && riletto.saltati == 0, "un programma salvato non si rilegge");
    const QByteArray secondo = testoProgramma(stato);
    if (!primo.contains(",\"21\","))
        fuzz::verifica(secondo == primo, "salvato e riletto non torna uguale");
    else
        fuzz::verifica(carica(stato, ui, secondo).riuscito() && testoProgramma(stato) == secondo,
                       "salvato e riletto non torna uguale");
    return 0;
}
