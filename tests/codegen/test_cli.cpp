// kobaltino-cli genera and compila: what they write, report and return.
#include "assemblatore_finto.h"

#include "persist/file_programma.h"
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

// genera writes the very bytes of the file on its standard output, or into the file -o names.
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
    EXPECT_EQ(banco.file(), (QStringList{"giro.asm", "giro.kbn"}));
    QFile f(asm_);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), atteso("giro_16f628.asm"));
}

// The refusals of fixtures/rifiuti_cli.txt: those with exit status 2 leave the folder as it was,
// hex files included; with exit status 1 (the assembler's errors) the program's earlier hex goes.
TEST_F(RigaDiComando, RifiutiErroriEOpzioniSbagliate)
{
    scrivi("giro.kbn", Giro);
    scrivi("sensori.kbn", {{2, 1}});
    scrivi("salto.kbn", {{1, 1}, {1, 9, "0"}});
    scrivi("rotto.kbn", {{1, 1}, {1, 19, "Ram99"}, {10, 22, "Ram0"}});
    const QString assemblatore = banco.lascia(
        "errori.sh", "#!/bin/sh\necho \"$5:82:Error[113] Symbol not previously defined: \\\"Ram1\\\"\"; exit 1\n");
    QFile::setPermissions(assemblatore, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile f(KOBALTINO_FIXTURES "/rifiuti_cli.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList righe = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    int casi = 0;
    for (qsizetype i = 0; i < righe.size(); ++i) {
        if (!righe[i][0].isDigit())
            continue;
        SCOPED_TRACE(righe[i].toStdString());
        QStringList argomenti = righe[i].split(' ').replaceInStrings("DIR", banco.cartella.path());
        argomenti.replaceInStrings("GPASM", gpasm());
        const int stato = argomenti.takeFirst().toInt();
        const cli::Comando comando = argomenti.takeFirst() == "genera" ? cli::genera : cli::compila;
        QString messaggio;
        for (; i + 1 < righe.size() && righe[i + 1].startsWith("| "); ++i)
            messaggio += righe[i + 1].mid(2) + '\n';
        const bool conUso = i + 1 < righe.size() && righe[i + 1].startsWith("+ ");
        if (conUso)
            messaggio += righe[++i].mid(2);
        banco.lascia("giro.hex", "vecchio");
        banco.lascia("rotto.hex", "vecchio");
        EXPECT_EQ(esegui(comando, argomenti), stato);
        EXPECT_EQ(QString::fromUtf8(conUso ? errori.left(messaggio.toUtf8().size()) : errori), messaggio);
        EXPECT_EQ(uscita, "");
        EXPECT_EQ(banco.file().contains("giro.hex"), stato == 2);
        ++casi;
    }
    EXPECT_EQ(casi, 13);
    EXPECT_EQ(banco.file(), (QStringList{"errori.sh", "giro.kbn", "rotto.hex", "rotto.kbn", "salto.kbn",
                                         "sensori.kbn"}));

    EXPECT_EQ(esegui(cli::compila, {"--help"}), 0);
    EXPECT_TRUE(uscita.startsWith("Uso: kobaltino-cli compila PROGRAMMA [--pic 16F84|16F84A|16F628] [--assembler PERCORSO]\n"));
    EXPECT_TRUE(uscita.contains("0 riuscito, 1 errori del compilatore, 2 programma illeggibile o compilazione rifiutata"));
    EXPECT_EQ(errori, "");
    // Every command of the executable answers --help on standard output with status 0: the manual
    // pages are made from it.
    for (const char* nome : {"compila", "genera", "converti", "stampa", "simula", "trasferisci", "valuta"}) {
        QProcess aiuto;
        aiuto.start(QStringLiteral(KOBALTINO_CLI), {nome, "--help"});
        ASSERT_TRUE(aiuto.waitForFinished(30000)) << nome;
        EXPECT_EQ(aiuto.exitCode(), 0) << nome;
        EXPECT_TRUE(aiuto.readAllStandardOutput().startsWith(QByteArray("Uso: kobaltino-cli ") + nome + " ")) << nome;
        EXPECT_FALSE(aiuto.readAllStandardError().contains("Uso:")) << nome;
    }
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

// A full disk, imitated by a file-size limit on kobaltino-cli and its assembler (8 KiB: the
// source fits, the stand-in's hex does not): the assembler exits 0 with half a hex, as gpasm
// does on a full disk, and the message says why.
TEST_F(RigaDiComando, CompilaSuUnDiscoPienoLoDice)
{
    const QString programma = scrivi("giro.kbn", Giro);
    const QString assemblatore = banco.lascia("pieno.sh", "#!/bin/sh\nhead -c 20000 /dev/zero | tr '\\0' x > giro.hex; exit 0\n");
    QFile::setPermissions(assemblatore, QFile::ReadOwner | QFile::ExeOwner);
    QProcess cli;
    cli.setWorkingDirectory(banco.cartella.path());
    cli.start("/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 16; exec \"$0\" compila \"$1\" --assembler \"$2\"",
                          KOBALTINO_CLI, programma, assemblatore});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardError()),
              "Il file giro.hex scritto dal compilatore è incompleto o illeggibile: il disco è pieno. Liberare "
              "spazio sul disco e compilare di nuovo.\n");
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(banco.file(), (QStringList{"giro.kbn", "pieno.sh"}));
}

}  // namespace
}  // namespace kobaltino
