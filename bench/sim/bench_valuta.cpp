// A class graded end to end: 30 copies of the line-following sample, each compiled by gpasm and
// run for the pista challenge's 60 s of robot time on the track, on every core. The wall time
// is the figure that counts for a teacher waiting at the desk; the processor time of all the
// threads shows what it would be on an idle machine.
#include "valutazione/valutazione.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace kobaltino {
namespace {

constexpr int Programmi = 30;

void BM_ValutaClasseSullaPista(benchmark::State& stato)
{
    QString errore;
    const std::optional<Sfida> sfida = caricaSfida(QStringLiteral("pista"), &errore);
    QTemporaryDir cartella;
    QStringList file;
    for (int i = 0; i < Programmi; ++i) {
        file << cartella.filePath(QStringLiteral("studente%1.kbn").arg(i, 2, 10, QLatin1Char('0')));
        if (!sfida || !QFile::copy(QStringLiteral(KOBALTINO_ESEMPI "/segui_linea.kbn"), file.last())) {
            stato.SkipWithError("sfida o programma di esempio mancante");
            return;
        }
    }
    int superate = 0;
    double secondiRobot = 0;
    for (auto _ : stato) {
        const Valutazione v = valuta(QStringLiteral("pista"), *sfida, file);
        superate = 0;
        secondiRobot = 0;
        for (const RisultatoProgramma& r : v.programmi) {
            superate += r.superata ? 1 : 0;
            secondiRobot += r.tempoS;
        }
    }
    stato.counters["programmi"] = Programmi;
    stato.counters["superate"] = superate;
    stato.counters["secondi_robot"] = secondiRobot;
}

BENCHMARK(BM_ValutaClasseSullaPista)->Unit(benchmark::kSecond)->UseRealTime()->MeasureProcessCPUTime()->Iterations(1);

}  // namespace
}  // namespace kobaltino
