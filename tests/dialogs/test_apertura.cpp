// Opening the dialogs from the editing commands: which dialog each insertion shows, and
// what a confirmed dialog leaves in the program.
#include "banco_dialoghi.h"
#include "dialogs/fabbrica_dialoghi.h"
#include "model/editor.h"
#include "ui/interazione_qt.h"

#include <QLineEdit>
#include <QRadioButton>

namespace kobaltino {
namespace {

class Apertura : public BancoDialoghi {
protected:
    Stato stato;
    InterazioneQt ui;
    Editor editor{stato, ui};

    void riempi(int k, int quante)
    {
        for (int i = 0; i < quante; ++i)
            stato.griglia(k).accoda(codici::Avanti, QString());
    }
};

TEST_F(Apertura, OgniDialogoHaLaSuaFinestra)
{
    const std::vector<std::pair<Dialogo, QString>> attesi = {
        {Dialogo::Attendi, "frmAttendi"},
        {Dialogo::SeAttivoVaiA, "frmSe_Attivo_Salta_A1"},
        {Dialogo::SeDisattivoVaiA, "frmSe_Disattivo_Salta_A1"},
        {Dialogo::ScriviRam, "frmScrivi_Ram"},
        {Dialogo::ScriviEeprom, "frmScrivi_EEP"},
        {Dialogo::SpostaEeprom, "frmSpostaEeprom"},
        {Dialogo::Incrementa, "frmIncrementa"},
        {Dialogo::Decrementa, "frmDecrementa"},
        {Dialogo::Swappa, "frmSwappa"},
        {Dialogo::ScorriDestra, "frmScorriDestra"},
        {Dialogo::ScorriSinistra, "frmScorriSinistra"},
        {Dialogo::Complemento, "frmComplemento"},
        {Dialogo::Operazioni, "frmOperazioniTraRegistri"},
        {Dialogo::Se, "frmSe"},
        {Dialogo::SeAttivoFai, "frmSe_Attivo_Fai"},
        {Dialogo::SeDisattivoFai, "frmSe_Disattivo_Fai"}};
    for (const auto& [dialogo, nome] : attesi) {
        auto d = creaDialogo(dialogo, 1, stato);
        ASSERT_NE(d, nullptr) << nome.toStdString();
        EXPECT_EQ(d->objectName(), nome);
        EXPECT_TRUE(d->isModal());
        EXPECT_FALSE(d->esito().has_value());
    }
    for (int k = 1; k <= 10; ++k) {
        auto d = creaDialogo(Dialogo::VaiA, k, stato);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->objectName(), QStringLiteral("frmVai_A%1").arg(k));
    }
}

TEST_F(Apertura, NessunaFinestraPerRichiesteSenzaSenso)
{
    EXPECT_EQ(creaDialogo(Dialogo::Nessuno, 1, stato), nullptr);
    EXPECT_EQ(creaDialogo(Dialogo::VaiA, 0, stato), nullptr);
    EXPECT_EQ(creaDialogo(Dialogo::VaiA, 11, stato), nullptr);
    EXPECT_EQ(creaDialogo(Dialogo::Attendi, -3, stato), nullptr);
    EXPECT_EQ(ui.apriDialogo(Dialogo::Nessuno, 1, stato), std::nullopt);
}

TEST_F(Apertura, AttendiScriveLaRiga)
{
    PilotaDialoghi pilota({[](DialogoIstruzione& d) {
        scegli(trova<QComboBox>(d, "cmbSecondi"), "1,5");
        clicca(d, "cmdOK");
    }});
    editor.inserisci(1, codici::Attendi);
    EXPECT_EQ(pilota.aperti, QStringList{"frmAttendi"});
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"1,5", "8", ""}));
    EXPECT_TRUE(stato.OkAttendi);
    EXPECT_EQ(stato.ParAttendi, "1,5");
}

TEST_F(Apertura, VaiAEtichettaLaRigaScelta)
{
    riempi(2, 3);
    {
        PilotaDialoghi pilota({[](DialogoIstruzione& d) {
            EXPECT_EQ(voci(trova<QComboBox>(d, "cmbRiga")), (QStringList{"0", "1", "2"}));
            scegli(trova<QComboBox>(d, "cmbRiga"), "1");
            clicca(d, "cmdOK");
        }});
        editor.inserisci(2, codici::VaiA);
        EXPECT_EQ(pilota.aperti, QStringList{"frmVai_A2"});
    }
    EXPECT_EQ(stato.griglia(2).riga(1).etichetta, "0");
    EXPECT_EQ(stato.NumEtichette[1], 1);
    EXPECT_EQ(stato.griglia(2).riga(3), (Riga{"1", "9", ""}));
    EXPECT_TRUE(stato.OkVaiA[1]);

    // Cancelled: nothing changes.
    PilotaDialoghi pilota({[](DialogoIstruzione& d) {
        scegli(trova<QComboBox>(d, "cmbRiga"), "0");
        clicca(d, "cmdChiudi");
    }});
    editor.inserisci(2, codici::VaiA);
    EXPECT_EQ(stato.NumIstruzioni(2), 4);
    EXPECT_EQ(stato.NumEtichette[1], 1);
    EXPECT_EQ(stato.griglia(2).riga(0).etichetta, "");
    EXPECT_FALSE(stato.OkVaiA[1]);
}

