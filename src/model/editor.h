#pragma once

#include "model/interazione.h"
#include "model/stato.h"

#include <array>

namespace kobaltino {

// The file operations the editing commands need ("Nuovo" and "Chiudi" offer to save,
// "Chiudi" rewrites the settings file). Filled in by the program-file layer.
class AzioniFile {
public:
    virtual ~AzioniFile() = default;
    virtual void salva() = 0;
    virtual void riscriviImpostazioni() = 0;
};

// Messages of the editing commands.
namespace testi {
inline const QString LimiteIstruzioni = QStringLiteral("Non è possibile inserire più di 950 istruzioni.");
inline const QString DomandaBraccio = QStringLiteral("L'inserimento di questa funzione disattiverà la griglia AUX.") + CrLf
                                      + QStringLiteral("Vuoi continuare?");
inline const QString DomandaCancella = QStringLiteral("Si vuole cancellare l'istruzione selezionata?");
inline const QString NoCancellaFineSe = QStringLiteral("Non è possibile cancellare l'istruzione FINE SE.") + CrLf
                                        + QStringLiteral("Cancellare l'istruzione 'SE', inserita precedentemente");
inline const QString NoCancellaAzione = QStringLiteral("L'istruzione non si può cancellare.") + CrLf
                                        + QStringLiteral("Cancellare l'istruzione precedente.");
inline const QString DomandaCancellaTutto = QStringLiteral("Vuoi cancellare tutte le istruzioni?");
inline const QString DomandaSalvare = QStringLiteral("Il programma non è stato salvato.") + CrLf
                                      + QStringLiteral("Salvare adesso?");
inline const QString Attenzione = QStringLiteral("ATTENZIONE");
// Saving and compiling need at least one instruction in the main grid.
inline const QString GrigliaPrincipaleVuota = QStringLiteral("Inserire almeno un codice nella griglia principale");
}  // namespace testi

// Every editing command of the program: insertion, deletion, clipboard, clearing, close.
class Editor {
public:
    Editor(Stato& stato, Interazione& interazione);

    void impostaAzioniFile(AzioniFile* azioni) { azioniFile_ = azioni; }

    Stato& stato() { return s_; }
    Interazione& interazione() { return ui_; }

    // The insertion routine of `codice` on grid k, as the palettes and menus call it:
    // 9 is the grid's own "Vai a", 15 the whole "Se" block, 27 and 28 the condition with
    // its action row, 16 the "FINE SE" row alone.
    void inserisci(int k, int codice);

    // The row-only routines the file reader uses for codes 15, 16, 27, 28.
    void inserisciSoloRiga(int k, int codice);

    // Deletes the selected row of grid k ("Cancella").
    void cancella(int k);

    // Enables the "Aux" tab again when no grid holds a "Braccio" row.
    void riesaminaBraccio();

    // The "Aux" tab and the arm state as the program's rows say: the tab is disabled exactly
    // when some grid holds a "Braccio" row (PORTB bit 7 then drives the arm), and the arm
    // stands as the last of those rows, grid by grid, left it ("Chiuso" when there is none).
    // "Nuovo", "Apri", "Cancella tutto" and "Cancella griglia" end with it.
    void seguiBraccio();

    void copia(int k);
    void incolla(int k);
    void taglia(int k);

    void cancellaTutto();
    // "&Cancella" of the grid-clearing dialog: grids 1..8 as checked.
    // Returns false when it stopped at an empty checked grid (the dialog stays open).
    bool cancellaGriglie(const std::array<bool, 8>& selezionate);
    void nuovo();
    // "Chiudi": returns true when the program ends.
    bool chiudi();
    // Closing the main window: returns true when the window may close.
    bool chiusuraFinestra();

    // Writes the label of a "Vai a" target: the grid's next label number that no row
    // of the grid carries yet.
    void assegnaEtichetta(int k, int riga);

private:
    bool rifiutaSePiena(const Griglia& g);
    void scriviRiga(int k, int codice, const QString& parametro);
    void inserisciConDialogo(int k, const VoceCatalogo& v);
    void inserisciVaiA(int k);
    void inserisciBlocco(int k, const VoceCatalogo& v);
    void inserisciBraccio(int k);
    bool mostraDialogo(Dialogo d, int k, QString& parametro, bool& conferma);
    void invertiBraccio();
    void liberaCella(const QString& parametro, Memoria memoria);
    Risposta chiediSalvataggio(const QString& titolo);
    void salva();
    void riscriviImpostazioni();

    Stato& s_;
    Interazione& ui_;
    AzioniFile* azioniFile_ = nullptr;
};

}  // namespace kobaltino
