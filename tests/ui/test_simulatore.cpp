// The simulator through the window: opening it, stepping and running the program with the
// running row highlighted, forcing inputs into their handlers, going back in time, and editing,
// saving and opening an arena. The run is driven by explicit cycle counts, never by the clock.
#include "banco_finestra.h"
#include "model/catalogo.h"
#include "persist/file_programma.h"
#include "sim/sessione.h"
#include "ui/finestra_simulatore.h"
#include "ui/linea_tempo.h"
#include "ui/pannello_ingressi.h"
#include "ui/pannello_memoria_sim.h"
#include "ui/vista_arena.h"
#include "support/righe_programma.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

namespace kobaltino {

namespace {

constexpr uint64_t Ms = CicliPerSecondo / 1000;

class Simulatore : public BancoFinestra {
protected:
    void SetUp() override
    {
        BancoFinestra::SetUp();
        const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
        ASSERT_FALSE(gpasm.isEmpty()) << "gpasm is needed to simulate";
        stato.PercorsoCompilatore = gpasm;
    }

    void carica(const char* programma)
    {
        ASSERT_TRUE(
            leggiProgramma(editor, QStringLiteral(KOBALTINO_FIXTURES "/simulatore/") + QLatin1String(programma)).riuscito());
        finestra->aggiorna();
    }

    // Opens the simulator with "Simula" and takes the clock away from the run.
    FinestraSimulatore* simula()
    {
        menu("KeySimula");
        FinestraSimulatore* s = finestra->simulatore();
        if (s) {
            s->simulazione().impostaSenzaOrologio(true);
            s->resize(1100, 760);
        }
        return s;
    }

    void clicca(FinestraSimulatore* s, const char* azione)
    {
        QAction* a = s->azione(QString::fromLatin1(azione));
        ASSERT_NE(a, nullptr) << azione;
        a->trigger();
    }

    // The run forward to moment `ms` from power-on.
    static void finoA(FinestraSimulatore* s, uint64_t ms)
    {
        s->simulazione().avanza(ms * Ms - s->simulazione().sessione()->cicli());
    }

    // The row highlighted in the grids, {0, -1} when none; fails when more than one is.
    Origine evidenziata() const
    {
        Origine trovata;
        int quante = 0;
        for (int k = 1; k <= NumeroGriglie; ++k)
            if (const int r = finestra->modello(k)->rigaEvidenziata(); r >= 0) {
                trovata = {k, r};
                ++quante;
            }
        EXPECT_LE(quante, 1);
        return trovata;
    }
};

// Simula opens the window from the menu, the toolbar and F5, and compiles the program; a program
// that cannot be compiled gets the message "Compila" gives, and nothing runs.
TEST_F(Simulatore, SiApreDalMenuDallaBarraEConF5)
{
    FinestraSimulatore* s = simula();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(s->simulazione().caricata());
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{informazione("Inserire almeno un codice nella griglia principale")});

    ui.messaggi.clear();
    carica("passi.kbn");
    s->close();
    const QRect prima = finestra->geometry();
    for (const char* ingresso : {"KeySimula", "#14", "F5"}) {
        SCOPED_TRACE(ingresso);
        finestra->simulatore()->close();
        QApplication::setActiveWindow(finestra.get());
        premi(ingresso);
        s = finestra->simulatore();
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->isVisible());
        ASSERT_TRUE(s->simulazione().caricata());
        EXPECT_EQ(s->simulazione().sessione()->programma().modello, ModelloPic::P16F84);
        EXPECT_LT(finestra->frameGeometry().right(), s->frameGeometry().left()) << "side by side";
    }
    EXPECT_TRUE(ui.messaggi.empty());
    // Closed, it gives the main window back the room it took.
    s->close();
    EXPECT_EQ(finestra->geometry(), prima);
}

