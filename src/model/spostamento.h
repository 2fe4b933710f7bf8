#pragma once

#include "model/griglia.h"

#include <utility>
#include <vector>

namespace kobaltino {

// Rows that only make sense together, and reordering a grid without losing a "Vai a".

// True for the rows that open a conditional: "Se", "Se attivo fai", "Se disattivo fai".
bool apreBlocco(int codice);

// The rows that stay together with row r, first and last: a "Se" from its row to its "FINE SE",
// a "Se attivo fai" or "Se disattivo fai" with its action row, any other row alone.
std::pair<int, int> bloccoDellaRiga(const Griglia& g, int r);

// The used rows among `righe`, widened to whole blocks, in ascending order without repeats.
std::vector<int> righeABlocchi(const Griglia& g, const std::vector<int>& righe);

// True when rows may go before row p (p = numIstruzioni(): at the end): never between a
// conditional and its action row, nor between an action row and its "FINE SE".
bool puntoDiInserimento(const Griglia& g, int p);

// The first point at or after p where rows may go.
int puntoValido(const Griglia& g, int p);

// The order that takes `righe` (ascending) out of a grid of n rows and puts them, in their
// order, before row p. Every other row keeps its order.
std::vector<int> ordineSpostamento(int n, const std::vector<int>& righe, int p);

// The order that leaves out `righe` (ascending).
std::vector<int> ordineSenza(int n, const std::vector<int>& righe);

// Reorders the used rows as `ordine` says (new row i is old row ordine[i]; rows not listed go)
// and keeps every "Vai a" on its instruction: its row number follows its target, whose label
// travels with it. A "Vai a" whose target goes is left without a target (empty parameter),
// which the compile reports.
void riordina(Griglia& g, const std::vector<int>& ordine);

// The "Vai a" rows outside `righe` that jump into `righe`: pairs (target row, "Vai a" row),
// ordered by target.
std::vector<std::pair<int, int>> saltiVerso(const Griglia& g, const std::vector<int>& righe);

}  // namespace kobaltino
