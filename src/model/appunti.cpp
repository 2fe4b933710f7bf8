// "Copia", "Taglia", "Incolla": the internal clipboard of one instruction, or of several rows.
#include "model/editor.h"
#include "model/spostamento.h"

namespace kobaltino {

void Editor::copia(int k)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    const Griglia& g = s_.griglia(k);
    const int s = g.rigaCorrente();
    s_.AppuntiRighe.clear();
    s_.AppuntiCodice = g.riga(s).codice;
    s_.AppuntiParametro = g.riga(s).parametro;
    // A conditional takes its action row along.
    if (apreBlocco(g.codice(s)) && s + 1 < RigheGriglia)
        s_.AppuntiAzione = g.riga(s + 1).codice;
}

void Editor::copiaRighe(int k, const std::vector<int>& scelte)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    Griglia& g = s_.griglia(k);
    const std::vector<int> righe = righeABlocchi(g, scelte);
    if (righe.size() == 1) {
        g.seleziona(righe.front(), ColCodice);
        copia(k);
        return;
    }
    if (righe.empty())
        return;
    // One entry per instruction that an insertion routine re-creates: a conditional carries
    // its action row, and the "FINE SE" comes back with its "Se".
    std::vector<VoceAppunti> voci;
    for (size_t i = 0; i < righe.size(); ++i) {
        const int r = righe[i];
        const Riga& riga = g.riga(r);
        if (apreBlocco(g.codice(r))) {
            voci.push_back({riga.codice, riga.parametro, g.riga(r + 1).codice});
            const int fine = bloccoDellaRiga(g, r).second;
            while (i + 1 < righe.size() && righe[i + 1] <= fine)
                ++i;
        } else if (g.codice(r) != codici::FineSe) {
            voci.push_back({riga.codice, riga.parametro, {}});
        }
    }
    s_.AppuntiRighe = std::move(voci);
}

int Editor::righeDellaVoce(const VoceAppunti& appunti)
{
    bool ok = false;
    const int codice = appunti.codice.toInt(&ok);
    if (!ok || voce(codice) == nullptr || codice == codici::FineSe)
        return 0;
    if (!apreBlocco(codice))
        return 1;
    const int azione = codiceAzione(azioneDelCodice(appunti.azione)) != 0 ? 1 : 0;
    return 1 + azione + (codice == codici::Se ? 1 : 0);
}

void Editor::incollaVoce(int k, const VoceAppunti& appunti)
{
    bool ok = false;
    const int codice = appunti.codice.toInt(&ok);
    const VoceCatalogo* v = ok ? voce(codice) : nullptr;
    if (v == nullptr || codice == codici::FineSe)
        return;
    // Instructions with a parameter are re-created from the copied text, without a dialog;
    // "Vai a" asks for its target again.
    if (v->parametro != nullptr) {
        s_.InserimentoAutomatico = true;
        s_.*v->parametro = appunti.parametro;
        s_.*v->conferma = true;
        if (apreBlocco(codice))
            s_.AzioneSe = azioneDelCodice(appunti.azione);  // the clipboard holds the row code
    }
    inserisci(k, codice);
    s_.InserimentoAutomatico = false;
}

void Editor::incolla(int k)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    const Passo passo(*this);
    if (s_.AppuntiRighe.empty()) {
        incollaVoce(k, {s_.AppuntiCodice, s_.AppuntiParametro, s_.AppuntiAzione});
        return;
    }
    // Several rows go in whole or not at all.
    int necessarie = 0;
    for (const VoceAppunti& v : s_.AppuntiRighe)
        necessarie += righeDellaVoce(v);
    if (necessarie > s_.griglia(k).righeLibere()) {
        ui_.mostra({testi::LimiteIstruzioni});
        return;
    }
    for (const VoceAppunti& v : s_.AppuntiRighe)
        incollaVoce(k, v);
}

void Editor::taglia(int k)
{
    const Passo passo(*this);
    copia(k);
    cancella(k);
}

void Editor::tagliaRighe(int k, const std::vector<int>& righe)
{
    const Passo passo(*this);
    copiaRighe(k, righe);
    cancellaRighe(k, righe);
}

}  // namespace kobaltino
