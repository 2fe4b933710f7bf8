#pragma once

#include "dialogs/dialogo_istruzione.h"
#include "dialogs/valore_memoria.h"
#include "model/stato.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace kobaltino {

struct MembroScrivi;

// "Scrivi Ram" and "Scrivi Eeprom" (frmScrivi_Ram, frmScrivi_EEP): a cell address and a
// value typed as a number, a character or eight bits. The result carries the parameter
// text, the cell and its new usage mark; the caller records the mark.
class DialogoScrivi : public DialogoIstruzione {
    Q_OBJECT
public:
    // `marche`: the current usage marks of the memory written to, cell 1 first.
    DialogoScrivi(Memoria memoria, const std::array<QString, CelleMemoria>& marche, QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    TipoDato tipo() const;
    void scegliTipo();

    const MembroScrivi& membro_;
    std::array<QString, CelleMemoria> marche_;
    QRadioButton* optNumerico_;
    QRadioButton* optCarattere_;
    QRadioButton* optBinario_;
    QComboBox* cmbIndirizzo_;
    QLineEdit* txtValore_;
    FiltroValore* filtro_;
};

}  // namespace kobaltino
