// The arena file: the built-in arenas, what a bad file is told, and what each sensor sees.
#include "codegen/ingressi.h"
#include "sim/arena.h"
#include "sim/sensori.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <set>

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
        if (*c.errore)
            EXPECT_EQ(errore, QStringLiteral("Il file dell'arena %1 non va bene: %2").arg(percorso, QString::fromUtf8(c.errore)));
    }
}

// Random rooms (fixed seed), a classroom and a gym: near a point and along a stretch the grid
// offers every wall and box side a plain scan of them all finds; the robot bumps, and its optical
// sensors see the lines, as against the plain lists.
TEST(Arena, LaGrigliaTrovaCioCheTrovaLaScansione)
{
    const struct {
        const char* nome;
        double larghezza, altezza;
        int scatole, muri, linee, domande;
    } casi[] = {{"aula", 300, 200, 300, 60, 10, 3000}, {"palestra", 5000, 3000, 1000, 1000, 100, 1000}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        std::mt19937 caso(11);
        auto tra = [&caso](double a, double b) { return std::uniform_real_distribution<double>(a, b)(caso); };
        Arena a;
        a.larghezza = c.larghezza;
        a.altezza = c.altezza;
        auto vicinoA = [&](Punto p, double r) {
            return Punto{std::clamp(p.x + tra(-r, r), 0.0, c.larghezza), std::clamp(p.y + tra(-r, r), 0.0, c.altezza)};
        };
        auto aCaso = [&] { return Punto{tra(0, c.larghezza), tra(0, c.altezza)}; };
        for (int i = 0; i < c.scatole; ++i)
            a.scatole.push_back({tra(0, c.larghezza - 20), tra(0, c.altezza - 20), tra(1, 20), tra(1, 20)});
        for (int i = 0; i < c.muri; ++i) {
            const Punto p = aCaso();
            a.muri.push_back({p, vicinoA(p, 150)});
        }
        for (int i = 0; i < c.linee; ++i) {
            Linea l{tra(0.5, 10), {aCaso()}};
            while (l.punti.size() < 40)
                l.punti.push_back(vicinoA(l.punti.back(), 15));
            a.linee.push_back(l);
        }
        const Ostacoli o(a);
        const std::vector<Segmento> tutti = a.ostacoli();
        int persi = 0, vicini = 0, attraversati = 0, suLinea = 0, urti = 0;
        for (int q = 0; q < c.domande; ++q) {
            // Half the questions next to a line, where the optical sensors have something to see.
            const Linea& l = a.linee[static_cast<size_t>(q) % a.linee.size()];
            const Punto p = q % 2 ? aCaso() : vicinoA(l.punti[static_cast<size_t>(q) % l.punti.size()], 10);
            const double raggio = tra(0, 40);
            std::set<uint32_t> offerti;
            o.grigliaTutti.vicino(p, raggio, [&](uint32_t i) { return offerti.insert(i), false; });
            for (uint32_t i = 0; i < tutti.size(); ++i)
                if (distanzaDalSegmento(p, tutti[i]) <= raggio) {
                    ++vicini;
                    persi += !offerti.count(i);
                }
            const Punto fine = vicinoA(p, 400);
            offerti.clear();
            o.grigliaPareti.lungo(p, fine, [&](uint32_t i) { return offerti.insert(i), false; });
            const double distanza = lunghezza(fine - p);
            const Punto d = (fine - p) * (1 / std::max(distanza, 1e-9));
            for (uint32_t i = 0; i < o.pareti.size(); ++i)
                if (const auto t = raggioSulSegmento(p, d, o.pareti[i]); t && *t < distanza) {
                    ++attraversati;
                    persi += !offerti.count(i);
                }
            suLinea += a.suLinea(p);
            EXPECT_EQ(o.suLinea(p), a.suLinea(p));
            StatoRobot semplice = robotInPartenza(p, tra(0, 360)), conGriglia = semplice;
            const MotoRuote moto{static_cast<int>(tra(-1, 2)), static_cast<int>(tra(-1, 2))};
            muovi(semplice, moto, 0.5, tutti);
            muovi(conGriglia, moto, 0.5, o);
            urti += semplice.urti;
            EXPECT_EQ(semplice, conGriglia);
        }
        EXPECT_EQ(persi, 0);
        // The questions found something to find.
        EXPECT_GT(std::min({vicini, attraversati, suLinea, urti}), 50) << vicini << " " << attraversati << " " << suLinea << " " << urti;
    }
}

}  // namespace
}  // namespace kobaltino
