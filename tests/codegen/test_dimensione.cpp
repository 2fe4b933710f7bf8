// The real program size: read from the hex file after assembling, against the processor's
// program memory (1024 words for the 16F84 and 16F84A, 2048 for the 16F628).
#include "assemblatore_finto.h"
#include "programmi.h"

#include "codegen/compilatore.h"
#include "codegen/memoria_programma.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

const Messaggio Terminata{"Compilazione terminata"};

// One Intel hex record with its checksum.
QByteArray record(int indirizzo, int tipo, const QByteArray& dati)
{
    QByteArray byte;
    byte.append(static_cast<char>(dati.size()));
    byte.append(static_cast<char>(indirizzo >> 8));
    byte.append(static_cast<char>(indirizzo & 0xff));
    byte.append(static_cast<char>(tipo));
    byte.append(dati);
    int somma = 0;
    for (char b : byte)
        somma += static_cast<unsigned char>(b);
    byte.append(static_cast<char>(-somma & 0xff));
    return ':' + byte.toHex().toUpper() + "\r\n";
}

// A hex file whose program ends at word `parole` - 1, with the configuration word after it.
QByteArray hexFinoA(int parole)
{
    QByteArray h = ":020000000528D1\r\n";  // goto INIZIO
    h += record((parole - 1) * 2, 0, QByteArray::fromHex("0800"));
    h += ":02400E00F13F80\r\n:00000001FF\r\n";
    return h;
}

TEST(MemoriaProgramma, ParoleDaiRecordDelFileHex)
{
    EXPECT_EQ(paroleOccupate(":020000000528D1\r\n:02400E00F13F80\r\n:00000001FF\r\n"), 1);
    EXPECT_EQ(paroleOccupate(hexFinoA(1072)), 1072);
    EXPECT_EQ(paroleOccupate(hexFinoA(1024)), 1024);
    EXPECT_EQ(paroleOccupate(hexFinoA(2049)), 2049);
    // An odd number of bytes still fills its last word; line ends may be bare LF.
    EXPECT_EQ(paroleOccupate(record(0x10, 0, "\x01\x02\x03") + ":00000001FF\n"), 10);
    // Configuration word, ID locations and EEPROM data are not program memory.
    EXPECT_EQ(paroleOccupate(":02400E00F13F80\r\n:00000001FF\r\n"), 0);
    EXPECT_EQ(paroleOccupate(record(0x4000, 0, "\x01\x02") + record(0x4200, 0, "\x05") + ":00000001FF\r\n"), 0);
    // Extended address records move what follows.
    EXPECT_EQ(paroleOccupate(record(0, 4, QByteArray("\x00\x00", 2)) + record(0x20, 0, "\x01\x02") + ":00000001FF\r\n"),
              17);
    EXPECT_EQ(paroleOccupate(record(0x20, 0, "\x01\x02") + record(0, 4, QByteArray("\x00\x01", 2))
                             + record(0x20, 0, "\x01\x02") + ":00000001FF\r\n"),
              17);
    EXPECT_EQ(paroleOccupate(record(0, 2, QByteArray("\x00\x10", 2)) + record(0x20, 0, "\x01\x02") + ":00000001FF\r\n"),
              145);  // segment 0x10: byte address 0x120 + 0x20
}

TEST(MemoriaProgramma, UnFileHexMalformatoNonSiMisura)
{
    EXPECT_EQ(paroleOccupate(""), std::nullopt);
    EXPECT_EQ(paroleOccupate("x"), std::nullopt);
    EXPECT_EQ(paroleOccupate(":020000000528D1\r\n"), std::nullopt);               // no end record
    EXPECT_EQ(paroleOccupate(":020000000528D2\r\n:00000001FF\r\n"), std::nullopt);  // checksum
    EXPECT_EQ(paroleOccupate(":030000000528D1\r\n:00000001FF\r\n"), std::nullopt);  // length
    EXPECT_EQ(paroleOccupate(":0200000005G8D1\r\n:00000001FF\r\n"), std::nullopt);  // not hex
    EXPECT_EQ(paroleOccupate(":0200000005\r\n:00000001FF\r\n"), std::nullopt);
    EXPECT_EQ(paroleOccupate(record(0, 4, "\x01") + ":00000001FF\r\n"), std::nullopt);
}

TEST(MemoriaProgramma, MemoriaDeiProcessori)
{
    EXPECT_EQ(paroleDisponibili("16F84"), 1024);
    EXPECT_EQ(paroleDisponibili("16F84A"), 1024);
    EXPECT_EQ(paroleDisponibili("16F628"), 2048);
}

