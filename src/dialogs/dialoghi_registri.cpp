#include "dialogs/dialoghi_registri.h"

#include "dialogs/elenchi.h"

#include <QComboBox>

namespace kobaltino {

namespace {
const QString MancaRam = QStringLiteral("Inserire l'indirizzo della memoria Ram");
const Pulsantiera OkChiudi{"cmdOk", "&Ok", "cmbChiudi", "&Chiudi"};
}  // namespace

DialogoSpostaEeprom::DialogoSpostaEeprom(QWidget* genitore)
    : DialogoIstruzione(QStringLiteral("Spostare il valore nella Ram"), genitore)
{
    setObjectName(QStringLiteral("frmSpostaEeprom"));
    cmbIndirizzoEeprom_ = rigaLista("Label1", QStringLiteral("Indirizzo memoria Eeprom"), "cmbIndirizzoEeprom",
                                    indirizziMemoria());
    cmbIndirizzoRam_ = rigaLista("Label2", QStringLiteral("Indirizzo memoria Ram"), "cmbIndirizzoRam",
                                 indirizziMemoria());
    aggiungiPulsanti(OkChiudi);
}

void DialogoSpostaEeprom::conferma()
{
    if (manca(cmbIndirizzoEeprom_, QStringLiteral("Inserire l'indirizzo della memoria eeprom da spostare"))
        || manca(cmbIndirizzoRam_, MancaRam))
        return;
    accetta(soloParametro(QStringLiteral("EEP") + cmbIndirizzoEeprom_->currentText() + QStringLiteral(" Ram")
                          + cmbIndirizzoRam_->currentText()));
}

DialogoOperazioni::DialogoOperazioni(QWidget* genitore)
    : DialogoIstruzione(QStringLiteral("Operazioni tra registri"), genitore)
{
    setObjectName(QStringLiteral("frmOperazioniTraRegistri"));
    cmbIndirizzoRam_ = rigaLista("Label2", QStringLiteral("Registro 1"), "cmbIndirizzoRam", indirizziMemoria());
    cmbIndirizzoRam2_ = rigaLista("Label3", QStringLiteral("Registro 2"), "cmbIndirizzoRam2", indirizziMemoria());
    cmbOperazione_ = rigaLista("Label1", QStringLiteral("Operazione da eseguire"), "cmbOperazione",
                               {QStringLiteral("+"), QStringLiteral("-")});
    aggiungiPulsanti(OkChiudi);
}

void DialogoOperazioni::conferma()
{
    if (manca(cmbIndirizzoRam_, MancaRam) || manca(cmbIndirizzoRam2_, MancaRam)
        || manca(cmbOperazione_, QStringLiteral("Inserire l'operazione da compiere")))
        return;
    accetta(soloParametro(QStringLiteral("Ram") + cmbIndirizzoRam_->currentText() + u' '
                          + cmbOperazione_->currentText() + QStringLiteral(" Ram") + cmbIndirizzoRam2_->currentText()));
}

void DialogoSpostaEeprom::precompila(const EsitoDialogo& attuale)
{
    // "EEP3 Ram5"
    scegli(cmbIndirizzoEeprom_, attuale.parametro.section(u' ', 0, 0).mid(3));
    scegli(cmbIndirizzoRam_, attuale.parametro.section(u' ', 1, 1).mid(3));
}

void DialogoOperazioni::precompila(const EsitoDialogo& attuale)
{
    // "Ram1 + Ram2"
    scegli(cmbIndirizzoRam_, attuale.parametro.section(u' ', 0, 0).mid(3));
    scegli(cmbOperazione_, attuale.parametro.section(u' ', 1, 1));
    scegli(cmbIndirizzoRam2_, attuale.parametro.section(u' ', 2, 2).mid(3));
}

}  // namespace kobaltino
