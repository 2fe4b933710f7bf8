#pragma once

#include "model/interazione.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QFormLayout;
class QVBoxLayout;

namespace kobaltino {

// Names, captions and tooltips of the two buttons that close an instruction dialog.
struct Pulsantiera {
    const char* nomeOk;
    const char* testoOk;
    const char* nomeChiudi;
    const char* testoChiudi;
    const char* suggerimentoOk = nullptr;
    const char* suggerimentoChiudi = nullptr;
};

// An instruction dialog: collects and checks one instruction's parameters and, when
// confirmed with OK, holds them as an `EsitoDialogo`. OK is the default button (Enter);
// the closing button, Esc and the window's close button cancel.
class DialogoIstruzione : public QDialog {
    Q_OBJECT
public:
    // The result of a confirmed dialog; empty while the dialog is open and after a cancel.
    const std::optional<EsitoDialogo>& esito() const { return esito_; }

    // Fills the controls with the values of a row already in the grid, to change them.
    // The action of a conditional is shown but cannot be changed.
    virtual void precompila(const EsitoDialogo& attuale) = 0;

protected:
    DialogoIstruzione(const QString& titolo, QWidget* genitore);

    // Where the controls go, top to bottom, above the buttons.
    QVBoxLayout* corpo() const { return corpo_; }
    // Rows of "label  list" pairs, created on first use.
    QFormLayout* modulo();

    // A pick-only list with nothing chosen yet.
    QComboBox* nuovaLista(const char* nome, const QStringList& voci, const char* suggerimento = nullptr);
    // A labelled list as a new row of the form.
    QComboBox* rigaLista(const char* nomeEtichetta, const QString& etichetta, const char* nomeLista,
                         const QStringList& voci, const char* suggerimento = nullptr);

    // Adds the OK and closing buttons; call last, after the controls.
    void aggiungiPulsanti(const Pulsantiera& p);

    // Chooses the item `testo` of `lista`; nothing is chosen when the list lacks it.
    static void scegli(QComboBox* lista, const QString& testo);
    // Shows `azione` (an action code) in the action list and locks the list.
    static void mostraAzioneFissa(QComboBox* lista, const QString& azione);

    // OK pressed: check the input, then accetta() or leave the dialog open.
    virtual void conferma() = 0;

    // True when nothing is chosen in `lista`; then shows `testo` (OK button, default title)
    // and moves the focus to the list.
    bool manca(QComboBox* lista, const QString& testo, Icona icona = Icona::Informazione);
    Risposta avvisa(const Messaggio& messaggio);
    // Keeps the result and closes the dialog.
    void accetta(const EsitoDialogo& esito);

private:
    QVBoxLayout* corpo_;
    QFormLayout* modulo_ = nullptr;
    std::optional<EsitoDialogo> esito_;
};

// The parameter text alone, for the dialogs that hand back nothing else.
EsitoDialogo soloParametro(const QString& parametro);

}  // namespace kobaltino
