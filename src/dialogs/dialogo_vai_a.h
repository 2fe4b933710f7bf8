#pragma once

#include "dialogs/dialogo_istruzione.h"

namespace kobaltino {

// "Vai a" of grid k (frmVai_A1 .. frmVai_A10): picks the row to jump to among the grid's
// rows in use. The result carries the row in `riga`; the caller labels that row.
class DialogoVaiA : public DialogoIstruzione {
    Q_OBJECT
public:
    DialogoVaiA(int k, int numIstruzioni, QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    int numIstruzioni_;
    QComboBox* cmbRiga_;
};

}  // namespace kobaltino
