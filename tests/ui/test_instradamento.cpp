// Which grid and which command every input of the main window reaches.
#include "banco_finestra.h"

#include "ui/pannello_memoria.h"

#include <QTabWidget>

namespace kobaltino {
namespace {

using Instradamento = BancoFinestra;

TEST_F(Instradamento, PalettaInserisceNellaPropriaGrigliaCheDiventaLaAttiva)
{
    doppioClickVoce(finestra->tavolozzaComuni(8), "Avanti");
    EXPECT_EQ(codici(8), std::vector<int>{1});
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(stato.GrigliaAttiva, 8);

    doppioClickVoce(finestra->tavolozzaComuni(1), "Ruota a SX");
    doppioClickVoce(finestra->tavolozzaComuni(1), "Ruota a DX");
    EXPECT_EQ(codici(1), (std::vector<int>{5, 6}));
    doppioClickVoce(finestra->tavolozzaSalto(9), "Ritorna");
    EXPECT_EQ(codici(9), std::vector<int>{14});
}

TEST_F(Instradamento, PalettaConDialogoUsaIlDialogoDellaSuaGriglia)
{
    EsitoDialogo e;
    e.parametro = "Ram3";
    ui.esiti.push_back(e);
    doppioClickVoce(finestra->tavolozzaComuni(4), "Scorri a sinistra");
    e.parametro = "Ram4";
    ui.esiti.push_back(e);
    doppioClickVoce(finestra->tavolozzaComuni(4), "Scorri a destra");
    ASSERT_EQ(ui.dialoghi.size(), 2u);
    EXPECT_EQ(ui.dialoghi[0], std::make_pair(Dialogo::ScorriSinistra, 4));
    EXPECT_EQ(ui.dialoghi[1], std::make_pair(Dialogo::ScorriDestra, 4));
    EXPECT_EQ(codici(4), (std::vector<int>{24, 23}));
    EXPECT_EQ(stato.griglia(4).riga(0).parametro, "Ram3");

    // "Vai a" opens the jump dialog of the palette's grid, not the active one.
    doppioClickVoce(finestra->tavolozzaSalto(6), "Vai a");
    ASSERT_EQ(ui.dialoghi.size(), 3u);
    EXPECT_EQ(ui.dialoghi[2], std::make_pair(Dialogo::VaiA, 6));
}

TEST_F(Instradamento, VoceSconosciutaODoppioClickSenzaVoceNonFaNulla)
{
    finestra->eseguiVoce(1, "Sleep");
    finestra->eseguiVoce(1, "FINE SE");
    finestra->eseguiVoce(1, "avanti");
    finestra->eseguiVoce(1, "");
    // A double-click under the last item of a short palette.
    finestra->resize(1300, 1000);
    finestra->schede()->setCurrentIndex(8);
    QTest::qWait(20);
    QListWidget* lista = finestra->tavolozzaSalto(10);
    lista->setCurrentRow(-1);
    const QPoint sottoLeVoci(5, lista->viewport()->height() - 2);
    ASSERT_EQ(lista->itemAt(sottoLeVoci), nullptr);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, sottoLeVoci);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, sottoLeVoci);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(stato.NumIstruzioni(k), 0) << k;
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Instradamento, InvioSullaPalettaComeDoppioClick)
{
    QListWidget* lista = finestra->tavolozzaComuni(3);
    lista->setFocus();
    lista->setCurrentRow(6);  // "Fermo"
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_EQ(codici(3), std::vector<int>{7});
}

TEST_F(Instradamento, ClicInGrigliaLaRendeAttivaEIlMenuInserisceLi)
{
    clicca(3, 0);
    EXPECT_EQ(stato.GrigliaAttiva, 3);
    menu("KeyAvanti");
    EXPECT_EQ(codici(3), std::vector<int>{1});
    EXPECT_EQ(stato.NumIstruzioni(1), 0);

    // Changing tab does not change the active grid; a click in the main grid does.
    finestra->schede()->setCurrentIndex(7);
    menu("KeyRuotaASinistra");
    EXPECT_EQ(codici(3), (std::vector<int>{1, 5}));
    clicca(1, 4);
    EXPECT_EQ(stato.GrigliaAttiva, 1);
    menu("KeyFermo");
    EXPECT_EQ(codici(1), std::vector<int>{7});
}

TEST_F(Instradamento, VaiADalMenuUsaIlDialogoDellaGrigliaAttiva)
{
    clicca(7, 0);
    menu("KeyVaiA");
    ASSERT_EQ(ui.dialoghi.size(), 1u);
    EXPECT_EQ(ui.dialoghi[0], std::make_pair(Dialogo::VaiA, 7));
}

