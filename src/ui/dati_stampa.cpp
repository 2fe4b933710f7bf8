#include "ui/dati_stampa.h"

#include "ui/preferenze.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kobaltino {

namespace {
const QString ChiaveNome = QStringLiteral("stampa/nome");
const QString ChiaveClasse = QStringLiteral("stampa/classe");
}  // namespace

std::optional<DatiStudente> datiStudenteRicordati()
{
    QSettings p = preferenze();
    if (!p.contains(ChiaveNome))
        return std::nullopt;
    return DatiStudente{p.value(ChiaveNome).toString(), p.value(ChiaveClasse).toString()};
}

void ricordaDatiStudente(const DatiStudente& dati)
{
    QSettings p = preferenze();
    p.setValue(ChiaveNome, dati.nome);
    p.setValue(ChiaveClasse, dati.classe);
}

FrmDatiStampa::FrmDatiStampa(const DatiStudente& attuali, QWidget* genitore) : QDialog(genitore)
{
    setObjectName(QStringLiteral("frmDatiStampa"));
    setWindowTitle(QStringLiteral("Nome e classe per la stampa"));

    auto* spiegazione = new QLabel(QStringLiteral(
        "Il nome e la classe vanno in cima a ogni foglio stampato, con la data.\n"
        "Lasciati vuoti, sul foglio resta una riga da compilare a mano.\n"
        "Si possono cambiare con File > Nome e classe per la stampa..."));
    nome_ = new QLineEdit(attuali.nome);
    nome_->setObjectName(QStringLiteral("txtNome"));
    nome_->setMaxLength(LunghezzaNome);
    classe_ = new QLineEdit(attuali.classe);
    classe_->setObjectName(QStringLiteral("txtClasse"));
    classe_->setMaxLength(LunghezzaClasse);

    auto* campi = new QFormLayout;
    campi->addRow(QStringLiteral("&Nome e cognome:"), nome_);
    campi->addRow(QStringLiteral("&Classe:"), classe_);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pulsanti->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(spiegazione);
    colonna->addLayout(campi);
    colonna->addWidget(pulsanti);
    nome_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
}

DatiStudente FrmDatiStampa::dati() const { return {nome_->text().simplified(), classe_->text().simplified()}; }

std::optional<DatiStudente> datiPerLaStampa(QWidget* genitore, bool chiediSempre)
{
    const std::optional<DatiStudente> ricordati = datiStudenteRicordati();
    if (ricordati && !chiediSempre)
        return ricordati;
    FrmDatiStampa dialogo(ricordati.value_or(DatiStudente{}), genitore);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    ricordaDatiStudente(dialogo.dati());
    return dialogo.dati();
}

}  // namespace kobaltino
