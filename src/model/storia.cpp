#include "model/storia.h"

namespace kobaltino {

Istantanea Istantanea::di(const Stato& s, const Istantanea* simile)
{
    Istantanea i;
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const size_t x = static_cast<size_t>(k - 1);
        const Griglia& g = s.griglia(k);
        const bool uguale = simile && (simile->versioni[x] == g.versione() || g.contiene(simile->righe[x]));
        i.righe[x] = uguale ? simile->righe[x] : g.righeUsate();
        i.versioni[x] = g.versione();
        i.selezione[x] = {g.rigaCorrente(), g.colonnaCorrente()};
    }
    i.ram = s.MemoriaRAM;
    i.eeprom = s.MemoriaEEPROM;
    i.etichette = s.NumEtichette;
    i.braccio = s.StatoBraccio;
    i.aux = s.AuxAbilitata;
    return i;
}

bool Istantanea::stessoProgramma(const Istantanea& altra) const
{
    return righe == altra.righe && ram == altra.ram && eeprom == altra.eeprom;
}

Storia::Storia() : pulito_{true} {}

void Storia::azzera(const Stato& s)
{
    passi_.clear();
    posizione_ = 0;
    righe_ = 0;
    pulito_ = {!s.Modificato};
    attesa_ = Istantanea::di(s, &attesa_);
}

void Storia::allinea(const Stato& s)
{
    const Istantanea ora = Istantanea::di(s, &attesa_);
    if (!ora.stessoProgramma(attesa_)) {
        azzera(s);
        return;
    }
    // A save clears Modificato: the program as it stands is the saved one.
    if (!s.Modificato && !pulito_[static_cast<size_t>(posizione_)])
        pulito_.assign(pulito_.size(), false);
    pulito_[static_cast<size_t>(posizione_)] = !s.Modificato;
}

void Storia::inizia(const Stato& s)
{
    allinea(s);
    prima_ = Istantanea::di(s, &attesa_);  // shares every list with attesa_
}

void Storia::termina(Stato& s, bool pulito)
{
    Istantanea dopo = Istantanea::di(s, &prima_);
    if (dopo.stessoProgramma(prima_))
        return;
    int griglia = 0;
    qsizetype righe = 0;
    for (int k = NumeroGriglie; k >= 1; --k) {
        const size_t x = static_cast<size_t>(k - 1);
        if (dopo.righe[x] != prima_.righe[x]) {
            griglia = k;
            righe += dopo.righe[x].size() + prima_.righe[x].size();
        }
    }

    for (size_t i = static_cast<size_t>(posizione_); i < passi_.size(); ++i)
        righe_ -= passi_[i].righe;
    passi_.resize(static_cast<size_t>(posizione_));
    pulito_.resize(static_cast<size_t>(posizione_ + 1));
    passi_.push_back({std::move(prima_), dopo, griglia, righe});
    pulito_.push_back(pulito);
    righe_ += righe;
    ++posizione_;
    while (passi_.size() > 1 && (passi_.size() > PassiMassimi || righe_ > RigheMassime)) {
        righe_ -= passi_.front().righe;
        passi_.pop_front();
        pulito_.pop_front();
        --posizione_;
    }
    attesa_ = std::move(dopo);
    prima_ = {};
    s.Modificato = !pulito;
}

bool Storia::puoAnnullare(const Stato& s)
{
    allinea(s);
    return posizione_ > 0;
}

bool Storia::puoRipetere(const Stato& s)
{
    allinea(s);
    return posizione_ < passi();
}

int Storia::annulla(Stato& s)
{
    if (!puoAnnullare(s))
        return 0;
    const Passo& p = passi_[static_cast<size_t>(--posizione_)];
    applica(s, p.dopo, p.prima);
    attesa_ = p.prima;
    s.Modificato = !pulito_[static_cast<size_t>(posizione_)];
    return p.griglia;
}

int Storia::ripeti(Stato& s)
{
    if (!puoRipetere(s))
        return 0;
    const Passo& p = passi_[static_cast<size_t>(posizione_++)];
    applica(s, p.prima, p.dopo);
    attesa_ = p.dopo;
    s.Modificato = !pulito_[static_cast<size_t>(posizione_)];
    return p.griglia;
}

// Brings back what the step changed; the rest (the arm state after an activation, the
// selection in grids the step did not touch) stays as it is now.
void Storia::applica(Stato& s, const Istantanea& da, const Istantanea& a)
{
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const size_t x = static_cast<size_t>(k - 1);
        if (da.righe[x] != a.righe[x])
            s.griglia(k).ripristina(a.righe[x], a.selezione[x].first, a.selezione[x].second);
    }
    s.MemoriaRAM = a.ram;
    s.MemoriaEEPROM = a.eeprom;
    if (da.etichette != a.etichette)
        s.NumEtichette = a.etichette;
    if (da.braccio != a.braccio)
        s.StatoBraccio = a.braccio;
    if (da.aux != a.aux)
        s.AuxAbilitata = a.aux;
}

}  // namespace kobaltino
