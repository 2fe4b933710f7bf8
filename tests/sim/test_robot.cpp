// The robot: how it moves, bumps, the arm and the rotation sensor.
#include "sim/robot.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

constexpr double Pi = std::numbers::pi;

// From (0, 0) facing along x, in one-millisecond steps as the session moves it.
TEST(Robot, ArrivaDoveDiconoVelocitaECarreggiata)
{
    const double giro = 0.512 * 30 / CarreggiataCm * 180 / Pi;  // spinning for 0,512 s, in degrees
    const double perno = VelocitaRuotaCmS / CarreggiataCm;      // one wheel alone for a second, radians
    const struct {
        const char* nome;
        MotoRuote moto;
        double secondi;
        Punto arrivo;
        double direzioneGradi;
    } casi[] = {
        {"avanti", {1, 1}, 2.0, {30, 0}, 0},
        {"ruotaDx", {1, -1}, 0.512, {0, 0}, 360 - giro},  // clockwise for "Ruota a DX"
        // Pivoting on the still right wheel, which stands half the track to the right.
        {"destra", {1, 0}, 1.0, {CarreggiataCm / 2 * std::sin(perno), CarreggiataCm / 2 * (std::cos(perno) - 1)},
         360 - perno * 180 / Pi},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoRobot r = robotInPartenza({0, 0}, 0);
        for (int i = 0; i < std::lround(c.secondi * 1000); ++i)
            muovi(r, c.moto, 0.001, {});
        EXPECT_NEAR(r.posizione.x, c.arrivo.x, 1e-6);
        EXPECT_NEAR(r.posizione.y, c.arrivo.y, 1e-6);
        EXPECT_NEAR(r.direzioneGradi(), c.direzioneGradi, 1e-6);
        EXPECT_EQ(r.urti, 0);
    }
}

TEST(Robot, SiFermaAlMuroEContaOgniUrto)
{
    const std::vector<Segmento> muro = {{{20, -50}, {20, 50}}};
    StatoRobot r = robotInPartenza({0, 0}, 0);
    auto muoviPer = [&](MotoRuote moto, int millisecondi) {
        for (int i = 0; i < millisecondi; ++i)
            muovi(r, moto, 0.001, muro);
    };
    muoviPer({1, 1}, 3000);  // 3 s would take it 45 cm
    EXPECT_EQ(r.urti, 1);
    EXPECT_TRUE(r.inContatto);
    EXPECT_LE(r.posizione.x, 20 - RaggioRobotCm);
    EXPECT_GT(r.posizione.x, 20 - RaggioRobotCm - 0.02);
    muoviPer({-1, -1}, 500);
    EXPECT_FALSE(r.inContatto);
    muoviPer({1, 1}, 1000);
    EXPECT_EQ(r.urti, 2);
}

// Each pulse on the arm line opens or closes the arm; the rotation sensor gives one pulse a
// centimetre of wheel travel, forwards or spinning.
TEST(Robot, BraccioESensoreDiRotazione)
{
    StatoRobot r = robotInPartenza({0, 0}, 0);
    const std::pair<bool, bool> linea_aperto[] = {{false, false}, {true, true}, {true, true},
                                                  {false, true},  {true, false}, {false, false}};
    for (const auto& [linea, aperto] : linea_aperto) {
        pilotaBraccio(r, linea);
        EXPECT_EQ(r.braccioAperto, aperto);
    }
    EXPECT_FALSE(rotazioneAttiva(r));
    int impulsi = 0;
    for (int i = 0; i < 2000; ++i) {  // 30 cm forwards, then spinning the same wheel travel
        const bool prima = rotazioneAttiva(r);
        muovi(r, i < 1000 ? MotoRuote{1, 1} : MotoRuote{1, -1}, 0.002, {});
        impulsi += rotazioneAttiva(r) && !prima;
    }
    EXPECT_EQ(impulsi, 60);
}

}  // namespace
}  // namespace kobaltino
