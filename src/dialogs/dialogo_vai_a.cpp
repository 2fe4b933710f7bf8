#include "dialogs/dialogo_vai_a.h"

#include <QComboBox>

namespace kobaltino {

namespace {

QString titolo(int k)
{
    return k == 1 ? QStringLiteral("Selezionare il numero di riga") : QStringLiteral("Seleziona il numero di riga");
}

QStringList righe(int numIstruzioni)
{
    QStringList elenco;
    for (int r = 0; r < numIstruzioni; ++r)
        elenco << QString::number(r);
    return elenco;
}

}  // namespace

DialogoVaiA::DialogoVaiA(int k, int numIstruzioni, QWidget* genitore)
    : DialogoIstruzione(titolo(k), genitore), numIstruzioni_(numIstruzioni)
{
    setObjectName(QStringLiteral("frmVai_A%1").arg(k));
    cmbRiga_ = rigaLista("lblRiga", QStringLiteral("Numero riga:"), "cmbRiga", righe(numIstruzioni),
                         "Fare click per scegliere la riga dove saltare");
    aggiungiPulsanti({"cmdOK", "&OK", "cmdChiudi", "&Chiudi", "Fare click per assegnare la riga dove saltare",
                      "Fare click per chiudere la finestra"});
}

void DialogoVaiA::conferma()
{
    // An empty grid has no row to jump to: OK just closes.
    if (numIstruzioni_ <= 0) {
        reject();
        return;
    }
    // No row chosen yet: OK is ignored without a word.
    if (cmbRiga_->currentIndex() < 0)
        return;
    EsitoDialogo e;
    e.riga = cmbRiga_->currentIndex();
    accetta(e);
}

void DialogoVaiA::precompila(const EsitoDialogo& attuale)
{
    if (attuale.riga >= 0)
        scegli(cmbRiga_, QString::number(attuale.riga));
}

}  // namespace kobaltino
