// The settings file: stamp, activation, the "Compilatore" command, the rewrite on "Chiudi".
#include "banco_file.h"
#include "persist/dati.h"
#include "persist/impostazioni.h"

#include "persist/impostazioni.h"

#include <sys/stat.h>

namespace kobaltino {
namespace {

const QByteArray Timbro = "\"74:73:73:\"\r\n";  // version 1.0.0. with 73 added to each part

class FileImpostazioni : public BancoFile {
protected:
    const QString dati = percorso("Data/Data.dat");
    const QByteArray pathDiPrima = qgetenv("PATH");
    void SetUp() override { qputenv("PATH", percorso("nessuna").toLocal8Bit()); }  // no gpasm to be found
    void TearDown() override { qputenv("PATH", pathDiPrima); }
};

TEST_F(FileImpostazioni, AttivazioneSecondoIlFile)
{
    EXPECT_EQ(comandi.fileImpostazioni(), dati);  // the application folder can be written
    const Messaggio danneggiati{"Errore numero: 23.\r\n"
                                "Non è possibile caricare il programma per danni a file di dati.",
                                Icona::Critica, "ATTENZIONE!!!"};
    const Messaggio senzaCompilatore{"ATTENZIONE: Non è stato inserito il percorso del compilatore\r\n"
                                     "Inserire il percorso dal menù Strumenti.",
                                     Icona::Informazione, "Compilatore assente"};
    const QByteArray gpasm = Timbro + "\"/opt/gputils/bin/gpasm\"\r\n", vuoto = Timbro + "\"VUOTO\"\r\n";
    const QByteArray altraVersione = "\"75:73:73:\"\r\n\"/usr/bin/gpasm\"\r\n";
    // A missing or one-line file is written anew; one of another version stops the program.
    const struct {
        std::optional<QByteArray> file;  // none: no file at all
        bool continua;
        std::vector<Messaggio> attesi;
        QByteArray dopo;
        QString compilatore;
    } casi[] = {
        {gpasm, true, {}, gpasm, "/opt/gputils/bin/gpasm"},
        {altraVersione, false, {danneggiati}, altraVersione, ""},
        {std::nullopt, true, {senzaCompilatore}, vuoto, "VUOTO"},
        {Timbro, true, {senzaCompilatore}, vuoto, "VUOTO"}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.file.value_or("<nessun file>").toStdString());
        QFile::remove(dati);
        if (c.file)
            scriviByte(dati, *c.file);
        ui.messaggi.clear();
        stato.AvvisoCompilatore = false;
        stato.PercorsoCompilatore.clear();
        stato.Processore = "16F628";
        stato.StatoBraccio = "Aperto";
        EXPECT_EQ(comandi.attivazione(), c.continua);
        EXPECT_EQ(ui.messaggi, c.attesi);
        EXPECT_EQ(leggiByte(dati), c.dopo);
        EXPECT_EQ(stato.PercorsoCompilatore, c.compilatore);
        // The student's processor and the program's arm state are not reset.
        EXPECT_EQ(stato.Processore, "16F628");
        EXPECT_EQ(stato.StatoBraccio, "Aperto");
    }
    // Warned once, the file is not read again: not even one of another version stops the program.
    scriviByte(dati, altraVersione);
    EXPECT_TRUE(comandi.attivazione());
    EXPECT_EQ(ui.messaggi.size(), 1u);
    // A pipe in its place is not waited on: it is no settings file.
    QFile::remove(dati);
    ASSERT_EQ(mkfifo(QFile::encodeName(dati).constData(), 0600), 0);
    EXPECT_FALSE(leggiImpostazioni(dati).has_value());
}

TEST_F(FileImpostazioni, UnaNuovaInstallazioneTrovaGpasmNelPath)
{
    const QString gpasm = percorso("bin/gpasm");
    scriviByte(gpasm, "#!/bin/sh\n");
    QFile(gpasm).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", percorso("bin").toLocal8Bit());
    EXPECT_TRUE(comandi.attivazione());
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(leggiByte(dati), Timbro + "\"" + gpasm.toLatin1() + "\"\r\n");
}

TEST_F(FileImpostazioni, ComandoCompilatoreERiscritturaAllaChiusura)
{
    scriviByte(dati, Timbro + "\"VUOTO\"\r\n");
    comandi.sceltaCompilatore();  // cancelled: nothing changes
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Apri);
    EXPECT_EQ(ui.richiesteFile[0].filtri, (QStringList{"Tutti i file (*)", " (*.exe)"}));
    EXPECT_EQ(ui.richiesteFile[0].nome, "gpasm");
    EXPECT_EQ(ui.richiesteFile[0].cartella, "/usr/bin");
    EXPECT_EQ(stato.PercorsoCompilatore, "VUOTO");
    EXPECT_EQ(leggiByte(dati), Timbro + "\"VUOTO\"\r\n");

