#include "dialogs/dialogo_operando.h"

#include "dialogs/elenchi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kobaltino {

struct MembroOperando {
    Dialogo dialogo;
    const char* nome;
    const char* titolo;
    const char* mancaEeprom;
    const char* mancaRam;
};

namespace {

const std::array<MembroOperando, 6> Membri = {{
    {Dialogo::Incrementa, "frmIncrementa", "Incrementa il registro",
     "Inserire l'indirizzo della memoria eeprom da incrementare", "Inserire l'indirizzo della memoria Ram da incrementare"},
    {Dialogo::Decrementa, "frmDecrementa", "Decrementa il registro",
     "Inserire l'indirizzo della memoria eeprom da decrementare", "Inserire l'indirizzo della memoria Ram da decrementare"},
    {Dialogo::Swappa, "frmSwappa", "Swappa il registro", "Inserire l'indirizzo della memoria eeprom da swappare",
     "Inserire l'indirizzo della memoria Ram da swappare"},
    {Dialogo::ScorriDestra, "frmScorriDestra", "Scorre il registro a destra",
     "Inserire l'indirizzo della memoria eeprom da scorrere", "Inserire l'indirizzo della memoria Ram da scorrere"},
    {Dialogo::ScorriSinistra, "frmScorriSinistra", "Scorre il registro a sinistra",
     "Inserire l'indirizzo della memoria eeprom da scorrere", "Inserire l'indirizzo della memoria Ram da scorrere"},
    {Dialogo::Complemento, "frmComplemento", "Complemento a 1 del registro",
     "Inserire l'indirizzo della memoria eeprom per il complemento",
     "Inserire l'indirizzo della memoria Ram per il complemento"},
}};

}  // namespace

const MembroOperando* DialogoOperando::membro(Dialogo dialogo)
{
    for (const MembroOperando& m : Membri) {
        if (m.dialogo == dialogo)
            return &m;
    }
    return nullptr;
}

DialogoOperando::DialogoOperando(const MembroOperando& membro, QWidget* genitore)
    : DialogoIstruzione(QString::fromUtf8(membro.titolo), genitore), membro_(membro)
{
    setObjectName(QString::fromLatin1(membro.nome));
    optEeprom_ = new QRadioButton(QStringLiteral("Indirizzo memoria Eeprom"), this);
    optEeprom_->setObjectName(QStringLiteral("optEeprom"));
    optRam_ = new QRadioButton(QStringLiteral("Indirizzo memoria Ram"), this);
    optRam_->setObjectName(QStringLiteral("optRam"));
    cmbIndirizzoEeprom_ = nuovaLista("cmbIndirizzoEeprom", indirizziMemoria());
    cmbIndirizzoRam_ = nuovaLista("cmbIndirizzoRam", indirizziMemoria());

    auto* griglia = new QGridLayout;
    griglia->addWidget(optEeprom_, 0, 0);
    griglia->addWidget(cmbIndirizzoEeprom_, 0, 1);
    griglia->addWidget(optRam_, 1, 0);
    griglia->addWidget(cmbIndirizzoRam_, 1, 1);
    griglia->setColumnStretch(1, 1);
    corpo()->addLayout(griglia);
    aggiungiPulsanti({"cmdOk", "&Ok", "cmbChiudi", "&Chiudi"});

    optEeprom_->setChecked(true);
    scegliMemoria();
    connect(optEeprom_, &QRadioButton::toggled, this, &DialogoOperando::scegliMemoria);
    setTabOrder(optEeprom_, cmbIndirizzoEeprom_);
    setTabOrder(cmbIndirizzoEeprom_, optRam_);
    setTabOrder(optRam_, cmbIndirizzoRam_);
}

void DialogoOperando::scegliMemoria()
{
    // Only the list beside the selected option can be used; the other keeps its choice.
    cmbIndirizzoEeprom_->setEnabled(optEeprom_->isChecked());
    cmbIndirizzoRam_->setEnabled(!optEeprom_->isChecked());
}

void DialogoOperando::conferma()
{
    const bool eeprom = optEeprom_->isChecked();
    QComboBox* lista = eeprom ? cmbIndirizzoEeprom_ : cmbIndirizzoRam_;
    if (manca(lista, QString::fromUtf8(eeprom ? membro_.mancaEeprom : membro_.mancaRam)))
        return;
    accetta(soloParametro((eeprom ? QStringLiteral("EEP") : QStringLiteral("Ram")) + lista->currentText()));
}

void DialogoOperando::precompila(const EsitoDialogo& attuale)
{
    // "Ram7" or "EEP4": the option, then the address in its list.
    const bool ram = attuale.parametro.startsWith(QLatin1String("Ram"));
    (ram ? optRam_ : optEeprom_)->setChecked(true);
    scegli(ram ? cmbIndirizzoRam_ : cmbIndirizzoEeprom_, attuale.parametro.mid(3));
}

}  // namespace kobaltino
