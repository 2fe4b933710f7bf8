// The settings file Data/Data.dat: any bytes either give the two lines or nothing, the stamp
// decodes whatever it holds, and what is read and written again reads back the same.
#include "banco_fuzz.h"

#include "persist/impostazioni.h"

using namespace kobaltino;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const std::optional<Impostazioni> lette =
        leggiImpostazioni(fuzz::suFile(QStringLiteral("Data.dat"), fuzz::daFuzzer(dati, n)));
    if (!lette)
        return 0;
    decodificaTimbro(lette->timbro);  // what the activation compares with this version
    const QString riscritto = fuzz::suFile(QStringLiteral("Data2.dat"), {});
    fuzz::verifica(scriviImpostazioni(riscritto, *lette), "le impostazioni lette non si riscrivono");
    const std::optional<Impostazioni> rilette = leggiImpostazioni(riscritto);
    fuzz::verifica(rilette && rilette->timbro == lette->timbro && rilette->compilatore == lette->compilatore,
                   "le impostazioni riscritte non si rileggono uguali");
    return 0;
}
