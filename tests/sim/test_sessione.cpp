// The session: the real compiled program drives the robot; where each program address comes from,
// rows, inputs, going back in time, and the sample programs in their arenas.
#include "codegen/generatore.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"
#include "sim/sessione.h"
#include "support/interazione_finta.h"
#include "support/righe_programma.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kobaltino {
namespace {

// Programs written row by row or loaded from a sample program file, then generated and assembled by
// the real gpasm. A missing gpasm fails the test loudly.
Stato esempio(const char* nome)  // from resources/esempi
{
    Stato s;
    InterazioneFinta ui;
    Editor editor(s, ui);
    EXPECT_TRUE(leggiProgramma(editor, QStringLiteral(KOBALTINO_ESEMPI "/") + QLatin1String(nome)).riuscito()) << nome;
    return s;
}

ProgrammaSimulato assembla(const Stato& s)
{
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    const EsitoAssemblaggio esito = assemblaPerSimulare(genera(s).sorgente, s.Processore, gpasm);
    if (gpasm.isEmpty() || !esito.programma)
        ADD_FAILURE() << (gpasm.isEmpty() ? "gpasm non trovato: installare gputils. " : "") << esito.problema.toStdString();
    for (const Segnalazione& e : esito.errori)
        ADD_FAILURE() << e.riga << ": " << e.testo.toStdString();
    return esito.programma.value_or(ProgrammaSimulato{});
}

uint64_t secondi(double s) { return static_cast<uint64_t>(s * CicliPerSecondo); }

// Rows chosen for their words: a call into the library, two words of one row (movlw d'5' first),
// a wait, a handler call, an EEPROM subroutine, a jump back; a handler of two rows. Where each
// address comes from, then the row the run is in, step by step.
TEST(Sessione, OgniIndirizzoEOgniPassoSannoDaQualeRigaVengono)
{
    const ProgrammaSimulato p = assembla(programmaDi({{1, 1, "", "0"}, {1, 13, "Ram1 d'5'"}, {1, 8, "0,5"},
                                                      {1, 10, "Luce_destra"}, {1, 19, "EEP3"}, {1, 9, "0"},
                                                      {2, 2}, {2, 14}}));
    auto primo = [&p](int k, int r) { return p.mappa.indirizzoDi({k, r}); };
    auto parola = [&p](int indirizzo) { return p.immagine.programma.at(static_cast<size_t>(indirizzo)); };
    const std::pair<Origine, int> parole[] = {{{1, 0}, 1}, {{1, 1}, 2}, {{1, 2}, 1}, {{1, 3}, 2},
                                              {{1, 4}, 1}, {{1, 5}, 1}, {{2, 0}, 1}, {{2, 1}, 1}};
    for (const auto& [riga, n] : parole) {
        const int a = p.mappa.indirizzoDi(riga);
        ASSERT_GE(a, 0) << riga.griglia << "," << riga.riga;
        EXPECT_TRUE(p.mappa.inizioDiRiga(a));
        for (int i = 1; i < n; ++i) {
            EXPECT_EQ(p.mappa.origine(a + i), riga);
            EXPECT_FALSE(p.mappa.inizioDiRiga(a + i));
        }
        EXPECT_NE(p.mappa.origine(a + n), riga);
    }
    EXPECT_EQ(parola(primo(1, 1)), 0x3005);
    EXPECT_EQ(parola(primo(1, 5)), 0x2800 | primo(1, 0));      // goto
    EXPECT_EQ(parola(primo(1, 3) + 1), 0x2000 | primo(2, 0));  // call
    // The library, the EEPROM subroutine, the handler's closing return and the first goto belong to no row.
    EXPECT_EQ(parola(primo(1, 0)) & 0x3800, 0x2000);
    for (const auto& [indirizzo, origine] : {std::pair{parola(primo(1, 0)) & 0x7FF, Origine{0, -1}},
                                             {parola(primo(1, 4)) & 0x7FF, {0, -1}}, {primo(2, 1) + 1, {2, -1}}, {0, {0, -1}}})
        EXPECT_EQ(p.mappa.origine(indirizzo), origine) << indirizzo;

    Sessione s(p, std::nullopt);
    EXPECT_EQ(s.riga(), (Origine{0, -1}));  // the start-up code
    auto righe = [&s](const std::vector<Origine>& attese) {
        for (const Origine& attesa : attese) {
            ASSERT_TRUE(s.passoRiga());
            EXPECT_EQ(s.riga(), attesa) << attesa.griglia << "," << attesa.riga;
        }
    };
    // Unconnected, the light input reads 1 through its pull-up: the handler runs.
    righe({{1, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {1, 4}, {1, 5}, {1, 0}, {1, 1}, {1, 2}});
    // Inside the wait's library code the row is still the wait's.
    s.esegui(s.cicli() + 300'000);
    EXPECT_EQ(s.riga(), (Origine{1, 2}));
    // Forced off, the input no longer calls its handler.
    s.forza(*indiceIngresso("Luce_destra"), false);
    righe({{1, 3}, {1, 4}, {1, 5}, {1, 0}});
}

TEST(Sessione, SenzaMondoGliIngressiLeggonoIPiediniScollegati)
{
    // Luce_destra .. Ottico_sinistro, Ultrasuono, Sensore_rotazione, Aux; with the arm, its line
    // is an output, low between pulses.
    for (const bool braccio : {false, true}) {
        Stato stato = programmaDi({{1, 7}});
        stato.AuxAbilitata = !braccio;
        Sessione s(assembla(stato), std::nullopt);
        s.esegui(secondi(0.001));  // past the start-up, which turns the pull-ups on
        EXPECT_EQ(s.ingressi(), (Livelli{1, 1, 1, 1, 1, 1, 1, 0, !braccio})) << braccio;
    }
}

// What must come back the same when the run returns to a moment.
void ugualiMomenti(const Fotografia& a, const Fotografia& b)
{
    EXPECT_EQ(std::tie(a.cicli, a.chip.pc, a.chip.w, a.chip.ram, a.chip.eeprom, a.riga),
              std::tie(b.cicli, b.chip.pc, b.chip.w, b.chip.ram, b.chip.eeprom, b.riga));
    EXPECT_EQ(a.robot, b.robot);
    EXPECT_EQ(a.ingressi, b.ingressi);
}

TEST(Sessione, AFetteOTornandoIndietroLaCorsaEUguale)
{
    Sessione intera(assembla(esempio("segui_linea.kbn")), arenaPredefinita("pista"));
    Sessione s(intera.programma(), arenaPredefinita("pista"));
    const uint64_t prima = secondi(1.2345), dopo = secondi(6);
    intera.esegui(prima);
    const Fotografia allora = intera.fotografia();
    const size_t eventiAllora = intera.eventi().size();
    intera.esegui(dopo);
    // In slices of any length the run ends as it does in one go.
    std::mt19937 caso(7);
    std::uniform_int_distribution<uint64_t> fetta(1, 5000);
    while (s.cicli() < intera.cicli())
        s.esegui(std::min(intera.cicli(), s.cicli() + fetta(caso)));
    ugualiMomenti(s.fotografia(), intera.fotografia());
    EXPECT_EQ(s.eventi(), intera.eventi());
    // Back to a past moment: the same state there, and the same run after it.
    s.vaiA(prima);
    ugualiMomenti(s.fotografia(), allora);
    EXPECT_EQ(s.eventi().size(), eventiAllora);
    EXPECT_EQ(s.cicliRegistrati(), intera.cicli());
    s.esegui(dopo);
    ugualiMomenti(s.fotografia(), intera.fotografia());
    EXPECT_EQ(s.eventi(), intera.eventi());
    // Forcing an input back there changes the course: what came after is dropped.
    s.vaiA(prima);
    s.forza(*indiceIngresso("Ottico_destro"), true);
    EXPECT_EQ(s.cicliRegistrati(), s.cicli());
    EXPECT_EQ(s.eventi().size(), eventiAllora);
}

TEST(Sessione, IlSeguiLineaRestaSullaPistaPerUnMinuto)
{
    const Arena pista = *arenaPredefinita("pista");
    Sessione s(assembla(esempio("segui_linea.kbn")), pista);
    double lontano = 0, xMin = 1e9, xMax = 0;
    for (uint64_t t = 0; t <= secondi(60); t += secondi(0.01)) {
        s.esegui(t);
        // The point between the two optical sensors, from the nearest stretch of line.
        const Punto naso = daRobot(s.robot().posizione, s.robot().direzione, 6, 0);
        double d = 1e9;
        for (const Linea& l : pista.linee)
            for (size_t i = 1; i < l.punti.size(); ++i)
                d = std::min(d, distanzaDalSegmento(naso, {l.punti[i - 1], l.punti[i]}));
        lontano = std::max(lontano, d);
        xMin = std::min(xMin, s.robot().posizione.x);
        xMax = std::max(xMax, s.robot().posizione.x);
    }
    EXPECT_LT(lontano, 3.0);
    EXPECT_EQ(s.robot().urti, 0);
    EXPECT_LT(xMin, 30);  // round both bends
    EXPECT_GT(xMax, 190);
}

// The maze's spiral ends on the finish line in the middle corridor; the lamp stands on the box at
// 150..160, 100..110, and the robot stops close to it. Asleep there, without a bump.
TEST(Sessione, IProgrammiDiEsempioPortanoIlRobotAllaMeta)
{
    const struct {
        const char *programma, *arena;
        Punto minimo, massimo;
    } casi[] = {{"labirinto.kbn", "labirinto", {100, 60}, {130, 120}}, {"lampada.kbn", "lampada", {125, 80}, {150, 110}}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.programma);
        Sessione s(assembla(esempio(c.programma)), arenaPredefinita(c.arena));
        s.esegui(secondi(60));
        EXPECT_TRUE(s.chip().addormentato());
        const Punto p = s.robot().posizione;
        EXPECT_TRUE(p.x > c.minimo.x && p.x < c.massimo.x && p.y > c.minimo.y && p.y < c.massimo.y) << p.x << ", " << p.y;
        EXPECT_EQ(s.robot().urti, 0);
    }
}

}  // namespace
}  // namespace kobaltino
