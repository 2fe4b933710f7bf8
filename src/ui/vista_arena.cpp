#include "ui/vista_arena.h"

#include <algorithm>

#include "sim/robot.h"
#include "sim/sensori.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <cmath>

namespace kobaltino {

namespace {

constexpr double MargineCm = 6;
constexpr double SpessoreMuroCm = 1.5;
constexpr double ZoomMinimo = 0.5, ZoomMassimo = 12;
constexpr double TolleranzaPixel = 7;
constexpr double Gradi = std::numbers::pi / 180.0;
// Light sensors see across the room; their cone is drawn this long.
constexpr double ConoLuceDisegnatoCm = 30;

// Without a world the robot runs on a plane: this much of it around the origin is shown.
const QRectF PianoSenzaArena(-100, -75, 200, 150);

const QColor ColorePavimento(246, 244, 238);
const QColor ColoreReticolo(228, 225, 216);
const QColor ColoreMuro(70, 62, 55);
const QColor ColoreScatola(196, 150, 96);
const QColor ColoreLampada(255, 206, 40);
// Opaque: the trail is drawn a piece at a time, and a see-through colour would darken each joint.
const QColor ColoreTraccia(100, 155, 225);
const QColor ColoreRobot(40, 100, 190);
const QColor ColoreSensoreAttivo(255, 70, 40);
const QColor ColoreSensoreSpento(200, 200, 200);
const QColor ColoreSelezione(0, 150, 255);

QPointF qp(Punto p) { return {p.x, p.y}; }

QRectF area(const std::optional<Arena>& a)
{
    return a ? QRectF(0, 0, a->larghezza, a->altezza) : PianoSenzaArena;
}

// A pen `larghezza` centimetres wide (the painter draws in centimetres).
QPen pennaCm(const QColor& colore, double larghezza)
{
    QPen p(colore, larghezza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return p;
}

QPen pennaSottile(const QColor& colore, double pixel = 1.0)
{
    QPen p(colore, pixel);
    p.setCosmetic(true);
    return p;
}

QPainterPath percorsoLinea(const Linea& l)
{
    QPainterPath path;
    for (size_t i = 0; i < l.punti.size(); ++i)
        i == 0 ? path.moveTo(qp(l.punti[i])) : path.lineTo(qp(l.punti[i]));
    return path;
}

// A sensor's cone as a pie slice, in the world frame.
QPainterPath cono(const StatoRobot& r, const GeometriaSensore& g, double portata)
{
    const Punto o = daRobot(r.posizione, r.direzione, g.avanti, g.sinistra);
    const double centro = r.direzione / Gradi + g.direzione;
    QPainterPath path(qp(o));
    const int passi = 12;
    for (int i = 0; i <= passi; ++i) {
        const double a = (centro - g.semiapertura + 2 * g.semiapertura * i / passi) * Gradi;
        path.lineTo(qp(o + versore(a) * portata));
    }
    path.closeSubpath();
    return path;
}

}  // namespace

VistaArena::VistaArena(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("vistaArena"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VistaArena::impostaArena(const std::optional<Arena>& arena)
{
    arena_ = arena;
    lineaInCorso_.clear();
    gesto_ = Gesto::Nessuno;
    sottoMouse_.reset();
    update();
}

void VistaArena::mostra(const Fotografia& foto, const std::vector<PuntoTraccia>& traccia)
{
    foto_ = foto;
    traccia_.resize(static_cast<qsizetype>(traccia.size()));
    for (size_t i = 0; i < traccia.size(); ++i)
        traccia_[static_cast<qsizetype>(i)] = qp(traccia[i].posizione);
    if (!traccia.empty())
        traccia_.append(qp(foto.robot.posizione));
    update();
}

void VistaArena::nascondiRobot()
{
    foto_.reset();
    traccia_.clear();
    update();
}

void VistaArena::impostaStrumento(Strumento s)
{
    if (s == strumento_)
        return;
    strumento_ = s;
    lineaInCorso_.clear();
    gesto_ = Gesto::Nessuno;
    setCursor(s == Strumento::Seleziona ? Qt::ArrowCursor : Qt::CrossCursor);
    update();
}

void VistaArena::adatta()
{
    zoom_ = 1.0;
    spostamento_ = {};
    update();
}

// ---- coordinates ------------------------------------------------------------------------------

double VistaArena::scala() const
{
    const QRectF a = area(arena_);
    const double l = a.width() + 2 * MargineCm, h = a.height() + 2 * MargineCm;
    return std::min(width() / l, height() / h) * zoom_;
}

QTransform VistaArena::trasformazione() const
{
    // The arena centred, y upwards, then the pan.
    const QRectF a = area(arena_);
    const double s = scala();
    const QPointF centro(width() / 2.0 + spostamento_.x(), height() / 2.0 + spostamento_.y());
    return QTransform(s, 0, 0, -s, centro.x() - a.center().x() * s, centro.y() + a.center().y() * s);
}

QPointF VistaArena::suSchermo(Punto p) const { return trasformazione().map(qp(p)); }

Punto VistaArena::inArena(QPointF pixel) const
{
    const QPointF q = trasformazione().inverted().map(pixel);
    return {q.x(), q.y()};
}

double VistaArena::tolleranza() const { return TolleranzaPixel / scala(); }

// ---- drawing ----------------------------------------------------------------------------------

void VistaArena::aggiornaSfondo()
{
    const qreal rapporto = devicePixelRatioF();
    const QSize dimensione = size() * rapporto;
    const QTransform t = trasformazione();
    const bool daRifare = sfondo_.size() != dimensione || t != trasformazioneSfondo_ || arena_ != arenaSfondo_
                          || traccia_.size() < puntiSfondo_
                          || (puntiSfondo_ > 0 && traccia_[puntiSfondo_ - 1] != ultimoPuntoSfondo_);
    if (daRifare) {
        sfondo_ = QPixmap(dimensione);
        sfondo_.setDevicePixelRatio(rapporto);
        trasformazioneSfondo_ = t;
        arenaSfondo_ = arena_;
        puntiSfondo_ = 0;
        QPainter p(&sfondo_);
        p.fillRect(rect(), palette().color(QPalette::Mid));
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(t);
        disegnaPavimento(p);
        if (arena_)
            disegnaArena(p);
    }
    // The last point is the robot itself, still moving: it is drawn with each frame.
    const qsizetype fissi = std::max<qsizetype>(0, traccia_.size() - 1);
    if (fissi > puntiSfondo_ && fissi >= 2) {
        QPainter p(&sfondo_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(t);
        p.setPen(pennaSottile(ColoreTraccia, 2));
        const qsizetype da = std::max<qsizetype>(0, puntiSfondo_ - 1);
        p.drawPolyline(traccia_.constData() + da, static_cast<int>(fissi - da));
        puntiSfondo_ = fissi;
        ultimoPuntoSfondo_ = traccia_[fissi - 1];
    }
}

void VistaArena::paintEvent(QPaintEvent*)
{
    aggiornaSfondo();
    QPainter p(this);
    p.drawPixmap(0, 0, sfondo_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(trasformazione());
    p.setPen(QPen(QColor(46, 125, 50), 0, Qt::DashLine));
    p.setBrush(QColor(0, 160, 0, 50));
    for (const Zona& z : zone_)
        p.drawRect(QRectF(z.x, z.y, z.larghezza, z.altezza));
    if (traccia_.size() > 1) {
        // From the last point kept in the picture to the robot.
        p.setPen(pennaSottile(ColoreTraccia, 2));
        const qsizetype da = std::max<qsizetype>(0, puntiSfondo_ - 1);
        p.drawPolyline(traccia_.constData() + da, static_cast<int>(traccia_.size() - da));
    }
    if (arena_)
        disegnaPartenza(p);
    if (foto_)
        disegnaRobot(p);
    disegnaModifica(p);
}

void VistaArena::disegnaPavimento(QPainter& p) const
{
    const QRectF a = area(arena_);
    p.fillRect(a, ColorePavimento);
    // A faint grid every 10 cm helps to judge distances.
    p.setPen(pennaSottile(ColoreReticolo));
    for (double x = std::ceil(a.left() / 10) * 10; x <= a.right(); x += 10)
        p.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
    for (double y = std::ceil(a.top() / 10) * 10; y <= a.bottom(); y += 10)
        p.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
}

void VistaArena::disegnaArena(QPainter& p) const
{
    const Arena& a = *arena_;
    p.setBrush(Qt::NoBrush);
    for (const Linea& l : a.linee) {
        p.setPen(QPen(Qt::black, l.larghezza, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(percorsoLinea(l));
    }
    p.setPen(pennaSottile(ColoreMuro.darker(130)));
    p.setBrush(ColoreScatola);
    for (const Scatola& s : a.scatole)
        p.drawRect(QRectF(s.x, s.y, s.larghezza, s.altezza));
    p.setPen(pennaCm(ColoreMuro, SpessoreMuroCm));
    for (const Segmento& m : a.pareti())
        p.drawLine(qp(m.a), qp(m.b));
    for (const Lampada& l : a.lampade) {
        QRadialGradient alone(qp(l.posizione), 14);
        alone.setColorAt(0, QColor(255, 230, 120, 200));
        alone.setColorAt(1, QColor(255, 230, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(alone);
        p.drawEllipse(qp(l.posizione), 14, 14);
        p.setPen(pennaSottile(ColoreLampada.darker(160)));
        p.setBrush(ColoreLampada);
        p.drawEllipse(qp(l.posizione), 3, 3);
    }
}

void VistaArena::disegnaPartenza(QPainter& p) const
{
    const Posa& posa = arena_->partenza;
    QPen tratteggio = pennaSottile(QColor(90, 90, 90), 1.2);
    tratteggio.setStyle(Qt::DashLine);
    p.setPen(tratteggio);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(qp(posa.posizione), RaggioRobotCm, RaggioRobotCm);
    const Punto punta = posa.posizione + versore(posa.direzioneGradi * Gradi) * ManigliaDirezioneCm;
    p.drawLine(qp(posa.posizione), qp(punta));
    if (strumento_ == Strumento::Seleziona) {
        p.setPen(pennaSottile(QColor(90, 90, 90)));
        p.setBrush(Qt::white);
        p.drawEllipse(qp(punta), 1.6, 1.6);
    }
}

void VistaArena::disegnaRobot(QPainter& p) const
{
    const StatoRobot& r = foto_->robot;
    const std::array<GeometriaSensore, 7>& sensori = geometriaSensori();

    // The sensors' cones under the body: faint while inactive, lit while active.
    for (size_t i = 0; i < sensori.size(); ++i) {
        const GeometriaSensore& g = sensori[i];
        if (g.portata <= 0)
            continue;
        const bool attivo = foto_->ingressi[i];
        const double portata = std::min(g.portata, ConoLuceDisegnatoCm);
        p.setPen(Qt::NoPen);
        p.setBrush(attivo ? QColor(255, 90, 40, 70) : QColor(120, 120, 120, 22));
        p.drawPath(cono(r, g, portata));
    }

    // Body, wheels, heading.
    QTransform corpo = p.transform();
    p.save();
    p.translate(qp(r.posizione));
    p.rotate(r.direzione / Gradi);
    p.setPen(pennaSottile(r.inContatto ? QColor(220, 30, 30) : ColoreRobot.darker(160), r.inContatto ? 3 : 1.2));
    p.setBrush(ColoreRobot);
    p.drawEllipse(QPointF(0, 0), RaggioRobotCm, RaggioRobotCm);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (double lato : {-1.0, 1.0})
        p.drawRoundedRect(QRectF(-2.5, lato * CarreggiataCm / 2 - 0.9, 5, 1.8), 0.5, 0.5);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(RaggioRobotCm - 1, 0), QPointF(RaggioRobotCm - 4.5, 2.2),
                             QPointF(RaggioRobotCm - 4.5, -2.2)}));
    // The arm: two fingers in front, apart while open.
    p.setPen(pennaCm(QColor(80, 80, 80), 0.8));
    const double apertura = r.braccioAperto ? 3.5 : 1.0;
    for (double lato : {-1.0, 1.0})
        p.drawLine(QPointF(RaggioRobotCm - 0.5, lato * 1.2), QPointF(RaggioRobotCm + 3, lato * apertura));
    p.restore();
    p.setTransform(corpo);

    // The sensors themselves.
    for (size_t i = 0; i < sensori.size(); ++i) {
        const GeometriaSensore& g = sensori[i];
        const Punto pos = daRobot(r.posizione, r.direzione, g.avanti, g.sinistra);
        const bool attivo = foto_->ingressi[i];
        p.setPen(pennaSottile(Qt::black, 0.8));
        p.setBrush(attivo ? ColoreSensoreAttivo : ColoreSensoreSpento);
        const double raggio = g.portata <= 0 ? 1.1 : 1.3;
        if (g.portata <= 0)
            p.drawRect(QRectF(pos.x - raggio, pos.y - raggio, 2 * raggio, 2 * raggio));
        else
            p.drawEllipse(qp(pos), raggio, raggio);
    }
}

void VistaArena::disegnaModifica(QPainter& p) const
{
    if (!arena_)
        return;
    p.setBrush(Qt::NoBrush);
    QPen evidenza = pennaSottile(ColoreSelezione, 2);
    if (sottoMouse_ && gesto_ == Gesto::Nessuno
        && (strumento_ == Strumento::Seleziona || strumento_ == Strumento::Cancella)) {
        const Arena& a = *arena_;
        const Presa& s = *sottoMouse_;
        p.setPen(strumento_ == Strumento::Cancella ? pennaSottile(QColor(220, 30, 30), 2) : evidenza);
        const auto i = static_cast<size_t>(s.indice);
        switch (s.tipo) {
        case Presa::Partenza:
            p.drawEllipse(qp(a.partenza.posizione), RaggioRobotCm + 1, RaggioRobotCm + 1);
            break;
        case Presa::DirezionePartenza:
            p.drawEllipse(qp(a.partenza.posizione + versore(a.partenza.direzioneGradi * Gradi) * ManigliaDirezioneCm),
                          2.5, 2.5);
            break;
        case Presa::Muro:
            if (s.vertice >= 0)
                p.drawEllipse(qp(s.vertice == 0 ? a.muri[i].a : a.muri[i].b), 2.5, 2.5);
            else
                p.drawLine(qp(a.muri[i].a), qp(a.muri[i].b));
            break;
        case Presa::Scatola:
            p.drawRect(QRectF(a.scatole[i].x, a.scatole[i].y, a.scatole[i].larghezza, a.scatole[i].altezza));
            break;
        case Presa::Lampada:
            p.drawEllipse(qp(a.lampade[i].posizione), 5, 5);
            break;
        case Presa::Linea:
            if (s.vertice >= 0)
                p.drawEllipse(qp(a.linee[i].punti[static_cast<size_t>(s.vertice)]), 2.5, 2.5);
            else
                p.drawPath(percorsoLinea(a.linee[i]));
            break;
        }
    }
    if (gesto_ == Gesto::Disegna && strumento_ == Strumento::Muro) {
        p.setPen(pennaCm(ColoreMuro.lighter(150), SpessoreMuroCm));
        p.drawLine(qp(inizio_), qp(corrente_));
    }
    if (gesto_ == Gesto::Disegna && (strumento_ == Strumento::Scatola || strumento_ == Strumento::ZonaObiettivo)) {
        const Scatola s = scatolaTra(inizio_, corrente_);
        p.setPen(evidenza);
        p.setBrush(QColor(196, 150, 96, 120));
        p.drawRect(QRectF(s.x, s.y, s.larghezza, s.altezza));
    }
    if (!lineaInCorso_.empty()) {
        Linea l;
        l.punti = lineaInCorso_;
        l.punti.push_back(corrente_);
        p.setPen(QPen(QColor(0, 0, 0, 140), l.larghezza, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(percorsoLinea(l));
    }
}

// ---- mouse and keys ---------------------------------------------------------------------------

void VistaArena::mousePressEvent(QMouseEvent* event)
{
    const QPointF pixel = event->position();
    inizioPixel_ = pixel;
    spostamentoIniziale_ = spostamento_;
    const bool modificabile = arena_.has_value();
    if (event->button() == Qt::MiddleButton || !modificabile) {
        gesto_ = Gesto::Panoramica;
        return;
    }
    if (event->button() == Qt::RightButton) {
        chiudiLinea();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const Punto punto = inArena(pixel);
    inizio_ = corrente_ = arrotonda(*arena_, punto);
    switch (strumento_) {
    case Strumento::Seleziona:
        if (const std::optional<Presa> presa = trovaPresa(*arena_, punto, tolleranza())) {
            presa_ = *presa;
            primaDelGesto_ = *arena_;
            gesto_ = Gesto::Trascina;
        } else {
            gesto_ = Gesto::Panoramica;
        }
        break;
    case Strumento::Muro:
    case Strumento::Scatola:
    case Strumento::ZonaObiettivo:
        gesto_ = Gesto::Disegna;
        break;
    case Strumento::Lampada:
        arena_->lampade.push_back({inizio_});
        emit arenaModificata(*arena_);
        break;
    case Strumento::Linea:
        if (lineaInCorso_.empty() || !(lineaInCorso_.back() == inizio_))
            lineaInCorso_.push_back(inizio_);
        break;
    case Strumento::Cancella:
        if (const std::optional<Presa> presa = trovaPresa(*arena_, punto, tolleranza())) {
            if (elimina(*arena_, *presa)) {
                sottoMouse_.reset();
                emit arenaModificata(*arena_);
            }
        } else if (const auto zona = std::find_if(zone_.rbegin(), zone_.rend(),
                                                  [&](const Zona& z) { return z.contiene(punto); });
                   zona != zone_.rend()) {
            // The zone drawn last, on top, goes first.
            zone_.erase(std::next(zona).base());
            emit zoneModificate(zone_);
        }
        break;
    }
    update();
}

void VistaArena::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF pixel = event->position();
    const Punto punto = inArena(pixel);
    switch (gesto_) {
    case Gesto::Panoramica:
        spostamento_ = spostamentoIniziale_ + (pixel - inizioPixel_);
        break;
    case Gesto::Trascina: {
        *arena_ = primaDelGesto_;
        const Punto dove = arrotonda(*arena_, punto);
        trascina(*arena_, presa_, dove - inizio_, dove);
        break;
    }
    case Gesto::Disegna:
        corrente_ = arrotonda(*arena_, punto);
        break;
    case Gesto::Nessuno:
        if (arena_) {
            corrente_ = arrotonda(*arena_, punto);
            sottoMouse_ = trovaPresa(*arena_, punto, tolleranza());
        }
        break;
    }
    update();
}

void VistaArena::mouseReleaseEvent(QMouseEvent* event)
{
    const Gesto gesto = std::exchange(gesto_, Gesto::Nessuno);
    if (!arena_ || event->button() != Qt::LeftButton)
        return;
    corrente_ = arrotonda(*arena_, inArena(event->position()));
    if (gesto == Gesto::Trascina && !(primaDelGesto_ == *arena_))
        emit arenaModificata(*arena_);
    if (gesto == Gesto::Disegna && strumento_ == Strumento::Muro && lunghezza(corrente_ - inizio_) >= 1) {
        arena_->muri.push_back({inizio_, corrente_});
        emit arenaModificata(*arena_);
    }
    if (gesto == Gesto::Disegna && strumento_ == Strumento::Scatola) {
        const Scatola s = scatolaTra(inizio_, corrente_);
        if (s.larghezza >= 1 && s.altezza >= 1) {
            arena_->scatole.push_back(s);
            emit arenaModificata(*arena_);
        }
    }
    if (gesto == Gesto::Disegna && strumento_ == Strumento::ZonaObiettivo) {
        const Scatola s = scatolaTra(inizio_, corrente_);
        if (s.larghezza >= 1 && s.altezza >= 1) {
            zone_.push_back({s.x, s.y, s.larghezza, s.altezza});
            emit zoneModificate(zone_);
        }
    }
    update();
}

void VistaArena::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (strumento_ == Strumento::Linea && event->button() == Qt::LeftButton)
        chiudiLinea();
    else
        QWidget::mouseDoubleClickEvent(event);
}

void VistaArena::chiudiLinea()
{
    if (lineaInCorso_.size() >= 2 && arena_) {
        Linea l;
        l.punti = lineaInCorso_;
        arena_->linee.push_back(l);
        lineaInCorso_.clear();
        emit arenaModificata(*arena_);
    }
    lineaInCorso_.clear();
    update();
}

void VistaArena::wheelEvent(QWheelEvent* event)
{
    // Zoom around the point under the mouse: it stays where it is.
    const QPointF pixel = event->position();
    const Punto sotto = inArena(pixel);
    const double passi = event->angleDelta().y() / 120.0;
    zoom_ = std::clamp(zoom_ * std::pow(1.2, passi), ZoomMinimo, ZoomMassimo);
    spostamento_ += pixel - suSchermo(sotto);
    update();
}

void VistaArena::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !lineaInCorso_.empty()) {
        lineaInCorso_.clear();
        update();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !lineaInCorso_.empty()) {
        chiudiLinea();
        return;
    }
    QWidget::keyPressEvent(event);
}

void VistaArena::impostaZone(const std::vector<Zona>& zone)
{
    zone_ = zone;
    update();
}

}  // namespace kobaltino
