#include "ui/vista_griglia.h"

#include "model/griglia.h"
#include "model/spostamento.h"
#include "ui/icone.h"
#include "ui/modello_griglia.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextLayout>

namespace kobaltino {

int twipsInPixel(const QWidget* widget, int twips, Qt::Orientation verso)
{
    const int dpi = verso == Qt::Horizontal ? widget->logicalDpiX() : widget->logicalDpiY();
    return qRound(twips * dpi / 1440.0);
}

namespace {

// The words wrapped at blanks within `larghezza` pixels on at most `righe` lines, the last line
// cut with "…" only when the words do not fit.
QStringList paroleACapo(const QString& parole, const QFont& carattere, int larghezza, int righe)
{
    QTextLayout disposizione(parole, carattere);
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    disposizione.setTextOption(opzioni);
    QStringList testi;
    disposizione.beginLayout();
    while (testi.size() < righe) {
        QTextLine riga = disposizione.createLine();
        if (!riga.isValid())
            break;
        riga.setLineWidth(larghezza);
        // What does not fit goes on the last line, cut.
        const bool ultima = testi.size() == righe - 1;
        const int lunghezza = ultima ? static_cast<int>(parole.size()) - riga.textStart() : riga.textLength();
        testi << parole.mid(riga.textStart(), lunghezza).trimmed();
    }
    disposizione.endLayout();
    if (!testi.isEmpty())
        testi.last() = QFontMetrics(carattere).elidedText(testi.last(), Qt::ElideRight, larghezza);
    return testi;
}

// The row the simulator runs keeps its own colour even when it is also selected.
class DelegatoRiga : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(o, index);
        const auto* modello = qobject_cast<const ModelloGriglia*>(index.model());
        if (modello && index.row() == modello->rigaEvidenziata())
            o->state &= ~QStyle::State_Selected;
    }
};

// Column 1: the instruction's icon and, when the column is wider than the icon, the
// parameter in words beside it; the parameter text itself stays in the model, unseen.
class DelegatoIcona : public DelegatoRiga {
public:
    using DelegatoRiga::DelegatoRiga;

    void paint(QPainter* p, const QStyleOptionViewItem& opzione, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = opzione;
        initStyleOption(&o, index);
        o.text.clear();
        const QWidget* w = o.widget;
        QStyle* stile = w ? w->style() : QApplication::style();
        stile->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
        const int codice = index.data(ModelloGriglia::RuoloCodice).toInt();
        if (codice == 0)
            return;
        const QRect r = o.rect.adjusted(1, 1, -1, -1);
        const int icona = w ? std::min(r.width(), twipsInPixel(w, LarghezzaColonne[ColParametro]) - 2) : r.width();
        // A row made taller by its words keeps the icon at its size, in the middle.
        const int alta = w ? std::min(r.height(), twipsInPixel(w, AltezzaRiga, Qt::Vertical) - 2) : r.height();
        p->drawPixmap(r.left(), r.top() + (r.height() - alta) / 2,
                      iconaIstruzione(codice, icona, alta, p->device()->devicePixelRatioF()));
        const auto* vista = qobject_cast<const VistaGriglia*>(w);
        const QStringList righe = vista ? vista->paroleDellaRiga(index.row()) : QStringList();
        if (righe.isEmpty())
            return;
        p->save();
        p->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(vista->zonaParole(o.rect), Qt::AlignLeft | Qt::AlignVCenter, righe.join(u'\n'));
        p->restore();
    }
};

}  // namespace

