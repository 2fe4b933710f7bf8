#pragma once

// Runs a program in the chip and in gpsim and lists where the two differ at the same cycles.
#include "arbitro_gpsim.h"

#include <QString>

#include <string>
#include <vector>

namespace kobaltino::arbitro {

// gpsim shows PCL one ahead of the program counter it prints; the program counter is compared instead.
inline bool ePcl(int indirizzo) { return (indirizzo & 0x7F) == 0x02; }

inline std::string differenze(const Istantanea& chip, const Istantanea& gpsim)
{
    QString d;
    auto confronta = [&d](const QString& cosa, int nostro, int suo) {
        if (nostro != suo)
            d += QStringLiteral("%1: chip %2, gpsim %3\n").arg(cosa, QString::number(nostro, 16), QString::number(suo, 16));
    };
    confronta(QStringLiteral("W"), chip.w, gpsim.w);
    confronta(QStringLiteral("PC"), chip.pc, gpsim.pc);
    std::map<int, int> tutti = chip.registri;
    tutti.insert(gpsim.registri.begin(), gpsim.registri.end());
    for (const auto& [a, v] : tutti) {
        if (ePcl(a))
            continue;
        const auto nostro = chip.registri.find(a), suo = gpsim.registri.find(a);
        confronta(QStringLiteral("registro 0x%1").arg(a, 3, 16, QLatin1Char('0')),
                  nostro == chip.registri.end() ? -1 : nostro->second, suo == gpsim.registri.end() ? -1 : suo->second);
    }
    confronta(QStringLiteral("byte di EEPROM"), int(chip.eeprom.size()), int(gpsim.eeprom.size()));
    for (size_t a = 0; a < std::min(chip.eeprom.size(), gpsim.eeprom.size()); ++a)
        confronta(QStringLiteral("EEPROM 0x%1").arg(a, 2, 16, QLatin1Char('0')), chip.eeprom[a], gpsim.eeprom[a]);
    return d.toStdString();
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

// Runs `sorgente` in gpsim and checks that the chip, loaded from the same hex, was in the same state
// at every stop `scegli` picks (it gets a chip loaded with the program and fills the stops).
template <typename Scelta>
void confrontaConGpsim(ModelloPic modello, const QByteArray& sorgente, Scelta scegli)
{
    // The stops come from the chip, so the chip runs first, on gpasm's hex; gpsim then runs the .cod
    // from the same assembly.
    const Esito prova = esegui(sorgente, {});
    ASSERT_TRUE(prova.immagine.has_value());
    Chip chip(modello);
    chip.carica(comeInGpsim(*prova.immagine));
    Fermate fermate;
    scegli(chip, fermate);
    const Esito esito = esegui(sorgente, fermate.cicli);
    ASSERT_EQ(esito.fermate.size(), fermate.stati.size());
    for (size_t i = 0; i < fermate.stati.size(); ++i) {
        const std::string d = differenze(fermate.stati[i], esito.fermate[i]);
        ASSERT_EQ(d, "") << "al ciclo " << fermate.cicli[i] << " (fermata " << i << ", pc del chip 0x" << std::hex
                         << fermate.stati[i].pc << ")";
    }
}

}  // namespace kobaltino::arbitro
