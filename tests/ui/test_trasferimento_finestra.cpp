// "Trasferisci" in the editor: a refusal said before anything is compiled, the transfer window
// stopping a programmer that hangs, and "Programmatore...": what each choice asks for, the command
// line shown, "Prova" and the choice kept.
#include "support/applicazione.h"
#include "support/interazione_finta.h"
#include "trasferimento/impostazioni_programmatore.h"
#include "ui/dialogo_programmatore.h"
#include "model/catalogo.h"
#include "ui/finestra_trasferimento.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// A stand-in pk2cmd, first on PATH for as long as it lives; `corpo` is its shell script.
struct Pk2cmdFinto {
    explicit Pk2cmdFinto(const QByteArray& corpo)
    {
        QFile f(percorso());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + corpo);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", (cartella.path() + ":" + primaPath).toUtf8());
    }
    ~Pk2cmdFinto() { qputenv("PATH", primaPath.toUtf8()); }
    QString percorso() const { return cartella.filePath("pk2cmd"); }

    QTemporaryDir cartella;
    const QString primaPath = qEnvironmentVariable("PATH");
};

TEST(FinestraTrasferimento, RifiutoPrimaDiCompilareEAnnulla)
{
    applicazione();
    QTemporaryDir cartella;
    QSettings impostazioni;
    scriviSceltaProgrammatore(impostazioni, {"pk2cmd"});
    Stato stato;
    stato.Processore = "16F84";
    stato.PercorsoFile = cartella.filePath("giro.kbn");
    InterazioneFinta ui;
    int salvataggi = 0;
    trasferisciNelRobot(nullptr, stato, ui, [&] { ++salvataggi; });
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_TRUE(ui.messaggi[0].testo.startsWith("Il PICkit 2 (pk2cmd) non programma il PIC16F84:"));
    EXPECT_EQ(salvataggi, 0);
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList{});

    const Pk2cmdFinto pk2cmd("echo ' 40%'\nsleep 300\n");
    const QString script = pk2cmd.percorso();
    ComandoProgrammatore comando = componi({"pk2cmd"}, "16F84A", cartella.filePath("giro.hex"));
    FinestraTrasferimento finestra(comando, script, "16F84A", 20);
    QSignalSpy conclusa(&finestra, &FinestraTrasferimento::conclusa);
    finestra.show();
    finestra.avvia();
    auto* barra = finestra.findChild<QProgressBar*>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return barra->value() == 40; }, 30000));
    finestra.findChild<QPushButton*>("cmdAnnulla")->click();
    ASSERT_TRUE(conclusa.wait(30000));
    EXPECT_EQ(finestra.conclusione(), "Trasferimento annullato: il programmatore è stato fermato. Il chip potrebbe "
                                      "essere rimasto scritto a metà: ripetere il trasferimento.");
    EXPECT_TRUE(finestra.isVisible());  // the sentence stays until the user closes the window
    EXPECT_EQ(finestra.findChild<QPushButton*>("cmdAnnulla")->text(), "Chiudi");
}

// Trasferisci from the editor: a changed program is saved first, a saved one is not; the program is
// compiled, the programmer runs in the window with its output under the command line, and the
// window ends with the sentence.
TEST(FinestraTrasferimento, SalvaCompilaETrasferisce)
{
    applicazione();
    QTemporaryDir cartella;
    const Pk2cmdFinto pk2cmd("echo 'Operation: Writing'\nsleep 0.2\necho '100%'\n");
    {
        QSettings impostazioni;
        scriviSceltaProgrammatore(impostazioni, {"pk2cmd"});
    }
    for (const bool modificato : {true, false}) {
        Stato stato;
        stato.Processore = "16F84A";
        stato.PercorsoFile = cartella.filePath("giro.kbn");
        stato.PercorsoCompilatore = QStandardPaths::findExecutable("gpasm");
        ASSERT_FALSE(stato.PercorsoCompilatore.isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
        stato.griglia(1).accoda(codici::Avanti, {});
        stato.Modificato = modificato;
        InterazioneFinta ui;
        int salvataggi = 0;
        QString conclusione, uscita;
        // The window is modal: read it once it has ended, then close it; one that never ends is
        // closed after 30 s, with nothing read.
        QTimer osserva;
        osserva.setInterval(20);
        int giri = 0;
        QObject::connect(&osserva, &QTimer::timeout, [&] {
            ++giri;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* finestra = qobject_cast<FinestraTrasferimento*>(w); finestra && finestra->isVisible()) {
                    if (!finestra->conclusione().isEmpty()) {
                        conclusione = finestra->conclusione();
                        uscita = finestra->findChild<QPlainTextEdit*>("txtUscita")->toPlainText();
                        finestra->findChild<QPushButton*>("cmdAnnulla")->click();  // "Chiudi" by now
                    } else if (giri > 1500) {
                        finestra->done(QDialog::Rejected);
                    }
                }
        });
        osserva.start();
        trasferisciNelRobot(nullptr, stato, ui, [&] {
            ++salvataggi;
            stato.Modificato = false;
        });
        EXPECT_EQ(salvataggi, modificato ? 1 : 0);
        EXPECT_TRUE(ui.messaggi.empty());
        EXPECT_TRUE(conclusione.startsWith("Programma trasferito nel robot (16F84A, ")) << conclusione.toStdString();
        EXPECT_EQ(uscita, "pk2cmd -PPIC16F84A -F" + cartella.filePath("giro.hex") + " -M -R -JN\nOperation: Writing\n100%\n");
    }
}

