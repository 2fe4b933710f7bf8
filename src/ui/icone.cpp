// The instruction icons of the grids and the command icons of the toolbar and menu,
// drawn here so the program needs no picture files.
#include "ui/icone.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <initializer_list>

namespace kobaltino {

namespace {

// The symbol on the left of an instruction icon.
enum class Forma { Freccia, Rotazione, Stop, Orologio, Glifo, Chip, Salto, Ritorno, Rombo, Pinza, Scambio };
enum class Punto { Nessuno, Pieno, Vuoto };  // active / inactive input of the conditionals

struct Simbolo {
    Forma forma;
    const char* glifo = "";  // text of Glifo, Chip and Rombo
    int angolo = 0;          // Freccia: direction in degrees; Rotazione: +1 clockwise, -1 counter-clockwise
    Punto punto = Punto::Nessuno;
};

// Indexed by code - 1.
const std::array<Simbolo, 28> Simboli = {{
    {Forma::Freccia, "", 90},                   // 1 Avanti
    {Forma::Freccia, "", 270},                  // 2 Indietro
    {Forma::Freccia, "", 180},                  // 3 Sinistra
    {Forma::Freccia, "", 0},                    // 4 Destra
    {Forma::Rotazione, "", -1},                 // 5 Ruota a SX
    {Forma::Rotazione, "", 1},                  // 6 Ruota a DX
    {Forma::Stop},                              // 7 Fermo
    {Forma::Orologio},                          // 8 Attendi
    {Forma::Salto},                             // 9 Vai a
    {Forma::Salto, "", 0, Punto::Pieno},        // 10 Se attivo vai a
    {Forma::Salto, "", 0, Punto::Vuoto},        // 11 Se disattivo vai a
    {Forma::Glifo, "Zz"},                       // 12 Sleep
    {Forma::Chip, "R"},                         // 13 Scrivi Ram
    {Forma::Ritorno},                           // 14 Ritorna
    {Forma::Rombo, "?"},                        // 15 Se
    {Forma::Rombo, "/"},                        // 16 FINE SE
    {Forma::Chip, "E"},                         // 17 Scrivi Eeprom
    {Forma::Glifo, "E\u203aR"},                 // 18 Sposta Eeprom
    {Forma::Glifo, "+1"},                       // 19 Incrementa
    {Forma::Glifo, "\u22121"},                  // 20 Decrementa
    {Forma::Pinza},                             // 21 Braccio
    {Forma::Scambio},                           // 22 Swappa
    {Forma::Glifo, "\u00bb"},                   // 23 Scorri a destra
    {Forma::Glifo, "\u00ab"},                   // 24 Scorri a sinistra
    {Forma::Glifo, "\u00ac"},                   // 25 Complemento
    {Forma::Glifo, "\u00b1"},                   // 26 Operazioni tra registri
    {Forma::Rombo, "", 0, Punto::Pieno},        // 27 Se attivo fai
    {Forma::Rombo, "", 0, Punto::Vuoto},        // 28 Se disattivo fai
}};

QPolygonF frecciaVersoDestra()
{
    // An arrow pointing right in a unit box centred on the origin.
    return QPolygonF({{-0.45, -0.14}, {0.05, -0.14}, {0.05, -0.38}, {0.45, 0.0},
                      {0.05, 0.38}, {0.05, 0.14}, {-0.45, 0.14}});
}

void punta(QPainter& p, QPointF vertice, qreal angoloGradi, qreal lato)
{
    QTransform t;
    t.translate(vertice.x(), vertice.y());
    t.rotate(angoloGradi);
    p.drawPolygon(t.map(QPolygonF({{0, 0}, {-lato, -lato * 0.6}, {-lato, lato * 0.6}})));
}

void disegnaGlifo(QPainter& p, const QRectF& r, const QString& testo, qreal scala = 0.7)
{
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(6, static_cast<int>(r.height() * scala)));
    while (f.pixelSize() > 6 && QFontMetricsF(f).horizontalAdvance(testo) > r.width() * 0.95)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, testo);
}

