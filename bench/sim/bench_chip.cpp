// Simulated instruction cycles per second on a robot program that waits and polls its sensors,
// against gpsim running the same hex in the same run.
#include "codegen/generatore.h"
#include "model/catalogo.h"
#include "model/stato.h"
#include "sim/chip.h"
#include "sim/hex.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>

#include <sys/resource.h>
#include <time.h>

namespace {

using namespace kobaltino;

constexpr uint64_t Cicli = 20'000'000;  // 20 s of robot time

// Processor time, not wall time: the comparison holds on a busy machine too.
double secondiDeiFigli()
{
    rusage uso{};
    getrusage(RUSAGE_CHILDREN, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

double secondiDelProcesso()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// Forward while the right optical sensor sees the line, a turn when the left proximity sensor
// fires, half-second waits in between: the loops on TMR0 and the polls the robot lives in.
Stato programmaCheAttende()
{
    Stato s;
    auto riga = [&s](int k, int codice, const QString& parametro = {}, const QString& etichetta = {}) {
        const int r = s.griglia(k).accoda(codice, parametro);
        s.griglia(k).riga(r).etichetta = etichetta;
    };
    riga(1, codici::Avanti, {}, QStringLiteral("0"));
    riga(1, codici::SeAttivoVaiA, QStringLiteral("Ottico_destro"));
    riga(1, codici::SeDisattivoVaiA, QStringLiteral("Prossimita_sinistra"));
    riga(1, codici::Attendi, QStringLiteral("0,5"));
    riga(1, codici::Incrementa, QStringLiteral("Ram1"));
    riga(1, codici::VaiA, QStringLiteral("0"));
    riga(5, codici::RuotaADestra);
    riga(5, codici::Attendi, QStringLiteral("1,0"));
    riga(6, codici::Fermo);
    return s;
}

// The program assembled once, in a folder that lives as long as the benchmark.
struct Programma {
    QTemporaryDir cartella;
    std::optional<ImmagineHex> immagine;

    Programma()
    {
        QFile sorgente(cartella.filePath(QStringLiteral("robot.asm")));
        if (!sorgente.open(QIODevice::WriteOnly))
            return;
        sorgente.write(genera(programmaCheAttende()).sorgente.byte());
        sorgente.close();
        if (!esegui("gpasm", {"-w", "2", "-a", "inhx8m", "-o", "robot.hex", "robot.asm"}))
            return;
        QFile hex(cartella.filePath(QStringLiteral("robot.hex")));
        if (hex.open(QIODevice::ReadOnly))
            immagine = leggiHex(hex.readAll(), nullptr);
    }

    bool esegui(const char* strumento, const QStringList& argomenti) const
    {
        QProcess p;
        p.setWorkingDirectory(cartella.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStandardPaths::findExecutable(QLatin1String(strumento)), argomenti);
        return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // Processor seconds gpsim takes for a script; the best of three runs.
    double secondiGpsim(const QByteArray& script) const
    {
        QFile f(cartella.filePath(QStringLiteral("robot.stc")));
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(script);
        f.close();
        double migliore = 1e9;
        for (int i = 0; i < 3; ++i) {
            const double prima = secondiDeiFigli();
            if (!esegui("gpsim", {"-i", "-c", "robot.stc", "robot.cod"}))
                return 0;
            migliore = std::min(migliore, secondiDeiFigli() - prima);
        }
        return migliore;
    }

    // gpsim's cycles per second on the same program: a long run less its start-up.
    double cicliAlSecondoGpsim() const
    {
        const double avvio = secondiGpsim("quit\n");
        const double corsa = secondiGpsim("break c " + QByteArray::number(qulonglong(Cicli)) + "\nrun\nquit\n");
        return corsa > avvio ? Cicli / (corsa - avvio) : 0;
    }
};

const Programma& programma()
{
    static const Programma p;
    return p;
}

// The chip against gpsim on the same clock (processor time): "rapporto" is how many times gpsim's rate
// the chip reaches. `passoPasso` runs one instruction at a time, without counting the turns of
// the wait loops in one step.
void misura(benchmark::State& stato, bool passoPasso)
{
    const Programma& p = programma();
    if (!p.immagine) {
        stato.SkipWithError("gpasm non ha assemblato il programma");
        return;
    }
    static const double gpsim = p.cicliAlSecondoGpsim();
    if (gpsim <= 0) {
        stato.SkipWithError("gpsim non ha eseguito il programma");
        return;
    }
    Chip chip(ModelloPic::P16F84);
    chip.carica(*p.immagine);
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
    const double cicliAlSecondo = double(stato.iterations() * Cicli) / (secondiDelProcesso() - inizio);
    stato.counters["cicli_al_secondo"] = cicliAlSecondo;
    stato.counters["gpsim_cicli_al_secondo"] = gpsim;
    stato.counters["rapporto"] = cicliAlSecondo / gpsim;
}

void BM_ChipControGpsim(benchmark::State& stato) { misura(stato, false); }
void BM_ChipPassoPassoControGpsim(benchmark::State& stato) { misura(stato, true); }

BENCHMARK(BM_ChipControGpsim)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChipPassoPassoControGpsim)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
