#include "sim/programma_simulato.h"

#include "codegen/memoria_programma.h"
#include "model/catalogo.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace kobaltino {

namespace {

constexpr int AttesaMassimaMs = 60000;

QByteArray leggiFile(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

EsitoAssemblaggio assemblaPerSimulare(const Sorgente& sorgente, const QString& processore, const QString& gpasm)
{
    EsitoAssemblaggio esito;
    const std::optional<ModelloPic> modello = modelloDaNome(processore);
    if (!modello) {
        esito.problema = QStringLiteral("Processore sconosciuto: %1").arg(processore);
        return esito;
    }
    QTemporaryDir cartella;
    const QString asm_ = cartella.filePath(QStringLiteral("programma.asm"));
    QFile file(asm_);
    if (!cartella.isValid() || !file.open(QIODevice::WriteOnly) || file.write(sorgente.byte()) < 0) {
        esito.problema = QStringLiteral("Impossibile scrivere il sorgente in una cartella temporanea.");
        return esito;
    }
    file.close();

    QProcess p;
    p.setWorkingDirectory(cartella.path());
    p.setProcessChannelMode(QProcess::MergedChannels);
    // The listing comes with the hex: it tells which address each line became.
    p.start(gpasm, {QStringLiteral("-w"), QStringLiteral("2"), QStringLiteral("-a"), QStringLiteral("inhx8m"),
                    QStringLiteral("-o"), QStringLiteral("programma.hex"), QStringLiteral("programma.asm")});
    if (!p.waitForStarted()) {
        esito.problema = QStringLiteral("Impossibile avviare il compilatore: %1").arg(gpasm);
        return esito;
    }
    if (!p.waitForFinished(AttesaMassimaMs)) {
        p.kill();
        p.waitForFinished();
        esito.problema =
            QStringLiteral("Il compilatore non ha terminato entro %1 secondi.").arg(AttesaMassimaMs / 1000);
        return esito;
    }
    const QString uscita = QString::fromLocal8Bit(p.readAll());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        esito.errori = leggiSegnalazioni(uscita, QStringLiteral("programma.asm"));
        if (esito.errori.empty())
            esito.errori.push_back(
                {0, QStringLiteral("Il compilatore ha terminato con il codice %1.").arg(p.exitCode())});
        return esito;
    }

    const QByteArray hex = leggiFile(cartella.filePath(QStringLiteral("programma.hex")));
    const std::optional<int> occupate = paroleOccupate(hex);
    if (occupate && *occupate > paroleDisponibili(processore)) {
        esito.errori.push_back({0, QStringLiteral("Ci sono troppe istruzioni per il %1: il programma occupa %2 parole, "
                                                  "il processore ne ha %3.")
                                       .arg(processore)
                                       .arg(*occupate)
                                       .arg(paroleDisponibili(processore))});
        return esito;
    }
    QString motivo;
    std::optional<ImmagineHex> immagine = leggiHex(hex, &motivo);
    if (!immagine) {
        esito.problema = QStringLiteral("Il file .hex del compilatore non si legge: %1").arg(motivo);
        return esito;
    }
    ProgrammaSimulato programma;
    programma.modello = *modello;
    programma.immagine = std::move(*immagine);
    const QByteArray listato = leggiFile(cartella.filePath(QStringLiteral("programma.lst")));
    programma.mappa = MappaIndirizzi::daListato(listato, sorgente);
    esito.programma = std::move(programma);
    return esito;
}

QString descriviOrigine(const Origine& o)
{
    if (o.griglia >= 1 && o.riga >= 0)
        return nomeGriglia(o.griglia) + QStringLiteral(", riga %1").arg(o.riga);
    if (o.griglia >= 1)
        return nomeGriglia(o.griglia);
    return QStringLiteral("fuori dalle righe del programma");
}

}  // namespace kobaltino
