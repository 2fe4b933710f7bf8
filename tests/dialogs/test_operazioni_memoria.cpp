// The memory operation dialogs: the one-cell family, "Sposta Eeprom", "Operazioni tra registri".
#include "banco_dialoghi.h"
#include "dialogs/dialoghi_registri.h"
#include "dialogs/dialogo_operando.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kobaltino {
namespace {

Messaggio info(const QString& testo)
{
    return Messaggio{testo, Icona::Informazione, "Kobaltino", Pulsanti::Ok};
}

struct AttesoOperando {
    Dialogo dialogo;
    const char* nome;
    const char* titolo;
    const char* mancaEeprom;
    const char* mancaRam;
};

const AttesoOperando Famiglia[] = {
    {Dialogo::Incrementa, "frmIncrementa", "Incrementa il registro",
     "Inserire l'indirizzo della memoria eeprom da incrementare", "Inserire l'indirizzo della memoria Ram da incrementare"},
    {Dialogo::Decrementa, "frmDecrementa", "Decrementa il registro",
     "Inserire l'indirizzo della memoria eeprom da decrementare", "Inserire l'indirizzo della memoria Ram da decrementare"},
    {Dialogo::Swappa, "frmSwappa", "Swappa il registro", "Inserire l'indirizzo della memoria eeprom da swappare",
     "Inserire l'indirizzo della memoria Ram da swappare"},
    {Dialogo::ScorriDestra, "frmScorriDestra", "Scorre il registro a destra",
     "Inserire l'indirizzo della memoria eeprom da scorrere", "Inserire l'indirizzo della memoria Ram da scorrere"},
    {Dialogo::ScorriSinistra, "frmScorriSinistra", "Scorre il registro a sinistra",
     "Inserire l'indirizzo della memoria eeprom da scorrere", "Inserire l'indirizzo della memoria Ram da scorrere"},
    {Dialogo::Complemento, "frmComplemento", "Complemento a 1 del registro",
     "Inserire l'indirizzo della memoria eeprom per il complemento",
     "Inserire l'indirizzo della memoria Ram per il complemento"},
};

class UnOperando : public BancoDialoghi {
protected:
    static std::unique_ptr<DialogoOperando> crea(Dialogo d)
    {
        const MembroOperando* membro = DialogoOperando::membro(d);
        if (membro == nullptr)
            return nullptr;
        return std::make_unique<DialogoOperando>(*membro);
    }
};

TEST_F(UnOperando, SoloLeSeiOperazioniHannoUnMembro)
{
    EXPECT_EQ(DialogoOperando::membro(Dialogo::Attendi), nullptr);
    EXPECT_EQ(DialogoOperando::membro(Dialogo::SpostaEeprom), nullptr);
    EXPECT_EQ(DialogoOperando::membro(Dialogo::Nessuno), nullptr);
}

TEST_F(UnOperando, TitoliEControlli)
{
    for (const AttesoOperando& a : Famiglia) {
        auto d = crea(a.dialogo);
        ASSERT_NE(d, nullptr) << a.nome;
        EXPECT_EQ(d->objectName(), a.nome);
        EXPECT_EQ(d->windowTitle(), a.titolo);
        EXPECT_EQ(trova<QRadioButton>(*d, "optEeprom")->text(), "Indirizzo memoria Eeprom");
        EXPECT_TRUE(trova<QRadioButton>(*d, "optEeprom")->isChecked());
        EXPECT_EQ(trova<QRadioButton>(*d, "optRam")->text(), "Indirizzo memoria Ram");
        EXPECT_TRUE(trova<QComboBox>(*d, "cmbIndirizzoEeprom")->isEnabled());
        EXPECT_FALSE(trova<QComboBox>(*d, "cmbIndirizzoRam")->isEnabled());
        EXPECT_EQ(trova<QComboBox>(*d, "cmbIndirizzoEeprom")->count(), 20);
        EXPECT_EQ(trova<QComboBox>(*d, "cmbIndirizzoRam")->count(), 20);
        EXPECT_EQ(trova<QPushButton>(*d, "cmdOk")->text(), "&Ok");
        EXPECT_TRUE(trova<QPushButton>(*d, "cmdOk")->isDefault());
        EXPECT_EQ(trova<QPushButton>(*d, "cmbChiudi")->text(), "&Chiudi");
    }
}

TEST_F(UnOperando, MessaggiPerIndirizzoMancante)
{
    for (const AttesoOperando& a : Famiglia) {
        auto d = crea(a.dialogo);
        apri(*d);
        {
            Sportello sportello;
            clicca(*d, "cmdOk");
            EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info(a.mancaEeprom)}) << a.nome;
            EXPECT_EQ(d->focusWidget(), trova<QComboBox>(*d, "cmbIndirizzoEeprom")) << a.nome;
        }
        QTest::mouseClick(trova<QRadioButton>(*d, "optRam"), Qt::LeftButton);
        Sportello sportello;
        clicca(*d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info(a.mancaRam)}) << a.nome;
        EXPECT_EQ(d->focusWidget(), trova<QComboBox>(*d, "cmbIndirizzoRam")) << a.nome;
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(d->esito().has_value());
    }
}

