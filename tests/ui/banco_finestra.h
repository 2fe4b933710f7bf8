#pragma once

#include "model/banco_editor.h"
#include "support/applicazione.h"
#include "ui/frm_avvio.h"
#include "ui/modello_griglia.h"
#include "ui/vista_griglia.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace kobaltino {

// Fails the test when a modal window shows up that the test did not announce, and closes it
// so the test goes on instead of hanging. An announced one is handed to the test's handler.
class Sorvegliante : public QObject {
public:
    Sorvegliante() { QObject::connect(&timer_, &QTimer::timeout, [this] { controlla(); }), timer_.start(20); }

    // The next modal window goes to `gestore`, which must close it.
    void attendi(std::function<void(QWidget*)> gestore) { gestore_ = std::move(gestore); }

private:
    void controlla()
    {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale == nullptr || modale == ultimo_)
            return;
        ultimo_ = modale;
        if (gestore_)
            std::exchange(gestore_, nullptr)(modale);
        else
            ADD_FAILURE() << "unexpected modal window: " << modale->objectName().toStdString() << " \""
                          << modale->windowTitle().toStdString() << "\"";
        if (modale->isVisible())
            if (auto* d = qobject_cast<QDialog*>(modale))
                d->reject();
    }

    QTimer timer_;
    QPointer<QWidget> ultimo_;
    std::function<void(QWidget*)> gestore_;
};

// The application, before the first widget.
struct Avvio {
    Avvio() { applicazione(); }
};

// The main window over a fresh program, with a scripted user and counted outside commands.
class BancoFinestra : public ::testing::Test, private Avvio, public Postazione {
protected:
    void SetUp() override
    {
        using E = ComandiEsterni;
        using C = Conteggio;
        const std::pair<std::function<void()> E::*, int C::*> contati[] = {
            {&E::apri, &C::apri},       {&E::salva, &C::salva}, {&E::salvaConNome, &C::salvaConNome},
            {&E::compilatore, &C::compilatore}, {&E::compila, &C::compila}, {&E::guida, &C::guida},
            {&E::informazioni, &C::informazioni}};
        for (auto [comando, contatore] : contati)
            esterni.*comando = [this, contatore] { ++(conteggio.*contatore); };
        esterni.attivazione = [this] { return ++conteggio.attivazione, esitoAttivazione; };
        // Every test starts as the first start of the editor.
        QSettings(QSettings::UserScope, QStringLiteral("Kobaltino"), QStringLiteral("Kobaltino")).clear();
        nuovaFinestra();
    }

    // A main window over the same program, as at the next start of the editor.
    void nuovaFinestra()
    {
        finestra.reset();
        finestra = std::make_unique<FrmAvvio>(editor, esterni);
        finestra->show();
        QApplication::setActiveWindow(finestra.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
        QTest::qWait(10);
    }

    void TearDown() override { finestra.reset(); }

    void riempi(int k, const std::vector<int>& codiciDaInserire)
    {
        for (int c : codiciDaInserire)
            editor.inserisci(k, c);
        finestra->aggiorna();
    }

    // A left click on row r of grid k, on column `colonna`.
    void clicca(int k, int r, int colonna = ColCodice)
    {
        VistaGriglia* v = finestra->vista(k);
        if (k >= 2)
            finestra->schede()->setCurrentIndex(k - 2);
        QTest::qWait(1);
        v->scrollTo(v->model()->index(r, colonna));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(r, colonna)).center());
    }

    // A real double-click on a palette item: the first click selects, the second press is the double one.
    void doppioClickVoce(QListWidget* lista, const QString& testo)
    {
        const QList<QListWidgetItem*> trovate = lista->findItems(testo, Qt::MatchExactly);
        ASSERT_EQ(trovate.size(), 1) << testo.toStdString();
        const QPoint centro = lista->visualItemRect(trovate.first()).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centro);
    }

    void menu(const char* chiave)
    {
        auto* a = finestra->findChild<QAction*>(QString::fromLatin1(chiave));
        ASSERT_NE(a, nullptr) << chiave;
        a->trigger();
    }

    // One input of the user: a menu entry ("KeyCopia"), a toolbar button ("#5") or a key
    // sequence ("Ctrl+C") pressed where the focus is, on the main grid at first.
    void premi(const QString& ingresso)
    {
        if (ingresso.startsWith(QLatin1String("Key")))
            return menu(ingresso.toLatin1().constData());
        if (ingresso.startsWith(QLatin1Char('#')))
            return menu(("Toolbar1_" + ingresso.mid(1)).toLatin1().constData());
        if (finestra->focusWidget() == nullptr)
            finestra->vista(1)->setFocus();
        QTest::keySequence(finestra->focusWidget(), QKeySequence(ingresso));
    }

    // An empty program, as after "Nuovo", without going through the window.
    void svuotaProgramma()
    {
        for (Griglia& g : stato.griglie)
            g.svuota();
        editor.seguiBraccio();
        finestra->aggiorna();
    }

    // Another window takes the focus, then the main window gets it back.
    void attivaDiNuovo()
    {
        const int prima = conteggio.attivazione;
        QWidget altra;
        altra.show();
        QApplication::setActiveWindow(&altra);
        QTest::qWait(5);
        QApplication::setActiveWindow(finestra.get());
        QTest::qWait(20);
        EXPECT_GT(conteggio.attivazione, prima);
    }

    // The caption as the window system shows it.
    QString titoloMostrato() const { return finestra->windowHandle()->title(); }

    struct Conteggio {
        int apri = 0, salva = 0, salvaConNome = 0, compilatore = 0, compila = 0, guida = 0, informazioni = 0,
            attivazione = 0;
    } conteggio;
    bool esitoAttivazione = true;

    ComandiEsterni esterni;
    std::unique_ptr<FrmAvvio> finestra;
    Sorvegliante sorvegliante;
};

}  // namespace kobaltino
