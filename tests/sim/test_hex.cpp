// A file that is not the assembler's INHX8M file is refused with a clear message (a good file is
// read by every lockstep run against gpsim).
#include "sim/hex.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

TEST(Hex, UnFileNonValidoDicePerche)
{
    const std::pair<QByteArray, const char*> casi[] = {
        {"020000000528D1\n:00000001FF\n", "alla riga 1: manca i due punti iniziali."},
        {":020000000528D2\n:00000001FF\n", "alla riga 1: somma di controllo errata."},
        {":0200000005G8D1\n", "alla riga 1: record malformato."},
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