void disegnaSimbolo(QPainter& p, const QRectF& r, const Simbolo& s, const QColor& scuro)
{
    const qreal l = r.width();
    const QPointF c = r.center();
    QPen penna(scuro, std::max(1.5, l * 0.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(penna);
    p.setBrush(scuro);

    switch (s.forma) {
    case Forma::Freccia: {
        QTransform t;
        t.translate(c.x(), c.y());
        t.scale(l, l);
        t.rotate(-s.angolo);
        p.setPen(Qt::NoPen);
        p.drawPolygon(t.map(frecciaVersoDestra()));
        break;
    }
    case Forma::Rotazione: {
        // Three quarters of a circle, open at the top, with the head where the turn ends.
        const QRectF arco = r.adjusted(l * 0.16, l * 0.16, -l * 0.16, -l * 0.16);
        const qreal inizio = s.angolo > 0 ? 115 : 65;
        const qreal ampiezza = s.angolo > 0 ? -270 : 270;
        QPainterPath via;
        via.arcMoveTo(arco, inizio);
        via.arcTo(arco, inizio, ampiezza);
        p.setBrush(Qt::NoBrush);
        p.drawPath(via);
        const QPointF fine = via.pointAtPercent(1.0);
        const QPointF prima = via.pointAtPercent(0.9);
        const qreal direzione = qRadiansToDegrees(std::atan2(fine.y() - prima.y(), fine.x() - prima.x()));
        p.setPen(Qt::NoPen);
        p.setBrush(scuro);
        const qreal lato = l * 0.3;
        const QPointF avanti(std::cos(qDegreesToRadians(direzione)) * lato * 0.6,
                             std::sin(qDegreesToRadians(direzione)) * lato * 0.6);
        punta(p, fine + avanti, direzione, lato);
        break;
    }
    case Forma::Stop: {
        QPolygonF ottagono;
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
            ottagono << QPointF(c.x() + l * 0.46 * std::cos(a), c.y() + l * 0.46 * std::sin(a));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawPolygon(ottagono);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(c.x() - l * 0.28, c.y() - l * 0.08, l * 0.56, l * 0.16));
        break;
    }
    case Forma::Orologio: {
        p.setBrush(Qt::white);
        p.drawEllipse(c, l * 0.42, l * 0.42);
        p.drawLine(c, QPointF(c.x(), c.y() - l * 0.3));
        p.drawLine(c, QPointF(c.x() + l * 0.22, c.y()));
        break;
    }
    case Forma::Glifo:
        disegnaGlifo(p, r, QString::fromUtf8(s.glifo));
        break;
    case Forma::Chip: {
        const QRectF corpo = r.adjusted(l * 0.2, l * 0.12, -l * 0.2, -l * 0.12);
        p.setPen(QPen(scuro, std::max(1.0, l * 0.06)));
        for (int i = 0; i < 3; ++i) {  // the pins
            const qreal y = corpo.top() + corpo.height() * (0.22 + 0.28 * i);
            p.drawLine(QPointF(r.left() + l * 0.06, y), QPointF(corpo.left(), y));
            p.drawLine(QPointF(corpo.right(), y), QPointF(r.right() - l * 0.06, y));
        }
        p.drawRoundedRect(corpo, 2, 2);
        p.setPen(Qt::white);
        disegnaGlifo(p, corpo, QString::fromUtf8(s.glifo), 0.75);
        break;
    }
    case Forma::Salto: {
        QPainterPath via;
        via.moveTo(r.left() + l * 0.2, r.top() + l * 0.15);
        via.lineTo(r.left() + l * 0.2, r.top() + l * 0.6);
        via.quadTo(r.left() + l * 0.2, r.top() + l * 0.78, r.left() + l * 0.42, r.top() + l * 0.78);
        via.lineTo(r.left() + l * 0.7, r.top() + l * 0.78);
        p.setBrush(Qt::NoBrush);
        p.drawPath(via);
        p.setPen(Qt::NoPen);
        p.setBrush(scuro);
        punta(p, QPointF(r.left() + l * 0.92, r.top() + l * 0.78), 0, l * 0.26);
        break;
    }
    case Forma::Ritorno: {
        QPainterPath via;
        via.moveTo(r.left() + l * 0.85, r.top() + l * 0.2);
        via.lineTo(r.left() + l * 0.85, r.top() + l * 0.45);
        via.arcTo(QRectF(r.left() + l * 0.25, r.top() + l * 0.2, l * 0.6, l * 0.5), 0, -180);
        via.lineTo(r.left() + l * 0.25, r.top() + l * 0.4);
        p.setBrush(Qt::NoBrush);
        p.drawPath(via);
        p.setPen(Qt::NoPen);
        p.setBrush(scuro);
        punta(p, QPointF(r.left() + l * 0.25, r.top() + l * 0.12), -90, l * 0.26);
        break;
    }
    case Forma::Rombo: {
        const QPolygonF rombo({{c.x(), r.top() + l * 0.04}, {r.right() - l * 0.04, c.y()},
                               {c.x(), r.bottom() - l * 0.04}, {r.left() + l * 0.04, c.y()}});
        p.setBrush(Qt::white);
        p.setPen(QPen(scuro, std::max(1.0, l * 0.07)));
        p.drawPolygon(rombo);
        p.setPen(scuro);
        disegnaGlifo(p, r.adjusted(l * 0.2, l * 0.2, -l * 0.2, -l * 0.2), QString::fromUtf8(s.glifo), 0.9);
        break;
    }
    case Forma::Pinza: {
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(c.x(), r.top() + l * 0.05), QPointF(c.x(), c.y()));
        QPainterPath ganasce;
        ganasce.moveTo(c.x() - l * 0.05, c.y());
        ganasce.quadTo(r.left() + l * 0.05, c.y() + l * 0.1, c.x() - l * 0.15, r.bottom() - l * 0.05);
        ganasce.moveTo(c.x() + l * 0.05, c.y());
        ganasce.quadTo(r.right() - l * 0.05, c.y() + l * 0.1, c.x() + l * 0.15, r.bottom() - l * 0.05);
        p.drawPath(ganasce);
        p.setBrush(scuro);
        p.drawEllipse(c, l * 0.08, l * 0.08);
        break;
    }
    case Forma::Scambio: {
        p.setBrush(Qt::NoBrush);
        const qreal y1 = c.y() - l * 0.17, y2 = c.y() + l * 0.17;
        p.drawLine(QPointF(r.left() + l * 0.1, y1), QPointF(r.right() - l * 0.3, y1));
        p.drawLine(QPointF(r.left() + l * 0.3, y2), QPointF(r.right() - l * 0.1, y2));
        p.setPen(Qt::NoPen);
        p.setBrush(scuro);
        punta(p, QPointF(r.right() - l * 0.05, y1), 0, l * 0.26);
        punta(p, QPointF(r.left() + l * 0.05, y2), 180, l * 0.26);
        break;
    }
    }

    if (s.punto != Punto::Nessuno) {
        // The input state of a conditional: filled = active, hollow = inactive.
        const qreal raggio = l * 0.14;
        const QPointF centro(r.right() - raggio, r.bottom() - raggio);
        p.setPen(QPen(scuro, std::max(1.0, l * 0.06)));
        p.setBrush(s.punto == Punto::Pieno ? QBrush(scuro) : QBrush(Qt::white));
        p.drawEllipse(centro, raggio, raggio);
    }
}

