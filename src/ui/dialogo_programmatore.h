#pragma once

#include "trasferimento/riga_comando.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kobaltino {

class Esecuzione;

// "Programmatore...": the preset or a custom line, the serial port where one is needed, the
// command line that will run, and "Prova", which asks the tool its version without touching the
// chip. OK keeps the choice in the user's settings.
class DialogoProgrammatore : public QDialog {
    Q_OBJECT
public:
    // `processore` and `hex` fill the command line shown.
    DialogoProgrammatore(QString processore, QString hex, QWidget* parent = nullptr);

    SceltaProgrammatore scelta() const;
    void accept() override;

private:
    void aggiorna();
    void prova();

    QString processore_, hex_;
    QComboBox* preset_;
    QLineEdit* riga_;
    QComboBox* porta_;
    QComboBox* strumento_;
    QLabel* comando_;
    QPushButton* prova_;
    QPlainTextEdit* risposta_;
    Esecuzione* esecuzione_ = nullptr;
};

}  // namespace kobaltino
