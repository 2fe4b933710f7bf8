#include "sim/ostacoli.h"

namespace kobaltino {

Ostacoli::Ostacoli(const Arena& arena) : tutti(arena.ostacoli()), pareti(arena.pareti())
{
    for (const Linea& l : arena.linee)
        for (size_t i = 1; i < l.punti.size(); ++i) {
            tratti.push_back({l.punti[i - 1], l.punti[i]});
            metaLarghezza.push_back(l.larghezza / 2);
            metaMassima = std::max(metaMassima, l.larghezza / 2);
        }
    grigliaTutti = IndiceSegmenti(tutti, arena.larghezza, arena.altezza);
    grigliaPareti = IndiceSegmenti(pareti, arena.larghezza, arena.altezza);
    grigliaTratti = IndiceSegmenti(tratti, arena.larghezza, arena.altezza);
}

bool Ostacoli::tocca(Punto centro, double raggio) const
{
    return grigliaTutti.vicino(centro, raggio, [&](uint32_t i) { return distanzaDalSegmento(centro, tutti[i]) < raggio; });
}

bool Ostacoli::suLinea(Punto p) const
{
    return grigliaTratti.vicino(p, metaMassima,
                                [&](uint32_t i) { return distanzaDalSegmento(p, tratti[i]) <= metaLarghezza[i]; });
}

}  // namespace kobaltino