// The name fitted into the text area: one or two lines, the largest size that fits.
void disegnaNome(QPainter& p, const QRectF& r, const QString& nome)
{
    QFont f = p.font();
    f.setBold(true);
    const int flag = Qt::AlignCenter | Qt::TextWordWrap;
    for (int px = static_cast<int>(r.height() * 0.42); px >= 6; --px) {
        f.setPixelSize(px);
        const QRectF serve = QFontMetricsF(f).boundingRect(r, flag, nome);
        if (serve.width() <= r.width() && serve.height() <= r.height())
            break;
    }
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r, flag, nome);
}

}  // namespace

QColor coloreFamiglia(Famiglia famiglia)
{
    switch (famiglia) {
    case Famiglia::Moto: return QColor(46, 139, 60);
    case Famiglia::Attesa: return QColor(214, 150, 20);
    case Famiglia::Memoria: return QColor(40, 100, 190);
    case Famiglia::Salto: return QColor(130, 60, 180);
    case Famiglia::Condizione: return QColor(205, 80, 30);
    case Famiglia::Braccio: return QColor(20, 140, 150);
    }
    return Qt::gray;
}

void disegnaIconaIstruzione(QPainter& p, const QRect& rettangolo, int codice)
{
    const VoceCatalogo* v = voce(codice);
    const QColor colore = v ? coloreFamiglia(v->famiglia) : QColor(Qt::gray);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF piastra = QRectF(rettangolo).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient sfumatura(piastra.topLeft(), piastra.bottomLeft());
    sfumatura.setColorAt(0, colore.lighter(185));
    sfumatura.setColorAt(1, colore.lighter(140));
    p.setPen(QPen(colore.darker(130), 1.2));
    p.setBrush(sfumatura);
    p.drawRoundedRect(piastra, 4, 4);

    const qreal lato = std::min(piastra.height() - 4, piastra.width() / 3);
    const QRectF zonaSimbolo(piastra.left() + 3, piastra.center().y() - lato / 2, lato, lato);
    const QRectF zonaNome(zonaSimbolo.right() + 3, piastra.top() + 1, piastra.right() - zonaSimbolo.right() - 5,
                          piastra.height() - 2);
    if (v) {
        disegnaSimbolo(p, zonaSimbolo, Simboli[static_cast<size_t>(codice - 1)], colore.darker(160));
        disegnaNome(p, zonaNome, QString::fromUtf8(v->nome));
    } else {
        p.setPen(Qt::black);
        disegnaGlifo(p, zonaSimbolo, QStringLiteral("?"));
    }
    p.restore();
}

