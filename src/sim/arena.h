#pragma once

// The robot's world: a rectangular floor closed by walls, with inner walls, boxes, lamps and
// black lines, kept in a small JSON file. Lengths in centimetres, directions in degrees
// counter-clockwise from the x axis, y upwards.
#include "sim/geometria.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kobaltino {

struct Scatola {
    double x = 0, y = 0;  // lower left corner
    double larghezza = 0, altezza = 0;
    bool operator==(const Scatola&) const = default;
};

struct Lampada {
    Punto posizione;
    bool operator==(const Lampada&) const = default;
};

// A black line on the floor: a polyline drawn with the given width.
struct Linea {
    double larghezza = 2;
    std::vector<Punto> punti;
    bool operator==(const Linea&) const = default;
};

struct Posa {
    Punto posizione;
    double direzioneGradi = 0;
    bool operator==(const Posa&) const = default;
};

struct Arena {
    QString nome;
    double larghezza = 200, altezza = 150;
    Posa partenza{{30, 30}, 0};
    std::vector<Segmento> muri;  // inner walls; the border is always closed
    std::vector<Scatola> scatole;
    std::vector<Lampada> lampade;
    std::vector<Linea> linee;

    bool operator==(const Arena&) const = default;

    // The inner walls and the four border walls.
    std::vector<Segmento> pareti() const;
    // The walls and the sides of every box: what stops the robot and what the distance sensors see.
    std::vector<Segmento> ostacoli() const;
    // True when `p` lies on a black line.
    bool suLinea(Punto p) const;
};

// Reads an arena file. On failure returns nullopt and an Italian message naming what is wrong.
std::optional<Arena> leggiArena(const QByteArray& json, QString* errore);
// The file text of `arena`, which leggiArena() reads back unchanged.
QByteArray scriviArena(const Arena& arena);

// The built-in arenas, by the names the command line and the window offer.
QStringList nomiArenePredefinite();  // "vuota", "pista", "labirinto", "lampada"
std::optional<Arena> arenaPredefinita(const QString& nome);

// `nome` is "nessuna" (no world: *senzaMondo set, nullopt returned), a built-in arena or a file.
// An unknown name, a missing file or a bad file give nullopt and the message in *errore.
std::optional<Arena> caricaArena(const QString& nome, bool* senzaMondo, QString* errore);

inline const QString NessunaArena = QStringLiteral("nessuna");

}  // namespace kobaltino
