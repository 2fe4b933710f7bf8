// The arena file: the built-in arenas, what a bad file is told, and what each sensor sees.
#include "codegen/ingressi.h"
#include "sim/arena.h"
#include "sim/sensori.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

TEST(Arena, LePredefiniteSiRileggonoUguali)
{
    ASSERT_EQ(nomiArenePredefinite(), QStringList({"vuota", "pista", "labirinto", "lampada"}));
    for (const QString& nome : nomiArenePredefinite()) {
        const std::optional<Arena> a = arenaPredefinita(nome);
        ASSERT_TRUE(a) << nome.toStdString();
        QString errore;
        EXPECT_EQ(leggiArena(scriviArena(*a), &errore), a) << errore.toStdString();
    }
    EXPECT_FALSE(arenaPredefinita("pippo"));
}

struct FileSbagliato {
    const char* nome;
    const char* json;
    const char* messaggio;
};

void PrintTo(const FileSbagliato& f, std::ostream* os) { *os << f.nome; }

class FileSbagliati : public ::testing::TestWithParam<FileSbagliato> {};

TEST_P(FileSbagliati, DiconoCheCosaNonVa)
{
    QString errore;
    EXPECT_FALSE(leggiArena(GetParam().json, &errore));
    EXPECT_EQ(errore.toStdString(), GetParam().messaggio);
}

#define P R"("partenza": {"x": 20, "y": 20})"
INSTANTIATE_TEST_SUITE_P(
    Arena, FileSbagliati,
    ::testing::Values(
        FileSbagliato{"nonJson", "{\n  \"larghezza\": 100,\n  \"altezza\" 100\n}",
                      "il testo non è JSON valido (riga 3)."},
        FileSbagliato{"elenco", "[]", "il testo deve essere un oggetto JSON { ... }."},
        FileSbagliato{"senzaLarghezza", R"({"altezza": 100, )" P "}", "manca \"larghezza\"."},
        FileSbagliato{"larghezzaTesto", R"({"larghezza": "100", "altezza": 100, )" P "}",
                      "\"larghezza\" deve essere un numero."},
        FileSbagliato{"troppoPiccola", R"({"larghezza": 10, "altezza": 100, )" P "}",
                      "\"larghezza\" deve essere tra 30 e 5000."},
        FileSbagliato{"chiaveSbagliata", R"({"larghezza": 100, "altezza": 100, "scatola": [], )" P "}",
                      "chiave sconosciuta \"scatola\"."},
        FileSbagliato{"senzaPartenza", R"({"larghezza": 100, "altezza": 100})", "manca \"partenza\"."},
        FileSbagliato{"partenzaFuori", R"({"larghezza": 100, "altezza": 100, "partenza": {"x": 120, "y": 20}})",
                      "partenza: \"x\" deve essere tra 0 e 100."},
        FileSbagliato{"muriNonElenco", R"({"larghezza": 100, "altezza": 100, "muri": {}, )" P "}",
                      "\"muri\" deve essere un elenco [ ... ]."},
        FileSbagliato{"muroSenzaPunto",
                      R"({"larghezza": 100, "altezza": 100, )" P R"(, "muri": [{"da": [50, 0], "a": [50, 50]}, {"da": [1], "a": [2, 2]}]})",
                      "muro 2: \"da\" deve essere una coppia di numeri [x, y]."},
        FileSbagliato{"muroFuori", R"({"larghezza": 100, "altezza": 100, )" P R"(, "muri": [{"da": [50, 0], "a": [50, 150]}]})",
                      "muro 1 esce dall'arena."},
        FileSbagliato{"scatolaSenzaLato",
                      R"({"larghezza": 100, "altezza": 100, )" P R"(, "scatole": [{"x": 50, "y": 50, "altezza": 5}]})",
                      "scatola 1: manca \"larghezza\"."},
        FileSbagliato{"lampadaTesto", R"({"larghezza": 100, "altezza": 100, )" P R"(, "lampade": [{"x": "qui", "y": 5}]})",
                      "lampada 1: \"x\" deve essere un numero."},
        FileSbagliato{"lineaCorta", R"({"larghezza": 100, "altezza": 100, )" P R"(, "linee": [{"larghezza": 2, "punti": [[1, 1]]}]})",
                      "linea 1: \"punti\" deve essere un elenco di almeno due punti [x, y]."},
        FileSbagliato{"lineaFuori",
                      R"({"larghezza": 100, "altezza": 100, )" P R"(, "linee": [{"larghezza": 2, "punti": [[1, 1], [1, -4]]}]})",
                      "linea 1: punto 2 è fuori dall'arena."},
        FileSbagliato{"partenzaNellaScatola",
                      R"({"larghezza": 100, "altezza": 100, )" P R"(, "scatole": [{"x": 10, "y": 10, "larghezza": 20, "altezza": 20}]})",
                      "il robot non ci sta nel punto di partenza: tocca un muro o una scatola."},
        FileSbagliato{"partenzaControIlBordo", R"({"larghezza": 100, "altezza": 100, "partenza": {"x": 5, "y": 50}})",
                      "il robot non ci sta nel punto di partenza: tocca un muro o una scatola."}),
    [](const auto& info) { return std::string(info.param.nome); });
