// The settings file Data/Data.dat as the main window's activation reads it: any bytes either stop
// the program with the damaged-data message or give an assembler path, and the file "Chiudi"
// writes back gives the same path again.
#include "banco_fuzz.h"

#include "persist/comandi_file.h"

#include <QFileInfo>

using namespace kobaltino;

namespace {

struct Attivazione {
    bool continua;
    QString compilatore;
    int messaggi;
};

Attivazione attiva(Stato& stato, const QString& file, bool eChiudi)
{
    fuzz::InterazioneMuta ui;
    Editor editor(stato, ui);
    ComandiFile comandi(editor, QFileInfo(file).absolutePath());
    comandi.impostaFileImpostazioni(file);
    const bool continua = comandi.attivazione();
    if (continua && eChiudi)
        comandi.riscriviImpostazioni();
    return {continua, stato.PercorsoCompilatore, ui.mostrati};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QString file = fuzz::suFile(QStringLiteral("Data.dat"), fuzz::daFuzzer(dati, n));
    Stato stato;
    const Attivazione prima = attiva(stato, file, true);
    fuzz::verifica(prima.messaggi <= 1, "più di un messaggio all'attivazione");
    if (!prima.continua)
        return 0;
    fuzz::verifica(!prima.compilatore.isEmpty(), "nessun compilatore dopo l'attivazione");
    Stato dopo;
    const Attivazione seconda = attiva(dopo, file, false);
    fuzz::verifica(seconda.continua && seconda.compilatore == prima.compilatore,
                   "le impostazioni riscritte non si rileggono uguali");
    return 0;
}
