// kobaltino-cli stampa: the printout of a program as a PDF file, without a display.
#include "app/comandi_cli.h"
#include "app/sessione_cli.h"
#include "ui/stampa_programma.h"

#include <QDateTime>

namespace kobaltino::cli {

namespace {
const char* const UsoStampa =
    "Uso: kobaltino-cli stampa PROGRAMMA -o FILE.pdf [--pic 16F84|16F84A|16F628] [--nome TESTO] [--classe TESTO]\n"
    "  Scrive la stampa del programma in un file PDF, come \"Esporta PDF...\" dell'editor:\n"
    "  le griglie non vuote come tabelle, con nome del programma, processore, data e numeri di pagina.\n"
    "  --pic     processore scritto nell'intestazione (predefinito 16F84)\n"
    "  --nome    nome dello studente su ogni foglio; senza, una riga da compilare a mano\n"
    "  --classe  classe dello studente su ogni foglio; senza, una riga da compilare a mano\n"
    "  -o FILE   il file PDF da scrivere\n"
    "  Stato di uscita: 0 riuscito, 2 programma illeggibile o file non scrivibile.\n";
}  // namespace

int stampa(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    // The student's name and class belong to this command alone: taken out before the common options.
    QStringList comuni;
    QString nome, classe;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        QString* campo = argomenti[i] == QLatin1String("--nome")     ? &nome
                         : argomenti[i] == QLatin1String("--classe") ? &classe
                                                                     : nullptr;
        if (campo == nullptr) {
            comuni << argomenti[i];
        } else if (i + 1 < argomenti.size()) {
            *campo = argomenti[++i].simplified();
        } else {
            err << "Manca il valore di " << argomenti[i] << "\n" << UsoStampa;
            return 2;
        }
    }
    int uscita = 0;
    const auto s = prepara(comuni, {QStringLiteral("--pic"), QStringLiteral("-o")}, UsoStampa, out, err, uscita);
    if (!s)
        return uscita;
    if (s->o.uscita.isEmpty()) {
        err << "Manca il file da scrivere (-o FILE.pdf)\n" << UsoStampa;
        return 2;
    }
    IntestazioneStampa intestazione = intestazioneDi(s->stato, QDateTime::currentDateTime());
    intestazione.nome = nome;
    intestazione.classe = classe;
    if (!esportaPdf(s->stato, intestazione, s->o.uscita)) {
        s->ui.mostra({QStringLiteral("Impossibile scrivere il file:") + CrLf + s->o.uscita, Icona::Critica});
        return 2;
    }
    return 0;
}

}  // namespace kobaltino::cli
