// F1 opens the help window at the page of what the user is looking at.
#include "banco_finestra.h"
#include "ui/finestra_guida.h"

namespace kobaltino {
namespace {

class GuidaDallaFinestra : public ::testing::Test {
protected:
    void SetUp() override
    {
        applicazione();
        ComandiEsterni esterni;
        esterni.guida = [this] { mostraGuida(finestra.get(), finestra->paginaGuida()); };
        finestra = std::make_unique<FrmAvvio>(editor, esterni);
        finestra->show();
        QApplication::setActiveWindow(finestra.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
    }
    void TearDown() override
    {
        guida()->close();
        finestra.reset();
    }

    Stato stato;
    InterazioneFinta ui;
    Editor editor{stato, ui};
    std::unique_ptr<FrmAvvio> finestra;
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
    editor.inserisci(3, 27);  // the dialog is cancelled: nothing written
    finestra->eseguiVoce(3, "Fermo");
    stato.griglia(3).seleziona(0, ColCodice);
    finestra->vista(3)->setFocus();
    finestra->eseguiTasto("KeyGuidaInLinea");
    EXPECT_EQ(guida()->paginaCorrente(), "istruzioni.html#fermo");
}

TEST(PagineIstruzioni, OgniCodiceHaUnaPagina)
{
    EXPECT_EQ(paginaIstruzione(8), "istruzioni.html#attendi");
    EXPECT_EQ(paginaIstruzione(16), "istruzioni.html#se");
    EXPECT_EQ(paginaIstruzione(28), "istruzioni.html#seattivofai");
    EXPECT_EQ(paginaIstruzione(0), "");
    EXPECT_EQ(paginaIstruzione(29), "");
}

}  // namespace
}  // namespace kobaltino
