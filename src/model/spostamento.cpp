#include "model/spostamento.h"

#include "model/catalogo.h"
#include "model/editor.h"

#include <algorithm>

namespace kobaltino {

namespace {

// Target row of the "Vai a" in row r, -1 when the row is no "Vai a" or names no used row.
int bersaglio(const Griglia& g, int r)
{
    if (g.codice(r) != codici::VaiA)
        return -1;
    bool ok = false;
    const int t = g.riga(r).parametro.toInt(&ok);
    return ok && t >= 0 && t < g.numIstruzioni() ? t : -1;
}

}  // namespace

bool apreBlocco(int codice)
{
    return codice == codici::Se || codice == codici::SeAttivoFai || codice == codici::SeDisattivoFai;
}

std::pair<int, int> bloccoDellaRiga(const Griglia& g, int r)
{
    const int n = g.numIstruzioni();
    int inizio = r;
    if (!apreBlocco(g.codice(r))) {
        if (r > 0 && apreBlocco(g.codice(r - 1))) {
            inizio = r - 1;  // an action row
        } else if (g.codice(r) == codici::FineSe) {
            // The "Se" it closes: the nearest one above with no other "FINE SE" in between.
            for (int i = r - 1; i >= 0 && g.codice(i) != codici::FineSe; --i)
                if (g.codice(i) == codici::Se) {
                    inizio = i;
                    break;
                }
        }
    }
    int fine = inizio;
    if (g.codice(inizio) == codici::Se) {
        while (fine < n - 1 && g.codice(fine) != codici::FineSe)
            ++fine;
    } else if (apreBlocco(g.codice(inizio))) {
        fine = std::min(inizio + 1, n - 1);
    }
    return {inizio, std::max(fine, r)};
}

std::vector<int> righeABlocchi(const Griglia& g, const std::vector<int>& righe)
{
    std::vector<bool> scelte(static_cast<size_t>(g.numIstruzioni()), false);
    for (int r : righe) {
        if (r < 0 || r >= g.numIstruzioni())
            continue;
        const auto [inizio, fine] = bloccoDellaRiga(g, r);
        for (int i = inizio; i <= fine; ++i)
            scelte[static_cast<size_t>(i)] = true;
    }
    std::vector<int> risultato;
    for (int i = 0; i < g.numIstruzioni(); ++i)
        if (scelte[static_cast<size_t>(i)])
            risultato.push_back(i);
    return risultato;
}

bool puntoDiInserimento(const Griglia& g, int p)
{
    const int n = g.numIstruzioni();
    if (p < 0 || p > n)
        return false;
    if (p == n)
        return true;  // appending is always allowed, as the palettes do
    if (p > 0 && apreBlocco(g.codice(p - 1)))
        return false;
    return !(g.codice(p) == codici::FineSe && bloccoDellaRiga(g, p).first < p);
}

int puntoValido(const Griglia& g, int p)
{
    p = std::clamp(p, 0, g.numIstruzioni());
    while (!puntoDiInserimento(g, p))
        ++p;
    return p;
}

std::vector<int> ordineSpostamento(int n, const std::vector<int>& righe, int p)
{
    std::vector<int> ordine;
    ordine.reserve(static_cast<size_t>(n));
    auto scelta = [&](int i) { return std::binary_search(righe.begin(), righe.end(), i); };
    for (int i = 0; i < p && i < n; ++i)
        if (!scelta(i))
            ordine.push_back(i);
    for (int r : righe)
        if (r >= 0 && r < n)
            ordine.push_back(r);
    for (int i = std::max(p, 0); i < n; ++i)
        if (!scelta(i))
            ordine.push_back(i);
    return ordine;
}

std::vector<int> ordineSenza(int n, const std::vector<int>& righe)
{
    std::vector<int> ordine;
    for (int i = 0; i < n; ++i)
        if (!std::binary_search(righe.begin(), righe.end(), i))
            ordine.push_back(i);
    return ordine;
}

void riordina(Griglia& g, const std::vector<int>& richiesto)
{
    const int n = g.numIstruzioni();
    std::vector<int> ordine;
    std::vector<int> nuovaPosizione(static_cast<size_t>(n), -1);
    for (int vecchia : richiesto)
        if (vecchia >= 0 && vecchia < n && nuovaPosizione[static_cast<size_t>(vecchia)] < 0) {
            nuovaPosizione[static_cast<size_t>(vecchia)] = static_cast<int>(ordine.size());
            ordine.push_back(vecchia);
        }
    std::vector<int> bersagli(static_cast<size_t>(n));
    for (int r = 0; r < n; ++r)
        bersagli[static_cast<size_t>(r)] = bersaglio(g, r);

    // The current row follows its instruction too.
    const int corrente = g.rigaCorrente();
    g.disponi(ordine);
    if (corrente < n && nuovaPosizione[static_cast<size_t>(corrente)] >= 0)
        g.seleziona(nuovaPosizione[static_cast<size_t>(corrente)], g.colonnaCorrente());
    for (int r = 0; r < g.numIstruzioni(); ++r) {
        const int t = bersagli[static_cast<size_t>(ordine[static_cast<size_t>(r)])];
        if (t < 0)
            continue;
        const int nuovo = nuovaPosizione[static_cast<size_t>(t)];
        g.riga(r).parametro = nuovo >= 0 ? QString::number(nuovo) : QString();
    }
}

std::vector<std::pair<int, int>> saltiVerso(const Griglia& g, const std::vector<int>& righe)
{
    std::vector<std::pair<int, int>> salti;
    for (int r = 0; r < g.numIstruzioni(); ++r) {
        const int t = bersaglio(g, r);
        if (t >= 0 && !std::binary_search(righe.begin(), righe.end(), r)
            && std::binary_search(righe.begin(), righe.end(), t))
            salti.emplace_back(t, r);
    }
    std::sort(salti.begin(), salti.end());
    return salti;
}

// ---- the editor's commands ----------------------------------------------------------------

bool Editor::sposta(int k, const std::vector<int>& scelte, int destinazione)
{
    if (k < 1 || k > NumeroGriglie)
        return false;
    Griglia& g = s_.griglia(k);
    const std::vector<int> righe = righeABlocchi(g, scelte);
    if (righe.empty() || !puntoDiInserimento(g, destinazione))
        return false;
    const Passo passo(*this);
    const std::vector<int> ordine = ordineSpostamento(g.numIstruzioni(), righe, destinazione);
    riordina(g, ordine);
    // The first moved row becomes the current one.
    for (size_t i = 0; i < ordine.size(); ++i)
        if (ordine[i] == righe.front())
            g.seleziona(static_cast<int>(i), ColCodice);
    return true;
}

void Editor::inserisciIn(int k, int codice, int riga)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    const Passo passo(*this);
    Griglia& g = s_.griglia(k);
    const int destinazione = puntoValido(g, riga);
    const int prima = g.numIstruzioni();
    inserisci(k, codice);
    if (g.numIstruzioni() == prima || destinazione >= prima)
        return;
    std::vector<int> nuove;
    for (int r = prima; r < g.numIstruzioni(); ++r)
        nuove.push_back(r);
    riordina(g, ordineSpostamento(g.numIstruzioni(), nuove, destinazione));
    g.seleziona(destinazione, ColCodice);
}

}  // namespace kobaltino
