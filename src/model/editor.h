#pragma once

#include "model/interazione.h"
#include "model/stato.h"
#include "model/storia.h"

#include <array>
#include <vector>

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
inline const QString DomandaCancellaRighe = QStringLiteral("Si vogliono cancellare le istruzioni selezionate?");
// Added to the deletion question when a "Vai a" that stays jumps to a row that goes.
inline QString DestinazioneVaiA(int bersaglio, int vaiA, bool selezionata)
{
    return (selezionata ? QStringLiteral("L'istruzione selezionata") : QStringLiteral("L'istruzione alla riga %1").arg(bersaglio))
           + QStringLiteral(" è la destinazione di un Vai a alla riga %1.").arg(vaiA);
}
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

    // One undoable step. Every change to the program made while it lives, by the editor's
    // commands or by its owner, is undone and redone as one; a step opened inside another
    // belongs to the outer one. Nothing is recorded when nothing changed, nor for a step that
    // opens while InserimentoAutomatico is set (loading a file). When the step records a
    // change, Modificato tells whether the program differs from the saved one.
    //
    //     { Editor::Passo passo(editor); editor.stato().griglia(k).riga(r).parametro = nuovo; }
    class Passo {
    public:
        explicit Passo(Editor& editor);
        ~Passo();
        Passo(const Passo&) = delete;
        Passo& operator=(const Passo&) = delete;
        // The program this step leaves has nothing to save ("Cancella tutto").
        void senzaNullaDaSalvare() { pulito_ = true; }

    private:
        Editor& e_;
        bool registra_;
        bool pulito_ = false;
    };

    // "Annulla" and "Ripeti". They return the grid the step changed (1..10), 0 when there was
    // nothing to do or only the memory panel changed.
    bool puoAnnullare() { return storia_.puoAnnullare(s_); }
    bool puoRipetere() { return storia_.puoRipetere(s_); }
    int annulla();
    int ripeti();
    const Storia& storia() const { return storia_; }

    // The insertion routine of `codice` on grid k, as the palettes and menus call it:
    // 9 is the grid's own "Vai a", 15 the whole "Se" block, 27 and 28 the condition with
    // its action row, 16 the "FINE SE" row alone.
    void inserisci(int k, int codice);

    // The row-only routines the file reader uses for codes 15, 16, 27, 28.
    void inserisciSoloRiga(int k, int codice);

    // Inserts as inserisci() does (dialog included), then puts the new rows before row `riga`
    // (an instruction dropped on the grid). A point inside a conditional block moves on to
    // the end of the block.
    void inserisciIn(int k, int codice, int riga);

    // Moves `righe` (widened to whole blocks) before row `destinazione`, keeping their order.
    // Every "Vai a" keeps jumping to its instruction. False when nothing moved (no rows, or a
    // destination between a conditional and its action row).
    bool sposta(int k, const std::vector<int>& righe, int destinazione);

    // Deletes the selected row of grid k ("Cancella").
    void cancella(int k);
    // Deletes several rows at once, widened to whole blocks, after one question.
    void cancellaRighe(int k, const std::vector<int>& righe);

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
    // Copy and cut of several rows, widened to whole blocks; "Incolla" then appends them all.
    void copiaRighe(int k, const std::vector<int>& righe);
    void tagliaRighe(int k, const std::vector<int>& righe);

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
    void dimenticaRiga(const Griglia& g, int r);
    bool domandaCancella(const Griglia& g, const std::vector<int>& righe, const QString& domanda, int selezionata);
    void togliRighe(int k, const std::vector<int>& righe);
    void incollaVoce(int k, const VoceAppunti& voce);
    static int righeDellaVoce(const VoceAppunti& appunti);
    Risposta chiediSalvataggio(const QString& titolo);
    void salva();
    void riscriviImpostazioni();

    Stato& s_;
    Interazione& ui_;
    AzioniFile* azioniFile_ = nullptr;
    Storia storia_;
    int passiAperti_ = 0;
};

}  // namespace kobaltino