// "Passo" runs one row at a time; "Avvia" runs on, and the highlight follows the row that runs.
// A change to the program stops the run.
TEST_F(Simulatore, PassoEAvviaSpostanoLEvidenza)
{
    carica("passi.kbn");  // 0 Avanti, 1 Attendi 1,0, 2 Destra, 3 Attendi 0,5, 4 Vai a 0
    FinestraSimulatore* s = simula();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(evidenziata(), Origine{});

    for (int atteso : {0, 1, 2, 3, 4, 0, 1}) {
        clicca(s, "azPasso");
        EXPECT_EQ(evidenziata(), (Origine{1, atteso}));
    }

    clicca(s, "azRicomincia");
    EXPECT_EQ(evidenziata(), Origine{});
    clicca(s, "azAvvia");
    EXPECT_TRUE(s->simulazione().inCorso());
    EXPECT_EQ(s->azione(QStringLiteral("azAvvia"))->text(), QStringLiteral("Pausa"));
    finoA(s, 2750);  // in the second "Attendi"
    EXPECT_EQ(evidenziata(), (Origine{1, 3}));
    clicca(s, "azAvvia");
    EXPECT_FALSE(s->simulazione().inCorso());
    EXPECT_EQ(s->azione(QStringLiteral("azAvvia"))->text(), QStringLiteral("Avvia"));

    // Changing the program stops the run and drops the highlight; the next "Avvia" recompiles.
    clicca(s, "azAvvia");
    EXPECT_EQ(evidenziata(), (Origine{1, 3}));
    editor.inserisci(1, codici::Fermo);  // a row appended to the main grid
    finestra->aggiorna();
    EXPECT_FALSE(s->simulazione().inCorso());
    EXPECT_EQ(evidenziata(), Origine{});
    EXPECT_GE(s->simulazione().sessione()->cicli(), 2750 * Ms);  // the old run is still shown
    clicca(s, "azAvvia");
    EXPECT_TRUE(s->simulazione().inCorso());
    finoA(s, 500);
    EXPECT_EQ(evidenziata(), (Origine{1, 1}));

    // Closing the simulator takes the highlight away.
    s->close();
    EXPECT_EQ(evidenziata(), Origine{});
}

// A click on an input forces it active: the main loop calls its handler, whose tab comes to the
// front with the running row highlighted; another click gives the input back to the arena.
TEST_F(Simulatore, UnIngressoForzatoPortaNelSuoGestore)
{
    // Main grid: 0 Fermo, 1..9 "Se attivo vai a" each input, 10 Vai a 0. Each handler:
    // 0 Ruota a DX, 1 Attendi 0,5, 2 Ritorna. In the empty room no input is active.
    carica("gestori.kbn");
    FinestraSimulatore* s = simula();
    ASSERT_NE(s, nullptr);
    for (int ingresso = 0; ingresso < NumeroIngressi; ++ingresso) {
        SCOPED_TRACE(ingresso);
        clicca(s, "azRicomincia");
        finestra->schede()->setCurrentIndex(ingresso == 0 ? 1 : 0);
        finoA(s, 100);

        QPushButton* pulsante = s->ingressi()->pulsante(ingresso);
        QTest::mouseClick(pulsante, Qt::LeftButton);
        EXPECT_TRUE(pulsante->text().endsWith(QStringLiteral("(forzato 1)"))) << pulsante->text().toStdString();

        finoA(s, 300);
        EXPECT_EQ(evidenziata(), (Origine{ingresso + 2, 1}));
        EXPECT_EQ(finestra->schede()->currentIndex(), ingresso);

        QTest::mouseClick(pulsante, Qt::LeftButton);
        EXPECT_EQ(pulsante->text(), nomeGriglia(ingresso + 2));
    }
}

// The timeline goes back to an earlier moment: row and memory shown as they were then; "Avvia" goes
// on from there, and the rest of the history stays on the timeline.
TEST_F(Simulatore, LaLineaDelTempoTornaIndietroELaCorsaRiprende)
{
    // 0 Avanti, 1 Incrementa Ram1, 2 Attendi 0,5, 3 Ruota a DX, 4 Attendi 0,5, 5 Vai a 0
    carica("tempo.kbn");
    FinestraSimulatore* s = simula();
    ASSERT_NE(s, nullptr);
    // The moment of the run, the highlighted row and the value of Ram1 in the memory table.
    const auto mostrati = [&] {
        const QString ram1 = s->memoria()->tabella()->item(0, 0)->text();
        return std::tuple(s->simulazione().sessione()->cicli(), evidenziata(), ram1);
    };
    std::map<uint64_t, std::tuple<uint64_t, Origine, QString>> prima;
    for (uint64_t ms = 250; ms <= 3000; ms += 250) {
        finoA(s, ms);
        prima[ms] = mostrati();
    }
    EXPECT_EQ(std::get<QString>(prima[3000]), "3");

    QSlider* cursore = s->lineaTempo()->cursore();
    for (uint64_t ms : {500u, 1250u, 2000u, 750u}) {
        SCOPED_TRACE(ms);
        cursore->setValue(static_cast<int>(ms));
        EXPECT_EQ(mostrati(), prima[ms]);

        clicca(s, "azAvvia");
        finoA(s, ms + 500);
        clicca(s, "azAvvia");
        EXPECT_EQ(mostrati(), prima[ms + 500]);
        EXPECT_EQ(cursore->maximum(), 3000);
        EXPECT_EQ(cursore->value(), static_cast<int>(ms + 500));
    }
}