class Dimensione : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        salvato(stato, cartella.filePath("giro.kbn"));
        QFile f(stato.PercorsoFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        aggiungi(stato, 1, 1);
    }

    // The assembler leaves `contenuto` as the hex file `nome`.
    void lasciaHex(const QString& nome, const QByteArray& contenuto)
    {
        ui.primaDiTerminare = [this, nome, contenuto] {
            QFile f(cartella.filePath(nome));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        };
    }

    QStringList fileNellaCartella() const { return QDir(cartella.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir cartella;
    Stato stato;
    InterazioneAssemblatore ui;
    Compilatore compilatore{stato, ui};
};

TEST_F(Dimensione, IlProgrammaCheNonEntraNonLasciaIlHex)
{
    stato.PercorsoCompilatore = QStringLiteral("/usr/bin/gpasm");
    lasciaHex("giro.hex", hexFinoA(1025));
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{{"Ci sono troppe istruzioni per il 16F84.\r\n"
                                                   "Il programma occupa 1025 parole, il processore ne ha 1024.\r\n"
                                                   "Togliere qualche istruzione o scegliere il 16F628"}});
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});

    ui.messaggi.clear();
    lasciaHex("giro.hex", hexFinoA(1024));
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Riuscita);
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn"}));
}

TEST_F(Dimensione, Il16F628HaIlDoppioDiMemoria)
{
    stato.PercorsoCompilatore = QStringLiteral("/usr/bin/gpasm");
    stato.Processore = QStringLiteral("16F628");
    lasciaHex("giro.hex", hexFinoA(2048));
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});

    ui.messaggi.clear();
    lasciaHex("giro.hex", hexFinoA(2049));
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{{"Ci sono troppe istruzioni per il 16F628.\r\n"
                                                   "Il programma occupa 2049 parole, il processore ne ha 2048.\r\n"
                                                   "Togliere qualche istruzione"}});
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

TEST_F(Dimensione, IlHexDiMpasmSiTrovaComeSulDisco)
{
    stato.PercorsoCompilatore = QStringLiteral("/opt/pic/MPASMWIN.exe");
    stato.Processore = QStringLiteral("16F84A");
    lasciaHex("giro.HEX", hexFinoA(1100));
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{{"Ci sono troppe istruzioni per il 16F84A.\r\n"
                                                   "Il programma occupa 1100 parole, il processore ne ha 1024.\r\n"
                                                   "Togliere qualche istruzione o scegliere il 16F628"}});
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

TEST_F(Dimensione, SenzaUnHexLeggibileNonSiMisura)
{
    stato.PercorsoCompilatore = QStringLiteral("/usr/bin/gpasm");
    lasciaHex("giro.hex", "non un file hex");
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn"}));

    ui.messaggi.clear();
    ui.primaDiTerminare = nullptr;
    QFile::remove(cartella.filePath("giro.hex"));
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
}

// --- With the real assembler ---------------------------------------------------------------
// A program of n "Sleep" rows assembles to 122 + n words: goto INIZIO at 0, INIZIO from 5 to 12,
// the rows, "fine", nine handler returns, 7 x 3 motor words and 6 x 13 delay words.

class DimensioneConGpasm : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        salvato(stato, cartella.filePath("giro.kbn"));
        QFile f(stato.PercorsoFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        stato.PercorsoCompilatore = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
        ASSERT_FALSE(stato.PercorsoCompilatore.isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    }

    void sleep(int n)
    {
        for (int i = 0; i < n; ++i)
            aggiungi(stato, 1, 12);
    }

    QStringList fileNellaCartella() const { return QDir(cartella.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir cartella;
    Stato stato;
    InterazioneFinta ui;  // runs the assembler for real
    Compilatore compilatore{stato, ui};
};

TEST_F(DimensioneConGpasm, Sul16F84Al1024EsimaParola)
{
    for (const char* processore : {"16F84", "16F84A"}) {
        stato.griglia(1).svuota();
        stato.Processore = QString::fromLatin1(processore);
        sleep(902);
        ui.messaggi.clear();
        compilatore.compila();
        EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata}) << processore;
        EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn"}));

        sleep(1);  // the estimate, 74 + 903 = 977, would let it through
        ui.messaggi.clear();
        compilatore.compila();
        EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{{"Ci sono troppe istruzioni per il " + stato.Processore
                                                       + ".\r\nIl programma occupa 1025 parole, il processore ne ha "
                                                         "1024.\r\nTogliere qualche istruzione o scegliere il 16F628"}});
        EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
        EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
    }
}

TEST_F(DimensioneConGpasm, Sul16F628Alla2048EsimaParola)
{
    // 100 EEPROM operations on distinct (operation, cell) pairs: one call word each plus an
    // 18-word subroutine each, 1900 words; with the fixed 122 and 26 sleeps, 2048.
    stato.Processore = QStringLiteral("16F628");
    const int operazioni[] = {19, 20, 22, 23, 24, 25};
    for (int i = 0; i < 100; ++i)
        aggiungi(stato, 1 + i % 10, operazioni[i / 20], QStringLiteral("EEP%1").arg(i % 20 + 1));
    sleep(26);
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
    EXPECT_EQ(fileNellaCartella(), (QStringList{"giro.hex", "giro.kbn"}));

    sleep(1);
    ui.messaggi.clear();
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{{"Ci sono troppe istruzioni per il 16F628.\r\n"
                                                   "Il programma occupa 2049 parole, il processore ne ha 2048.\r\n"
                                                   "Togliere qualche istruzione"}});
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});
}

}  // namespace
}  // namespace kobaltino
