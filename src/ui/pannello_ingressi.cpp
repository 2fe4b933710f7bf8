#include "ui/pannello_ingressi.h"

#include "model/catalogo.h"
#include "ui/led.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kobaltino {

namespace {
const QColor ColoreForzato(230, 140, 20);
}

PannelloIngressi::PannelloIngressi(QWidget* parent) : QWidget(parent)
{
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(0, 0, 0, 0);
    auto* riquadro = new QGroupBox(QStringLiteral("Ingressi"));
    esterno->addWidget(riquadro);
    // Three by three: the light, proximity and optical pairs, then ultrasound, rotation and Aux.
    auto* griglia = new QGridLayout(riquadro);
    griglia->setSpacing(2);
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
        griglia->addWidget(b, i / 3, i % 3);
    }
    mostra({}, {});
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
