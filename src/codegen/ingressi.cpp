#include "codegen/ingressi.h"

namespace kobaltino {

namespace {

// Only the light-right operand of the conditional actions lacks the trailing blank.
const std::array<Ingresso, 9> Ingressi = {{
    {2, "Luce_destra", "Lucedestra", "Luce_destra", 'B', 4},
    {3, "Luce_sinistra", "Lucesinistra", "Luce_sinistra ", 'B', 5},
    {4, "Prossimita_destra", "Prossimitadestra", "Prossimita_destra ", 'B', 3},
    {5, "Prossimita_sinistra", "Prossimitasinistra", "Prossimita_sinistra ", 'B', 2},
    {6, "Ottico_destro", "Otticodestro", "Ottico_destro ", 'B', 0},
    {7, "Ottico_sinistro", "Otticosinistro", "Ottico_sinistro ", 'B', 1},
    {8, "Ultrasuono", "Ultrasuonosensore", "Ultrasuono ", 'B', 6},
    {9, "Sensore_rotazione", "Otticorotazione", "Sensore_rotazione ", 'A', 4},
    {10, "Aux", "Ausiliare", "Aux ", 'B', 7},
}};

}  // namespace

const std::array<Ingresso, 9>& ingressi() { return Ingressi; }

const Ingresso* ingressoDelPin(const QString& pin)
{
    for (const Ingresso& i : Ingressi)
        if (pin == QLatin1String(i.pin))
            return &i;
    return nullptr;
}

}  // namespace kobaltino
