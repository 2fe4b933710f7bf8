// The robot: which wheel each motor bit drives, how the robot moves, bumps, the arm and the
// rotation sensor.
#include "codegen/parti_fisse.h"
#include "codegen/sorgente.h"
#include "sim/robot.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

namespace kobaltino {
namespace {

constexpr double Pi = std::numbers::pi;

// The motor routines of the library, by name: the value each writes to PORTA.
std::map<QString, uint8_t> routineMotori()
{
    Sorgente s;
    scriviLibreria(s);
    std::map<QString, uint8_t> valori;
    static const QRegularExpression movlw(QStringLiteral("^ +movlw b'([01]{8})'$"));
    for (size_t i = 0; i + 1 < s.righe().size(); ++i) {
        const QString& t = s.righe()[i].testo;
        const auto m = movlw.match(s.righe()[i + 1].testo);
        if (t.endsWith(QLatin1Char(':')) && m.hasMatch())
            valori[t.chopped(1)] = static_cast<uint8_t>(m.captured(1).toInt(nullptr, 2));
    }
    return valori;
}

TEST(Robot, OgniRoutineDeiMotoriMuoveLeRuoteComeDiceIlSuoNome)
{
    const std::map<QString, MotoRuote> attesi = {
        {"AVANTI", {1, 1}},           {"INDIETRO", {-1, -1}},         {"SINISTRA", {0, 1}}, {"DESTRA", {1, 0}},
        {"RAGIRA_SINISTRA", {-1, 1}}, {"RAGIRA_DESTRA", {1, -1}}, {"FERMO", {0, 0}},
    };
    const auto routine = routineMotori();
    ASSERT_EQ(routine.size(), attesi.size());
    for (const auto& [nome, moto] : attesi) {
        ASSERT_TRUE(routine.count(nome)) << nome.toStdString();
        EXPECT_EQ(motoRuote(routine.at(nome)), moto) << nome.toStdString();
    }
    EXPECT_EQ(motoRuote(0b0011), (MotoRuote{0, 0}));  // both bits of a motor: braked
}

struct Movimento {
    const char* nome;
    MotoRuote moto;
    double secondi;
    Punto arrivo;         // from (0, 0) facing along x
    double direzioneGradi;
};


void PrintTo(const Movimento& m, std::ostream* os) { *os << m.nome; }

// The turn of one wheel alone in a second, in radians.
const double Angolo1s = VelocitaRuotaCmS / CarreggiataCm;

class Movimenti : public ::testing::TestWithParam<Movimento> {};

TEST_P(Movimenti, ArrivaDoveDiconoVelocitaECarreggiata)
{
    const Movimento& m = GetParam();
    StatoRobot r = robotInPartenza({0, 0}, 0);
    // In one-millisecond steps, as the session moves it.
    const int passi = static_cast<int>(std::lround(m.secondi * 1000));
    for (int i = 0; i < passi; ++i)
        muovi(r, m.moto, 0.001, {});
    EXPECT_NEAR(r.posizione.x, m.arrivo.x, 1e-6);
    EXPECT_NEAR(r.posizione.y, m.arrivo.y, 1e-6);
    EXPECT_NEAR(r.direzioneGradi(), m.direzioneGradi, 1e-6);
    EXPECT_EQ(r.urti, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Robot, Movimenti,
    ::testing::Values(Movimento{"avanti2s", {1, 1}, 2.0, {30, 0}, 0},
                      Movimento{"indietro1s", {-1, -1}, 1.0, {-15, 0}, 0},
                      // Spinning on the spot: clockwise for "Ruota a DX".
                      Movimento{"ruotaDx", {1, -1}, 0.512, {0, 0}, 360 - 0.512 * 30 / CarreggiataCm * 180 / Pi},
                      Movimento{"ruotaSx", {-1, 1}, 0.512, {0, 0}, 0.512 * 30 / CarreggiataCm * 180 / Pi},
                      // Pivoting on the still right wheel, which stands half the track to the right.
                      Movimento{"destraPernoSullaRuotaDestra", {1, 0}, 1.0,
                                {CarreggiataCm / 2 * std::sin(Angolo1s), CarreggiataCm / 2 * (std::cos(Angolo1s) - 1)},
                                360 - Angolo1s * 180 / Pi}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Robot, UnMezzoSecondoDiRotazioneEUnQuartoDiGiro)
{
    // The 0,5 s wait lasts 50 passes of 10240 us.
    EXPECT_NEAR(0.512 * 2 * VelocitaRuotaCmS / CarreggiataCm * 180 / Pi, 90.0, 0.5);
}

TEST(Robot, SiFermaAlMuroEContaOgniUrto)
{
    const std::vector<Segmento> muro = {{{20, -50}, {20, 50}}};
    StatoRobot r = robotInPartenza({0, 0}, 0);
    for (int i = 0; i < 3000; ++i)  // 3 s would take it 45 cm
        muovi(r, {1, 1}, 0.001, muro);
    EXPECT_EQ(r.urti, 1);
    EXPECT_TRUE(r.inContatto);
    EXPECT_LE(r.posizione.x, 20 - RaggioRobotCm);
    EXPECT_GT(r.posizione.x, 20 - RaggioRobotCm - 0.02);
    for (int i = 0; i < 500; ++i)
        muovi(r, {-1, -1}, 0.001, muro);
    EXPECT_FALSE(r.inContatto);
    for (int i = 0; i < 1000; ++i)
        muovi(r, {1, 1}, 0.001, muro);
    EXPECT_EQ(r.urti, 2);
}

TEST(Robot, OgniImpulsoDelBraccioLoApreOLoChiude)
{
    StatoRobot r;
    const std::vector<std::pair<bool, bool>> linea_aperto = {
        {false, false}, {true, true}, {true, true}, {false, true}, {true, false}, {false, false}};
    for (const auto& [linea, aperto] : linea_aperto) {
        pilotaBraccio(r, linea);
        EXPECT_EQ(r.braccioAperto, aperto);
    }
}

TEST(Robot, IlSensoreDiRotazioneDaUnImpulsoPerCentimetro)
{
    StatoRobot r = robotInPartenza({0, 0}, 0);
    EXPECT_FALSE(rotazioneAttiva(r));
    int impulsi = 0;
    bool prima = false;
    for (int i = 0; i < 2000; ++i) {  // 30 cm forwards, then spinning the same wheel travel
        muovi(r, i < 1000 ? MotoRuote{1, 1} : MotoRuote{1, -1}, 0.002, {});
        impulsi += rotazioneAttiva(r) && !prima;
        prima = rotazioneAttiva(r);
    }
    EXPECT_EQ(impulsi, 60);
}

}  // namespace
}  // namespace kobaltino
