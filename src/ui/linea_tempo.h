#pragma once

// The timeline under the arena: a slider over the run so far, in milliseconds. Dragging it shows
// any earlier moment; the run goes on from the moment shown.
#include <QWidget>

#include <cstdint>

class QLabel;
class QSlider;

namespace kobaltino {

class LineaTempo : public QWidget {
    Q_OBJECT
public:
    explicit LineaTempo(QWidget* parent = nullptr);

    // The moment shown and the furthest one reached, in cycles.
    void mostra(uint64_t ciclo, uint64_t registrati);
    QSlider* cursore() const { return cursore_; }

signals:
    void momentoScelto(uint64_t ciclo);

private:
    QSlider* cursore_;
    QLabel* tempo_;
};

// "12,345 s" for a cycle count.
QString testoTempo(uint64_t cicli);

}  // namespace kobaltino
