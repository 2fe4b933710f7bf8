#pragma once

// Little lamps for levels: an input that is active, an output pin that is high.
#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace kobaltino {

inline const QColor ColoreLedAcceso(60, 200, 70);
inline const QColor ColoreLedUscita(235, 60, 40);

// A round lamp `lato` pixels wide, lit in `colore` or off (grey).
QPixmap pixmapLed(bool acceso, const QColor& colore = ColoreLedAcceso, int lato = 14);

// A port as a row of lamps, bit 7 (or the highest bit it has) on the left, each under its name.
class FilaLed : public QWidget {
    Q_OBJECT
public:
    FilaLed(const QString& prefisso, int bit, QWidget* parent = nullptr);
    void mostra(uint8_t valore);
    uint8_t valore() const { return valore_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString prefisso_;
    int bit_;
    uint8_t valore_ = 0;
};

}  // namespace kobaltino
