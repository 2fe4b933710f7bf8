#include "ui/pannello_ingressi.h"

#include "model/catalogo.h"
#include "ui/led.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace kobaltino {

namespace {
const QColor ColoreForzato(230, 140, 20);
constexpr int MassimoColonne = 3;
}

PannelloIngressi::PannelloIngressi(QWidget* parent) : QWidget(parent)
{
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(0, 0, 0, 0);
    auto* riquadro = new QGroupBox(QStringLiteral("Ingressi"));
    esterno->addWidget(riquadro);
    // Three by three: the light, proximity and optical pairs, then ultrasound, rotation and Aux.
    griglia_ = new QGridLayout(riquadro);
    griglia_->setSpacing(2);
    for (int i = 0; i < NumeroIngressi; ++i) {
        // Input i is the one of handler grid i + 2: same name as its tab.
        auto* b = new QPushButton(nomeGriglia(i + 2));
        b->setObjectName(QStringLiteral("ingresso%1").arg(i));
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 6px;"));
        b->setToolTip(QStringLiteral("Fare click per forzare l'ingresso; un altro click lo ridà all'arena"));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] {
            const auto k = static_cast<size_t>(i);
            emit forzaRichiesta(i, forzati_[k] ? std::nullopt : std::optional<bool>(!livelli_[k]));
        });
        pulsanti_[static_cast<size_t>(i)] = b;
    }
    mostra({}, {});
    // Room for the longest text a button can show, forced and in bold.
    QFont grassetto = font();
    grassetto.setBold(true);
    const int testo = QFontMetrics(grassetto).horizontalAdvance(nomeGriglia(5) + QStringLiteral(" (forzato 1)"));
    for (QPushButton* b : pulsanti_)
        b->setMinimumWidth(testo + b->iconSize().width() + 24);
    disponi(MassimoColonne);
}

void PannelloIngressi::disponi(int colonne)
{
    if (colonne == colonne_)
        return;
    colonne_ = colonne;
    for (QPushButton* b : pulsanti_)
        griglia_->removeWidget(b);
    for (int i = 0; i < NumeroIngressi; ++i)
        griglia_->addWidget(pulsanti_[static_cast<size_t>(i)], i / colonne, i % colonne);
}

QSize PannelloIngressi::minimumSizeHint() const
{
    return {pulsanti_[0]->minimumWidth() + 20, QWidget::minimumSizeHint().height()};
}

void PannelloIngressi::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int pulsante = pulsanti_[0]->minimumWidth() + griglia_->spacing();
    disponi(std::clamp((event->size().width() - 20) / pulsante, 1, MassimoColonne));
}

void PannelloIngressi::mostra(const Livelli& livelli, const std::array<std::optional<bool>, NumeroIngressi>& forzati)
{
    livelli_ = livelli;
    forzati_ = forzati;
    for (size_t i = 0; i < pulsanti_.size(); ++i) {
        QPushButton* b = pulsanti_[i];
        const bool forzato = forzati[i].has_value();
        b->setIcon(QIcon(pixmapLed(livelli[i], forzato ? ColoreForzato : ColoreLedAcceso)));
        const QString nome = nomeGriglia(static_cast<int>(i) + 2);
        b->setText(forzato ? nome + (*forzati[i] ? QStringLiteral(" (forzato 1)") : QStringLiteral(" (forzato 0)"))
                           : nome);
        QFont f = b->font();
        f.setBold(forzato);
        b->setFont(f);
    }
}

}  // namespace kobaltino
