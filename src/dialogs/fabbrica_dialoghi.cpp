#include "dialogs/fabbrica_dialoghi.h"

#include "dialogs/dialoghi_condizione.h"
#include "dialogs/dialoghi_registri.h"
#include "dialogs/dialogo_attendi.h"
#include "dialogs/dialogo_operando.h"
#include "dialogs/dialogo_scrivi.h"
#include "dialogs/dialogo_sensore.h"
#include "dialogs/dialogo_vai_a.h"

namespace kobaltino {

namespace {

using Puntatore = std::unique_ptr<DialogoIstruzione>;
using Costruttore = Puntatore (*)(Dialogo, int k, const Stato&, QWidget*);

Puntatore operando(Dialogo d, int, const Stato&, QWidget* g)
{
    return std::make_unique<DialogoOperando>(*DialogoOperando::membro(d), g);
}

struct VoceFabbrica {
    Dialogo dialogo;
    Costruttore crea;
};

const VoceFabbrica Fabbrica[] = {
    {Dialogo::Attendi, [](Dialogo, int, const Stato&, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoAttendi>(g);
     }},
    {Dialogo::VaiA, [](Dialogo, int k, const Stato& s, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoVaiA>(k, s.NumIstruzioni(k), g);
     }},
    {Dialogo::SeAttivoVaiA, [](Dialogo, int, const Stato& s, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoSensore>("frmSe_Attivo_Salta_A1", s.NomeGriglia, g);
     }},
    {Dialogo::SeDisattivoVaiA, [](Dialogo, int, const Stato& s, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoSensore>("frmSe_Disattivo_Salta_A1", s.NomeGriglia, g);
     }},
    {Dialogo::ScriviRam, [](Dialogo, int, const Stato& s, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoScrivi>(Memoria::Ram, s.MemoriaRAM, g);
     }},
    {Dialogo::ScriviEeprom, [](Dialogo, int, const Stato& s, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoScrivi>(Memoria::Eeprom, s.MemoriaEEPROM, g);
     }},
    {Dialogo::SpostaEeprom, [](Dialogo, int, const Stato&, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoSpostaEeprom>(g);
     }},
    {Dialogo::Incrementa, operando},
    {Dialogo::Decrementa, operando},
    {Dialogo::Swappa, operando},
    {Dialogo::ScorriDestra, operando},
    {Dialogo::ScorriSinistra, operando},
    {Dialogo::Complemento, operando},
    {Dialogo::Operazioni, [](Dialogo, int, const Stato&, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoOperazioni>(g);
     }},
    {Dialogo::Se, [](Dialogo, int, const Stato&, QWidget* g) -> Puntatore { return std::make_unique<DialogoSe>(g); }},
    {Dialogo::SeAttivoFai, [](Dialogo, int, const Stato& s, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoSensoreFai>(true, s.NomeGriglia, g);
     }},
    {Dialogo::SeDisattivoFai, [](Dialogo, int, const Stato& s, QWidget* g) -> Puntatore {
         return std::make_unique<DialogoSensoreFai>(false, s.NomeGriglia, g);
     }},
};

}  // namespace

std::unique_ptr<DialogoIstruzione> creaDialogo(Dialogo dialogo, int k, const Stato& stato, QWidget* genitore)
{
    if (k < 1 || k > NumeroGriglie)
        return nullptr;
    for (const VoceFabbrica& voce : Fabbrica) {
        if (voce.dialogo == dialogo)
            return voce.crea(dialogo, k, stato, genitore);
    }
    return nullptr;
}

}  // namespace kobaltino
