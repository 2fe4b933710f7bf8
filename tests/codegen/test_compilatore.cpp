// The "Compila" command: its checks in order, the file it writes, the assembler command line,
// the report and the clean-up (with a recording in place of the assembler).
#include "assemblatore_finto.h"
#include "attesi.h"
#include "programmi.h"

#include "codegen/compilatore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

const Messaggio CompilatoreNonImpostato{
    "Impossibile compilare il programma.\r\nInserire il percorso del compilatore dal menù strumenti",
    Icona::Informazione, "ATTENZIONE", Pulsanti::Ok};
const Messaggio GrigliaVuota{"Inserire almeno un codice nella griglia principale"};
const Messaggio DaSalvare{"Il programma è stato modificato.\r\nIl programma deve essere salvato prima di essere compilato"};
const Messaggio TroppeIstruzioni{"Ci sono troppe istruzioni.\r\nTogliere qualche istruzione"};
const Messaggio Terminata{"Compilazione terminata"};

class Compilazione : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        programma = cartella.filePath("giro.kbn");
        QFile f(programma);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        salvato(stato, programma);
        stato.PercorsoCompilatore = QStringLiteral("/opt/pic/MPASMWIN.exe");
    }

    QStringList fileNellaCartella() const
    {
        return QDir(cartella.path()).entryList(QDir::Files, QDir::Name);
    }

    void lascia(const QString& nome) const
    {
        QFile f(cartella.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

    QTemporaryDir cartella;
    QString programma;
    Stato stato;
    InterazioneAssemblatore ui;
    Compilatore compilatore{stato, ui};
};

TEST_F(Compilazione, SenzaCompilatoreRifiutaPerPrimaCosa)
{
    stato.PercorsoCompilatore = QStringLiteral("VUOTO");
    stato.Modificato = true;  // the grid is empty and unsaved too: only the first message shows
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{CompilatoreNonImpostato});
    EXPECT_EQ(ui.esecuzioni, 0);
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

TEST_F(Compilazione, IlMarcatoreVuotoEConfrontatoEsattamente)
{
    stato.PercorsoCompilatore = QStringLiteral("vuoto");
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{GrigliaVuota});
}

TEST_F(Compilazione, GrigliaPrincipaleVuotaPrimaDelProgrammaModificato)
{
    aggiungi(stato, 2, 1);  // rows only in a sensor grid
    stato.Modificato = true;
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{GrigliaVuota});
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
}

TEST_F(Compilazione, ProgrammaModificatoVaSalvatoPrima)
{
    aggiungi(stato, 1, 1);
    stato.Modificato = true;
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{DaSalvare});
    EXPECT_EQ(ui.esecuzioni, 0);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});

    Stato nuovo;  // a program never saved has no file to write beside
    aggiungi(nuovo, 1, 1);
    nuovo.PercorsoCompilatore = QStringLiteral("/usr/bin/gpasm");
    InterazioneAssemblatore altra;
    Compilatore(nuovo, altra).compila();
    EXPECT_EQ(altra.messaggi, std::vector<Messaggio>{DaSalvare});
    EXPECT_EQ(altra.esecuzioni, 0);
}

TEST_F(Compilazione, MpasmRiceveLeSueOpzioniEIlFileTemporaneo)
{
    aggiungi(stato, 1, 1);
    ui.primaDiTerminare = [&] {
        lascia("giro.COD");
        lascia("giro.HEX");
    };
    compilatore.compila();
    EXPECT_EQ(ui.programma, "/opt/pic/MPASMWIN.exe");
    EXPECT_EQ(ui.argomenti.join(' '), "/e- /l- /o- /q " + programma + "Temp");
    EXPECT_EQ(ui.cartella, cartella.path());
    EXPECT_EQ(ui.limiteMs, 60000);
    QStringList atteso = attesi::testa("16F84", "p16f84.inc");
    atteso << "         call AVANTI"
           << "fine     goto    fine"
           << "" << attesi::sezioniVuote() << attesi::libreria();
    EXPECT_EQ(QString::fromLatin1(ui.sorgenteLetto), attesi::file(atteso));
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Riuscita);
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.HEX", "giro.kbn"}));
}

TEST_F(Compilazione, GpasmScriveSoloErroriEIlHexAccantoAlProgramma)
{
    stato.PercorsoCompilatore = QStringLiteral("/usr/local/bin/gpasm");
    aggiungi(stato, 1, 7);
    ui.primaDiTerminare = [&] {
        lascia("giro.cod");
        lascia("giro.lst");
        lascia("giro.hex");
    };
    lascia("giro.txt");  // the user's own files stay
    compilatore.compila();
    EXPECT_EQ(ui.argomenti,
              (QStringList{"-w", "2", "-a", "inhx8m", "-o", cartella.filePath("giro.hex"), programma + "Temp"}));
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn", "giro.txt"}));
}

TEST_F(Compilazione, CompilatoreCheNonParte)
{
    stato.PercorsoCompilatore = QStringLiteral("/non/esiste/gpasm");
    aggiungi(stato, 1, 1);
    ui.risultato = EsitoProcesso{};
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{{"Impossibile avviare il compilatore:\r\n/non/esiste/gpasm",
                                                    Icona::Critica, "ATTENZIONE", Pulsanti::Ok}}));
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

TEST_F(Compilazione, CompilatoreCheNonFinisce)
{
    aggiungi(stato, 1, 1);
    ui.risultato = EsitoProcesso{true, true, -1, {}};
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{{"Il compilatore non ha terminato entro 60 secondi.",
                                                    Icona::Critica, "ATTENZIONE", Pulsanti::Ok}}));
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