TEST_F(UnOperando, EepromOppureRam)
{
    auto d = crea(Dialogo::Incrementa);
    apri(*d);
    scegli(trova<QComboBox>(*d, "cmbIndirizzoEeprom"), "4");
    clicca(*d, "cmdOk");
    ASSERT_TRUE(d->esito().has_value());
    EXPECT_EQ(d->esito()->parametro, "EEP4");

    auto c = crea(Dialogo::Complemento);
    apri(*c);
    QTest::mouseClick(trova<QRadioButton>(*c, "optRam"), Qt::LeftButton);
    EXPECT_FALSE(trova<QComboBox>(*c, "cmbIndirizzoEeprom")->isEnabled());
    EXPECT_TRUE(trova<QComboBox>(*c, "cmbIndirizzoRam")->isEnabled());
    scegli(trova<QComboBox>(*c, "cmbIndirizzoRam"), "7");
    premi(*c, Qt::Key_Return);
    ASSERT_TRUE(c->esito().has_value());
    EXPECT_EQ(c->esito()->parametro, "Ram7");
}

TEST_F(UnOperando, LaSceltaNellaListaDisattivataNonConta)
{
    auto d = crea(Dialogo::Swappa);
    apri(*d);
    scegli(trova<QComboBox>(*d, "cmbIndirizzoEeprom"), "2");
    QTest::mouseClick(trova<QRadioButton>(*d, "optRam"), Qt::LeftButton);
    EXPECT_EQ(trova<QComboBox>(*d, "cmbIndirizzoEeprom")->currentText(), "2");
    {
        Sportello sportello;
        clicca(*d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire l'indirizzo della memoria Ram da swappare")});
    }
    scegli(trova<QComboBox>(*d, "cmbIndirizzoRam"), "9");
    clicca(*d, "cmdOk");
    ASSERT_TRUE(d->esito().has_value());
    EXPECT_EQ(d->esito()->parametro, "Ram9");
}

TEST_F(UnOperando, ChiudiAnnulla)
{
    auto d = crea(Dialogo::ScorriDestra);
    apri(*d);
    scegli(trova<QComboBox>(*d, "cmbIndirizzoEeprom"), "1");
    clicca(*d, "cmbChiudi");
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(d->esito().has_value());
}

using SpostaEeprom = BancoDialoghi;

TEST_F(SpostaEeprom, Controlli)
{
    DialogoSpostaEeprom d;
    EXPECT_EQ(d.windowTitle(), "Spostare il valore nella Ram");
    EXPECT_EQ(trova<QLabel>(d, "Label1")->text(), "Indirizzo memoria Eeprom");
    EXPECT_EQ(trova<QLabel>(d, "Label2")->text(), "Indirizzo memoria Ram");
    EXPECT_EQ(trova<QComboBox>(d, "cmbIndirizzoEeprom")->count(), 20);
    EXPECT_EQ(trova<QComboBox>(d, "cmbIndirizzoRam")->count(), 20);
    EXPECT_EQ(trova<QPushButton>(d, "cmdOk")->text(), "&Ok");
    EXPECT_EQ(trova<QPushButton>(d, "cmbChiudi")->text(), "&Chiudi");
}

TEST_F(SpostaEeprom, MessaggiInOrdineEParametro)
{
    DialogoSpostaEeprom d;
    apri(d);
    {
        Sportello sportello;
        clicca(d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire l'indirizzo della memoria eeprom da spostare")});
        EXPECT_EQ(d.focusWidget(), trova<QComboBox>(d, "cmbIndirizzoEeprom"));
    }
    scegli(trova<QComboBox>(d, "cmbIndirizzoEeprom"), "20");
    {
        Sportello sportello;
        clicca(d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire l'indirizzo della memoria Ram")});
        EXPECT_EQ(d.focusWidget(), trova<QComboBox>(d, "cmbIndirizzoRam"));
    }
    scegli(trova<QComboBox>(d, "cmbIndirizzoRam"), "1");
    clicca(d, "cmdOk");
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "EEP20 Ram1");
}

using OperazioniTraRegistri = BancoDialoghi;

TEST_F(OperazioniTraRegistri, Controlli)
{
    DialogoOperazioni d;
    EXPECT_EQ(d.windowTitle(), "Operazioni tra registri");
    EXPECT_EQ(trova<QLabel>(d, "Label2")->text(), "Registro 1");
    EXPECT_EQ(trova<QLabel>(d, "Label3")->text(), "Registro 2");
    EXPECT_EQ(trova<QLabel>(d, "Label1")->text(), "Operazione da eseguire");
    EXPECT_EQ(voci(trova<QComboBox>(d, "cmbOperazione")), (QStringList{"+", "-"}));
    EXPECT_EQ(trova<QComboBox>(d, "cmbIndirizzoRam")->count(), 20);
    EXPECT_EQ(trova<QComboBox>(d, "cmbIndirizzoRam2")->count(), 20);
    EXPECT_EQ(trova<QPushButton>(d, "cmdOk")->text(), "&Ok");
    EXPECT_EQ(trova<QPushButton>(d, "cmbChiudi")->text(), "&Chiudi");
}

TEST_F(OperazioniTraRegistri, MessaggiInOrdine)
{
    DialogoOperazioni d;
    apri(d);
    const std::vector<std::pair<const char*, const char*>> passi = {
        {"cmbIndirizzoRam", "Inserire l'indirizzo della memoria Ram"},
        {"cmbIndirizzoRam2", "Inserire l'indirizzo della memoria Ram"},
        {"cmbOperazione", "Inserire l'operazione da compiere"}};
    for (const auto& [lista, testo] : passi) {
        Sportello sportello;
        clicca(d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info(testo)}) << lista;
        EXPECT_EQ(d.focusWidget(), trova<QComboBox>(d, lista));
        scegli(trova<QComboBox>(d, lista), QString(lista) == "cmbOperazione" ? "-" : "4");
    }
    clicca(d, "cmdOk");
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "Ram4 - Ram4");  // the same register twice is fine
}

TEST_F(OperazioniTraRegistri, Somma)
{
    DialogoOperazioni d;
    apri(d);
    scegli(trova<QComboBox>(d, "cmbIndirizzoRam"), "1");
    scegli(trova<QComboBox>(d, "cmbIndirizzoRam2"), "2");
    scegli(trova<QComboBox>(d, "cmbOperazione"), "+");
    premi(d, Qt::Key_Return);
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "Ram1 + Ram2");
}

}  // namespace
}  // namespace kobaltino
