#pragma once

// Each processor's data memory as data: which cell every address reaches (bank mirrors), what the
// special registers do, their reset values and implemented bits, and the sizes of the memories.
#include "sim/chip.h"

#include <array>
#include <cstdint>

namespace kobaltino {

// What a cell does beyond holding a byte.
enum class Speciale : uint8_t {
    Nessuno,   // a plain byte (general purpose RAM, or a register whose peripheral is not modelled)
    Assente,   // nothing is implemented here: reads 0, writes are lost
    Indf,
    Tmr0,
    Pcl,
    Status,
    PortaA,
    PortaB,
    Option,
    Tris,      // a direction change can make an edge on a pin
    Eecon1,
    Eecon2,
};

struct MappaDati {
    int paroleProgramma = 0;
    int byteEeprom = 0;
    int indirizzi = 0;             // 0x100 with two banks, 0x200 with four
    uint8_t bitBanco = 0;          // the STATUS bits that select the bank (RP0, or RP0 and RP1)
    bool irp = false;              // IRP extends FSR to banks 2 and 3
    std::array<uint16_t, 0x200> cella{};      // address -> the lowest address of its mirror group
    std::array<Speciale, 0x200> tipo{};       // by cell
    std::array<uint8_t, 0x200> reset{};       // power-on value, by cell
    std::array<uint8_t, 0x200> implementati{};  // bits that exist, by cell (the others read 0)
    // Where the EEPROM registers are, and the flag that says a write has completed.
    uint16_t eedata = 0, eeadr = 0, eecon1 = 0, eecon2 = 0;
    uint16_t registroEeif = 0;
    uint8_t bitEeif = 0;
    int16_t pir1 = -1, pie1 = -1, cmcon = -1;  // the 16F628's peripheral flags and comparators
    int cicliScritturaEeprom = 0;
};

const MappaDati& mappaDati(ModelloPic modello);

// Addresses and bits of the core registers, the same on every processor here.
namespace reg {
inline constexpr int Indf = 0x00, Tmr0 = 0x01, Pcl = 0x02, Status = 0x03, Fsr = 0x04, PortA = 0x05,
                     PortB = 0x06, Pclath = 0x0A, Intcon = 0x0B, Option = 0x81, TrisA = 0x85, TrisB = 0x86;
inline constexpr uint8_t C = 0x01, DC = 0x02, Z = 0x04, PD = 0x08, TO = 0x10, RP0 = 0x20, RP1 = 0x40, IRP = 0x80;
inline constexpr uint8_t GIE = 0x80, PEIE = 0x40, EEIE = 0x40, T0IE = 0x20, INTE = 0x10, RBIE = 0x08,
                         T0IF = 0x04, INTF = 0x02, RBIF = 0x01;
inline constexpr uint8_t RBPU = 0x80, INTEDG = 0x40, T0CS = 0x20, T0SE = 0x10, PSA = 0x08;
inline constexpr uint8_t RD = 0x01, WR = 0x02, WREN = 0x04;
}  // namespace reg

// Direct addressing: RP0 (and RP1) pick the bank. Inline: every file instruction comes here.
// A plain cell (most of them: the RAM) is read and written on the spot.
inline uint8_t Chip::leggi(int f)
{
    const int cella = mappa->cella[((s.ram[reg::Status] & mappa->bitBanco) << 2) | f];
    return mappa->tipo[cella] == Speciale::Nessuno ? s.ram[cella] : leggiCella(cella);
}

inline void Chip::scrivi(int f, uint8_t valore)
{
    const int cella = mappa->cella[((s.ram[reg::Status] & mappa->bitBanco) << 2) | f];
    if (mappa->tipo[cella] == Speciale::Nessuno) {
        const uint8_t v = valore & mappa->implementati[cella];
        modifiche += s.ram[cella] != v;
        s.ram[cella] = v;
    } else
        scriviCella(cella, valore);
}

}  // namespace kobaltino
