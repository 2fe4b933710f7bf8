#include "model/catalogo.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "support/approvazione.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// fixtures/catalogo.txt: each code and its palette name; then the action a conditional's row
// below stands for, as its dialog names it.
TEST(Catalogo, OgniCodiceHaLaSuaVoceEIlSuoNome)
{
    QStringList viste;
    for (int c = 1; c <= 28; ++c) {
        ASSERT_NE(voce(c), nullptr) << c;
        viste << QString::number(voce(c)->codice) + '\t' + QString::fromUtf8(voce(c)->nome);
    }
    EXPECT_TRUE(ugualeAlFile(viste, KOBALTINO_FIXTURES "/catalogo.txt"));
    EXPECT_EQ(QStringList({azioneDelCodice("12"), azioneDelCodice("14"), azioneDelCodice("19"), azioneDelCodice("16")}),
              QStringList({"Sleep", "21", "19", "16"}));
}

// What the grid view shows in each column, a grid that takes 950 rows, no more, and the code of
// a row read only when it is one of the 28.
TEST(Griglia, TieneSempre950RigheETestiDiCella)
{
    Griglia g;
    const auto celle = [&](int r) {
        return QStringList{g.testoCella(r, ColNumero), g.testoCella(r, ColParametro), g.testoCella(r, ColCodice),
                           g.testoCella(r, ColEtichetta), g.testoCella(r, ColLibera)}
            .join('/');
    };
    EXPECT_EQ(celle(0), "////");
    EXPECT_EQ(g.accoda(8, "1,5"), 0);
    g.riga(0).etichetta = "3";
    EXPECT_EQ(celle(0), "0/1,5/8/3/");
    for (int i = 1; i < RigheGriglia; ++i)
        ASSERT_EQ(g.accoda(1, {}), i);
    EXPECT_TRUE(g.piena());
    EXPECT_EQ(g.accoda(1, {}), -1);
    EXPECT_EQ(celle(949) + ' ' + celle(950) + ' ' + celle(-1), "949//1// //// ////");
    const std::pair<const char*, int> casi[] = {{"abc", 0}, {"29", 0}, {"16", 16}, {"", 0}};
    for (const auto& [testo, codice] : casi) {
        g.riga(0).codice = testo;
        EXPECT_EQ(g.codice(0), codice) << testo;
    }
    EXPECT_EQ(g.codice(-1) + g.codice(950), 0);
}

}  // namespace
}  // namespace kobaltino
