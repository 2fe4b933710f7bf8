#include "sim/robot.h"

#include "sim/ostacoli.h"

#include <array>
#include <cmath>

namespace kobaltino {

namespace {

// The motor bits of PORTA and the wheel each one drives, as the library's motor routines use
// them: AVANTI 1001 drives both wheels forwards, DESTRA 0001 only the left one (the robot turns
// right), SINISTRA 1000 only the right one, INDIETRO 0110 both backwards.
struct BitMotore {
    int bit;
    int MotoRuote::*ruota;
    int verso;
};

const std::array<BitMotore, 4> BitMotori = {{
    {0, &MotoRuote::sinistra, +1},
    {1, &MotoRuote::sinistra, -1},
    {2, &MotoRuote::destra, -1},
    {3, &MotoRuote::destra, +1},
}};

// `tocca(centro)`: the body centred there would touch an obstacle.
template <typename Tocca>
void muoviTra(StatoRobot& robot, MotoRuote moto, double secondi, Tocca&& tocca)
{
    const double sinistra = moto.sinistra * VelocitaRuotaCmS * secondi;
    const double destra = moto.destra * VelocitaRuotaCmS * secondi;
    if (sinistra == 0 && destra == 0)
        return;
    const double avanza = (sinistra + destra) / 2;
    const double gira = (destra - sinistra) / CarreggiataCm;
    // Along the arc the two wheels draw: exact for any step.
    Punto spostamento;
    if (std::abs(gira) < 1e-12) {
        spostamento = versore(robot.direzione) * avanza;
    } else {
        const double raggio = avanza / gira;
        spostamento = {raggio * (std::sin(robot.direzione + gira) - std::sin(robot.direzione)),
                       -raggio * (std::cos(robot.direzione + gira) - std::cos(robot.direzione))};
    }
    const Punto arrivo = robot.posizione + spostamento;
    // Turning on the spot never moves the round body; any other move may meet an obstacle.
    const bool bloccato = avanza != 0 && tocca(arrivo);
    if (bloccato) {
        if (!robot.inContatto)
            ++robot.urti;
        robot.inContatto = true;
        return;
    }
    robot.inContatto = false;
    robot.posizione = arrivo;
    robot.direzione = std::remainder(robot.direzione + gira, 2 * std::numbers::pi);
    robot.percorsoRotazione += (std::abs(sinistra) + std::abs(destra)) / 2;
}

}  // namespace

MotoRuote motoRuote(uint8_t porta)
{
    // Both bits of one motor set brake it, as the H bridge does.
    MotoRuote m;
    for (const BitMotore& b : BitMotori)
        if (porta & (1u << b.bit))
            m.*b.ruota += b.verso;
    return m;
}

double StatoRobot::direzioneGradi() const { return gradiNormali(direzione * 180.0 / std::numbers::pi); }

StatoRobot robotInPartenza(Punto posizione, double direzioneGradi)
{
    StatoRobot r;
    r.posizione = posizione;
    r.direzione = direzioneGradi * std::numbers::pi / 180.0;
    return r;
}

void muovi(StatoRobot& robot, MotoRuote moto, double secondi, const std::vector<Segmento>& ostacoli)
{
    muoviTra(robot, moto, secondi, [&](Punto centro) {
        for (const Segmento& s : ostacoli)
            if (distanzaDalSegmento(centro, s) < RaggioRobotCm)
                return true;
        return false;
    });
}

void muoviTraOstacoli(StatoRobot& robot, MotoRuote moto, double secondi, const Ostacoli& ostacoli)
{
    muoviTra(robot, moto, secondi, [&](Punto centro) { return ostacoli.tocca(centro, RaggioRobotCm); });
}

void pilotaBraccio(StatoRobot& robot, bool linea)
{
    if (linea && !robot.lineaBraccio)
        robot.braccioAperto = !robot.braccioAperto;
    robot.lineaBraccio = linea;
}

bool rotazioneAttiva(const StatoRobot& robot)
{
    return std::fmod(robot.percorsoRotazione, PassoRotazioneCm) >= PassoRotazioneCm / 2;
}

}  // namespace kobaltino
