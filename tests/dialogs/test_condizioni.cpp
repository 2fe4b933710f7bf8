// "Se", "Se attivo fai", "Se disattivo fai": the condition and the action.
#include "banco_dialoghi.h"
#include "dialogs/dialoghi_condizione.h"

#include <QLabel>
#include <QPushButton>

namespace kobaltino {
namespace {

Messaggio info(const QString& testo)
{
    return Messaggio{testo, Icona::Informazione, "Kobaltino", Pulsanti::Ok};
}

const QStringList Azioni = {"Avanti", "Indietro", "Sinistra", "Destra", "Ruota a sinistra",
                            "Ruota a destra", "Fermo", "Incrementa", "Decrementa", "Ritorna"};

using Se = BancoDialoghi;

TEST_F(Se, FraseDaLeggereDallAltoInBasso)
{
    DialogoSe d;
    EXPECT_EQ(d.windowTitle(), "Creare la condizione");
    EXPECT_EQ(trova<QLabel>(d, "Label1")->text(), "Se il valore in memoria");
    EXPECT_EQ(trova<QLabel>(d, "Label2")->text(), QStringLiteral("è"));
    EXPECT_EQ(trova<QLabel>(d, "Label3")->text(), "il valore in memoria");
    EXPECT_EQ(trova<QLabel>(d, "Label4")->text(), "allora fai");
    EXPECT_EQ(trova<QComboBox>(d, "cmbMemoriaRam1")->count(), 20);
    EXPECT_EQ(trova<QComboBox>(d, "cmbMemoriaRam2")->count(), 20);
    EXPECT_EQ(voci(trova<QComboBox>(d, "cmbParagone")),
              (QStringList{"Uguale a", "Maggiore di", "Minore di", "Differente da"}));
    EXPECT_EQ(voci(trova<QComboBox>(d, "cmbIstruzione")), Azioni);
    EXPECT_EQ(trova<QPushButton>(d, "cmdOk")->text(), "&Ok");
    EXPECT_TRUE(trova<QPushButton>(d, "cmdOk")->isDefault());
    EXPECT_EQ(trova<QPushButton>(d, "cmdEsci")->text(), "&Esci");
    for (QComboBox* lista : d.findChildren<QComboBox*>()) {
        EXPECT_FALSE(lista->isEditable());
        EXPECT_EQ(lista->currentIndex(), -1);
    }
}

TEST_F(Se, OgniConfrontoIlSuoOperatoreOgniAzioneIlSuoCodice)
{
    const std::vector<std::pair<QString, QString>> confronti = {
        {"Uguale a", "Ram2 = Ram2"}, {"Maggiore di", "Ram2 > Ram2"}, {"Minore di", "Ram2 < Ram2"},
        {"Differente da", "Ram2 ! Ram2"}};
    const QStringList codici = {"1", "2", "3", "4", "5", "6", "7", "19", "20", "21"};
    for (int i = 0; i < Azioni.size(); ++i) {
        const auto& [confronto, condizione] = confronti[static_cast<size_t>(i) % confronti.size()];
        DialogoSe d;
        apri(d);
        scegli(trova<QComboBox>(d, "cmbMemoriaRam1"), "2");
        scegli(trova<QComboBox>(d, "cmbMemoriaRam2"), "2");
        scegli(trova<QComboBox>(d, "cmbParagone"), confronto);
        scegli(trova<QComboBox>(d, "cmbIstruzione"), Azioni[i]);
        premi(d, Qt::Key_Return);
        ASSERT_TRUE(d.esito().has_value()) << Azioni[i].toStdString();
        EXPECT_EQ(d.esito()->parametro, condizione);
        EXPECT_EQ(d.esito()->azione, codici[i]) << Azioni[i].toStdString();
    }
}

TEST_F(Se, ControlliInOrdineConIlFuoco)
{
    DialogoSe d;
    apri(d);
    const std::vector<std::tuple<const char*, const char*, const char*>> passi = {
        {"cmbMemoriaRam1", "Scegliere un indirizzo della memoria RAM", "1"},
        {"cmbMemoriaRam2", "Scegliere un indirizzo della memoria RAM", "20"},
        {"cmbParagone", "Inserire una condizione di paragone", "Maggiore di"},
        {"cmbIstruzione", "Inserire un azione da eseguire", "Decrementa"}};
    for (const auto& [lista, testo, voce] : passi) {
        Sportello sportello;
        clicca(d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info(testo)}) << lista;
        EXPECT_EQ(d.focusWidget(), trova<QComboBox>(d, lista)) << lista;
        EXPECT_TRUE(d.isVisible());
        scegli(trova<QComboBox>(d, lista), voce);
    }
    clicca(d, "cmdOk");
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "Ram1 > Ram20");
    EXPECT_EQ(d.esito()->azione, "20");
}

