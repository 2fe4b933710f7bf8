#include "persist/comandi_file.h"

#include "persist/file_programma.h"
#include "persist/impostazioni.h"
#include "persist/salvataggio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kobaltino {

namespace {
const QString FiltroKobaltino = QStringLiteral("Kobaltino (*.kbn)");

// The file dialogs open where the current program is, else in the user's home folder.
QString cartellaIniziale(const QString& percorsoFile)
{
    return percorsoFile.isEmpty() ? QDir::homePath() : QFileInfo(percorsoFile).absolutePath();
}

QString cartellaConfigurazione()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

// A new install compiles at once when gpasm is on the PATH.
QString compilatoreIniziale()
{
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    return gpasm.isEmpty() ? CompilatoreAssente : gpasm;
}
}  // namespace

ComandiFile::ComandiFile(Editor& editor) : ComandiFile(editor, QCoreApplication::applicationDirPath()) {}

ComandiFile::ComandiFile(Editor& editor, const QString& cartellaApplicazione)
    : editor_(editor),
      s_(editor.stato()),
      ui_(editor.interazione()),
      cartellaApplicazione_(cartellaApplicazione),
      fileImpostazioni_(percorsoImpostazioni(cartellaApplicazione, cartellaConfigurazione())),
      cartellaGuida_(kobaltino::cartellaGuida(cartellaApplicazione))
{
    editor_.impostaAzioniFile(this);
}

ComandiFile::~ComandiFile()
{
    editor_.impostaAzioniFile(nullptr);
}

void ComandiFile::scrivi()
{
    if (scriviFileProgramma(s_, s_.PercorsoFile, ui_))
        s_.Modificato = false;
}

void ComandiFile::salva()
{
    if (s_.NumIstruzioni(1) == 0) {
        ui_.mostra({testi::GrigliaPrincipaleVuota});
        return;
    }
    if (!percorsoAccettato(s_.PercorsoFile, ui_)) {
        s_.PercorsoFile.clear();
        return;
    }
    if (s_.PercorsoFile.isEmpty()) {
        salvaConNome();
        return;
    }
    scrivi();
}

void ComandiFile::salvaConNome()
{
    if (s_.NumIstruzioni(1) == 0) {
        ui_.mostra({QStringLiteral("Inserire almeno un Codice")});
        return;
    }
    RichiestaFile richiesta;
    richiesta.tipo = RichiestaFile::Salva;
    richiesta.filtri = {FiltroKobaltino};
    richiesta.cartella = cartellaIniziale(s_.PercorsoFile);
    const QString scelto = ui_.scegliFile(richiesta);
    if (scelto.isEmpty())
        return;
    s_.PercorsoFile = scelto;
    if (!percorsoAccettato(s_.PercorsoFile, ui_)) {
        s_.PercorsoFile.clear();
        return;
    }
    scrivi();
}

void ComandiFile::apri()
{
    if (s_.Modificato) {
        const Risposta r = ui_.mostra(
            {testi::DomandaSalvare, Icona::Informazione, QStringLiteral("Attenzione"), Pulsanti::SiNoAnnulla});
        if (r == Risposta::Annulla)
            return;
        // A save that did not happen (cancelled, refused, failed) must not be followed by
        // replacing the unsaved program.
        if (r == Risposta::Si) {
            salva();
            if (s_.Modificato)
                return;
        }
    }
    RichiestaFile richiesta;
    richiesta.tipo = RichiestaFile::Apri;
    richiesta.filtri = {FiltroKobaltino, QStringLiteral("Sardelio (*.sdl)")};
    richiesta.cartella = cartellaIniziale(s_.PercorsoFile);
    const QString scelto = ui_.scegliFile(richiesta);
    if (scelto.isEmpty())
        return;
    const EsitoLettura esito = leggiProgramma(editor_, scelto);
    if (!esito.riuscito()) {
        ui_.mostra(messaggioErroreLettura(esito));
        return;
    }
    editor_.seguiBraccio();
    if (const std::optional<Messaggio> avviso = avvisoRigheSaltate(esito, scelto))
        ui_.mostra(*avviso);
}

void ComandiFile::riscriviImpostazioni()
{
    TimbroDati = codificaTimbro(versioneProgramma());
    scriviImpostazioni(fileImpostazioni_, {TimbroDati, s_.PercorsoCompilatore});
}

void ComandiFile::sceltaCompilatore()
{
    RichiestaFile richiesta;
    richiesta.tipo = RichiestaFile::Apri;
#ifdef Q_OS_WIN
    richiesta.filtri = {QStringLiteral(" (*.exe)")};
    richiesta.nome = QStringLiteral("MPASMWIN");
#else
    richiesta.filtri = {QStringLiteral("Tutti i file (*)"), QStringLiteral(" (*.exe)")};
    richiesta.nome = QStringLiteral("gpasm");
#endif
    const QFileInfo attuale(s_.PercorsoCompilatore);
    const bool conCartella = s_.PercorsoCompilatore != CompilatoreAssente && attuale.isAbsolute()
                             && attuale.absoluteDir().exists();
    richiesta.cartella = conCartella ? attuale.absolutePath() : QStringLiteral("/usr/bin");
    const QString scelto = ui_.scegliFile(richiesta);
    if (scelto.isEmpty())
        return;
    const QString timbro = codificaTimbro(versioneProgramma());
    if (!scriviImpostazioni(fileImpostazioni_, {timbro, scelto}))
        return;  // as with a cancelled dialog, the old assembler stays
    TimbroDati = timbro;
    s_.PercorsoCompilatore = scelto;
}

bool ComandiFile::attivazione()
{
    // The processor stays as the student picked it and the arm state follows the program:
    // neither is reset here, since every dialog that closes activates the window again.
    cartellaGuida_ = kobaltino::cartellaGuida(cartellaApplicazione_);
    VersioneProgramma = versioneProgramma();
    if (s_.AvvisoCompilatore)
        return true;

    std::optional<Impostazioni> lette = leggiImpostazioni(fileImpostazioni_);
    if (!lette) {
        lette = Impostazioni{codificaTimbro(VersioneProgramma), compilatoreIniziale()};
        scriviImpostazioni(fileImpostazioni_, *lette);
    }
    TimbroDati = lette->timbro;
    if (decodificaTimbro(TimbroDati) != VersioneProgramma) {
        ui_.mostra({QStringLiteral("Errore numero: 23.") + CrLf
                        + QStringLiteral("Non è possibile caricare il programma per danni a file di dati."),
                    Icona::Critica, QStringLiteral("ATTENZIONE!!!")});
        return false;
    }
    s_.PercorsoCompilatore = lette->compilatore.isEmpty() ? CompilatoreAssente : lette->compilatore;
    if (s_.PercorsoCompilatore == CompilatoreAssente) {
        ui_.mostra({QStringLiteral("ATTENZIONE: Non è stato inserito il percorso del compilatore") + CrLf
                        + QStringLiteral("Inserire il percorso dal menù Strumenti."),
                    Icona::Informazione, QStringLiteral("Compilatore assente")});
        s_.AvvisoCompilatore = true;
    }
    return true;
}

}  // namespace kobaltino
