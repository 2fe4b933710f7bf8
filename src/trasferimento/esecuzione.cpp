#include "trasferimento/esecuzione.h"

#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace kobaltino {

Esecuzione::Esecuzione(QString programma, QStringList argomenti, int limiteMs, QObject* parent)
    : QObject(parent), programma_(std::move(programma)), argomenti_(std::move(argomenti))
{
    processo_.setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_UNIX
    // A process group of its own, so that a stop reaches its children too.
    processo_.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    limite_.setSingleShot(true);
    limite_.setInterval(limiteMs);
    connect(&limite_, &QTimer::timeout, this, [this] { ferma(EsitoEsecuzione::Scaduta); });
    connect(&processo_, &QProcess::readyRead, this, &Esecuzione::leggi);
    connect(&processo_, &QProcess::finished, this, &Esecuzione::concludi);
    connect(&processo_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError errore) {
        if (errore == QProcess::FailedToStart && !conclusa_) {
            conclusa_ = true;
            limite_.stop();
            esito_.fine = EsitoEsecuzione::NonAvviata;
            emit finita(esito_);
        }
    });
}

Esecuzione::~Esecuzione()
{
    if (inCorso()) {
        conclusa_ = true;  // nobody is listening any more
        ferma(EsitoEsecuzione::Annullata);
    }
}

void Esecuzione::avvia()
{
    limite_.start();
    if (lavoro_.isValid())
        processo_.setWorkingDirectory(lavoro_.path());
    processo_.start(programma_, argomenti_);
}

void Esecuzione::annulla() { ferma(EsitoEsecuzione::Annullata); }

void Esecuzione::ferma(EsitoEsecuzione::Fine motivo)
{
    if (!inCorso() || fermata_)
        return;
    fermata_ = true;
    esito_.fine = motivo;
#ifdef Q_OS_UNIX
    if (const qint64 gruppo = processo_.processId(); gruppo > 0)
        ::kill(static_cast<pid_t>(-gruppo), SIGKILL);
#endif
    processo_.kill();
}

void Esecuzione::leggi()
{
    const QString pezzo = QString::fromLocal8Bit(processo_.readAll());
    if (pezzo.isEmpty())
        return;
    esito_.uscita += pezzo;
    emit testo(pezzo);
    if (const int p = ultimaPercentuale(pezzo); p >= 0)
        emit avanzamento(p);
}

void Esecuzione::concludi(int codice, QProcess::ExitStatus stato)
{
    leggi();
    limite_.stop();
    if (conclusa_)
        return;
    conclusa_ = true;
    if (!fermata_) {
        if (stato == QProcess::NormalExit) {
            esito_.fine = EsitoEsecuzione::Terminata;
            esito_.codice = codice;
        } else {
            esito_.fine = EsitoEsecuzione::Interrotta;
            esito_.segnale = codice;  // Qt leaves the signal's number there on Unix
        }
    }
    emit finita(esito_);
}

int ultimaPercentuale(const QString& testo)
{
    static const QRegularExpression Percento(QStringLiteral("(\\d{1,3})\\s*%"));
    int ultima = -1;
    for (auto it = Percento.globalMatch(testo); it.hasNext();) {
        const int p = it.next().captured(1).toInt();
        if (p <= 100)
            ultima = p;
    }
    return ultima;
}

}  // namespace kobaltino
