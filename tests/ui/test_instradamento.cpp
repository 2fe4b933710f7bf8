// Which grid and which command every input of the main window reaches: palettes, menus, toolbar
// buttons, keys, the context menu, the recent programs and the PDF export.
#include "banco_finestra.h"
#include "ui/dati_stampa.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <optional>

namespace kobaltino {
namespace {

using Instradamento = BancoFinestra;

const Messaggio domandaRiga = domandaSiNo("Si vuole cancellare l'istruzione selezionata?");
const Messaggio domandaTutto = domandaSiNo("Vuoi cancellare tutte le istruzioni?");
const Messaggio domandaSalva{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione,
                             "ATTENZIONE", Pulsanti::SiNoAnnulla};

// A palette item (double-click or Enter) goes into the palette's own grid, with that grid's dialog;
// the grid becomes the active one, the status bar says so and the menu's next instruction follows.
TEST_F(Instradamento, LaPalettaScriveNellaSuaGrigliaCheDiventaAttiva)
{
    auto* etichetta = finestra->findChild<QLabel*>("lblGrigliaAttiva");
    ASSERT_NE(etichetta, nullptr);
    EXPECT_EQ(etichetta->text(), "Griglia attiva: Griglia principale");
    const struct {
        int k;
        const char* voce;
        bool invio;
        int codice;
        std::optional<Dialogo> dialogo;
        const char* scritta;
    } casi[] = {{8, "Avanti", false, 1, {}, "Ultrasuoni"}, {1, "Ruota a SX", false, 5, {}, "Griglia principale"},
                {9, "Ritorna", false, 14, {}, "Sensore rotazione"}, {3, "Fermo", true, 7, {}, "Luce sinistra"},
                {4, "Scorri a sinistra", false, 24, Dialogo::ScorriSinistra, "Prossimità destra"}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.voce);
        if (c.k >= 2)
            finestra->schede()->setCurrentIndex(c.k - 2);
        if (c.dialogo)
            ui.esiti.push_back(esito("Ram3"));
        QListWidget* lista = finestra->tavolozzaComuni(c.k);
        if (lista->findItems(c.voce, Qt::MatchExactly).isEmpty())
            lista = finestra->tavolozzaSalto(c.k);
        if (c.invio) {
            lista->setFocus();
            lista->setCurrentItem(lista->findItems(c.voce, Qt::MatchExactly).value(0));
            QTest::keyClick(lista, Qt::Key_Return);
        } else {
            doppioClickVoce(lista, c.voce);
        }
        const int n = stato.NumIstruzioni(c.k);
        ASSERT_GE(n, 1);
        EXPECT_EQ(stato.griglia(c.k).codice(n - 1), c.codice);
        if (c.dialogo) {
            EXPECT_EQ(ui.dialoghi.back(), std::make_pair(*c.dialogo, c.k));
        }
        EXPECT_EQ(stato.GrigliaAttiva, c.k);
        EXPECT_EQ(etichetta->text(), QStringLiteral("Griglia attiva: ") + c.scritta);
        menu("KeyDestra");
        EXPECT_EQ(stato.griglia(c.k).codice(n), codici::Destra);
    }
    EXPECT_EQ(ui.dialoghi.size(), 1u);
    EXPECT_EQ(stato.NumIstruzioni(2) + stato.NumIstruzioni(5) + stato.NumIstruzioni(10), 0);

