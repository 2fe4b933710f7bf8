// "Trasferisci" in the editor: a refusal said before anything is compiled, and the transfer window
// stopping a programmer that hangs.
#include "support/applicazione.h"
#include "support/interazione_finta.h"
#include "trasferimento/impostazioni_programmatore.h"
#include "ui/finestra_trasferimento.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

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

    const QString script = cartella.filePath("pk2cmd");
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\necho ' 40%'\nsleep 300\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ComandoProgrammatore comando = componi({"pk2cmd"}, "16F84A", cartella.filePath("giro.hex"));
    FinestraTrasferimento finestra(comando, script, "16F84A", 20);
    QSignalSpy conclusa(&finestra, &FinestraTrasferimento::conclusa);
    finestra.show();
    finestra.avvia();
    auto* barra = finestra.findChild<QProgressBar*>();
    for (int i = 0; i < 1000 && barra->value() != 40; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(barra->value(), 40);
    finestra.findChild<QPushButton*>("cmdAnnulla")->click();
    ASSERT_TRUE(conclusa.wait(30000));
    EXPECT_EQ(finestra.conclusione(), "Trasferimento annullato: il programmatore è stato fermato. Il chip potrebbe "
                                      "essere rimasto scritto a metà: ripetere il trasferimento.");
    EXPECT_TRUE(finestra.isVisible());  // the sentence stays until the user closes the window
    EXPECT_EQ(finestra.findChild<QPushButton*>("cmdAnnulla")->text(), "Chiudi");
}

}  // namespace
}  // namespace kobaltino
