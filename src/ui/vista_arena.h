#pragma once

// The arena seen from above: floor, walls, boxes, lamps, black lines, the start pose, the wheels'
// trail and the robot with its sensors, each lit while active. The wheel zooms around the mouse;
// the middle button (or a drag on empty floor) moves the view. With an editing tool chosen the
// mouse changes the arena.
#include "sim/arena.h"
#include "sim/sessione.h"
#include "sim/sfida.h"
#include "ui/editor_arena.h"

#include <QPixmap>
#include <QPolygonF>
#include <QTransform>
#include <QWidget>

#include <optional>

namespace kobaltino {

class VistaArena : public QWidget {
    Q_OBJECT
public:
    explicit VistaArena(QWidget* parent = nullptr);

    // nullopt: no world, only the robot on an empty plane.
    void impostaArena(const std::optional<Arena>& arena);
    const std::optional<Arena>& arena() const { return arena_; }
    // The moment to draw and the trail up to it.
    void mostra(const Fotografia& foto, const std::vector<PuntoTraccia>& traccia);
    void nascondiRobot();

    // The goal zones of a challenge, drawn over the floor; the "Zona obiettivo" tool adds to them.
    void impostaZone(const std::vector<Zona>& zone);
    const std::vector<Zona>& zone() const { return zone_; }

    void impostaStrumento(Strumento s);
    Strumento strumento() const { return strumento_; }

    // Back to the whole arena in view.
    void adatta();
    double zoom() const { return zoom_; }

    // Between arena centimetres and widget pixels.
    QPointF suSchermo(Punto p) const;
    Punto inArena(QPointF pixel) const;

    QSize sizeHint() const override { return {640, 480}; }

signals:
    // The user changed the arena with the mouse.
    void arenaModificata(const Arena& arena);
    void zoneModificate(const std::vector<Zona>& zone);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTransform trasformazione() const;
    // The floor, the arena and the trail drawn once into a picture; each frame adds only the
    // trail's new points, so a long trail costs nothing to redraw.
    void aggiornaSfondo();
    double scala() const;
    void disegnaPavimento(QPainter& p) const;
    void disegnaArena(QPainter& p) const;
    void disegnaPartenza(QPainter& p) const;
    void disegnaRobot(QPainter& p) const;
    void disegnaModifica(QPainter& p) const;
    double tolleranza() const;  // 6 pixels in centimetres
    void chiudiLinea();

    std::optional<Arena> arena_;
    std::optional<Fotografia> foto_;
    std::vector<Zona> zone_;
    QPolygonF traccia_;
    QPixmap sfondo_;
    QTransform trasformazioneSfondo_;
    std::optional<Arena> arenaSfondo_;
    qsizetype puntiSfondo_ = 0;  // trail points already in sfondo_
    QPointF ultimoPuntoSfondo_;  // to notice a trail that took another way (a new run, a jump back)
    Strumento strumento_ = Strumento::Seleziona;
    double zoom_ = 1.0;
    QPointF spostamento_;  // pan, in pixels

    // The gesture under way.
    enum class Gesto { Nessuno, Panoramica, Trascina, Disegna };
    Gesto gesto_ = Gesto::Nessuno;
    QPointF inizioPixel_;
    QPointF spostamentoIniziale_;
    Punto inizio_, corrente_;
    Arena primaDelGesto_;
    Presa presa_;
    std::vector<Punto> lineaInCorso_;
    std::optional<Presa> sottoMouse_;
};

}  // namespace kobaltino
