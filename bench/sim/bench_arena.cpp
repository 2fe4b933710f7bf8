// What a crowded arena costs: the line follower for a minute on the track, plain and with a
// thousand small boxes scattered off the line (the robot's run is the same in both), measured in
// the same run; and the largest arena a file may hold.
#include "riferimento.h"

#include "sim/sessione.h"

#include <random>

namespace {

using namespace kobaltino;
using namespace kobaltino::banco;

constexpr uint64_t CicliCorsa = 60 * CicliPerSecondo;

const Programma& segueLaLinea()
{
    static const Programma p(seguiLinea());
    return p;
}

double distanzaDallaLinea(const Arena& a, Punto p)
{
    double d = 1e9;
    for (const Linea& l : a.linee)
        for (size_t i = 1; i < l.punti.size(); ++i)
            d = std::min(d, distanzaDalSegmento(p, {l.punti[i - 1], l.punti[i]}));
    return d;
}

// The track with `quante` boxes of 1 cm, at random (fixed seed) but at least 14 cm from the
// line and the start: the robot, 8 cm wide each side, never touches one.
Arena pistaConScatole(int quante)
{
    Arena a = *arenaPredefinita(QStringLiteral("pista"));
    std::mt19937 caso(26);
    std::uniform_real_distribution<double> x(0, a.larghezza - 1), y(0, a.altezza - 1);
    while (static_cast<int>(a.scatole.size()) < quante) {
        const Scatola k{x(caso), y(caso), 1, 1};
        const Punto centro{k.x + 0.5, k.y + 0.5};
        if (distanzaDallaLinea(a, centro) > 14 && lunghezza(centro - a.partenza.posizione) > 14)
            a.scatole.push_back(k);
    }
    return a;
}

double secondiPerCorsa(const Arena& arena, StatoRobot& fine)
{
    const double inizio = secondiDelProcesso();
    Sessione s(*segueLaLinea().simulato(), arena);
    s.esegui(CicliCorsa);
    fine = s.robot();
    return secondiDelProcesso() - inizio;
}

// "rapporto": the crowded track's time over the plain track's, both in every iteration.
void BM_PistaConMilleScatole(benchmark::State& stato)
{
    if (!segueLaLinea().simulato()) {
        stato.SkipWithError("gpasm non ha assemblato il programma");
        return;
    }
    const Arena pista = *arenaPredefinita(QStringLiteral("pista")), affollata = pistaConScatole(1000);
    QString errore;
    if (leggiArena(scriviArena(affollata), &errore) != affollata) {
        stato.SkipWithError(qPrintable(QStringLiteral("arena rifiutata: ") + errore));
        return;
    }
    double semplice = 0, conScatole = 0;
    for (auto _ : stato) {
        StatoRobot a, b;
        semplice += secondiPerCorsa(pista, a);
        conScatole += secondiPerCorsa(affollata, b);
        if (!(a == b))
            stato.SkipWithError("con le scatole il robot ha fatto un'altra strada");
    }
    stato.counters["secondi_pista"] = semplice / double(stato.iterations());
    stato.counters["secondi_con_scatole"] = conScatole / double(stato.iterations());
    stato.counters["rapporto"] = conScatole / semplice;
}

BENCHMARK(BM_PistaConMilleScatole)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
