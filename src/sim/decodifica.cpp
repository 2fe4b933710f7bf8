#include "sim/decodifica.h"

#include "sim/mappa_dati.h"

namespace kobaltino {

using Istruzione = Chip::Istruzione;

// The instructions' work. Byte-oriented file instructions share one shape: read f, compute,
// store to W or f, then set the flags they touch (after the store, so "addwf STATUS,f" ends with
// the flags of the sum).
struct Operazioni {
    struct Risultato {
        unsigned valore;
        uint8_t flag;  // the flags to set among those the instruction touches
    };
    using Calcolo = Risultato (*)(unsigned f, unsigned w, unsigned status);

    static uint8_t zero(unsigned v) { return (v & 0xFF) ? 0 : reg::Z; }
    static uint8_t somma(unsigned r, unsigned a, unsigned b)
    {
        return zero(r) | ((r & 0x100) ? reg::C : 0) | (((r ^ a ^ b) & 0x10) ? reg::DC : 0);
    }
    // Subtraction: C and DC are the complement of the borrows.
    static uint8_t differenza(unsigned r, unsigned a, unsigned b)
    {
        return zero(r) | ((r & 0x100) ? 0 : reg::C) | (((r ^ a ^ b) & 0x10) ? 0 : reg::DC);
    }

    static Risultato addwf(unsigned f, unsigned w, unsigned) { return {f + w, somma(f + w, f, w)}; }
    static Risultato subwf(unsigned f, unsigned w, unsigned) { return {f - w, differenza(f - w, f, w)}; }
    static Risultato andwf(unsigned f, unsigned w, unsigned) { return {f & w, zero(f & w)}; }
    static Risultato iorwf(unsigned f, unsigned w, unsigned) { return {f | w, zero(f | w)}; }
    static Risultato xorwf(unsigned f, unsigned w, unsigned) { return {f ^ w, zero(f ^ w)}; }
    static Risultato comf(unsigned f, unsigned, unsigned) { return {~f, zero(~f)}; }
    static Risultato decf(unsigned f, unsigned, unsigned) { return {f - 1, zero(f - 1)}; }
    static Risultato incf(unsigned f, unsigned, unsigned) { return {f + 1, zero(f + 1)}; }
    static Risultato movf(unsigned f, unsigned, unsigned) { return {f, zero(f)}; }
    static Risultato swapf(unsigned f, unsigned, unsigned) { return {(f >> 4) | (f << 4), 0}; }
    static Risultato rlf(unsigned f, unsigned, unsigned st) { return {(f << 1) | (st & reg::C), uint8_t(f >> 7)}; }
    static Risultato rrf(unsigned f, unsigned, unsigned st) { return {(f >> 1) | ((st & reg::C) << 7), uint8_t(f & 1)}; }

    static void flag(Chip& c, uint8_t tocca, uint8_t valori)
    {
        c.s.ram[reg::Status] = static_cast<uint8_t>((c.s.ram[reg::Status] & ~tocca) | valori);
    }

    template <Calcolo calcolo, uint8_t tocca>
    static int suFile(Chip& c, const Istruzione& i)
    {
        const Risultato r = calcolo(c.leggi(i.f), c.s.w, c.s.ram[reg::Status]);
        if (i.bit)
            c.scrivi(i.f, static_cast<uint8_t>(r.valore));
        else
            c.s.w = static_cast<uint8_t>(r.valore);
        flag(c, tocca, r.flag);
        return 1;
    }

    // decfsz, incfsz: no flags; a zero result skips the next instruction.
    template <Calcolo calcolo>
    static int suFileESalta(Chip& c, const Istruzione& i)
    {
        const uint8_t v = static_cast<uint8_t>(calcolo(c.leggi(i.f), 0, 0).valore);
        if (i.bit)
            c.scrivi(i.f, v);
        else
            c.s.w = v;
        return v == 0 ? salta(c) : 1;
    }

    template <Calcolo calcolo, uint8_t tocca>
    static int letterale(Chip& c, const Istruzione& i)
    {
        const Risultato r = calcolo(i.k, c.s.w, c.s.ram[reg::Status]);
        c.s.w = static_cast<uint8_t>(r.valore);
        flag(c, tocca, r.flag);
        return 1;
    }
    // The literal forms take the literal where the file forms take f (sublw is k - W).
    static Risultato movlw(unsigned k, unsigned, unsigned) { return {k, 0}; }

