// The reader on damaged input: mutations of valid files, garbage, hostile numbers.
#include "banco_file.h"

#include <QDirIterator>
#include <QElapsedTimer>

#include <random>

namespace kobaltino {
namespace {

const std::vector<int> ErroriAmmessi{0, 6, 7, 9, 13, 14, 53, 62, 75};

class Robustezza : public BancoFile {
protected:
    void verificaCaricamento(const QByteArray& file)
    {
        ui.messaggi.clear();
        stato.StatoBraccio = "Chiuso";  // as every activation of the main window leaves it
        const int errore = carica(file);
        ASSERT_NE(std::find(ErroriAmmessi.begin(), ErroriAmmessi.end(), errore), ErroriAmmessi.end())
            << errore << " per " << file.left(200).toStdString();
        for (int k = 1; k <= 10; ++k)
            ASSERT_LE(stato.NumIstruzioni(k), 950);
        ASSERT_LE(ui.messaggi.size(), 10u);  // at most one "950 istruzioni" per grid
        ASSERT_FALSE(stato.InserimentoAutomatico);
        if (errore == 0) {
            // What loaded must save and load back identically (the arm state restarts as on activation).
            const QByteArray scritto = testoProgramma(stato);
            if (testoNonSalvabile(stato).isEmpty() && stato.NumIstruzioni(1) > 0) {
                stato.StatoBraccio = "Chiuso";
                const QByteArray primo = scritto;
                ASSERT_EQ(carica(primo), 0);
                EXPECT_EQ(testoProgramma(stato), primo);
            }
        }
    }

    static std::vector<QByteArray> corpus()
    {
        std::vector<QByteArray> c;
        QDirIterator it(QStringLiteral(KOBALTINO_PROGRAMMI), {"*.kbn", "*.sdl"}, QDir::Files);
        while (it.hasNext())
            c.push_back(leggiByte(it.next()));
        return c;
    }
};

// Random byte edits of the valid files, for a bounded time.
TEST_F(Robustezza, MutazioniCasualiDeiFileValidi)
{
    const std::vector<QByteArray> validi = corpus();
    ASSERT_GE(validi.size(), 3u);
    const char speciali[] = {'"', ',', '\r', '\n', ' ', '\0', '\xff', '1', '9', '-'};
    std::mt19937 caso(20240611u);
    QElapsedTimer tempo;
    tempo.start();
    int prove = 0;
    while (prove < 20000 && tempo.elapsed() < 3000) {
        QByteArray f = validi[caso() % validi.size()];
        const int modifiche = 1 + static_cast<int>(caso() % 8);
        for (int m = 0; m < modifiche && !f.isEmpty(); ++m) {
            const qsizetype pos = static_cast<qsizetype>(caso() % static_cast<unsigned>(f.size()));
            switch (caso() % 5) {
            case 0: f[pos] = static_cast<char>(caso()); break;
            case 1: f[pos] = speciali[caso() % sizeof(speciali)]; break;
            case 2: f.remove(pos, 1 + static_cast<qsizetype>(caso() % 20)); break;
            case 3: f.insert(pos, f.mid(static_cast<qsizetype>(caso() % f.size()), 1 + caso() % 40)); break;
            case 4: f.truncate(pos); break;
            }
        }
        verificaCaricamento(f);
        if (HasFatalFailure())
            return;
        ++prove;
    }
    EXPECT_GT(prove, 100);
}

TEST_F(Robustezza, SpazzaturaBinaria)
{
    std::mt19937 caso(7u);
    for (int i = 0; i < 50; ++i) {
        QByteArray f(1 + static_cast<qsizetype>(caso() % 5000), '\0');
        for (char& b : f)
            b = static_cast<char>(caso());
        verificaCaricamento(f);
    }
}

TEST_F(Robustezza, VirgoletteSbilanciateERecordStrani)
{
    for (const QByteArray& f :
         {QByteArray("\""), QByteArray("\"\"\"\"\"\"\"\""), QByteArray(",,,,,,,,\r\n,,,,"), QByteArray("\r\n\r\n\r\n"),
          QByteArray("\"a\"b\"c\",\"1\",\"\",\"gg1\"\r\n"), QByteArray("\"\",\"1\",\"\",\"gg1\",\"\",\"2\",\"\",\"gg1\""),
          QByteArray("\"\",\"1\",\"\",\"gg1"), QByteArray(70000, '"'), QByteArray(70000, ','),
          QByteArray(70000, '\n'), QByteArray("\"\",\"-0\",\"\",\"RAM\"\r\n")})
        verificaCaricamento(f);
}

}  // namespace
}  // namespace kobaltino
