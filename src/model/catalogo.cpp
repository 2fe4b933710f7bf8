#include "model/catalogo.h"

#include "model/stato.h"

namespace kobaltino {

namespace {

using F = Famiglia;
using D = Dialogo;

const std::array<VoceCatalogo, 28> Catalogo = {{
    {1, "Avanti", "Avanti", "imgAvanti", F::Moto, D::Nessuno, nullptr, nullptr, 2},
    {2, "Indietro", "Indietro", "imgIndietro", F::Moto, D::Nessuno, nullptr, nullptr, 2},
    {3, "Sinistra", "Sinistra", "imgSinistra", F::Moto, D::Nessuno, nullptr, nullptr, 2},
    {4, "Destra", "Destra", "imgDestra", F::Moto, D::Nessuno, nullptr, nullptr, 2},
    {5, "Ruota a SX", "Ruota a sinistra", "imgRuota_A_SX", F::Moto, D::Nessuno, nullptr, nullptr, 2},
    {6, "Ruota a DX", "Ruota a destra", "imgRuota_A_DX", F::Moto, D::Nessuno, nullptr, nullptr, 2},
    {7, "Fermo", "Fermo", "imgFermo", F::Moto, D::Nessuno, nullptr, nullptr, 2},
    {8, "Attendi", "Attendi", "imgAttendi", F::Attesa, D::Attendi, &Stato::ParAttendi, &Stato::OkAttendi, 1},
    {9, "Vai a", "Vai a", "imgVai_A", F::Salto, D::VaiA, nullptr, nullptr, 1},
    {10, "Se attivo vai a", "Se attivo vai a", "ImgAttivo_Vai_A", F::Salto, D::SeAttivoVaiA,
     &Stato::ParSensore, &Stato::OkSeAttivoVaiA, 2},
    {11, "Se disattivo vai a", "Se disattivo vai a", "ImgDisattivo_Vai_A", F::Salto, D::SeDisattivoVaiA,
     &Stato::ParSensore, &Stato::OkSeDisattivoVaiA, 2},
    {12, "Sleep", "Sleep", "imgSleep", F::Attesa, D::Nessuno, nullptr, nullptr, 1},
    {13, "Scrivi Ram", "Scrivi Ram", "imgScrivi_Ram", F::Memoria, D::ScriviRam, &Stato::ParScriviRam,
     &Stato::OkScriviRam, 2},
    {14, "Ritorna", "Ritorna", "imgRitorna", F::Salto, D::Nessuno, nullptr, nullptr, 1},
    {15, "Se", "Se", "imgSe", F::Condizione, D::Se, &Stato::ParSe, &Stato::OkSe, 4},
    {16, "FINE SE", "FINE SE", "imgFineSe", F::Condizione, D::Nessuno, nullptr, nullptr, 0},
    {17, "Scrivi Eeprom", "Scrivi Eeprom", "imgScrivieeprom", F::Memoria, D::ScriviEeprom,
     &Stato::ParScriviEeprom, &Stato::OkScriviEeprom, 18},
    {18, "Sposta Eeprom", "Sposta Eeprom", "imgSpostaEeprom", F::Memoria, D::SpostaEeprom,
     &Stato::ParSpostaEeprom, &Stato::OkSpostaEeprom, 16},
    {19, "Incrementa", "Incrementa", "imgIncrementa", F::Memoria, D::Incrementa, &Stato::ParIncrementa,
     &Stato::OkIncrementa, 1},
    {20, "Decrementa", "Decrementa", "imgDecrementa", F::Memoria, D::Decrementa, &Stato::ParDecrementa,
     &Stato::OkDecrementa, 1},
    {21, "Braccio", "Braccio", "imgBraccio", F::Braccio, D::Nessuno, nullptr, nullptr, 3},
    {22, "Swappa", "Swappa", "imgSwapp", F::Memoria, D::Swappa, &Stato::ParSwappa, &Stato::OkSwappa, 1},
    {23, "Scorri a destra", "Scorri a destra", "imgScorriDestra", F::Memoria, D::ScorriDestra,
     &Stato::ParScorriDestra, &Stato::OkScorriDestra, 1},
    {24, "Scorri a sinistra", "Scorri a sinistra", "imgScorriSinistra", F::Memoria, D::ScorriSinistra,
     &Stato::ParScorriSinistra, &Stato::OkScorriSinistra, 1},
    {25, "Complemento", "Complemento", "imgComplemento", F::Memoria, D::Complemento,
     &Stato::ParComplemento, &Stato::OkComplemento, 1},
    {26, "Operazioni tra registri", "Operazioni tra registri", "ImgSommaRegistri", F::Memoria,
     D::Operazioni, &Stato::ParOperazioni, &Stato::OkOperazioni, 2},
    {27, "Se attivo fai", "Se attivo fai", "imgSeAttivoFai", F::Condizione, D::SeAttivoFai,
     &Stato::ParSensore, &Stato::OkSeAttivoFai, 1},
    {28, "Se disattivo fai", "Se disattivo fai", "imgSeDisattivoFai", F::Condizione, D::SeDisattivoFai,
     &Stato::ParSensore, &Stato::OkSeDisattivoFai, 1},
}};

struct VoceAzione {
    const char* azione;
    int codice;
};

// "21" stands for "Ritorna" (code 14), not for "Braccio".
const std::array<VoceAzione, 11> Azioni = {{
    {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6", 6}, {"7", 7},
    {"Sleep", 12}, {"19", 19}, {"20", 20}, {"21", 14},
}};

const std::array<VoceGriglia, 10> Griglie = {{
    {1, "MSHFlexGrid1", "Griglia principale"},
    {2, "MSHFlexGrid2", "Luce destra"},
    {3, "MSHFlexGrid3", "Luce sinistra"},
    {4, "MSHFlexGrid4", "Prossimità destra"},
    {5, "MSHFlexGrid5", "Prossimità sinistra"},
    {6, "MSHFlexGrid6", "Ottico destro"},
    {7, "MSHFlexGrid7", "Ottico sinistro"},
    {8, "MSHFlexGrid8", "Ultrasuoni"},
    {9, "MSHFlexGrid9", "Sensore rotazione"},
    {10, "MSHFlexGrid10", "Aux"},
}};

}  // namespace

const std::array<VoceCatalogo, 28>& catalogo() { return Catalogo; }

const VoceCatalogo* voce(int codice)
{
    return codice >= 1 && codice <= 28 ? &Catalogo[static_cast<size_t>(codice - 1)] : nullptr;
}

int codiceAzione(const QString& azione)
{
    for (const VoceAzione& a : Azioni)
        if (azione == QLatin1String(a.azione))
            return a.codice;
    return 0;
}

QString azioneDelCodice(const QString& codice)
{
    for (const VoceAzione& a : Azioni)
        if (codice == QString::number(a.codice))
            return QString::fromLatin1(a.azione);
    return codice;
}

const std::array<VoceGriglia, 10>& tabellaGriglie() { return Griglie; }

QString nomeControlloGriglia(int k)
{
    return k >= 1 && k <= 10 ? QString::fromLatin1(Griglie[static_cast<size_t>(k - 1)].controllo) : QString();
}

QString nomeGriglia(int k)
{
    return k >= 1 && k <= 10 ? QString::fromUtf8(Griglie[static_cast<size_t>(k - 1)].nome) : QString();
}

}  // namespace kobaltino
