// What the main window shows follows the program and the student's own choices: the processor,
// the "Aux" tab and the arm, the caption.
#include "banco_finestra.h"

#include "persist/comandi_file.h"

#include <QComboBox>
#include <QFile>
#include <QTabWidget>


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
        esterni.attivazione = [this] { return ++conteggio.attivazione, file.attivazione(); };
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

    bool auxAbilitata() const { return finestra->schede()->isTabEnabled(8); }

    QTemporaryDir cartella;
    ComandiFile file{editor, cartella.path()};
};

// At start the processor remembered in the user's settings, if it is one of the three; the one
// chosen stays through activations and dialogs and goes to the next start.
TEST_F(SegueIlProgramma, IlProcessoreScelto)
{
    // The remembered one ("" for none) and the one shown.
    const std::pair<const char*, const char*> casi[] = {{"", "16F84"}, {"16F628", "16F628"}, {"16F877", "16F84"}};
    for (const auto& [salvato, mostrato] : casi) {
        SCOPED_TRACE(salvato);
        {
            QSettings preferenze(QSettings::UserScope, "Kobaltino", "Kobaltino");
            preferenze.clear();
            if (*salvato)
                preferenze.setValue("processore", salvato);
        }
        nuovaFinestra();
        EXPECT_EQ(finestra->processore()->currentText(), mostrato);
        EXPECT_EQ(stato.Processore, mostrato);
    }

    QComboBox* cmb = finestra->processore();
    cmb->setCurrentIndex(cmb->findText("16F628"));
    attivaDiNuovo();
    sorvegliante.attendi([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    menu("KeyCancellaGriglia");  // a dialog that opens and closes
    attivaDiNuovo();
    EXPECT_EQ(cmb->currentText(), "16F628");
    EXPECT_EQ(stato.Processore, "16F628");
    stato.Processore = "16F84";
    nuovaFinestra();
    EXPECT_EQ(finestra->processore()->currentText(), "16F628");
    EXPECT_EQ(stato.Processore, "16F628");
}

// "Braccio" disables the Aux tab for as long as the program holds one: the tab
// follows the program after a command from the menu and after a file is opened.
TEST_F(SegueIlProgramma, SchedaAuxEBraccioSeguonoIlProgramma)
{
    clicca(10, 0);
    ui.risposte = {Risposta::Si};
    menu("KeyBraccio");
    EXPECT_EQ(codici(10), std::vector<int>{codici::Braccio});
    EXPECT_FALSE(auxAbilitata());
    EXPECT_TRUE(finestra->schede()->isTabEnabled(7));

    ui.risposte = {Risposta::Si};
    menu("KeyCancella");
    EXPECT_TRUE(auxAbilitata());
    const QString conBraccio = scrivi("braccio.kbn", "\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"21\",\"\",\"gg4\"\r\n");
    ui.risposte = {Risposta::No};  // not saved
    ui.file = {conBraccio};
    premi("#2");
    EXPECT_FALSE(auxAbilitata());
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
        premi("#2");
        EXPECT_EQ(titoloMostrato(), "Kobaltino - giro.kbn");
    }
    menu("KeyAvanti");
    EXPECT_EQ(titoloMostrato(), "Kobaltino - giro.kbn*");
    ui.risposte = {Risposta::No};
    premi("#1");  // Nuovo
    EXPECT_EQ(titoloMostrato(), "Kobaltino");

    // A "[*]" in the file's own name is shown as it is.
    stato.PercorsoFile = cartella.filePath("x[*].kbn");
    finestra->aggiorna();
    EXPECT_EQ(titoloMostrato(), "Kobaltino - x[*].kbn");
}

}  // namespace
}  // namespace kobaltino
