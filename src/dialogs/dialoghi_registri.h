#pragma once

#include "dialogs/dialogo_istruzione.h"

namespace kobaltino {

// "Sposta Eeprom" (frmSpostaEeprom): the EEPROM cell to read and the RAM register that
// receives its value; parameter "EEP<n> Ram<m>".
class DialogoSpostaEeprom : public DialogoIstruzione {
    Q_OBJECT
public:
    explicit DialogoSpostaEeprom(QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    QComboBox* cmbIndirizzoEeprom_;
    QComboBox* cmbIndirizzoRam_;
};

// "Operazioni tra registri" (frmOperazioniTraRegistri): two RAM registers and "+" or "-";
// parameter "Ram<n> <op> Ram<m>".
class DialogoOperazioni : public DialogoIstruzione {
    Q_OBJECT
public:
    explicit DialogoOperazioni(QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    QComboBox* cmbIndirizzoRam_;
    QComboBox* cmbIndirizzoRam2_;
    QComboBox* cmbOperazione_;
};

}  // namespace kobaltino
