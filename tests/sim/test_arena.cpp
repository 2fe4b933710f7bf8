// The arena file: the built-in arenas, what a bad file is told, and what each sensor sees.
#include "model/ingressi.h"
#include "sim/arena.h"
#include "sim/sensori.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

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

// A room of `lampade` lamps, `linee` lines of `punti` points each, `scatole` boxes, and `spazi`
// blanks after it.
QByteArray stanza(int lampade, int linee, int punti, int scatole = 0, qsizetype spazi = 0)
{
    QByteArray t = R"({"larghezza": 1000, "altezza": 1000, "partenza": {"x": 500, "y": 500}, "lampade": [)";
    for (int i = 0; i < lampade; ++i)
        t += (i ? "," : "") + QByteArray(R"({"x": 1, "y": 1})");
    t += R"(], "scatole": [)";
    for (int i = 0; i < scatole; ++i)
        t += (i ? "," : "") + QByteArray(R"({"x": 1, "y": 1, "larghezza": 1, "altezza": 1})");
    t += R"(], "linee": [)";
    for (int l = 0; l < linee; ++l) {
        t += QByteArray(l ? "," : "") + R"({"punti": [)";
        for (int i = 0; i < punti; ++i)
            t += (i ? "," : "") + QByteArray("[") + QByteArray::number(i % 900) + "," + QByteArray::number(l) + "]";
        t += R"(], "larghezza": 1})";
    }
    return t + "]}" + QByteArray(spazi, ' ');
}

// How far an arena may grow; past it, what the file is told. "" means it is read.
TEST(Arena, ILimitiDiUnArena)
{
    constexpr qsizetype DueMB = 2 * 1024 * 1024;
    const struct {
        const char* nome;
        QByteArray testo;
        const char* errore;
    } casi[] = {
        {"al limite", stanza(50, 10, 1000, 1000), ""},
        {"troppe lampade", stanza(51, 1, 2), "\"lampade\" ha troppi elementi (al massimo 50)."},
        {"una linea troppo lunga", stanza(0, 1, 1001), "linea 1: \"punti\" ha troppi elementi (al massimo 1000)."},
        {"troppi punti", stanza(0, 11, 1000), "le linee hanno troppi punti (al massimo 10000 in tutto)."},
        {"troppo grande", stanza(0, 1, 2, 0, DueMB), "il file è troppo grande (al massimo 2 MB)."},
    };
    QTemporaryDir cartella;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        QString errore;
        EXPECT_EQ(leggiArena(c.testo, &errore).has_value(), !*c.errore);
        EXPECT_EQ(errore.toStdString(), c.errore);
        // From a file the message names it.
        const QString percorso = cartella.filePath(QStringLiteral("arena.json"));
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(c.testo) == c.testo.size());
        f.close();
        errore.clear();
        EXPECT_EQ(caricaArena(percorso, nullptr, &errore).has_value(), !*c.errore);
        EXPECT_EQ(errore, *c.errore ? QStringLiteral("Il file dell'arena %1 non va bene: %2").arg(percorso, c.errore) : "");
    }
}

constexpr double Gradi = std::numbers::pi / 180.0;

// What the seven sensors see by a plain scan of every lamp and segment, as the grid must see it.
Livelli comeLaScansione(const Arena& a, const std::vector<Segmento>& tutti, const std::vector<Segmento>& pareti,
                        const StatoRobot& r)
{
    Livelli l{};
    for (size_t i = 0; i < geometriaSensori().size(); ++i) {
        const GeometriaSensore& g = geometriaSensori()[i];
        const Punto o = daRobot(r.posizione, r.direzione, g.avanti, g.sinistra);
        for (const Lampada& k : i < 2 ? a.lampade : std::vector<Lampada>{}) {
            const Punto v = k.posizione - o;
            const double d = lunghezza(v);
            bool nascosta = d > g.portata
                            || std::abs(std::remainder(std::atan2(v.y, v.x) - r.direzione - g.direzione * Gradi, 2 * std::numbers::pi)) > g.semiapertura * Gradi;
            for (const Segmento& s : pareti)
                if (const auto t = raggioSulSegmento(o, v * (1.0 / std::max(d, 1e-9)), s); t && *t < d)
                    nascosta = true;
            l[i] = l[i] || !nascosta;
        }
        for (const Segmento& s : i >= 2 && g.portata > 0 ? tutti : std::vector<Segmento>{})
            for (int k = 0; k < 7 && distanzaDalSegmento(o, s) <= g.portata; ++k) {
                const auto t = raggioSulSegmento(o, versore(r.direzione + (g.direzione + g.semiapertura * (k / 3.0 - 1.0)) * Gradi), s);
                l[i] = l[i] || (t && *t <= g.portata);
            }
        l[i] = l[i] || (g.portata == 0 && a.suLinea(o));
    }
    l[7] = rotazioneAttiva(r);
    l[8] = r.inContatto;
    return l;
}

