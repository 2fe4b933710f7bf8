// Every instruction dialog: what it shows, what OK checks and in which order, what it hands
// back, opened on a row already in the grid, and cancelling; the input lists behind it;
// what each data type of a memory write lets into the value box.
#include "banco_dialoghi.h"
#include "dialogs/elenchi.h"
#include "dialogs/valore_memoria.h"
#include "dialogs/fabbrica_dialoghi.h"
#include "model/banco_editor.h"
#include "support/aspetto.h"

#include "codegen/compilatore.h"
#include "model/editor.h"
#include "persist/codifica.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <tuple>

namespace kobaltino {
namespace {

// The one-cell memory operations; a missing address is asked for as "Inserire l'indirizzo
// della memoria eeprom " or "... Ram " followed by the purpose given here.
const std::pair<Dialogo, const char*> Operandi[] = {
    {Dialogo::Incrementa, "da incrementare"},
    {Dialogo::Decrementa, "da decrementare"},
    {Dialogo::Swappa, "da swappare"},
    {Dialogo::ScorriDestra, "da scorrere"},
    {Dialogo::ScorriSinistra, "da scorrere"},
    {Dialogo::Complemento, "per il complemento"},
};

// One step of filling a dialog in. When `avviso` is set, Enter first: it must show exactly
// that message ("" for none), leave the dialog open and move the focus to `campo`. Then
// `voce` goes into `campo` (see `imposta`).
struct Passo {
    std::optional<QString> avviso;
    const char* campo;
    const char* voce;
    Icona icona = Icona::Informazione;
};

// A dialog as opened on grid k and, for one dialog of each kind, the steps up to a confirmed
// OK. What each one shows is in fixtures/aspetto_dialoghi.txt, in the same order.
struct Caso {
    Dialogo dialogo;
    int k;
    std::vector<Passo> passi = {};
    std::optional<EsitoDialogo> esito = {};  // what Enter then hands back
};

std::vector<Caso> casi()
{
    const char* mancaRam = "Inserire l'indirizzo della memoria Ram";
    const char* mancaRegistro = "Scegliere un indirizzo della memoria RAM";
    const char* mancaAzione = "Inserire un azione da eseguire";
    std::vector<Caso> elenco = {
        {Dialogo::Attendi, 1, {{"Selezionare il tempo di attesa", "cmbSecondi", "1,5"}}, Postazione::esito("1,5")},
        {Dialogo::SeAttivoVaiA, 2, {{"Selezionare almeno un sensore", "cmbSensore", "Ottico_destro", Icona::Nessuna}},
         Postazione::esito("Ottico_destro")},
        {Dialogo::SeDisattivoVaiA, 1},
        {Dialogo::ScriviRam, 1,
         {{"Inserire il valore da scrivere nella memoria", "txtValoreRam", "1010101"},
          {mancaRam, "cmbIndirizzoRam", "5"},
          {"Il valore binario deve essere di 8 bit", "txtValoreRam", "1"},
          {std::nullopt, "optNumerico", ""},
          {std::nullopt, "txtValoreRam", "256"},
          {"Inserire un valore compreso tra 0 e 255", "txtValoreRam", "007"}},
         Postazione::scrittura("Ram5 d'007'", 5, "d'007'")},
        {Dialogo::ScriviEeprom, 1,
         {{"Inserire il valore da scrivere nella memoria", "txtValoreeprom", "10101010"},
          {"Inserire l'indirizzo della memoria eeprom", "cmbIndirizzoEeprom", "12"}},
         Postazione::scrittura("EEP12 b'10101010'", 12, "b'10101010'")},
        {Dialogo::SpostaEeprom, 1,
         {{"Inserire l'indirizzo della memoria eeprom da spostare", "cmbIndirizzoEeprom", "20"},
          {mancaRam, "cmbIndirizzoRam", "1"}},
         Postazione::esito("EEP20 Ram1")},
        {Dialogo::Operazioni, 1,
         {{mancaRam, "cmbIndirizzoRam", "4"},
          {mancaRam, "cmbIndirizzoRam2", "4"},
          {"Inserire l'operazione da compiere", "cmbOperazione", "-"}},
         Postazione::esito("Ram4 - Ram4")},
        {Dialogo::Se, 1,
         {{mancaRegistro, "cmbMemoriaRam1", "1"},
          {mancaRegistro, "cmbMemoriaRam2", "20"},
          {"Inserire una condizione di paragone", "cmbParagone", "Maggiore di"},
          {mancaAzione, "cmbIstruzione", "Decrementa"}},
         Postazione::esito("Ram1 > Ram20", "20")},
        {Dialogo::SeAttivoFai, 6,
         {{"Scegliere un sensore dalla lista.", "cmbSensoreAttivo", "Aux"}, {mancaAzione, "cmbIstruzione", "Ritorna"}},
         Postazione::esito("Aux", "21")},
        {Dialogo::SeDisattivoFai, 1},
    };
    // The choice in the list beside the option not selected does not count.
    for (const auto& [dialogo, scopo] : Operandi)
        elenco.push_back({dialogo, 1,
                          {{"Inserire l'indirizzo della memoria eeprom " + QString(scopo), "cmbIndirizzoEeprom", "2"},
                           {std::nullopt, "optRam", ""},
                           {"Inserire l'indirizzo della memoria Ram " + QString(scopo), "cmbIndirizzoRam", "7"}},
                          Postazione::esito("Ram7")});
    for (int k = 1; k <= 10; ++k)
        elenco.push_back({Dialogo::VaiA, k});
    // With no row chosen, OK does nothing and says nothing.
    elenco.back().passi = {{"", "cmbRiga", "299"}};
    elenco.back().esito = Postazione::salto(299);
    return elenco;
}

class Istruzioni : public BancoDialoghi {
protected:
    Stato stato;

