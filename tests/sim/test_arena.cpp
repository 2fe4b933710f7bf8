// The arena file: the built-in arenas, what a bad file is told, and what each sensor sees.
#include "codegen/ingressi.h"
#include "sim/arena.h"
#include "sim/sensori.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// Each built-in arena, written as a file, reads back the same.
TEST(Arena, LePredefiniteSiRileggonoUguali)
{
    for (const QString& nome : nomiArenePredefinite()) {
        const std::optional<Arena> a = arenaPredefinita(nome);
        ASSERT_TRUE(a) << nome.toStdString();
        QString errore;
        EXPECT_EQ(leggiArena(scriviArena(*a), &errore), a) << errore.toStdString();
    }
}

// The bad files of fixtures/errori_arena.txt, each refused with its message.
TEST(Arena, UnFileSbagliatoDiceCheCosaNonVa)
{
    QFile f(KOBALTINO_FIXTURES "/errori_arena.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList json;
    int casi = 0;
    for (const QString& riga : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (riga.startsWith("=> ")) {
            QString errore;
            EXPECT_FALSE(leggiArena(json.join('\n').toUtf8(), &errore)) << json.join('\n').toStdString();
            EXPECT_EQ(errore.toStdString(), riga.mid(3).toStdString());
            json.clear();
            ++casi;
        } else if (!riga.startsWith('#')) {
            json << riga;
        }
    }
    EXPECT_EQ(casi, 17);
}

// A room with a box, a lamp in the top left corner behind the end of an inner wall, and a black
// line along the bottom; the robot at a point and heading, with its wheel travel so far and
// whether it is pressed against a wall or box.
TEST(Arena, OgniSensoreVedeCioCheHaDavanti)
{
    QString errore;
    const std::optional<Arena> arena = leggiArena(R"({
      "larghezza": 300, "altezza": 200, "partenza": {"x": 60, "y": 100},
      "muri": [{"da": [150, 120], "a": [150, 200]}], "scatole": [{"x": 200, "y": 90, "larghezza": 20, "altezza": 20}],
      "lampade": [{"x": 20, "y": 180}], "linee": [{"larghezza": 2, "punti": [[20, 20], [280, 20]]}]})",
                                                  &errore);
    ASSERT_TRUE(arena) << errore.toStdString();
    const struct {
        const char* nome;
        double x, y, direzione, percorso;
        bool contatto;
        QStringList attivi;
    } casi[] = {
        {"niente", 60, 100, 0, 0, false, {}},
        {"scatolaLontana", 170, 100, 0, 0, false, {"Ultrasuono"}},
        {"scatolaVicina", 185, 100, 0, 0, false, {"Ultrasuono", "Prossimita_destra", "Prossimita_sinistra"}},
        {"lineaADestra", 60, 22, 0, 0, false, {"Ottico_destro"}},
        {"lineaASinistra", 60, 18, 0, 0, false, {"Ottico_sinistro"}},
        {"lampadaASinistra", 60, 100, 90, 0, false, {"Luce_sinistra"}},
        {"lampadaDavanti", 20, 100, 90, 0, false, {"Luce_sinistra", "Luce_destra"}},
        {"lampadaDietroIlMuro", 200, 160, 180, 0, false, {}},
        {"rotazione", 60, 100, 0, 10.7, false, {"Sensore_rotazione"}},
        {"urto", 60, 100, 0, 10.2, true, {"Aux"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoRobot r = robotInPartenza({c.x, c.y}, c.direzione);
        r.percorsoRotazione = c.percorso;
        r.inContatto = c.contatto;
        const Livelli livelli = leggiSensori(*arena, r, Ostacoli(*arena));
        for (size_t i = 0; i < ingressi().size(); ++i)
            EXPECT_EQ(livelli[i], c.attivi.contains(QLatin1String(ingressi()[i].pin))) << ingressi()[i].pin;
    }
}

}  // namespace
}  // namespace kobaltino
