#include "trasferimento/impostazioni_programmatore.h"

namespace kobaltino {

namespace {

struct Chiave {
    const char* nome;
    QString SceltaProgrammatore::*campo;
};
const Chiave Chiavi[] = {
    {"programmatore/preset", &SceltaProgrammatore::programmatore},
    {"programmatore/riga", &SceltaProgrammatore::riga},
    {"programmatore/porta", &SceltaProgrammatore::porta},
    {"programmatore/strumento", &SceltaProgrammatore::strumento},
};

}  // namespace

SceltaProgrammatore leggiSceltaProgrammatore(QSettings& impostazioni)
{
    SceltaProgrammatore scelta;
    for (const Chiave& c : Chiavi)
        scelta.*c.campo = impostazioni.value(QLatin1String(c.nome), scelta.*c.campo).toString();
    return scelta;
}

void scriviSceltaProgrammatore(QSettings& impostazioni, const SceltaProgrammatore& scelta)
{
    for (const Chiave& c : Chiavi)
        impostazioni.setValue(QLatin1String(c.nome), scelta.*c.campo);
}

}  // namespace kobaltino
