// "Cancella": deletion of the selected row, keeping conditional blocks well formed.
#include "model/editor.h"

namespace kobaltino {

namespace {
bool apreBlocco(int codice)
{
    return codice == codici::Se || codice == codici::SeAttivoFai || codice == codici::SeDisattivoFai;
}

// The last "Braccio" row of the program, grid by grid; nullptr when there is none.
const Riga* ultimoBraccio(const Stato& s)
{
    const Riga* ultimo = nullptr;
    for (const Griglia& g : s.griglie)
        for (int r = 0; r < g.numIstruzioni(); ++r)
            if (g.codice(r) == codici::Braccio)
                ultimo = &g.riga(r);
    return ultimo;
}
}  // namespace

void Editor::cancella(int k)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    Griglia& g = s_.griglia(k);
    const int s = g.rigaCorrente();
    if (g.numIstruzioni() == 0 || g.testoCella(s, g.colonnaCorrente()).isEmpty() || s >= g.numIstruzioni())
        return;
    const Messaggio domanda{testi::DomandaCancella, Icona::Informazione, testi::Attenzione, Pulsanti::SiNo};
    if (ui_.mostra(domanda) != Risposta::Si)
        return;

    const int codice = g.codice(s);
    if (codice == codici::FineSe) {
        ui_.mostra({testi::NoCancellaFineSe});
        return;
    }
    if (codice == codici::Se) {
        // The block runs from the "Se" row to its first "FINE SE" row.
        int fine = s;
        while (fine < g.numIstruzioni() - 1 && g.codice(fine) != codici::FineSe)
            ++fine;
        g.rimuovi(s, fine - s + 1);
        s_.Modificato = true;
        riesaminaBraccio();
        return;
    }
    if (codice != codici::SeAttivoFai && codice != codici::SeDisattivoFai) {
        if (s > 0 && apreBlocco(g.codice(s - 1))) {
            ui_.mostra({testi::NoCancellaAzione});
            return;
        }
        if (codice == codici::Braccio)
            invertiBraccio();
        if (codice == codici::ScriviRam)
            liberaCella(g.riga(s).parametro, Memoria::Ram);
        if (codice == codici::ScriviEeprom)
            liberaCella(g.riga(s).parametro, Memoria::Eeprom);
    }
    g.rimuovi(s);
    s_.Modificato = true;
    riesaminaBraccio();
}

void Editor::liberaCella(const QString& parametro, Memoria memoria)
{
    // "Ram5 d'100'" frees cell 5: the address follows the three-letter prefix.
    bool ok = false;
    const int cella = parametro.section(QLatin1Char(' '), 0, 0).mid(3).toInt(&ok);
    if (ok && cella >= 1 && cella <= CelleMemoria)
        s_.marca(memoria, cella).clear();
}

void Editor::riesaminaBraccio()
{
    if (ultimoBraccio(s_) == nullptr)
        s_.AuxAbilitata = true;
}

void Editor::seguiBraccio()
{
    const Riga* ultimo = ultimoBraccio(s_);
    s_.AuxAbilitata = ultimo == nullptr;
    s_.StatoBraccio = ultimo ? ultimo->parametro : QStringLiteral("Chiuso");
}

}  // namespace kobaltino
