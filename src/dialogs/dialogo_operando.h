#pragma once

#include "dialogs/dialogo_istruzione.h"

class QRadioButton;

namespace kobaltino {

struct MembroOperando;

// The one-cell memory operations: Incrementa, Decrementa, Swappa, Scorri a destra,
// Scorri a sinistra, Complemento (frmIncrementa ... frmComplemento). One RAM register
// or one EEPROM cell; the parameter is "EEP"/"Ram" followed by the address.
class DialogoOperando : public DialogoIstruzione {
    Q_OBJECT
public:
    DialogoOperando(const MembroOperando& membro, QWidget* genitore = nullptr);

    // The member table row of one of the six operations; nullptr for any other dialog.
    static const MembroOperando* membro(Dialogo dialogo);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    void scegliMemoria();

    const MembroOperando& membro_;
    QRadioButton* optEeprom_;
    QRadioButton* optRam_;
    QComboBox* cmbIndirizzoEeprom_;
    QComboBox* cmbIndirizzoRam_;
};

}  // namespace kobaltino
