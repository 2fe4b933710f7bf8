#pragma once

// Runs a program in the chip and in gpsim and lists where the two differ at the same cycles.
#include "arbitro_gpsim.h"

#include <QString>

#include <climits>
#include <cstdio>

#include <string>
#include <vector>

namespace kobaltino::arbitro {

// gpsim shows PCL one ahead of the program counter it prints; the program counter is compared instead.
inline bool ePcl(int indirizzo) { return (indirizzo & 0x7F) == 0x02; }

inline std::string differenze(const Istantanea& chip, const Istantanea& gpsim)
{
    std::string d;
    auto confronta = [&d](const char* cosa, int indirizzo, int nostro, int suo) {
        if (nostro == suo)
            return;
        char riga[96];
        std::snprintf(riga, sizeof riga, "%s 0x%03x: chip %x, gpsim %x\n", cosa, indirizzo, nostro, suo);
        d += riga;
    };
    confronta("W", 0, chip.w, gpsim.w);
    confronta("PC", 0, chip.pc, gpsim.pc);
    // Both tables in address order: walk them together, a missing cell counting as -1.
    auto a = chip.registri.begin(), b = gpsim.registri.begin();
    while (a != chip.registri.end() || b != gpsim.registri.end()) {
        const int ia = a == chip.registri.end() ? INT_MAX : a->first, ib = b == gpsim.registri.end() ? INT_MAX : b->first;
        const int indirizzo = std::min(ia, ib);
        // gpsim reads RA0-RA3 as digital pins while the comparators hold them; the chip reads 0 there.
        const int ignora = indirizzo == 0x05 ? chip.analogiciPortaA : 0;
        if (!ePcl(indirizzo))
            confronta("registro", indirizzo, ia == indirizzo ? a->second & ~ignora : -1,
                      ib == indirizzo ? b->second & ~ignora : -1);
        if (ia == indirizzo)
            ++a;
        if (ib == indirizzo)
            ++b;
    }
    confronta("byte di EEPROM", 0, int(chip.eeprom.size()), int(gpsim.eeprom.size()));
    for (size_t i = 0; i < std::min(chip.eeprom.size(), gpsim.eeprom.size()); ++i)
        confronta("EEPROM", int(i), chip.eeprom[i], gpsim.eeprom[i]);
    return d;
}

// An unwritten EEPROM cell starts at 0 in gpsim (a real chip leaves it erased, 0xFF).
inline ImmagineHex comeInGpsim(ImmagineHex immagine)
{
    for (int& b : immagine.eeprom)
        if (b < 0)
            b = 0;
    return immagine;
}

// Where the chip stops: the cycle N at which a one-cycle instruction starts, and the chip's state
// right after it, which is what gpsim shows at "break c N".
struct Fermate {
    std::vector<uint64_t> cicli;
    std::vector<Istantanea> stati;

    // Steps the chip until a one-cycle instruction starts at `almeno` or later (and at least two
    // cycles after the previous stop), and records the stop.
    void fermaDopo(Chip& chip, uint64_t almeno)
    {
        const uint64_t minimo = cicli.empty() ? 0 : cicli.back() + 2;
        for (;;) {
            const uint64_t inizio = chip.cicli();
            const int n = chip.passo();
            // gpsim's dump reads TMR0, and a read in the overflow cycle raises T0IF a cycle early.
            if (n == 1 && inizio >= std::max(almeno, minimo) && chip.cicli() != chip.stato().overflowTmr0) {
                cicli.push_back(inizio);
                stati.push_back(fotografa(chip));
                return;
            }
        }
    }
};

// Runs `sorgente` in the chip and in gpsim and checks that both were in the same state at every stop
// `scegli` picks (it gets the chip loaded with the program and fills the stops). Returns the
// program's image.
template <typename Scelta>
std::optional<ImmagineHex> confrontaConGpsim(ModelloPic modello, const QByteArray& sorgente, Scelta scegli)
{
    const Assemblato programma = assembla(sorgente);
    if (!programma.immagine)
        return std::nullopt;
    Chip chip(modello);
    chip.carica(comeInGpsim(*programma.immagine));
    Fermate fermate;
    scegli(chip, fermate);
    const std::vector<Istantanea> suoi = esegui(programma, fermate.cicli);
    for (size_t i = 0; i < std::min(suoi.size(), fermate.stati.size()); ++i) {
        const std::string d = differenze(fermate.stati[i], suoi[i]);
        if (!d.empty()) {
            ADD_FAILURE() << "al ciclo " << fermate.cicli[i] << " (fermata " << i << ", pc del chip 0x" << std::hex
                          << fermate.stati[i].pc << "):\n" << d;
            break;
        }
    }
    return programma.immagine;
}

}  // namespace kobaltino::arbitro