    // "Vai a" opens the jump dialog of the palette's grid; from the menu, that of the grid last clicked.
    doppioClickVoce(finestra->tavolozzaSalto(6), "Vai a");
    EXPECT_EQ(ui.dialoghi.back(), std::make_pair(Dialogo::VaiA, 6));
    clicca(7, 0);
    finestra->schede()->setCurrentIndex(0);  // another tab in front changes nothing
    menu("KeyVaiA");
    EXPECT_EQ(ui.dialoghi.back(), std::make_pair(Dialogo::VaiA, 7));
}

// Menu, toolbar and keys reach the same outside command, and only that one. The shortcuts the menus show
// are pinned with the menus; the keys here are F1 and the usual ones beside those.
TEST_F(Instradamento, MenuBarraETastiRaggiungonoIComandiEsterni)
{
    using C = Conteggio;
    const std::pair<const char*, int C::*> casi[] = {
        {"#2", &C::apri}, {"KeyApri", &C::apri}, {"Ctrl+O", &C::apri}, {"#3", &C::salva}, {"KeySalva", &C::salva},
        {"Ctrl+S", &C::salva}, {"KeySalvaConNome", &C::salvaConNome}, {"Ctrl+Shift+S", &C::salvaConNome},
        {"KeyCompilatore", &C::compilatore}, {"#7", &C::compila}, {"KeyCompila", &C::compila}, {"#11", &C::guida},
        {"KeyGuidaInLinea", &C::guida}, {"F1", &C::guida}, {"KeyInformazioniSu", &C::informazioni}};
    const auto totale = [this] {
        return conteggio.apri + conteggio.salva + conteggio.salvaConNome + conteggio.compilatore + conteggio.compila
               + conteggio.guida + conteggio.informazioni;
    };
    for (const auto& [ingresso, contatore] : casi) {
        SCOPED_TRACE(ingresso);
        const int prima = conteggio.*contatore, tutti = totale();
        premi(ingresso);
        EXPECT_EQ(conteggio.*contatore, prima + 1);
        EXPECT_EQ(totale(), tutti + 1);
    }
}

// Cut takes the main grid's selected row; copy, paste and delete work on the active grid, whose row
// may be picked on any column; every delete asks first, and a click below the program picks nothing.
// "Nuovo" of an unmodified program clears it at once, "Cancella tutto" asks first.
TEST_F(Instradamento, ComandiDiModificaSullaGrigliaGiusta)
{
    const struct {
        const char* ingresso;
        int k, riga, colonna;
        std::vector<int> principale, attiva;
        const char* appunti;
        const Messaggio* domanda;
    } casi[] = {{"#4", 5, 1, ColCodice, {1}, {4, 7}, "2", &domandaRiga},
                {"Ctrl+X", 5, 1, ColCodice, {1}, {4, 7}, "2", &domandaRiga},
                {"#5", 5, 1, ColCodice, {1, 2}, {4, 7}, "7", nullptr},
                {"KeyCopia", 2, 0, ColCodice, {1, 2}, {4, 7}, "4", nullptr},
                {"Ctrl+C", 5, 1, ColCodice, {1, 2}, {4, 7}, "7", nullptr},
                {"#6", 5, 1, ColCodice, {1, 2}, {4, 7, 3}, "3", nullptr},
                {"KeyIncolla", 4, 1, ColCodice, {1, 2}, {4, 7, 3}, "3", nullptr},
                {"Ctrl+V", 5, 1, ColCodice, {1, 2}, {4, 7, 3}, "3", nullptr},
                {"#8", 9, 0, ColNumero, {1, 2}, {7}, "3", &domandaRiga},
                {"KeyCancella", 10, 1, ColParametro, {1, 2}, {4}, "3", &domandaRiga},
                {"Del", 5, 1, ColCodice, {1, 2}, {4}, "3", &domandaRiga},
                {"#8", 5, 3, ColCodice, {1, 2}, {4, 7}, "3", nullptr},  // a click below the program
                {"KeyNuovo", 5, 1, ColCodice, {}, {}, "3", nullptr},
                {"#1", 6, 1, ColCodice, {}, {}, "3", nullptr},
                {"KeyCancellaTutto", 5, 1, ColCodice, {}, {}, "3", &domandaTutto},
                {"#9", 6, 1, ColCodice, {}, {}, "3", &domandaTutto}};
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.ingresso << " on grid " << c.k);
        svuotaProgramma();
        riempi(1, {codici::Avanti, codici::Indietro});
        riempi(c.k, {codici::Destra, codici::Fermo});
        stato.AppuntiCodice = "3";
        stato.Modificato = false;  // "Nuovo" asks nothing
        ui.messaggi.clear();
        clicca(1, 1);
        clicca(c.k, c.riga, c.colonna);
        if (c.domanda)
            ui.risposte.push_back(Risposta::Si);
        premi(c.ingresso);
        EXPECT_EQ(codici(1), c.principale);
        EXPECT_EQ(codici(c.k), c.attiva);
        EXPECT_EQ(stato.AppuntiCodice, c.appunti);
        EXPECT_EQ(ui.messaggi, c.domanda ? std::vector<Messaggio>{*c.domanda} : std::vector<Messaggio>{});
    }
}

