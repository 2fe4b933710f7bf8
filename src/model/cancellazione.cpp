// "Cancella": deletion of the selected rows, keeping conditional blocks well formed and every
// remaining "Vai a" on its instruction.
#include "model/editor.h"
#include "model/spostamento.h"

namespace kobaltino {

bool Editor::domandaCancella(const Griglia& g, const std::vector<int>& righe, const QString& domanda, int selezionata)
{
    QString testo = domanda;
    for (const auto& [bersaglio, vaiA] : saltiVerso(g, righe))
        testo += CrLf + testi::DestinazioneVaiA(bersaglio, vaiA, bersaglio == selezionata);
    return ui_.mostra({testo, Icona::Informazione, testi::Attenzione, Pulsanti::SiNo}) == Risposta::Si;
}

void Editor::cancella(int k)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    const Passo passo(*this);
    Griglia& g = s_.griglia(k);
    const int s = g.rigaCorrente();
    if (g.numIstruzioni() == 0 || g.testoCella(s, g.colonnaCorrente()).isEmpty() || s >= g.numIstruzioni())
        return;

    // The rows that would go: none when the row is refused below.
    const int codice = g.codice(s);
    const bool rifiutata = codice == codici::FineSe
                           || (!apreBlocco(codice) && s > 0 && apreBlocco(g.codice(s - 1)));
    std::vector<int> righe;
    if (codice == codici::Se) {
        for (int r = s; r <= bloccoDellaRiga(g, s).second; ++r)
            righe.push_back(r);
    } else if (!rifiutata) {
        righe.push_back(s);
    }
    if (!domandaCancella(g, righe, testi::DomandaCancella, s))
        return;
    if (codice == codici::FineSe) {
        ui_.mostra({testi::NoCancellaFineSe});
        return;
    }
    if (rifiutata) {
        ui_.mostra({testi::NoCancellaAzione});
        return;
    }
    // A "Se" takes its whole block; the rows inside it are a motion, "Sleep", "Ritorna" or a
    // register step, none of which leaves anything behind.
    if (codice != codici::Se)
        dimenticaRiga(g, s);
    togliRighe(k, righe);
}

void Editor::cancellaRighe(int k, const std::vector<int>& scelte)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    const Passo passo(*this);
    Griglia& g = s_.griglia(k);
    const std::vector<int> righe = righeABlocchi(g, scelte);
    if (righe.empty())
        return;
    if (!domandaCancella(g, righe, testi::DomandaCancellaRighe, -1))
        return;
    for (int r : righe)
        dimenticaRiga(g, r);
    togliRighe(k, righe);
}

// What a row leaves behind when it goes: a "Braccio" winds the arm state back, a memory
// write frees its cell.
void Editor::dimenticaRiga(const Griglia& g, int r)
{
    switch (g.codice(r)) {
    case codici::Braccio:
        invertiBraccio();
        break;
    case codici::ScriviRam:
        liberaCella(g.riga(r).parametro, Memoria::Ram);
        break;
    case codici::ScriviEeprom:
        liberaCella(g.riga(r).parametro, Memoria::Eeprom);
        break;
    default:
        break;
    }
}

void Editor::togliRighe(int k, const std::vector<int>& righe)
{
    Griglia& g = s_.griglia(k);
    const int corrente = righe.empty() ? g.rigaCorrente() : righe.front();
    riordina(g, ordineSenza(g.numIstruzioni(), righe));
    g.seleziona(corrente, g.colonnaCorrente());
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

namespace {
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
