// kobaltino-cli valuta: a whole class's programs run against one challenge, and the report.
#include "app/comandi_cli.h"
#include "valutazione/rapporti.h"

#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

namespace kobaltino::cli {

namespace {

const char* const UsoValuta =
    "Uso: kobaltino-cli valuta SFIDA PROGRAMMI... [-o RAPPORTO.html] [--csv FILE] [--json]\n"
    "  Compila ogni programma con gpasm e lo mette alla prova nella sfida, ognuno sul suo PIC\n"
    "  simulato, usando tutti i processori della macchina; poi stampa una tabella dei risultati.\n"
    "  SFIDA      labirinto, pista, lampada, vuota o il nome di un file .sfida\n"
    "  PROGRAMMI  file di programma o cartelle: di una cartella contano i file .kbn e .sdl\n"
    "  -o         scrive il rapporto in una pagina HTML, con il percorso di ogni robot\n"
    "  --csv      scrive gli stessi risultati per un foglio di calcolo (';' e virgola decimale)\n"
    "  --json     un solo oggetto JSON invece della tabella\n"
    "  Stato di uscita: 0 valutazione eseguita (qualunque sia il risultato), 2 sfida sbagliata,\n"
    "  opzioni sbagliate o rapporto che non si può scrivere.\n";

struct OpzioniValuta {
    QString sfida;
    QStringList programmi;
    QString html, csv;
    bool json = false;
};

std::optional<OpzioniValuta> leggiOpzioniValuta(const QStringList& argomenti, QTextStream& err)
{
    OpzioniValuta o;
    const auto rifiuta = [&err](const QString& perche) {
        err << perche << "\n" << UsoValuta;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("-o") || a == QLatin1String("--csv")) {
            if (i + 1 >= argomenti.size())
                return rifiuta(QStringLiteral("Manca il valore di ") + a);
            (a == QLatin1String("-o") ? o.html : o.csv) = argomenti[++i];
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return rifiuta(QStringLiteral("Opzione sconosciuta: ") + a);
        } else if (o.sfida.isEmpty()) {
            o.sfida = a;
        } else {
            o.programmi << a;
        }
    }
    if (o.sfida.isEmpty())
        return rifiuta(QStringLiteral("Manca la sfida"));
    if (o.programmi.isEmpty())
        return rifiuta(QStringLiteral("Mancano i programmi da valutare"));
    return o;
}

bool scrivi(const QString& percorso, const QByteArray& testo, QTextStream& err)
{
    QSaveFile f(percorso);
    if (f.open(QIODevice::WriteOnly) && f.write(testo) == testo.size() && f.commit())
        return true;
    err << "Impossibile scrivere il rapporto " << percorso << "\n";
    return false;
}

}  // namespace

int valuta(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    if (chiedeAiuto(argomenti)) {
        out << UsoValuta;
        return 0;
    }
    const std::optional<OpzioniValuta> o = leggiOpzioniValuta(argomenti, err);
    if (!o)
        return 2;
    QString errore;
    const std::optional<Sfida> sfida = caricaSfida(o->sfida, &errore);
    if (!sfida) {
        err << errore << "\n";
        return 2;
    }
    const QStringList file = programmiDa(o->programmi);
    if (file.isEmpty()) {
        err << "Nessun programma .kbn o .sdl in: " << o->programmi.join(QStringLiteral(", ")) << "\n";
        return 2;
    }
    // Progress only for a person watching: a log or a pipe gets the results alone.
    const bool terminale = isatty(fileno(stderr)) != 0;
    Avanzamento avanzamento;
    if (terminale)
        avanzamento = [&err](int fatti, int tutti) {
            err << "\rValutati " << fatti << " programmi su " << tutti << (fatti == tutti ? "\n" : "");
            err.flush();
        };
    const Valutazione v = valuta(o->sfida, *sfida, file, avanzamento);
    if (o->json)
        out << jsonValutazione(v) << "\n";
    else
        out << tabellaValutazione(v);
    bool scritti = true;
    if (!o->html.isEmpty())
        scritti = scrivi(o->html, htmlValutazione(v), err) && scritti;
    if (!o->csv.isEmpty())
        scritti = scrivi(o->csv, csvValutazione(v), err) && scritti;
    return scritti ? 0 : 2;
}

}  // namespace kobaltino::cli
