// What the main window shows follows the program and the student's own choices: the processor,
// the "Aux" tab and the arm, the caption.
#include "banco_finestra.h"

#include "persist/comandi_file.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
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

    bool auxAbilitata() const { return finestra->schede()->isTabEnabled(8); }

    QTemporaryDir cartella;
    ComandiFile file{editor, cartella.path()};
};

// At start the processor remembered in the user's settings, if it is one of the three; the one
// chosen stays through activations and dialogs and goes to the next start, not to Data.dat.
TEST_F(SegueIlProgramma, IlProcessoreScelto)
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
    EXPECT_TRUE(preferenzeSalvate().contains("processore=16F628"));
    file.riscriviImpostazioni();
    const QByteArray dati = leggi(file.fileImpostazioni());
    EXPECT_EQ(dati.count("\r\n"), 2);
    EXPECT_FALSE(dati.contains("16F"));
}

// "Braccio" disables the Aux tab (after asking) for as long as the program holds one; the arm's
// state follows the program through every command that changes it.
TEST_F(SegueIlProgramma, SchedaAuxEBraccioSeguonoIlProgramma)
{
    EXPECT_TRUE(finestra->tavolozzaComuni(10)->findItems("Braccio", Qt::MatchExactly).isEmpty());
    clicca(10, 0);
    ui.risposte = {Risposta::Si};
    menu("KeyBraccio");
    EXPECT_EQ(codici(10), std::vector<int>{codici::Braccio});
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0].testo, "L'inserimento di questa funzione disattiverà la griglia AUX.\r\nVuoi continuare?");
    EXPECT_FALSE(auxAbilitata());
    EXPECT_TRUE(finestra->schede()->isTabEnabled(7));

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
        {"Cancella, la riga del Braccio",
         [&] {
             clicca(1, 1);
             ui.risposte = {Risposta::Si};
             menu("KeyCancella");
         },
         true, "Chiuso"},
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
    clicca(1, 0);
    menu("KeyBraccio");
    EXPECT_EQ(stato.griglia(1).riga(1).parametro, "Chiuso");
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
    ui.messaggi.clear();
    ui.risposte = {Risposta::Annulla};
    pulsante(2);  // Apri asks first, with its own title
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{{"Il programma non è stato salvato.\r\nSalvare adesso?",
                                                    Icona::Informazione, "Attenzione", Pulsanti::SiNoAnnulla}}));
    EXPECT_EQ(titoloMostrato(), "Kobaltino - giro.kbn*");
    ui.risposte = {Risposta::No};
    pulsante(1);  // Nuovo
    EXPECT_EQ(titoloMostrato(), "Kobaltino");

    // A "[*]" in the file's own name is shown as it is.
    stato.PercorsoFile = cartella.filePath("x[*].kbn");
    finestra->aggiorna();
    EXPECT_EQ(titoloMostrato(), "Kobaltino - x[*].kbn");
}

}  // namespace
}  // namespace kobaltino