TEST_F(Instradamento, TagliaSempreDallaGrigliaPrincipaleCopiaEIncollaDallaAttiva)
{
    riempi(1, {codici::Avanti, codici::Indietro});
    riempi(5, {codici::Destra, codici::Fermo});
    clicca(1, 1);
    clicca(5, 1);
    EXPECT_EQ(stato.GrigliaAttiva, 5);

    ui.risposte.push_back(Risposta::Si);  // "Si vuole cancellare l'istruzione selezionata?"
    pulsante(4);                          // Taglia
    EXPECT_EQ(codici(1), std::vector<int>{1});
    EXPECT_EQ(codici(5), (std::vector<int>{4, 7}));
    EXPECT_EQ(stato.AppuntiCodice, "2");

    pulsante(5);  // Copia: row 1 of grid 5
    EXPECT_EQ(stato.AppuntiCodice, "7");
    pulsante(6);  // Incolla into grid 5
    EXPECT_EQ(codici(5), (std::vector<int>{4, 7, 7}));
    EXPECT_EQ(codici(1), std::vector<int>{1});
}

TEST_F(Instradamento, CancellaSulleGriglieNoveEDieci)
{
    riempi(9, {codici::Avanti, codici::Indietro});
    riempi(10, {codici::Destra, codici::Fermo});
    clicca(9, 0, ColNumero);
    ui.risposte.push_back(Risposta::Si);
    pulsante(8);
    EXPECT_EQ(codici(9), std::vector<int>{2});

    clicca(10, 1, ColParametro);  // the icon cell of a row without parameter
    ui.risposte.push_back(Risposta::Si);
    menu("KeyCancella");
    EXPECT_EQ(codici(10), std::vector<int>{4});
    const Messaggio domanda{"Si vuole cancellare l'istruzione selezionata?", Icona::Informazione, "ATTENZIONE",
                            Pulsanti::SiNo};
    ASSERT_EQ(ui.messaggi.size(), 2u);
    EXPECT_EQ(ui.messaggi[1], domanda);
}

TEST_F(Instradamento, ClicSuUnaRigaVuotaNonCancellaNulla)
{
    riempi(1, {codici::Avanti});
    clicca(1, 3);
    pulsante(8);
    EXPECT_EQ(codici(1), std::vector<int>{1});
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Instradamento, MenuContestualeCopiaDallaGrigliaAttivaNonDaQuellaCliccata)
{
    riempi(2, {codici::Sinistra});
    riempi(4, {codici::Destra});
    clicca(2, 0);
    finestra->schede()->setCurrentIndex(2);
    VistaGriglia* v4 = finestra->vista(4);
    const QRect cella = v4->visualRect(v4->model()->index(0, ColCodice));
    QTest::mousePress(v4->viewport(), Qt::RightButton, {}, cella.center());
    EXPECT_TRUE(finestra->menuContestuale()->isVisible());
    EXPECT_EQ(stato.GrigliaAttiva, 2);

    finestra->findChild<QAction*>("mnu_Copia1")->trigger();
    finestra->menuContestuale()->hide();
    EXPECT_EQ(stato.AppuntiCodice, "3");
    finestra->findChild<QAction*>("mnu_Incolla1")->trigger();
    EXPECT_EQ(codici(2), (std::vector<int>{3, 3}));
    EXPECT_EQ(codici(4), std::vector<int>{4});
}

TEST_F(Instradamento, NuovoECancellaTuttoDalMenuComeDallaBarra)
{
    riempi(1, {codici::Avanti});
    stato.Modificato = false;
    menu("KeyNuovo");
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    riempi(1, {codici::Avanti});
    stato.Modificato = false;
    pulsante(1);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);

    riempi(6, {codici::Avanti});
    ui.risposte.push_back(Risposta::Si);
    menu("KeyCancellaTutto");
    EXPECT_EQ(stato.NumIstruzioni(6), 0);
    riempi(6, {codici::Avanti});
    ui.risposte.push_back(Risposta::Si);
    pulsante(9);
    EXPECT_EQ(stato.NumIstruzioni(6), 0);
    const Messaggio domanda{"Vuoi cancellare tutte le istruzioni?", Icona::Informazione, "ATTENZIONE", Pulsanti::SiNo};
    ASSERT_EQ(ui.messaggi.size(), 2u);
    EXPECT_EQ(ui.messaggi[0], domanda);
    EXPECT_EQ(ui.messaggi[1], domanda);
}