// The context menu shows "Copia" and "Incolla", which work on the active grid, not the clicked one.
TEST_F(Instradamento, MenuContestualeSullaGrigliaAttiva)
{
    QStringList voci;
    for (QAction* a : finestra->menuContestuale()->actions())
        if (a->isVisible())
            voci << a->text();
    EXPECT_EQ(voci, (QStringList{"Copia", "Incolla"}));

    riempi(2, {codici::Sinistra});
    riempi(4, {codici::Destra});
    clicca(2, 0);
    finestra->schede()->setCurrentIndex(2);
    VistaGriglia* v4 = finestra->vista(4);
    QTest::mousePress(v4->viewport(), Qt::RightButton, {}, v4->visualRect(v4->model()->index(0, ColCodice)).center());
    EXPECT_TRUE(finestra->menuContestuale()->isVisible());
    finestra->findChild<QAction*>("mnu_Copia1")->trigger();
    finestra->menuContestuale()->hide();
    EXPECT_EQ(stato.AppuntiCodice, "3");
    finestra->findChild<QAction*>("mnu_Incolla1")->trigger();
    EXPECT_EQ(codici(2), (std::vector<int>{3, 3}));
}

// Inputs that name no command change nothing and say nothing; a missing help command is reported.
TEST_F(Instradamento, IngressiSenzaComandoSonoIgnorati)
{
    riempi(1, {codici::Avanti});
    for (const char* chiave : {"keyFile", "KeyModifica", "KeyIstruzioni", "KeyIstruzioniComuni", "Key?", "",
                               "KeyTaglia", "keyNuovo", "KeySleep"})
        finestra->eseguiTasto(QString::fromLatin1(chiave));
    for (int indice : {0, 10, 14, -1})
        finestra->eseguiPulsante(indice);
    for (const char* voce : {"Sleep", "FINE SE", "avanti", ""})
        finestra->eseguiVoce(1, voce);

    EXPECT_EQ(codici(1), std::vector<int>{1});
    for (int k = 2; k <= 10; ++k)
        EXPECT_EQ(stato.NumIstruzioni(k), 0) << k;
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(conteggio.apri + conteggio.salva + conteggio.compila + conteggio.guida, 0);

    // Without a help command, "Guida in linea" says so.
    esterni.guida = nullptr;
    nuovaFinestra();
    menu("KeyGuidaInLinea");
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{{"La guida in linea non è ancora disponibile.", Icona::Informazione,
                                                     "Kobaltino", Pulsanti::Ok}}));
}

TEST_F(Instradamento, AttivazioneDuranteUnComandoAspettaLaFine)
{
    // A dialog that closes inside a command gives the activation back to the window: the
    // set-up must not run in the middle of the command, but right after it.
    QWidget dialogo;
    int duranteIlComando = -1;
    esterni.compila = [&] {
        const int prima = conteggio.attivazione;
        dialogo.show();
        QApplication::setActiveWindow(&dialogo);
        QTest::qWait(5);
        dialogo.hide();
        QApplication::setActiveWindow(finestra.get());
        QTest::qWait(20);
        duranteIlComando = conteggio.attivazione - prima;
    };
    nuovaFinestra();
    const int prima = conteggio.attivazione;
    finestra->eseguiPulsante(7);
    EXPECT_EQ(duranteIlComando, 0);
    QTest::qWait(20);
    EXPECT_EQ(conteggio.attivazione, prima + 1);

    // A failed activation closes the window without asking to save.
    riempi(1, {codici::Avanti});
    esitoAttivazione = false;
    attivaDiNuovo();
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_TRUE(ui.messaggi.empty());
}

// An unsaved program asks before the window goes, from the window's frame and from "Chiudi".
TEST_F(Instradamento, ChiusuraChiedeDiSalvare)
{
    riempi(1, {codici::Avanti});
    ui.risposte = {Risposta::Annulla, Risposta::Annulla};
    EXPECT_FALSE(finestra->close());
    menu("KeyChiudi");
    EXPECT_TRUE(finestra->isVisible());
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{domandaSalva, domandaSalva}));
    ui.risposte = {Risposta::No};
    menu("KeyChiudi");
    EXPECT_FALSE(finestra->isVisible());
}

