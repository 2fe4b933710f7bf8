#pragma once

// What each input of the robot sees in its arena. Active means the level that makes
// "Se attivo vai a" jump: the pin reads 1.
#include "sim/arena.h"
#include "sim/ostacoli.h"
#include "sim/robot.h"

#include <array>

namespace kobaltino {

// Where a sensor sits on the robot and where it looks. Lengths in centimetres, angles in degrees
// (positive to the left of the robot's heading).
struct GeometriaSensore {
    double avanti, sinistra;  // position from the robot's centre
    double direzione;         // where it looks, from the heading
    double semiapertura;      // half the width of its cone
    double portata;           // how far it sees; 0 for the optical sensors, which look down
};

// The nine inputs, in the order of their handler grids: Luce_destra, Luce_sinistra,
// Prossimita_destra, Prossimita_sinistra, Ottico_destro, Ottico_sinistro, Ultrasuono,
// Sensore_rotazione, Aux.
inline constexpr int NumeroIngressi = 9;
using Livelli = std::array<bool, NumeroIngressi>;

// Geometry of the seven sensors that look at the world (not rotation nor Aux), same order.
const std::array<GeometriaSensore, 7>& geometriaSensori();

// The level each sensor gives: light sensors see a lamp inside their cone with nothing in
// between; proximity and ultrasound see a wall or box within reach; optical sensors see a black
// line under them; rotation pulses with the wheels' travel; Aux is a bumper, active while the
// robot is pressed against a wall or box. Boxes are lower than the lamps: only walls hide a lamp.
Livelli leggiSensori(const Arena& arena, const StatoRobot& robot, const Ostacoli& ostacoli);

}  // namespace kobaltino
