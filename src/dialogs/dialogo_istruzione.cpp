#include "dialogs/dialogo_istruzione.h"

#include "dialogs/avviso.h"
#include "dialogs/elenchi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kobaltino {

DialogoIstruzione::DialogoIstruzione(const QString& titolo, QWidget* genitore)
    : QDialog(genitore), corpo_(new QVBoxLayout(this))
{
    setWindowTitle(titolo);
    setModal(true);
    // Fixed size: as large as the controls need, but never so narrow that the window
    // manager has to cut the caption short (room for a bold caption and the close button).
    corpo_->setSizeConstraint(QLayout::SetFixedSize);
    QFont grassetto = font();
    grassetto.setBold(true);
    corpo_->addStrut(QFontMetrics(grassetto).horizontalAdvance(titolo) + 90);
}

QFormLayout* DialogoIstruzione::modulo()
{
    if (modulo_ == nullptr) {
        modulo_ = new QFormLayout;
        modulo_->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        modulo_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        corpo_->addLayout(modulo_);
    }
    return modulo_;
}

QComboBox* DialogoIstruzione::nuovaLista(const char* nome, const QStringList& voci, const char* suggerimento)
{
    auto* lista = new QComboBox(this);
    lista->setObjectName(QString::fromLatin1(nome));
    lista->setEditable(false);
    lista->addItems(voci);
    lista->setCurrentIndex(-1);
    lista->setMinimumContentsLength(4);
    if (suggerimento != nullptr)
        lista->setToolTip(QString::fromUtf8(suggerimento));
    return lista;
}

QComboBox* DialogoIstruzione::rigaLista(const char* nomeEtichetta, const QString& etichetta,
                                        const char* nomeLista, const QStringList& voci,
                                        const char* suggerimento)
{
    auto* testo = new QLabel(etichetta, this);
    testo->setObjectName(QString::fromLatin1(nomeEtichetta));
    QComboBox* lista = nuovaLista(nomeLista, voci, suggerimento);
    testo->setBuddy(lista);
    modulo()->addRow(testo, lista);
    return lista;
}

void DialogoIstruzione::aggiungiPulsanti(const Pulsantiera& p)
{
    auto* ok = new QPushButton(QString::fromUtf8(p.testoOk), this);
    ok->setObjectName(QString::fromLatin1(p.nomeOk));
    ok->setDefault(true);
    auto* chiudi = new QPushButton(QString::fromUtf8(p.testoChiudi), this);
    chiudi->setObjectName(QString::fromLatin1(p.nomeChiudi));
    if (p.suggerimentoOk != nullptr)
        ok->setToolTip(QString::fromUtf8(p.suggerimentoOk));
    if (p.suggerimentoChiudi != nullptr)
        chiudi->setToolTip(QString::fromUtf8(p.suggerimentoChiudi));
    connect(ok, &QPushButton::clicked, this, &DialogoIstruzione::conferma);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* riga = new QHBoxLayout;
    riga->addStretch(1);
    riga->addWidget(ok);
    riga->addWidget(chiudi);
    corpo_->addSpacing(6);
    corpo_->addLayout(riga);
}

bool DialogoIstruzione::manca(QComboBox* lista, const QString& testo, Icona icona)
{
    if (lista->currentIndex() >= 0)
        return false;
    avvisa(Messaggio{testo, icona});
    lista->setFocus();
    return true;
}

Risposta DialogoIstruzione::avvisa(const Messaggio& messaggio)
{
    return mostraAvviso(this, messaggio);
}

void DialogoIstruzione::accetta(const EsitoDialogo& esito)
{
    esito_ = esito;
    accept();
}

void DialogoIstruzione::scegli(QComboBox* lista, const QString& testo)
{
    lista->setCurrentIndex(lista->findText(testo));
}

void DialogoIstruzione::mostraAzioneFissa(QComboBox* lista, const QString& azione)
{
    for (int i = 0; i < lista->count(); ++i)
        if (codiceDellAzione(i) == azione)
            lista->setCurrentIndex(i);
    lista->setEnabled(false);
    lista->setToolTip(QStringLiteral("Per cambiare l'azione cancellare il blocco e inserirlo di nuovo"));
}

EsitoDialogo soloParametro(const QString& parametro)
{
    EsitoDialogo e;
    e.parametro = parametro;
    return e;
}

}  // namespace kobaltino
