// "Scrivi Ram" / "Scrivi Eeprom": address, data type, the typed value and its literal.
#include "banco_dialoghi.h"
#include "dialogs/dialogo_scrivi.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kobaltino {
namespace {

class ScriviMemoria : public BancoDialoghi {
protected:
    std::array<QString, CelleMemoria> marche{};
    DialogoScrivi ram{Memoria::Ram, marche};

    void SetUp() override { apri(ram); }

    QLineEdit* valore() { return trova<QLineEdit>(ram, "txtValoreRam"); }
    QComboBox* indirizzo() { return trova<QComboBox>(ram, "cmbIndirizzoRam"); }
    void tipo(const char* opzione) { QTest::mouseClick(trova<QRadioButton>(ram, opzione), Qt::LeftButton); }
    void digita(const QString& tasti) { QTest::keyClicks(valore(), tasti); }
};

Messaggio info(const QString& testo)
{
    return Messaggio{testo, Icona::Informazione, "Kobaltino", Pulsanti::Ok};
}

TEST_F(ScriviMemoria, ControlliDelleDueMemorie)
{
    EXPECT_EQ(ram.windowTitle(), "Scrivi nella memoria ram");
    EXPECT_EQ(trova<QLabel>(ram, "lblIndirizzoRam")->text(), "Indirizzo Ram");
    EXPECT_EQ(trova<QLabel>(ram, "lblValoreRam")->text(), "Valore da scrivere");
    EXPECT_EQ(trova<QGroupBox>(ram, "fmTipodidato")->title(), "Tipo di dato");
    EXPECT_EQ(trova<QRadioButton>(ram, "optNumerico")->text(), "Numerico");
    EXPECT_EQ(trova<QRadioButton>(ram, "optCarattere")->text(), "Carattere");
    EXPECT_EQ(trova<QRadioButton>(ram, "optBinario")->text(), "Binario");
    EXPECT_TRUE(trova<QRadioButton>(ram, "optBinario")->isChecked());
    EXPECT_EQ(valore()->maxLength(), 8);
    EXPECT_EQ(ram.focusWidget(), indirizzo());  // the address comes first
    EXPECT_EQ(trova<QPushButton>(ram, "cmdOk")->text(), "&Ok");
    EXPECT_TRUE(trova<QPushButton>(ram, "cmdOk")->isDefault());
    EXPECT_EQ(trova<QPushButton>(ram, "cmdChiudi")->text(), "&Chiudi");
    EXPECT_EQ(voci(indirizzo()).size(), 20);
    EXPECT_EQ(voci(indirizzo()).first(), "1");
    EXPECT_EQ(voci(indirizzo()).last(), "20");
    EXPECT_EQ(indirizzo()->currentIndex(), -1);
    EXPECT_FALSE(indirizzo()->isEditable());

    DialogoScrivi eep(Memoria::Eeprom, marche);
    EXPECT_EQ(eep.windowTitle(), "Scrivi nella memoria eeprom");
    EXPECT_EQ(trova<QLabel>(eep, "lblIndirizzoRam")->text(), "Indirizzo Eeprom");
    EXPECT_EQ(trova<QComboBox>(eep, "cmbIndirizzoEeprom")->count(), 20);
    EXPECT_NE(trova<QLineEdit>(eep, "txtValoreeprom"), nullptr);
}

TEST_F(ScriviMemoria, BinarioAccettaSoloZeroEUno)
{
    digita("1020a1");
    EXPECT_EQ(valore()->text(), "1001");
    QTest::keyClick(valore(), Qt::Key_Backspace);
    EXPECT_EQ(valore()->text(), "1001");
    digita("0110");
    EXPECT_EQ(valore()->text(), "10010110");
    digita("1");  // a ninth bit
    EXPECT_EQ(valore()->text(), "10010110");
}

TEST_F(ScriviMemoria, BinarioCorto)
{
    Sportello sportello;
    scegli(indirizzo(), "4");
    digita("1010");
    clicca(ram, "cmdOk");
    EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Il valore binario deve essere di 8 bit")});
    EXPECT_EQ(ram.focusWidget(), valore());
    EXPECT_TRUE(ram.isVisible());
    EXPECT_FALSE(ram.esito().has_value());
}

TEST_F(ScriviMemoria, BinarioInEeprom)
{
    DialogoScrivi eep(Memoria::Eeprom, marche);
    apri(eep);
    scegli(trova<QComboBox>(eep, "cmbIndirizzoEeprom"), "12");
    QTest::keyClicks(trova<QLineEdit>(eep, "txtValoreeprom"), "10101010");
    premi(eep, Qt::Key_Return);
    ASSERT_TRUE(eep.esito().has_value());
    EXPECT_EQ(eep.esito()->parametro, "EEP12 b'10101010'");
    EXPECT_EQ(eep.esito()->cella, 12);
    EXPECT_EQ(eep.esito()->marca, "b'10101010'");
}

TEST_F(ScriviMemoria, CarattereScartaCifreEVirgolette)
{
    tipo("optCarattere");
    digita("5'\"\\");
    EXPECT_EQ(valore()->text(), "");
    digita("xy");  // one character at most
    EXPECT_EQ(valore()->text(), "x");
    QTest::keyClick(valore(), Qt::Key_Backspace);
    EXPECT_EQ(valore()->text(), "");
    digita("x");
    scegli(indirizzo(), "2");
    clicca(ram, "cmdOk");
    ASSERT_TRUE(ram.esito().has_value());
    EXPECT_EQ(ram.esito()->parametro, "Ram2 'x'");
    EXPECT_EQ(ram.esito()->marca, "'x'");
}

TEST_F(ScriviMemoria, CarattereFuoriDallaCodificaDelFile)
{
    tipo("optCarattere");
    digitaUnicode(valore(), QString(QChar(0x03A9)));
    EXPECT_EQ(valore()->text(), "");
    digitaUnicode(valore(), QStringLiteral("é"));
    EXPECT_EQ(valore()->text(), QStringLiteral("é"));
}

TEST_F(ScriviMemoria, IncollareNonAggiraIlFiltro)
{
    QApplication::clipboard()->setText("01x10011");
    valore()->paste();
    EXPECT_EQ(valore()->text(), "");
    tipo("optCarattere");
    QApplication::clipboard()->setText("7");
    valore()->paste();
    EXPECT_EQ(valore()->text(), "");
}

TEST_F(ScriviMemoria, NumericoDaZeroA255)
{
    Sportello sportello;
    tipo("optNumerico");
    scegli(indirizzo(), "5");
    digita("2567");  // three characters at most
    EXPECT_EQ(valore()->text(), "256");
    clicca(ram, "cmdOk");
    EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire un valore compreso tra 0 e 255")});
    EXPECT_EQ(ram.focusWidget(), valore());
    EXPECT_FALSE(ram.esito().has_value());

    valore()->clear();
    digita("255");
    clicca(ram, "cmdOk");
    ASSERT_TRUE(ram.esito().has_value());
    EXPECT_EQ(ram.esito()->parametro, "Ram5 d'255'");
}

TEST_F(ScriviMemoria, NumericoComeScritto)
{
    for (const char* v : {"0", "007", "100"}) {
        DialogoScrivi d(Memoria::Ram, marche);
        apri(d);
        QTest::mouseClick(trova<QRadioButton>(d, "optNumerico"), Qt::LeftButton);
        scegli(trova<QComboBox>(d, "cmbIndirizzoRam"), "5");
        QTest::keyClicks(trova<QLineEdit>(d, "txtValoreRam"), v);
        clicca(d, "cmdOk");
        ASSERT_TRUE(d.esito().has_value()) << v;
        EXPECT_EQ(d.esito()->parametro, QStringLiteral("Ram5 d'%1'").arg(v));
        EXPECT_EQ(d.esito()->marca, QStringLiteral("d'%1'").arg(v));
        EXPECT_EQ(d.esito()->cella, 5);
    }
}

TEST_F(ScriviMemoria, CambiareTipoSvuotaIlValoreELoRendeAttivo)
{
    digita("1100");
    indirizzo()->setFocus();
    tipo("optNumerico");
    EXPECT_EQ(valore()->text(), "");
    EXPECT_EQ(ram.focusWidget(), valore());
    digita("12");
    tipo("optNumerico");  // the same option again starts afresh too
    EXPECT_EQ(valore()->text(), "");
}

TEST_F(ScriviMemoria, PrimaIlValorePoiLIndirizzo)
{
    {
        Sportello sportello;
        clicca(ram, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire il valore da scrivere nella memoria")});
        EXPECT_EQ(ram.focusWidget(), valore());
    }
    {
        Sportello sportello;
        digita("11110000");
        clicca(ram, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire l'indirizzo della memoria Ram")});
        EXPECT_EQ(ram.focusWidget(), indirizzo());
    }
    DialogoScrivi eep(Memoria::Eeprom, marche);
    apri(eep);
    Sportello sportello;
    QTest::keyClicks(trova<QLineEdit>(eep, "txtValoreeprom"), "11110000");
    clicca(eep, "cmdOk");
    EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{info("Inserire l'indirizzo della memoria eeprom")});
    EXPECT_FALSE(eep.esito().has_value());
}

TEST_F(ScriviMemoria, CellaGiaUsataChiedeSeSostituire)
{
    marche[2] = "d'5'";
    const Messaggio domanda{"La memoria contiene già un valore.\r\nIl valore è: d'5'\r\nSostituire il valore?",
                            Icona::Informazione, "Kobaltino", Pulsanti::SiNo};
    DialogoScrivi d(Memoria::Ram, marche);
    apri(d);
    scegli(trova<QComboBox>(d, "cmbIndirizzoRam"), "3");
    QTest::keyClicks(trova<QLineEdit>(d, "txtValoreRam"), "00000001");
    {
        Sportello sportello({Risposta::No});
        clicca(d, "cmdOk");
        EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{domanda});
        EXPECT_EQ(sportello.dettagli[0].pulsanti, (QStringList{"&No", "&Sì"}));
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.esito().has_value());
    }
    Sportello sportello({Risposta::Si});
    clicca(d, "cmdOk");
    EXPECT_EQ(sportello.visti(), std::vector<Messaggio>{domanda});
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "Ram3 b'00000001'");

    // Another cell is free: no question.
    DialogoScrivi libera(Memoria::Ram, marche);
    apri(libera);
    Sportello nessuno;
    scegli(trova<QComboBox>(libera, "cmbIndirizzoRam"), "4");
    QTest::keyClicks(trova<QLineEdit>(libera, "txtValoreRam"), "00000001");
    clicca(libera, "cmdOk");
    EXPECT_TRUE(nessuno.visti().empty());
    EXPECT_TRUE(libera.esito().has_value());
}

TEST_F(ScriviMemoria, LaDomandaGuardaLaMemoriaGiusta)
{
    marche[6] = "'A'";  // RAM 7 used; EEPROM marks are all empty
    std::array<QString, CelleMemoria> eeprom{};
    eeprom[0] = "b'11111111'";
    DialogoScrivi d(Memoria::Eeprom, eeprom);
    apri(d);
    scegli(trova<QComboBox>(d, "cmbIndirizzoEeprom"), "7");
    QTest::keyClicks(trova<QLineEdit>(d, "txtValoreeprom"), "00000000");
    Sportello sportello;
    clicca(d, "cmdOk");
    EXPECT_TRUE(sportello.visti().empty());
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "EEP7 b'00000000'");
}

TEST_F(ScriviMemoria, ChiudiNonRestituisceNulla)
{
    scegli(indirizzo(), "1");
    digita("11111111");
    clicca(ram, "cmdChiudi");
    EXPECT_FALSE(ram.isVisible());
    EXPECT_FALSE(ram.esito().has_value());
}

}  // namespace
}  // namespace kobaltino
