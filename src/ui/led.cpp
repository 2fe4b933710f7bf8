#include "ui/led.h"

#include <QPainter>

namespace kobaltino {

namespace {
constexpr int LatoLed = 16;
constexpr int PassoLed = 30;
}  // namespace

QPixmap pixmapLed(bool acceso, const QColor& colore, int lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, lato - 2, lato - 2);
    QRadialGradient luce(r.center() - QPointF(lato / 6.0, lato / 6.0), lato / 1.6);
    const QColor base = acceso ? colore : QColor(150, 150, 150);
    luce.setColorAt(0, acceso ? base.lighter(170) : base.lighter(130));
    luce.setColorAt(1, acceso ? base : base.darker(130));
    p.setPen(QPen(base.darker(170), 1));
    p.setBrush(luce);
    p.drawEllipse(r);
    return pm;
}

FilaLed::FilaLed(const QString& prefisso, int bit, QWidget* parent) : QWidget(parent), prefisso_(prefisso), bit_(bit)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void FilaLed::mostra(uint8_t valore)
{
    if (valore == valore_)
        return;
    valore_ = valore;
    update();
}

QSize FilaLed::sizeHint() const { return {bit_ * PassoLed, LatoLed + fontMetrics().height() + 4}; }

void FilaLed::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont piccolo = font();
    piccolo.setPointSizeF(piccolo.pointSizeF() * 0.8);
    p.setFont(piccolo);
    const int testo = QFontMetrics(piccolo).height();
    for (int i = 0; i < bit_; ++i) {
        const int b = bit_ - 1 - i;
        const int x = i * PassoLed;
        p.drawText(QRect(x, 0, PassoLed, testo), Qt::AlignCenter, prefisso_ + QString::number(b));
        p.drawPixmap(x + (PassoLed - LatoLed) / 2, testo + 2, pixmapLed((valore_ >> b) & 1, ColoreLedUscita, LatoLed));
    }
}

}  // namespace kobaltino
