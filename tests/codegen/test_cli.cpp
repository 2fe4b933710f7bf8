// kobaltino-cli genera and compila, called as the command table calls them.
#include "attesi.h"

#include "app/comandi_cli.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// A program file: the given row records, then the forty empty memory marks.
QByteArray fileProgramma(const QList<QByteArray>& righe)
{
    QByteArray b;
    for (const QByteArray& r : righe)
        b += r + "\r\n";
    for (const char* tipo : {"RAM", "EEP"})
        for (int i = 1; i <= 20; ++i)
            b += "\"\",\"" + QByteArray::number(i) + "\",\"\",\"" + tipo + "\"\r\n";
    return b;
}

class RigaDiComando : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(cartella.isValid()); }

    QString scrivi(const QString& nome, const QByteArray& contenuto)
    {
        const QString percorso = cartella.filePath(nome);
        QFile f(percorso);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
        return percorso;
    }

    int esegui(int (*comando)(const QStringList&, QTextStream&, QTextStream&), const QStringList& argomenti)
    {
        uscita.clear();
        errori.clear();
        QTextStream out(&uscita);
        QTextStream err(&errori);
        const int stato = comando(argomenti, out, err);
        out.flush();
        err.flush();
        return stato;
    }

    QStringList fileNellaCartella() const { return QDir(cartella.path()).entryList(QDir::Files, QDir::Name); }

    static QString gpasm() { return QStandardPaths::findExecutable(QStringLiteral("gpasm")); }

    QTemporaryDir cartella;
    QByteArray uscita, errori;
};

// Avanti, then a Braccio: the arm's row turns PORTB bit 7 into an output.
const QList<QByteArray> AvantiEBraccio = {R"("","1","","gg1")", R"("Aperto","21","","gg1")"};

QStringList corpoAvantiEBraccio(QStringList testa)
{
    testa << "         call AVANTI"
          << "         bsf Aux"
          << "         call DELAY0125S"
          << "         bcf Aux"
          << "fine     goto    fine"
          << "";
    return testa << attesi::sezioniVuote() << attesi::libreria();
}

TEST_F(RigaDiComando, GeneraScriveIlSorgenteSulloStandardOutput)
{
    const QString programma = scrivi("giro.kbn", fileProgramma(AvantiEBraccio));
    EXPECT_EQ(esegui(cli::genera, {programma}), 0);
    EXPECT_EQ(uscita, attesi::file(corpoAvantiEBraccio(attesi::testa("16F84", "p16f84.inc", true))).toLatin1());
    EXPECT_EQ(errori, "");
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

TEST_F(RigaDiComando, GeneraNelFileIndicatoPerIlProcessoreScelto)
{
    const QString programma = scrivi("giro.kbn", fileProgramma(AvantiEBraccio));
    const QString destinazione = cartella.filePath("giro.asm");
    EXPECT_EQ(esegui(cli::genera, {"--pic", "16F628", programma, "-o", destinazione}), 0);
    EXPECT_EQ(uscita, "");
    QFile f(destinazione);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), attesi::file(corpoAvantiEBraccio(attesi::testa("16F628", "p16f628.inc", true))).toLatin1());
}

TEST_F(RigaDiComando, GeneraRifiutaCioCheCompilaRifiuterebbe)
{
    EXPECT_EQ(esegui(cli::genera, {cartella.filePath("manca.kbn")}), 2);
    EXPECT_EQ(errori, "Errore numero: 53\n");
    EXPECT_EQ(uscita, "");

    const QString soloSensori = scrivi("sensori.kbn", fileProgramma({R"("","1","","gg2")"}));
    EXPECT_EQ(esegui(cli::genera, {soloSensori}), 2);
    EXPECT_EQ(errori, "Inserire almeno un codice nella griglia principale\n");
    EXPECT_EQ(uscita, "");

    QList<QByteArray> troppe;
    for (int i = 0; i < 51; ++i)
        troppe << R"("","14","","gg1")" << R"("EEP1 Ram1","18","","gg3")";  // 51 * 17 = 867 words
    for (int i = 0; i < 84; ++i)
        troppe << R"("","12","","gg2")";  // 74 + 867 + 84 = 1025
    const QString grande = scrivi("grande.kbn", fileProgramma(troppe));
    EXPECT_EQ(esegui(cli::genera, {grande}), 2);
    EXPECT_EQ(errori, "Ci sono troppe istruzioni.\nTogliere qualche istruzione\n");
    EXPECT_EQ(uscita, "");
}

