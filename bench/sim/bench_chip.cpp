// Simulated instruction cycles per second on robot programs that wait and poll their sensors,
// against gpsim running the same hex in the same run: the chip alone, and a whole session (chip,
// robot and the track) as `simula` runs it.
#include "riferimento.h"

#include "sim/chip.h"
#include "sim/sessione.h"

namespace {

using namespace kobaltino;
using namespace kobaltino::banco;

constexpr uint64_t Cicli = 20'000'000;  // 20 s of robot time for the chip alone
constexpr uint64_t CicliCorsa = 60 * CicliPerSecondo;  // a graded run: a minute on the track

const Programma& cheAttende()
{
    static const Programma p(programmaCheAttende());
    return p;
}

const Programma& segueLaLinea()
{
    static const Programma p(seguiLinea());
    return p;
}

// gpsim's rate on `p`, measured once per program; 0 with the benchmark skipped when it cannot run.
double gpsimSu(const Programma& p, benchmark::State& stato)
{
    if (!p.simulato()) {
        stato.SkipWithError("gpasm non ha assemblato il programma");
        return 0;
    }
    const double gpsim = p.cicliAlSecondoGpsim(Cicli);
    if (gpsim <= 0)
        stato.SkipWithError("gpsim non ha eseguito il programma");
    return gpsim;
}

// "rapporto" is how many times gpsim's rate (processor time both) ours reaches.
void riporta(benchmark::State& stato, double cicliAlSecondo, double gpsim)
{
    stato.counters["cicli_al_secondo"] = cicliAlSecondo;
    stato.counters["gpsim_cicli_al_secondo"] = gpsim;
    stato.counters["rapporto"] = cicliAlSecondo / gpsim;
}

// The chip alone. `passoPasso` runs one instruction at a time, without counting the turns of the
// loops that change nothing in one step.
void misura(benchmark::State& stato, bool passoPasso)
{
    static const double gpsim = gpsimSu(cheAttende(), stato);
    if (gpsim <= 0)
        return;
    Chip chip(ModelloPic::P16F84);
    chip.carica(cheAttende().simulato()->immagine);
    const double inizio = secondiDelProcesso();
    for (auto _ : stato) {
        chip.reset();
        if (passoPasso)
            while (chip.cicli() < Cicli)
                chip.passo();
        else
            chip.esegui(Cicli);
        benchmark::DoNotOptimize(chip.stato());
    }
    riporta(stato, double(stato.iterations() * Cicli) / (secondiDelProcesso() - inizio), gpsim);
}

void BM_ChipControGpsim(benchmark::State& stato) { misura(stato, false); }
void BM_ChipPassoPassoControGpsim(benchmark::State& stato) { misura(stato, true); }

// A minute on the track, the world stepped every millisecond, snapshots and trail kept: what one
// graded program costs. Argument 0: the program that waits, 1: the line follower.
void BM_CorsaSullaPistaControGpsim(benchmark::State& stato)
{
    const Programma& p = stato.range(0) == 0 ? cheAttende() : segueLaLinea();
    const double gpsim = gpsimSu(p, stato);
    if (gpsim <= 0)
        return;
    const std::optional<Arena> pista = arenaPredefinita(QStringLiteral("pista"));
    const double inizio = secondiDelProcesso();
    for (auto _ : stato) {
        Sessione s(*p.simulato(), pista);
        s.esegui(CicliCorsa);
        benchmark::DoNotOptimize(s.robot());
    }
    const double secondi = (secondiDelProcesso() - inizio) / double(stato.iterations());
    stato.counters["secondi_per_corsa"] = secondi;
    riporta(stato, CicliCorsa / secondi, gpsim);
}

BENCHMARK(BM_ChipControGpsim)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChipPassoPassoControGpsim)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CorsaSullaPistaControGpsim)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
