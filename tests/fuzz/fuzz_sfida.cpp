// The challenge file: bad bytes give a message, a good challenge writes out to a text that reads
// back equal.
#include "banco_fuzz.h"

#include "sim/sfida.h"

using namespace kobaltino;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    QString errore;
    const std::optional<Sfida> sfida = leggiSfida(fuzz::daFuzzer(dati, n), &errore);
    if (!sfida) {
        fuzz::verifica(!errore.isEmpty(), "sfida rifiutata senza un messaggio");
        return 0;
    }
    const std::optional<Sfida> riletta = leggiSfida(scriviSfida(*sfida), &errore);
    fuzz::verifica(riletta && *riletta == *sfida, "la sfida scritta non si rilegge uguale");
    return 0;
}
