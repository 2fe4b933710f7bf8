#pragma once

// Editing an arena with the mouse, without the widgets: what lies under a point, dragging a
// thing or one of its corners, adding and deleting. Points are in centimetres of the arena.
#include "sim/arena.h"

#include <optional>

namespace kobaltino {

// The tools of the arena editor, in the order of the window's buttons.
enum class Strumento { Seleziona, Muro, Scatola, Lampada, Linea, ZonaObiettivo, Cancella };

// One thing of the arena that the mouse can take.
struct Presa {
    enum Tipo { Partenza, DirezionePartenza, Muro, Scatola, Lampada, Linea } tipo = Partenza;
    int indice = 0;    // which wall, box, lamp or line
    int vertice = -1;  // a wall's end (0, 1) or a line's point; -1 the whole thing
    bool operator==(const Presa&) const = default;
};

// How far from the robot's centre the handle that turns the start pose sits.
inline constexpr double ManigliaDirezioneCm = 14;

// What lies under `p`, within `tolleranza` cm: the start pose and its handle first, then corners,
// then lamps, boxes, walls and lines (the things drawn on top come first).
std::optional<Presa> trovaPresa(const Arena& arena, Punto p, double tolleranza);

// Moves what `presa` holds by `delta`; the handle of the start pose turns it to face `p` instead.
// Everything stays inside the floor.
void trascina(Arena& arena, const Presa& presa, Punto delta, Punto p);

// Deletes what `presa` holds (a line loses one point, or the whole line when too few would stay).
// The start pose cannot be deleted: false.
bool elimina(Arena& arena, const Presa& presa);

// A point on the floor rounded to whole centimetres.
Punto arrotonda(const Arena& arena, Punto p);

// A box from two opposite corners.
Scatola scatolaTra(Punto a, Punto b);

}  // namespace kobaltino