QPixmap iconaIstruzione(int codice, int larghezza, int altezza, qreal rapportoPixel)
{
    static QHash<QString, QPixmap> cache;
    const QString chiave = QStringLiteral("%1/%2x%3@%4").arg(codice).arg(larghezza).arg(altezza).arg(rapportoPixel);
    if (auto it = cache.constFind(chiave); it != cache.constEnd())
        return *it;
    QPixmap pm(QSize(larghezza, altezza) * rapportoPixel);
    pm.setDevicePixelRatio(rapportoPixel);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        disegnaIconaIstruzione(p, QRect(0, 0, larghezza, altezza), codice);
    }
    cache.insert(chiave, pm);
    return pm;
}

namespace {

// A drawn toolbar icon on a 32 × 32 canvas.
void disegnaComando(QPainter& p, Azione azione)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor inchiostro(50, 50, 60);
    const QPen penna(inchiostro, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(penna);
    auto foglio = [&](QRectF r) {
        QPainterPath f;
        f.moveTo(r.topLeft());
        f.lineTo(r.right() - 7, r.top());
        f.lineTo(r.right(), r.top() + 7);
        f.lineTo(r.bottomRight());
        f.lineTo(r.bottomLeft());
        f.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(f);
    };
    auto croce = [&](QPointF c, qreal m) {
        p.setPen(QPen(QColor(200, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-m, -m), c + QPointF(m, m));
        p.drawLine(c + QPointF(-m, m), c + QPointF(m, -m));
        p.setPen(penna);
    };
    switch (azione) {
    case Azione::Nuovo:
        foglio(QRectF(7, 3, 18, 26));
        p.setPen(QPen(QColor(40, 140, 40), 3));
        p.drawLine(QPointF(22, 20), QPointF(22, 30));
        p.drawLine(QPointF(17, 25), QPointF(27, 25));
        break;
    case Azione::Apri:
        p.setBrush(QColor(235, 190, 80));
        p.drawPolygon(QPolygonF({{3, 8}, {12, 8}, {15, 11}, {27, 11}, {27, 27}, {3, 27}}));
        p.setBrush(QColor(250, 215, 120));
        p.drawPolygon(QPolygonF({{3, 27}, {8, 15}, {31, 15}, {27, 27}}));
        break;
    case Azione::Salva:
        p.setBrush(QColor(60, 100, 180));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    case Azione::Taglia:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(10, 24), 4.5, 4.5);
        p.drawEllipse(QPointF(22, 24), 4.5, 4.5);
        p.drawLine(QPointF(12.5, 20), QPointF(23, 3));
        p.drawLine(QPointF(19.5, 20), QPointF(9, 3));
        break;
    case Azione::Copia:
        foglio(QRectF(4, 3, 16, 20));
        foglio(QRectF(12, 9, 16, 20));
        break;
    case Azione::Incolla:
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(5, 5, 22, 25), 2, 2);
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(11, 2, 10, 6));
        foglio(QRectF(10, 12, 15, 16));
        break;
    case Azione::Annulla:
    case Azione::Ripeti: {
        // A curved arrow: back to the left for undo, on to the right for redo.
        if (azione == Azione::Ripeti) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 90, 170), 3.5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath arco;
        arco.moveTo(9, 13);
        arco.cubicTo(20, 5, 31, 12, 27, 22);
        arco.cubicTo(25, 27, 20, 28, 16, 28);
        p.drawPath(arco);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 170));
        p.drawPolygon(QPolygonF({{3, 13}, {13, 5}, {13, 20}}));
        break;
    }
    case Azione::Compila:
        p.setBrush(QColor(40, 150, 60));
        p.drawPolygon(QPolygonF({{8, 4}, {28, 16}, {8, 28}}));
        break;
    case Azione::Simula:
        // The robot seen from above on its dotted trail.
        p.setPen(QPen(QColor(40, 110, 210), 2, Qt::DotLine, Qt::RoundCap));
        p.drawArc(QRectF(3, 8, 22, 30), 90 * 16, 90 * 16);
        p.setPen(penna);
        p.setBrush(QColor(40, 100, 190));
        p.drawEllipse(QPointF(19, 12), 8, 8);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{25, 12}, {20, 9}, {20, 15}}));
        break;
    case Azione::Trasferisci:
        // An arrow going down into a chip.
        p.setBrush(QColor(40, 150, 60));
        p.drawPolygon(QPolygonF({{12, 2}, {20, 2}, {20, 9}, {25, 9}, {16, 17}, {7, 9}, {12, 9}}));
        p.setBrush(QColor(50, 50, 50));
        p.drawRect(QRectF(8, 19, 16, 10));
        for (int x : {10, 14, 18, 22})
            p.drawLine(QPointF(x, 29), QPointF(x, 31));
        break;
    case Azione::Cancella:
        croce(QPointF(16, 16), 9);
        break;
    case Azione::CancellaTutto:
        foglio(QRectF(5, 3, 18, 24));
        for (int y : {11, 16, 21})
            p.drawLine(QPointF(8, y), QPointF(19, y));
        croce(QPointF(23, 23), 6);
        break;
    case Azione::GuidaInLinea: {
        p.setBrush(QColor(40, 100, 190));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(20);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    default:
        break;
    }
}

