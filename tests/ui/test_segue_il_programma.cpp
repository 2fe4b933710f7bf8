// What the main window shows follows the program and the student's own choices: the processor,
// the "Aux" tab and the arm, the modified mark, the caption and the active grid.
#include "banco_finestra.h"

#include "dialogs/frm_cancella_griglia.h"
#include "persist/comandi_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWindow>

#include <optional>

namespace kobaltino {
namespace {

// The main window with the real file commands, over a throw-away application folder.
class SegueIlProgramma : public BancoFinestra {
protected:
    void SetUp() override
    {
        stato.AvvisoCompilatore = true;  // no compiler warning at activation
        BancoFinestra::SetUp();
        esterni.apri = [this] { file.apri(); };
        esterni.salvaConNome = [this] { file.salvaConNome(); };
        esterni.attivazione = [this] {
            ++conteggio.attivazione;
            return file.attivazione();
        };
        nuovaFinestra();
    }

    QString scrivi(const QString& nome, const QByteArray& byte)
    {
        const QString p = cartella.filePath(nome);
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(byte);
        return p;
    }

    static QByteArray leggi(const QString& percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Everything the user's settings hold, file after file.
    static QByteArray preferenzeSalvate()
    {
        QByteArray tutto;
        for (QDirIterator it(cartellaPreferenze(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            tutto += leggi(it.next());
        return tutto;
    }

    // Another window takes the focus, then the main window gets it back.
    void attivaDiNuovo()
    {
        const int prima = conteggio.attivazione;
        QWidget altra;
        altra.show();
        QApplication::setActiveWindow(&altra);
        QTest::qWait(5);
        QApplication::setActiveWindow(finestra.get());
        QTest::qWait(20);
        EXPECT_GT(conteggio.attivazione, prima);
    }

    // "Cancella griglia..." from the menu, with the boxes of `griglie` checked.
    void cancellaGriglie(std::vector<int> griglie)
    {
        sorvegliante.attendi([griglie](QWidget* w) {
            auto* dialogo = qobject_cast<FrmCancellaGriglia*>(w);
            ASSERT_NE(dialogo, nullptr);
            for (int k : griglie)
                dialogo->casella(k)->setChecked(true);
            QTest::mouseClick(dialogo->findChild<QPushButton*>("cmdCancella"), Qt::LeftButton);
        });
        menu("KeyCancellaGriglia");
        QApplication::setActiveWindow(finestra.get());  // the offscreen platform does not give it back
    }

    // An empty program, as after "Nuovo", without going through the window.
    void svuotaProgramma()
    {
        for (Griglia& g : stato.griglie)
            g.svuota();
        editor.seguiBraccio();
    }

    bool auxAbilitata() const { return finestra->schede()->isTabEnabled(8); }
    QString titoloMostrato() const { return finestra->windowHandle()->title(); }

    QTemporaryDir cartella;
    ComandiFile file{editor, cartella.path()};
};

TEST_F(SegueIlProgramma, IlProcessoreRestaQuelloSceltoEPassaAlProssimoAvvio)
{
    QComboBox* cmb = finestra->processore();
    EXPECT_EQ(cmb->currentText(), "16F84");  // a first start
    cmb->setCurrentIndex(cmb->findText("16F628"));
    attivaDiNuovo();
    sorvegliante.attendi([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    menu("KeyCancellaGriglia");  // a dialog that opens and closes
    attivaDiNuovo();
    EXPECT_EQ(cmb->currentText(), "16F628");
    EXPECT_EQ(stato.Processore, "16F628");

    // The next start shows it again, from the user's settings; Data.dat keeps its two lines.
    stato.Processore = "16F84";
    nuovaFinestra();
    EXPECT_EQ(finestra->processore()->currentText(), "16F628");
    EXPECT_EQ(stato.Processore, "16F628");
    EXPECT_TRUE(preferenzeSalvate().contains("processore=16F628"));
    file.riscriviImpostazioni();
    const QByteArray dati = leggi(file.fileImpostazioni());
    EXPECT_EQ(dati.count("\r\n"), 2);
    EXPECT_FALSE(dati.contains("16F"));
}

TEST_F(SegueIlProgramma, AllAvvioIlProcessoreRicordatoSeEUnoDeiTre)
{
    const struct {
        std::optional<QString> salvato;
        const char* mostrato;
    } casi[] = {{std::nullopt, "16F84"}, {"16F84A", "16F84A"}, {"16F628", "16F628"}, {"16F877", "16F84"},
                {"", "16F84"}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.salvato.value_or("<niente>").toStdString());
        {
            QSettings preferenze(QSettings::UserScope, "Kobaltino", "Kobaltino");
            preferenze.clear();
            if (c.salvato)
                preferenze.setValue("processore", *c.salvato);
        }
        nuovaFinestra();
        EXPECT_EQ(finestra->processore()->currentText(), c.mostrato);
        EXPECT_EQ(stato.Processore, c.mostrato);
    }
}

TEST_F(SegueIlProgramma, SchedaAuxEBraccioSeguonoIlProgramma)
{
    const QString senzaBraccio = scrivi("giro.kbn", "\"\",\"1\",\"\",\"gg1\"\r\n");
    const QString conBraccio = scrivi("braccio.kbn", "\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"21\",\"\",\"gg4\"\r\n");
    const struct {
        const char* nome;
        std::function<void()> comando;
        bool aux;
        const char* braccio;
    } casi[] = {
        {"Nuovo", [&] { ui.risposte = {Risposta::No}; pulsante(1); }, true, "Chiuso"},
        {"Cancella tutto", [&] { ui.risposte = {Risposta::Si}; pulsante(9); }, true, "Chiuso"},
        {"Cancella griglia, quella del Braccio", [&] { cancellaGriglie({1}); }, true, "Chiuso"},
        {"Cancella griglia, un'altra", [&] { cancellaGriglie({2}); }, false, "Aperto"},
        {"Apri, senza Braccio", [&] { ui.risposte = {Risposta::No}; ui.file = {senzaBraccio}; pulsante(2); }, true,
         "Chiuso"},
        {"Apri, con Braccio", [&] { ui.risposte = {Risposta::No}; ui.file = {conBraccio}; pulsante(2); }, false,
         "Aperto"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        svuotaProgramma();
        ui.risposte = {Risposta::Si};  // "L'inserimento di questa funzione disattiverà la griglia AUX."
        riempi(1, {codici::Avanti, codici::Braccio});
        riempi(2, {codici::Fermo});
        ASSERT_FALSE(auxAbilitata());
        c.comando();
        EXPECT_EQ(auxAbilitata(), c.aux);
        EXPECT_EQ(stato.AuxAbilitata, c.aux);
        EXPECT_EQ(stato.StatoBraccio, c.braccio);
        EXPECT_TRUE(ui.risposte.empty());
    }
    // Coming back to the window leaves the arm as the program has it.
    attivaDiNuovo();
    EXPECT_EQ(stato.StatoBraccio, "Aperto");
    ui.risposte.clear();
    menu("KeyBraccio");
    EXPECT_EQ(stato.griglia(1).riga(1).parametro, "Chiuso");
}

TEST_F(SegueIlProgramma, CancellareSegnaIlProgrammaModificatoEChiudiNuovoApriChiedono)
{
    const QString giro = scrivi("giro.kbn", "");
    const struct {
        const char* nome;
        std::function<void()> cancella;
        bool chiede;  // "Si vuole cancellare l'istruzione selezionata?"
    } casi[] = {
        {"tasto Canc", [&] { QTest::keyClick(finestra->vista(1), Qt::Key_Delete); }, true},
        {"Ctrl+X", [&] { QTest::keyClick(finestra->vista(1), Qt::Key_X, Qt::ControlModifier); }, true},
        {"pulsante Cancella", [&] { pulsante(8); }, true},
        {"pulsante Taglia", [&] { pulsante(4); }, true},
        {"Cancella griglia", [&] { cancellaGriglie({2}); }, false},
    };
    const Messaggio domanda{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione, "ATTENZIONE",
                            Pulsanti::SiNoAnnulla};
    Messaggio domandaApri = domanda;
    domandaApri.titolo = "Attenzione";
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        svuotaProgramma();
        riempi(1, {codici::Avanti, codici::Destra});
        riempi(2, {codici::Fermo});
        stato.Modificato = false;  // as just saved
        stato.PercorsoFile = giro;
        finestra->aggiorna();
        ASSERT_EQ(titoloMostrato(), "Kobaltino - giro.kbn");
        clicca(1, 1);
        ui.risposte.clear();
        if (c.chiede)
            ui.risposte.push_back(Risposta::Si);
        c.cancella();
        EXPECT_EQ(stato.NumIstruzioni(1) + stato.NumIstruzioni(2), 2);
        EXPECT_TRUE(finestra->isWindowModified());
        EXPECT_EQ(titoloMostrato(), "Kobaltino - giro.kbn*");

        ui.messaggi.clear();
        ui.risposte = {Risposta::Annulla, Risposta::Annulla, Risposta::Annulla};
        menu("KeyChiudi");
        pulsante(1);  // Nuovo
        pulsante(2);  // Apri
        EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{domanda, domanda, domandaApri}));
        EXPECT_TRUE(finestra->isVisible());
    }
}

TEST_F(SegueIlProgramma, IlTitoloMostraUnSoloNomeESegnaLeModifiche)
{
    const QString giro = scrivi("giro.kbn", "\"\",\"1\",\"\",\"gg1\"\r\n");
    EXPECT_EQ(titoloMostrato(), "Kobaltino");
    riempi(1, {codici::Avanti});
    EXPECT_EQ(titoloMostrato(), "Kobaltino*");

    ui.file = {cartella.filePath("primo.kbn")};
    menu("KeySalvaConNome");
    EXPECT_EQ(finestra->windowTitle(), "Kobaltino - primo.kbn[*]");
    EXPECT_EQ(titoloMostrato(), "Kobaltino - primo.kbn");
    for (int volta = 0; volta < 2; ++volta) {
        ui.file = {giro};
        pulsante(2);
        EXPECT_EQ(titoloMostrato(), "Kobaltino - giro.kbn");
    }
    menu("KeyAvanti");
    EXPECT_EQ(titoloMostrato(), "Kobaltino - giro.kbn*");
    ui.risposte = {Risposta::No};
    pulsante(1);  // Nuovo
    EXPECT_EQ(titoloMostrato(), "Kobaltino");

    // A "[*]" in the file's own name is shown as it is.
    stato.PercorsoFile = cartella.filePath("x[*].kbn");
    finestra->aggiorna();
    EXPECT_EQ(titoloMostrato(), "Kobaltino - x[*].kbn");
}

TEST_F(SegueIlProgramma, GrigliaAttivaSegueLUltimaGrigliaUsata)
{
    auto* etichetta = finestra->findChild<QLabel*>("lblGrigliaAttiva");
    ASSERT_NE(etichetta, nullptr);
    EXPECT_EQ(etichetta->text(), "Griglia attiva: Griglia principale");
    const struct {
        const char* voce;
        int k;
        bool salto;
        const char* scritta;
    } casi[] = {{"Avanti", 8, false, "Griglia attiva: Ultrasuoni"},
                {"Ritorna", 9, true, "Griglia attiva: Sensore rotazione"},
                {"Fermo", 1, false, "Griglia attiva: Griglia principale"},
                {"Indietro", 10, false, "Griglia attiva: Aux"}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.voce);
        if (c.k >= 2)
            finestra->schede()->setCurrentIndex(c.k - 2);
        doppioClickVoce(c.salto ? finestra->tavolozzaSalto(c.k) : finestra->tavolozzaComuni(c.k), c.voce);
        EXPECT_EQ(stato.NumIstruzioni(c.k), 1);
        EXPECT_EQ(etichetta->text(), c.scritta);
        // The menu's next instruction goes where the status bar says.
        menu("KeyDestra");
        EXPECT_EQ(stato.griglia(c.k).codice(1), codici::Destra);
    }
    clicca(3, 0);
    EXPECT_EQ(etichetta->text(), "Griglia attiva: Luce sinistra");
}

}  // namespace
}  // namespace kobaltino
