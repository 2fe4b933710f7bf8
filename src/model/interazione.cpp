#include "model/interazione.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace kobaltino {

namespace {

// Keeps the first LimiteUscitaProcesso bytes of what the program writes.
void accumula(QProcess& processo, QByteArray& uscita, bool& troncata)
{
    const QByteArray arrivati = processo.readAll();
    const qsizetype posto = LimiteUscitaProcesso - uscita.size();
    if (arrivati.size() > posto)
        troncata = true;
    uscita += arrivati.left(std::max<qsizetype>(posto, 0));
}

// Stops the program and whatever it started: they share its process group.
void ferma(QProcess& processo)
{
#ifdef Q_OS_UNIX
    if (const qint64 gruppo = processo.processId(); gruppo > 0)
        ::kill(static_cast<pid_t>(-gruppo), SIGKILL);
#endif
    processo.kill();
    processo.waitForFinished();
}

}  // namespace

EsitoProcesso Interazione::esegui(const QString& programma, const QStringList& argomenti,
                                  const QString& cartella, int limiteMs)
{
    EsitoProcesso esito;
    QProcess processo;
    processo.setProcessChannelMode(QProcess::MergedChannels);
    if (!cartella.isEmpty())
        processo.setWorkingDirectory(cartella);
#ifdef Q_OS_UNIX
    // A process group of its own, so that a stop reaches its children too.
    processo.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    processo.start(programma, argomenti);
    if (!processo.waitForStarted())
        return esito;
    esito.avviato = true;

    // Read while it runs, so that a program writing without end neither blocks nor fills memory.
    QByteArray uscita;
    const QDeadlineTimer scadenza(limiteMs);
    while (processo.state() != QProcess::NotRunning) {
        if (scadenza.hasExpired()) {
            esito.scaduto = true;
            ferma(processo);
            break;
        }
        const auto restante = [&] { return static_cast<int>(std::max<qint64>(scadenza.remainingTime(), 0)); };
        // With its output closed there is nothing to read: wait for the end instead.
        if (!processo.waitForReadyRead(restante()) && processo.state() != QProcess::NotRunning)
            processo.waitForFinished(restante());
        accumula(processo, uscita, esito.troncata);
    }
    accumula(processo, uscita, esito.troncata);
    esito.uscita = QString::fromLocal8Bit(uscita);
    if (processo.exitStatus() == QProcess::NormalExit) {
        esito.codiceUscita = processo.exitCode();
    } else if (!esito.scaduto) {
        // On Unix Qt leaves the number of the signal that ended the program in exitCode().
        esito.segnale = processo.exitCode() > 0 ? processo.exitCode() : -1;
    }
    return esito;
}

}  // namespace kobaltino