TEST(DialogoProgrammatore, SceltaProvaERicordo)
{
    applicazione();
    // A stand-in pk2cmd that answers its version option and records what it was asked.
    const Pk2cmdFinto pk2cmd("echo \"$@\" > \"$(dirname \"$0\")/chiesto\"\necho 'PK2CMD version 1.20.00'\n");
    const QTemporaryDir& bin = pk2cmd.cartella;
    {
        QSettings impostazioni;
        impostazioni.clear();
    }

    DialogoProgrammatore dialogo("16F84A", "/classe/giro.hex");
    auto* preset = dialogo.findChild<QComboBox*>("cmbProgrammatore");
    auto* riga = dialogo.findChild<QLineEdit*>("txtRiga");
    auto* porta = dialogo.findChild<QComboBox*>("cmbPorta");
    auto* strumento = dialogo.findChild<QComboBox*>("cmbStrumento");
    auto* comando = dialogo.findChild<QLabel*>("lblComando");
    struct Caso {
        const char* programmatore;
        const char* riga;
        const char* porta;
        const char* strumento;
        bool rigaAttiva, portaAttiva, strumentoAttivo;
        QString comando;
    };
    const Caso casi[] = {
        {"pk2cmd", "", "", "PK3", false, false, false, "pk2cmd -PPIC16F84A -F/classe/giro.hex -M -R -JN"},
        {"ipecmd", "", "", "PK5", false, false, true, "ipecmd -TPPK5 -P16F84A -F/classe/giro.hex -M -OL"},
        {"picpro", "", "/dev/ttyUSB0", "PK3", false, true, false,
         "picpro program -p /dev/ttyUSB0 -i /classe/giro.hex -t 16F84A"},
        {"personalizzato", "scrivi --porta {porta} '{hex}'", "/dev/ttyACM1", "PK3", true, true, false,
         "scrivi --porta /dev/ttyACM1 /classe/giro.hex"},
        {"personalizzato", "scrivi {pic}", "", "PK3", true, false, false, "scrivi 16F84A"},
        {"personalizzato", "scrivi 'aperta", "", "PK3", true, false, false,
         "La riga di comando personalizzata ha una virgoletta non chiusa."},
    };
    for (const Caso& c : casi) {
        preset->setCurrentIndex(preset->findData(QString(c.programmatore)));
        riga->setText(c.riga);
        porta->setCurrentText(c.porta);
        strumento->setCurrentText(c.strumento);
        EXPECT_EQ(riga->isEnabled(), c.rigaAttiva) << c.programmatore << c.riga;
        EXPECT_EQ(porta->isEnabled(), c.portaAttiva) << c.programmatore << c.riga;
        EXPECT_EQ(strumento->isEnabled(), c.strumentoAttivo) << c.programmatore << c.riga;
        EXPECT_EQ(comando->text(), c.comando) << c.programmatore << c.riga;
    }

    // "Prova" asks the installed tool its version only, even for a chip it refuses, and says how to
    // get a missing one.
    auto* prova = dialogo.findChild<QPushButton*>("cmdProva");
    auto* risposta = dialogo.findChild<QPlainTextEdit*>("txtRisposta");
    preset->setCurrentIndex(preset->findData(QString("personalizzato")));
    riga->clear();
    prova->click();
    EXPECT_EQ(risposta->toPlainText(), "La riga di comando personalizzata è vuota: scriverla in Strumenti, Programmatore...");
    DialogoProgrammatore per84("16F84", "/classe/giro.hex");
    prova = per84.findChild<QPushButton*>("cmdProva");
    risposta = per84.findChild<QPlainTextEdit*>("txtRisposta");
    preset = per84.findChild<QComboBox*>("cmbProgrammatore");
    porta = per84.findChild<QComboBox*>("cmbPorta");
    ASSERT_EQ(preset->currentData().toString(), "pk2cmd");
    prova->click();
    // Until the run has ended: the button comes back then.
    ASSERT_TRUE(QTest::qWaitFor([&] { return prova->isEnabled(); }, 30000));
    EXPECT_EQ(risposta->toPlainText(),
              "Trovato: " + bin.filePath("pk2cmd") + "\npk2cmd '-?V'\nPK2CMD version 1.20.00\n");
    QFile chiesto(bin.filePath("chiesto"));
    ASSERT_TRUE(chiesto.open(QIODevice::ReadOnly));
    EXPECT_EQ(chiesto.readAll(), "-?V\n");
    preset->setCurrentIndex(preset->findData(QString("picpro")));
    porta->setCurrentText("/dev/ttyUSB0");
    prova->click();
    EXPECT_TRUE(risposta->toPlainText().startsWith("Il programma picpro non è installato (non si trova nel PATH). "
                                                   "picpro si installa con «pipx install picpro»"))
        << risposta->toPlainText().toStdString();

    // OK keeps the choice for the next time the dialog opens.
    per84.findChild<QLineEdit*>("txtRiga")->setText("scrivi {hex}");
    per84.accept();
    DialogoProgrammatore riaperto("16F84A", "/classe/giro.hex");
    EXPECT_EQ(riaperto.scelta(), (SceltaProgrammatore{"picpro", "scrivi {hex}", "/dev/ttyUSB0", "PK3"}));
}

}  // namespace
}  // namespace kobaltino
