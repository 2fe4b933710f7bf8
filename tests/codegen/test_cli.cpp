// kobaltino-cli genera and compila: what they write, report and return.
#include "assemblatore_finto.h"

#include "persist/file_programma.h"
#include "persist/limite_file.h"
#include "support/riga_di_comando.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

class RigaDiComando : public ::testing::Test, public RigaDiComandoProva {
protected:
    // The program file of `righe`, saved as `nome` in the folder.
    QString scrivi(const QString& nome, const std::vector<RigaFile>& righe)
    {
        Stato s;
        carica(s, righe);
        return banco.lascia(nome, testoProgramma(s));
    }

    Banco banco;  // its folder
};

// genera writes the very bytes of the file on its standard output, or into the file -o names;
// on a full disk (imitated by a file-size limit in a child process) it leaves the old file whole.
TEST_F(RigaDiComando, GeneraScriveIByteDelFile)
{
    const QString programma = scrivi("giro.kbn", Giro);
    QProcess cli;  // the executable, for the very bytes on its standard output
    cli.start(QStringLiteral(KOBALTINO_CLI), {"genera", programma});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(cli.readAllStandardOutput(), atteso("giro_16f84.asm"));
    EXPECT_EQ(cli.readAllStandardError(), "");
    EXPECT_EQ(banco.file(), QStringList{"giro.kbn"});

    const QString asm_ = banco.cartella.filePath("giro.asm");
    EXPECT_EQ(esegui(cli::genera, {"--pic", "16F628", programma, "-o", asm_}), 0);
    EXPECT_EQ(uscita + errori, "");
    const std::optional<QByteArray> esito = conLimiteFile(1024, [&] {
        return QByteArray::number(esegui(cli::genera, {programma, "-o", asm_})) + " " + errori;
    });
    ASSERT_TRUE(esito);
    EXPECT_EQ(QString::fromUtf8(*esito), "2 Impossibile scrivere il file:\n" + asm_
                                             + "\nIl file supera la dimensione massima consentita. Il file di prima è "
                                               "rimasto com'era.\n");
    EXPECT_EQ(banco.file(), (QStringList{"giro.asm", "giro.kbn"}));
    QFile f(asm_);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), atteso("giro_16f628.asm"));
}

