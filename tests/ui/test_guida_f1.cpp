// F1 and the About box open the help window at the page asked for; Esc and Ctrl+W close it.
#include "banco_finestra.h"
#include "ui/finestra_guida.h"
#include "ui/frm_about.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>

namespace kobaltino {
namespace {

// The main window whose help command opens the real help window.
class GuidaDallaFinestra : public BancoFinestra {
protected:
    void SetUp() override
    {
        BancoFinestra::SetUp();
        esterni.guida = [this] { mostraGuida(finestra.get(), finestra->paginaGuida()); };
        nuovaFinestra();
    }
    void TearDown() override { guida()->close(), BancoFinestra::TearDown(); }
};

// F1 where the student is looking: a grid, a palette, an item of an open menu. Every page
// asked for is in the help with its anchor.
TEST_F(GuidaDallaFinestra, F1ApreLaPaginaDiCioCheSiGuarda)
{
    riempi(3, {codici::Fermo, codici::Avanti});
    stato.PercorsoFile = QDir::temp().filePath("giro.kbn");
    finestra->esegui({Azione::Copia});  // a command: the program joins the recent ones
    auto griglia = [this](int k, std::vector<int> righe) {
        return [this, k, righe] {
            clicca(k, righe.front());
            for (size_t i = 1; i < righe.size(); ++i)
                QTest::mouseClick(finestra->vista(k)->viewport(), Qt::LeftButton, Qt::ControlModifier,
                                  finestra->vista(k)->visualRect(finestra->modello(k)->index(righe[i], ColCodice)).center());
        };
    };
    auto voce = [this](const char* menu, const char* chiave) {
        return [this, menu, chiave] {
            auto* m = finestra->findChild<QMenu*>(menu);
            m->popup({0, 0});
            m->setActiveAction(chiave ? finestra->findChild<QAction*>(chiave) : nullptr);
            QApplication::setActiveWindow(m);
        };
    };
    const struct {
        const char* dove;
        std::function<void()> prepara;
        QString pagina;
    } casi[] = {
        {"finestra", [this] { finestra->processore()->setFocus(); }, "indice.html"},
        {"riga vuota", griglia(1, {0}), "iniziare.html#modificare"},
        {"riga", griglia(3, {0}), "istruzioni.html#fermo"},
        {"due righe", griglia(3, {0, 1}), "iniziare.html#selezione"},
        {"elenco", [this] { finestra->tavolozzaComuni(1)->setFocus(), finestra->tavolozzaComuni(1)->setCurrentRow(7); },
         "istruzioni.html#attendi"},
        {"menu File", voce("keyFile", nullptr), "menu.html#file"},
        {"Anteprima", voce("keyFile", "KeyAnteprimaDiStampa"), "menu.html#stampa"},
        {"Nome e classe", voce("keyFile", "KeyDatiStampa"), "menu.html#stampa"},
        {"recente", voce("keyFile", "KeyRecente1"), "menu.html#recenti"},
        {"esempio", voce("KeyEsempi", "KeyEsempio_labirinto"), "menu.html#esempi"},
        {"Annulla", voce("KeyModifica", "KeyAnnulla"), "menu.html#annulla"},
        {"Copia", voce("KeyModifica", "KeyCopia"), "menu.html#modifica"},
        {"Mostra parametri", voce("KeyStrumenti", "KeyMostraParametri"), "iniziare.html#parole"},
        {"Attendi...", voce("KeyIstruzioniComuni", "KeyAttendi"), "istruzioni.html#attendi"},
        {"menu contestuale", voce("mnu_Contestuale", "mnu_Copia1"), "iniziare.html#modificare"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.dove);
        QApplication::setActiveWindow(finestra.get());
        c.prepara();
        QWidget* dove = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
        ASSERT_NE(dove, nullptr);
        QTest::keyClick(dove, Qt::Key_F1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // the menus are put away
        ASSERT_TRUE(guida()->isVisible());
        EXPECT_EQ(guida()->paginaCorrente(), c.pagina);
        QFile pagina(QCoreApplication::applicationDirPath() + "/Help/" + c.pagina.section('#', 0, 0));
        ASSERT_TRUE(pagina.open(QIODevice::ReadOnly));
        if (c.pagina.contains('#'))
            EXPECT_TRUE(pagina.readAll().contains("name=\"" + c.pagina.section('#', 1).toUtf8() + '"'));
        guida()->close();
        QTest::qWait(20);  // the main window gets the focus back
    }
    // "FINE SE" has the page of its "Se"; a code that is no instruction has none.
    EXPECT_EQ(paginaIstruzione(16), "istruzioni.html#se");
    EXPECT_EQ(paginaIstruzione(29), "");
}

// A help link of the About box opens the help window, not the desktop.
TEST_F(GuidaDallaFinestra, ILinkDellAboutApronoLaGuidaEscLaChiude)
{
    static QList<QUrl> alDesktop;
    FrmAbout::apriIndirizzo = [](const QUrl& u) {
        alDesktop << u;
        return true;
    };
    FrmAbout about(finestra.get());
    about.show();
    auto* link = about.findChild<QLabel*>("lblCollegamento2");
    ASSERT_NE(link, nullptr);
    // The label's own address, as a click on it hands it over.
    const QString indirizzo = QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(link->text()).captured(1);
    emit link->linkActivated(indirizzo);
    EXPECT_TRUE(guida()->isVisible());
    EXPECT_EQ(guida()->paginaCorrente(), "errori.html");
    EXPECT_FALSE(about.isVisible());  // the modal box makes way for the help
    EXPECT_TRUE(alDesktop.isEmpty());
    FrmAbout::apriIndirizzo = nullptr;

    // Esc and Ctrl+W close the help from any of its parts, leaving the main window.
    const std::pair<const char*, QKeySequence> tasti[] = {{"ricerca", QKeySequence("Esc")},
                                                          {"indice", QKeySequence("Ctrl+W")}};
    for (const auto& [nome, tasto] : tasti) {
        SCOPED_TRACE(nome);
        mostraGuida(finestra.get(), "menu.html");
        QApplication::setActiveWindow(guida());
        ASSERT_TRUE(guida()->isVisible());
        auto* dove = guida()->findChild<QWidget*>(nome);
        ASSERT_NE(dove, nullptr);
        dove->setFocus();
        QTest::keySequence(dove, tasto);
        EXPECT_FALSE(guida()->isVisible());
        EXPECT_TRUE(finestra->isVisible());
    }
}

}  // namespace
}  // namespace kobaltino
