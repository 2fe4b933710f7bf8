#include "model/interazione.h"

#include <QProcess>

namespace kobaltino {

EsitoProcesso Interazione::esegui(const QString& programma, const QStringList& argomenti,
                                  const QString& cartella, int limiteMs)
{
    EsitoProcesso esito;
    QProcess processo;
    processo.setProcessChannelMode(QProcess::MergedChannels);
    if (!cartella.isEmpty())
        processo.setWorkingDirectory(cartella);
    processo.start(programma, argomenti);
    if (!processo.waitForStarted()) {
        return esito;
    }
    esito.avviato = true;
    if (!processo.waitForFinished(limiteMs)) {
        esito.scaduto = true;
        processo.kill();
        processo.waitForFinished();
    }
    esito.uscita = QString::fromLocal8Bit(processo.readAll());
    esito.codiceUscita = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
    return esito;
}

}  // namespace kobaltino
