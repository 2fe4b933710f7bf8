// The assembler's INHX8M file: program words, the configuration word and the EEPROM bytes, and a
// clear message for a file that is not one.
#include "sim/hex.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

TEST(Hex, LeggeParoleConfigurazioneEEeprom)
{
    // goto 5 at 0, movlw 0x12 at 5 and 6 (two records), config 0x3FF1, EEPROM bytes 0xAB at 0 and 0x01 at 2.
    const QByteArray buono = ":020000000528D1\r\n:04000A00123012306E\r\n:02400E00F13F80\r\n:06420000AB00000001000C\r\n"
                             ":00000001FF\r\n";
    QString errore;
    const auto immagine = leggiHex(buono, &errore);
    ASSERT_TRUE(immagine.has_value()) << errore.toStdString();
    ASSERT_EQ(immagine->programma.size(), 0x400u);
    ASSERT_GE(immagine->eeprom.size(), 4u);
    EXPECT_EQ(std::vector<int>(immagine->programma.begin(), immagine->programma.begin() + 8),
              (std::vector<int>{0x2805, -1, -1, -1, -1, 0x3012, 0x3012, -1}));
    EXPECT_EQ(immagine->configurazione, 0x3FF1);
    EXPECT_EQ(std::vector<int>(immagine->eeprom.begin(), immagine->eeprom.begin() + 4), (std::vector<int>{0xAB, 0, 1, -1}));
}

TEST(Hex, UnFileNonValidoDicePerche)
{
    const std::pair<QByteArray, const char*> casi[] = {
        {"020000000528D1\n:00000001FF\n", "alla riga 1: manca i due punti iniziali."},
        {":020000000528D2\n:00000001FF\n", "alla riga 1: somma di controllo errata."},
        {":0200000005G8D1\n", "alla riga 1: record malformato."},
        {":030000000528D1\n", "alla riga 1: record malformato."},
        {":020000000528D1\n", "alla riga 1: manca il record di fine."},
        {":00000001FF\n:020000000528D1\n", "alla riga 2: dati dopo il record di fine."},
        {":020000020528CF\n:00000001FF\n", "alla riga 1: tipo di record 2 sconosciuto."},
        {"", "alla riga 1: manca il record di fine."},
    };
    for (const auto& [testo, messaggio] : casi) {
        QString errore;
        EXPECT_FALSE(leggiHex(testo, &errore).has_value()) << testo.toStdString();
        EXPECT_EQ(errore.toStdString(), std::string("File hex non valido ") + messaggio);
    }
}

}  // namespace
}  // namespace kobaltino