// Random rooms (fixed seed), a classroom and a gym: robots set down anywhere see through the grid
// what a plain scan sees, and bump where a plain scan of every segment stops them.
TEST(Arena, LaGrigliaVedeCioCheVedeLaScansione)
{
    const struct {
        const char* nome;
        double larghezza, altezza;
        int scatole, muri, linee, lampade, robot;
    } casi[] = {{"aula", 300, 200, 300, 30, 10, 6, 1500}, {"palestra", 5000, 3000, 1000, 300, 30, 3, 300}};
    std::array<int, NumeroIngressi> attivi{};
    int urti = 0;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        std::mt19937 caso(11);
        auto tra = [&caso](double a, double b) { return std::uniform_real_distribution<double>(a, b)(caso); };
        auto vicinoA = [&](Punto p, double r) {
            return Punto{std::clamp(p.x + tra(-r, r), 0.0, c.larghezza), std::clamp(p.y + tra(-r, r), 0.0, c.altezza)};
        };
        auto aCaso = [&] { return Punto{tra(0, c.larghezza), tra(0, c.altezza)}; };
        Arena a;
        a.larghezza = c.larghezza;
        a.altezza = c.altezza;
        for (int i = 0; i < c.scatole; ++i)
            a.scatole.push_back({tra(0, c.larghezza - 20), tra(0, c.altezza - 20), tra(1, 20), tra(1, 20)});
        for (int i = 0; i < c.muri + c.linee + c.lampade; ++i) {
            const Punto p = aCaso();
            if (i < c.muri)
                a.muri.push_back({p, vicinoA(p, 150)});
            else if (i < c.muri + c.linee)
                a.linee.push_back({tra(0.5, 10), {p, vicinoA(p, 15), vicinoA(p, 30)}});
            else
                a.lampade.push_back({p});
        }
        const Ostacoli o(a);
        const std::vector<Segmento> tutti = a.ostacoli(), pareti = a.pareti();
        for (int q = 0; q < c.robot; ++q) {
            // Half of them next to a box or a line, where the sensors have something to see.
            const Scatola& k = a.scatole[static_cast<size_t>(q) % a.scatole.size()];
            const Linea& l = a.linee[static_cast<size_t>(q) % a.linee.size()];
            const Punto p = vicinoA(q % 3 == 0 ? Punto{k.x, k.y} : q % 3 == 1 ? l.punti[1] : aCaso(), 25);
            StatoRobot semplice = robotInPartenza(p, tra(0, 360)), conGriglia = semplice;
            const Livelli visti = comeLaScansione(a, tutti, pareti, semplice);
            EXPECT_EQ(leggiSensori(a, semplice, o), visti) << q;
            for (size_t i = 0; i < visti.size(); ++i)
                attivi[i] += visti[i];
            const MotoRuote moto{static_cast<int>(tra(-1, 2)), static_cast<int>(tra(-1, 2))};
            muovi(semplice, moto, 0.5, tutti);
            muoviTraOstacoli(conGriglia, moto, 0.5, o);
            urti += semplice.urti;
            EXPECT_EQ(semplice, conGriglia);
        }
    }
    // Every sensor that looks at the room saw something, and robots bumped.
    EXPECT_GT(std::min({attivi[0], attivi[1], attivi[2], attivi[3], attivi[4], attivi[5], attivi[6], urti}), 5);
}

}  // namespace
}  // namespace kobaltino
