#pragma once

#include <QString>

#include <array>

namespace kobaltino {

// The nine inputs of the robot, in the order of their handler grids (k = 2..10).
struct Ingresso {
    int griglia;          // k of the handler grid
    const char* pin;      // name tested by the skip instructions, #defined in the head
    const char* gestore;  // label of the handler section, called by "Se attivo/disattivo vai a"
    const char* operandoFai;  // operand of "Se attivo fai" / "Se disattivo fai", exactly as written
    char porta;               // the pin the head #defines for it: 'A' or 'B' and the bit
    int bit;
};

const std::array<Ingresso, 9>& ingressi();

// The input whose pin name is `pin`, nullptr for any other text.
const Ingresso* ingressoDelPin(const QString& pin);

}  // namespace kobaltino
