// The session: the real compiled program drives the robot; rows, inputs, going back in time, and
// the sample programs in their arenas.
#include "banco_sim.h"

#include <random>

namespace kobaltino {
namespace {

constexpr double Pi = std::numbers::pi;
// The library's waits reload TMR0 for 40 ticks of 256 us: 10240 us a pass.
constexpr double Passo = 40 * 256e-6;

TEST(Sessione, AvantiPerDueSecondiFaTrentaCentimetriInLineaRetta)
{
    Sessione s(assembla(programmaDi({{1, 1}, {1, 8, "2,0"}, {1, 7}})), std::nullopt);
    s.esegui(secondi(3));
    const std::vector<EventoPorte> e = s.eventi();
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].porta, 0b1001);
    EXPECT_EQ(e[1].porta, 0);
    const double acceso = static_cast<double>(e[1].ciclo - e[0].ciclo) / CicliPerSecondo;
    EXPECT_NEAR(acceso, 200 * Passo, 0.005);  // and a few cycles of loop each pass
    // The world moves in 1 ms steps: at most one step off.
    EXPECT_NEAR(s.robot().posizione.x, VelocitaRuotaCmS * acceso, VelocitaRuotaCmS * 0.001);
    EXPECT_EQ(s.robot().posizione.y, 0);
    EXPECT_EQ(s.robot().direzioneGradi(), 0);
}

TEST(Sessione, RuotaADxGiraInSensoOrarioDiUnQuartoDiGiro)
{
    Sessione s(assembla(programmaDi({{1, 6}, {1, 8, "0,5"}, {1, 7}})), std::nullopt);
    s.esegui(secondi(1));
    const double gradi = 50 * Passo * 2 * VelocitaRuotaCmS / CarreggiataCm * 180 / Pi;
    EXPECT_NEAR(s.robot().direzioneGradi(), 360 - gradi, 0.2);
    EXPECT_NEAR(s.robot().direzioneGradi(), 270, 1);
    EXPECT_NEAR(lunghezza(s.robot().posizione), 0, 1e-9);
}

// Avanti, a wait, the Luce_destra handler (Indietro), back to the start.
const std::vector<RigaProva> Giro = {
    {1, 1, "", "0"}, {1, 8, "0,5"}, {1, 10, "Luce_destra"}, {1, 9, "0"}, {2, 2},
};

