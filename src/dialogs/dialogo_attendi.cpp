#include "dialogs/dialogo_attendi.h"

#include "dialogs/elenchi.h"

#include <QComboBox>

namespace kobaltino {

DialogoAttendi::DialogoAttendi(QWidget* genitore)
    : DialogoIstruzione(QStringLiteral("Inserire i secondi di attesa"), genitore)
{
    setObjectName(QStringLiteral("frmAttendi"));
    cmbSecondi_ = rigaLista("lblSecondi", QStringLiteral("Secondi:"), "cmbSecondi", tempiAttesa(),
                            "Fare click per selezionare il tempo di attesa");
    aggiungiPulsanti({"cmdOK", "&OK", "cmdChiudi", "&Chiudi", "Fare click per assegnare il tempo di attesa",
                      "Fare click per chiudere la finestra"});
}

void DialogoAttendi::conferma()
{
    if (manca(cmbSecondi_, QStringLiteral("Selezionare il tempo di attesa")))
        return;
    accetta(soloParametro(cmbSecondi_->currentText()));
}

void DialogoAttendi::precompila(const EsitoDialogo& attuale) { scegli(cmbSecondi_, attuale.parametro); }

}  // namespace kobaltino