TEST_F(Compilazione, FileTemporaneoNonScrivibile)
{
    aggiungi(stato, 1, 1);
    stato.PercorsoFile = cartella.filePath("manca/giro.kbn");
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{{"Impossibile scrivere il file:\r\n" + stato.PercorsoFile + "Temp",
                                                    Icona::Critica, "ATTENZIONE", Pulsanti::Ok}}));
    EXPECT_EQ(ui.esecuzioni, 0);
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
}

TEST_F(Compilazione, GliErroriIndicanoGrigliaERiga)
{
    const int testa = static_cast<int>(attesi::testa("16F84", "p16f84.inc").size());
    for (int i = 0; i < 4; ++i)
        aggiungi(stato, 1, 1);
    aggiungi(stato, 1, 19, "Ram99");  // row 4: line testa + 5
    aggiungi(stato, 2, 1);
    aggiungi(stato, 2, 1);
    aggiungi(stato, 2, 20, "Ram77");  // row 2 of Luce destra, after "fine", "" and "Lucedestra:"
    const QString temporaneo = programma + "Temp";
    ui.risultato = EsitoProcesso{
        true, false, 1,
        QStringLiteral("%1:%2:Error[113]   Symbol not previously defined: \"Ram99\"\n"
                       "%1:%3:Error[113]   Symbol not previously defined: \"Ram77\"\n"
                       "%1:%4:Error[150]   Labels must be defined in a code or data section.\n"
                       "%1:1:Error[999]   Prova.\n"
                       "Error[125]   Illegal condition: EOF encountered before END.\n")
            .arg(temporaneo)
            .arg(testa + 5)
            .arg(testa + 11)
            .arg(testa + 8)};
    compilatore.compila();
    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{{"Il compilatore ha segnalato degli errori:\r\n"
                                       "Griglia principale, riga 4: Error[113] Symbol not previously defined: \"Ram99\"\r\n"
                                       "Luce destra, riga 2: Error[113] Symbol not previously defined: \"Ram77\"\r\n"
                                       "Luce destra: Error[150] Labels must be defined in a code or data section.\r\n"
                                       "File generato, riga 1: Error[999] Prova.\r\n"
                                       "Error[125] Illegal condition: EOF encountered before END.",
                                       Icona::Critica, "Kobaltino", Pulsanti::Ok}}));
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::ErroriAssemblatore);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

TEST_F(Compilazione, RigheDelCompilatoreConDuePuntiNelTesto)
{
    aggiungi(stato, 1, 1);
    ui.risultato = EsitoProcesso{true, false, 1,
                                 programma + "Temp:2:Error[999] vedi a:7: qui\r\n"
                                             "giro.kbnTemp:3:Error[998] solo il nome\r\n"
                                             "altro.asm:4:Error[997] un altro file\r\n"};
    compilatore.compila();
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0].testo, "Il compilatore ha segnalato degli errori:\r\n"
                                    "File generato, riga 2: Error[999] vedi a:7: qui\r\n"
                                    "File generato, riga 3: Error[998] solo il nome\r\n"
                                    "altro.asm:4:Error[997] un altro file");
}

TEST_F(Compilazione, ErroreSenzaTestoRiportaIlCodiceDiUscita)
{
    aggiungi(stato, 1, 1);
    ui.risultato = EsitoProcesso{true, false, 3, {}};
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{{"Il compilatore ha segnalato degli errori:\r\n"
                                                    "Il compilatore ha terminato con il codice 3.",
                                                    Icona::Critica}}));
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::ErroriAssemblatore);
}

TEST_F(Compilazione, Esattamente1024ParolePassano1025No)
{
    for (int r = 0; r < 950; ++r)
        aggiungi(stato, 1, 12);  // 74 + 950 = 1024
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
    EXPECT_EQ(ui.esecuzioni, 1);

    ui.messaggi.clear();
    aggiungi(stato, 5, 14);  // one more word, in a sensor grid
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{TroppeIstruzioni});
    EXPECT_EQ(ui.esecuzioni, 1);
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});

    ui.messaggi.clear();
    stato.griglia(1).rimuovi(0);
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
    const QString sorgente = QString::fromLatin1(ui.sorgenteLetto);
    for (const char* sezione : {"Lucedestra:", "Prossimitasinistra:", "Ausiliare:"})
        EXPECT_EQ(sorgente.count(QString::fromLatin1(sezione) + "\r\n"), 1) << sezione;
    EXPECT_EQ(sorgente.count("PROCESSOR"), 1);
    EXPECT_EQ(sorgente.count("         Sleep\r\n"), 949);
}

TEST_F(Compilazione, IFileDellAssemblatorePrendonoIlNomeDelProgramma)
{
    stato.PercorsoCompilatore = QStringLiteral("/usr/bin/gpasm");
    stato.PercorsoFile = cartella.filePath("giro.v2.kbn");
    aggiungi(stato, 1, 1);
    ui.primaDiTerminare = [&] {
        lascia("giro.v2.cod");
        lascia("giro.v2.COD");
        lascia("giro.v2.lst");
        lascia("giro.v2.hex");
    };
    lascia("giro.cod");  // another program's
    compilatore.compila();
    EXPECT_EQ(ui.argomenti,
              (QStringList{"-w", "2", "-a", "inhx8m", "-o", cartella.filePath("giro.v2.hex"),
                           cartella.filePath("giro.v2.kbnTemp")}));
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.cod", "giro.kbn", "giro.v2.hex"}));
}

}  // namespace
}  // namespace kobaltino