TavolozzaIstruzioni::TavolozzaIstruzioni(int k, QWidget* parent) : QListWidget(parent), k_(k)
{
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

QMimeData* TavolozzaIstruzioni::mimeData(const QList<QListWidgetItem*>& voci) const
{
    auto* mime = new QMimeData;
    if (!voci.isEmpty()) {
        mime->setData(MimeIstruzione, (QString::number(k_) + u':' + voci.first()->text()).toUtf8());
        mime->setText(voci.first()->text());
    }
    return mime;
}

VistaGriglia::VistaGriglia(ModelloGriglia* modello, QWidget* parent) : QTableView(parent)
{
    setModel(modello);
    connect(modello, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& da, const QModelIndex& a) { adattaRighe(da.row(), a.row()); });
    setItemDelegate(new DelegatoRiga(this));
    setItemDelegateForColumn(ColParametro, new DelegatoIcona(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Rows are dragged to another place of the grid, palette items dropped between rows; the
    // view draws its own drop line, only where rows may go.
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setDefaultDropAction(Qt::MoveAction);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setColumnHidden(ColLibera, true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    impostaMisure();
}

void VistaGriglia::impostaMisure()
{
    for (int c = 0; c < 4; ++c) {
        horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        const int twips = LarghezzaColonne[c] + (c == ColParametro && parole_ ? LarghezzaParole : 0);
        setColumnWidth(c, twipsInPixel(this, twips));
    }
    QHeaderView* righe = verticalHeader();
    const int altezza = twipsInPixel(this, AltezzaRiga, Qt::Vertical);
    righe->setMinimumSectionSize(std::min(righe->minimumSectionSize(), altezza));
    righe->setSectionResizeMode(QHeaderView::Fixed);
    righe->setDefaultSectionSize(altezza);
    verticalScrollBar()->setSingleStep(altezza / 2);
    adattaRighe(0, static_cast<const ModelloGriglia*>(model())->griglia().numIstruzioni() - 1);
}

void VistaGriglia::mostraParole(bool mostra)
{
    parole_ = mostra;
    impostaMisure();
    setFixedWidth(larghezzaColonne());
}

QRect VistaGriglia::zonaParole(const QRect& cella) const
{
    QRect r = cella.adjusted(1, 1, -1, -1);
    r.setLeft(r.left() + twipsInPixel(this, LarghezzaColonne[ColParametro]) - 2 + 6);
    return r;
}

QStringList VistaGriglia::paroleDellaRiga(int riga) const
{
    const QString parole = model()->index(riga, ColParametro).data(ModelloGriglia::RuoloParole).toString();
    const QRect zona = zonaParole(QRect(0, 0, columnWidth(ColParametro), rowHeight(riga)));
    if (!parole_ || parole.isEmpty() || zona.width() <= 0)
        return {};
    return paroleACapo(parole, font(), zona.width(), std::max(1, zona.height() / fontMetrics().lineSpacing()));
}

// Rows whose words need more lines than a row holds grow to show them all.
void VistaGriglia::adattaRighe(int da, int a)
{
    const int base = verticalHeader()->defaultSectionSize();
    const int larghezza = zonaParole(QRect(0, 0, columnWidth(ColParametro), base)).width();
    for (int r = std::max(da, 0); r <= std::min(a, RigheGriglia - 1); ++r) {
        const QString parole = model()->index(r, ColParametro).data(ModelloGriglia::RuoloParole).toString();
        int altezza = base;
        if (parole_ && !parole.isEmpty() && larghezza > 0) {
            const auto righe = paroleACapo(parole, font(), larghezza, RigheGriglia).size();
            altezza = std::max(base, static_cast<int>(righe) * fontMetrics().lineSpacing() + 4);
        }
        if (rowHeight(r) != altezza)
            verticalHeader()->resizeSection(r, altezza);
    }
}

int VistaGriglia::larghezzaColonne() const
{
    int l = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 4; ++c)
        l += columnWidth(c);
    return l;
}

QSize VistaGriglia::sizeHint() const
{
    return {larghezzaColonne(), twipsInPixel(this, AltezzaRiga * 8, Qt::Vertical)};
}

QSize VistaGriglia::minimumSizeHint() const
{
    constexpr int RigheMinime = 5;
    return {larghezzaColonne(), 2 * frameWidth() + RigheMinime * verticalHeader()->defaultSectionSize()};
}

void VistaGriglia::mostraRigaCorrente(int riga)
{
    const QModelIndex nuovo = model()->index(riga, ColCodice);
    if (currentIndex().row() == riga)
        return;
    daNucleo_ = true;
    selectionModel()->setCurrentIndex(nuovo, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    daNucleo_ = false;
    scrollTo(nuovo);
}

void VistaGriglia::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        emit menuRichiesto(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit cliccata();
}

void VistaGriglia::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex cella = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cella.isValid()
        && cella.data(ModelloGriglia::RuoloCodice).toInt() != 0)
        emit rigaDaModificare(cella.row());
}

void VistaGriglia::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (!daNucleo_ && current.isValid())
        emit rigaScelta(current.row());
}

bool VistaGriglia::event(QEvent* event)
{
    // The twips follow the screen: moving to a screen of another density resizes the rows.
    if (event->type() == QEvent::ScreenChangeInternal)
        impostaMisure();
    return QTableView::event(event);
}

// ---- selection and dragging ------------------------------------------------------------------

std::vector<int> VistaGriglia::righeSelezionate() const
{
    const int n = static_cast<const ModelloGriglia*>(model())->griglia().numIstruzioni();
    std::vector<int> righe;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        if (i.row() < n)
            righe.push_back(i.row());
    std::sort(righe.begin(), righe.end());
    return righe;
}

QMimeData* VistaGriglia::mimeRighe(const std::vector<int>& righe) const
{
    QStringList numeri;
    for (int r : righe)
        numeri << QString::number(r);
    auto* mime = new QMimeData;
    mime->setData(MimeRighe, (QString::number(numero()) + u':' + numeri.join(u',')).toUtf8());
    return mime;
}

int VistaGriglia::puntoDiRilascio(const QPoint& posizione) const
{
    const Griglia& g = static_cast<const ModelloGriglia*>(model())->griglia();
    const int n = g.numIstruzioni();
    const int r = rowAt(posizione.y());
    int punto = n;
    if (r >= 0 && r < n)
        punto = posizione.y() >= rowViewportPosition(r) + rowHeight(r) / 2 ? r + 1 : r;
    return puntoDiInserimento(g, punto) ? punto : -1;
}