    const QString scelto = percorso("con spazi/gpasm");
    scriviByte(scelto, "");
    ui.file.push_back(scelto);
    comandi.sceltaCompilatore();
    EXPECT_EQ(stato.PercorsoCompilatore, scelto);
    EXPECT_EQ(leggiByte(dati), Timbro + "\"" + scelto.toLatin1() + "\"\r\n");
    comandi.sceltaCompilatore();  // cancelled; the dialog opens in the folder of the chosen assembler
    EXPECT_EQ(ui.richiesteFile.back().cartella, percorso("con spazi"));

    // "Chiudi" rewrites the file, even when the user then cancels.
    scriviByte(dati, "\"vecchio\"\r\n\"x\"\r\n");
    riempi(1, 1);
    ui.risposte.push_back(Risposta::Annulla);
    EXPECT_FALSE(editor.chiudi());
    EXPECT_EQ(leggiByte(dati), Timbro + "\"" + scelto.toLatin1() + "\"\r\n");
    EXPECT_EQ(ui.messaggi.size(), 1u);  // the save question alone
}

// The data next to the program's folder win over the system's; an empty folder holds nothing;
// the help also sits in "Help" beside a portable copy.
TEST(CartelleDati, AccantoAlProgrammaPoiNelSistema)
{
    QTemporaryDir t;
    for (const char* file : {"usr/bin/", "usr/share/kobaltino/arene/pista.json", "usr/share/kobaltino/sfide/",
                             "sistema/kobaltino/arene/lampada.json", "sistema/kobaltino/esempi/giro.kbn",
                             "portatile/app/Help/indice.html"}) {
        QDir().mkpath(QFileInfo(t.filePath(file)).path());
        QFile(t.filePath(file)).open(QIODevice::WriteOnly);
    }
    const QByteArray dirs = qgetenv("XDG_DATA_DIRS"), casa = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_DIRS", t.filePath("sistema").toLocal8Bit());
    qputenv("XDG_DATA_HOME", t.filePath("casa").toLocal8Bit());
    const struct {
        const char *programma, *nome, *atteso;
    } casi[] = {{"usr/bin", "arene", "usr/share/kobaltino/arene"}, {"usr/bin", "esempi", "sistema/kobaltino/esempi"},
                {"usr/bin", "sfide", ""}, {"portatile/app", "arene", "sistema/kobaltino/arene"}};
    for (const auto& c : casi)
        EXPECT_EQ(cartellaDati(t.filePath(c.programma), c.nome), *c.atteso ? t.filePath(c.atteso) : QString())
            << c.programma << ' ' << c.nome;
    EXPECT_EQ(cartellaGuida(t.filePath("portatile/app")), t.filePath("portatile/app/Help"));
    qputenv("XDG_DATA_DIRS", dirs);
    qputenv("XDG_DATA_HOME", casa);
}

}  // namespace
}  // namespace kobaltino