// An arena edited with the mouse, saved and opened again comes back the same.
TEST_F(Simulatore, UnArenaSalvataERiapertaTornaUguale)
{
    carica("passi.kbn");
    FinestraSimulatore* s = simula();
    ASSERT_NE(s, nullptr);
    s->scegliArena(QStringLiteral("vuota"));  // 200 x 150, start (100, 75) facing 0 degrees
    QApplication::processEvents();
    VistaArena* v = s->vistaArena();
    auto px = [v](Punto p) { return v->suSchermo(p).toPoint(); };

    struct Gesto {
        const char* strumento;
        std::vector<Punto> punti;  // a press on the first, a drag through the others, a release
        bool doppio = false;       // the last point is a double click
    };
    const std::vector<Gesto> gesti = {
        {"strMuro", {{40, 100}, {90, 100}}}, {"strScatola", {{120, 20}, {140, 35}}}, {"strLampada", {{170, 120}}},
        {"strLampada", {{150, 120}}},        {"strLinea", {{20, 130}}},              {"strLinea", {{60, 130}}},
        {"strLinea", {{60, 140}}, true},
        {"strSeleziona", {{100, 75}, {80, 60}, {60, 50}}},  // the robot's start
        {"strSeleziona", {{74, 50}, {60, 80}}},             // its heading handle
        {"strSeleziona", {{90, 100}, {95, 110}}},           // one end of the wall
        {"strCancella", {{170, 120}}}};                     // the first lamp
    for (const Gesto& g : gesti) {
        s->azione(QString::fromLatin1(g.strumento))->trigger();
        if (g.doppio) {  // the first click of the pair, then the double one
            QTest::mouseClick(v, Qt::LeftButton, {}, px(g.punti[0]));
            QTest::mouseDClick(v, Qt::LeftButton, {}, px(g.punti[0]));
            continue;
        }
        QTest::mousePress(v, Qt::LeftButton, {}, px(g.punti[0]));
        for (size_t i = 1; i < g.punti.size(); ++i)
            QTest::mouseMove(v, px(g.punti[i]));
        QTest::mouseRelease(v, Qt::LeftButton, {}, px(g.punti.back()));
    }

    Arena attesa = *arenaPredefinita(QStringLiteral("vuota"));
    attesa.partenza = {{60, 50}, 90};
    attesa.muri = {{{40, 100}, {95, 110}}};
    attesa.scatole = {{120, 20, 20, 15}};
    attesa.lampade = {{{150, 120}}};
    attesa.linee = {{2, {{20, 130}, {60, 130}, {60, 140}}}};
    EXPECT_EQ(s->arena(), std::optional<Arena>(attesa));
    // The run starts over in the edited arena.
    EXPECT_EQ(s->simulazione().sessione()->robot().posizione, (Punto{60, 50}));

    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("stanza.json"));
    ui.file.push_back(file);
    clicca(s, "azSalvaArena");
    s->scegliArena(QStringLiteral("pista"));
    ui.file.push_back(file);
    clicca(s, "azApriArena");
    EXPECT_EQ(s->arena(), std::optional<Arena>(attesa));
    EXPECT_EQ(s->simulazione().sessione()->arena(), std::optional<Arena>(attesa));
    EXPECT_TRUE(ui.messaggi.empty());
}


// File > Esempi opens each sample as a new, unsaved program, in the simulator in its own arena.
// A saved program comes back in the arena it last ran in.
TEST_F(Simulatore, OgniProgrammaSiApreNellaSuaArena)
{
    const std::pair<const char*, const char*> esempi[] = {
        {"KeyEsempio_labirinto", "labirinto"}, {"KeyEsempio_lampada", "lampada"}, {"KeyEsempio_segui_linea", "pista"}};
    for (const auto& [voce, arena] : esempi) {
        menu(voce);
        EXPECT_TRUE(stato.PercorsoFile.isEmpty());
        EXPECT_GT(stato.NumIstruzioni(1), 0);
        EXPECT_EQ(simula()->sceltaArena()->currentData().toString(), arena) << voce;
    }
    carica("passi.kbn");
    FinestraSimulatore* s = simula();
    EXPECT_EQ(s->sceltaArena()->currentData().toString(), "pista");  // never run: the arena stays
    s->scegliArena("lampada");
    clicca(s, "azPasso");
    menu("KeyEsempio_labirinto");
    carica("passi.kbn");
    EXPECT_EQ(s->sceltaArena()->currentData().toString(), "lampada");
    EXPECT_TRUE(ui.messaggi.empty());
}