TEST_F(Instradamento, BarraEMenuRaggiungonoIComandiEsterni)
{
    pulsante(2);
    pulsante(3);
    pulsante(7);
    pulsante(11);
    EXPECT_EQ(conteggio.apri, 1);
    EXPECT_EQ(conteggio.salva, 1);
    EXPECT_EQ(conteggio.compila, 1);
    EXPECT_EQ(conteggio.guida, 1);
    menu("KeyApri");
    menu("KeySalva");
    menu("KeySalvaConNome");
    menu("KeyCompilatore");
    menu("KeyCompila");
    menu("KeyGuidaInLinea");
    menu("KeyInformazioniSu");
    EXPECT_EQ(conteggio.apri, 2);
    EXPECT_EQ(conteggio.salva, 2);
    EXPECT_EQ(conteggio.salvaConNome, 1);
    EXPECT_EQ(conteggio.compilatore, 1);
    EXPECT_EQ(conteggio.compila, 2);
    EXPECT_EQ(conteggio.guida, 2);
    EXPECT_EQ(conteggio.informazioni, 1);
}

TEST_F(Instradamento, IngressiSenzaComandoSonoIgnorati)
{
    riempi(1, {codici::Avanti});
    for (const char* chiave : {"keyFile", "KeyModifica", "KeyIstruzioni", "KeyIstruzioniComuni", "Key?", "", "KeyTaglia",
                               "keyNuovo", "KeySleep"})
        finestra->eseguiTasto(QString::fromLatin1(chiave));
    for (int indice : {0, 10, 14, -1})
        finestra->eseguiPulsante(indice);
    EXPECT_EQ(codici(1), std::vector<int>{1});
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(conteggio.apri + conteggio.salva + conteggio.compila + conteggio.guida, 0);
}

TEST_F(Instradamento, GrigliaAttivaFuoriIntervalloNonFaNulla)
{
    riempi(1, {codici::Avanti});
    stato.GrigliaAttiva = 11;
    menu("KeyAvanti");
    menu("KeyCopia");
    menu("KeyCancella");
    EXPECT_EQ(codici(1), std::vector<int>{1});
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Instradamento, BraccioDalMenuSullaGrigliaAuxEDisattivaLaScheda)
{
    EXPECT_EQ(finestra->tavolozzaComuni(10)->findItems("Braccio", Qt::MatchExactly).size(), 0);
    clicca(10, 0);
    ui.risposte.push_back(Risposta::Si);
    menu("KeyBraccio");
    EXPECT_EQ(codici(10), std::vector<int>{21});
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0].testo, "L'inserimento di questa funzione disattiverà la griglia AUX.\r\nVuoi continuare?");
    EXPECT_FALSE(finestra->schede()->isTabEnabled(8));
    EXPECT_TRUE(finestra->schede()->isTabEnabled(7));

    // Deleting the only arm row gives the Aux tab back.
    stato.griglia(10).seleziona(0, ColCodice);
    ui.risposte.push_back(Risposta::Si);
    menu("KeyCancella");
    EXPECT_TRUE(finestra->schede()->isTabEnabled(8));
}

