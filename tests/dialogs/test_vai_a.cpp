// "Vai a": one dialog for the ten grids.
#include "banco_dialoghi.h"
#include "dialogs/dialogo_vai_a.h"

#include <QLabel>
#include <QPushButton>

namespace kobaltino {
namespace {

using VaiA = BancoDialoghi;

TEST_F(VaiA, TitoloDellaGrigliaPrincipaleEDelleAltre)
{
    EXPECT_EQ(DialogoVaiA(1, 3).windowTitle(), "Selezionare il numero di riga");
    for (int k = 2; k <= 10; ++k)
        EXPECT_EQ(DialogoVaiA(k, 3).windowTitle(), "Seleziona il numero di riga") << k;
}

TEST_F(VaiA, ControlliTestiESuggerimenti)
{
    DialogoVaiA d(1, 3);
    EXPECT_EQ(trova<QLabel>(d, "lblRiga")->text(), "Numero riga:");
    auto* lista = trova<QComboBox>(d, "cmbRiga");
    EXPECT_FALSE(lista->isEditable());
    EXPECT_EQ(lista->currentIndex(), -1);
    EXPECT_EQ(lista->toolTip(), "Fare click per scegliere la riga dove saltare");
    auto* ok = trova<QPushButton>(d, "cmdOK");
    EXPECT_EQ(ok->text(), "&OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->toolTip(), "Fare click per assegnare la riga dove saltare");
    auto* chiudi = trova<QPushButton>(d, "cmdChiudi");
    EXPECT_EQ(chiudi->text(), "&Chiudi");
    EXPECT_EQ(chiudi->toolTip(), "Fare click per chiudere la finestra");
}

TEST_F(VaiA, LaListaOffreLeRigheUsate)
{
    DialogoVaiA tre(1, 3);
    EXPECT_EQ(voci(trova<QComboBox>(tre, "cmbRiga")), (QStringList{"0", "1", "2"}));

    // Rows above 255 can be targets too.
    DialogoVaiA piena(4, 949);
    const QStringList righe = voci(trova<QComboBox>(piena, "cmbRiga"));
    ASSERT_EQ(righe.size(), 949);
    EXPECT_EQ(righe.first(), "0");
    EXPECT_EQ(righe.at(256), "256");
    EXPECT_EQ(righe.last(), "948");
}

TEST_F(VaiA, OkConUnaRigaScelta)
{
    DialogoVaiA d(1, 3);
    apri(d);
    scegli(trova<QComboBox>(d, "cmbRiga"), "1");
    clicca(d, "cmdOK");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->riga, 1);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(VaiA, InvioSceglieDaTastiera)
{
    DialogoVaiA d(2, 5);
    apri(d);
    auto* lista = trova<QComboBox>(d, "cmbRiga");
    lista->setFocus();
    premi(d, Qt::Key_Down);
    premi(d, Qt::Key_Down);
    EXPECT_EQ(lista->currentText(), "1");
    premi(d, Qt::Key_Return);
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->riga, 1);
}

TEST_F(VaiA, SenzaSceltaOkNonFaNullaENonDiceNulla)
{
    Sportello sportello;
    DialogoVaiA d(1, 3);
    apri(d);
    clicca(d, "cmdOK");
    premi(d, Qt::Key_Return);
    QTest::qWait(30);
    EXPECT_TRUE(sportello.visti().empty());
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.esito().has_value());
}

TEST_F(VaiA, GrigliaVuotaListaVuotaEOkChiude)
{
    Sportello sportello;
    DialogoVaiA d(3, 0);
    EXPECT_EQ(trova<QComboBox>(d, "cmbRiga")->count(), 0);
    apri(d);
    clicca(d, "cmdOK");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.esito().has_value());
    EXPECT_TRUE(sportello.visti().empty());
}

TEST_F(VaiA, ChiudiEscOChiusuraAnnullano)
{
    for (int modo = 0; modo < 3; ++modo) {
        DialogoVaiA d(1, 3);
        apri(d);
        scegli(trova<QComboBox>(d, "cmbRiga"), "2");
        if (modo == 0)
            clicca(d, "cmdChiudi");
        else if (modo == 1)
            premi(d, Qt::Key_Escape);
        else
            d.close();
        EXPECT_FALSE(d.isVisible()) << modo;
        EXPECT_EQ(d.result(), QDialog::Rejected) << modo;
        EXPECT_FALSE(d.esito().has_value()) << modo;
    }
}

}  // namespace
}  // namespace kobaltino
