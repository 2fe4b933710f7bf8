// kobaltino-cli valuta: the sample programs against the built-in challenges, a class folder
// with good, broken, empty and other files, the three reports agreeing, and the refusals.
#include "persist/file_programma.h"
#include "support/riga_di_comando.h"
#include "support/righe_programma.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

// The fields of one CSV line: ';' between them, a quoted field doubles its quotes.
QStringList campiCsv(const QString& linea)
{
    QStringList campi{QString()};
    bool tra = false;
    for (qsizetype i = 0; i < linea.size(); ++i) {
        if (linea[i] == '"' && tra && i + 1 < linea.size() && linea[i + 1] == '"')
            campi.last() += linea[++i];
        else if (linea[i] == '"')
            tra = !tra;
        else if (linea[i] == ';' && !tra)
            campi << QString();
        else
            campi.last() += linea[i];
    }
    return campi;
}

class Valuta : public ::testing::Test, public RigaDiComandoProva {
protected:
    QString scrivi(const QString& nome, const QByteArray& testo)
    {
        QDir().mkpath(QFileInfo(cartella.filePath(nome)).path());
        QFile f(cartella.filePath(nome));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(testo) == testo.size()) << nome.toStdString();
        return f.fileName();
    }
    QString scrivi(const QString& nome, const std::vector<RigaFile>& righe)
    {
        return scrivi(nome, testoProgramma(programmaDi(righe)));
    }
    int esegui(const QStringList& argomenti) { return RigaDiComandoProva::esegui(cli::valuta, argomenti); }
    QJsonArray programmi(const QStringList& argomenti)
    {
        EXPECT_EQ(esegui(argomenti + QStringList{"--json"}), 0) << errori.toStdString();
        return QJsonDocument::fromJson(uscita).object()["programmi"].toArray();
    }

    QTemporaryDir cartella;
};

// Each sample passes its arena's challenge; one "Avanti" bumps the wall and never leaves the maze.
TEST_F(Valuta, GliEsempiSuperanoLaLoroSfidaEUnAvantiNoIlLabirinto)
{
    const QString avanti = scrivi("avanti.kbn", {{1, 1}});
    const struct {
        const char* sfida;
        QString programma;
        bool superata;
        int urti;
    } casi[] = {{"labirinto", KOBALTINO_ESEMPI "/labirinto.kbn", true, 0},
                {"lampada", KOBALTINO_ESEMPI "/lampada.kbn", true, 0},
                {"pista", KOBALTINO_ESEMPI "/segui_linea.kbn", true, 0},
                {"labirinto", avanti, false, 1}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.programma.toStdString());
        const QJsonArray p = programmi({c.sfida, c.programma});
        ASSERT_EQ(p.size(), 1);
        EXPECT_EQ(p[0]["superata"].toBool(), c.superata);
        EXPECT_EQ(p[0]["punteggio"].toDouble(), c.superata ? 100 : 0);
        EXPECT_EQ(p[0]["urti"].toInt(), c.urti);
    }
}

