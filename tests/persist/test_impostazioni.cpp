// The settings file: stamp, activation, the "Compilatore" command, the rewrite on close.
#include "banco_file.h"
#include "persist/comandi_file.h"
#include "persist/impostazioni.h"

#include <QFileInfo>

namespace kobaltino {
namespace {

const QByteArray TimbroAttuale = "\"74:73:73:\"";  // version 1.0.0. with 73 added to each part

const Messaggio DatiDanneggiati{"Errore numero: 23.\r\nNon è possibile caricare il programma per danni a file di dati.",
                                Icona::Critica, "ATTENZIONE!!!", Pulsanti::Ok};
const Messaggio AvvisoCompilatoreAssente{"ATTENZIONE: Non è stato inserito il percorso del compilatore\r\n"
                                   "Inserire il percorso dal menù Strumenti.",
                                   Icona::Informazione, "Compilatore assente", Pulsanti::Ok};

TEST(Timbro, CodificaEDecodifica)
{
    EXPECT_EQ(versioneProgramma(), "1.0.0.");
    EXPECT_EQ(codificaTimbro("1.0.0."), "74:73:73:");
    EXPECT_EQ(decodificaTimbro("74:73:73:"), "1.0.0.");
    EXPECT_EQ(codificaTimbro("12.345.6."), "85:418:79:");
    EXPECT_EQ(decodificaTimbro(codificaTimbro("12.345.6.")), "12.345.6.");
    EXPECT_EQ(decodificaTimbro("74.4:73:73:"), "1.0.0.");  // rounded to an integer
    EXPECT_EQ(decodificaTimbro("75:73:73:"), "2.0.0.");
    EXPECT_NE(decodificaTimbro(""), "1.0.0.");
    EXPECT_NE(decodificaTimbro("74:73"), "1.0.0.");
    EXPECT_EQ(decodificaTimbro("99999999999999999999:73:73:"), "?.0.0.");
}

class FileImpostazioni : public BancoFile {
protected:
    QString fileDati() const { return percorso("Data/Data.dat"); }
    void scriviDati(const QByteArray& byte)
    {
        QDir().mkpath(percorso("Data"));
        scriviByte(fileDati(), byte);
    }
    ComandiFile comandi{editor, cartella.path()};
    QByteArray pathSalvato = qgetenv("PATH");
    void TearDown() override { qputenv("PATH", pathSalvato); }
};

TEST_F(FileImpostazioni, IlFileStaInDataNellaCartellaDellApplicazioneSeScrivibile)
{
    EXPECT_EQ(comandi.fileImpostazioni(), percorso("Data/Data.dat"));
    EXPECT_EQ(percorsoImpostazioni(percorso("manca"), "/conf/Kobaltino"), "/conf/Kobaltino/Data/Data.dat");
    scriviByte(percorso("un_file"), "x");
    EXPECT_EQ(percorsoImpostazioni(percorso("un_file"), "/conf/Kobaltino"), "/conf/Kobaltino/Data/Data.dat");
}

TEST_F(FileImpostazioni, AttivazioneConFileValido)
{
    scriviDati(TimbroAttuale + "\r\n\"/opt/gputils/bin/gpasm\"\r\n");
    stato.Processore = "16F628";
    stato.StatoBraccio = "Aperto";
    EXPECT_TRUE(comandi.attivazione());
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(stato.PercorsoCompilatore, "/opt/gputils/bin/gpasm");
    EXPECT_EQ(stato.Processore, "16F84");
    EXPECT_EQ(stato.StatoBraccio, "Chiuso");
    EXPECT_EQ(comandi.VersioneProgramma, "1.0.0.");
    EXPECT_EQ(comandi.cartellaGuida(), percorso("Help"));
}

TEST_F(FileImpostazioni, TimbroDiUnAltraVersioneFermaIlProgramma)
{
    scriviDati("\"75:73:73:\"\r\n\"/usr/bin/gpasm\"\r\n");
    EXPECT_FALSE(comandi.attivazione());
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{DatiDanneggiati});

    ui.messaggi.clear();
    scriviDati("spazzatura\r\n\"/usr/bin/gpasm\"\r\n");
    EXPECT_FALSE(comandi.attivazione());
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{DatiDanneggiati});
}

TEST_F(FileImpostazioni, CompilatoreVuotoAvvisaSoloLaPrimaVolta)
{
    scriviDati(TimbroAttuale + "\r\n\"VUOTO\"\r\n");
    EXPECT_TRUE(comandi.attivazione());
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{AvvisoCompilatoreAssente});
    EXPECT_TRUE(stato.AvvisoCompilatore);
    EXPECT_EQ(stato.PercorsoCompilatore, "VUOTO");

    // From now on the file is not read: not even a damaged one stops the program.
    scriviDati("\"1:1:1:\"\r\n\"VUOTO\"\r\n");
    stato.StatoBraccio = "Aperto";
    EXPECT_TRUE(comandi.attivazione());
    EXPECT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(stato.StatoBraccio, "Chiuso");
}

