// The simulator run: the bytes pick a processor, an arena, an input forced at some moment and the
// configuration word, then give the program words. A bounded run must not fault, and going back
// to an earlier moment and running on again must land in exactly the same state.
//
// Bytes: processor, arena (0 none, then the built-in ones), forced input (bit 7 on, bit 6 the
// level, the rest the input), the cycle it is forced at / 32, configuration word (low, high),
// then the program words, low byte first.
#include "banco_fuzz.h"

#include "sim/sessione.h"

using namespace kobaltino;

namespace {

constexpr uint64_t Cicli = 12'000;  // past the first snapshot after the one at power-on
constexpr size_t Intestazione = 6;

bool stessoStato(const Sessione& a, const Sessione& b)
{
    const StatoChip &x = a.chip().stato(), &y = b.chip().stato();
    return x.ram == y.ram && x.eeprom == y.eeprom && x.stack == y.stack && x.pc == y.pc && x.w == y.w
           && x.cicli == y.cicli && x.profondita == y.profondita && x.addormentato == y.addormentato
           && a.robot() == b.robot() && a.ingressi() == b.ingressi() && a.eventi() == b.eventi();
}

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
        sessione.esegui(dati[3] * 32u);
        sessione.forza((dati[2] & 0x3F) % NumeroIngressi, (dati[2] & 0x40) != 0);
    }
    sessione.esegui(Cicli);
    fuzz::verifica(sessione.cicli() >= Cicli && sessione.cicli() <= Cicli + 1, "la corsa non si ferma dove deve");

    // A second run straight to the same moment, then the first one replayed from a third of the way.
    Sessione diritta(programma, arena);
    if (dati[2] & 0x80) {
        diritta.esegui(dati[3] * 32u);
        diritta.forza((dati[2] & 0x3F) % NumeroIngressi, (dati[2] & 0x40) != 0);
    }
    diritta.esegui(Cicli);
    fuzz::verifica(stessoStato(sessione, diritta), "due corse uguali finiscono diverse");
    sessione.vaiA(Cicli / 3);
    sessione.esegui(Cicli);
    fuzz::verifica(stessoStato(sessione, diritta), "tornare indietro e ripartire cambia la corsa");
    return 0;
}
