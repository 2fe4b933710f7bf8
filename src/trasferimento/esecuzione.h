#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

namespace kobaltino {

// How a run of an outside tool ended.
struct EsitoEsecuzione {
    enum Fine { Terminata, NonAvviata, Annullata, Scaduta, Interrotta } fine = NonAvviata;
    int codice = -1;   // exit status when Terminata
    int segnale = 0;   // the signal that ended it when Interrotta
    QString uscita;    // standard output and error together
};

// Longest a programmer may take before it is stopped.
inline constexpr int LimiteProgrammatoreMs = 120000;

// Runs a tool without blocking the caller's thread: its output arrives as it is written, with the
// last percentage it printed; "Annulla" and the time limit stop it together with every process it
// started. The arguments go to the tool as they are: no shell ever sees them. The tool runs in a
// scratch folder of its own, removed with it, so that what it leaves where it runs (ipecmd writes
// an MPLABXLog.xml) ends up neither beside the student's program nor in the home folder.
class Esecuzione : public QObject {
    Q_OBJECT
public:
    Esecuzione(QString programma, QStringList argomenti, int limiteMs, QObject* parent = nullptr);
    ~Esecuzione() override;

    void avvia();
    void annulla();
    bool inCorso() const { return processo_.state() != QProcess::NotRunning; }
    // The process group of the running tool, 0 when none (the command line stops it on Ctrl+C).
    qint64 gruppo() const { return processo_.processId(); }

signals:
    void testo(const QString& pezzo);
    void avanzamento(int percento);  // -1 while no percentage has been seen
    void finita(const EsitoEsecuzione& esito);

private:
    void leggi();
    void ferma(EsitoEsecuzione::Fine motivo);
    void concludi(int codice, QProcess::ExitStatus stato);

    QString programma_;
    QStringList argomenti_;
    QTemporaryDir lavoro_;
    QProcess processo_;
    QTimer limite_;
    EsitoEsecuzione esito_;
    bool fermata_ = false;
    bool conclusa_ = false;
};

// The last percentage in `testo` ("  45%" as pk2cmd prints it), -1 when there is none.
int ultimaPercentuale(const QString& testo);

}  // namespace kobaltino
