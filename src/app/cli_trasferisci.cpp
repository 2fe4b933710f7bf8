// kobaltino-cli trasferisci: compiles a program aside and puts it on the robot's chip through
// the programmer named, as "Trasferisci" does in the editor.
#include "app/comandi_cli.h"
#include "app/sessione_cli.h"
#include "persist/file_programma.h"
#include "trasferimento/esecuzione.h"
#include "trasferimento/preparazione.h"
#include "trasferimento/riga_comando.h"
#include "trasferimento/spiegazione.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kobaltino::cli {

namespace {

const char* const UsoTrasferisci =
    "Uso: kobaltino-cli trasferisci PROGRAMMA [--pic 16F84|16F84A|16F628]\n"
    "         (--programmatore pk2cmd|ipecmd|picpro | --comando \"RIGA\") [--porta PORTA] [--strumento PK3|PK4|PK5]\n"
    "  Compila il programma in una cartella temporanea (accanto al programma non resta nulla) e lo\n"
    "  scrive nel chip del robot con il programmatore indicato, mostrandone l'uscita.\n"
    "  --programmatore  pk2cmd (PICkit 2), ipecmd (PICkit 3, 4, 5 con MPLAB IPE), picpro (K150, seriale)\n"
    "  --comando        una riga qualsiasi con {hex}, {pic} e {porta}: divisa in parole come farebbe una\n"
    "                   shell, ma mai eseguita da una shell\n"
    "  --porta          la porta seriale (picpro), per esempio /dev/ttyUSB0\n"
    "  --strumento      lo strumento di ipecmd (predefinito PK3)\n"
    "  Stato di uscita: 0 trasferito, 1 il programma non si compila, 2 comando rifiutato (opzioni sbagliate,\n"
    "  programmatore sconosciuto o non installato, chip che il programmatore non sa programmare),\n"
    "  3 il programmatore non è riuscito; la spiegazione va sullo standard error.\n";

// The options of this command only; the rest goes to leggiOpzioni().
struct OpzioneTrasferimento {
    const char* nome;
    QString SceltaProgrammatore::*campo;
};
const OpzioneTrasferimento OpzioniTrasferimento[] = {
    {"--programmatore", &SceltaProgrammatore::programmatore},
    {"--comando", &SceltaProgrammatore::riga},
    {"--porta", &SceltaProgrammatore::porta},
    {"--strumento", &SceltaProgrammatore::strumento},
};

// Ctrl+C reaches Kobaltino, not the programmer in its own process group: pass the stop on.
std::atomic<qint64> gruppoInCorso{0};
void fermaEdEsci(int segnale)
{
#ifdef Q_OS_UNIX
    if (const qint64 g = gruppoInCorso.load(); g > 0)
        ::kill(static_cast<pid_t>(-g), SIGKILL);
#endif
    std::signal(segnale, SIG_DFL);
    std::raise(segnale);
}

}  // namespace

int trasferisci(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    SceltaProgrammatore scelta;
    scelta.programmatore.clear();
    QStringList resto;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const auto* o = std::find_if(std::begin(OpzioniTrasferimento), std::end(OpzioniTrasferimento),
                                     [&](const OpzioneTrasferimento& v) { return argomenti[i] == QLatin1String(v.nome); });
        if (o == std::end(OpzioniTrasferimento)) {
            resto << argomenti[i];
        } else if (i + 1 >= argomenti.size()) {
            err << "Manca il valore di " << argomenti[i] << "\n" << UsoTrasferisci;
            return 2;
        } else {
            scelta.*o->campo = argomenti[++i];
        }
    }
    bool aiuto = false;
    const std::optional<Opzioni> o = leggiOpzioni(resto, {QStringLiteral("--pic")}, UsoTrasferisci, out, err, aiuto);
    if (!o)
        return aiuto ? 0 : 2;
    if (scelta.programmatore.isEmpty() == scelta.riga.isEmpty()) {
        err << "Indicare il programmatore con --programmatore oppure con --comando (uno dei due).\n" << UsoTrasferisci;
        return 2;
    }
    if (!scelta.riga.isEmpty())
        scelta.programmatore = QString::fromLatin1(Personalizzato);
    if (scelta.strumento.isEmpty())
        scelta.strumento = SceltaProgrammatore{}.strumento;

    // Everything that can be refused is refused before compiling.
    const ComandoProgrammatore prova = componi(scelta, o->processore, QStringLiteral("programma.hex"));
    if (!prova.valido()) {
        err << prova.rifiuto << "\n";
        return 2;
    }
    const QString eseguibile = trovaEseguibile(prova.programma);
    if (eseguibile.isEmpty()) {
        err << messaggioNonInstallato(prova) << "\n";
        return 2;
    }

    // A copy in a folder of its own: the compile leaves its files there, not beside the program.
    const QTemporaryDir cartella;
    const QFileInfo originale(o->programma);
    const QString copia = cartella.filePath(originale.fileName());
    if (!cartella.isValid() || !QFile::copy(originale.absoluteFilePath(), copia)) {
        err << "Impossibile leggere il file:\n" << o->programma << "\n";
        return 2;
    }
    Sessione s(*o, err);
    if (const EsitoLettura esito = leggiProgramma(s.editor, copia); !esito.riuscito()) {
        s.ui.mostra(messaggioErroreLettura(esito));
        return 2;
    }
    s.stato.Processore = o->processore;
    s.stato.PercorsoCompilatore = sceltaAssemblatore(*o);
    const std::optional<HexDaTrasferire> hex = compilaPerTrasferire(s.stato, s.ui);
    if (!hex)
        return 1;

    const ComandoProgrammatore comando = componi(scelta, o->processore, hex->percorso);
    out << mostraComando(comando.programma, comando.argomenti) << "\n";
    out.flush();
    Esecuzione esecuzione(eseguibile, comando.argomenti, LimiteProgrammatoreMs);
    EsitoEsecuzione esito;
    bool terminata = false;
    QEventLoop attesa;
    QObject::connect(&esecuzione, &Esecuzione::testo, [&](const QString& pezzo) {
        out << pezzo;
        out.flush();
    });
    QObject::connect(&esecuzione, &Esecuzione::finita, [&](const EsitoEsecuzione& e) {
        esito = e;
        terminata = true;
        attesa.quit();
    });
    esecuzione.avvia();
    gruppoInCorso = esecuzione.gruppo();
    const auto primaInt = std::signal(SIGINT, fermaEdEsci);
    const auto primaTerm = std::signal(SIGTERM, fermaEdEsci);
    if (!terminata)
        attesa.exec();
    std::signal(SIGINT, primaInt);
    std::signal(SIGTERM, primaTerm);
    gruppoInCorso = 0;

    const Conclusione fine = concludi(comando.voce, esito, o->processore, hex->parole);
    (fine.riuscita ? out : err) << fine.frase << "\n";
    return fine.riuscita ? 0 : 3;
}

}  // namespace kobaltino::cli
