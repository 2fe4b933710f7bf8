#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>

namespace kobaltino {

// The commands of the main window. Insertion carries the instruction code.
enum class Azione {
    Nessuna,
    Nuovo,
    Apri,
    Salva,
    SalvaConNome,
    Chiudi,
    Taglia,
    Copia,
    Incolla,
    Cancella,
    CancellaGriglia,
    CancellaTutto,
    Compilatore,
    Compila,
    Simula,
    Programmatore,
    Trasferisci,
    GuidaInLinea,
    InformazioniSu,
    Inserisci,
    Annulla,
    Ripeti,
};

struct Comando {
    Azione azione = Azione::Nessuna;
    int codice = 0;  // instruction code of Azione::Inserisci

    bool operator==(const Comando&) const = default;
};

// One entry of the menu bar: a top-level menu (padre == nullptr), a submenu, an item or a
// separator (chiave == nullptr).
struct VoceMenu {
    const char* chiave;
    const char* padre;
    const char* testo;
    const char* scorciatoia;  // shortcut hint, also the real shortcut; "; " between several
    Comando comando;
    bool conIcona;  // shows the toolbar's icon of its command
};

// The menu tree in building order: every entry comes after its parent.
std::span<const VoceMenu> alberoMenu();

// The command of a menu key; Azione::Nessuna for top-level and submenu keys or unknown text.
Comando comandoDelTasto(const QString& chiave);

// Toolbar buttons in the order shown: 1..11, then 12 and 13 ("Annulla", "Ripeti") after
// "Incolla", 14 ("Simula") and 15 ("Trasferisci") after "Compila". A separator has no tool tip and no command.
struct VocePulsante {
    int indice;
    const char* suggerimento;
    Azione azione;
};
const std::array<VocePulsante, 15>& pulsantiBarra();
Comando comandoDelPulsante(int indice);

// The palettes of grid k: the "comuni" and the "salto" lists, their control names and items.
struct Tavolozze {
    QString nomeComuni, nomeSalto;
    QStringList comuni, salto;
};
Tavolozze tavolozzeDellaGriglia(int k);

// The instruction a palette item inserts: the catalogue entry whose palette text is exactly
// `testo`, 0 when none ("Sleep" and "FINE SE" are in no palette and are refused too).
int codiceDellaVoce(const QString& testo);

}  // namespace kobaltino
