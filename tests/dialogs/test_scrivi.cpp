// "Scrivi Ram" / "Scrivi Eeprom": what each data type lets into the value box, and the
// question before overwriting a cell in use.
#include "banco_dialoghi.h"
#include "dialogs/dialogo_scrivi.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace kobaltino {
namespace {

using ScriviMemoria = BancoDialoghi;

TEST_F(ScriviMemoria, OgniTipoDiDatoFiltraITastiEIlTesto)
{
    DialogoScrivi d(Memoria::Ram, {});
    apri(d);
    auto* valore = trova<QLineEdit>(d, "txtValoreRam");
    EXPECT_EQ(d.focusWidget(), trova<QComboBox>(d, "cmbIndirizzoRam"));  // the address comes first
    struct Filtro {
        const char* opzione;
        const char* tasti;  // \b is Backspace
        const char* resta;
        int massimo;
    };
    const Filtro filtri[] = {
        {"optBinario", "1020a1\b01101", "10010110", 8},  // 0 and 1 only, no Backspace
        {"optCarattere", "5'\"\\xy\bz", "z", 1},         // no digit, quote or backslash
        {"optNumerico", "x2567", "x25", 3},              // any key
    };
    QTest::keyClicks(valore, "11");
    for (const Filtro& f : filtri) {
        trova<QComboBox>(d, "cmbIndirizzoRam")->setFocus();
        clicca(d, f.opzione);  // any choice, the current one too, starts the value afresh
        EXPECT_EQ(valore->text(), "") << f.opzione;
        EXPECT_EQ(d.focusWidget(), valore) << f.opzione;
        EXPECT_EQ(valore->maxLength(), f.massimo) << f.opzione;
        QTest::keyClicks(valore, f.tasti);
        EXPECT_EQ(valore->text(), f.resta) << f.opzione;
    }
    clicca(d, "optCarattere");
    for (QChar c : QStringLiteral("Ωé")) {  // keys QTest cannot name
        QKeyEvent tasto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(valore, &tasto);
    }
    EXPECT_EQ(valore->text(), QStringLiteral("é"));
    // Pasting is held to the same rule.
    valore->clear();
    QApplication::clipboard()->setText("7");
    valore->paste();
    EXPECT_EQ(valore->text(), "");
    clicca(d, "optBinario");
    QApplication::clipboard()->setText("01x10011");
    valore->paste();
    EXPECT_EQ(valore->text(), "");
}

TEST_F(ScriviMemoria, CellaInUsoChiedeSeSostituire)
{
    std::array<QString, CelleMemoria> marche{};
    marche[2] = "d'5'";
    DialogoScrivi d(Memoria::Ram, marche);
    apri(d);
    imposta(d, "cmbIndirizzoRam", "3");
    imposta(d, "txtValoreRam", "00000001");
    {
        Regia regia({Risposta::No});
        clicca(d, "cmdOk");
        const Messaggio domanda{"La memoria contiene già un valore.\r\nIl valore è: d'5'\r\nSostituire il valore?",
                                Icona::Informazione, "Kobaltino", Pulsanti::SiNo};
        EXPECT_EQ(regia.messaggi, std::vector<Messaggio>{domanda});
        EXPECT_EQ(regia.pulsanti, std::vector<QStringList>{QStringList({"&No", "&Sì"})});
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.esito().has_value());
    }
    Regia regia;  // cell 4 is free: no question
    imposta(d, "cmbIndirizzoRam", "4");
    clicca(d, "cmdOk");
    ASSERT_TRUE(d.esito().has_value());
    EXPECT_EQ(d.esito()->parametro, "Ram4 b'00000001'");
}

}  // namespace
}  // namespace kobaltino
