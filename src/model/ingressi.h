#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace kobaltino {

// The nine inputs of the robot, one row each, in the order of their handler grids (k = 2..10).
// The dialogs' lists, the parameter checks and words, the generator's head and handler
// sections and the simulator's pins all read this one table.
struct Ingresso {
    int griglia;           // k of the handler grid
    const char* pin;       // the name instructions store; the head #defines it as the pin below
    char porta;            // the pin: port 'A' or 'B', and the bit
    int bit;
    const char* gestore;   // label of the handler section, called by "Se attivo/disattivo vai a"
    bool spazioFai;        // "Se attivo fai"/"Se disattivo fai" write the name with a blank after it
    int voceElenco;        // place in the dialogs' input lists, from 0
    int rigaDefinizione;   // place among the head's #defines, from 0
    int spaziDefinizione;  // blanks between the name and the pin in that #define
};

const std::array<Ingresso, 9>& ingressi();

// The input whose name is `pin`, nullptr for any other text.
const Ingresso* ingressoDelPin(const QString& pin);

// The input handled by grid k, nullptr when k is no handler grid.
const Ingresso* ingressoDellaGriglia(int k);

// The nine names in the order of the dialogs' lists.
QStringList nomiIngressiInElenco();

// The operand of "Se attivo fai" / "Se disattivo fai" for `i`, exactly as written.
QString operandoFai(const Ingresso& i);

}  // namespace kobaltino