// A folder: a good program, one in a subfolder, one the generator refuses, one that does not
// load, an empty one and a note that is no program. Each program is a row with its reason; the
// HTML, CSV and JSON reports say the same.
TEST_F(Valuta, UnaCartellaDiUnaClasseDaRigheGiusteEIRapportiConcordano)
{
    const QString sfida = scrivi("giro.sfida", R"({"titolo": "Giro", "arena": "vuota", "tempo_s": 3,
        "obiettivi": [{"tipo": "distanza", "minimo_cm": 20}, {"tipo": "fermo"}]})");
    scrivi("classe/bianchi.kbn", {{1, 1}, {1, 8, "2,0"}, {1, 7}, {1, 12}});
    scrivi("classe/quinta/verdi.sdl", {{1, 1}});
    scrivi("classe/neri.kbn", {{1, 1}, {1, 9, "0"}});
    scrivi("classe/rossi.kbn", {{1, 1}, {1, 19, "Ram99"}});
    scrivi("classe/vuoto.kbn", QByteArray());
    scrivi("classe/note.txt", "non un programma");
    const QString classe = cartella.filePath("classe");
    const QString html = cartella.filePath("rapporto.html"), csv = cartella.filePath("rapporto.csv");
    const QJsonArray p = programmi({sfida, classe, "-o", html, "--csv", csv});

    const struct {
        const char* file;
        bool compilato;
        const char* errore;  // its start
        double punteggio;
    } righe[] = {{"bianchi.kbn", true, "", 100},
                 {"neri.kbn", false, "Il programma non può essere compilato: Griglia principale, riga 1: il \"Vai a\"", 0},
                 {"quinta/verdi.sdl", true, "", 50},
                 {"rossi.kbn", false, "il file non si legge: Errore numero: 5", 0},
                 {"vuoto.kbn", false, "il file è vuoto.", 0}};
    ASSERT_EQ(p.size(), static_cast<qsizetype>(std::size(righe)));
    QFile fc(csv), fh(html);
    ASSERT_TRUE(fc.open(QIODevice::ReadOnly) && fh.open(QIODevice::ReadOnly));
    const QByteArray byteCsv = fc.readAll();
    EXPECT_TRUE(byteCsv.startsWith("\xEF\xBB\xBF"));  // the mark that tells spreadsheets it is UTF-8
    const QStringList linee = QString::fromUtf8(byteCsv).split("\r\n");
    const QString pagina = QString::fromUtf8(fh.readAll());
    EXPECT_EQ(linee[0], "File;Compilato;Errore;Superata;Punteggio;Tempo (s);Urti;1 distanza;"
                        "1 distanza valore;2 fermo;2 fermo valore");
    for (size_t i = 0; i < std::size(righe); ++i) {
        const QJsonObject o = p[i].toObject();
        const QString file = QDir(classe).filePath(righe[i].file);
        SCOPED_TRACE(file.toStdString());
        EXPECT_EQ(o["file"].toString(), file);
        EXPECT_EQ(o["compilato"].toBool(), righe[i].compilato);
        const QString errore = QString::fromUtf8(righe[i].errore);
        EXPECT_EQ(o["errore"].toString().left(errore.size()).toStdString(), errore.toStdString());
        EXPECT_EQ(o["errore"].isNull(), righe[i].compilato);
        EXPECT_EQ(o["punteggio"].toDouble(), righe[i].punteggio);
        ASSERT_EQ(o["obiettivi"].toArray().size(), 2);
        // The CSV row: the same facts, decimal commas.
        const QStringList c = campiCsv(linee[static_cast<qsizetype>(i) + 1]);
        ASSERT_EQ(c.size(), 11) << linee[static_cast<qsizetype>(i) + 1].toStdString();
        EXPECT_EQ(c[0], file);
        EXPECT_EQ(c[1], righe[i].compilato ? "sì" : "no");
        EXPECT_EQ(c[2], o["errore"].toString());
        EXPECT_EQ(c[4], QString::number(righe[i].punteggio, 'f', 1).replace('.', ','));
        EXPECT_EQ(c[5], QString::number(o["tempo_s"].toDouble(), 'f', 3).replace('.', ','));
        EXPECT_EQ(c[7], o["obiettivi"][0]["superato"].toBool() ? "sì" : "no");
        // The HTML row names the file, and shows a trail only for a program that ran.
        const QString riga = pagina.section(QStringLiteral("<tr><td>%1</td>").arg(file.toHtmlEscaped()), 1).section("</tr>", 0, 0);
        EXPECT_FALSE(riga.isEmpty());
        EXPECT_EQ(riga.contains("<svg"), righe[i].compilato);
    }
    EXPECT_EQ(linee.size(), 7);  // the header, five rows and the empty text after the last CR LF
}

TEST_F(Valuta, IRifiutiEsconoConDue)
{
    const QString programma = scrivi("a.kbn", {{1, 1}});
    const struct {
        QStringList argomenti;
        QString errore;  // the first line on standard error
    } casi[] = {
        {{"giardino", programma}, "Sfida sconosciuta: giardino (vuota, pista, labirinto, lampada o il nome di un file .sfida)"},
        {{"vuota"}, "Mancano i programmi da valutare"},
        {{"vuota", programma, "--veloce"}, "Opzione sconosciuta: --veloce"},
        {{"vuota", programma, "-o"}, "Manca il valore di -o"},
        {{scrivi("rotta.sfida", R"({"titolo": "x"})"), programma},
         "Il file della sfida " + cartella.filePath("rotta.sfida") + " non va bene: manca \"arena\"."},
        {{"vuota", cartella.filePath("vuota")}, "Nessun programma .kbn o .sdl in: " + cartella.filePath("vuota")},
    };
    QDir(cartella.path()).mkdir("vuota");
    for (const auto& c : casi) {
        EXPECT_EQ(esegui(c.argomenti), 2);
        EXPECT_EQ(QString::fromUtf8(errori).section('\n', 0, 0), c.errore);
        EXPECT_TRUE(uscita.isEmpty());
    }
}

}  // namespace
}  // namespace kobaltino