const char* nomeNelTema(Azione azione)
{
    switch (azione) {
    case Azione::Nuovo: return "document-new";
    case Azione::Apri: return "document-open";
    case Azione::Salva: return "document-save";
    case Azione::Taglia: return "edit-cut";
    case Azione::Annulla: return "edit-undo";
    case Azione::Ripeti: return "edit-redo";
    case Azione::Copia: return "edit-copy";
    case Azione::Incolla: return "edit-paste";
    case Azione::Compila: return "system-run";
    case Azione::Simula: return "kobaltino-simula";  // no theme has it: always the drawn robot
    case Azione::Trasferisci: return "kobaltino-trasferisci";  // nor this: the chip taking the program
    case Azione::Cancella: return "edit-delete";
    case Azione::CancellaTutto: return "edit-clear";
    case Azione::GuidaInLinea: return "help-contents";
    default: return nullptr;
    }
}

// One pixmap per size, each drawn by `disegna` on a square of `base` units scaled to the size.
template <typename Disegno>
QIcon iconaInPiuMisure(std::initializer_list<int> lati, qreal base, Disegno disegna)
{
    QIcon icona;
    for (int lato : lati) {
        QPixmap pm(lato, lato);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(lato / base, lato / base);
        disegna(p);
        p.end();
        icona.addPixmap(pm);
    }
    return icona;
}

}  // namespace

QIcon iconaComandoDisegnata(Azione azione)
{
    if (nomeNelTema(azione) == nullptr)
        return {};
    return iconaInPiuMisure({16, 24, 32, 48}, 32, [azione](QPainter& p) { disegnaComando(p, azione); });
}

QIcon iconaComando(Azione azione)
{
    const char* nome = nomeNelTema(azione);
    if (nome == nullptr)
        return {};
    return QIcon::fromTheme(QString::fromLatin1(nome), iconaComandoDisegnata(azione));
}

QIcon iconaApplicazione()
{
    return iconaInPiuMisure({16, 32, 48, 64, 128}, 64, [](QPainter& p) {
        // A small two-wheeled robot seen from the front.
        p.setPen(QPen(QColor(30, 40, 60), 2.5));
        p.setBrush(QColor(40, 100, 190));
        p.drawRoundedRect(QRectF(12, 14, 40, 32), 7, 7);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24, 28), 5.5, 5.5);
        p.drawEllipse(QPointF(40, 28), 5.5, 5.5);
        p.setBrush(QColor(30, 40, 60));
        p.drawEllipse(QPointF(24, 28), 2.2, 2.2);
        p.drawEllipse(QPointF(40, 28), 2.2, 2.2);
        p.drawLine(QPointF(32, 14), QPointF(32, 5));
        p.setBrush(QColor(214, 150, 20));
        p.drawEllipse(QPointF(32, 5), 3.5, 3.5);
        p.setBrush(QColor(50, 50, 50));
        p.drawRoundedRect(QRectF(6, 42, 12, 18), 3, 3);
        p.drawRoundedRect(QRectF(46, 42, 12, 18), 3, 3);
    });
}

QIcon iconaGrigliaUsata()
{
    return iconaInPiuMisure({16, 24, 32}, 16, [](QPainter& p) {
        // A sheet with three rows of instructions.
        p.setPen(QPen(QColor(30, 40, 60), 1));
        p.setBrush(QColor(40, 100, 190));
        p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 2, 2);
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {5.0, 8.0, 11.0})
            p.drawLine(QPointF(5, y), QPointF(11, y));
    });
}

}  // namespace kobaltino
