#include "sim/sensori.h"

#include <cmath>
#include <optional>

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

// The robot's heading and its left, worked out once for all the sensors.
struct Assi {
    explicit Assi(const StatoRobot& r) : avanti(versore(r.direzione)), sinistra(versore(r.direzione + std::numbers::pi / 2)) {}
    Punto avanti, sinistra;
};

// As daRobot() places it.
Punto posizioneSensore(const StatoRobot& r, const Assi& assi, const GeometriaSensore& g)
{
    return r.posizione + assi.avanti * g.avanti + assi.sinistra * g.sinistra;
}

// Where the rays of a cone can reach: the sector from `origine` around `asse`, between its two
// edges, out to `portata`. Only to leave out, a little generously, the segments no ray can meet:
// the rays themselves decide.
struct Settore {
    Settore(Punto da, double direzione, const GeometriaSensore& g)
        : origine(da), asse(versore(direzione)), portata(g.portata)
    {
        const double c = std::cos(g.semiapertura * Gradi), s = std::sin(g.semiapertura * Gradi);
        sinistro = {asse.x * c - asse.y * s, asse.x * s + asse.y * c};
        destro = {asse.x * c + asse.y * s, -asse.x * s + asse.y * c};
        // The arc bulges past its ends by at most portata * (1 - cos).
        const double gobba = portata * (1 - c) + Tolleranza;
        minimo = massimo = origine;
        for (const Punto estremo : {sinistro, destro, asse}) {
            const Punto q = origine + estremo * portata;
            minimo = {std::min(minimo.x, q.x), std::min(minimo.y, q.y)};
            massimo = {std::max(massimo.x, q.x), std::max(massimo.y, q.y)};
        }
        minimo = minimo - Punto{gobba, gobba};
        massimo = massimo + Punto{gobba, gobba};
    }

    // True when the segment lies wholly behind the sensor, beyond its reach or past one edge.
    bool esclude(const Segmento& s) const
    {
        const Punto a = s.a - origine, b = s.b - origine;
        const double pa = prodottoScalare(a, asse), pb = prodottoScalare(b, asse);
        return (pa < -Tolleranza && pb < -Tolleranza) || (pa > portata + Tolleranza && pb > portata + Tolleranza)
               || (prodottoVettoriale(sinistro, a) > Tolleranza && prodottoVettoriale(sinistro, b) > Tolleranza)
               || (prodottoVettoriale(destro, a) < -Tolleranza && prodottoVettoriale(destro, b) < -Tolleranza);
    }

    static constexpr double Tolleranza = 1e-6;  // cm: far above the rounding of the edges' directions
    Punto origine, asse, sinistro, destro, minimo, massimo;
    double portata;
};

// True when a wall or box is within reach of the sensor, on any of the rays that sweep its cone.
bool vedeOstacolo(const StatoRobot& r, const Assi& assi, const GeometriaSensore& g, const Ostacoli& ostacoli)
{
    const Punto origine = posizioneSensore(r, assi, g);
    const Settore settore(origine, r.direzione + g.direzione * Gradi, g);
    // The rays' directions, worked out when the first segment comes within reach.
    std::optional<std::array<Punto, RaggiPerCono>> raggi;
    return ostacoli.grigliaTutti.nelRiquadro(settore.minimo, settore.massimo, [&](uint32_t k) {
        const Segmento& s = ostacoli.tutti[k];
        if (settore.esclude(s) || distanzaDalSegmento(origine, s) > g.portata)
            return false;
        if (!raggi) {
            raggi.emplace();
            for (int i = 0; i < RaggiPerCono; ++i) {
                const double scarto = g.semiapertura * (2.0 * i / (RaggiPerCono - 1) - 1.0);
                (*raggi)[static_cast<size_t>(i)] = versore(r.direzione + (g.direzione + scarto) * Gradi);
            }
        }
        for (const Punto& d : *raggi)
            if (const auto t = raggioSulSegmento(origine, d, s); t && *t <= g.portata)
                return true;
        return false;
    });
}

bool vedeLampada(const StatoRobot& r, const Assi& assi, const GeometriaSensore& g, const Arena& arena,
                 const Ostacoli& ostacoli)
{
    const Punto origine = posizioneSensore(r, assi, g);
    for (const Lampada& l : arena.lampade) {
        const Punto verso = l.posizione - origine;
        const double distanza = lunghezza(verso);
        if (distanza > g.portata)
            continue;
        const double angolo = std::remainder(std::atan2(verso.y, verso.x) - r.direzione - g.direzione * Gradi,
                                             2 * std::numbers::pi);
        if (std::abs(angolo) > g.semiapertura * Gradi)
            continue;
        const Punto d = verso * (1.0 / std::max(distanza, 1e-9));
        const bool nascosta = ostacoli.grigliaPareti.lungo(origine, l.posizione, [&](uint32_t k) {
            const auto t = raggioSulSegmento(origine, d, ostacoli.pareti[k]);
            return t && *t < distanza;
        });
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
    const Assi assi(robot);
    for (int i : {LuceDestra, LuceSinistra})
        l[i] = vedeLampada(robot, assi, Geometria[i], arena, ostacoli);
    for (int i : {ProssimitaDestra, ProssimitaSinistra, Ultrasuono})
        l[i] = vedeOstacolo(robot, assi, Geometria[i], ostacoli);
    for (int i : {OtticoDestro, OtticoSinistro})
        l[i] = ostacoli.suLinea(posizioneSensore(robot, assi, Geometria[i]));
    l[Rotazione] = rotazioneAttiva(robot);
    l[Aux] = robot.inContatto;
    return l;
}

}  // namespace kobaltino
