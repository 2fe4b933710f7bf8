// F1 and the About box open the help window at the page asked for; Esc and Ctrl+W close it.
#include "banco_finestra.h"
#include "ui/finestra_guida.h"
#include "ui/frm_about.h"

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

TEST_F(GuidaDallaFinestra, F1ApreLIndiceOLaPaginaDellIstruzione)
{
    finestra->vista(1)->setFocus();
    QTest::keyClick(finestra.get(), Qt::Key_F1);
    ASSERT_TRUE(guida()->isVisible());
    EXPECT_EQ(guida()->paginaCorrente(), "indice.html");

    QListWidget* comuni = finestra->tavolozzaComuni(1);
    comuni->setFocus();
    comuni->setCurrentItem(comuni->findItems("Attendi", Qt::MatchExactly).value(0));
    QTest::keyClick(comuni, Qt::Key_F1);
    EXPECT_EQ(guida()->paginaCorrente(), "istruzioni.html#attendi");

    // A grid row: the page of its instruction.
    finestra->eseguiVoce(3, "Fermo");
    stato.griglia(3).seleziona(0, ColCodice);
    finestra->vista(3)->setFocus();
    finestra->eseguiTasto("KeyGuidaInLinea");
    EXPECT_EQ(guida()->paginaCorrente(), "istruzioni.html#fermo");
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
