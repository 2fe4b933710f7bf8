// "Copia", "Taglia", "Incolla": the internal one-instruction clipboard.
#include "model/editor.h"

namespace kobaltino {

void Editor::copia(int k)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    const Griglia& g = s_.griglia(k);
    const int s = g.rigaCorrente();
    s_.AppuntiCodice = g.riga(s).codice;
    s_.AppuntiParametro = g.riga(s).parametro;
    // A conditional takes its action row along.
    const int codice = g.codice(s);
    if ((codice == codici::Se || codice == codici::SeAttivoFai || codice == codici::SeDisattivoFai)
        && s + 1 < RigheGriglia)
        s_.AppuntiAzione = g.riga(s + 1).codice;
}

void Editor::incolla(int k)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    bool ok = false;
    const int codice = s_.AppuntiCodice.toInt(&ok);
    const VoceCatalogo* v = ok ? voce(codice) : nullptr;
    if (v == nullptr || codice == codici::FineSe)
        return;
    // Instructions with a parameter are re-created from the copied text, without a dialog;
    // "Vai a" asks for its target again.
    if (v->parametro != nullptr) {
        s_.InserimentoAutomatico = true;
        s_.*v->parametro = s_.AppuntiParametro;
        s_.*v->conferma = true;
        if (v->dialogo == Dialogo::Se || v->dialogo == Dialogo::SeAttivoFai || v->dialogo == Dialogo::SeDisattivoFai)
            s_.AzioneSe = azioneDelCodice(s_.AppuntiAzione);  // the clipboard holds the row code
    }
    inserisci(k, codice);
    s_.InserimentoAutomatico = false;
}

void Editor::taglia(int k)
{
    copia(k);
    cancella(k);
}

}  // namespace kobaltino
