#pragma once

#include "model/editor.h"
#include "ui/comandi.h"

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QToolBar;

namespace kobaltino {

class FinestraSimulatore;
struct IntestazioneStampa;
class ModelloGriglia;
class PannelloMemoria;
class VistaGriglia;

// The commands that live outside the editing core: files, settings, compiling, help.
// An empty function shows that the command is not available.
struct ComandiEsterni {
    std::function<void()> apri, salva, salvaConNome, compilatore, compila, guida, informazioni;
    std::function<void()> programmatore, trasferisci;  // "Programmatore..." and "Trasferisci"
    // Opens the program file named (a recent program) as "Apri" does once the file is chosen.
    std::function<void(const QString&)> apriFile;
    // The set-up run on every activation of the window; false means the program must end.
    std::function<bool()> attivazione;
};

// The main window: the main grid and its palettes, the nine handler tabs, the memory panel,
// the processor list, menu bar, toolbar and context menu. Every input goes through a table
// to one command; after each command the window shows the state again.
class FrmAvvio : public QMainWindow {
    Q_OBJECT
public:
    FrmAvvio(Editor& editor, ComandiEsterni esterni, QWidget* parent = nullptr);
    ~FrmAvvio() override;

    // The inputs, as the menu, toolbar and palettes deliver them.
    void eseguiTasto(const QString& chiave);
    void eseguiPulsante(int indice);
    void eseguiVoce(int k, const QString& testo);
    void esegui(Comando comando);

    // Shows the core's state: grids, memory boxes, Aux tab, processor, caption.
    void aggiorna();

    // The help page for what the student is looking at: the item of an open menu, the
    // instruction of a palette item or of a grid row, the editing page for an empty row or
    // several rows; empty (the index) otherwise.
    QString paginaGuida() const;

    VistaGriglia* vista(int k) const;
    ModelloGriglia* modello(int k) const;
    QListWidget* tavolozzaComuni(int k) const;
    QListWidget* tavolozzaSalto(int k) const;
    QTabWidget* schede() const { return ssTab1_; }
    QComboBox* processore() const { return cmbPIC_; }
    PannelloMemoria* pannelloMemoria() const { return memoria_; }
    QToolBar* barra() const { return toolbar1_; }
    QMenu* menuContestuale() const { return contestuale_; }
    FinestraSimulatore* simulatore() const { return simulatore_; }
    // The program whose arena the simulator shows: its file, or the sample an unsaved copy
    // came from; empty for a new program.
    QString programmaDiArena() const;
    // "Esempi": the sample at `percorso` (":/esempi/...") opens as a new, unsaved program.
    void apriEsempio(const QString& percorso);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* oggetto, QEvent* event) override;

private:
    using Gestore = void (FrmAvvio::*)();
    struct VoceGestore {
        Azione azione;
        Gestore gestore;
    };
    static const VoceGestore Gestori[];

    void creaMenu();
    void creaBarra();
    void creaMenuContestuale();
    // Printing, the recent programs, the extra shortcuts and the parameter words
    // (frm_avvio_file.cpp).
    void creaComandiAggiunti();
    void cmdAnteprima();
    void cmdStampa();
    void cmdEsportaPdf();
    void cmdDatiStampa();
    std::optional<IntestazioneStampa> intestazioneStampa();
    void apriRecente(const QString& percorso);
    void ricordaProgramma();
    void mostraRecenti();
    void mostraParole(bool mostra);
    void creaMenuEsempi();  // frm_avvio_esempi.cpp
    void cmdModificaRiga(int k, int riga);
    QWidget* creaCentro();
    QWidget* creaScheda(int k);
    QWidget* creaTavolozza(int k, const QString& nome, const QString& titolo, const QStringList& voci);
    VistaGriglia* creaVista(int k);

    void cmdNuovo();
    void cmdApri();
    void cmdSalva();
    void cmdSalvaConNome();
    void cmdChiudi();
    void cmdTaglia();
    void cmdCopia();
    void cmdIncolla();
    void cmdCancella();
    void cmdCancellaGriglia();
    void cmdCancellaTutto();
    void cmdAnnulla();
    void cmdRipeti();
    void mostraGriglia(int k);
    std::vector<int> righeScelte(int k) const;
    void rilascioIstruzione(int k, const QString& testo, int punto);
    void rilascioRighe(int k, const std::vector<int>& righe, int punto);
    void cmdCompilatore();
    void cmdCompila();
    void cmdSimula();
    void cmdProgrammatore();
    void cmdTrasferisci();
    void cmdGuidaInLinea();
    void cmdInformazioniSu();
    void esterno(const std::function<void()>& comando, const QString& seManca);
    // Runs one command, then shows the state; an activation that came meanwhile runs after it.
    void eseguiComando(const std::function<void()>& corpo);

    void attivazione();
    void mostraValore(Memoria memoria, int cella);

    Editor& editor_;
    Stato& s_;
    ComandiEsterni esterni_;

    std::array<ModelloGriglia*, NumeroGriglie> modelli_{};
    std::array<VistaGriglia*, NumeroGriglie> viste_{};
    std::array<QListWidget*, NumeroGriglie> comuni_{}, salto_{};
    QTabWidget* ssTab1_ = nullptr;
    QComboBox* cmbPIC_ = nullptr;
    PannelloMemoria* memoria_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    QMenu* contestuale_ = nullptr;
    QLabel* grigliaAttiva_ = nullptr;
    QIcon iconaUsata_;  // on the tabs of the handlers that hold instructions
    QMenu* menuFile_ = nullptr;
    QAction* primaDiChiudi_ = nullptr;  // the recent programs go before this separator
    QList<QAction*> recenti_;
    QString ultimoRicordato_;
    std::vector<std::pair<Azione, QAction*>> azioniStoria_;  // "Annulla" and "Ripeti", menu and toolbar
    FinestraSimulatore* simulatore_ = nullptr;  // created by the first "Simula"
    std::optional<QString> paginaDelMenu_;     // F1 pressed over a menu that is now closed
    QString esempio_;  // the sample the unsaved program was opened from

    int comandiInCorso_ = 0;
    bool attivazioneInAttesa_ = false;
    bool maiAttivata_ = true;
    bool inAttivazione_ = false;
    bool chiusuraDecisa_ = false;  // "Chiudi" ends the program without asking again
};

}  // namespace kobaltino
