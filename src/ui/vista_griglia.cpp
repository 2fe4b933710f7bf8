#include "ui/vista_griglia.h"

#include "model/griglia.h"
#include "ui/icone.h"
#include "ui/modello_griglia.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace kobaltino {

int twipsInPixel(const QWidget* widget, int twips, Qt::Orientation verso)
{
    const int dpi = verso == Qt::Horizontal ? widget->logicalDpiX() : widget->logicalDpiY();
    return qRound(twips * dpi / 1440.0);
}

namespace {

// Column 1: the instruction's icon and, when the column is wider than the icon, the
// parameter in words beside it; the parameter text itself stays in the model, unseen.
class DelegatoIcona : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

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
        QRect r = o.rect.adjusted(1, 1, -1, -1);
        const int icona = w ? std::min(r.width(), twipsInPixel(w, LarghezzaColonne[ColParametro]) - 2) : r.width();
        p->drawPixmap(r.topLeft(), iconaIstruzione(codice, icona, r.height(), p->device()->devicePixelRatioF()));
        const QString parole = index.data(ModelloGriglia::RuoloParole).toString();
        if (icona >= r.width() || parole.isEmpty())
            return;
        r.setLeft(r.left() + icona + 6);
        p->save();
        p->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, o.fontMetrics.elidedText(parole, Qt::ElideRight, r.width()));
        p->restore();
    }
};

}  // namespace

VistaGriglia::VistaGriglia(ModelloGriglia* modello, QWidget* parent) : QTableView(parent)
{
    setModel(modello);
    setItemDelegateForColumn(ColParametro, new DelegatoIcona(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
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
}

void VistaGriglia::mostraParole(bool mostra)
{
    parole_ = mostra;
    impostaMisure();
    setFixedWidth(larghezzaColonne());
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
    setCurrentIndex(nuovo);
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

}  // namespace kobaltino
