// The size limits measured on the hex the real assembler (gputils' gpasm) writes.
#include "assemblatore_finto.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// The real size, read from the hex. A program of n "Sleep" rows assembles to 122 + n words:
// goto INIZIO at 0, INIZIO from 5 to 12, the rows, "fine", nine handler returns, 7 x 3 motor
// words and 6 x 13 delay words; on the 16F628 two more words switch the comparators off. There,
// 96 EEPROM operations on distinct (operation, cell) pairs add one call word and a 19-word
// subroutine each: 1920 words.
class ConGpasm : public ::testing::TestWithParam<const char*> {};

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
    EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{{"Compilazione terminata"}});
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

INSTANTIATE_TEST_SUITE_P(Processori, ConGpasm, ::testing::Values("16F84", "16F84A", "16F628"));

}  // namespace
}  // namespace kobaltino
