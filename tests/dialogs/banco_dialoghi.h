#pragma once

#include "dialogs/dialogo_istruzione.h"
#include "support/interazione_finta.h"

#include <QComboBox>
#include <QTimer>
#include <QtTest/QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace kobaltino {

// Creates the QApplication the widget tests need (offscreen unless told otherwise).
void assicuraApplicazione();

// What a message box showed: its text, icon, title and buttons, and the button captions.
struct MessaggioVisto {
    Messaggio messaggio;
    QStringList pulsanti;
};

// While it lives, answers every message box that opens and records what it showed.
// A box with only OK is confirmed; a question takes the next scripted answer, and an
// unscripted question fails the test and is answered No.
class Sportello {
public:
    explicit Sportello(std::deque<Risposta> risposte = {});
    ~Sportello();

    std::vector<Messaggio> visti() const;
    std::vector<MessaggioVisto> dettagli;

private:
    void guarda();
    std::deque<Risposta> risposte_;
    QTimer timer_;
};

// Drives the instruction dialogs that open modally (exec()): the first one gets the first
// action, the next one the second, and so on. An action must close its dialog.
class PilotaDialoghi {
public:
    using Azione = std::function<void(DialogoIstruzione&)>;
    explicit PilotaDialoghi(std::deque<Azione> azioni);
    ~PilotaDialoghi();

    QStringList aperti;  // object names of the dialogs driven, in order

private:
    void guarda();
    std::deque<Azione> azioni_;
    QTimer timer_;
};

// Common steps of the dialog tests.
class BancoDialoghi : public ::testing::Test {
protected:
    static void SetUpTestSuite() { assicuraApplicazione(); }

    // Shows the dialog as the program would, active and with the keyboard focus.
    static void apri(QDialog& d);

    template <typename W>
    static W* trova(QWidget& d, const char* nome)
    {
        W* w = d.findChild<W*>(QString::fromLatin1(nome));
        if (w == nullptr)
            ADD_FAILURE() << "no control " << nome;
        return w;
    }

    // Picks `voce` in the list as a click in its drop-down would.
    static void scegli(QComboBox* lista, const QString& voce);
    static QStringList voci(const QComboBox* lista);

    // Clicks the named button.
    static void clicca(QWidget& d, const char* pulsante);
    // Types a text that QTest's keyboard table does not know (accented letters, Greek...).
    static void digitaUnicode(QWidget* w, const QString& testo);
    // Presses a key in the control that has the focus.
    static void premi(QWidget& d, int tasto);
};

}  // namespace kobaltino
