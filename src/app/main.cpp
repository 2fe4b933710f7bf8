// The desktop editor: the main window wired to the editing core, the file commands,
// the compiler, the help and the About box.
#include "codegen/assemblatore.h"
#include "codegen/compilatore.h"
#include "model/editor.h"
#include "model/versione.h"
#include "persist/comandi_file.h"
#include "persist/file_programma.h"
#include "persist/recupero.h"
#include "ui/dialogo_programmatore.h"
#include "ui/finestra_guida.h"
#include "ui/finestra_simulatore.h"
#include "ui/finestra_trasferimento.h"
#include "ui/frm_about.h"
#include "ui/frm_avvio.h"
#include "ui/icone.h"
#include "ui/interazione_qt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

namespace {

// A file named on the command line answers the first "Apri" file dialog.
class InterazioneAvvio : public kobaltino::InterazioneQt {
public:
    QString fileScelto;

    QString scegliFile(const kobaltino::RichiestaFile& richiesta) override
    {
        if (richiesta.tipo == kobaltino::RichiestaFile::Apri && !fileScelto.isEmpty())
            return std::exchange(fileScelto, QString());
        return InterazioneQt::scegliFile(richiesta);
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    using namespace kobaltino;
    QApplication app(argc, argv);
    QApplication::setApplicationName(TitoloApplicazione);
    QApplication::setApplicationVersion(QString::fromLatin1(VersioneTesto));
    QApplication::setWindowIcon(iconaApplicazione());
    // The whole interface is Italian, the toolkit's own file dialogs and buttons included.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    QCommandLineParser opzioni;
    opzioni.setApplicationDescription(QStringLiteral("Editor di programmi per il robot Kobaltino"));
    opzioni.addHelpOption();
    opzioni.addVersionOption();
    const QCommandLineOption apri(QStringLiteral("apri"), QStringLiteral("Apre il programma FILE all'avvio."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption impostazioni(QStringLiteral("impostazioni"),
                                          QStringLiteral("Usa FILE come file delle impostazioni."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption simula(
        QStringLiteral("simula"),
        QStringLiteral("Apre il simulatore nell'ARENA (vuota, pista, labirinto, lampada, nessuna o un file) e lo avvia."),
        QStringLiteral("ARENA"));
    const QCommandLineOption velocita(QStringLiteral("velocita"),
                                      QStringLiteral("Velocità della simulazione: 0.5, 1, 4, 16 o max."),
                                      QStringLiteral("VELOCITA"));
    opzioni.addOption(apri);
    opzioni.addOption(simula);
    opzioni.addOption(velocita);
    opzioni.addOption(impostazioni);
    opzioni.addPositionalArgument(QStringLiteral("programma"), QStringLiteral("Il programma .kbn da aprire."));
    opzioni.process(app);

    Stato stato;
    InterazioneAvvio interazione;
    Editor editor(stato, interazione);
    ComandiFile file(editor);  // also lets "Nuovo" and "Chiudi" save
    if (opzioni.isSet(impostazioni))
        file.impostaFileImpostazioni(QFileInfo(opzioni.value(impostazioni)).absoluteFilePath());
    Compilatore compilatore(stato, interazione);

    FrmAvvio* finestra = nullptr;
    ComandiEsterni esterni;
    // Unsaved work is copied every two minutes (KOBALTINO_INTERVALLO_RECUPERO_MS shortens it
    // for the tests that crash the editor on purpose).
    const int intervallo = qEnvironmentVariableIntValue("KOBALTINO_INTERVALLO_RECUPERO_MS");
    const QString cartellaRecupero =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recupero");
    CopiaRecupero recupero(stato, cartellaRecupero, intervallo > 0 ? intervallo : CopiaRecupero::Intervallo);

    esterni.apri = [&] { file.apri(); };
    esterni.apriFile = [&](const QString& percorso) {
        interazione.fileScelto = percorso;
        file.apri();
        interazione.fileScelto.clear();
    };
    esterni.salva = [&] {
        file.salva();
        recupero.aggiorna();
    };
    esterni.salvaConNome = [&] {
        file.salvaConNome();
        recupero.aggiorna();
    };
    esterni.compilatore = [&] { file.sceltaCompilatore(); };
    esterni.compila = [&] { compilatore.compila(); };
    esterni.trasferisci = [&] { trasferisciNelRobot(finestra, stato, interazione, esterni.salva); };
    esterni.programmatore = [&] {
        DialogoProgrammatore dialogo(stato.Processore, percorsoHex(stato.PercorsoFile), finestra);
        dialogo.exec();
    };
    esterni.attivazione = [&] { return file.attivazione(); };
    esterni.guida = [&] { mostraGuida(finestra, finestra->paginaGuida()); };
    esterni.informazioni = [&] {
        FrmAbout about(finestra);
        about.exec();
    };

    FrmAvvio frmAvvio(editor, esterni);
    finestra = &frmAvvio;
    interazione.impostaFinestra(finestra);
    frmAvvio.show();

    QString daAprire = opzioni.value(apri);
    if (daAprire.isEmpty() && !opzioni.positionalArguments().isEmpty())
        daAprire = opzioni.positionalArguments().constFirst();
    // A copy left by an editor that crashed comes first: restored, it is the program to work on.
    QTimer::singleShot(0, finestra, [&, daAprire] {
        bool ripristinato = false;
        for (const CopiaLasciata& copia : CopiaRecupero::lasciate(cartellaRecupero)) {
            if (ripristinato)
                continue;  // one program at a time: the others are offered at the next start
            const Messaggio domanda{CopiaRecupero::domanda(copia), Icona::Informazione, TitoloApplicazione,
                                    Pulsanti::SiNo};
            if (interazione.mostra(domanda) == Risposta::Si) {
                if (const EsitoLettura esito = CopiaRecupero::ripristina(editor, copia); !esito.riuscito())
                    interazione.mostra(messaggioErroreLettura(esito));
                else
                    ripristinato = true;
            }
            CopiaRecupero::scarta(copia);
        }
        recupero.avvia();
        if (ripristinato) {
            recupero.aggiorna();  // the restored work is this editor's copy from now on
            finestra->aggiorna();
        } else if (!daAprire.isEmpty()) {
            interazione.fileScelto = QFileInfo(daAprire).absoluteFilePath();
            finestra->esegui({Azione::Apri});
        }
    });
    if (opzioni.isSet(simula)) {
        const QString arena = opzioni.value(simula);
        const QString quanto = opzioni.value(velocita);
        QTimer::singleShot(0, finestra, [finestra, arena, quanto] {
            finestra->esegui({Azione::Simula});
            FinestraSimulatore* s = finestra->simulatore();
            const QFileInfo file(arena);
            s->scegliArena(file.exists() ? file.absoluteFilePath() : arena);
            s->impostaVelocita(quanto);
            s->avvia();
        });
    }
    const int esito = QApplication::exec();
    recupero.rimuovi();  // closed on purpose: saved, or the changes were turned down
    return esito;
}
