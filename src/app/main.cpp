// The desktop editor: the main window wired to the editing core, the file commands,
// the compiler, the help and the About box.
#include "codegen/compilatore.h"
#include "model/editor.h"
#include "persist/comandi_file.h"
#include "ui/finestra_guida.h"
#include "ui/finestra_simulatore.h"
#include "ui/frm_about.h"
#include "ui/frm_avvio.h"
#include "ui/icone.h"
#include "ui/interazione_qt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
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
    QApplication::setWindowIcon(iconaApplicazione());
    // The whole interface is Italian, the toolkit's own file dialogs and buttons included.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    QCommandLineParser opzioni;
    opzioni.setApplicationDescription(QStringLiteral("Editor di programmi per il robot Kobaltino"));
    opzioni.addHelpOption();
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
    esterni.apri = [&] { file.apri(); };
    esterni.salva = [&] { file.salva(); };
    esterni.salvaConNome = [&] { file.salvaConNome(); };
    esterni.compilatore = [&] { file.sceltaCompilatore(); };
    esterni.compila = [&] { compilatore.compila(); };
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
    if (!daAprire.isEmpty()) {
        interazione.fileScelto = QFileInfo(daAprire).absoluteFilePath();
        QTimer::singleShot(0, finestra, [finestra] { finestra->esegui({Azione::Apri}); });
    }
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
    return QApplication::exec();
}
