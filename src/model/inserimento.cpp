// Insertion routines: every instruction row enters a grid here.
#include "model/editor.h"

namespace kobaltino {

Editor::Editor(Stato& stato, Interazione& interazione) : s_(stato), ui_(interazione) {}

bool Editor::rifiutaSePiena(const Griglia& g)
{
    if (!g.piena())
        return false;
    ui_.mostra({testi::LimiteIstruzioni});
    return true;
}

void Editor::scriviRiga(int k, int codice, const QString& parametro)
{
    if (s_.griglia(k).accoda(codice, parametro) >= 0)
        s_.Modificato = true;
}

void Editor::inserisci(int k, int codice)
{
    const VoceCatalogo* v = voce(codice);
    if (k < 1 || k > NumeroGriglie || v == nullptr)
        return;
    const Passo passo(*this);
    switch (codice) {
    case codici::VaiA:
        inserisciVaiA(k);
        return;
    case codici::Se:
    case codici::SeAttivoFai:
    case codici::SeDisattivoFai:
        inserisciBlocco(k, *v);
        return;
    case codici::FineSe:
        inserisciSoloRiga(k, codice);
        return;
    case codici::Braccio:
        inserisciBraccio(k);
        return;
    default:
        break;
    }
    if (v->dialogo != Dialogo::Nessuno) {
        inserisciConDialogo(k, *v);
    } else if (!rifiutaSePiena(s_.griglia(k))) {
        scriviRiga(k, codice, QString());
    }
}

bool Editor::mostraDialogo(Dialogo d, int k, QString& parametro, bool& conferma)
{
    conferma = false;
    const std::optional<EsitoDialogo> esito = ui_.apriDialogo(d, k, s_);
    if (!esito)
        return false;
    parametro = esito->parametro;
    conferma = true;
    if (d == Dialogo::Se || d == Dialogo::SeAttivoFai || d == Dialogo::SeDisattivoFai)
        s_.AzioneSe = esito->azione;
    if ((d == Dialogo::ScriviRam || d == Dialogo::ScriviEeprom) && esito->cella >= 1
        && esito->cella <= CelleMemoria)
        s_.marca(d == Dialogo::ScriviRam ? Memoria::Ram : Memoria::Eeprom, esito->cella) = esito->marca;
    return true;
}

void Editor::inserisciConDialogo(int k, const VoceCatalogo& v)
{
    if (rifiutaSePiena(s_.griglia(k)))
        return;
    if (v.codice == codici::SeAttivoVaiA || v.codice == codici::SeDisattivoVaiA)
        s_.NomeGriglia = nomeControlloGriglia(k);
    QString& parametro = s_.*v.parametro;
    bool& conferma = s_.*v.conferma;
    if (!s_.InserimentoAutomatico)
        mostraDialogo(v.dialogo, k, parametro, conferma);
    if (conferma)
        scriviRiga(k, v.codice, parametro);
}

void Editor::inserisciVaiA(int k)
{
    Griglia& g = s_.griglia(k);
    if (rifiutaSePiena(g))
        return;
    bool& conferma = s_.OkVaiA[static_cast<size_t>(k - 1)];
    if (!s_.InserimentoAutomatico) {
        conferma = false;
        const std::optional<EsitoDialogo> esito = ui_.apriDialogo(Dialogo::VaiA, k, s_);
        if (esito && esito->riga >= 0 && esito->riga < g.numIstruzioni()) {
            conferma = true;
            s_.RigaSalto = esito->riga;
            assegnaEtichetta(k, esito->riga);
        }
    }
    if (conferma)
        scriviRiga(k, codici::VaiA, QString::number(s_.RigaSalto));
}

void Editor::assegnaEtichetta(int k, int riga)
{
    Griglia& g = s_.griglia(k);
    int& prossima = s_.NumEtichette[static_cast<size_t>(k - 1)];
    // A loaded program may already use some numbers: never give two rows one label.
    while (g.haEtichetta(QString::number(prossima)))
        ++prossima;
    g.riga(riga).etichetta = QString::number(prossima);
    ++prossima;
}

void Editor::inserisciBlocco(int k, const VoceCatalogo& v)
{
    Griglia& g = s_.griglia(k);
    // A "Se" block is written whole or not at all: it needs three free rows.
    const int righeNecessarie = v.codice == codici::Se ? 3 : 1;
    if (g.righeLibere() < righeNecessarie) {
        ui_.mostra({testi::LimiteIstruzioni});
        return;
    }
    s_.NomeGriglia = nomeControlloGriglia(k);
    QString& parametro = s_.*v.parametro;
    bool& conferma = s_.*v.conferma;
    if (!s_.InserimentoAutomatico)
        mostraDialogo(v.dialogo, k, parametro, conferma);
    if (!conferma)
        return;
    scriviRiga(k, v.codice, parametro);
    if (const int azione = codiceAzione(s_.AzioneSe))
        inserisci(k, azione);
    if (v.codice == codici::Se)
        scriviRiga(k, codici::FineSe, QString());
    s_.Modificato = true;
}

void Editor::inserisciSoloRiga(int k, int codice)
{
    if (k < 1 || k > NumeroGriglie)
        return;
    const Passo passo(*this);
    if (rifiutaSePiena(s_.griglia(k)))
        return;
    switch (codice) {
    case codici::Se:
    case codici::SeAttivoFai:
    case codici::SeDisattivoFai:
        s_.NomeGriglia = nomeControlloGriglia(k);
        scriviRiga(k, codice, s_.ParSe);
        break;
    case codici::FineSe:
        scriviRiga(k, codice, QString());
        break;
    default:
        break;
    }
}

// "Aperto" becomes "Chiuso"; anything else, an empty state included, becomes "Aperto".
void Editor::invertiBraccio()
{
    s_.StatoBraccio = s_.StatoBraccio == QLatin1String("Aperto") ? QStringLiteral("Chiuso") : QStringLiteral("Aperto");
}

void Editor::inserisciBraccio(int k)
{
    if (rifiutaSePiena(s_.griglia(k)))
        return;
    if (s_.AuxAbilitata && !s_.InserimentoAutomatico) {
        const Risposta r = ui_.mostra({testi::DomandaBraccio, Icona::Informazione, TitoloApplicazione, Pulsanti::SiNo});
        if (r != Risposta::Si)
            return;
    }
    s_.AuxAbilitata = false;
    invertiBraccio();
    scriviRiga(k, codici::Braccio, s_.StatoBraccio);
}

}  // namespace kobaltino