// The running row keeps its colour and its mark over the selection. A program that goes to
// sleep with the robot still ends the run by itself, saying why and where; the timeline ends there.
TEST_F(Simulatore, LaRigaInCorsoSiVedeEIlProgrammaFinisceDaSolo)
{
    kobaltino::carica(stato, {{1, 1}, {1, 8, "0,5"}, {1, 7}, {1, 12}});
    finestra->aggiorna();
    BancoFinestra::clicca(1, 3);
    FinestraSimulatore* s = simula();
    clicca(s, "azAvvia");
    finoA(s, 2000);
    EXPECT_FALSE(s->simulazione().inCorso());
    EXPECT_EQ(s->findChild<QLabel*>("statoSimulazione")->text(),
              "Il programma è finito: il processore dorme, riga 3 — urti: 0");
    EXPECT_EQ(s->lineaTempo()->cursore()->maximum(), int(s->simulazione().sessione()->cicli() / Ms));
    EXPECT_LT(s->lineaTempo()->cursore()->maximum(), 600);
    VistaGriglia* v = finestra->vista(1);
    ASSERT_TRUE(v->selectionModel()->isRowSelected(3, {}));
    EXPECT_EQ(v->model()->index(3, ColNumero).data().toString(), "▶3");
    const QRect cella = v->visualRect(v->model()->index(3, ColEtichetta));
    EXPECT_EQ(v->viewport()->grab().toImage().pixelColor(cella.center()), ModelloGriglia::coloreEvidenza());
}

// An edited arena is never dropped without a word: switching arena, closing the simulator or
// a program that brings its own arena asks first. Sì saves it (beside the program, named after
// the arena, listed by its file name), No drops the edits, Annulla keeps them where they were.
TEST_F(Simulatore, UnArenaModificataSiSalvaOSiLasciaSoloChiedendo)
{
    const Messaggio domanda{"L'arena è stata modificata e non è stata salvata.\r\nSalvare adesso?",
                            Icona::Informazione, "Attenzione", Pulsanti::SiNoAnnulla};
    const std::function<void(FinestraSimulatore*)> modi[] = {
        [](FinestraSimulatore* s) { s->scegliArena("pista"); },
        [](FinestraSimulatore* s) { s->close(); },
        [this](FinestraSimulatore*) { menu("KeyEsempio_labirinto"); }};
    const char* dopo[] = {"pista", "vuota", "labirinto"};  // the arena once the edits are gone
    QTemporaryDir cartella;
    for (int modo = 0; modo < 3; ++modo)
        for (const Risposta risposta : {Risposta::Annulla, Risposta::No, Risposta::Si}) {
            SCOPED_TRACE(testing::Message() << modo << " " << int(risposta));
            carica("passi.kbn");
            FinestraSimulatore* s = simula();
            s->scegliArena("vuota");
            s->azione("strLampada")->trigger();
            QTest::mouseClick(s->vistaArena(), Qt::LeftButton, {}, s->vistaArena()->suSchermo({50, 50}).toPoint());
            const std::optional<Arena> modificata = s->arena();
            ASSERT_TRUE(s->arenaModificata());
            ui.messaggi.clear();
            ui.risposte.push_back(risposta);
            const QString file = cartella.filePath(QStringLiteral("salvata%1.json").arg(modo));
            if (risposta == Risposta::Si)
                ui.file.push_back(file);
            modi[modo](s);
            EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{domanda});
            EXPECT_EQ(s->isVisible(), modo != 1 || risposta == Risposta::Annulla);
            if (risposta == Risposta::Annulla) {
                EXPECT_EQ(s->arena(), modificata);
                EXPECT_EQ(s->sceltaArena()->currentData().toString(), "vuota");
                ui.risposte.push_back(Risposta::No);  // the next round starts from a clean arena
                s->scegliArena("vuota");
                continue;
            }
            EXPECT_FALSE(s->arenaModificata());
            if (modo != 1) {
                EXPECT_EQ(s->sceltaArena()->currentData().toString(), dopo[modo]);
            }
            if (risposta == Risposta::Si) {
                EXPECT_EQ(ui.richiesteFile.back().cartella, KOBALTINO_FIXTURES "/simulatore");
                EXPECT_EQ(ui.richiesteFile.back().nome, "stanza_vuota.json");
                EXPECT_EQ(caricaArena(file, nullptr, nullptr), modificata);
                EXPECT_GE(s->sceltaArena()->findText(QStringLiteral("salvata%1.json").arg(modo)), 0);
            }
        }
}
}  // namespace
}  // namespace kobaltino
