#include "codegen/ingressi.h"

namespace kobaltino {

namespace {

// Only the light-right operand of the conditional actions lacks the trailing blank.
const std::array<Ingresso, 9> Ingressi = {{
    {2, "Luce_destra", "Lucedestra", "Luce_destra"},
    {3, "Luce_sinistra", "Lucesinistra", "Luce_sinistra "},
    {4, "Prossimita_destra", "Prossimitadestra", "Prossimita_destra "},
    {5, "Prossimita_sinistra", "Prossimitasinistra", "Prossimita_sinistra "},
    {6, "Ottico_destro", "Otticodestro", "Ottico_destro "},
    {7, "Ottico_sinistro", "Otticosinistro", "Ottico_sinistro "},
    {8, "Ultrasuono", "Ultrasuonosensore", "Ultrasuono "},
    {9, "Sensore_rotazione", "Otticorotazione", "Sensore_rotazione "},
    {10, "Aux", "Ausiliare", "Aux "},
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
