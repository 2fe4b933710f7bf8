// Writing and reading a program with all ten grids full: 9 500 rows.
#include "model/editor.h"
#include "persist/file_programma.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace kobaltino;

// Answers nothing: loading a valid file asks nothing.
class Silenziosa : public Interazione {
public:
    Risposta mostra(const Messaggio&) override { return Risposta::Ok; }
    std::optional<EsitoDialogo> apriDialogo(Dialogo, int, const Stato&) override { return std::nullopt; }
    QString scegliFile(const RichiestaFile&) override { return {}; }
};

// Rows cycle through the codes that take a parameter and those that do not.
void riempiTutto(Stato& s)
{
    const int codiciUsati[] = {1, 8, 13, 19, 7, 26, 12, 22};
    for (int k = 1; k <= NumeroGriglie; ++k)
        for (int r = 0; r < RigheGriglia; ++r) {
            const int c = codiciUsati[r % 8];
            s.griglia(k).accoda(c, voce(c)->parametro ? QStringLiteral("Ram%1 + Ram%2").arg(r % 20 + 1).arg(k) : QString());
        }
    for (int i = 1; i <= CelleMemoria; ++i)
        s.marca(Memoria::Ram, i) = QStringLiteral("d'%1'").arg(i);
}

void BM_ScritturaProgramma(benchmark::State& st)
{
    Stato s;
    riempiTutto(s);
    for (auto _ : st)
        benchmark::DoNotOptimize(testoProgramma(s));
    st.SetItemsProcessed(st.iterations() * NumeroGriglie * RigheGriglia);
}
BENCHMARK(BM_ScritturaProgramma)->Unit(benchmark::kMillisecond);

void BM_LetturaProgramma(benchmark::State& st)
{
    Stato pieno;
    riempiTutto(pieno);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("pieno.kbn"));
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(testoProgramma(pieno)) < 0) {
        st.SkipWithError("cannot write the program file");
        return;
    }
    f.close();

    Stato s;
    Silenziosa ui;
    Editor editor(s, ui);
    for (auto _ : st) {
        if (!leggiProgramma(editor, percorso).riuscito() || s.NumIstruzioni(10) != RigheGriglia) {
            st.SkipWithError("the program did not load");
            return;
        }
    }
    st.SetItemsProcessed(st.iterations() * NumeroGriglie * RigheGriglia);
}
BENCHMARK(BM_LetturaProgramma)->Unit(benchmark::kMillisecond);

}  // namespace
