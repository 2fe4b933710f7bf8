#pragma once

// The simulator beside the program: the arena from above with the robot, the controls of the run,
// the inputs, the memory and ports, and the timeline. While it runs, the row being executed is
// highlighted in its grid of the main window.
#include "codegen/sorgente.h"
#include "sim/arena.h"
#include "ui/simulazione.h"

#include <QMainWindow>
#include <QRect>

#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QTimer;

namespace kobaltino {

class Editor;
class FrmAvvio;
class LineaTempo;
class PannelloIngressi;
class PannelloMemoriaSim;
class PannelloSfida;
class VistaArena;

class FinestraSimulatore : public QMainWindow {
    Q_OBJECT
public:
    FinestraSimulatore(Editor& editor, FrmAvvio& principale);
    ~FinestraSimulatore() override;

    // "Simula": shows the window beside the program and compiles the program for the chosen
    // processor; false when it did not compile (the reason was shown).
    bool apri();
    // The program may have changed: a run of an older program stops, the next start recompiles;
    // another program brings its own arena (asking first about an edited one).
    void controllaProgramma();
    // An edited arena that is about to go: asks to save it (save, discard, cancel) and returns
    // false when the user cancels or the save did not happen.
    bool lasciaArena();
    bool arenaModificata() const { return arenaModificata_; }

    // The controls, as the buttons deliver them.
    void avvia();  // Avvia / Pausa
    void passo();
    void ricomincia();
    void scegliArena(const QString& chiave);  // a built-in name, "nessuna", or a file path
    bool apriArena();                         // asks for a file
    bool salvaArena();                        // asks for a file
    // "Sfida...": a built-in challenge or a .sfida file, its arena and its goals; false when it
    // could not be read (the reason was shown).
    bool apriSfida(const QString& nome);
    bool salvaSfida();  // the arena and its goal zones as a challenge file; asks for a file
    PannelloSfida* pannelloSfida() const { return sfida_; }
    // "0.5", "1", "4", "16" or "max"; anything else leaves the speed as it is.
    void impostaVelocita(const QString& testo);

    Simulazione& simulazione() { return simulazione_; }
    VistaArena* vistaArena() const { return vista_; }
    PannelloIngressi* ingressi() const { return ingressi_; }
    PannelloMemoriaSim* memoria() const { return memoria_; }
    LineaTempo* lineaTempo() const { return tempo_; }
    QComboBox* sceltaArena() const { return arene_; }
    QComboBox* sceltaVelocita() const { return velocita_; }
    QAction* azione(const QString& nome) const;
    const std::optional<Arena>& arena() const { return arena_; }
    // The row highlighted in the main window, {0, -1} when none.
    Origine rigaMostrata() const { return rigaMostrata_; }

    // Draws the moment now (the frame timer does it at its own rate).
    void ridisegna();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void creaComandi();
    void creaStrumentiArena();
    QWidget* creaCentro();
    void creaSfida();  // the challenge panel and its commands
    void chiediSfida();
    void sfidaPerArena(const QString& chiave);  // another arena than the challenge's closes it
    bool compila();
    bool pronta();  // compiled, and for the program as it is now
    QString impronta() const;
    void mostraRiga(Origine riga);
    void arenaCambiata(const Arena& arena);
    void seguiProgramma();
    void affianca();
    void ricordaArenaDelProgramma();
    QString fileArenaProposto() const;
    void aggiungiVoceArena(const QString& testo, const QString& chiave);
    void statoCambiato(bool inCorso);
    void avviso(const QString& testo);

    Editor& editor_;
    FrmAvvio& principale_;
    Simulazione simulazione_;
    std::optional<Arena> arena_;
    QString chiaveArena_;  // the arena list's entry of arena_ (before any editing)
    bool arenaModificata_ = false;  // edited since it was chosen, opened or saved
    // The main window's place before it made room for this one, and the place it was given:
    // closing gives the room back unless the user has moved it since.
    QRect principalePrima_, principaleStretta_;
    QString programmaSeguito_;      // the program whose arena was chosen last
    QString programmaArena_;        // the program the arena shown was chosen for
    QString improntaCompilata_;  // the program the run belongs to
    bool daRicompilare_ = false;
    bool daRidisegnare_ = true;
    Origine rigaMostrata_;

    VistaArena* vista_ = nullptr;
    PannelloIngressi* ingressi_ = nullptr;
    PannelloMemoriaSim* memoria_ = nullptr;
    LineaTempo* tempo_ = nullptr;
    QComboBox* arene_ = nullptr;
    QComboBox* velocita_ = nullptr;
    QActionGroup* strumenti_ = nullptr;
    QLabel* stato_ = nullptr;
    QTimer* fotogrammi_ = nullptr;
    PannelloSfida* sfida_ = nullptr;
};

}  // namespace kobaltino
