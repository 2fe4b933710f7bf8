// "Attendi": the waiting time.
#include "banco_dialoghi.h"
#include "dialogs/dialogo_attendi.h"

#include <QLabel>
#include <QPushButton>

namespace kobaltino {
namespace {

using Attendi = BancoDialoghi;

TEST_F(Attendi, TitoloControlliESuggerimenti)
{
    DialogoAttendi d;
    EXPECT_EQ(d.windowTitle(), "Inserire i secondi di attesa");
    EXPECT_EQ(trova<QLabel>(d, "lblSecondi")->text(), "Secondi:");
    auto* lista = trova<QComboBox>(d, "cmbSecondi");
    EXPECT_EQ(voci(lista), (QStringList{"0,5", "1,0", "1,5", "2,0", "2,5"}));
    EXPECT_EQ(lista->currentIndex(), -1);
    EXPECT_FALSE(lista->isEditable());
    EXPECT_EQ(lista->toolTip(), "Fare click per selezionare il tempo di attesa");
    auto* ok = trova<QPushButton>(d, "cmdOK");
    EXPECT_EQ(ok->text(), "&OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->toolTip(), "Fare click per assegnare il tempo di attesa");
    EXPECT_EQ(trova<QPushButton>(d, "cmdChiudi")->text(), "&Chiudi");
    EXPECT_EQ(trova<QPushButton>(d, "cmdChiudi")->toolTip(), "Fare click per chiudere la finestra");
}

TEST_F(Attendi, IlTempoSceltoDiventaIlParametro)
{
    DialogoAttendi d;
    apri(d);
    scegli(trova<QComboBox>(d, "cmbSecondi"), "1,5");
    premi(d, Qt::Key_Return);
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "1,5");
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(Attendi, SenzaSceltaLoDiceERestaAperto)
{
    Sportello sportello;
    DialogoAttendi d;
    apri(d);
    clicca(d, "cmdOK");
    ASSERT_EQ(sportello.dettagli.size(), 1u);
    EXPECT_EQ(sportello.visti()[0], (Messaggio{"Selezionare il tempo di attesa", Icona::Informazione, "Kobaltino", Pulsanti::Ok}));
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.esito().has_value());

    d.close();  // closing the window afterwards inserts nothing
    EXPECT_FALSE(d.esito().has_value());
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST_F(Attendi, TastiAltDeiPulsanti)
{
    {
        DialogoAttendi d;
        apri(d);
        scegli(trova<QComboBox>(d, "cmbSecondi"), "0,5");
        QTest::keyClick(d.focusWidget(), Qt::Key_O, Qt::AltModifier);
        QTest::qWait(250);  // a mnemonic presses its button visibly, then clicks
        ASSERT_TRUE(d.esito().has_value());
        EXPECT_EQ(d.esito()->parametro, "0,5");
    }
    DialogoAttendi d;
    apri(d);
    scegli(trova<QComboBox>(d, "cmbSecondi"), "0,5");
    QTest::keyClick(d.focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.esito().has_value());
}

TEST_F(Attendi, ChiudiAnnullaAncheDopoUnaScelta)
{
    DialogoAttendi d;
    apri(d);
    scegli(trova<QComboBox>(d, "cmbSecondi"), "2,5");
    clicca(d, "cmdChiudi");
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.esito().has_value());
}

}  // namespace
}  // namespace kobaltino
