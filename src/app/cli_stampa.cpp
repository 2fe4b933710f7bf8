// kobaltino-cli stampa: the printout of a program as a PDF file, without a display.
#include "app/comandi_cli.h"
#include "app/sessione_cli.h"
#include "ui/stampa_programma.h"

#include <QDateTime>

namespace kobaltino::cli {

namespace {
const char* const UsoStampa =
    "Uso: kobaltino-cli stampa PROGRAMMA -o FILE.pdf [--pic 16F84|16F84A|16F628]\n"
    "  Scrive la stampa del programma in un file PDF, come \"Esporta PDF...\" dell'editor:\n"
    "  le griglie non vuote come tabelle, con nome del programma, processore, data e numeri di pagina.\n"
    "  --pic    processore scritto nell'intestazione (predefinito 16F84)\n"
    "  -o FILE  il file PDF da scrivere\n"
    "  Stato di uscita: 0 riuscito, 2 programma illeggibile o file non scrivibile.\n";
}  // namespace

int stampa(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    int uscita = 0;
    const auto s = prepara(argomenti, {QStringLiteral("--pic"), QStringLiteral("-o")}, UsoStampa, out, err, uscita);
    if (!s)
        return uscita;
    if (s->o.uscita.isEmpty()) {
        err << "Manca il file da scrivere (-o FILE.pdf)\n" << UsoStampa;
        return 2;
    }
    if (!esportaPdf(s->stato, intestazioneDi(s->stato, QDateTime::currentDateTime()), s->o.uscita)) {
        s->ui.mostra({QStringLiteral("Impossibile scrivere il file:") + CrLf + s->o.uscita, Icona::Critica});
        return 2;
    }
    return 0;
}

}  // namespace kobaltino::cli
