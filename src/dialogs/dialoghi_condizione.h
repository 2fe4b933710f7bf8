#pragma once

#include "dialogs/dialogo_istruzione.h"

namespace kobaltino {

// "Se" (frmSe): compares two RAM registers and picks the action to run when the
// comparison holds. Parameter "Ram<n><operator>Ram<m>", action code in `azione`.
class DialogoSe : public DialogoIstruzione {
    Q_OBJECT
public:
    explicit DialogoSe(QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    QComboBox* cmbMemoriaRam1_;
    QComboBox* cmbParagone_;
    QComboBox* cmbMemoriaRam2_;
    QComboBox* cmbIstruzione_;
};

// "Se attivo fai" and "Se disattivo fai" (frmSe_Attivo_Fai, frmSe_Disattivo_Fai): an input
// of the robot and the action to run; parameter = the input name, action code in `azione`.
class DialogoSensoreFai : public DialogoIstruzione {
    Q_OBJECT
public:
    // `attivo` picks frmSe_Attivo_Fai, otherwise frmSe_Disattivo_Fai; `nomeGriglia` is the
    // control name of the grid the instruction goes into.
    DialogoSensoreFai(bool attivo, const QString& nomeGriglia, QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    QComboBox* cmbSensoreAttivo_;
    QComboBox* cmbIstruzione_;
};

}  // namespace kobaltino
