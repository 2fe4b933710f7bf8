#pragma once

#include "model/interazione.h"
#include "model/stato.h"
#include "trasferimento/esecuzione.h"
#include "trasferimento/riga_comando.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace kobaltino {

// The transfer under way: the programmer's live output (one click away), a progress bar from
// the percentage it prints, "Annulla", and at the end one sentence saying how it went.
class FinestraTrasferimento : public QDialog {
    Q_OBJECT
public:
    FinestraTrasferimento(const ComandoProgrammatore& comando, const QString& eseguibile, QString processore,
                          int parole, QWidget* parent = nullptr, int limiteMs = LimiteProgrammatoreMs);

    // Starts the programmer; the window shows the rest.
    void avvia();
    QString conclusione() const;
    bool riuscita() const { return riuscita_; }

signals:
    void conclusa();

protected:
    void reject() override;  // Esc, the close button, "Annulla": the tool is stopped first

private:
    void fine(const EsitoEsecuzione& esito);

    const Programmatore* voce_;
    QString processore_;
    int parole_, limiteMs_;
    Esecuzione esecuzione_;
    QLabel* stato_;
    QProgressBar* barra_;
    QPlainTextEdit* uscita_;
    QPushButton* mostra_;
    QPushButton* annulla_;
    bool finita_ = false, riuscita_ = false;
};

// "Trasferisci": saves with `salva` where needed, refuses before compiling a programmer that
// cannot run (unknown, not installed, a chip it cannot program), compiles, then shows the
// transfer window over `finestra`.
void trasferisciNelRobot(QWidget* finestra, Stato& stato, Interazione& interazione, const std::function<void()>& salva);

}  // namespace kobaltino
