#include "sim/indice_spaziale.h"

namespace kobaltino {

namespace {

// Cells of 10 cm, a box's size; a gym-sized arena gets coarser cells, at most 256 a side.
constexpr double LatoMinimo = 10;
constexpr int CelleMassimePerLato = 256;

}  // namespace

IndiceSegmenti::IndiceSegmenti(const std::vector<Segmento>& segmenti, double larghezza, double altezza)
    : lato(std::max({LatoMinimo, larghezza / CelleMassimePerLato, altezza / CelleMassimePerLato})),
      colonne(std::max(1, static_cast<int>(std::ceil(larghezza / lato)))),
      righe(std::max(1, static_cast<int>(std::ceil(altezza / lato))))
{
    // Two passes over the bounding boxes: count per cell, then fill.
    const size_t celle = static_cast<size_t>(colonne) * static_cast<size_t>(righe);
    inizio.assign(celle + 1, 0);
    auto perOgniCella = [this](const Segmento& s, auto&& fai) {
        const int x0 = colonna(std::min(s.a.x, s.b.x)), x1 = colonna(std::max(s.a.x, s.b.x));
        const int y0 = riga(std::min(s.a.y, s.b.y)), y1 = riga(std::max(s.a.y, s.b.y));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                fai(static_cast<size_t>(y * colonne + x));
    };
    for (const Segmento& s : segmenti)
        perOgniCella(s, [this](size_t c) { ++inizio[c + 1]; });
    for (size_t c = 0; c < celle; ++c)
        inizio[c + 1] += inizio[c];
    elenco.resize(inizio[celle]);
    std::vector<uint32_t> riempite(inizio.begin(), inizio.end() - 1);
    for (uint32_t i = 0; i < segmenti.size(); ++i)
        perOgniCella(segmenti[i], [&](size_t c) { elenco[riempite[c]++] = i; });
}

}  // namespace kobaltino