TEST_F(Se, EsciEscAnnullano)
{
    for (bool conEsc : {false, true}) {
        DialogoSe d;
        apri(d);
        scegli(trova<QComboBox>(d, "cmbMemoriaRam1"), "1");
        if (conEsc)
            premi(d, Qt::Key_Escape);
        else
            clicca(d, "cmdEsci");
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(d.esito().has_value());
    }
}

using SensoreFai = BancoDialoghi;

TEST_F(SensoreFai, DueMembri)
{
    DialogoSensoreFai attivo(true, "MSHFlexGrid1");
    EXPECT_EQ(attivo.objectName(), "frmSe_Attivo_Fai");
    EXPECT_EQ(attivo.windowTitle(), "Scegliere attivo");
    EXPECT_EQ(trova<QLabel>(attivo, "Label1")->text(), QStringLiteral("Se il sensore è attivo"));
    EXPECT_EQ(trova<QLabel>(attivo, "Label4")->text(), "allora fai");
    EXPECT_EQ(voci(trova<QComboBox>(attivo, "cmbIstruzione")), Azioni);
    EXPECT_EQ(trova<QComboBox>(attivo, "cmbSensoreAttivo")->count(), 9);
    EXPECT_EQ(trova<QPushButton>(attivo, "cmdOk")->text(), "&Ok");
    EXPECT_EQ(trova<QPushButton>(attivo, "cmdEsci")->text(), "&Esci");

    DialogoSensoreFai disattivo(false, "MSHFlexGrid1");
    EXPECT_EQ(disattivo.objectName(), "frmSe_Disattivo_Fai");
    EXPECT_EQ(disattivo.windowTitle(), "Scegliere sensore disattivo");
    EXPECT_EQ(trova<QLabel>(disattivo, "Label1")->text(), QStringLiteral("Se il sensore è disattivo"));
}

TEST_F(SensoreFai, GrigliaDellOtticoDestro)
{
    DialogoSensoreFai d(true, "MSHFlexGrid6");
    const QStringList ingressi = voci(trova<QComboBox>(d, "cmbSensoreAttivo"));
    EXPECT_EQ(ingressi, (QStringList{"Luce_sinistra", "Luce_destra", "Prossimita_destra", "Prossimita_sinistra",
                                     "Ottico_sinistro", "Ultrasuono", "Sensore_rotazione", "Aux"}));
    apri(d);
    scegli(trova<QComboBox>(d, "cmbSensoreAttivo"), "Aux");
    scegli(trova<QComboBox>(d, "cmbIstruzione"), "Ritorna");
    clicca(d, "cmdOk");
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "Aux");
    EXPECT_EQ(d.esito()->azione, "21");
}

TEST_F(SensoreFai, ControlliInOrdine)
{
    DialogoSensoreFai d(false, "MSHFlexGrid1");
    apri(d);
    {
        Sportello sportello;
        clicca(d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Scegliere un sensore dalla lista.")});
        EXPECT_EQ(d.focusWidget(), trova<QComboBox>(d, "cmbSensoreAttivo"));
    }
    scegli(trova<QComboBox>(d, "cmbSensoreAttivo"), "Ultrasuono");
    {
        Sportello sportello;
        clicca(d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire un azione da eseguire")});
        EXPECT_EQ(d.focusWidget(), trova<QComboBox>(d, "cmbIstruzione"));
    }
    EXPECT_FALSE(d.esito().has_value());
    clicca(d, "cmdEsci");
    EXPECT_FALSE(d.esito().has_value());
}

}  // namespace
}  // namespace kobaltino