#undef P

TEST(Arena, CaricaPerNomeOFileESpiegaPerche)
{
    QTemporaryDir cartella;
    const QString buono = cartella.filePath("buona.json"), rotto = cartella.filePath("rotta.json");
    {
        QFile f(buono);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"larghezza": 100, "altezza": 80, "partenza": {"x": 50, "y": 40, "direzione": 90}})");
        QFile g(rotto);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(R"({"larghezza": 100})");
    }
    bool senzaMondo = true;
    QString errore;
    const std::optional<Arena> a = caricaArena(buono, &senzaMondo, &errore);
    ASSERT_TRUE(a) << errore.toStdString();
    EXPECT_FALSE(senzaMondo);
    EXPECT_EQ(a->partenza, (Posa{{50, 40}, 90}));

    EXPECT_TRUE(caricaArena("pista", &senzaMondo, &errore));
    EXPECT_FALSE(caricaArena("nessuna", &senzaMondo, &errore));
    EXPECT_TRUE(senzaMondo);

    const std::pair<QString, QString> sbagliati[] = {
        {rotto, "Il file dell'arena " + rotto + " non va bene: manca \"altezza\"."},
        {"pippo", "Arena sconosciuta: pippo (vuota, pista, labirinto, lampada, nessuna o il nome di un file di arena)"},
    };
    for (const auto& [nome, messaggio] : sbagliati) {
        EXPECT_FALSE(caricaArena(nome, &senzaMondo, &errore));
        EXPECT_FALSE(senzaMondo);
        EXPECT_EQ(errore.toStdString(), messaggio.toStdString());
    }
}

// A room with a box, a lamp in the top left corner behind the end of an inner wall, and a black
// line along the bottom.
const char* const Stanza = R"({
  "larghezza": 300, "altezza": 200, "partenza": {"x": 60, "y": 100},
  "muri": [{"da": [150, 120], "a": [150, 200]}],
  "scatole": [{"x": 200, "y": 90, "larghezza": 20, "altezza": 20}],
  "lampade": [{"x": 20, "y": 180}],
  "linee": [{"larghezza": 2, "punti": [[20, 20], [280, 20]]}]
})";

struct Vista {
    const char* nome;
    double x, y, direzione;
    double percorso = 0;    // wheel travel so far
    bool contatto = false;  // pressed against a wall or box
    std::vector<const char*> attivi = {};
};

void PrintTo(const Vista& v, std::ostream* os) { *os << v.nome; }

class Viste : public ::testing::TestWithParam<Vista> {};

TEST_P(Viste, OgniSensoreVedeCioCheHaDavanti)
{
    const Vista& v = GetParam();
    QString errore;
    const std::optional<Arena> arena = leggiArena(Stanza, &errore);
    ASSERT_TRUE(arena) << errore.toStdString();
    StatoRobot r = robotInPartenza({v.x, v.y}, v.direzione);
    r.percorsoRotazione = v.percorso;
    r.inContatto = v.contatto;
    const Livelli livelli = leggiSensori(*arena, r, Ostacoli(*arena));
    for (size_t i = 0; i < ingressi().size(); ++i) {
        const QString nome = QString::fromLatin1(ingressi()[i].pin);
        bool atteso = false;
        for (const char* a : v.attivi)
            atteso = atteso || nome == QLatin1String(a);
        EXPECT_EQ(livelli[i], atteso) << nome.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arena, Viste,
    ::testing::Values(Vista{"niente", 60, 100, 0},
                      Vista{"scatolaLontana", 170, 100, 0, 0, false, {"Ultrasuono"}},
                      Vista{"scatolaVicina", 185, 100, 0, 0, false, {"Ultrasuono", "Prossimita_destra", "Prossimita_sinistra"}},
                      Vista{"lineaADestra", 60, 22, 0, 0, false, {"Ottico_destro"}},
                      Vista{"lineaASinistra", 60, 18, 0, 0, false, {"Ottico_sinistro"}},
                      Vista{"lampadaASinistra", 60, 100, 90, 0, false, {"Luce_sinistra"}},
                      Vista{"lampadaDavanti", 20, 100, 90, 0, false, {"Luce_sinistra", "Luce_destra"}},
                      Vista{"lampadaDietroIlMuro", 200, 160, 180},
                      Vista{"rotazione", 60, 100, 0, 10.7, false, {"Sensore_rotazione"}},
                      Vista{"urto", 60, 100, 0, 10.2, true, {"Aux"}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace kobaltino
