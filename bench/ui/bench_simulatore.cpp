// The simulator window: the time to draw one frame of the arena with a long trail, and how many
// simulated seconds per real second the window keeps up at "as fast as possible" while it draws,
// beside the bare session's rate on the same program.
#include "codegen/compilatore.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"
#include "ui/finestra_simulatore.h"
#include "ui/frm_avvio.h"
#include "ui/vista_arena.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using namespace kobaltino;

QApplication& applicazione()
{
    static int argc = 1;
    static char nome[] = "bench_simulatore";
    static char* argv[] = {nome, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class InterazioneBanco : public Interazione {
public:
    Risposta mostra(const Messaggio&) override { return Risposta::Ok; }
    std::optional<EsitoDialogo> apriDialogo(Dialogo, int, const Stato&) override { return std::nullopt; }
    QString scegliFile(const RichiestaFile&) override { return {}; }
};

const QString Esempio = QStringLiteral(KOBALTINO_SORGENTI "/resources/esempi/segui_linea.kbn");

// The line-following sample, compiled for the 16F84.
std::optional<ProgrammaSimulato> programmaSeguiLinea()
{
    Stato stato;
    InterazioneBanco ui;
    Editor editor(stato, ui);
    if (!leggiProgramma(editor, Esempio).riuscito())
        return std::nullopt;
    const std::optional<Generazione> g = Compilatore(stato, ui).genera(false);
    if (!g)
        return std::nullopt;
    return assemblaPerSimulare(g->sorgente, QStringLiteral("16F84"),
                               QStandardPaths::findExecutable(QStringLiteral("gpasm")))
        .programma;
}

// One frame of the view, 900 x 620 pixels, after the robot has followed the track for
// `state.range(1)` simulated seconds (a trail point every 20 ms while it moves). With
// `state.range(0)` 1 every frame redraws everything, as the first one after a zoom, a pan or a
// jump back in time; with 0 the floor, arena and trail drawn so far come from the view's picture,
// as while the run goes on.
void BM_FotogrammaConTracciaLunga(benchmark::State& state)
{
    const bool tutto = state.range(0) != 0;
    applicazione();
    const std::optional<ProgrammaSimulato> programma = programmaSeguiLinea();
    if (!programma) {
        state.SkipWithError("the sample program did not compile (is gpasm installed?)");
        return;
    }
    Sessione sessione(*programma, arenaPredefinita(QStringLiteral("pista")));
    sessione.esegui(static_cast<uint64_t>(state.range(1)) * CicliPerSecondo);
    const std::vector<PuntoTraccia> traccia = sessione.traccia();
    VistaArena vista;
    vista.resize(900, 620);
    vista.impostaArena(sessione.arena());
    QImage immagine(vista.size(), QImage::Format_ARGB32_Premultiplied);
    int larghezza = 900;
    for (auto _ : state) {
        if (tutto) {
            // A size change of one pixel makes the view draw its picture again.
            larghezza = larghezza == 900 ? 901 : 900;
            vista.resize(larghezza, 620);
        }
        vista.mostra(sessione.fotografia(), traccia);
        vista.render(&immagine);
    }
    state.counters["punti_traccia"] = static_cast<double>(traccia.size());
}
BENCHMARK(BM_FotogrammaConTracciaLunga)
    ->ArgNames({"tutto", "secondi"})
    ->ArgsProduct({{0, 1}, {60, 600}})
    ->Unit(benchmark::kMillisecond);

// The bare session on the same program: simulated seconds per real second, no window.
void BM_SessioneSenzaFinestra(benchmark::State& state)
{
    const std::optional<ProgrammaSimulato> programma = programmaSeguiLinea();
    if (!programma) {
        state.SkipWithError("the sample program did not compile (is gpasm installed?)");
        return;
    }
    Sessione sessione(*programma, arenaPredefinita(QStringLiteral("pista")));
    uint64_t cicli = 0;
    for (auto _ : state) {
        const uint64_t prima = sessione.cicli();
        sessione.esegui(prima + CicliPerSecondo);
        cicli += sessione.cicli() - prima;
    }
    state.counters["secondi_simulati_al_secondo"] =
        benchmark::Counter(static_cast<double>(cicli) / CicliPerSecondo, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SessioneSenzaFinestra)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The whole window at "as fast as possible": the run goes in its time slices while the view
// draws 30 frames a second. Each iteration lets the window work for one real second.
void BM_FinestraAllaMassimaVelocita(benchmark::State& state)
{
    applicazione();
    Stato stato;
    InterazioneBanco ui;
    Editor editor(stato, ui);
    if (!leggiProgramma(editor, Esempio).riuscito()) {
        state.SkipWithError("the sample program cannot be read");
        return;
    }
    FrmAvvio finestra(editor, ComandiEsterni{});
    finestra.show();
    finestra.esegui({Azione::Simula});
    FinestraSimulatore* s = finestra.simulatore();
    s->scegliArena(QStringLiteral("pista"));
    s->impostaVelocita(QStringLiteral("max"));
    if (!QTest::qWaitForWindowExposed(s) || !s->simulazione().caricata()) {
        state.SkipWithError("the simulator did not start");
        return;
    }
    s->avvia();
    double simulati = 0, reali = 0;
    for (auto _ : state) {
        const uint64_t prima = s->simulazione().sessione()->cicli();
        QElapsedTimer orologio;
        orologio.start();
        while (orologio.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        reali += static_cast<double>(orologio.nsecsElapsed()) / 1e9;
        simulati += static_cast<double>(s->simulazione().sessione()->cicli() - prima) / CicliPerSecondo;
    }
    s->simulazione().pausa();
    state.counters["secondi_simulati_al_secondo"] = simulati / reali;
}
BENCHMARK(BM_FinestraAllaMassimaVelocita)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
