// kobaltino-cli genera / compila: the code generator and the assembler without a display.
#include "app/comandi_cli.h"
#include "app/sessione_cli.h"
#include "app/interazione_testo.h"
#include "codegen/compilatore.h"
#include "model/editor.h"
#include "model/scrittura_file.h"
#include "persist/file_programma.h"
#include "persist/impostazioni.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <memory>
#include <optional>

namespace kobaltino::cli {

// Reads `argomenti`; `conValore` lists the options this command takes. Prints why and returns
// nullopt when they do not fit, or the help when asked (then `aiuto` is set).
std::optional<Opzioni> leggiOpzioni(const QStringList& argomenti, const QStringList& conValore, const char* uso,
                                    QTextStream& out, QTextStream& err, bool& aiuto)
{
    Opzioni o;
    aiuto = chiedeAiuto(argomenti);
    if (aiuto) {
        out << uso;
        return std::nullopt;
    }
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (!conValore.contains(a) || i + 1 >= argomenti.size()) {
                err << (conValore.contains(a) ? "Manca il valore di " : "Opzione sconosciuta: ") << a << "\n" << uso;
                return std::nullopt;
            }
            const QString& valore = argomenti[++i];
            if (a == QLatin1String("--pic"))
                o.processore = valore;
            else if (a == QLatin1String("-o"))
                o.uscita = valore;
            else
                o.assemblatore = valore;
        } else if (o.programma.isEmpty()) {
            o.programma = a;
        } else {
            err << "Troppi argomenti: " << a << "\n" << uso;
            return std::nullopt;
        }
    }
    if (o.programma.isEmpty()) {
        err << uso;
        return std::nullopt;
    }
    if (std::find(Processori.begin(), Processori.end(), o.processore) == Processori.end()) {
        err << "Processore sconosciuto: " << o.processore << " (16F84, 16F84A o 16F628)\n";
        return std::nullopt;
    }
    return o;
}

// Reads the options and loads PROGRAMMA. When the command ends here, returns nullptr and sets
// `uscita`: 0 after the help, 2 for wrong options or an unreadable program.
std::unique_ptr<Sessione> prepara(const QStringList& argomenti, const QStringList& conValore, const char* uso,
                                  QTextStream& out, QTextStream& err, int& uscita)
{
    bool aiuto = false;
    const std::optional<Opzioni> o = leggiOpzioni(argomenti, conValore, uso, out, err, aiuto);
    uscita = aiuto ? 0 : 2;
    if (!o)
        return nullptr;
    auto sessione = std::make_unique<Sessione>(*o, err);
    const QString programma = QFileInfo(o->programma).absoluteFilePath();
    const EsitoLettura esito = leggiProgramma(sessione->editor, programma);
    if (!esito.riuscito()) {
        sessione->ui.mostra(messaggioErroreLettura(esito));
        return nullptr;
    }
    // What is compiled is what the editor would show: say what it left out.
    if (const std::optional<Messaggio> avviso = avvisoRigheSaltate(esito, programma))
        sessione->ui.mostra(*avviso);
    sessione->stato.Processore = o->processore;
    return sessione;
}

namespace {

// The assembler named in the settings file, as the editor would use it; empty when none.
QString compilatoreDalleImpostazioni()
{
    // The editor's name, so both find the same configuration folder.
    QCoreApplication::setApplicationName(QStringLiteral("Kobaltino"));
    const QString cartellaApp = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString file =
        percorsoImpostazioni(cartellaApp, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    const std::optional<Impostazioni> impostazioni = leggiImpostazioni(file);
    if (!impostazioni || impostazioni->compilatore == CompilatoreAssente)
        return {};
    return impostazioni->compilatore;
}

}  // namespace

QString sceltaAssemblatore(const Opzioni& o)
{
    if (!o.assemblatore.isEmpty())
        return o.assemblatore;
    const QString dalleImpostazioni = compilatoreDalleImpostazioni();
    if (!dalleImpostazioni.isEmpty())
        return dalleImpostazioni;
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    return gpasm.isEmpty() ? CompilatoreAssente : gpasm;
}

namespace {

const char* const UsoGenera =
    "Uso: kobaltino-cli genera PROGRAMMA [--pic 16F84|16F84A|16F628] [-o FILE]\n"
    "  Scrive il sorgente assembly che \"Compila\" passa al compilatore.\n"
    "  --pic    processore (predefinito 16F84)\n"
    "  -o FILE  file da scrivere (predefinito: lo standard output)\n"
    "  Stato di uscita: 0 riuscito, 2 programma illeggibile o rifiutato.\n";
const char* const UsoCompila =
    "Uso: kobaltino-cli compila PROGRAMMA [--pic 16F84|16F84A|16F628] [--assembler PERCORSO]\n"
    "  Genera il sorgente e lo assembla; accanto al programma resta il file .hex.\n"
    "  --pic        processore (predefinito 16F84)\n"
    "  --assembler  compilatore da usare (predefinito: quello delle impostazioni, altrimenti gpasm dal PATH)\n"
    "  Prima di assemblare controlla che ogni \"Vai a\" abbia la sua destinazione e avvisa delle chiamate\n"
    "  troppo annidate per lo stack del PIC e dei sensori che si richiamano a vicenda; dopo controlla che\n"
    "  il programma entri nella memoria del processore scelto.\n"
    "  Stato di uscita: 0 riuscito, 1 errori del compilatore, 2 programma illeggibile o compilazione rifiutata.\n"
    "  Gli avvisi non cambiano lo stato di uscita; un salto senza destinazione o un programma troppo grande\n"
    "  per il processore rifiutano la compilazione.\n";

}  // namespace

int genera(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    int uscita = 0;
    const auto s = prepara(argomenti, {QStringLiteral("--pic"), QStringLiteral("-o")}, UsoGenera, out, err, uscita);
    if (!s)
        return uscita;
    const std::optional<Generazione> g = Compilatore(s->stato, s->ui).genera();
    if (!g)
        return 2;

    const QByteArray byte = g->sorgente.byte();
    if (!s->o.uscita.isEmpty()) {
        const QString motivo = scriviFileIntero(s->o.uscita, byte);
        if (!motivo.isEmpty()) {
            s->ui.mostra({QStringLiteral("Impossibile scrivere il file:") + CrLf + s->o.uscita + CrLf + motivo,
                          Icona::Critica});
            return 2;
        }
        return 0;
    }
    // The very bytes of the file, not re-encoded by the text stream.
    out.flush();
    if (QIODevice* dispositivo = out.device())
        dispositivo->write(byte);
    else
        out << g->sorgente.testo();
    return 0;
}

int compila(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    int uscita = 0;
    const auto s =
        prepara(argomenti, {QStringLiteral("--pic"), QStringLiteral("--assembler")}, UsoCompila, out, err, uscita);
    if (!s)
        return uscita;
    s->stato.PercorsoCompilatore = sceltaAssemblatore(s->o);
    Compilatore compilatore(s->stato, s->ui);
    compilatore.compila();
    switch (compilatore.esito()) {
    case EsitoCompilazione::Riuscita:
        return 0;
    case EsitoCompilazione::ErroriAssemblatore:
        return 1;
    default:
        return 2;
    }
}

}  // namespace kobaltino::cli
