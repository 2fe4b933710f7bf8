// The recovery copy of unsaved work: written while there are unsaved changes, for a program never
// saved too, and brought back as the unsaved program it was; gone once saved or emptied.
#include "banco_file.h"
#include "persist/recupero.h"

namespace kobaltino {
namespace {

using Recupero = BancoFile;

TEST_F(Recupero, LaCopiaTornaComeProgrammaNonSalvato)
{
    for (const QString& programma : {QString(), QStringLiteral("/scuola/giro.kbn")}) {
        SCOPED_TRACE(programma.toStdString());
        const QString dove = percorso(QStringLiteral("recupero") + programma.right(4));
        Stato lavoro;
        scriviGriglia(lavoro, 1, QStringLiteral("1 | 8 1,5"));
        lavoro.PercorsoFile = programma;
        lavoro.Modificato = true;
        CopiaRecupero copia(lavoro, dove);  // never started: its lock is free, as after a crash
        copia.aggiorna();
        const std::vector<CopiaLasciata> lasciate = CopiaRecupero::lasciate(dove);
        ASSERT_EQ(lasciate.size(), 1u);
        EXPECT_EQ(lasciate[0].programma, programma);
        ASSERT_TRUE(CopiaRecupero::ripristina(editor, lasciate[0]).riuscito());
        EXPECT_EQ(testoGriglia(1), "1 | 8 1,5");
        EXPECT_EQ(stato.PercorsoFile, programma);
        EXPECT_TRUE(stato.Modificato);

        // Saved, or emptied, the program leaves no copy.
        for (const QString& righe : {QStringLiteral("1"), QString()}) {
            lavoro.Modificato = true;
            lavoro.griglia(1).svuota();
            scriviGriglia(lavoro, 1, righe);
            copia.aggiorna();
            ASSERT_EQ(CopiaRecupero::lasciate(dove).size(), 1u - righe.isEmpty());
            lavoro.Modificato = false;
            copia.aggiorna();
            EXPECT_TRUE(CopiaRecupero::lasciate(dove).empty());
        }
    }
}

}  // namespace
}  // namespace kobaltino
