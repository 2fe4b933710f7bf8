// The reader on damaged input: odd records, garbage, random edits of the valid files.
#include "banco_file.h"

#include <QDirIterator>
#include <QElapsedTimer>

#include <random>

namespace kobaltino {
namespace {

class Robustezza : public BancoFile {
protected:
    void verifica(const QByteArray& file)
    {
        ui.messaggi.clear();
        stato.StatoBraccio = "Chiuso";  // as every activation of the main window leaves it
        const int errore = carica(file);
        ASSERT_TRUE(QList<int>({0, 6, 9, 13, 14, 62}).contains(errore)) << errore << " per " << file.left(200).toStdString();
        for (int k = 1; k <= 10; ++k)
            ASSERT_LE(stato.NumIstruzioni(k), 950);
        ASSERT_LE(ui.messaggi.size(), 10u);  // at most one "950 istruzioni" per grid
        ASSERT_FALSE(stato.InserimentoAutomatico);
        if (errore == 0 && testoNonSalvabile(stato).isEmpty()) {
            // What loaded saves and loads back identically (the arm state restarts as on activation).
            const QByteArray primo = testoProgramma(stato);
            stato.StatoBraccio = "Chiuso";
            ASSERT_EQ(carica(primo), 0);
            ASSERT_EQ(testoProgramma(stato), primo) << "per " << file.left(200).toStdString();
        }
    }
};

TEST_F(Robustezza, NessunFileGuastoRompeIlCaricamento)
{
    for (const QByteArray& f : {QByteArray("\""), QByteArray("\"\"\"\"\"\"\"\""), QByteArray(",,,,,,,,\r\n,,,,"),
                                QByteArray("\"a\"b\"c\",\"1\",\"\",\"gg1\"\r\n"), QByteArray("\"\",\"-0\",\"\",\"RAM\"\r\n"),
                                QByteArray("\"\",\"1\",\"\",\"gg1\",\"\",\"2\",\"\",\"gg1\""), QByteArray(70000, '"'),
                                QByteArray(70000, ','), QByteArray(70000, '\n')})
        ASSERT_NO_FATAL_FAILURE(verifica(f));
    std::mt19937 caso(20240611u);
    for (int i = 0; i < 50; ++i) {
        QByteArray f(1 + static_cast<qsizetype>(caso() % 5000), '\0');
        for (char& b : f)
            b = static_cast<char>(caso());
        ASSERT_NO_FATAL_FAILURE(verifica(f));
    }

    std::vector<QByteArray> validi;
    for (QDirIterator it(QStringLiteral(KOBALTINO_PROGRAMMI), {"*.kbn", "*.sdl"}, QDir::Files); it.hasNext();)
        validi.push_back(leggiByte(it.next()));
    ASSERT_EQ(validi.size(), 3u);
    const char speciali[] = {'"', ',', '\r', '\n', ' ', '\0', '\xff', '1', '9', '-'};
    QElapsedTimer tempo;
    tempo.start();
    int prove = 0;
    for (; prove < 20000 && tempo.elapsed() < 3000; ++prove) {  // bounded in time, whatever the machine
        QByteArray f = validi[caso() % validi.size()];
        for (int m = 1 + static_cast<int>(caso() % 8); m > 0 && !f.isEmpty(); --m) {
            const qsizetype pos = static_cast<qsizetype>(caso() % static_cast<unsigned>(f.size()));
            switch (caso() % 5) {
            case 0: f[pos] = static_cast<char>(caso()); break;
            case 1: f[pos] = speciali[caso() % sizeof(speciali)]; break;
            case 2: f.remove(pos, 1 + static_cast<qsizetype>(caso() % 20)); break;
            case 3: f.insert(pos, f.mid(static_cast<qsizetype>(caso() % f.size()), 1 + caso() % 40)); break;
            default: f.truncate(pos); break;
            }
        }
        ASSERT_NO_FATAL_FAILURE(verifica(f));
    }
    EXPECT_GT(prove, 100);
}

}  // namespace
}  // namespace kobaltino
