// The assembler's INHX8M file: program words, the configuration word and the EEPROM bytes, and a
// clear message for a file that is not one.
#include "sim/hex.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// goto 5 at 0, movlw 0x12 at 5 and 6 (two records), config 0x3FF1, EEPROM bytes 0xAB at 0 and 0x01 at 2.
const QByteArray Buono = ":020000000528D1\r\n"
                         ":04000A00123012306E\r\n"
                         ":02400E00F13F80\r\n"
                         ":06420000AB00000001000C\r\n"
                         ":00000001FF\r\n";

TEST(Hex, LeggeParoleConfigurazioneEEeprom)
{
    QString errore;
    const auto immagine = leggiHex(Buono, &errore);
    ASSERT_TRUE(immagine.has_value()) << errore.toStdString();
    ASSERT_EQ(immagine->programma.size(), 0x400u);
    EXPECT_EQ(immagine->programma[0], 0x2805);
    EXPECT_EQ(immagine->programma[1], -1);
    EXPECT_EQ(immagine->programma[5], 0x3012);
    EXPECT_EQ(immagine->programma[6], 0x3012);
    EXPECT_EQ(immagine->configurazione, 0x3FF1);
    EXPECT_EQ(immagine->eeprom[0], 0xAB);
    EXPECT_EQ(immagine->eeprom[1], 0x00);
    EXPECT_EQ(immagine->eeprom[2], 0x01);
    EXPECT_EQ(immagine->eeprom[3], -1);
}

struct HexCattivo {
    QByteArray testo;
    const char* messaggio;
};

class HexNonValido : public testing::TestWithParam<HexCattivo> {};

TEST_P(HexNonValido, SpiegaPerche)
{
    QString errore;
    EXPECT_FALSE(leggiHex(GetParam().testo, &errore).has_value());
    EXPECT_EQ(errore, QString::fromUtf8(GetParam().messaggio));
}

INSTANTIATE_TEST_SUITE_P(
    Hex, HexNonValido,
    testing::Values(HexCattivo{"020000000528D1\n:00000001FF\n", "File hex non valido alla riga 1: manca i due punti iniziali."},
                    HexCattivo{":020000000528D2\n:00000001FF\n", "File hex non valido alla riga 1: somma di controllo errata."},
                    HexCattivo{":0200000005G8D1\n", "File hex non valido alla riga 1: record malformato."},
                    HexCattivo{":030000000528D1\n", "File hex non valido alla riga 1: record malformato."},
                    HexCattivo{":020000000528D1\n", "File hex non valido alla riga 1: manca il record di fine."},
                    HexCattivo{":00000001FF\n:020000000528D1\n", "File hex non valido alla riga 2: dati dopo il record di fine."},
                    HexCattivo{":020000020528CF\n:00000001FF\n", "File hex non valido alla riga 1: tipo di record 2 sconosciuto."},
                    HexCattivo{"", "File hex non valido alla riga 1: manca il record di fine."}),
    [](const testing::TestParamInfo<HexCattivo>& i) { return "caso" + std::to_string(i.index); });

}  // namespace
}  // namespace kobaltino
