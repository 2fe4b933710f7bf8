// The main window with a full program: opening 9 500 rows through "Apri" and showing them,
// and the time from nothing to the first shown window.
#include "model/editor.h"
#include "persist/comandi_file.h"
#include "persist/file_programma.h"
#include "ui/frm_avvio.h"
#include "ui/vista_griglia.h"

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using namespace kobaltino;

QApplication& applicazione()
{
    static int argc = 1;
    static char nome[] = "bench_finestra";
    static char* argv[] = {nome, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Answers every file dialog with one path and every question with Yes.
class InterazioneBanco : public Interazione {
public:
    QString file;
    Risposta mostra(const Messaggio& m) override { return m.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::Si; }
    std::optional<EsitoDialogo> apriDialogo(Dialogo, int, const Stato&) override { return std::nullopt; }
    QString scegliFile(const RichiestaFile&) override { return file; }
};

// Ten grids of 950 rows, a mix of plain rows and rows with parameters.
QByteArray programmaPieno()
{
    Stato s;
    const std::pair<int, const char*> righe[] = {{1, ""},     {8, "1,0"}, {13, "Ram1 d'5'"}, {19, "Ram2"},
                                                  {17, "EEP3 b'00001111'"}, {5, ""}, {22, "Ram4"}, {7, ""}};
    for (int k = 1; k <= 10; ++k)
        for (int r = 0; r < 950; ++r) {
            const auto& [codice, parametro] = righe[r % std::size(righe)];
            s.griglia(k).accoda(codice, QString::fromLatin1(parametro));
        }
    s.marca(Memoria::Ram, 1) = "d'5'";
    return testoProgramma(s);
}

void BM_ApriProgrammaPieno(benchmark::State& state)
{
    applicazione();
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("pieno.kbn"));
    {
        QFile f(percorso);
        f.open(QIODevice::WriteOnly);
        f.write(programmaPieno());
    }
    Stato stato;
    InterazioneBanco ui;
    ui.file = percorso;
    Editor editor(stato, ui);
    ComandiFile file(editor, cartella.path());
    ComandiEsterni esterni;
    esterni.apri = [&] { file.apri(); };
    FrmAvvio finestra(editor, esterni);
    finestra.show();
    if (!QTest::qWaitForWindowExposed(&finestra))
        state.SkipWithError("the window was never shown");
    for (auto _ : state) {
        stato.Modificato = false;
        finestra.esegui({Azione::Apri});
        // Paint what the user sees of the main grid and of the current tab.
        finestra.vista(1)->viewport()->repaint();
        finestra.schede()->currentWidget()->repaint();
        QApplication::processEvents();
    }
    if (stato.NumIstruzioni(10) != 950)
        state.SkipWithError("the program was not loaded whole");
    state.counters["righe"] = 9500;
}
BENCHMARK(BM_ApriProgrammaPieno)->Unit(benchmark::kMillisecond);

void BM_PrimaFinestraMostrata(benchmark::State& state)
{
    applicazione();
    for (auto _ : state) {
        Stato stato;
        InterazioneBanco ui;
        Editor editor(stato, ui);
        FrmAvvio finestra(editor, {});
        finestra.show();
        if (!QTest::qWaitForWindowExposed(&finestra))
            state.SkipWithError("the window was never shown");
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PrimaFinestraMostrata)->Unit(benchmark::kMillisecond);

}  // namespace
