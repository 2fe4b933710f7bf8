#include "sim/sensori.h"

#include <cmath>

namespace kobaltino {

namespace {

enum Indice { LuceDestra, LuceSinistra, ProssimitaDestra, ProssimitaSinistra, OtticoDestro, OtticoSinistro,
              Ultrasuono, Rotazione, Aux };

const std::array<GeometriaSensore, 7> Geometria = {{
    {6, -3, -20, 30, 400},   // light: a lamp anywhere in the room, inside the cone
    {6, 3, 20, 30, 400},
    {7, -4, -15, 20, 12},    // proximity: a hand's width
    {7, 4, 15, 20, 12},
    {6, -2, 0, 0, 0},        // optical: the floor under the front, either side of a 2 cm line
    {6, 2, 0, 0, 0},
    {7, 0, 0, 15, 30},       // ultrasound: further, straight ahead
}};

constexpr double Gradi = std::numbers::pi / 180.0;
constexpr int RaggiPerCono = 7;

Punto posizioneSensore(const StatoRobot& r, const GeometriaSensore& g)
{
    return daRobot(r.posizione, r.direzione, g.avanti, g.sinistra);
}

// True when a wall or box is within reach of the sensor, on any of the rays that sweep its cone.
bool vedeOstacolo(const StatoRobot& r, const GeometriaSensore& g, const std::vector<Segmento>& ostacoli)
{
    const Punto origine = posizioneSensore(r, g);
    for (const Segmento& s : ostacoli) {
        if (distanzaDalSegmento(origine, s) > g.portata)
            continue;
        for (int i = 0; i < RaggiPerCono; ++i) {
            const double scarto = g.semiapertura * (2.0 * i / (RaggiPerCono - 1) - 1.0);
            const Punto d = versore(r.direzione + (g.direzione + scarto) * Gradi);
            if (const auto t = raggioSulSegmento(origine, d, s); t && *t <= g.portata)
                return true;
        }
    }
    return false;
}

bool vedeLampada(const StatoRobot& r, const GeometriaSensore& g, const Arena& arena,
                 const std::vector<Segmento>& pareti)
{
    const Punto origine = posizioneSensore(r, g);
    for (const Lampada& l : arena.lampade) {
        const Punto verso = l.posizione - origine;
        const double distanza = lunghezza(verso);
        if (distanza > g.portata)
            continue;
        const double angolo = std::remainder(std::atan2(verso.y, verso.x) - r.direzione - g.direzione * Gradi,
                                             2 * std::numbers::pi);
        if (std::abs(angolo) > g.semiapertura * Gradi)
            continue;
        bool nascosta = false;
        const Punto d = verso * (1.0 / std::max(distanza, 1e-9));
        for (const Segmento& s : pareti)
            if (const auto t = raggioSulSegmento(origine, d, s); t && *t < distanza)
                nascosta = true;
        if (!nascosta)
            return true;
    }
    return false;
}

}  // namespace

const std::array<GeometriaSensore, 7>& geometriaSensori() { return Geometria; }

Livelli leggiSensori(const Arena& arena, const StatoRobot& robot, const Ostacoli& ostacoli)
{
    Livelli l{};
    for (int i : {LuceDestra, LuceSinistra})
        l[i] = vedeLampada(robot, Geometria[i], arena, ostacoli.pareti);
    for (int i : {ProssimitaDestra, ProssimitaSinistra, Ultrasuono})
        l[i] = vedeOstacolo(robot, Geometria[i], ostacoli.tutti);
    for (int i : {OtticoDestro, OtticoSinistro})
        l[i] = arena.suLinea(posizioneSensore(robot, Geometria[i]));
    l[Rotazione] = rotazioneAttiva(robot);
    l[Aux] = robot.inContatto;
    return l;
}

}  // namespace kobaltino
