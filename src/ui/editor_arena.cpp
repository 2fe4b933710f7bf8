#include "ui/editor_arena.h"

#include <cmath>

namespace kobaltino {

namespace {

constexpr double RaggioLampadaCm = 4;

bool vicino(Punto a, Punto b, double tolleranza) { return lunghezza(a - b) <= tolleranza; }

bool dentroScatola(const Scatola& s, Punto p, double tolleranza)
{
    return p.x >= s.x - tolleranza && p.x <= s.x + s.larghezza + tolleranza && p.y >= s.y - tolleranza
           && p.y <= s.y + s.altezza + tolleranza;
}

Punto dentro(const Arena& a, Punto p)
{
    return {std::clamp(p.x, 0.0, a.larghezza), std::clamp(p.y, 0.0, a.altezza)};
}

Punto maniglia(const Posa& posa)
{
    return posa.posizione + versore(posa.direzioneGradi * std::numbers::pi / 180.0) * ManigliaDirezioneCm;
}

}  // namespace

std::optional<Presa> trovaPresa(const Arena& a, Punto p, double tolleranza)
{
    using T = Presa::Tipo;
    if (vicino(p, maniglia(a.partenza), tolleranza))
        return Presa{T::DirezionePartenza};
    if (vicino(p, a.partenza.posizione, std::max(tolleranza, 6.0)))
        return Presa{T::Partenza};
    for (int i = 0; i < static_cast<int>(a.muri.size()); ++i) {
        const Segmento& m = a.muri[static_cast<size_t>(i)];
        if (vicino(p, m.a, tolleranza))
            return Presa{T::Muro, i, 0};
        if (vicino(p, m.b, tolleranza))
            return Presa{T::Muro, i, 1};
    }
    for (int i = 0; i < static_cast<int>(a.linee.size()); ++i) {
        const std::vector<Punto>& punti = a.linee[static_cast<size_t>(i)].punti;
        for (int v = 0; v < static_cast<int>(punti.size()); ++v)
            if (vicino(p, punti[static_cast<size_t>(v)], tolleranza))
                return Presa{T::Linea, i, v};
    }
    for (int i = static_cast<int>(a.lampade.size()) - 1; i >= 0; --i)
        if (vicino(p, a.lampade[static_cast<size_t>(i)].posizione, std::max(tolleranza, RaggioLampadaCm)))
            return Presa{T::Lampada, i};
    for (int i = static_cast<int>(a.scatole.size()) - 1; i >= 0; --i)
        if (dentroScatola(a.scatole[static_cast<size_t>(i)], p, tolleranza / 2))
            return Presa{T::Scatola, i};
    for (int i = static_cast<int>(a.muri.size()) - 1; i >= 0; --i)
        if (distanzaDalSegmento(p, a.muri[static_cast<size_t>(i)]) <= tolleranza)
            return Presa{T::Muro, i};
    for (int i = static_cast<int>(a.linee.size()) - 1; i >= 0; --i) {
        const Linea& l = a.linee[static_cast<size_t>(i)];
        for (size_t k = 1; k < l.punti.size(); ++k)
            if (distanzaDalSegmento(p, {l.punti[k - 1], l.punti[k]}) <= std::max(tolleranza, l.larghezza / 2))
                return Presa{T::Linea, i};
    }
    return std::nullopt;
}

void trascina(Arena& a, const Presa& presa, Punto delta, Punto p)
{
    const auto i = static_cast<size_t>(presa.indice);
    auto sposta = [&](Punto& q) { q = dentro(a, q + delta); };
    switch (presa.tipo) {
    case Presa::Partenza:
        sposta(a.partenza.posizione);
        break;
    case Presa::DirezionePartenza: {
        const Punto verso = p - a.partenza.posizione;
        if (lunghezza(verso) > 1e-6)
            a.partenza.direzioneGradi = std::round(gradiNormali(std::atan2(verso.y, verso.x) * 180.0 / std::numbers::pi));
        break;
    }
    case Presa::Muro:
        if (presa.vertice != 1)
            sposta(a.muri[i].a);
        if (presa.vertice != 0)
            sposta(a.muri[i].b);
        break;
    case Presa::Scatola: {
        Scatola& s = a.scatole[i];
        s.x = std::clamp(s.x + delta.x, 0.0, std::max(0.0, a.larghezza - s.larghezza));
        s.y = std::clamp(s.y + delta.y, 0.0, std::max(0.0, a.altezza - s.altezza));
        break;
    }
    case Presa::Lampada:
        sposta(a.lampade[i].posizione);
        break;
    case Presa::Linea:
        if (presa.vertice >= 0)
            sposta(a.linee[i].punti[static_cast<size_t>(presa.vertice)]);
        else
            for (Punto& q : a.linee[i].punti)
                sposta(q);
        break;
    }
}

bool elimina(Arena& a, const Presa& presa)
{
    const auto i = static_cast<ptrdiff_t>(presa.indice);
    switch (presa.tipo) {
    case Presa::Partenza:
    case Presa::DirezionePartenza:
        return false;
    case Presa::Muro:
        a.muri.erase(a.muri.begin() + i);
        return true;
    case Presa::Scatola:
        a.scatole.erase(a.scatole.begin() + i);
        return true;
    case Presa::Lampada:
        a.lampade.erase(a.lampade.begin() + i);
        return true;
    case Presa::Linea: {
        std::vector<Punto>& punti = a.linee[static_cast<size_t>(i)].punti;
        if (presa.vertice >= 0 && punti.size() > 2)
            punti.erase(punti.begin() + presa.vertice);
        else
            a.linee.erase(a.linee.begin() + i);
        return true;
    }
    }
    return false;
}

Punto arrotonda(const Arena& a, Punto p) { return dentro(a, {std::round(p.x), std::round(p.y)}); }

Scatola scatolaTra(Punto a, Punto b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

}  // namespace kobaltino
