#pragma once

#include "dialogs/dialogo_istruzione.h"

namespace kobaltino {

// "Se attivo vai a" and "Se disattivo vai a" (frmSe_Attivo_Salta_A1, frmSe_Disattivo_Salta_A1):
// picks the input to test among those the target grid may name.
class DialogoSensore : public DialogoIstruzione {
    Q_OBJECT
public:
    // `nomeGriglia`: control name of the grid the instruction goes into.
    DialogoSensore(const char* nome, const QString& nomeGriglia, QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    QComboBox* cmbSensore_;
};

}  // namespace kobaltino