TEST_F(RigaDiComando, OpzioniSbagliate)
{
    const QString programma = scrivi("giro.kbn", fileProgramma(AvantiEBraccio));
    EXPECT_EQ(esegui(cli::genera, {programma, "--pic", "18F452"}), 2);
    EXPECT_EQ(errori, "Processore sconosciuto: 18F452 (16F84, 16F84A o 16F628)\n");
    EXPECT_EQ(esegui(cli::genera, {programma, "--pic"}), 2);
    EXPECT_TRUE(errori.startsWith("Manca il valore di --pic\nUso: kobaltino-cli genera PROGRAMMA")) << errori.data();
    EXPECT_EQ(esegui(cli::genera, {programma, "--assembler", "gpasm"}), 2);
    EXPECT_TRUE(errori.startsWith("Opzione sconosciuta: --assembler\n")) << errori.data();
    EXPECT_EQ(esegui(cli::compila, {programma, "altro.kbn"}), 2);
    EXPECT_TRUE(errori.startsWith("Troppi argomenti: altro.kbn\n")) << errori.data();
    EXPECT_EQ(esegui(cli::compila, {}), 2);
    EXPECT_TRUE(errori.startsWith("Uso: kobaltino-cli compila PROGRAMMA")) << errori.data();
    EXPECT_EQ(uscita, "");
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});

    EXPECT_EQ(esegui(cli::compila, {"--help"}), 0);
    EXPECT_TRUE(uscita.startsWith("Uso: kobaltino-cli compila PROGRAMMA [--pic 16F84|16F84A|16F628] [--assembler PERCORSO]\n"));
    EXPECT_TRUE(uscita.contains("0 riuscito, 1 errori del compilatore, 2 programma illeggibile o compilazione rifiutata"));
    EXPECT_EQ(errori, "");
}

TEST_F(RigaDiComando, CompilaConGpasmLasciaSoloIlHex)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    const QString programma = scrivi("giro.kbn", fileProgramma(AvantiEBraccio));
    EXPECT_EQ(esegui(cli::compila, {programma, "--pic", "16F84A", "--assembler", gpasm()}), 0);
    EXPECT_EQ(errori, "Compilazione terminata\n");
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn"}));
}

TEST_F(RigaDiComando, CompilaStampaGliErroriUnoPerRiga)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    const QString programma = scrivi("rotto.kbn", fileProgramma({R"("","1","","gg1")", R"("Ram99","19","","gg1")",
                                                                 R"("Ram0","22","","gg10")"}));
    EXPECT_EQ(esegui(cli::compila, {programma, "--assembler", gpasm()}), 1);
    EXPECT_EQ(errori, "Il compilatore ha segnalato degli errori:\n"
                      "Griglia principale, riga 1: Error[113] Symbol not previously defined: \"Ram99\"\n"
                      "Aux, riga 0: Error[113] Symbol not previously defined: \"Ram0\"\n");
    EXPECT_EQ(fileNellaCartella(), QStringList{"rotto.kbn"});
}

TEST_F(RigaDiComando, CompilaRifiutata)
{
    const QString programma = scrivi("giro.kbn", fileProgramma(AvantiEBraccio));
    EXPECT_EQ(esegui(cli::compila, {programma, "--assembler", "/non/esiste/gpasm"}), 2);
    EXPECT_EQ(errori, "Impossibile avviare il compilatore:\n/non/esiste/gpasm\n");
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});

    EXPECT_EQ(esegui(cli::compila, {cartella.filePath("manca.kbn"), "--assembler", "/non/esiste/gpasm"}), 2);
    EXPECT_EQ(errori, "Errore numero: 53\n");
}

