#include "codegen/compilatore.h"

#include "codegen/assemblatore.h"
#include "codegen/memoria_programma.h"
#include "codegen/verifiche.h"
#include "model/catalogo.h"
#include "model/editor.h"
#include "model/scrittura_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>

namespace kobaltino {

namespace {

const QString Attenzione = QStringLiteral("ATTENZIONE");

Messaggio critico(const QString& testo)
{
    return Messaggio{testo, Icona::Critica, Attenzione, Pulsanti::Ok};
}

// "Griglia principale, riga 4: ..." for the line of an instruction row.
QString descriviOrigine(const Origine& o, int numero)
{
    if (o.griglia >= 1 && o.riga >= 0)
        return nomeGriglia(o.griglia) + QStringLiteral(", riga %1: ").arg(o.riga);
    if (o.griglia >= 1)
        return nomeGriglia(o.griglia) + QStringLiteral(": ");
    if (numero > 0)
        return QStringLiteral("File generato, riga %1: ").arg(numero);
    return {};
}

// Removes every spelling of the program's hex file; the one that could not be removed, if any.
QString togliHex(const QString& percorsoFile)
{
    for (QString hex = hexSulDisco(percorsoFile); !hex.isEmpty(); hex = hexSulDisco(percorsoFile))
        if (!QFile::remove(hex))
            return hex;
    return {};
}

// The signal that stopped the assembler, in words.
QString descriviSegnale(int segnale)
{
#ifdef Q_OS_UNIX
    struct Voce {
        int numero;
        const char* nome;
    };
    static constexpr Voce Nomi[] = {
        {SIGSEGV, "accesso non valido alla memoria"}, {SIGABRT, "interruzione per errore interno"},
        {SIGKILL, "terminazione forzata"},           {SIGTERM, "richiesta di terminazione"},
        {SIGINT, "interruzione dall'utente"},        {SIGFPE, "errore di calcolo"},
        {SIGBUS, "errore di bus"},                    {SIGILL, "istruzione non valida"},
    };
    for (const Voce& v : Nomi)
        if (v.numero == segnale)
            return QStringLiteral("segnale %1, %2").arg(segnale).arg(QString::fromUtf8(v.nome));
#endif
    return segnale > 0 ? QStringLiteral("segnale %1").arg(segnale) : QStringLiteral("segnale sconosciuto");
}

}  // namespace

Compilatore::Compilatore(Stato& stato, Interazione& interazione) : s_(stato), ui_(interazione) {}

QString Compilatore::percorsoTemporaneo(const QString& percorsoFile)
{
    return percorsoFile + QStringLiteral("Temp");
}

void Compilatore::rifiuta(const Messaggio& messaggio)
{
    ui_.mostra(messaggio);
    esito_ = EsitoCompilazione::Rifiutata;
}

std::optional<Generazione> Compilatore::genera(bool richiedeSalvataggio)
{
    if (s_.NumIstruzioni(1) == 0) {
        rifiuta({testi::GrigliaPrincipaleVuota});
        return std::nullopt;
    }
    // A program without a file has never been saved, whatever the flag says.
    if (richiedeSalvataggio && (s_.Modificato || s_.PercorsoFile.isEmpty())) {
        rifiuta({QStringLiteral("Il programma è stato modificato.") + CrLf
                 + QStringLiteral("Il programma deve essere salvato prima di essere compilato")});
        return std::nullopt;
    }
    Generazione g = kobaltino::genera(s_);
    const EsitoVerifiche verifiche = verificaProgramma(s_);
    QStringList errori = verifiche.errori;
    // A row the checks already explain is not listed twice.
    for (const QString& rifiutata : g.rifiutate) {
        const QString riga = rifiutata.left(rifiutata.indexOf(QStringLiteral(": ")) + 2);  // "Aux, riga 3: "
        if (std::none_of(verifiche.errori.begin(), verifiche.errori.end(),
                         [&](const QString& e) { return e.startsWith(riga); }))
            errori << rifiutata;
    }
    if (g.troppoGrande()) {
        rifiuta({QStringLiteral("Ci sono troppe istruzioni.") + CrLf + QStringLiteral("Togliere qualche istruzione")});
        return std::nullopt;
    }
    if (!errori.isEmpty()) {
        rifiuta({QStringLiteral("Il programma non può essere compilato:") + CrLf + errori.join(CrLf)});
        return std::nullopt;
    }
    if (!verifiche.avvisi.isEmpty())
        ui_.mostra({QStringLiteral("Il programma viene compilato, ma sul robot potrebbe non funzionare:") + CrLf
                    + verifiche.avvisi.join(CrLf)});
    esito_ = EsitoCompilazione::Riuscita;
    return g;
}

void Compilatore::compila(bool annunciaFine)
{
    if (s_.PercorsoCompilatore == CompilatoreAssente) {
        rifiuta({QStringLiteral("Impossibile compilare il programma.") + CrLf
                     + QStringLiteral("Inserire il percorso del compilatore dal menù strumenti"),
                 Icona::Informazione, Attenzione});
        return;
    }
    const std::optional<Generazione> g = genera();
    if (!g)
        return;
    const QString temporaneo = percorsoTemporaneo(s_.PercorsoFile);
    if (!scriviTemporaneo(temporaneo, g->sorgente))
        return;
    assembla(temporaneo, g->sorgente, annunciaFine);
}

bool Compilatore::scriviTemporaneo(const QString& percorso, const Sorgente& sorgente)
{
    const QString motivo = scriviFileIntero(percorso, sorgente.byte());
    if (motivo.isEmpty())
        return true;
    rifiuta(critico(QStringLiteral("Impossibile scrivere il file:") + CrLf + percorso + CrLf + motivo));
    return false;
}

void Compilatore::assembla(const QString& temporaneo, const Sorgente& sorgente, bool annunciaFine)
{
    // A hex left by an earlier compile must not pass for this one's.
    const QString hexPrecedente = togliHex(s_.PercorsoFile);
    if (!hexPrecedente.isEmpty()) {
        QFile::remove(temporaneo);
        rifiuta(critico(QStringLiteral("Impossibile cancellare il file della compilazione precedente:") + CrLf
                        + hexPrecedente));
        return;
    }
    const ComandoAssemblatore comando = comandoAssemblatore(s_.PercorsoCompilatore, temporaneo, s_.PercorsoFile);
    const EsitoProcesso processo =
        ui_.esegui(comando.programma, comando.argomenti, comando.cartella, LimiteAssemblatoreMs);

    // The hex is looked at before the assembler's other files go: on a full disk they hold the
    // room that a look for free space must not find.
    const bool terminato =
        processo.avviato && !processo.scaduto && processo.segnale == 0 && processo.codiceUscita == 0;
    const QString problema = terminato ? problemaHex() : QString();

    // Clean up before reporting: the user may keep the message open as long as they like.
    QFile::remove(temporaneo);
    if (processo.avviato)
        for (const QString& f : fileIntermedi(s_.PercorsoCompilatore, s_.PercorsoFile))
            QFile::remove(f);

    if (!processo.avviato) {
        rifiuta(critico(QStringLiteral("Impossibile avviare il compilatore:") + CrLf + s_.PercorsoCompilatore));
    } else if (processo.scaduto) {
        togliHex(s_.PercorsoFile);
        rifiuta(critico(QStringLiteral("Il compilatore non ha terminato entro %1 secondi ed è stato fermato.")
                            .arg(LimiteAssemblatoreMs / 1000)));
    } else if (processo.segnale != 0) {
        togliHex(s_.PercorsoFile);
        rifiuta(critico(QStringLiteral("Il compilatore è stato interrotto dal sistema (%1): il file .hex non è "
                                       "stato scritto.")
                            .arg(descriviSegnale(processo.segnale))));
    } else if (processo.codiceUscita != 0) {
        segnalaErrori(processo, temporaneo, sorgente);
    } else if (hexCompleto(problema) && entraNelProcessore()) {
        esito_ = EsitoCompilazione::Riuscita;
        if (annunciaFine)
            ui_.mostra({QStringLiteral("Compilazione terminata")});
    }
}

QString Compilatore::problemaHex() const
{
    const QString hex = hexSulDisco(s_.PercorsoFile);
    QFile file(hex);
    QString problema;
    if (hex.isEmpty())
        problema = QStringLiteral("Il compilatore ha terminato senza scrivere il file %1")
                       .arg(QFileInfo(percorsoHex(s_.PercorsoFile)).fileName());
    else if (!file.open(QIODevice::ReadOnly) || !paroleOccupate(file.readAll()))
        problema = QStringLiteral("Il file %1 scritto dal compilatore è incompleto o illeggibile")
                       .arg(QFileInfo(hex).fileName());
    if (problema.isEmpty())
        return {};
    // The assembler does not always say that its writes failed.
    if (spazioEsaurito(QFileInfo(s_.PercorsoFile).absolutePath()))
        return problema + QStringLiteral(": il disco è pieno. Liberare spazio sul disco e compilare di nuovo.");
    return problema + u'.';
}

bool Compilatore::hexCompleto(const QString& problema)
{
    if (problema.isEmpty())
        return true;
    // Half a program must not reach the robot.
    togliHex(s_.PercorsoFile);
    esito_ = EsitoCompilazione::ErroriAssemblatore;
    ui_.mostra({problema, Icona::Critica});
    return false;
}

bool Compilatore::entraNelProcessore()
{
    // The word estimate is only an estimate: the hex file tells what the chip would really hold.
    // hexCompleto() has found it whole.
    const QString hex = hexSulDisco(s_.PercorsoFile);
    QFile file(hex);
    if (hex.isEmpty() || !file.open(QIODevice::ReadOnly))
        return true;
    const std::optional<int> occupate = paroleOccupate(file.readAll());
    file.close();
    const int disponibili = paroleDisponibili(s_.Processore);
    if (!occupate || *occupate <= disponibili)
        return true;
    // A truncated program must not reach the robot.
    QFile::remove(hex);
    const bool piuGrandeDisponibile = disponibili < paroleDisponibili(QStringLiteral("16F628"));
    rifiuta({QStringLiteral("Ci sono troppe istruzioni per il %1.").arg(s_.Processore) + CrLf
             + QStringLiteral("Il programma occupa %1 parole, il processore ne ha %2.").arg(*occupate).arg(disponibili)
             + CrLf
             + (piuGrandeDisponibile ? QStringLiteral("Togliere qualche istruzione o scegliere il 16F628")
                                     : QStringLiteral("Togliere qualche istruzione"))});
    return false;
}

Messaggio Compilatore::messaggioErrori(const std::vector<Segnalazione>& errori, const Sorgente& sorgente,
                                       int codiceUscita, bool troncata)
{
    QStringList righe;
    for (const Segnalazione& e : errori) {
        if (righe.size() == SegnalazioniMostrate)
            break;
        righe << descriviOrigine(sorgente.origine(e.riga), e.riga) + e.testo;
    }
    const qsizetype altre = static_cast<qsizetype>(errori.size()) - righe.size();
    if (altre > 0 || troncata)
        righe << (troncata ? QStringLiteral("… e altre segnalazioni.")
                           : QStringLiteral("… e altre %1 segnalazioni.").arg(altre));
    if (righe.isEmpty())
        righe << QStringLiteral("Il compilatore ha terminato con il codice %1.").arg(codiceUscita);
    return {QStringLiteral("Il compilatore ha segnalato degli errori:") + CrLf + righe.join(CrLf), Icona::Critica};
}

void Compilatore::segnalaErrori(const EsitoProcesso& processo, const QString& temporaneo, const Sorgente& sorgente)
{
    esito_ = EsitoCompilazione::ErroriAssemblatore;
    ui_.mostra(messaggioErrori(leggiSegnalazioni(processo.uscita, temporaneo), sorgente, processo.codiceUscita,
                               processo.troncata));
}

}  // namespace kobaltino
