#pragma once

// A robot program for the simulator benchmarks: generated, assembled once by the real gpasm, ready
// for the chip, a session and gpsim, which runs the same hex as the referee of speed.
#include "codegen/generatore.h"
#include "model/catalogo.h"
#include "model/stato.h"
#include "sim/programma_simulato.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>

#include <sys/resource.h>
#include <time.h>

namespace kobaltino::banco {

// Processor time, not wall time: the comparison holds on a busy machine too.
inline double secondiDeiFigli()
{
    rusage uso{};
    getrusage(RUSAGE_CHILDREN, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

inline double secondiDelProcesso()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

inline void riga(Stato& s, int k, int codice, const QString& parametro = {}, const QString& etichetta = {})
{
    const int r = s.griglia(k).accoda(codice, parametro);
    s.griglia(k).riga(r).etichetta = etichetta;
}

// Forward while the right optical sensor sees the line, a turn when the left proximity sensor
// fires, half-second waits in between: the loops on TMR0 and the polls the robot lives in.
inline Stato programmaCheAttende()
{
    Stato s;
    riga(s, 1, codici::Avanti, {}, QStringLiteral("0"));
    riga(s, 1, codici::SeAttivoVaiA, QStringLiteral("Ottico_destro"));
    riga(s, 1, codici::SeDisattivoVaiA, QStringLiteral("Prossimita_sinistra"));
    riga(s, 1, codici::Attendi, QStringLiteral("0,5"));
    riga(s, 1, codici::Incrementa, QStringLiteral("Ram1"));
    riga(s, 1, codici::VaiA, QStringLiteral("0"));
    riga(s, 5, codici::RuotaADestra);
    riga(s, 5, codici::Attendi, QStringLiteral("1,0"));
    riga(s, 6, codici::Fermo);
    return s;
}

// The track's line follower: forward, and while one optical sensor sees the line, turn towards it.
inline Stato seguiLinea()
{
    Stato s;
    riga(s, 1, codici::Avanti, {}, QStringLiteral("0"));
    riga(s, 1, codici::SeAttivoVaiA, QStringLiteral("Ottico_destro"));
    riga(s, 1, codici::SeAttivoVaiA, QStringLiteral("Ottico_sinistro"));
    riga(s, 1, codici::VaiA, QStringLiteral("0"));
    for (const auto& [griglia, svolta, sensore] : {std::tuple{6, codici::Destra, "Ottico_destro"},
                                                   std::tuple{7, codici::Sinistra, "Ottico_sinistro"}}) {
        riga(s, griglia, svolta, {}, QStringLiteral("0"));
        riga(s, griglia, codici::SeDisattivoFai, QLatin1String(sensore));
        riga(s, griglia, codici::Ritorna);
        riga(s, griglia, codici::VaiA, QStringLiteral("0"));
    }
    return s;
}

// A program assembled once, in a folder that lives as long as the benchmark.
class Programma {
public:
    explicit Programma(const Stato& stato)
    {
        const QByteArray sorgente = genera(stato).sorgente.byte();
        QFile f(cartella.filePath(QStringLiteral("robot.asm")));
        if (!f.open(QIODevice::WriteOnly) || f.write(sorgente) != sorgente.size())
            return;
        f.close();
        if (!esegui("gpasm", {"-w", "2", "-a", "inhx8m", "-o", "robot.hex", "robot.asm"}))
            return;
        programma = assemblaPerSimulare(genera(stato).sorgente, stato.Processore,
                                        QStandardPaths::findExecutable(QStringLiteral("gpasm")))
                        .programma;
    }

    // Set when gpasm assembled it.
    const std::optional<ProgrammaSimulato>& simulato() const { return programma; }

    // gpsim's cycles per second on the same hex: a long run less its start-up, the best of three.
    double cicliAlSecondoGpsim(uint64_t cicli) const
    {
        const double avvio = secondiGpsim("quit\n");
        const double corsa = secondiGpsim("break c " + QByteArray::number(qulonglong(cicli)) + "\nrun\nquit\n");
        return corsa > avvio ? cicli / (corsa - avvio) : 0;
    }

private:
    bool esegui(const char* strumento, const QStringList& argomenti) const
    {
        QProcess p;
        p.setWorkingDirectory(cartella.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStandardPaths::findExecutable(QLatin1String(strumento)), argomenti);
        return p.waitForFinished(300000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

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

    QTemporaryDir cartella;
    std::optional<ProgrammaSimulato> programma;
};

}  // namespace kobaltino::banco
