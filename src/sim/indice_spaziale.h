#pragma once

// A uniform grid of square cells laid over the arena: each cell lists the segments whose bounding
// box reaches into it, so a question about a small neighbourhood, or along one ray, looks at the
// few segments near it instead of every segment of the arena. The answers are candidates: the
// caller still applies its own exact test to each, so the grid never changes a result, only how
// many segments are tried.
#include "sim/geometria.h"

#include <cstdint>
#include <vector>

namespace kobaltino {

class IndiceSegmenti {
public:
    IndiceSegmenti() = default;
    // `larghezza` x `altezza`: the area the segments lie in (anything outside lands in the border cells).
    IndiceSegmenti(const std::vector<Segmento>& segmenti, double larghezza, double altezza);

    // Calls `prova(i)` for each segment i that may come within `raggio` of `p`, until it returns
    // true; true when one did. A segment may be offered more than once.
    template <typename Prova>
    bool vicino(Punto p, double raggio, Prova&& prova) const
    {
        return nelRiquadro(p - Punto{raggio, raggio}, p + Punto{raggio, raggio}, prova);
    }

    // The same for the segments that may reach into the rectangle from `minimo` to `massimo`.
    template <typename Prova>
    bool nelRiquadro(Punto minimo, Punto massimo, Prova&& prova) const
    {
        const int x0 = colonna(minimo.x - Margine), x1 = colonna(massimo.x + Margine);
        const int y0 = riga(minimo.y - Margine), y1 = riga(massimo.y + Margine);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (inCella(x, y, prova))
                    return true;
        return false;
    }

    // The same for the segments that may cross the segment from `a` to `b`: only the cells along
    // it are visited, column by column.
    template <typename Prova>
    bool lungo(Punto a, Punto b, Prova&& prova) const
    {
        if (a.x > b.x)
            std::swap(a, b);
        const int x0 = colonna(a.x - Margine), x1 = colonna(b.x + Margine);
        const double pendenza = b.x - a.x > 1e-12 ? (b.y - a.y) / (b.x - a.x) : 0.0;
        for (int x = x0; x <= x1; ++x) {
            // The stretch of the segment over this column, widened by the margin; the end columns
            // also take whatever lies beyond the grid.
            const double da = x == x0 ? a.x : std::max(a.x, x * lato - Margine);
            const double fino = x == x1 ? b.x : std::min(b.x, (x + 1) * lato + Margine);
            const bool verticale = b.x - a.x <= 1e-12;
            const double ya = verticale ? a.y : a.y + (da - a.x) * pendenza;
            const double yb = verticale ? b.y : a.y + (fino - a.x) * pendenza;
            const int y0 = riga(std::min(ya, yb) - Margine), y1 = riga(std::max(ya, yb) + Margine);
            for (int y = y0; y <= y1; ++y)
                if (inCella(x, y, prova))
                    return true;
        }
        return false;
    }

    double latoCella() const { return lato; }

private:
    // Widens every question a little, so rounding at a cell's edge never loses a segment.
    static constexpr double Margine = 1e-3;

    int colonna(double x) const { return static_cast<int>(std::clamp(std::floor(x / lato), 0.0, colonne - 1.0)); }
    int riga(double y) const { return static_cast<int>(std::clamp(std::floor(y / lato), 0.0, righe - 1.0)); }

    template <typename Prova>
    bool inCella(int x, int y, Prova& prova) const
    {
        const size_t c = static_cast<size_t>(y * colonne + x);
        for (uint32_t k = inizio[c]; k < inizio[c + 1]; ++k)
            if (prova(elenco[k]))
                return true;
        return false;
    }

    double lato = 1;
    int colonne = 1, righe = 1;
    std::vector<uint32_t> inizio = {0, 0};  // cell c lists elenco[inizio[c] .. inizio[c + 1])
    std::vector<uint32_t> elenco;
};

}  // namespace kobaltino
