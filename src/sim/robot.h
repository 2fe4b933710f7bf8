#pragma once

// The robot: a small round body on two wheels driven by the motor bits of PORTA, a rotation
// sensor that pulses as the wheels turn, and an arm that a pulse on the Aux line opens or closes.
#include "sim/geometria.h"

#include <cstdint>
#include <vector>

namespace kobaltino {

struct Ostacoli;

inline constexpr double VelocitaRuotaCmS = 15.0;  // a wheel at full speed
// Distance between the wheels: spinning on the spot for the 0,5 s wait turns a quarter turn.
inline constexpr double CarreggiataCm = 9.8;
inline constexpr double RaggioRobotCm = 8.0;      // the body, seen from above, is a circle
// The rotation sensor sees a slot of its disc every centimetre the wheels travel; it reads
// active for the second half of each centimetre, so a robot that has not moved reads inactive.
inline constexpr double PassoRotazioneCm = 1.0;

// How one wheel turns: -1 backwards, 0 still, +1 forwards.
struct MotoRuote {
    int sinistra = 0, destra = 0;
    bool operator==(const MotoRuote&) const = default;
};

// What the motor bits of PORTA (bits 0..3) make the wheels do.
MotoRuote motoRuote(uint8_t porta);

struct StatoRobot {
    Punto posizione;
    double direzione = 0;  // radians, counter-clockwise from the x axis
    int urti = 0;          // times the robot ran into a wall or a box
    bool inContatto = false;  // the last move was stopped by an obstacle
    bool braccioAperto = false;
    bool lineaBraccio = false;  // the Aux line level last seen, to catch the pulse
    double percorsoRotazione = 0;  // centimetres the wheels have travelled, as the rotation sensor counts

    double direzioneGradi() const;
    bool operator==(const StatoRobot&) const = default;
};

StatoRobot robotInPartenza(Punto posizione, double direzioneGradi);

// Moves the robot for `secondi` with the wheels as `moto` says. A move that would take the body
// into one of `ostacoli` does not happen: the robot stays, and the first stopped move of a
// contact counts as a bump.
void muovi(StatoRobot& robot, MotoRuote moto, double secondi, const std::vector<Segmento>& ostacoli);
// The same among an arena's walls and boxes, looked up through its grid.
void muoviTraOstacoli(StatoRobot& robot, MotoRuote moto, double secondi, const Ostacoli& ostacoli);

// The arm line as the chip drives it: each pulse (a rise of the line) opens or closes the arm.
void pilotaBraccio(StatoRobot& robot, bool linea);

// The rotation sensor's level at the robot's travel so far.
bool rotazioneAttiva(const StatoRobot& robot);

}  // namespace kobaltino
