// Changing the parameter of a row already in a grid.
#include "model/modifica_parametro.h"

namespace kobaltino {

namespace {

// The rows a dialog can change. A "Braccio" row's state follows from the order of the arm
// rows (loading a program counts them again), so it has nothing to change.
bool conParametro(int codice)
{
    const VoceCatalogo* v = voce(codice);
    return v != nullptr && (v->parametro != nullptr || codice == codici::VaiA);
}

// "Ram5 d'100'" -> 5 (prefix "Ram"); 0 when the text names no cell.
int cellaScritta(const QString& parametro)
{
    bool ok = false;
    const int cella = parametro.section(u' ', 0, 0).mid(3).toInt(&ok);
    return ok && cella >= 1 && cella <= CelleMemoria ? cella : 0;
}

void etichettaBersaglio(Stato& s, int k, int vecchio, int nuovo)
{
    Griglia& g = s.griglia(k);
    if (nuovo >= 0 && nuovo < g.numIstruzioni() && g.riga(nuovo).etichetta.isEmpty()) {
        int& prossima = s.NumEtichette[static_cast<size_t>(k - 1)];
        while (g.haEtichetta(QString::number(prossima)))
            ++prossima;
        g.riga(nuovo).etichetta = QString::number(prossima++);
    }
    if (vecchio < 0 || vecchio >= g.numIstruzioni() || vecchio == nuovo)
        return;
    for (int r = 0; r < g.numIstruzioni(); ++r)
        if (g.codice(r) == codici::VaiA && g.riga(r).parametro == QString::number(vecchio))
            return;  // another jump still lands there
    g.riga(vecchio).etichetta.clear();
}

int numero(const QString& testo)
{
    bool ok = false;
    const int n = testo.toInt(&ok);
    return ok ? n : -1;
}

}  // namespace

bool modificaParametro(Stato& s, int k, int riga, const QString& nuovoTesto)
{
    if (k < 1 || k > NumeroGriglie)
        return false;
    Griglia& g = s.griglia(k);
    if (riga < 0 || riga >= g.numIstruzioni())
        return false;
    const int codice = g.codice(riga);
    const QString vecchio = g.riga(riga).parametro;
    if (!conParametro(codice) || nuovoTesto == vecchio)
        return false;

    g.riga(riga).parametro = nuovoTesto;
    if (codice == codici::VaiA) {
        etichettaBersaglio(s, k, numero(vecchio), numero(nuovoTesto));
    } else if (codice == codici::ScriviRam || codice == codici::ScriviEeprom) {
        const Memoria m = codice == codici::ScriviRam ? Memoria::Ram : Memoria::Eeprom;
        if (const int cella = cellaScritta(vecchio))
            s.marca(m, cella).clear();
        if (const int cella = cellaScritta(nuovoTesto))
            s.marca(m, cella) = nuovoTesto.section(u' ', 1);
    }
    s.Modificato = true;
    return true;
}

bool modificaRiga(Editor& editor, int k, int riga)
{
    Stato& s = editor.stato();
    if (k < 1 || k > NumeroGriglie || riga < 0 || riga >= s.NumIstruzioni(k))
        return false;
    const Griglia& g = s.griglia(k);
    const int codice = g.codice(riga);
    const VoceCatalogo* v = voce(codice);
    if (v == nullptr || !conParametro(codice))
        return false;
    const QString attuale = g.riga(riga).parametro;

    EsitoDialogo valore;
    valore.parametro = attuale;
    if (codice == codici::VaiA)
        valore.riga = numero(attuale);
    if (codice == codici::Se || codice == codici::SeAttivoFai || codice == codici::SeDisattivoFai) {
        const int sotto = riga + 1 < g.numIstruzioni() ? g.codice(riga + 1) : 0;
        valore.azione = sotto != 0 && sotto != codici::FineSe ? azioneDelCodice(QString::number(sotto)) : QString();
    }
    // The input lists leave out the grid's own input, as on insertion.
    s.NomeGriglia = nomeControlloGriglia(k);

    // The cell this row writes is not "already used" by another value: leave its mark out.
    Stato perDialogo = s;
    if (codice == codici::ScriviRam || codice == codici::ScriviEeprom)
        if (const int cella = cellaScritta(attuale))
            perDialogo.marca(codice == codici::ScriviRam ? Memoria::Ram : Memoria::Eeprom, cella).clear();

    const std::optional<EsitoDialogo> esito = editor.interazione().modificaDialogo(v->dialogo, k, perDialogo, valore);
    if (!esito)
        return false;
    const QString nuovo = codice == codici::VaiA ? QString::number(esito->riga) : esito->parametro;
    if (codice == codici::VaiA && (esito->riga < 0 || esito->riga >= g.numIstruzioni()))
        return false;
    // One step of the history: "Annulla" gives the old value back.
    const Editor::Passo passo(editor);
    return modificaParametro(s, k, riga, nuovo);
}

}  // namespace kobaltino