    // Grid k holds k rows; the last grid has rows past 255, all of them targets.
    Istruzioni()
    {
        for (int k = 1; k <= 10; ++k) {
            for (int r = 0; r < (k == 10 ? 300 : k); ++r)
                stato.griglia(k).accoda(codici::Avanti, QString());
        }
    }

    std::unique_ptr<DialogoIstruzione> crea(Dialogo dialogo, int k)
    {
        stato.NomeGriglia = QStringLiteral("MSHFlexGrid%1").arg(k);
        return creaDialogo(dialogo, k, stato);
    }
};

// What each dialog shows, and that its closing button hands back nothing.
TEST_F(Istruzioni, OgniDialogoMostraISuoiTestiEChiudeSenzaConsegnare)
{
    Regia regia;
    QStringList viste;
    for (const Caso& c : casi()) {
        auto d = crea(c.dialogo, c.k);
        ASSERT_NE(d, nullptr) << c.k;
        viste << "== " + QString::number(c.k) << descrivi(*d);
        apri(*d);
        for (QPushButton* b : d->findChildren<QPushButton*>()) {
            if (!b->isDefault())  // the closing button
                QTest::mouseClick(b, Qt::LeftButton);
        }
        EXPECT_EQ(d->result(), QDialog::Rejected) << d->objectName().toStdString();
        EXPECT_FALSE(d->esito().has_value());
    }
    EXPECT_TRUE(ugualeAlFile(viste, KOBALTINO_FIXTURES "/aspetto_dialoghi.txt"));
    EXPECT_TRUE(regia.messaggi.empty());
}

TEST_F(Istruzioni, OkControllaInOrdineEConsegnaIlRisultato)
{
    for (const Caso& c : casi()) {
        if (!c.esito)
            continue;
        auto d = crea(c.dialogo, c.k);
        SCOPED_TRACE(d->objectName().toStdString());
        apri(*d);
        for (const Passo& p : c.passi) {
            if (p.avviso) {
                Regia regia;
                QTest::keyClick(d->focusWidget(), Qt::Key_Return);  // in the control that has the focus
                std::vector<Messaggio> attesi;
                if (!p.avviso->isEmpty())
                    attesi.push_back({*p.avviso, p.icona, "Kobaltino", Pulsanti::Ok});
                EXPECT_EQ(regia.messaggi, attesi);
                EXPECT_TRUE(d->isVisible());
                EXPECT_EQ(d->focusWidget(), trova<QWidget>(*d, p.campo)) << p.campo;
            }
            imposta(*d, p.campo, p.voce);
        }
        Regia regia;
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(regia.messaggi.empty());
        EXPECT_EQ(d->result(), QDialog::Accepted);
        ASSERT_TRUE(d->esito().has_value());
        const EsitoDialogo& e = *d->esito();
        EXPECT_EQ(std::tuple(e.parametro, e.azione, e.riga, e.cella, e.marca),
                  std::tuple(c.esito->parametro, c.esito->azione, c.esito->riga, c.esito->cella, c.esito->marca));
    }
}

TEST_F(Istruzioni, ScriviFiltraIlValoreSecondoIlTipoDiDato)
{
    auto dialogo = crea(Dialogo::ScriviRam, 1);
    QDialog& d = *dialogo;
    apri(d);
    auto* valore = trova<QLineEdit>(d, "txtValoreRam");
    struct Filtro {
        const char* opzione;
        const char* tasti;  // \b is Backspace
        const char* resta;
        int massimo;
    };
    const Filtro filtri[] = {
        {"optBinario", "1020a1\b01101", "10010110", 8},  // 0 and 1 only, no Backspace
        {"optCarattere", "xy\b5'z", "'", 1},              // Backspace; no digit; the apostrophe
        {"optNumerico", "x2567", "x25", 3},              // any key
    };
    QTest::keyClicks(valore, "11");
    for (const Filtro& f : filtri) {
        clicca(d, f.opzione);  // any choice, the current one too, starts the value afresh
        EXPECT_EQ(valore->text(), "") << f.opzione;
        EXPECT_EQ(valore->maxLength(), f.massimo) << f.opzione;
        QTest::keyClicks(valore, f.tasti);
        EXPECT_EQ(valore->text(), f.resta) << f.opzione;
    }
    // Pasting is held to the same rule.
    clicca(d, "optBinario");
    QApplication::clipboard()->setText("01x10011");
    valore->paste();
    EXPECT_EQ(valore->text(), "");
}

// A dialog opened on a row already in the grid shows the row's values: OK straight away
// gives back the very same parameter, and a conditional's action is shown but locked.
TEST_F(Istruzioni, ApertoSuUnaRigaOkSubitoRendeLoStessoParametro)
{
    const std::pair<Dialogo, EsitoDialogo> casi[] = {
        {Dialogo::Attendi, Postazione::esito("2,0")},
        {Dialogo::SeDisattivoVaiA, Postazione::esito("Aux")},
        {Dialogo::ScriviRam, Postazione::esito("Ram5 d'100'")},
        {Dialogo::ScriviRam, Postazione::esito("Ram20 'x'")},
        {Dialogo::ScriviEeprom, Postazione::esito("EEP12 b'10101010'")},
        {Dialogo::SpostaEeprom, Postazione::esito("EEP20 Ram1")},
        {Dialogo::Incrementa, Postazione::esito("Ram7")},
        {Dialogo::Decrementa, Postazione::esito("EEP4")},
        {Dialogo::Operazioni, Postazione::esito("Ram4 - Ram12")},
        {Dialogo::Se, Postazione::esito("Ram3 ! Ram5", "19")},
        {Dialogo::SeAttivoFai, Postazione::esito("Luce_sinistra", "21")},
        {Dialogo::VaiA, Postazione::salto(5)},
    };
    for (const auto& [dialogo, attuale] : casi) {
        SCOPED_TRACE(attuale.parametro.toStdString());
        const auto d = crea(dialogo, 6);  // six rows, and every input but Ottico_destro
        ASSERT_NE(d, nullptr);
        d->precompila(attuale);
        apri(*d);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        ASSERT_TRUE(d->esito().has_value());
        EXPECT_EQ(std::tuple(d->esito()->parametro, d->esito()->azione, d->esito()->riga),
                  std::tuple(attuale.parametro, attuale.azione, attuale.riga));
        if (auto* azione = d->findChild<QComboBox*>(QStringLiteral("cmbIstruzione"))) {
            EXPECT_FALSE(azione->isEnabled());
        }
    }
}

TEST(Elenchi, OgniGrigliaLasciaFuoriIlProprioIngressoEOgniVoceHaIlSuoCodice)
{
    // Grids 2..10 handle Luce_destra, Luce_sinistra, then the rest in list order.
    QStringList propri = TuttiGliIngressi;
    propri.swapItemsAt(0, 1);
    EXPECT_EQ(ingressiPerGriglia("MSHFlexGrid1"), TuttiGliIngressi);
    for (int k = 2; k <= 10; ++k) {
        QStringList atteso = TuttiGliIngressi;
        atteso.removeOne(propri[k - 2]);
        EXPECT_EQ(ingressiPerGriglia(QStringLiteral("MSHFlexGrid%1").arg(k)), atteso) << k;
    }
    for (const char* sconosciuta : {"", "MSHFlexGrid11", "MSHFlexGrid", "mshflexgrid1"})
        EXPECT_TRUE(ingressiPerGriglia(sconosciuta).isEmpty()) << sconosciuta;
    // The code each action and comparison stands for; nothing chosen (-1) or past the end: empty.
    QStringList codici, operatori;
    for (int i = -1; i <= 10; ++i)
        codici << codiceDellAzione(i);
    for (int i = -1; i <= 4; ++i)
        operatori << operatoreDelParagone(i);
    EXPECT_EQ(codici, (QStringList{"", "1", "2", "3", "4", "5", "6", "7", "19", "20", "21", ""}));
    EXPECT_EQ(operatori, (QStringList{"", " = ", " > ", " < ", " ! ", ""}));
}

TEST(ValoreMemoria, CarattereNelCodiceDelFileENumeroDaZeroA255)
{
    // Windows-1252 holds the euro sign and the accented Latin letters, not Greek or CJK.
    for (char16_t c : {u'\u20AC', u'è', u' '})
        EXPECT_TRUE(carattereAmmesso(TipoDato::Carattere, QChar(c))) << int(c);
    for (char16_t c : {u'\u03A9', u'\u4E2D', u'\u0081', u'\t'})
        EXPECT_FALSE(carattereAmmesso(TipoDato::Carattere, QChar(c))) << int(c);
    for (const char* v : {"0", "7", "007", "255"})
        EXPECT_TRUE(numeroByte(v)) << v;
    for (const char* v : {"", "256", "999", "-1", "+7", " 7", "7 ", "1a", "1.5", "0x1", "1000"})
        EXPECT_FALSE(numeroByte(v)) << v;
}

// Every printable character of "Carattere" through the dialog, the program file and gpasm: what
// the dialog says and hands back, the file read and saved back byte for byte, the rows Compila
// names, and the byte gpasm puts into each row's movlw once those rows hold the number advised.
TEST_F(Istruzioni, OgniCarattereDalDialogoAlFileAGpasm)
{
    const QString fuori = "il carattere %1 non si può scrivere tra apici, perché l'assemblatore non lo accetta: al suo "
                          "posto scrivere il numero d'%2' (opzione \"Numerico\", valore %2).";
    QString caratteri = QStringLiteral("€àèéìòùÿ"), rifiutate;
    for (char16_t c = u' '; c <= u'~'; ++c)
        caratteri += QChar(c);
    QByteArray file;
    std::vector<int> byte;  // what each row of the file puts into W
    for (QChar c : caratteri) {
        SCOPED_TRACE(QString(c).toStdString());
        const bool cifra = c.isDigit(), senzaApici = c == u'"' || c == u'\\';
        auto d = crea(Dialogo::ScriviRam, 1);
        apri(*d);
        clicca(*d, "optCarattere");
        imposta(*d, "cmbIndirizzoRam", "1");
        Regia regia;
        // QTest knows no key beyond ASCII: the text alone, as a keyboard layout gives it.
        QTest::sendKeyEvent(QTest::Click, d->focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        std::vector<Messaggio> detti;
        if (senzaApici)
            detti.push_back({fuori.arg(c).arg(c.unicode()).replace(0, 1, "I")});
        if (cifra || senzaApici)
            detti.push_back({"Inserire il valore da scrivere nella memoria"});
        EXPECT_EQ(regia.messaggi, detti);
        EXPECT_EQ(d->esito() ? d->esito()->parametro : "", detti.empty() ? "Ram1 '" + QString(c) + "'" : "");
        if (cifra)
            continue;
        if (senzaApici)
            rifiutate += QStringLiteral("\r\nGriglia principale, riga %1: ").arg(byte.size()) + fuori.arg(c).arg(c.unicode());
        const QByteArray uno = *inWindows1252(QString(c));
        file += "\"Ram1 '" + uno + "'\",\"13\",\"\",\"gg1\"\r\n";
        byte.push_back(static_cast<unsigned char>(uno[0]));
    }
    for (const char* tipo : {"RAM", "EEP"})
        for (int i = 1; i <= 20; ++i)
            file += "\"\",\"" + QByteArray::number(i) + "\",\"\",\"" + tipo + "\"\r\n";

    QTemporaryDir cartella;
    QFile f(cartella.filePath("caratteri.kbn"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
    f.close();
    InterazioneFinta ui;
    Editor editor(stato, ui);
    ASSERT_EQ(leggiProgramma(editor, f.fileName()).errore, 0);
    EXPECT_EQ(testoProgramma(stato), file);
    EXPECT_FALSE(Compilatore(stato, ui).genera(false));
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{{"Il programma non può essere compilato:" + rifiutate}});
    for (int r = 0; r < stato.NumIstruzioni(1); ++r)
        if (QString& p = stato.griglia(1).riga(r).parametro; p == "Ram1 '\"'" || p == "Ram1 '\\'")
            p = QStringLiteral("Ram1 d'%1'").arg(byte[static_cast<size_t>(r)]);
    const std::optional<Generazione> g = Compilatore(stato, ui).genera(false);
    ASSERT_TRUE(g);
    const EsitoAssemblaggio esito = assemblaPerSimulare(g->sorgente, "16F84", QStandardPaths::findExecutable("gpasm"));
    ASSERT_TRUE(esito.programma) << esito.problema.toStdString();
    for (size_t r = 0; r < byte.size(); ++r) {
        const int indirizzo = esito.programma->mappa.indirizzoDi({1, static_cast<int>(r)});
        EXPECT_EQ(esito.programma->immagine.programma[static_cast<size_t>(std::max(indirizzo, 0))], 0x3000 | byte[r]) << r;
    }
}

}  // namespace
}  // namespace kobaltino