TEST_F(Instradamento, ScorciatoieDaTastiera)
{
    riempi(1, {codici::Avanti, codici::Indietro});
    riempi(2, {codici::Destra});
    finestra->vista(1)->setFocus();
    QWidget* w = finestra->vista(1);

    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_F12, Qt::ShiftModifier);
    QTest::keyClick(w, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w, Qt::Key_F9);
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ(conteggio.apri, 1);
    EXPECT_EQ(conteggio.salva, 1);
    EXPECT_EQ(conteggio.salvaConNome, 1);
    EXPECT_EQ(conteggio.compila, 1);
    EXPECT_EQ(conteggio.guida, 1);

    clicca(2, 0);
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(stato.AppuntiCodice, "4");
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(codici(2), (std::vector<int>{4, 4}));

    stato.griglia(1).seleziona(0, ColCodice);
    ui.risposte.push_back(Risposta::Si);
    QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(codici(1), std::vector<int>{2});
    EXPECT_EQ(stato.AppuntiCodice, "1");

    stato.griglia(2).seleziona(1, ColCodice);
    ui.risposte.push_back(Risposta::Si);
    QTest::keyClick(w, Qt::Key_Delete);
    EXPECT_EQ(codici(2), std::vector<int>{4});

    sorvegliante.attendi([](QWidget* dialogo) {
        EXPECT_EQ(dialogo->objectName(), "frmCancellaGriglia");
        qobject_cast<QDialog*>(dialogo)->reject();
    });
    QTest::keyClick(w, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(sorvegliante.visti(), 1);
    QApplication::setActiveWindow(finestra.get());  // the offscreen platform does not give it back

    ui.risposte.push_back(Risposta::Si);
    QTest::keyClick(w, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(stato.NumIstruzioni(1) + stato.NumIstruzioni(2), 0);

    stato.Modificato = false;
    riempi(1, {codici::Avanti});
    stato.Modificato = false;
    QTest::keyClick(w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
}

TEST_F(Instradamento, CasellaDiMemoriaRossaEValoreAlDoppioClick)
{
    stato.marca(Memoria::Ram, 3) = "d'100'";
    stato.marca(Memoria::Eeprom, 20) = "'a'";
    finestra->aggiorna();
    PannelloMemoria* p = finestra->pannelloMemoria();
    EXPECT_TRUE(p->casella(Memoria::Ram, 3)->usata());
    EXPECT_EQ(p->casella(Memoria::Ram, 3)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(p->casella(Memoria::Ram, 4)->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_TRUE(p->casella(Memoria::Eeprom, 20)->usata());
    EXPECT_FALSE(p->casella(Memoria::Ram, 20)->usata());

    QTest::mouseDClick(p->casella(Memoria::Ram, 3), Qt::LeftButton);
    QTest::mouseDClick(p->casella(Memoria::Eeprom, 1), Qt::LeftButton);
    ASSERT_EQ(ui.messaggi.size(), 2u);
    EXPECT_EQ(ui.messaggi[0], (Messaggio{"Valore inserito: d'100'", Icona::Nessuna, "Valore inserito", Pulsanti::Ok}));
    EXPECT_EQ(ui.messaggi[1], (Messaggio{"Valore inserito: ", Icona::Nessuna, "Valore inserito", Pulsanti::Ok}));

    // Clearing the program whitens the boxes again.
    riempi(1, {codici::Avanti});
    ui.risposte.push_back(Risposta::Si);
    pulsante(9);
    EXPECT_FALSE(p->casella(Memoria::Ram, 3)->usata());
    EXPECT_FALSE(p->casella(Memoria::Eeprom, 20)->usata());
}

TEST_F(Instradamento, AttivazioneDuranteUnComandoAspettaLaFine)
{
    // A dialog that closes inside a command gives the activation back to the window: the
    // set-up must not run in the middle of the command, but right after it.
    QWidget dialogo;
    QWidget* principale = nullptr;
    int duranteIlComando = -1;
    esterni.compila = [&] {
        const int prima = conteggio.attivazione;
        dialogo.show();
        QApplication::setActiveWindow(&dialogo);
        QTest::qWait(5);
        dialogo.hide();
        QApplication::setActiveWindow(principale);
        QTest::qWait(20);
        duranteIlComando = conteggio.attivazione - prima;
    };
    FrmAvvio conDialogo(editor, esterni);
    principale = &conDialogo;
    conDialogo.show();
    QApplication::setActiveWindow(&conDialogo);
    QTest::qWait(20);
    const int prima = conteggio.attivazione;
    conDialogo.eseguiPulsante(7);
    EXPECT_EQ(duranteIlComando, 0);
    QTest::qWait(20);
    EXPECT_EQ(conteggio.attivazione, prima + 1);
}

TEST_F(Instradamento, AttivazioneFallitaChiudeLaFinestraSenzaDomande)
{
    riempi(1, {codici::Avanti});  // unsaved: closing would ask, but not here
    esitoAttivazione = false;
    QWidget altra;
    altra.show();
    QApplication::setActiveWindow(&altra);
    QTest::qWait(5);
    QApplication::setActiveWindow(finestra.get());
    QTest::qWait(20);
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Instradamento, ChiusuraDellaFinestraChiedeDiSalvare)
{
    riempi(1, {codici::Avanti});
    ui.risposte.push_back(Risposta::Annulla);
    EXPECT_FALSE(finestra->close());
    EXPECT_TRUE(finestra->isVisible());
    const Messaggio domanda{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione, "ATTENZIONE",
                            Pulsanti::SiNoAnnulla};
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], domanda);

    ui.risposte.push_back(Risposta::No);
    EXPECT_TRUE(finestra->close());
}

TEST_F(Instradamento, ChiudiDalMenuNonChiedeDueVolte)
{
    riempi(1, {codici::Avanti});
    ui.risposte.push_back(Risposta::Annulla);
    menu("KeyChiudi");
    EXPECT_TRUE(finestra->isVisible());
    ui.risposte.push_back(Risposta::No);
    menu("KeyChiudi");
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_EQ(ui.messaggi.size(), 2u);
}

TEST_F(Instradamento, GuidaSenzaComandoDiceCheNonCe)
{
    esterni.guida = nullptr;
    FrmAvvio senza(editor, esterni);
    senza.findChild<QAction*>("KeyGuidaInLinea")->trigger();
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], (Messaggio{"La guida in linea non è ancora disponibile.", Icona::Informazione,
                                         "Kobaltino", Pulsanti::Ok}));
}

}  // namespace
}  // namespace kobaltino