void VistaGriglia::startDrag(Qt::DropActions)
{
    const std::vector<int> righe = righeSelezionate();
    if (righe.empty())
        return;
    // The picture under the pointer: the icons of the rows, up to four.
    const int larghezza = columnWidth(ColParametro);
    const int altezza = rowHeight(righe.front());
    const int mostrate = static_cast<int>(std::min<size_t>(righe.size(), 4));
    const qreal rapporto = devicePixelRatioF();
    QPixmap immagine(QSize(larghezza, altezza * mostrate) * rapporto);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::transparent);
    {
        QPainter p(&immagine);
        p.setOpacity(0.8);
        const Griglia& g = static_cast<const ModelloGriglia*>(model())->griglia();
        for (int i = 0; i < mostrate; ++i)
            p.drawPixmap(0, i * altezza, iconaIstruzione(g.codice(righe[static_cast<size_t>(i)]), larghezza, altezza, rapporto));
    }
    auto* trascinamento = new QDrag(this);
    trascinamento->setMimeData(mimeRighe(righe));
    trascinamento->setPixmap(immagine);
    trascinamento->setHotSpot(QPoint(larghezza / 2, altezza / 2));
    trascinamento->exec(Qt::MoveAction, Qt::MoveAction);
}

QString VistaGriglia::carico(const QMimeData* mime, const QString& formato) const
{
    if (mime == nullptr || !mime->hasFormat(formato))
        return {};
    const QString testo = QString::fromUtf8(mime->data(formato));
    const QString prefisso = QString::number(numero()) + u':';
    return testo.startsWith(prefisso) ? testo.mid(prefisso.size()) : QString();
}

bool VistaGriglia::accetta(QDropEvent* event)
{
    const int punto = puntoDiRilascio(event->position().toPoint());
    const bool righe = !carico(event->mimeData(), MimeRighe).isEmpty();
    const bool istruzione = !carico(event->mimeData(), MimeIstruzione).isEmpty();
    if (punto < 0 || (!righe && !istruzione)) {
        mostraPunto(-1);
        event->ignore();
        return false;
    }
    // A palette keeps its item: the instruction is copied, rows are moved.
    event->setDropAction(righe ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
    mostraPunto(punto);
    return true;
}

void VistaGriglia::dragEnterEvent(QDragEnterEvent* event)
{
    if (carico(event->mimeData(), MimeRighe).isEmpty() && carico(event->mimeData(), MimeIstruzione).isEmpty()) {
        event->ignore();
        return;
    }
    // Taken even where nothing may go yet, so that the moves over the grid keep coming.
    accetta(event);
    event->accept();
}

void VistaGriglia::dragMoveEvent(QDragMoveEvent* event)
{
    // Near the top or the bottom edge the grid scrolls.
    const int margine = twipsInPixel(this, AltezzaRiga, Qt::Vertical) / 2;
    const int y = event->position().toPoint().y();
    if (y < margine)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - verticalScrollBar()->singleStep());
    else if (y > viewport()->height() - margine)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + verticalScrollBar()->singleStep());
    accetta(event);
}

void VistaGriglia::dragLeaveEvent(QDragLeaveEvent* event)
{
    mostraPunto(-1);
    event->accept();
}

void VistaGriglia::dropEvent(QDropEvent* event)
{
    const int punto = puntoDiRilascio(event->position().toPoint());
    const QString righe = carico(event->mimeData(), MimeRighe);
    const QString istruzione = carico(event->mimeData(), MimeIstruzione);
    if (!accetta(event))
        return;
    mostraPunto(-1);
    if (!righe.isEmpty()) {
        std::vector<int> numeri;
        for (const QString& r : righe.split(u','))
            numeri.push_back(r.toInt());
        emit righeRilasciate(numeri, punto);
    } else {
        emit istruzioneRilasciata(istruzione, punto);
    }
}

void VistaGriglia::mostraPunto(int punto)
{
    if (punto == puntoRilascio_)
        return;
    puntoRilascio_ = punto;
    viewport()->update();
}

void VistaGriglia::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (puntoRilascio_ < 0)
        return;
    // The drop line between two rows, with a small arrow at its left end.
    const int y = puntoRilascio_ < RigheGriglia ? rowViewportPosition(puntoRilascio_)
                                                : rowViewportPosition(RigheGriglia - 1) + rowHeight(RigheGriglia - 1);
    int larghezza = 0;
    for (int c = 0; c < 4; ++c)
        larghezza += columnWidth(c);
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colore = palette().color(QPalette::Highlight);
    p.setPen(QPen(colore, 3));
    p.drawLine(QPoint(0, y), QPoint(larghezza, y));
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPolygon(QPolygonF({QPointF(0, y - 6), QPointF(8, y), QPointF(0, y + 6)}));
}

}  // namespace kobaltino
