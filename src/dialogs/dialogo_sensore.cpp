#include "dialogs/dialogo_sensore.h"

#include "dialogs/elenchi.h"

#include <QComboBox>

namespace kobaltino {

DialogoSensore::DialogoSensore(const char* nome, const QString& nomeGriglia, QWidget* genitore)
    : DialogoIstruzione(QStringLiteral("Seleziona il sensore dove saltare"), genitore)
{
    setObjectName(QString::fromLatin1(nome));
    cmbSensore_ = rigaLista("lblRiga", QStringLiteral("Sensore:"), "cmbSensore", ingressiPerGriglia(nomeGriglia),
                            "Fare click per scegliere il sensore dove saltare");
    aggiungiPulsanti({"cmdOK", "&OK", "cmdChiudi", "&Chiudi", "Fare click per assegnare il sensore dove saltare",
                      "Fare click per chiudere la finestra"});
}

void DialogoSensore::conferma()
{
    // This one message box has no icon.
    if (manca(cmbSensore_, QStringLiteral("Selezionare almeno un sensore"), Icona::Nessuna))
        return;
    accetta(soloParametro(cmbSensore_->currentText()));
}

void DialogoSensore::precompila(const EsitoDialogo& attuale) { scegli(cmbSensore_, attuale.parametro); }

}  // namespace kobaltino
