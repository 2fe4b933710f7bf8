#pragma once

// The arena's segments, worked out once for a run, each set with a grid over it: what stops the
// robot and what the distance sensors see, what hides a lamp, and the black lines.
#include "sim/arena.h"
#include "sim/indice_spaziale.h"

#include <vector>

namespace kobaltino {

struct Ostacoli {
    explicit Ostacoli(const Arena& arena);

    // True when a wall or a box side comes closer than `raggio` to `centro`.
    bool tocca(Punto centro, double raggio) const;
    // True when `p` lies on a black line: Arena::suLinea through the grid.
    bool suLinea(Punto p) const;

    std::vector<Segmento> tutti;   // walls and boxes: they stop the robot and the distance sensors see them
    std::vector<Segmento> pareti;  // walls only: they hide a lamp
    IndiceSegmenti grigliaTutti, grigliaPareti;

private:
    std::vector<Segmento> tratti;  // every stretch of every black line
    std::vector<double> metaLarghezza;  // half the width of the line each stretch belongs to
    double metaMassima = 0;
    IndiceSegmenti grigliaTratti;
};

}  // namespace kobaltino
