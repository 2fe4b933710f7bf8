#include "codegen/compilatore.h"

#include "codegen/assemblatore.h"
#include "codegen/memoria_programma.h"
#include "codegen/verifiche.h"
#include "model/catalogo.h"
#include "model/editor.h"

#include <QFile>
#include <QSaveFile>

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
    if (g.troppoGrande()) {
        rifiuta({QStringLiteral("Ci sono troppe istruzioni.") + CrLf + QStringLiteral("Togliere qualche istruzione")});
        return std::nullopt;
    }
    const EsitoVerifiche verifiche = verificaProgramma(s_);
    if (!verifiche.errori.isEmpty()) {
        rifiuta({QStringLiteral("Il programma non può essere compilato:") + CrLf + verifiche.errori.join(CrLf)});
        return std::nullopt;
    }
    if (!verifiche.avvisi.isEmpty())
        ui_.mostra({QStringLiteral("Il programma viene compilato, ma sul robot potrebbe non funzionare:") + CrLf
                    + verifiche.avvisi.join(CrLf)});
    esito_ = EsitoCompilazione::Riuscita;
    return g;
}

void Compilatore::compila()
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
    assembla(temporaneo, g->sorgente);
}

bool Compilatore::scriviTemporaneo(const QString& percorso, const Sorgente& sorgente)
{
    QSaveFile file(percorso);
    const QByteArray byte = sorgente.byte();
    if (file.open(QIODevice::WriteOnly) && file.write(byte) == byte.size() && file.commit())
        return true;
    rifiuta(critico(QStringLiteral("Impossibile scrivere il file:") + CrLf + percorso));
    return false;
}

void Compilatore::assembla(const QString& temporaneo, const Sorgente& sorgente)
{
    const ComandoAssemblatore comando = comandoAssemblatore(s_.PercorsoCompilatore, temporaneo, s_.PercorsoFile);
    const EsitoProcesso processo =
        ui_.esegui(comando.programma, comando.argomenti, comando.cartella, LimiteAssemblatoreMs);

    // Clean up before reporting: the user may keep the message open as long as they like.
    QFile::remove(temporaneo);
    if (processo.avviato)
        for (const QString& f : fileIntermedi(s_.PercorsoCompilatore, s_.PercorsoFile))
            QFile::remove(f);

    if (!processo.avviato) {
        rifiuta(critico(QStringLiteral("Impossibile avviare il compilatore:") + CrLf + s_.PercorsoCompilatore));
    } else if (processo.scaduto) {
        rifiuta(critico(QStringLiteral("Il compilatore non ha terminato entro %1 secondi.")
                            .arg(LimiteAssemblatoreMs / 1000)));
    } else if (processo.codiceUscita != 0) {
        segnalaErrori(processo, temporaneo, sorgente);
    } else if (entraNelProcessore()) {
        esito_ = EsitoCompilazione::Riuscita;
        ui_.mostra({QStringLiteral("Compilazione terminata")});
    }
}

bool Compilatore::entraNelProcessore()
{
    // The word estimate is only an estimate: the hex file tells what the chip would really hold.
    const QString hex = hexSulDisco(s_.PercorsoFile);
    QFile file(hex);
    if (hex.isEmpty() || !file.open(QIODevice::ReadOnly))
        return true;  // nothing to measure
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
                                       int codiceUscita)
{
    QStringList righe;
    for (const Segnalazione& e : errori)
        righe << descriviOrigine(sorgente.origine(e.riga), e.riga) + e.testo;
    if (righe.isEmpty())
        righe << QStringLiteral("Il compilatore ha terminato con il codice %1.").arg(codiceUscita);
    return {QStringLiteral("Il compilatore ha segnalato degli errori:") + CrLf + righe.join(CrLf), Icona::Critica};
}

void Compilatore::segnalaErrori(const EsitoProcesso& processo, const QString& temporaneo, const Sorgente& sorgente)
{
    esito_ = EsitoCompilazione::ErroriAssemblatore;
    ui_.mostra(messaggioErrori(leggiSegnalazioni(processo.uscita, temporaneo), sorgente, processo.codiceUscita));
}

}  // namespace kobaltino
