#pragma once

#include "dialogs/dialogo_istruzione.h"

namespace kobaltino {

// "Attendi" (frmAttendi): picks the waiting time from the five fixed ones.
class DialogoAttendi : public DialogoIstruzione {
    Q_OBJECT
public:
    explicit DialogoAttendi(QWidget* genitore = nullptr);

    void precompila(const EsitoDialogo& attuale) override;

protected:
    void conferma() override;

private:
    QComboBox* cmbSecondi_;
};

}  // namespace kobaltino
