// The simulator's hex loader: bad bytes give a message with the line, a good file holds only
// 14-bit words and bytes, agrees with the compile's own count of program words, and loads into
// every processor.
#include "banco_fuzz.h"

#include "codegen/memoria_programma.h"
#include "sim/chip.h"
#include "sim/hex.h"

using namespace kobaltino;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray testo = fuzz::daFuzzer(dati, n);
    QString errore;
    const std::optional<ImmagineHex> immagine = leggiHex(testo, &errore);
    if (!immagine) {
        fuzz::verifica(errore.startsWith(QStringLiteral("File hex non valido alla riga ")), "messaggio senza la riga");
        return 0;
    }
    int scritte = 0;
    for (size_t p = 0; p < immagine->programma.size(); ++p) {
        const int parola = immagine->programma[p];
        fuzz::verifica(parola >= -1 && parola <= 0x3FFF, "parola di programma oltre i 14 bit");
        if (parola >= 0)
            scritte = static_cast<int>(p) + 1;
    }
    for (int b : immagine->eeprom)
        fuzz::verifica(b >= -1 && b <= 0xFF, "byte di EEPROM oltre gli 8 bit");
    fuzz::verifica(paroleOccupate(testo) == scritte, "il caricatore e la compilazione contano parole diverse");

    for (ModelloPic modello : {ModelloPic::P16F84, ModelloPic::P16F84A, ModelloPic::P16F628}) {
        Chip chip(modello);
        chip.carica(*immagine);
        chip.esegui(200);
        fuzz::verifica(chip.pc() < 0x800, "contatore di programma fuori dalla memoria");
    }
    return 0;
}
