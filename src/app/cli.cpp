// kobaltino-cli: the program file and the code generator without a display.
#include "app/comandi_cli.h"
#include "model/versione.h"
#include "persist/dati.h"
#include "persist/impostazioni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct VoceComando {
    const char* nome;
    kobaltino::cli::Comando comando;
};

const std::array<VoceComando, 7> Comandi = {{
    {"converti", kobaltino::cli::converti},
    {"genera", kobaltino::cli::genera},
    {"compila", kobaltino::cli::compila},
    {"stampa", kobaltino::cli::stampa},
    {"simula", kobaltino::cli::simula},
    {"trasferisci", kobaltino::cli::trasferisci},
    {"valuta", kobaltino::cli::valuta},
}};

const char* const Aiuto =
    "Uso: kobaltino-cli COMANDO [OPZIONI]\n"
    "\n"
    "Comandi:\n"
    "  converti PROGRAMMA NUOVO [--ignora-righe-sconosciute]\n"
    "      legge PROGRAMMA (.kbn o .sdl) e lo riscrive in NUOVO nel formato .kbn\n"
    "  genera PROGRAMMA [--pic 16F84|16F84A|16F628] [-o FILE]\n"
    "      scrive il sorgente assembly del programma (sullo standard output se manca -o)\n"
    "  compila PROGRAMMA [--pic 16F84|16F84A|16F628] [--assembler PERCORSO]\n"
    "      genera il sorgente e lo assembla: accanto al programma resta il file .hex\n"
    "  stampa PROGRAMMA -o FILE.pdf [--pic 16F84|16F84A|16F628]\n"
    "      scrive la stampa del programma in un file PDF\n"
    "  simula PROGRAMMA [--pic P] [--arena NOME|FILE] (--tempo SECONDI | --cicli N) [--ingresso NOME=0|1]\n"
    "         [--json]\n"
    "      esegue il programma sul PIC simulato, dentro il robot, nella sua arena\n"
    "  trasferisci PROGRAMMA [--pic P] (--programmatore pk2cmd|ipecmd|picpro | --comando \"RIGA\")\n"
    "         [--porta PORTA] [--strumento PK3|PK4|PK5]\n"
    "      compila il programma e lo scrive nel chip del robot con il programmatore\n"
    "  valuta SFIDA PROGRAMMI... [-o RAPPORTO.html] [--csv FILE] [--json]\n"
    "      mette alla prova nella sfida i programmi di una classe e ne fa il rapporto\n"
    "\n"
    "  --version\n"
    "      la versione e le cartelle dei dati in uso (guida, arene, esempi, sfide)\n"
    "\n"
    "Stato di uscita: 0 riuscito, 1 errori dell'assemblatore (o programma che non si compila), 2 comando\n"
    "rifiutato o file illeggibile.\n";

// The version, then where this copy finds its data: what a teacher checks after installing.
void versione(QTextStream& out)
{
    const QString app = QCoreApplication::applicationDirPath();
    out << "kobaltino-cli " << kobaltino::VersioneTesto << '\n';
    const QString guida = kobaltino::cartellaGuida(app);
    const bool trovata = QFileInfo::exists(QDir(guida).filePath(QStringLiteral("indice.html")));
    out << "Guida: " << (trovata ? guida : QStringLiteral("nessuna cartella")) << '\n';
    for (const auto& [titolo, nome] : {std::pair{"Arene", "arene"}, {"Esempi", "esempi"}, {"Sfide", "sfide"}}) {
        const QString cartella = kobaltino::cartellaDati(app, QString::fromLatin1(nome));
        out << titolo << ": " << (cartella.isEmpty() ? QStringLiteral("nessuna cartella") : cartella) << '\n';
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    // Printing draws text and pictures: it needs Qt's graphics, but never a display.
    const bool disegna = argc > 1 && std::strcmp(argv[1], "stampa") == 0;
    if (disegna && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        disegna ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList argomenti = QCoreApplication::arguments().mid(1);
    if (argomenti.isEmpty() || argomenti.first() == QLatin1String("--help") || argomenti.first() == QLatin1String("-h")) {
        out << Aiuto;
        return argomenti.isEmpty() ? 2 : 0;
    }
    if (argomenti.first() == QLatin1String("--version")) {
        versione(out);
        return 0;
    }
    const QString nome = argomenti.takeFirst();
    for (const VoceComando& c : Comandi)
        if (nome == QLatin1String(c.nome))
            return c.comando(argomenti, out, err);
    err << "Comando sconosciuto: " << nome << "\n\n" << Aiuto;
    return 2;
}
