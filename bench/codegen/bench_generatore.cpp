// Generating programs at the 1024-word limit: the most a compile ever translates.
#include "codegen/generatore.h"
#include "model/stato.h"

#include <benchmark/benchmark.h>

namespace {

using kobaltino::Stato;

void riga(Stato& s, int k, int codice, const QString& parametro = {}, const QString& etichetta = {})
{
    const int r = s.griglia(k).accoda(codice, parametro);
    s.griglia(k).riga(r).etichetta = etichetta;
}

// 950 one-word rows spread over the ten grids, every tenth one a jump back to a labelled row.
Stato moltiRighe()
{
    Stato s;
    for (int k = 1; k <= 10; ++k)
        for (int i = 0; i < 95; ++i) {
            if (i % 10 == 9)
                riga(s, k, 9, QString::number(i - 9));
            else
                riga(s, k, 19, QStringLiteral("Ram%1").arg(i % 20 + 1), i % 10 == 0 ? QString::number(i / 10) : QString());
        }
    return s;
}

// 52 EEPROM writes (19 lines each) and 14 sleeps: the most lines the limit allows.
Stato moltiLinee()
{
    Stato s;
    for (int i = 0; i < 52; ++i)
        riga(s, 1 + i % 10, 17, QStringLiteral("EEP%1 b'01010101'").arg(i % 20 + 1));
    for (int i = 0; i < 14; ++i)
        riga(s, 1, 12);
    return s;
}

void generaEScrivi(benchmark::State& stato, const Stato& programma)
{
    for (auto _ : stato) {
        const kobaltino::Generazione g = kobaltino::genera(programma);
        if (g.ParoleProgramma != kobaltino::LimiteParole)
            stato.SkipWithError("the program is not at the limit");
        benchmark::DoNotOptimize(g.sorgente.byte());
    }
}

void BM_GeneraMoltiRighe(benchmark::State& stato) { generaEScrivi(stato, moltiRighe()); }
void BM_GeneraMoltiLinee(benchmark::State& stato) { generaEScrivi(stato, moltiLinee()); }

BENCHMARK(BM_GeneraMoltiRighe)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GeneraMoltiLinee)->Unit(benchmark::kMicrosecond);

}  // namespace
