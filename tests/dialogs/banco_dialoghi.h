#pragma once

#include "dialogs/dialogo_istruzione.h"
#include "support/applicazione.h"
#include "support/interazione_finta.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace kobaltino {

// The nine inputs of the robot in the order the dialogs list them.
inline const QStringList TuttiGliIngressi = {"Luce_sinistra", "Luce_destra", "Prossimita_destra",
                                             "Prossimita_sinistra", "Ottico_destro", "Ottico_sinistro",
                                             "Ultrasuono", "Sensore_rotazione", "Aux"};

// While it lives, handles the modal windows that open. A message box is recorded and
// answered: OK when it has only OK, else the next scripted answer (an unscripted question
// fails the test). Given actions, it also drives the instruction dialogs: each one that
// opens gets the next action, which must close it; one more fails the test. Two timers: a
// message box can open inside an action.
class Regia {
public:
    using Azione = std::function<void(DialogoIstruzione&)>;

    explicit Regia(std::deque<Risposta> risposte = {}) : risposte_(std::move(risposte))
    {
        QObject::connect(&avvisi_, &QTimer::timeout, [this] { guardaAvvisi(); });
        avvisi_.start(5);
    }
    Regia(std::deque<Risposta> risposte, std::deque<Azione> azioni) : Regia(std::move(risposte))
    {
        azioni_ = std::move(azioni);
        QObject::connect(&dialoghi_, &QTimer::timeout, [this] { guardaDialoghi(); });
        dialoghi_.start(5);
    }
    ~Regia()
    {
        EXPECT_TRUE(risposte_.empty()) << risposte_.size() << " scripted answers never used";
        EXPECT_TRUE(azioni_.empty()) << azioni_.size() << " dialogs expected but never opened";
    }

    std::vector<Messaggio> messaggi;
    std::vector<QStringList> pulsanti;  // button captions of each message, sorted

private:
    void guardaAvvisi()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        // 99: what no message should have.
        static const QMap<int, Icona> Icone{{QMessageBox::Information, Icona::Informazione},
                                            {QMessageBox::Critical, Icona::Critica},
                                            {QMessageBox::NoIcon, Icona::Nessuna}};
        static const QMap<int, Pulsanti> Scelte{{QMessageBox::Ok, Pulsanti::Ok},
                                                {QMessageBox::Yes | QMessageBox::No, Pulsanti::SiNo},
                                                {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Pulsanti::SiNoAnnulla}};
        const QMessageBox::StandardButtons b = box->standardButtons();
        messaggi.push_back({box->text(), Icone.value(box->icon(), Icona(99)), box->windowTitle(),
                            Scelte.value(b.toInt(), Pulsanti(99))});
        pulsanti.emplace_back();
        for (QAbstractButton* p : box->buttons())
            pulsanti.back() << p->text();
        pulsanti.back().sort();
        Risposta r = Risposta::Ok;
        if (b != QMessageBox::Ok && risposte_.empty())
            ADD_FAILURE() << "unscripted question: " << box->text().toStdString();
        else if (b != QMessageBox::Ok)
            r = risposte_.front(), risposte_.pop_front();
        const auto scelta = r == Risposta::Ok ? QMessageBox::Ok : r == Risposta::Si ? QMessageBox::Yes
                          : r == Risposta::Annulla ? QMessageBox::Cancel : QMessageBox::No;
        if (QAbstractButton* p = box->button(scelta))
            p->click();
        else
            box->reject();
    }

    void guardaDialoghi()
    {
        auto* d = qobject_cast<DialogoIstruzione*>(QApplication::activeModalWidget());
        if (d == nullptr || !d->isVisible())
            return;
        if (azioni_.empty())
            ADD_FAILURE() << "unexpected dialog " << d->objectName().toStdString();
        else {
            const Azione azione = azioni_.front();
            azioni_.pop_front();
            azione(*d);
        }
        if (d->isVisible()) {
            ADD_FAILURE() << d->objectName().toStdString() << " left open";
            d->reject();
        }
    }

    std::deque<Risposta> risposte_;
    std::deque<Azione> azioni_;
    QTimer avvisi_, dialoghi_;
};

// Common steps of the dialog tests.
class BancoDialoghi : public ::testing::Test {
protected:
    static void SetUpTestSuite() { applicazione(); }

    // Shows the dialog as the program would, active and with the keyboard focus.
    static void apri(QDialog& d)
    {
        d.show();
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
    }

    template <typename W>
    static W* trova(QWidget& d, const QString& nome)
    {
        W* w = d.findChild<W*>(nome);
        if (w == nullptr)
            ADD_FAILURE() << "no control " << nome.toStdString();
        return w;
    }

    static void clicca(QWidget& d, const QString& pulsante)
    {
        if (auto* b = trova<QAbstractButton>(d, pulsante))
            QTest::mouseClick(b, Qt::LeftButton);
    }

    // As a user would: picks `voce` in the list `campo` (an enabled one), types it into the
    // text box `campo` after clearing it, or clicks the option `campo`.
    static void imposta(QWidget& d, const QString& campo, const QString& voce)
    {
        QWidget* w = trova<QWidget>(d, campo);
        if (auto* lista = qobject_cast<QComboBox*>(w)) {
            EXPECT_TRUE(lista->isEnabled()) << campo.toStdString() << " is disabled";
            EXPECT_GE(lista->findText(voce), 0) << "no item " << voce.toStdString() << " in " << campo.toStdString();
            lista->setCurrentIndex(lista->findText(voce));
        } else if (auto* casella = qobject_cast<QLineEdit*>(w)) {
            casella->clear();
            QTest::keyClicks(casella, voce);
        } else if (w != nullptr)
            QTest::mouseClick(w, Qt::LeftButton);
    }

    // A dialog action: fills the fields in, then clicks `pulsante`.
    static Regia::Azione compila(std::vector<std::pair<QString, QString>> campi, QString pulsante = "cmdOk")
    {
        return [campi, pulsante](DialogoIstruzione& d) {
            for (const auto& [campo, voce] : campi)
                imposta(d, campo, voce);
            clicca(d, pulsante);
        };
    }
};

}  // namespace kobaltino
