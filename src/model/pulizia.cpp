// "Cancella tutto", "Cancella griglia", "Nuovo", "Chiudi" and the close of the main window.
#include "model/editor.h"

namespace kobaltino {

namespace {
void svuotaMarche(Stato& s)
{
    for (QString& m : s.MemoriaRAM)
        m.clear();
    for (QString& m : s.MemoriaEEPROM)
        m.clear();
}
}  // namespace

void Editor::cancellaTutto()
{
    Passo passo(*this);
    if (!s_.InserimentoAutomatico) {
        bool vuoto = true;
        for (const Griglia& g : s_.griglie)
            vuoto = vuoto && g.numIstruzioni() == 0;
        if (vuoto)
            return;
        const Messaggio domanda{testi::DomandaCancellaTutto, Icona::Informazione, testi::Attenzione, Pulsanti::SiNo};
        if (ui_.mostra(domanda) != Risposta::Si)
            return;
    }
    for (Griglia& g : s_.griglie)
        g.svuota();
    svuotaMarche(s_);
    s_.Modificato = false;
    seguiBraccio();
    passo.senzaNullaDaSalvare();
}

bool Editor::cancellaGriglie(const std::array<bool, 8>& selezionate)
{
    const Passo passo(*this);
    bool completa = true;
    for (int k = 1; k <= 8 && completa; ++k) {
        if (!selezionate[static_cast<size_t>(k - 1)])
            continue;
        completa = s_.NumIstruzioni(k) > 0;
        if (completa) {
            s_.griglia(k).svuota();
            s_.Modificato = true;  // the file on disk still holds the rows
        }
    }
    seguiBraccio();
    return completa;
}

Risposta Editor::chiediSalvataggio(const QString& titolo)
{
    return ui_.mostra({testi::DomandaSalvare, Icona::Informazione, titolo, Pulsanti::SiNoAnnulla});
}

void Editor::salva()
{
    if (azioniFile_)
        azioniFile_->salva();
}

void Editor::riscriviImpostazioni()
{
    if (azioniFile_)
        azioniFile_->riscriviImpostazioni();
}

void Editor::nuovo()
{
    if (s_.NumIstruzioni(1) == 0)
        return;
    if (s_.Modificato) {
        const Risposta r = chiediSalvataggio(testi::Attenzione);
        if (r == Risposta::Si) {
            salva();
            return;
        }
        if (r != Risposta::No)
            return;
    }
    for (Griglia& g : s_.griglie)
        g.svuota();
    s_.Modificato = false;
    s_.PercorsoFile.clear();
    svuotaMarche(s_);
    seguiBraccio();
    storia_.azzera(s_);  // a new program starts a new history
}

bool Editor::chiudi()
{
    if (!s_.Modificato) {
        riscriviImpostazioni();
        return true;
    }
    const Risposta r = chiediSalvataggio(testi::Attenzione);
    if (r == Risposta::Si)
        salva();
    riscriviImpostazioni();
    return r == Risposta::No;
}

bool Editor::chiusuraFinestra()
{
    if (!s_.Modificato)
        return true;
    const Risposta r = chiediSalvataggio(testi::Attenzione);
    if (r == Risposta::Si)
        salva();
    return r != Risposta::Annulla;
}

}  // namespace kobaltino
