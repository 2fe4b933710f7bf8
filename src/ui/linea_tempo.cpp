#include "ui/linea_tempo.h"

#include "sim/sessione.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSlider>

namespace kobaltino {

namespace {
constexpr uint64_t CicliPerTacca = CicliPerSecondo / 1000;  // one step of the slider: 1 ms
}

QString testoTempo(uint64_t cicli)
{
    return QLocale(QLocale::Italian).toString(static_cast<double>(cicli) / CicliPerSecondo, 'f', 3)
           + QStringLiteral(" s");
}

LineaTempo::LineaTempo(QWidget* parent) : QWidget(parent)
{
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(QStringLiteral("&Tempo:"));
    cursore_ = new QSlider(Qt::Horizontal);
    cursore_->setObjectName(QStringLiteral("lineaTempo"));
    cursore_->setToolTip(QStringLiteral("Trascinare per rivedere un momento precedente; la simulazione riparte da lì"));
    cursore_->setRange(0, 0);
    cursore_->setPageStep(1000);
    etichetta->setBuddy(cursore_);
    tempo_ = new QLabel;
    tempo_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000,000 s / 0000,000 s")));
    tempo_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    riga->addWidget(etichetta);
    riga->addWidget(cursore_, 1);
    riga->addWidget(tempo_);
    connect(cursore_, &QSlider::valueChanged, this,
            [this](int tacca) { emit momentoScelto(static_cast<uint64_t>(tacca) * CicliPerTacca); });
    mostra(0, 0);
}

void LineaTempo::mostra(uint64_t ciclo, uint64_t registrati)
{
    const QSignalBlocker blocco(cursore_);
    cursore_->setMaximum(static_cast<int>(registrati / CicliPerTacca));
    if (!cursore_->isSliderDown())
        cursore_->setValue(static_cast<int>(ciclo / CicliPerTacca));
    tempo_->setText(testoTempo(ciclo) + QStringLiteral(" / ") + testoTempo(registrati));
}

}  // namespace kobaltino
