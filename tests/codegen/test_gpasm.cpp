// Generated programs through the real assembler (gputils' gpasm): every code, the expected files and
// the size limits.
#include "assemblatore_finto.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// Every code at least once, jumps in the main grid and in three handler grids, handlers that
// call other handlers, labels on rows that write nothing, the same EEPROM operation in two grids.
const std::vector<attesi::Riga> TuttiICodici = {
    {1, 1, "", "0"}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8, "0,5"}, {1, 8, "2,5"},
    {1, 10, "Luce_destra"}, {1, 11, "Aux"}, {1, 13, "Ram1 b'00001111'"}, {1, 13, "Ram2 'A'"}, {1, 13, "Ram3 d'200'"},
    {1, 15, "Ram1 > Ram2"}, {1, 19, "Ram1"}, {1, 16, "", "1"},  // row 16
    {1, 17, "EEP1 b'10101010'"}, {1, 17, "EEP20 d'7'"}, {1, 18, "EEP1 Ram4"}, {1, 20, "Ram4"}, {1, 22, "Ram5"},
    {1, 23, "Ram6"}, {1, 24, "Ram7"}, {1, 25, "Ram8"}, {1, 19, "EEP2"}, {1, 26, "Ram1 + Ram2"}, {1, 26, "Ram3 - Ram4"},
    {1, 16, "", "2"},  // row 28
    {1, 27, "Sensore_rotazione"}, {1, 1}, {1, 28, "Luce_destra"}, {1, 12}, {1, 21, "Aperto"}, {1, 21, "Chiuso"},
    {1, 9, "16"}, {1, 9, "0"}, {1, 9, "28"}, {1, 15, "Ram1 = Ram2"}, {1, 14}, {1, 16}, {1, 15, "Ram1 ! Ram20"},
    {1, 14}, {1, 16}, {1, 15, "Ram19 < Ram2"}, {1, 14}, {1, 16}, {1, 8, "1,0"}, {1, 8, "1,5"}, {1, 8, "2,0"},
    {2, 1, "", "0"}, {2, 10, "Luce_sinistra"}, {2, 9, "0"},
    {3, 27, "Aux", "0"}, {3, 2}, {3, 9, "0"}, {3, 19, "EEP2"},  // one subroutine for both grids
    {4, 11, "Ultrasuono"}, {8, 28, "Ottico_destro"}, {8, 14},
    {10, 8, "1,0", "0"}, {10, 16, "", "1"}, {10, 9, "1"}, {10, 9, "0"},
};

const Messaggio Terminata{"Compilazione terminata"};

class ConGpasm : public ::testing::TestWithParam<const char*> {};

TEST_P(ConGpasm, TuttiICodiciSiAssemblano)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    Banco b(gpasm(), "robot.kbn");
    carica(b.stato, TuttiICodici);
    b.stato.AuxAbilitata = false;
    b.stato.Processore = QString::fromLatin1(GetParam());
    b.compilatore.compila();

    // Only the three "Ritorna" of the main grid are warned about, on every processor.
    ASSERT_EQ(b.ui.messaggi.size(), 2u);
    EXPECT_EQ(b.ui.messaggi.front().testo.count("\"Ritorna\" nella griglia principale"), 3);
    EXPECT_EQ(b.ui.messaggi.back(), Terminata);
    EXPECT_EQ(b.compilatore.esito(), EsitoCompilazione::Riuscita);
    EXPECT_EQ(b.file(), (QStringList{"robot.hex", "robot.kbn"}));
    QFile hex(b.cartella.filePath("robot.hex"));
    ASSERT_TRUE(hex.open(QIODevice::ReadOnly));
    const QByteArray contenuto = hex.readAll();
    EXPECT_TRUE(contenuto.startsWith(":020000000528D1"));  // goto INIZIO at address 0
    // The configuration word: H'3FF1', on the 16F628 H'3F61'.
    EXPECT_TRUE(contenuto.contains(b.stato.Processore == "16F628" ? ":02400E00613F10" : ":02400E00F13F80"));
    EXPECT_TRUE(contenuto.trimmed().endsWith(":00000001FF"));
    EXPECT_FALSE(contenuto.contains(":02000004"));  // INHX8M, as MPASM writes for these chips
}

// The real size, read from the hex. A program of n "Sleep" rows assembles to 122 + n words:
// goto INIZIO at 0, INIZIO from 5 to 12, the rows, "fine", nine handler returns, 7 x 3 motor
// words and 6 x 13 delay words; on the 16F628 two more words switch the comparators off. There,
// 96 EEPROM operations on distinct (operation, cell) pairs add one call word and a 19-word
// subroutine each: 1920 words.
TEST_P(ConGpasm, AllUltimaParolaDelProcessore)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    Banco b(gpasm());
    b.stato.Processore = QString::fromLatin1(GetParam());
    const bool f628 = b.stato.Processore == "16F628";
    const int operazioni[] = {19, 20, 22, 23, 24, 25};
    for (int i = 0; f628 && i < 96; ++i)
        aggiungi(b.stato, 1 + i % 10, operazioni[i / 20], QStringLiteral("EEP%1").arg(i % 20 + 1));
    for (int i = 0; i < (f628 ? 4 : 902); ++i)
        aggiungi(b.stato, 1, 12);
    b.compilatore.compila();
    EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{Terminata});
    EXPECT_EQ(b.file(), (QStringList{"giro.hex", "giro.kbn"}));

    aggiungi(b.stato, 1, 12);  // on the 16F84 the estimate, 74 + 903 = 977, would let it through
    b.ui.messaggi.clear();
    b.compilatore.compila();
    const QString memoria = f628 ? "2049 parole, il processore ne ha 2048.\r\nTogliere qualche istruzione"
                                 : "1025 parole, il processore ne ha 1024.\r\nTogliere qualche istruzione o "
                                   "scegliere il 16F628";
    EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{{"Ci sono troppe istruzioni per il " + b.stato.Processore
                                                     + ".\r\nIl programma occupa " + memoria}});
    EXPECT_EQ(b.compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(b.file(), QStringList{"giro.kbn"});
}

// The expected files themselves are valid assembly for their processor.
TEST_P(ConGpasm, IlFileAttesoDiGiroSiAssembla)
{
    ASSERT_FALSE(gpasm().isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    const QString processore = QString::fromLatin1(GetParam());
    QTemporaryDir cartella;
    QFile asm_(cartella.filePath("giro.asm"));
    ASSERT_TRUE(asm_.open(QIODevice::WriteOnly));
    asm_.write(attesi::fileGiro(processore, "p" + processore.toLower() + ".inc"));
    asm_.close();
    QProcess p;
    p.setWorkingDirectory(cartella.path());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(gpasm(), {"-w", "2", "giro.asm"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
    QFile hex(cartella.filePath("giro.hex"));
    ASSERT_TRUE(hex.open(QIODevice::ReadOnly));
    EXPECT_TRUE(hex.readAll().contains(processore == "16F628" ? ":02400E00613F10" : ":02400E00F13F80"));
}

INSTANTIATE_TEST_SUITE_P(Processori, ConGpasm, ::testing::Values("16F84", "16F84A", "16F628"));

}  // namespace
}  // namespace kobaltino
