#include "model/ingressi.h"

#include <algorithm>

namespace kobaltino {

namespace {

// The lists start with the left light; the head #defines the rotation sensor first. Only the
// right light's operand of the conditional actions lacks the trailing blank.
const std::array<Ingresso, 9> Ingressi = {{
    {2, "Luce_destra", 'B', 4, "Lucedestra", false, 1, 1, 2},
    {3, "Luce_sinistra", 'B', 5, "Lucesinistra", true, 0, 2, 4},
    {4, "Prossimita_destra", 'B', 3, "Prossimitadestra", true, 2, 3, 4},
    {5, "Prossimita_sinistra", 'B', 2, "Prossimitasinistra", true, 3, 4, 2},
    {6, "Ottico_destro", 'B', 0, "Otticodestro", true, 4, 5, 4},
    {7, "Ottico_sinistro", 'B', 1, "Otticosinistro", true, 5, 6, 2},
    {8, "Ultrasuono", 'B', 6, "Ultrasuonosensore", true, 6, 7, 4},
    {9, "Sensore_rotazione", 'A', 4, "Otticorotazione", true, 7, 0, 2},
    {10, "Aux", 'B', 7, "Ausiliare", true, 8, 8, 4},
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

const Ingresso* ingressoDellaGriglia(int k)
{
    for (const Ingresso& i : Ingressi)
        if (i.griglia == k)
            return &i;
    return nullptr;
}

QStringList nomiIngressiInElenco()
{
    QStringList nomi(static_cast<qsizetype>(Ingressi.size()));
    for (const Ingresso& i : Ingressi)
        nomi[i.voceElenco] = QString::fromLatin1(i.pin);
    return nomi;
}

QString operandoFai(const Ingresso& i)
{
    return QString::fromLatin1(i.pin) + (i.spazioFai ? QStringLiteral(" ") : QString());
}

}  // namespace kobaltino