// The File menu lists the last six programs, the latest first, also at the next start.
TEST_F(Instradamento, GliUltimiSeiProgrammiNelMenuFile)
{
    for (int i = 1; i <= 7; ++i) {
        stato.PercorsoFile = QStringLiteral("/scuola/p%1.kbn").arg(i);
        menu("KeyApri");  // any command: the program file named afterwards is remembered
    }
    stato.PercorsoFile = QStringLiteral("/scuola/p3.kbn");
    menu("KeyApri");
    QStringList voci;
    for (int i = 1; i <= 7; ++i)
        if (auto* a = finestra->findChild<QAction*>(QStringLiteral("KeyRecente%1").arg(i)))
            voci << a->text();
    EXPECT_EQ(voci, (QStringList{"&1 /scuola/p3.kbn", "&2 /scuola/p7.kbn", "&3 /scuola/p6.kbn", "&4 /scuola/p5.kbn",
                                 "&5 /scuola/p4.kbn", "&6 /scuola/p2.kbn"}));

    // A new window reads them back.
    nuovaFinestra();
    ASSERT_NE(finestra->findChild<QAction*>(QStringLiteral("KeyRecente6")), nullptr);
    EXPECT_EQ(finestra->findChild<QAction*>(QStringLiteral("KeyRecente1"))->text(), "&1 /scuola/p3.kbn");
    // A "&" in a folder's name is shown as it is.
    stato.PercorsoFile = QStringLiteral("/scuola/3A&3B/p.kbn");
    menu("KeyApri");
    EXPECT_EQ(finestra->findChild<QAction*>(QStringLiteral("KeyRecente1"))->text(), "&1 /scuola/3A&&3B/p.kbn");
}

// The name and class dialog: what it shows, then types in and its answer.
auto datiStampa(QString attesi, QString nome, QString classe, bool conferma)
{
    return [=](QWidget* w) {
        auto* d = qobject_cast<FrmDatiStampa*>(w);
        ASSERT_NE(d, nullptr) << w->objectName().toStdString();
        EXPECT_EQ(d->findChild<QLineEdit*>("txtNome")->text() + '|' + d->findChild<QLineEdit*>("txtClasse")->text(), attesi);
        d->findChild<QLineEdit*>("txtNome")->setText(nome);
        d->findChild<QLineEdit*>("txtClasse")->setText(classe);
        conferma ? d->accept() : d->reject();
    };
}

// "Esporta PDF..." asks the student's name and class the first time only, asks where, writes a
// PDF there, and says so when it cannot; the menu entry asks again.
TEST_F(Instradamento, EsportaPdf)
{
    QTemporaryDir cartella;
    riempi(1, {codici::Avanti, codici::Fermo});
    sorvegliante.attendi(datiStampa("|", "Anna", "", false));
    menu("KeyEsportaPdf");
    EXPECT_TRUE(ui.richiesteFile.empty());  // cancelled: no printout, nothing remembered
    EXPECT_EQ(datiStudenteRicordati(), std::nullopt);
    sorvegliante.attendi(datiStampa("|", "  Mario   Rossi ", "3B", true));
    ui.file.push_back(cartella.filePath(QStringLiteral("programma")));
    menu("KeyEsportaPdf");
    EXPECT_EQ(datiStudenteRicordati(), (DatiStudente{"Mario Rossi", "3B"}));
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Salva);
    EXPECT_EQ(ui.richiesteFile[0].filtri, QStringList{"PDF (*.pdf)"});
    EXPECT_EQ(ui.richiesteFile[0].nome, "Senza nome.pdf");
    QFile pdf(cartella.filePath(QStringLiteral("programma.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    ui.file.push_back(cartella.filePath(QStringLiteral("manca/x.pdf")));
    menu("KeyEsportaPdf");
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], (Messaggio{"Impossibile scrivere il file:\r\n" + cartella.filePath("manca/x.pdf"), Icona::Critica}));

    sorvegliante.attendi(datiStampa("Mario Rossi|3B", "", "", true));
    menu("KeyDatiStampa");
    EXPECT_EQ(datiStudenteRicordati(), (DatiStudente{"", ""}));
}

}  // namespace
}  // namespace kobaltino
