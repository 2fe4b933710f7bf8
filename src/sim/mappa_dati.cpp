#include "sim/mappa_dati.h"

#include <initializer_list>

namespace kobaltino {

namespace {

// One register or block of registers: its lowest address, the banks it shows in (bit n = bank n,
// at the same offset), what it does, its power-on value and its implemented bits.
struct Registro {
    uint16_t primo, ultimo;
    uint8_t banchi;
    Speciale tipo = Speciale::Nessuno;
    uint8_t reset = 0x00;
    uint8_t bit = 0xFF;
};

constexpr uint8_t B0 = 1, B1 = 2, B2 = 4, B3 = 8, Tutti2 = B0 | B1, Tutti4 = B0 | B1 | B2 | B3;

// gpsim keeps a data EEPROM write for 20 instruction cycles; so do we, to stay in step with it.
constexpr int CicliScritturaEeprom = 20;

MappaDati costruisci(int banchi, int parole, int eeprom, std::initializer_list<Registro> registri)
{
    MappaDati m;
    m.paroleProgramma = parole;
    m.byteEeprom = eeprom;
    m.indirizzi = banchi * 0x80;
    m.bitBanco = banchi == 4 ? reg::RP0 | reg::RP1 : reg::RP0;
    m.irp = banchi == 4;
    m.cicliScritturaEeprom = CicliScritturaEeprom;
    for (int a = 0; a < 0x200; ++a) {
        m.cella[a] = static_cast<uint16_t>(a);
        m.tipo[a] = Speciale::Assente;
        m.implementati[a] = 0;
    }
    for (const Registro& r : registri)
        for (int a = r.primo; a <= r.ultimo; ++a) {
            m.tipo[a] = r.tipo;
            m.reset[a] = r.reset & r.bit;
            m.implementati[a] = r.bit;
            const int scostamento = a & 0x7F;
            for (int b = 0; b < 4; ++b)
                if (r.banchi & (1 << b))
                    m.cella[b * 0x80 + scostamento] = static_cast<uint16_t>(a);
        }
    return m;
}

MappaDati mappa16F84()
{
    MappaDati m = costruisci(2, 0x400, 64,
                             {
                                 {0x00, 0x00, Tutti2, Speciale::Indf},
                                 {0x01, 0x01, B0, Speciale::Tmr0},
                                 {0x81, 0x81, B1, Speciale::Option, 0xFF},
                                 {0x02, 0x02, Tutti2, Speciale::Pcl},
                                 {0x03, 0x03, Tutti2, Speciale::Status, 0x18},
                                 {0x04, 0x04, Tutti2},
                                 {0x05, 0x05, B0, Speciale::PortaA, 0x00, 0x1F},
                                 {0x85, 0x85, B1, Speciale::Tris, 0x1F, 0x1F},
                                 {0x06, 0x06, B0, Speciale::PortaB},
                                 {0x86, 0x86, B1, Speciale::Tris, 0xFF},
                                 {0x08, 0x09, B0},                                   // EEDATA, EEADR
                                 {0x88, 0x88, B1, Speciale::Eecon1, 0x00, 0x17},     // EEIF, WREN, WR, RD
                                 {0x89, 0x89, B1, Speciale::Eecon2},
                                 {0x0A, 0x0A, Tutti2, Speciale::Nessuno, 0x00, 0x1F},  // PCLATH
                                 {0x0B, 0x0B, Tutti2},                                 // INTCON
                                 {0x0C, 0x4F, Tutti2},                                 // general purpose RAM
                             });
    m.eedata = 0x08;
    m.eeadr = 0x09;
    m.eecon1 = 0x88;
    m.eecon2 = 0x89;
    m.registroEeif = 0x88;
    m.bitEeif = 0x10;
    return m;
}

MappaDati mappa16F628()
{
    MappaDati m = costruisci(4, 0x800, 128,
                             {
                                 {0x00, 0x00, Tutti4, Speciale::Indf},
                                 {0x01, 0x01, B0 | B2, Speciale::Tmr0},
                                 {0x81, 0x81, B1 | B3, Speciale::Option, 0xFF},
                                 {0x02, 0x02, Tutti4, Speciale::Pcl},
                                 {0x03, 0x03, Tutti4, Speciale::Status, 0x18},
                                 {0x04, 0x04, Tutti4},
                                 {0x05, 0x05, B0, Speciale::PortaA},
                                 {0x85, 0x85, B1, Speciale::Tris, 0xFF},
                                 {0x06, 0x06, B0 | B2, Speciale::PortaB},
                                 {0x86, 0x86, B1 | B3, Speciale::Tris, 0xFF},
                                 {0x0A, 0x0A, Tutti4, Speciale::Nessuno, 0x00, 0x1F},  // PCLATH
                                 {0x0B, 0x0B, Tutti4},                                 // INTCON
                                 // The peripherals the robot does not use keep their bytes and nothing more.
                                 {0x0C, 0x0C, B0, Speciale::Nessuno, 0x00, 0xCF},  // PIR1: TXIF, RCIF read only
                                 {0x0E, 0x12, B0},        // TMR1L, TMR1H, T1CON, TMR2, T2CON
                                 {0x15, 0x1A, B0},        // CCPR1L, CCPR1H, CCP1CON, RCSTA, TXREG, RCREG
                                 {0x1F, 0x1F, B0},        // CMCON
                                 {0x8C, 0x8C, B1},        // PIE1
                                 {0x8E, 0x8E, B1},        // PCON
                                 {0x92, 0x92, B1, Speciale::Nessuno, 0xFF},  // PR2
                                 {0x98, 0x98, B1, Speciale::Nessuno, 0x02},  // TXSTA
                                 {0x99, 0x9B, B1},                           // SPBRG, EEDATA, EEADR
                                 {0x9C, 0x9C, B1, Speciale::Eecon1, 0x00, 0x17},
                                 {0x9D, 0x9D, B1, Speciale::Eecon2},
                                 {0x9F, 0x9F, B1},        // VRCON
                                 {0x20, 0x6F, B0},        // general purpose RAM
                                 {0xA0, 0xEF, B1},
                                 {0x120, 0x14F, B2},
                                 {0x70, 0x7F, Tutti4},    // the RAM every bank shares
                             });
    m.eedata = 0x9A;
    m.eeadr = 0x9B;
    m.eecon1 = 0x9C;
    m.eecon2 = 0x9D;
    m.registroEeif = 0x0C;
    m.bitEeif = 0x80;
    m.pir1 = 0x0C;
    m.pie1 = 0x8C;
    m.cmcon = 0x1F;
    return m;
}

}  // namespace

const MappaDati& mappaDati(ModelloPic modello)
{
    // The 16F84A has the 16F84's memory map.
    static const MappaDati p16f84 = mappa16F84(), p16f628 = mappa16F628();
    return modello == ModelloPic::P16F628 ? p16f628 : p16f84;
}

}  // namespace kobaltino
