#pragma once

#include "model/griglia.h"

#include <QAbstractTableModel>
#include <QColor>

namespace kobaltino {

// A program grid as a table: 950 rows, columns 0..4 as the core keeps them.
// Column 1 gives the parameter text as its display text (the view paints the icon over it)
// and the instruction code in Qt::UserRole.
class ModelloGriglia : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int RuoloCodice = Qt::UserRole;
    // Column 1: the parameter in a few words, shown beside the icon.
    static constexpr int RuoloParole = Qt::UserRole + 1;

    explicit ModelloGriglia(const Griglia& griglia, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The core changed the grid: repaint every row that was or is in use.
    void aggiorna();

    const Griglia& griglia() const { return griglia_; }
    // The row the simulator is running, shown with its own background; -1 for none.
    void evidenzia(int riga);
    int rigaEvidenziata() const { return evidenziata_; }
    static QColor coloreEvidenza();

private:
    const Griglia& griglia_;
    int righeMostrate_ = 0;  // rows in use at the last refresh
    int evidenziata_ = -1;
};

}  // namespace kobaltino