TEST_F(Apertura, VaiASuGrigliaVuotaNonScriveNulla)
{
    PilotaDialoghi pilota({[](DialogoIstruzione& d) { clicca(d, "cmdOK"); }});
    editor.inserisci(1, codici::VaiA);
    EXPECT_EQ(pilota.aperti, QStringList{"frmVai_A1"});
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(stato.NumEtichette[0], 0);
}

TEST_F(Apertura, ScriviRamSegnaLaCellaEChiedePrimaDiSostituire)
{
    {
        PilotaDialoghi pilota({[](DialogoIstruzione& d) {
            QTest::mouseClick(trova<QRadioButton>(d, "optNumerico"), Qt::LeftButton);
            scegli(trova<QComboBox>(d, "cmbIndirizzoRam"), "5");
            QTest::keyClicks(trova<QLineEdit>(d, "txtValoreRam"), "100");
            clicca(d, "cmdOk");
        }});
        editor.inserisci(1, codici::ScriviRam);
    }
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"Ram5 d'100'", "13", ""}));
    EXPECT_EQ(stato.MemoriaRAM[4], "d'100'");
    EXPECT_TRUE(stato.MemoriaEEPROM[4].isEmpty());

    Sportello sportello({Risposta::Si});
    PilotaDialoghi pilota({[](DialogoIstruzione& d) {
        scegli(trova<QComboBox>(d, "cmbIndirizzoRam"), "5");
        QTest::keyClicks(trova<QLineEdit>(d, "txtValoreRam"), "11111111");
        clicca(d, "cmdOk");
    }});
    editor.inserisci(3, codici::ScriviRam);
    ASSERT_EQ(sportello.visti().size(), 1u);
    EXPECT_EQ(sportello.visti()[0].testo,
              "La memoria contiene già un valore.\r\nIl valore è: d'100'\r\nSostituire il valore?");
    EXPECT_EQ(stato.MemoriaRAM[4], "b'11111111'");
    EXPECT_EQ(stato.griglia(3).riga(0), (Riga{"Ram5 b'11111111'", "13", ""}));
}

TEST_F(Apertura, ScriviEepromSegnaLaMemoriaEeprom)
{
    stato.MemoriaRAM[0] = "d'1'";  // a used RAM cell does not make EEPROM 1 used
    Sportello nessunaDomanda;
    PilotaDialoghi pilota({[](DialogoIstruzione& d) {
        QTest::mouseClick(trova<QRadioButton>(d, "optCarattere"), Qt::LeftButton);
        scegli(trova<QComboBox>(d, "cmbIndirizzoEeprom"), "1");
        QTest::keyClicks(trova<QLineEdit>(d, "txtValoreeprom"), "A");
        clicca(d, "cmdOk");
    }});
    editor.inserisci(1, codici::ScriviEeprom);
    EXPECT_TRUE(nessunaDomanda.visti().empty());
    EXPECT_EQ(stato.MemoriaEEPROM[0], "'A'");
    EXPECT_EQ(stato.MemoriaRAM[0], "d'1'");
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"EEP1 'A'", "17", ""}));
}

TEST_F(Apertura, BloccoSeConIncrementaApreDueDialoghi)
{
    PilotaDialoghi pilota({[](DialogoIstruzione& d) {
                               scegli(trova<QComboBox>(d, "cmbMemoriaRam1"), "1");
                               scegli(trova<QComboBox>(d, "cmbMemoriaRam2"), "2");
                               scegli(trova<QComboBox>(d, "cmbParagone"), "Uguale a");
                               scegli(trova<QComboBox>(d, "cmbIstruzione"), "Incrementa");
                               clicca(d, "cmdOk");
                           },
                           [](DialogoIstruzione& d) {
                               scegli(trova<QComboBox>(d, "cmbIndirizzoEeprom"), "3");
                               clicca(d, "cmdOk");
                           }});
    editor.inserisci(1, codici::Se);
    EXPECT_EQ(pilota.aperti, (QStringList{"frmSe", "frmIncrementa"}));
    ASSERT_EQ(stato.NumIstruzioni(1), 3);
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"Ram1 = Ram2", "15", ""}));
    EXPECT_EQ(stato.griglia(1).riga(1), (Riga{"EEP3", "19", ""}));
    EXPECT_EQ(stato.griglia(1).riga(2).codice, "16");
    EXPECT_EQ(stato.AzioneSe, "19");
}

TEST_F(Apertura, InserimentoAutomaticoNonMostraDialoghi)
{
    stato.InserimentoAutomatico = true;
    PilotaDialoghi pilota({});
    for (Dialogo d : {Dialogo::Attendi, Dialogo::VaiA, Dialogo::Se, Dialogo::ScriviRam})
        EXPECT_EQ(ui.apriDialogo(d, 1, stato), std::nullopt);
    EXPECT_TRUE(pilota.aperti.isEmpty());
}

}  // namespace
}  // namespace kobaltino