TEST_F(FileImpostazioni, FileMancanteVieneCreatoConGpasmDalPath)
{
    ASSERT_TRUE(QDir(cartella.path()).mkdir("bin"));
    const QString gpasm = percorso("bin/gpasm");
    scriviByte(gpasm, "#!/bin/sh\n");
    QFile(gpasm).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", percorso("bin").toLocal8Bit());

    EXPECT_TRUE(comandi.attivazione());
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(stato.PercorsoCompilatore, gpasm);
    EXPECT_EQ(leggiByte(fileDati()), TimbroAttuale + "\r\n\"" + gpasm.toLatin1() + "\"\r\n");
}

TEST_F(FileImpostazioni, FileMancanteSenzaGpasmVieneCreatoVuoto)
{
    qputenv("PATH", percorso("nessuna").toLocal8Bit());
    EXPECT_TRUE(comandi.attivazione());
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{AvvisoCompilatoreAssente});
    EXPECT_EQ(leggiByte(fileDati()), TimbroAttuale + "\r\n\"VUOTO\"\r\n");
}

TEST_F(FileImpostazioni, FileDiUnaSolaRigaOVuotoVieneRicreato)
{
    qputenv("PATH", percorso("nessuna").toLocal8Bit());
    for (const QByteArray& contenuto : {QByteArray(TimbroAttuale + "\r\n"), QByteArray()}) {
        scriviDati(contenuto);
        stato.AvvisoCompilatore = false;
        EXPECT_TRUE(comandi.attivazione());
        EXPECT_EQ(leggiByte(fileDati()), TimbroAttuale + "\r\n\"VUOTO\"\r\n");
    }
}

TEST_F(FileImpostazioni, SceltaDelCompilatore)
{
    scriviDati(TimbroAttuale + "\r\n\"VUOTO\"\r\n");
    comandi.sceltaCompilatore();  // cancelled
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    const RichiestaFile& r = ui.richiesteFile[0];
    EXPECT_EQ(r.tipo, RichiestaFile::Apri);
    EXPECT_EQ(r.filtri, (QStringList{"Tutti i file (*)", " (*.exe)"}));
    EXPECT_EQ(r.nome, "gpasm");
    EXPECT_EQ(r.cartella, "/usr/bin");
    EXPECT_EQ(stato.PercorsoCompilatore, "VUOTO");
    EXPECT_EQ(leggiByte(fileDati()), TimbroAttuale + "\r\n\"VUOTO\"\r\n");

    ASSERT_TRUE(QDir(cartella.path()).mkdir("con spazi"));
    const QString scelto = percorso("con spazi/gpasm");
    ui.file.push_back(scelto);
    comandi.sceltaCompilatore();
    EXPECT_EQ(stato.PercorsoCompilatore, scelto);
    EXPECT_EQ(leggiByte(fileDati()), TimbroAttuale + "\r\n\"" + scelto.toLatin1() + "\"\r\n");
    EXPECT_TRUE(ui.messaggi.empty());

    comandi.sceltaCompilatore();
    EXPECT_EQ(ui.richiesteFile.back().cartella, percorso("con spazi"));

    // A restart accepts the file without a message.
    Stato nuovo;
    InterazioneFinta uiNuova;
    Editor editorNuovo(nuovo, uiNuova);
    ComandiFile riavvio(editorNuovo, cartella.path());
    EXPECT_TRUE(riavvio.attivazione());
    EXPECT_TRUE(uiNuova.messaggi.empty());
    EXPECT_EQ(nuovo.PercorsoCompilatore, scelto);
}

TEST_F(FileImpostazioni, ChiudiRiscriveIlFileAncheSeAnnullato)
{
    scriviDati("\"vecchio\"\r\n\"x\"\r\n");
    stato.PercorsoCompilatore = "/usr/bin/gpasm";
    riempi(1, 1);
    ui.risposte.push_back(Risposta::Annulla);
    EXPECT_FALSE(editor.chiudi());
    EXPECT_EQ(leggiByte(fileDati()), TimbroAttuale + "\r\n\"/usr/bin/gpasm\"\r\n");

    QFile::remove(fileDati());
    stato.Modificato = false;
    EXPECT_TRUE(editor.chiudi());
    EXPECT_EQ(leggiByte(fileDati()), TimbroAttuale + "\r\n\"/usr/bin/gpasm\"\r\n");
}

TEST_F(FileImpostazioni, FileDatiIniettabile)
{
    const QString altrove = percorso("altrove/Dati.dat");
    comandi.impostaFileImpostazioni(altrove);
    comandi.riscriviImpostazioni();
    EXPECT_EQ(leggiByte(altrove), TimbroAttuale + "\r\n\"VUOTO\"\r\n");
    EXPECT_EQ(comandi.TimbroDati, "74:73:73:");
}

}  // namespace
}  // namespace kobaltino
