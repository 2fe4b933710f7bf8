// Each goal kind on small real runs (met, failed, decided before the time is up), and the
// messages that refuse a bad challenge file.
#include "persist/file_programma.h"
#include "support/righe_programma.h"
#include "valutazione/valutazione.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// A corridor 200 x 100 with a line along the middle and a lamp on it; the robot starts on the
// line facing +x and, going Avanti at 15 cm/s, meets the far wall after about 10,8 s.
const char* const Arena = R"("arena": {"larghezza": 200, "altezza": 100, "partenza": {"x": 30, "y": 50},
    "linee": [{"larghezza": 2, "punti": [[20, 50], [190, 50]]}], "lampade": [{"x": 60, "y": 50}]})";

Sfida sfidaCon(const QString& obiettivo, double tempoS)
{
    const QString testo = QStringLiteral(R"({"titolo": "Prova", %1, "tempo_s": %2, "obiettivi": [%3]})")
                              .arg(QLatin1String(Arena))
                              .arg(tempoS)
                              .arg(obiettivo);
    QString errore;
    const std::optional<Sfida> s = leggiSfida(testo.toUtf8(), &errore);
    EXPECT_TRUE(s) << errore.toStdString();
    return s.value_or(Sfida{});
}

// `righe` saved as a program file, compiled with the real gpasm and run against `sfida`.
RisultatoProgramma valutaRighe(const Sfida& sfida, const std::vector<RigaFile>& righe)
{
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    EXPECT_FALSE(gpasm.isEmpty()) << "gpasm non trovato: installare gputils.";
    QTemporaryDir cartella;
    QFile f(cartella.filePath(QStringLiteral("p.kbn")));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(testoProgramma(programmaDi(righe))) > 0);
    f.close();
    RisultatoProgramma r = valutaProgramma(sfida, f.fileName(), gpasm);
    EXPECT_TRUE(r.compilato) << r.errore.toStdString();
    return r;
}

const std::vector<RigaFile> MezzoSecondo = {{1, 1}, {1, 8, "0,5"}, {1, 7}, {1, 12}};

TEST(Obiettivi, OgniTipoSuCorseVereSuperatoFallitoODecisoPrima)
{
    const std::vector<RigaFile> avanti = {{1, 1}};
    const std::vector<RigaFile> dueSecondi = {{1, 1}, {1, 8, "2,0"}, {1, 7}, {1, 12}};
    const struct {
        const char* obiettivo;
        std::vector<RigaFile> programma;
        double tempoS;
        bool superato;
        const char* valore;
        double fineS;  // when the run ended
    } casi[] = {
        {R"({"tipo": "raggiungi", "zona": {"x": 60, "y": 40, "larghezza": 20, "altezza": 20}})", avanti, 5, true,
         "raggiunta a 2,0 s", 2.0},
        {R"({"tipo": "raggiungi", "zona": {"x": 60, "y": 40, "larghezza": 20, "altezza": 20}, "entro_s": 1})", avanti,
         5, false, "-", 1.0},
        {R"({"tipo": "urti", "massimo": 0})", avanti, 15, false, "1 urto", 10.8},
                // Against the wall at the end of the program the run is over.
        {R"({"tipo": "urti", "massimo": 1})", avanti, 12, true, "1 urto", 10.8},
        {R"({"tipo": "distanza", "minimo_cm": 30})", avanti, 5, true, "30,0 cm", 2.0},
        // Asleep with the wheels still, nothing can change any more: decided at once.
        {R"({"tipo": "distanza", "minimo_cm": 100})", MezzoSecondo, 5, false, "7,7 cm", 0.5},
        {R"({"tipo": "fermo"})", MezzoSecondo, 5, true, "fermo", 0.5},
        {R"({"tipo": "fermo"})", avanti, 3, false, "in moto", 3},
        {R"({"tipo": "braccio", "stato": "aperto"})", {{1, 21, "Aperto"}, {1, 12}}, 5, true, "aperto", 0.1},
        {R"({"tipo": "braccio", "stato": "aperto"})", {{1, 12}}, 5, false, "chiuso", 0},
        {R"({"tipo": "memoria", "cella": "Ram1", "valore": 5})", {{1, 13, "Ram1 d'5'"}, {1, 12}}, 5, true, "5", 0},
        {R"({"tipo": "memoria", "cella": "EEP2", "valore": 7})", {{1, 17, "EEP2 d'6'"}, {1, 12}}, 5, false, "6", 0},
        {R"({"tipo": "luce", "distanza_cm": 10})", dueSecondi, 5, true, "0,8 cm", 2.0},
        {R"({"tipo": "luce", "distanza_cm": 10})", MezzoSecondo, 5, false, "22,3 cm", 0.5},
        // Half of 5 s on the line is reached after 2,5 s; turning on one wheel leaves it.
        {R"({"tipo": "segui_linea", "percentuale": 50})", avanti, 5, true, "50,0 %", 2.5},
        {R"({"tipo": "segui_linea", "distanza_cm": 2, "percentuale": 100})", {{1, 3}}, 5, false, "12,2 %", 0.6},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.obiettivo);
        const RisultatoProgramma r = valutaRighe(sfidaCon(c.obiettivo, c.tempoS), c.programma);
        ASSERT_EQ(r.obiettivi.size(), 1u);
        EXPECT_EQ(r.obiettivi[0].superato, c.superato);
        EXPECT_EQ(r.obiettivi[0].testo.toStdString(), c.valore);
        EXPECT_NEAR(r.tempoS, c.fineS, 0.1);
        EXPECT_EQ(r.punteggio, c.superato ? 100 : 0);
    }
}

