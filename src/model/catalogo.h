#pragma once

#include <QString>
#include <array>

namespace kobaltino {

struct Stato;

// The dialogs that insertion routines open.
enum class Dialogo {
    Nessuno,
    Attendi,
    VaiA,
    SeAttivoVaiA,
    SeDisattivoVaiA,
    ScriviRam,
    ScriviEeprom,
    SpostaEeprom,
    Incrementa,
    Decrementa,
    Swappa,
    ScorriDestra,
    ScorriSinistra,
    Complemento,
    Operazioni,
    Se,
    SeAttivoFai,
    SeDisattivoFai,
};

// Families of instructions, used to colour their icons.
enum class Famiglia { Moto, Attesa, Memoria, Salto, Condizione, Braccio };

namespace codici {
inline constexpr int Avanti = 1, Indietro = 2, Sinistra = 3, Destra = 4, RuotaASinistra = 5,
                     RuotaADestra = 6, Fermo = 7, Attendi = 8, VaiA = 9, SeAttivoVaiA = 10,
                     SeDisattivoVaiA = 11, Sleep = 12, ScriviRam = 13, Ritorna = 14, Se = 15,
                     FineSe = 16, ScriviEeprom = 17, SpostaEeprom = 18, Incrementa = 19,
                     Decrementa = 20, Braccio = 21, Swappa = 22, ScorriDestra = 23,
                     ScorriSinistra = 24, Complemento = 25, Operazioni = 26, SeAttivoFai = 27,
                     SeDisattivoFai = 28;
}

struct VoceCatalogo {
    int codice;
    const char* nome;         // palette text
    const char* nomeMenu;     // menu caption where it differs from the palette text
    const char* immagine;     // icon image name on the main window
    Famiglia famiglia;
    Dialogo dialogo;
    QString Stato::*parametro;  // parameter variable, nullptr when the code takes none
    bool Stato::*conferma;      // confirmation flag of its dialog, nullptr when none
    int parole;                 // program words added by the code generator
};

// The 28 instruction codes, indexed by code - 1.
const std::array<VoceCatalogo, 28>& catalogo();

// Entry of `codice`, nullptr outside 1..28.
const VoceCatalogo* voce(int codice);

// Code of the action row chosen by an action code ("1".."7", "Sleep", "19", "20", "21"),
// 0 when the action code names no action.
int codiceAzione(const QString& azione);

// The action code that inserts a row of `codice` ("Sleep" for 12, "21" for 14); the code
// itself as text when no action inserts it.
QString azioneDelCodice(const QString& codice);

// The ten grids: control name and caption.
struct VoceGriglia {
    int k;
    const char* controllo;  // "MSHFlexGrid1".."MSHFlexGrid10"
    const char* nome;       // "Griglia principale", "Luce destra", ...
};
const std::array<VoceGriglia, 10>& tabellaGriglie();
QString nomeControlloGriglia(int k);
QString nomeGriglia(int k);

}  // namespace kobaltino
