// "Se attivo vai a" / "Se disattivo vai a": the input to test.
#include "banco_dialoghi.h"
#include "dialogs/dialogo_sensore.h"

#include <QLabel>
#include <QPushButton>

namespace kobaltino {
namespace {

using SensoreVaiA = BancoDialoghi;

TEST_F(SensoreVaiA, TitoloControlliESuggerimenti)
{
    for (const char* nome : {"frmSe_Attivo_Salta_A1", "frmSe_Disattivo_Salta_A1"}) {
        DialogoSensore d(nome, "MSHFlexGrid1");
        EXPECT_EQ(d.objectName(), nome);
        EXPECT_EQ(d.windowTitle(), "Seleziona il sensore dove saltare");
        EXPECT_EQ(trova<QLabel>(d, "lblRiga")->text(), "Sensore:");
        auto* lista = trova<QComboBox>(d, "cmbSensore");
        EXPECT_FALSE(lista->isEditable());
        EXPECT_EQ(lista->currentIndex(), -1);
        EXPECT_EQ(lista->toolTip(), "Fare click per scegliere il sensore dove saltare");
        EXPECT_EQ(trova<QPushButton>(d, "cmdOK")->text(), "&OK");
        EXPECT_EQ(trova<QPushButton>(d, "cmdOK")->toolTip(), "Fare click per assegnare il sensore dove saltare");
        EXPECT_TRUE(trova<QPushButton>(d, "cmdOK")->isDefault());
        EXPECT_EQ(trova<QPushButton>(d, "cmdChiudi")->text(), "&Chiudi");
        EXPECT_EQ(trova<QPushButton>(d, "cmdChiudi")->toolTip(), "Fare click per chiudere la finestra");
    }
}

TEST_F(SensoreVaiA, LaListaSegueLaGrigliaDestinazione)
{
    DialogoSensore luceDestra("frmSe_Attivo_Salta_A1", "MSHFlexGrid2");
    EXPECT_EQ(voci(trova<QComboBox>(luceDestra, "cmbSensore")),
              (QStringList{"Luce_sinistra", "Prossimita_destra", "Prossimita_sinistra", "Ottico_destro",
                           "Ottico_sinistro", "Ultrasuono", "Sensore_rotazione", "Aux"}));
    DialogoSensore nessuna("frmSe_Disattivo_Salta_A1", "Griglia");
    EXPECT_EQ(trova<QComboBox>(nessuna, "cmbSensore")->count(), 0);
}

TEST_F(SensoreVaiA, IlSensoreSceltoDiventaIlParametro)
{
    DialogoSensore d("frmSe_Disattivo_Salta_A1", "MSHFlexGrid1");
    apri(d);
    scegli(trova<QComboBox>(d, "cmbSensore"), "Ottico_destro");
    clicca(d, "cmdOK");
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "Ottico_destro");
}

TEST_F(SensoreVaiA, SenzaSceltaUnMessaggioSenzaIcona)
{
    Sportello sportello;
    DialogoSensore d("frmSe_Attivo_Salta_A1", "MSHFlexGrid5");
    apri(d);
    premi(d, Qt::Key_Return);
    ASSERT_EQ(sportello.dettagli.size(), 1u);
    EXPECT_EQ(sportello.visti()[0], (Messaggio{"Selezionare almeno un sensore", Icona::Nessuna, "Kobaltino", Pulsanti::Ok}));
    EXPECT_TRUE(d.isVisible());

    clicca(d, "cmdChiudi");  // and then "Chiudi" inserts nothing
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.esito().has_value());
}

TEST_F(SensoreVaiA, EscAnnulla)
{
    DialogoSensore d("frmSe_Attivo_Salta_A1", "MSHFlexGrid1");
    apri(d);
    scegli(trova<QComboBox>(d, "cmbSensore"), "Aux");
    premi(d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.esito().has_value());
}

}  // namespace
}  // namespace kobaltino