// Without --assembler: the one the settings file names, else gpasm from the PATH.
TEST_F(RigaDiComando, CompilaSenzaAssemblatoreUsaLeImpostazioni)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    QTemporaryDir configurazione;
    ASSERT_TRUE(configurazione.isValid());
    const QByteArray vecchia = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configurazione.path().toLocal8Bit());
    QDir(configurazione.path()).mkpath("Kobaltino/Data");
    const QString impostazioni = configurazione.filePath("Kobaltino/Data/Data.dat");
    const QString programma = scrivi("giro.kbn", fileProgramma(AvantiEBraccio));

    auto scriviImpostazioni = [&](const QByteArray& compilatore) {
        QFile f(impostazioni);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"74:73:73:\"\r\n\"" + compilatore + "\"\r\n");
    };
    scriviImpostazioni("/non/esiste/MPASMWIN.exe");
    EXPECT_EQ(esegui(cli::compila, {programma}), 2);
    EXPECT_EQ(errori, "Impossibile avviare il compilatore:\n/non/esiste/MPASMWIN.exe\n");

    scriviImpostazioni("VUOTO");
    EXPECT_EQ(esegui(cli::compila, {programma}), 0);
    EXPECT_EQ(errori, "Compilazione terminata\n");
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn"}));

    qputenv("XDG_CONFIG_HOME", vecchia);
}

TEST_F(RigaDiComando, CompilaRiportaIControlliSulProgramma)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    // Row 0 lost the label its jump needs: refused before assembling.
    const QString salto = scrivi("salto.kbn", fileProgramma({R"("","1","","gg1")", R"("0","9","","gg1")"}));
    EXPECT_EQ(esegui(cli::compila, {salto, "--assembler", gpasm()}), 2);
    EXPECT_EQ(errori, "Il programma non può essere compilato:\n"
                      "Griglia principale, riga 1: il \"Vai a\" salta alla riga 0, che non ha più l'etichetta del "
                      "salto. Cancellare il \"Vai a\" e inserirlo di nuovo.\n");
    EXPECT_EQ(esegui(cli::genera, {salto}), 2);
    EXPECT_EQ(uscita, "");

    // Two handlers calling each other: a warning, and the compile goes on.
    const QString giro = scrivi("giro.kbn", fileProgramma({R"("Luce_destra","10","","gg1")",
                                                           R"("Luce_sinistra","10","","gg2")",
                                                           R"("Luce_destra","11","","gg3")"}));
    EXPECT_EQ(esegui(cli::compila, {giro, "--assembler", gpasm()}), 0);
    EXPECT_EQ(errori, "Il programma viene compilato, ma sul robot potrebbe non funzionare:\n"
                      "Luce sinistra, riga 0: da qui si richiama Luce destra, che è già in corso (Luce destra → "
                      "Luce sinistra → Luce destra). Le chiamate possono girare in tondo senza fine e il robot "
                      "tornerebbe al punto sbagliato.\n"
                      "Compilazione terminata\n");

    // 903 sleeps pass the estimate (977 words) but take 1025 words on the chip.
    QList<QByteArray> dormi;
    for (int i = 0; i < 903; ++i)
        dormi << R"("","12","","gg1")";
    const QString grande = scrivi("grande.kbn", fileProgramma(dormi));
    EXPECT_EQ(esegui(cli::compila, {grande, "--assembler", gpasm()}), 2);
    EXPECT_EQ(errori, "Ci sono troppe istruzioni per il 16F84.\n"
                      "Il programma occupa 1025 parole, il processore ne ha 1024.\n"
                      "Togliere qualche istruzione o scegliere il 16F628\n");
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn", "grande.kbn", "salto.kbn"}));
    EXPECT_EQ(esegui(cli::compila, {grande, "--pic", "16F628", "--assembler", gpasm()}), 0);
    EXPECT_EQ(errori, "Compilazione terminata\n");
    EXPECT_TRUE(fileNellaCartella().contains("grande.hex"));
}

TEST_F(RigaDiComando, LEseguibileScriveIByteSenzaRicodificarli)
{
    const QString programma =
        scrivi("giro.kbn", fileProgramma({"\"Ram1 '\xe9'\",\"13\",\"\",\"gg1\""}));  // é in Windows-1252
    QProcess cli;
    cli.start(QStringLiteral(KOBALTINO_CLI), {"genera", programma});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);
    const QByteArray byte = cli.readAllStandardOutput();
    EXPECT_TRUE(byte.contains("\r\n         movlw '\xe9'\r\n         movwf Ram1\r\nfine     goto    fine\r\n"));
    EXPECT_TRUE(byte.endsWith("         end\r\n\r\n"));
}

}  // namespace
}  // namespace kobaltino