// Refusals (exit status 2) leave the folder as it was, hex files included; an assembler that
// reports errors has them traced to grid and row, one that exits without a hex is not taken at
// its word (exit status 1), and the program's earlier hex goes. A message ending in a line end is the whole output; the
// others go on with the usage.
TEST_F(RigaDiComando, RifiutiErroriEOpzioniSbagliate)
{
    const QString giro = scrivi("giro.kbn", Giro);
    const QString sensori = scrivi("sensori.kbn", {{2, 1}});
    const QString salto = scrivi("salto.kbn", {{1, 1}, {1, 9, "0"}});  // row 0 lost its label
    const QString rotto = scrivi("rotto.kbn", {{1, 1}, {1, 19, "Ram99"}, {10, 22, "Ram0"}});
    const QString manca = banco.cartella.filePath("manca.kbn");
    const QByteArray nonValida = "Errore numero: 5\nIl file rotto.kbn ha un'istruzione non valida (riga 2): il parametro "
                                 "\"Ram99\" di \"Incrementa\" non è valido: ci vuole una cella da Ram1 a Ram20 o da EEP1 a "
                                 "EEP20.\n";
    const auto assemblatore = [&](const QString& nome, const QByteArray& corpo) {
        const QString s = banco.lascia(nome, "#!/bin/sh\n" + corpo + "\n");
        QFile::setPermissions(s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return s;
    };
    const QString conErrori =
        assemblatore("errori.sh", "echo \"$5:82:Error[113] Symbol not previously defined: \\\"Ram1\\\"\"; exit 1");
    const QString senzaHex = assemblatore("niente.sh", "exit 0");
    const std::tuple<cli::Comando, QStringList, int, QByteArray> casi[] = {
        {cli::genera, {manca}, 2, "Errore numero: 53\nIl file manca.kbn non esiste.\n"},
        {cli::compila, {manca, "--assembler", "/non/esiste/gpasm"}, 2, "Errore numero: 53\nIl file manca.kbn non esiste.\n"},
        {cli::genera, {rotto}, 2, nonValida},
        {cli::compila, {rotto, "--assembler", gpasm()}, 2, nonValida},
        {cli::genera, {sensori}, 2, "Inserire almeno un codice nella griglia principale\n"},
        {cli::genera, {salto}, 2,
         "Il programma non può essere compilato:\nGriglia principale, riga 1: il \"Vai a\" salta alla riga 0, che "
         "non ha più l'etichetta del salto. Cancellare il \"Vai a\" e inserirlo di nuovo.\n"},
        {cli::genera, {giro, "--pic", "18F452"}, 2, "Processore sconosciuto: 18F452 (16F84, 16F84A o 16F628)\n"},
        {cli::genera, {giro, "--pic"}, 2, "Manca il valore di --pic\nUso: kobaltino-cli genera PROGRAMMA"},
        {cli::genera, {giro, "--assembler", "gpasm"}, 2, "Opzione sconosciuta: --assembler\nUso: kobaltino-cli genera"},
        {cli::compila, {giro, "altro.kbn"}, 2, "Troppi argomenti: altro.kbn\nUso: kobaltino-cli compila"},
        {cli::compila, {}, 2, "Uso: kobaltino-cli compila PROGRAMMA"},
        {cli::genera, {giro, "-o", "/dev/null"}, 2,  // not a regular file
         "Impossibile scrivere il file:\n/dev/null\nNon è un file normale (è una cartella, una pipe o un dispositivo): "
         "scegliere un altro nome.\n"},
        {cli::compila, {giro, "--assembler", conErrori}, 1,
         "Il compilatore ha segnalato degli errori:\nGriglia principale, riga 0: Error[113] Symbol not previously "
         "defined: \"Ram1\"\n"},
        {cli::compila, {giro, "--assembler", senzaHex}, 1, "Il compilatore ha terminato senza scrivere il file giro.hex.\n"},
    };
    for (const auto& [comando, argomenti, stato, messaggio] : casi) {
        SCOPED_TRACE(argomenti.join(' ').toStdString());
        banco.lascia("giro.hex", "vecchio");
        banco.lascia("rotto.hex", "vecchio");
        EXPECT_EQ(esegui(comando, argomenti), stato);
        EXPECT_EQ(messaggio.endsWith('\n') ? errori : errori.left(messaggio.size()), messaggio);
        EXPECT_EQ(uscita, "");
        EXPECT_EQ(banco.file().contains("giro.hex"), stato == 2);
    }
    EXPECT_EQ(banco.file(), (QStringList{"errori.sh", "giro.kbn", "niente.sh", "rotto.hex", "rotto.kbn", "salto.kbn",
                                         "sensori.kbn"}));

    EXPECT_EQ(esegui(cli::compila, {"--help"}), 0);
    EXPECT_TRUE(uscita.startsWith("Uso: kobaltino-cli compila PROGRAMMA [--pic 16F84|16F84A|16F628] [--assembler PERCORSO]\n"));
    EXPECT_TRUE(uscita.contains("0 riuscito, 1 errori del compilatore, 2 programma illeggibile o compilazione rifiutata"));
    EXPECT_EQ(errori, "");
}

// Without --assembler: the one the settings file names, else gpasm from the PATH. Warnings do
// not change the exit status.
TEST_F(RigaDiComando, CompilaSenzaAssemblatoreUsaLeImpostazioni)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    QTemporaryDir configurazione;
    ASSERT_TRUE(configurazione.isValid());
    const QByteArray vecchia = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configurazione.path().toLocal8Bit());
    QDir(configurazione.path()).mkpath("Kobaltino/Data");
    const QString programma = scrivi("giro.kbn", Giro);
    const auto impostazioni = [&](const QByteArray& compilatore) {
        QFile f(configurazione.filePath("Kobaltino/Data/Data.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"74:73:73:\"\r\n\"" + compilatore + "\"\r\n");
    };
    impostazioni("/non/esiste/MPASMWIN.exe");
    EXPECT_EQ(esegui(cli::compila, {programma}), 2);
    EXPECT_EQ(errori, "Impossibile avviare il compilatore:\n/non/esiste/MPASMWIN.exe\n");

    impostazioni("VUOTO");
    const QString anello = scrivi("anello.kbn", {{1, 10, "Luce_destra"}, {2, 10, "Luce_sinistra"}, {3, 11, "Luce_destra"}});
    EXPECT_EQ(esegui(cli::compila, {anello, "--pic", "16F84A"}), 0);
    EXPECT_EQ(errori, "Il programma viene compilato, ma sul robot potrebbe non funzionare:\n"
                      "Luce sinistra, riga 0: da qui si richiama Luce destra, che è già in corso (Luce destra → "
                      "Luce sinistra → Luce destra). Le chiamate possono girare in tondo senza fine e il robot "
                      "tornerebbe al punto sbagliato.\n"
                      "Compilazione terminata\n");
    EXPECT_EQ(banco.file(), (QStringList{"anello.hex", "anello.kbn", "giro.kbn"}));
    qputenv("XDG_CONFIG_HOME", vecchia);
}

}  // namespace
}  // namespace kobaltino
