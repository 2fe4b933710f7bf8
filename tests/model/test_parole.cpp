// A row's parameter in words, for every code, and the texts no dialog writes.
#include "model/editor.h"
#include "model/parole_parametro.h"
#include "support/approvazione.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// fixtures/parole.txt: one row per line, tab-separated: code, parameter, action code, then the short and
// the full words. The last rows are texts no dialog writes (an edited file): shown as they stand.
TEST(Parole, BreviEComplete)
{
    QStringList viste;
    for (const QString& riga : righeDelFile(KOBALTINO_FIXTURES "/parole.txt")) {
        const QStringList campi = riga.split('\t');
        const ParoleParametro p = paroleParametro(campi.value(0).toInt(), campi.value(1), campi.value(2).toInt());
        viste << QStringList{campi.mid(0, 3).join('\t'), p.breve, p.completa}.join('\t');
    }
    EXPECT_EQ(viste.size(), 46);
    EXPECT_TRUE(ugualeAlFile(viste, KOBALTINO_FIXTURES "/parole.txt"));
}

TEST(ParoleRiga, LAzioneEDellaRigaSottoIlCondizionale)
{
    Griglia g;
    g.accoda(codici::Se, QStringLiteral("Ram1 < Ram2"));
    g.accoda(codici::FineSe, {});  // its Incrementa was cancelled
    g.accoda(codici::SeDisattivoFai, QStringLiteral("Sensore_rotazione"));
    g.accoda(codici::RuotaASinistra, {});
    g.accoda(codici::SeAttivoFai, QStringLiteral("Luce_sinistra"));  // the last row: no action below
    EXPECT_EQ(paroleRiga(g, 0).breve, QStringLiteral("se Ram1 < Ram2"));
    EXPECT_EQ(paroleRiga(g, 2).breve, QStringLiteral("se Sensore rotazione disattivo fai Ruota a sinistra"));
    EXPECT_EQ(paroleRiga(g, 4).breve, QStringLiteral("se Luce sinistra attivo"));
    EXPECT_EQ(paroleRiga(g, 5), ParoleParametro{});  // an unused row
}

}  // namespace
}  // namespace kobaltino
