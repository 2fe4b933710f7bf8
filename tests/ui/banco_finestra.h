#pragma once

#include "model/editor.h"
#include "support/interazione_finta.h"
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
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace kobaltino {

// The user's settings of this test program: a folder of its own, emptied at exit, so that no
// test reads or writes the real user's choices.
inline QString cartellaPreferenze()
{
    static QTemporaryDir cartella;
    return cartella.path();
}

// One QApplication for the whole test program, offscreen. It lives until the process ends:
// destroying it from a static destructor would run Qt's clean-up after parts of it are gone.
inline QApplication& applicazione()
{
    // Settings (recent programs, shown parameters) go to a folder of this run, not the user's.
    static QTemporaryDir configurazione;
    qputenv("XDG_CONFIG_HOME", configurazione.path().toUtf8());
    static int argc = 1;
    static char nome[] = "test_ui";
    static char* argv[] = {nome, nullptr};
    static QApplication* app = [] {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartellaPreferenze());
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Fails the test when a modal window shows up that the test did not announce, and closes it
// so the test goes on instead of hanging. An announced one is handed to the test's handler.
class Sorvegliante : public QObject {
public:
    Sorvegliante()
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { controlla(); });
        timer_.start();
    }

    // The next modal window goes to `gestore`, which must close it.
    void attendi(std::function<void(QWidget*)> gestore) { gestore_ = std::move(gestore); }
    int visti() const { return visti_; }

private:
    void controlla()
    {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale == nullptr || modale == ultimo_)
            return;
        ultimo_ = modale;
        ++visti_;
        if (gestore_) {
            auto g = std::exchange(gestore_, nullptr);
            g(modale);
        } else {
            ADD_FAILURE() << "unexpected modal window: " << modale->objectName().toStdString() << " \""
                          << modale->windowTitle().toStdString() << "\"";
        }
        if (modale->isVisible())
            if (auto* d = qobject_cast<QDialog*>(modale))
                d->reject();
    }

    QTimer timer_;
    QPointer<QWidget> ultimo_;
    std::function<void(QWidget*)> gestore_;
    int visti_ = 0;
};

// The main window over a fresh program, with a scripted user and counted outside commands.
class BancoFinestra : public ::testing::Test {
protected:
    void SetUp() override
    {
        esterni.apri = [this] { ++conteggio.apri; };
        esterni.salva = [this] { ++conteggio.salva; };
        esterni.salvaConNome = [this] { ++conteggio.salvaConNome; };
        esterni.compilatore = [this] { ++conteggio.compilatore; };
        esterni.compila = [this] { ++conteggio.compila; };
        esterni.guida = [this] { ++conteggio.guida; };
        esterni.informazioni = [this] { ++conteggio.informazioni; };
        esterni.attivazione = [this] {
            ++conteggio.attivazione;
            return esitoAttivazione;
        };
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

    void TearDown() override
    {
        if (finestra)
            finestra->setAttribute(Qt::WA_DeleteOnClose, false);
        finestra.reset();
    }

    // Rows 0..n-1 of grid k as codes.
    std::vector<int> codici(int k) const
    {
        std::vector<int> c;
        for (int r = 0; r < stato.NumIstruzioni(k); ++r)
            c.push_back(stato.griglia(k).codice(r));
        return c;
    }

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
        const QRect cella = v->visualRect(v->model()->index(r, colonna));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, cella.center());
    }

    void doppioClickVoce(QListWidget* lista, const QString& testo)
    {
        const QList<QListWidgetItem*> trovate = lista->findItems(testo, Qt::MatchExactly);
        ASSERT_EQ(trovate.size(), 1) << testo.toStdString();
        const QRect r = lista->visualItemRect(trovate.first());
        // A real double-click: the first click selects, the second press is the double one.
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, r.center());
    }

    void menu(const char* chiave)
    {
        auto* a = finestra->findChild<QAction*>(QString::fromLatin1(chiave));
        ASSERT_NE(a, nullptr) << chiave;
        a->trigger();
    }

    void pulsante(int indice)
    {
        auto* a = finestra->findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(indice));
        ASSERT_NE(a, nullptr) << indice;
        QWidget* bottone = finestra->barra()->widgetForAction(a);
        ASSERT_NE(bottone, nullptr);
        QTest::mouseClick(bottone, Qt::LeftButton);
    }

    struct Conteggio {
        int apri = 0, salva = 0, salvaConNome = 0, compilatore = 0, compila = 0, guida = 0, informazioni = 0,
            attivazione = 0;
    } conteggio;
    bool esitoAttivazione = true;

    bool avviata_ = (applicazione(), true);  // before any QObject member
    Stato stato;
    InterazioneFinta ui;
    Editor editor{stato, ui};
    ComandiEsterni esterni;
    std::unique_ptr<FrmAvvio> finestra;
    Sorvegliante sorvegliante;
};

}  // namespace kobaltino