// Weights count in the score: a met goal of weight 3 beside a failed one of weight 1.
TEST(Obiettivi, IlPunteggioPesaGliObiettivi)
{
    const RisultatoProgramma r =
        valutaRighe(sfidaCon(R"({"tipo": "fermo", "peso": 3}, {"tipo": "distanza", "minimo_cm": 500})", 5), MezzoSecondo);
    EXPECT_EQ(r.punteggio, 75);
    EXPECT_FALSE(r.superata);
}

// Each fault named with its field; the goals' rows go after a good start of the file.
TEST(Obiettivi, UnFileSbagliatoDiceQualeCampo)
{
    const struct {
        const char* testo;
        const char* messaggio;
    } casi[] = {
        {R"({"titolo": )", "il testo non è JSON valido (riga 1)."},
        {"[]", "il testo deve essere un oggetto JSON { ... }."},
        {R"({"arena": "vuota", "obiettivi": [{"tipo": "fermo"}]})", "manca \"titolo\"."},
        {R"({"titolo": "t", "arena": "giardino"})",
         "\"arena\" deve essere una tra vuota, pista, labirinto, lampada o un'arena scritta { ... }."},
        {R"({"titolo": "t", "arena": {"larghezza": 10, "altezza": 50}})",
         "\"arena\": \"larghezza\" deve essere tra 30 e 5000."},
        {R"({"titolo": "t", "arena": "vuota", "tempo_s": 0, "obiettivi": []})", "\"tempo_s\" deve essere tra 1 e 3600."},
        {R"({"titolo": "t", "arena": "vuota", "processore": "16F877"})",
         "\"processore\" deve essere 16F84, 16F84A o 16F628."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": []})", "\"obiettivi\" deve elencare almeno un obiettivo."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [3]})", "obiettivo 1 deve essere un oggetto { ... }."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "fermo"}, {"tipo": "vola"}]})",
         "obiettivo 2: \"tipo\" deve essere uno tra raggiungi, urti, segui_linea, luce, memoria, braccio, fermo, distanza."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "raggiungi"}]})",
         "obiettivo 1 (raggiungi): manca \"zona\"."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "raggiungi",
             "zona": {"x": 190, "y": 0, "larghezza": 20, "altezza": 20}}]})",
         "obiettivo 1 (raggiungi): \"zona\" esce dall'arena."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "urti", "massimo": 1.5}]})",
         "obiettivo 1 (urti): \"massimo\" deve essere un numero intero."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "memoria", "cella": "Ram21", "valore": 1}]})",
         "obiettivo 1 (memoria): \"cella\" deve essere una cella da Ram1 a Ram20 o da EEP1 a EEP20."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "memoria", "cella": "Ram2", "valore": 256}]})",
         "obiettivo 1 (memoria): \"valore\" deve essere tra 0 e 255."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "braccio", "stato": "mezzo"}]})",
         "obiettivo 1 (braccio): \"stato\" deve essere \"aperto\" o \"chiuso\"."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "luce", "distanza_cm": 5}]})",
         "obiettivo 1 (luce): l'arena non ha lampade."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "fermo", "peso": 0}]})",
         "obiettivo 1 (fermo): \"peso\" deve essere tra 0,01 e 1000."},
        {R"({"titolo": "t", "arena": "vuota", "obiettivi": [{"tipo": "fermo", "zona": 1}]})",
         "obiettivo 1 (fermo): chiave sconosciuta \"zona\"."},
    };
    for (const auto& c : casi) {
        QString errore;
        EXPECT_FALSE(leggiSfida(c.testo, &errore)) << c.testo;
        EXPECT_EQ(errore.toStdString(), c.messaggio);
    }
}

// Every built-in challenge reads, and what scriviSfida() writes reads back the same.
TEST(Obiettivi, LeSfidePredefiniteSiRileggonoUguali)
{
    ASSERT_EQ(nomiSfidePredefinite(), (QStringList{"vuota", "pista", "labirinto", "lampada"}));
    for (const QString& nome : nomiSfidePredefinite()) {
        QString errore;
        const std::optional<Sfida> s = caricaSfida(nome, &errore);
        ASSERT_TRUE(s) << errore.toStdString();
        EXPECT_EQ(s->nomeArena, nome);
        Sfida scritta = *s;
        scritta.nomeArena.clear();  // the arena written inside
        EXPECT_EQ(leggiSfida(scriviSfida(*s), nullptr), s);
        EXPECT_EQ(leggiSfida(scriviSfida(scritta), nullptr), scritta);
    }
}

}  // namespace
}  // namespace kobaltino