    static int salta(Chip& c)
    {
        c.s.pc = (c.s.pc + 1) & c.mascheraPc;
        return 2;
    }

    static int clrf(Chip& c, const Istruzione& i)
    {
        c.scrivi(i.f, 0);
        flag(c, reg::Z, reg::Z);
        return 1;
    }
    static int clrw(Chip& c, const Istruzione&)
    {
        c.s.w = 0;
        flag(c, reg::Z, reg::Z);
        return 1;
    }
    static int movwf(Chip& c, const Istruzione& i)
    {
        c.scrivi(i.f, c.s.w);
        return 1;
    }
    static int nop(Chip&, const Istruzione&) { return 1; }

    // Bit instructions read the port pins, not the latch, and write the whole byte back.
    template <bool imposta>
    static int bitFile(Chip& c, const Istruzione& i)
    {
        const uint8_t v = c.leggi(i.f);
        c.scrivi(i.f, imposta ? (v | (1 << i.bit)) : (v & ~(1 << i.bit)));
        return 1;
    }
    template <bool saltaSeUno>
    static int provaBit(Chip& c, const Istruzione& i)
    {
        const bool uno = c.leggi(i.f) & (1 << i.bit);
        return uno == saltaSeUno ? salta(c) : 1;
    }

    // PCLATH<4:3> give the page of goto and call.
    static uint16_t pagina(const Chip& c, uint16_t k) { return static_cast<uint16_t>(((c.s.ram[reg::Pclath] & 0x18) << 8) | k); }
    static int goto_(Chip& c, const Istruzione& i)
    {
        c.s.pc = pagina(c, i.k) & c.mascheraPc;
        return 2;
    }
    static int call(Chip& c, const Istruzione& i)
    {
        c.chiama(pagina(c, i.k));
        return 2;
    }
    static int return_(Chip& c, const Istruzione&)
    {
        c.s.pc = c.ritorna();
        return 2;
    }
    static int retlw(Chip& c, const Istruzione& i)
    {
        c.s.w = static_cast<uint8_t>(i.k);
        return return_(c, i);
    }
    static int retfie(Chip& c, const Istruzione& i)
    {
        c.s.ram[reg::Intcon] |= reg::GIE;
        return return_(c, i);
    }
    static int clrwdt(Chip& c, const Istruzione&)
    {
        // The watchdog is off in the robot's configuration: only the flags change.
        c.s.ram[reg::Status] |= reg::TO | reg::PD;
        return 1;
    }
    static int sleep(Chip& c, const Istruzione&)
    {
        c.addormenta();
        return 1;
    }
};

namespace {

using O = Operazioni;
constexpr uint8_t ZCDC = reg::Z | reg::C | reg::DC;

// How a row takes its operands from the word.
enum class Operandi { Nessuno, FileEDestinazione, Bit, Letterale8, Indirizzo11 };

struct Riga {
    uint16_t maschera, codice;
    const char* nome;
    Operandi operandi;
    int (*esegui)(Chip&, const Istruzione&);
};

// Rows with the narrowest masks first: the first row that matches decodes the word.
constexpr Riga Tabella[] = {
    {0x3FFF, 0x0008, "return", Operandi::Nessuno, &O::return_},
    {0x3FFF, 0x0009, "retfie", Operandi::Nessuno, &O::retfie},
    {0x3FFF, 0x0063, "sleep", Operandi::Nessuno, &O::sleep},
    {0x3FFF, 0x0064, "clrwdt", Operandi::Nessuno, &O::clrwdt},
    {0x3F9F, 0x0000, "nop", Operandi::Nessuno, &O::nop},
    {0x3F80, 0x0080, "movwf", Operandi::FileEDestinazione, &O::movwf},
    {0x3F80, 0x0100, "clrw", Operandi::Nessuno, &O::clrw},
    {0x3F80, 0x0180, "clrf", Operandi::FileEDestinazione, &O::clrf},
    {0x3F00, 0x0200, "subwf", Operandi::FileEDestinazione, &O::suFile<&O::subwf, ZCDC>},
    {0x3F00, 0x0300, "decf", Operandi::FileEDestinazione, &O::suFile<&O::decf, reg::Z>},
    {0x3F00, 0x0400, "iorwf", Operandi::FileEDestinazione, &O::suFile<&O::iorwf, reg::Z>},
    {0x3F00, 0x0500, "andwf", Operandi::FileEDestinazione, &O::suFile<&O::andwf, reg::Z>},
    {0x3F00, 0x0600, "xorwf", Operandi::FileEDestinazione, &O::suFile<&O::xorwf, reg::Z>},
    {0x3F00, 0x0700, "addwf", Operandi::FileEDestinazione, &O::suFile<&O::addwf, ZCDC>},
    {0x3F00, 0x0800, "movf", Operandi::FileEDestinazione, &O::suFile<&O::movf, reg::Z>},
    {0x3F00, 0x0900, "comf", Operandi::FileEDestinazione, &O::suFile<&O::comf, reg::Z>},
    {0x3F00, 0x0A00, "incf", Operandi::FileEDestinazione, &O::suFile<&O::incf, reg::Z>},
    {0x3F00, 0x0B00, "decfsz", Operandi::FileEDestinazione, &O::suFileESalta<&O::decf>},
    {0x3F00, 0x0C00, "rrf", Operandi::FileEDestinazione, &O::suFile<&O::rrf, reg::C>},
    {0x3F00, 0x0D00, "rlf", Operandi::FileEDestinazione, &O::suFile<&O::rlf, reg::C>},
    {0x3F00, 0x0E00, "swapf", Operandi::FileEDestinazione, &O::suFile<&O::swapf, 0>},
    {0x3F00, 0x0F00, "incfsz", Operandi::FileEDestinazione, &O::suFileESalta<&O::incf>},
    {0x3C00, 0x1000, "bcf", Operandi::Bit, &O::bitFile<false>},
    {0x3C00, 0x1400, "bsf", Operandi::Bit, &O::bitFile<true>},
    {0x3C00, 0x1800, "btfsc", Operandi::Bit, &O::provaBit<false>},
    {0x3C00, 0x1C00, "btfss", Operandi::Bit, &O::provaBit<true>},
    {0x3800, 0x2000, "call", Operandi::Indirizzo11, &O::call},
    {0x3800, 0x2800, "goto", Operandi::Indirizzo11, &O::goto_},
    {0x3C00, 0x3000, "movlw", Operandi::Letterale8, &O::letterale<&O::movlw, 0>},
    {0x3C00, 0x3400, "retlw", Operandi::Letterale8, &O::retlw},
    {0x3F00, 0x3800, "iorlw", Operandi::Letterale8, &O::letterale<&O::iorwf, reg::Z>},
    {0x3F00, 0x3900, "andlw", Operandi::Letterale8, &O::letterale<&O::andwf, reg::Z>},
    {0x3F00, 0x3A00, "xorlw", Operandi::Letterale8, &O::letterale<&O::xorwf, reg::Z>},
    {0x3E00, 0x3C00, "sublw", Operandi::Letterale8, &O::letterale<&O::subwf, ZCDC>},
    {0x3E00, 0x3E00, "addlw", Operandi::Letterale8, &O::letterale<&O::addwf, ZCDC>},
};

const Riga& riga(uint16_t parola)
{
    for (const Riga& r : Tabella)
        if ((parola & r.maschera) == r.codice)
            return r;
    return Tabella[4];  // the few words outside the set (the old OPTION and TRIS) do nothing here
}

}  // namespace

Chip::Istruzione decodifica(uint16_t parola)
{
    const Riga& r = riga(parola & 0x3FFF);
    Istruzione i;
    i.esegui = r.esegui;
    switch (r.operandi) {
    case Operandi::Nessuno: break;
    case Operandi::FileEDestinazione:
        i.f = parola & 0x7F;
        i.bit = (parola >> 7) & 1;
        break;
    case Operandi::Bit:
        i.f = parola & 0x7F;
        i.bit = (parola >> 7) & 7;
        break;
    case Operandi::Letterale8: i.k = parola & 0xFF; break;
    case Operandi::Indirizzo11: i.k = parola & 0x7FF; break;
    }
    return i;
}

const char* mnemonico(uint16_t parola) { return riga(parola & 0x3FFF).nome; }

}  // namespace kobaltino
