#include "ui/modello_griglia.h"

#include "model/catalogo.h"
#include "model/parole_parametro.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

namespace kobaltino {

ModelloGriglia::ModelloGriglia(const Griglia& griglia, QObject* parent)
    : QAbstractTableModel(parent), griglia_(griglia), righeMostrate_(griglia.numIstruzioni())
{
}

int ModelloGriglia::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : RigheGriglia; }

int ModelloGriglia::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 5; }

QVariant ModelloGriglia::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= RigheGriglia || index.column() > ColLibera)
        return {};
    const int r = index.row();
    const int colonna = index.column();
    switch (role) {
    case Qt::DisplayRole:
        // The running row carries a mark beside its number.
        if (colonna == ColNumero && r == evidenziata_)
            return QStringLiteral("▶") + griglia_.testoCella(r, colonna);
        return griglia_.testoCella(r, colonna);
    case RuoloCodice:
        return griglia_.codice(r);
    case RuoloParole:
        return colonna == ColParametro ? paroleRiga(griglia_, r).breve : QString();
    case Qt::BackgroundRole:
        if (r == evidenziata_)
            return coloreEvidenza();
        // Row 0 has the row-number look from the start, the others once they hold an instruction.
        if (colonna == ColNumero && r < std::max(1, griglia_.numIstruzioni()))
            return QApplication::palette().button();
        return {};
    case Qt::TextAlignmentRole:
        return colonna == ColParametro ? QVariant() : QVariant(Qt::AlignCenter);
    case Qt::ToolTipRole:
        if (colonna == ColParametro && r < griglia_.numIstruzioni()) {
            const VoceCatalogo* v = voce(griglia_.codice(r));
            const QString nome = v ? QString::fromUtf8(v->nome) : QString();
            const QString parole = paroleRiga(griglia_, r).completa;
            return parole.isEmpty() ? nome : nome + QStringLiteral(": ") + parole;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ModelloGriglia::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // A used row can be dragged to another place of its grid.
    const Qt::ItemFlags trascinabile = index.row() < griglia_.numIstruzioni() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | trascinabile;
}

void ModelloGriglia::aggiorna()
{
    const int righe = std::max(righeMostrate_, griglia_.numIstruzioni());
    righeMostrate_ = griglia_.numIstruzioni();
    // Row 0 always: its background follows the grid being empty or not.
    emit dataChanged(index(0, 0), index(std::max(righe, 1) - 1, ColLibera));
}

QColor ModelloGriglia::coloreEvidenza() { return {255, 214, 64}; }

void ModelloGriglia::evidenzia(int riga)
{
    if (riga == evidenziata_)
        return;
    const int prima = std::exchange(evidenziata_, riga);
    for (int r : {prima, riga})
        if (r >= 0 && r < RigheGriglia)
            emit dataChanged(index(r, 0), index(r, ColLibera), {Qt::BackgroundRole, Qt::DisplayRole});
}

}  // namespace kobaltino