TEST(Sessione, PassoDopoPassoLaRigaSegueIlProgramma)
{
    Sessione s(assembla(programmaDi(Giro)), std::nullopt);
    EXPECT_EQ(s.riga(), (Origine{0, -1}));  // the start-up code
    // Unconnected, the light input reads 1 through its pull-up: the handler runs.
    const std::vector<Origine> righe = {{1, 0}, {1, 1}, {1, 2}, {2, 0}, {1, 3}, {1, 0}, {1, 1}};
    for (const Origine& attesa : righe) {
        ASSERT_TRUE(s.passoRiga());
        EXPECT_EQ(s.riga(), attesa) << attesa.griglia << "," << attesa.riga;
    }
    // Inside the wait's library code the row is still the wait's.
    s.esegui(s.cicli() + 300'000);
    EXPECT_EQ(s.riga(), (Origine{1, 1}));

    // Forced off, the input no longer calls its handler.
    s.forza(*indiceIngresso("Luce_destra"), false);
    for (const Origine& attesa : std::vector<Origine>{{1, 2}, {1, 3}, {1, 0}}) {
        ASSERT_TRUE(s.passoRiga());
        EXPECT_EQ(s.riga(), attesa) << attesa.griglia << "," << attesa.riga;
    }
}

TEST(Sessione, SenzaMondoGliIngressiLeggonoIPiediniScollegati)
{
    struct Caso {
        bool braccio;
        Livelli attesi;  // Luce_destra .. Ottico_sinistro, Ultrasuono, Sensore_rotazione, Aux
    };
    const Caso casi[] = {
        {false, {1, 1, 1, 1, 1, 1, 1, 0, 1}},
        {true, {1, 1, 1, 1, 1, 1, 1, 0, 0}},  // the arm line is an output, low between pulses
    };
    for (const Caso& c : casi) {
        Stato stato = programmaDi({{1, 7}});
        stato.AuxAbilitata = !c.braccio;
        Sessione s(assembla(stato), std::nullopt);
        s.esegui(secondi(0.001));  // past the start-up, which turns the pull-ups on
        EXPECT_EQ(s.ingressi(), c.attesi) << c.braccio;
        s.forza(*indiceIngresso("Sensore_rotazione"), true);
        s.forza(*indiceIngresso("Ottico_destro"), false);
        Livelli forzati = c.attesi;
        forzati[*indiceIngresso("Sensore_rotazione")] = true;
        forzati[*indiceIngresso("Ottico_destro")] = false;
        EXPECT_EQ(s.ingressi(), forzati);
    }
}

// What must come back the same when the run returns to a moment.
void ugualiMomenti(const Fotografia& a, const Fotografia& b)
{
    EXPECT_EQ(a.cicli, b.cicli);
    EXPECT_EQ(a.chip.pc, b.chip.pc);
    EXPECT_EQ(a.chip.w, b.chip.w);
    EXPECT_EQ(a.chip.ram, b.chip.ram);
    EXPECT_EQ(a.chip.eeprom, b.chip.eeprom);
    EXPECT_EQ(a.robot, b.robot);
    EXPECT_EQ(a.riga, b.riga);
    EXPECT_EQ(a.ingressi, b.ingressi);
}

TEST(Sessione, TornaAUnMomentoPassatoERiprendeUguale)
{
    Sessione s(assembla(esempio("segui_linea.kbn")), arenaPredefinita("pista"));
    const uint64_t prima = secondi(1.2345), dopo = secondi(6);
    s.esegui(prima);
    const Fotografia allora = s.fotografia();
    const size_t eventiAllora = s.eventi().size();
    s.esegui(dopo);
    const Fotografia fine = s.fotografia();
    const auto eventiFine = s.eventi();

    s.vaiA(prima);
    ugualiMomenti(s.fotografia(), allora);
    EXPECT_EQ(s.eventi().size(), eventiAllora);
    EXPECT_EQ(s.cicliRegistrati(), fine.cicli);
    s.esegui(dopo);
    ugualiMomenti(s.fotografia(), fine);
    EXPECT_EQ(s.eventi(), eventiFine);

    // Forcing an input back there changes the course: what came after is dropped.
    s.vaiA(prima);
    s.forza(*indiceIngresso("Ottico_destro"), true);
    EXPECT_EQ(s.cicliRegistrati(), s.cicli());
    EXPECT_EQ(s.eventi().size(), eventiAllora);
}

TEST(Sessione, LoStessoRisultatoInQualunqueFetta)
{
    Sessione intera(assembla(esempio("lampada.kbn")), arenaPredefinita("lampada"));
    Sessione aFette(intera.programma(), arenaPredefinita("lampada"));
    const uint64_t fine = secondi(4);
    intera.esegui(fine);
    std::mt19937 caso(7);
    std::uniform_int_distribution<uint64_t> fetta(1, 5000);
    while (aFette.cicli() < intera.cicli())
        aFette.esegui(std::min(intera.cicli(), aFette.cicli() + fetta(caso)));
    ugualiMomenti(aFette.fotografia(), intera.fotografia());
    EXPECT_EQ(aFette.eventi(), intera.eventi());
}

double distanzaDallaLinea(const Arena& a, Punto p)
{
    double d = 1e9;
    for (const Linea& l : a.linee)
        for (size_t i = 1; i < l.punti.size(); ++i)
            d = std::min(d, distanzaDalSegmento(p, {l.punti[i - 1], l.punti[i]}));
    return d;
}

TEST(Sessione, IlSeguiLineaRestaSullaPistaPerUnMinuto)
{
    const Arena pista = *arenaPredefinita("pista");
    Sessione s(assembla(esempio("segui_linea.kbn")), pista);
    double lontano = 0, xMin = 1e9, xMax = 0;
    for (uint64_t t = 0; t <= secondi(60); t += secondi(0.01)) {
        s.esegui(t);
        // The point between the two optical sensors.
        const Punto naso = daRobot(s.robot().posizione, s.robot().direzione, 6, 0);
        lontano = std::max(lontano, distanzaDallaLinea(pista, naso));
        xMin = std::min(xMin, s.robot().posizione.x);
        xMax = std::max(xMax, s.robot().posizione.x);
    }
    EXPECT_LT(lontano, 3.0);
    EXPECT_EQ(s.robot().urti, 0);
    EXPECT_LT(xMin, 30);  // round both bends
    EXPECT_GT(xMax, 190);
}

struct Traguardo {
    const char* programma;
    const char* arena;
    Punto minimo, massimo;  // where the robot ends, asleep
};

void PrintTo(const Traguardo& t, std::ostream* os) { *os << t.programma; }

class Traguardi : public ::testing::TestWithParam<Traguardo> {};

TEST_P(Traguardi, IlProgrammaDiEsempioPortaIlRobotAllaMeta)
{
    const Traguardo& t = GetParam();
    Sessione s(assembla(esempio(t.programma)), arenaPredefinita(t.arena));
    s.esegui(secondi(60));
    EXPECT_TRUE(s.chip().addormentato());
    const Punto p = s.robot().posizione;
    EXPECT_TRUE(p.x > t.minimo.x && p.x < t.massimo.x && p.y > t.minimo.y && p.y < t.massimo.y)
        << p.x << ", " << p.y;
    EXPECT_EQ(s.robot().urti, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sessione, Traguardi,
    ::testing::Values(
        // The maze's spiral ends on the finish line in the middle corridor.
        Traguardo{"labirinto.kbn", "labirinto", {100, 60}, {130, 120}},
        // The lamp stands on the box at 150..160, 100..110: stopped close to it.
        Traguardo{"lampada.kbn", "lampada", {125, 80}, {150, 110}}),
    [](const auto& info) { return std::string(info.param.arena); });

}  // namespace
}  // namespace kobaltino
