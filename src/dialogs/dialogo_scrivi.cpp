#include "dialogs/dialogo_scrivi.h"

#include "dialogs/elenchi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kobaltino {

struct MembroScrivi {
    const char* nome;
    const char* titolo;
    const char* etichettaIndirizzo;
    const char* nomeIndirizzo;
    const char* nomeValore;
    const char* prefisso;
    const char* mancaIndirizzo;
};

namespace {

const MembroScrivi Ram{"frmScrivi_Ram",   "Scrivi nella memoria ram", "Indirizzo Ram",
                       "cmbIndirizzoRam", "txtValoreRam",             "Ram",
                       "Inserire l'indirizzo della memoria Ram"};
const MembroScrivi Eeprom{"frmScrivi_EEP",      "Scrivi nella memoria eeprom", "Indirizzo Eeprom",
                          "cmbIndirizzoEeprom", "txtValoreeprom",              "EEP",
                          "Inserire l'indirizzo della memoria eeprom"};

QRadioButton* opzione(const char* nome, const char* testo, QWidget* genitore)
{
    auto* o = new QRadioButton(QString::fromUtf8(testo), genitore);
    o->setObjectName(QString::fromLatin1(nome));
    return o;
}

}  // namespace

DialogoScrivi::DialogoScrivi(Memoria memoria, const std::array<QString, CelleMemoria>& marche, QWidget* genitore)
    : DialogoIstruzione(QString::fromUtf8(memoria == Memoria::Ram ? Ram.titolo : Eeprom.titolo), genitore),
      membro_(memoria == Memoria::Ram ? Ram : Eeprom), marche_(marche)
{
    setObjectName(QString::fromLatin1(membro_.nome));

    auto* fmTipodidato = new QGroupBox(QStringLiteral("Tipo di dato"), this);
    fmTipodidato->setObjectName(QStringLiteral("fmTipodidato"));
    optNumerico_ = opzione("optNumerico", "Numerico", fmTipodidato);
    optCarattere_ = opzione("optCarattere", "Carattere", fmTipodidato);
    optBinario_ = opzione("optBinario", "Binario", fmTipodidato);
    auto* opzioni = new QVBoxLayout(fmTipodidato);
    opzioni->addWidget(optNumerico_);
    opzioni->addWidget(optCarattere_);
    opzioni->addWidget(optBinario_);

    auto* lblIndirizzo = new QLabel(QString::fromUtf8(membro_.etichettaIndirizzo), this);
    lblIndirizzo->setObjectName(QStringLiteral("lblIndirizzoRam"));
    cmbIndirizzo_ = nuovaLista(membro_.nomeIndirizzo, indirizziMemoria());
    lblIndirizzo->setBuddy(cmbIndirizzo_);
    auto* lblValore = new QLabel(QStringLiteral("Valore da scrivere"), this);
    lblValore->setObjectName(QStringLiteral("lblValoreRam"));
    txtValore_ = new QLineEdit(this);
    txtValore_->setObjectName(QString::fromLatin1(membro_.nomeValore));
    // Wide enough for eight bits, no wider; the address list just as wide, for a tidy column.
    txtValore_->setFixedWidth(txtValore_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 16);
    cmbIndirizzo_->setMinimumWidth(txtValore_->width());
    lblValore->setBuddy(txtValore_);
    filtro_ = new FiltroValore(txtValore_, TipoDato::Binario);
    connect(filtro_, &FiltroValore::rifiutato, this, [this](const QString& motivo) {
        avvisa(Messaggio{motivo});
        txtValore_->setFocus();
    });

    auto* campi = new QFormLayout;
    campi->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    campi->addRow(lblIndirizzo, cmbIndirizzo_);
    campi->addRow(lblValore, txtValore_);
    auto* riga = new QHBoxLayout;
    riga->addWidget(fmTipodidato);
    riga->addSpacing(8);
    riga->addLayout(campi);
    corpo()->addLayout(riga);
    aggiungiPulsanti({"cmdOk", "&Ok", "cmdChiudi", "&Chiudi"});

    optBinario_->setChecked(true);
    // Picking an option, the current one included, starts the value afresh.
    for (QRadioButton* o : {optNumerico_, optCarattere_, optBinario_})
        connect(o, &QRadioButton::clicked, this, &DialogoScrivi::scegliTipo);
    cmbIndirizzo_->setFocus();
}

TipoDato DialogoScrivi::tipo() const
{
    if (optNumerico_->isChecked())
        return TipoDato::Numerico;
    if (optCarattere_->isChecked())
        return TipoDato::Carattere;
    return TipoDato::Binario;
}

void DialogoScrivi::scegliTipo()
{
    filtro_->impostaTipo(tipo());
    txtValore_->clear();
    txtValore_->setFocus();
}

void DialogoScrivi::conferma()
{
    const QString valore = txtValore_->text();
    const auto rifiutaValore = [this](const QString& testo) {
        avvisa(Messaggio{testo});
        txtValore_->setFocus();
    };
    if (valore.isEmpty())
        return rifiutaValore(QStringLiteral("Inserire il valore da scrivere nella memoria"));
    if (manca(cmbIndirizzo_, QString::fromUtf8(membro_.mancaIndirizzo)))
        return;
    if (tipo() == TipoDato::Numerico && !numeroByte(valore))
        return rifiutaValore(QStringLiteral("Inserire un valore compreso tra 0 e 255"));
    if (tipo() == TipoDato::Binario && valore.size() != 8)
        return rifiutaValore(QStringLiteral("Il valore binario deve essere di 8 bit"));

    const int cella = cmbIndirizzo_->currentIndex() + 1;
    const QString& marcaAttuale = marche_[static_cast<size_t>(cella - 1)];
    if (!marcaAttuale.isEmpty()) {
        const QString domanda = QStringLiteral("La memoria contiene già un valore.") + CrLf
                                + QStringLiteral("Il valore è: ") + marcaAttuale + CrLf
                                + QStringLiteral("Sostituire il valore?");
        if (avvisa(Messaggio{domanda, Icona::Informazione, TitoloApplicazione, Pulsanti::SiNo}) != Risposta::Si)
            return;
    }

    EsitoDialogo e;
    e.cella = cella;
    e.marca = letterale(tipo(), valore);
    e.parametro = QString::fromLatin1(membro_.prefisso) + cmbIndirizzo_->currentText() + u' ' + e.marca;
    accetta(e);
}

void DialogoScrivi::precompila(const EsitoDialogo& attuale)
{
    // "Ram5 d'100'", "Ram5 'x'", "Ram5 b'00001111'": the address, then the option of the
    // literal's form and the value between the apostrophes.
    const QString& p = attuale.parametro;
    scegli(cmbIndirizzo_, p.section(u' ', 0, 0).mid(3));
    const QString letterale = p.section(u' ', 1);
    QRadioButton* opzione = letterale.startsWith(u'd') ? optNumerico_
                            : letterale.startsWith(u'b') ? optBinario_
                                                         : optCarattere_;
    opzione->setChecked(true);
    filtro_->impostaTipo(tipo());
    const qsizetype inizio = letterale.indexOf(u'\'') + 1;
    txtValore_->setText(letterale.mid(inizio, letterale.size() - inizio - 1));
}

}  // namespace kobaltino
