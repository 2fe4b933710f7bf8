// The simulator run: the bytes pick a processor, an arena, an input forced at some moment and the
// configuration word, then give the program words. A bounded run must not fault, and going back
// to an earlier moment (replayed from the snapshot at power-on) and running on again must land in
// exactly the same state.
//
// Bytes: processor, arena (0 none, then the built-in ones), forced input (bit 7 on, bit 6 the
// level, the rest the input), when it is forced (in 256ths of the run), configuration word (low, high),
// then the program words, low byte first.
#include "banco_fuzz.h"

#include "sim/sessione.h"

using namespace kobaltino;

namespace {

constexpr uint64_t Cicli = 4000;  // four steps of the world
constexpr size_t Intestazione = 6;

// What decides how a run goes on, and what it left behind.
struct Momento {
    StatoChip chip;
    StatoRobot robot;
    Livelli ingressi;
    std::vector<EventoPorte> eventi;

    explicit Momento(const Sessione& s) : chip(s.chip().stato()), robot(s.robot()), ingressi(s.ingressi()), eventi(s.eventi()) {}
    bool operator==(const Momento& m) const
    {
        return chip.ram == m.chip.ram && chip.eeprom == m.chip.eeprom && chip.stack == m.chip.stack
               && chip.pc == m.chip.pc && chip.w == m.chip.w && chip.cicli == m.chip.cicli
               && chip.profondita == m.chip.profondita && chip.addormentato == m.chip.addormentato
               && robot == m.robot && ingressi == m.ingressi && eventi == m.eventi;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    if (n < Intestazione)
        return 0;
    static const QStringList arene = nomiArenePredefinite();
    ProgrammaSimulato programma;
    programma.modello = std::array{ModelloPic::P16F84, ModelloPic::P16F84A, ModelloPic::P16F628}[dati[0] % 3];
    std::optional<Arena> arena;
    if (const int a = dati[1] % (arene.size() + 1); a > 0)
        arena = arenaPredefinita(arene[a - 1]);
    programma.immagine.configurazione = static_cast<uint16_t>((dati[5] << 8 | dati[4]) & 0x3FFF);
    programma.immagine.programma.assign(0x800, -1);
    programma.immagine.eeprom.assign(0x100, -1);
    for (size_t i = Intestazione; i + 1 < n && (i - Intestazione) / 2 < 0x800; i += 2)
        programma.immagine.programma[(i - Intestazione) / 2] = (dati[i + 1] << 8 | dati[i]) & 0x3FFF;

    Sessione sessione(programma, arena);
    if (dati[2] & 0x80) {
        sessione.esegui(dati[3] * (Cicli / 256));
        sessione.forza((dati[2] & 0x3F) % NumeroIngressi, (dati[2] & 0x40) != 0);
    }
    sessione.esegui(Cicli);
    fuzz::verifica((sessione.cicli() >= Cicli || sessione.finita()) && sessione.cicli() <= Cicli + 3,
                   "la corsa non si ferma dove deve");

    const Momento fine(sessione);
    sessione.vaiA(Cicli / 2);
    sessione.esegui(Cicli);
    fuzz::verifica(Momento(sessione) == fine, "tornare indietro e ripartire cambia la corsa");
    return 0;
}
