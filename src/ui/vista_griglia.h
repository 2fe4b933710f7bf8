#pragma once

#include <QListWidget>
#include <QTableView>
#include <vector>

namespace kobaltino {

class ModelloGriglia;

// What a drag carries: rows of a grid being moved, or an instruction taken from a palette.
// Both name their grid ("k:..."), so that a grid takes only its own rows and palettes.
inline const QString MimeRighe = QStringLiteral("application/x-kobaltino-righe");
inline const QString MimeIstruzione = QStringLiteral("application/x-kobaltino-istruzione");

// A palette of grid k: its items can be dragged onto the grid.
class TavolozzaIstruzioni : public QListWidget {
    Q_OBJECT
public:
    explicit TavolozzaIstruzioni(int k, QWidget* parent = nullptr);

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& voci) const override;

private:
    int k_;
};

// Twips (1/1440 inch) to pixels of `widget`'s screen.
int twipsInPixel(const QWidget* widget, int twips, Qt::Orientation verso = Qt::Horizontal);

// Width of the grid columns in twips: row number, icon, code, label. Column 4 is never
// written and stays hidden.
inline constexpr int LarghezzaColonne[] = {500, 1800, 500, 500};
inline constexpr int AltezzaRiga = 500;
// Room for the parameter words beside the icon, added to column 1 while they are shown;
// longer words wrap and make their row taller.
inline constexpr int LarghezzaParole = 1500;

// The view of one program grid. A left click reports itself (it makes the grid the active one);
// the right button asks for the context menu without moving the selection.
class VistaGriglia : public QTableView {
    Q_OBJECT
public:
    explicit VistaGriglia(ModelloGriglia* modello, QWidget* parent = nullptr);

    // Shows row `riga` as the current one, as the core has it, without reporting it back.
    void mostraRigaCorrente(int riga);

    // Shows the parameters in words beside the icons, or the icons alone.
    void mostraParole(bool mostra);
    bool paroleMostrate() const { return parole_; }
    // The lines of words shown beside row `riga`'s icon, wrapped to the column, the row as tall
    // as they need; the last is cut with "…" only when they do not fit. Empty while hidden.
    QStringList paroleDellaRiga(int riga) const;
    // Where the words go in the cell `cella` of column 1.
    QRect zonaParole(const QRect& cella) const;

    // Width that shows the four columns and the scroll bar.
    int larghezzaColonne() const;

    // The selected used rows, ascending.
    std::vector<int> righeSelezionate() const;
    // What dragging `righe` carries.
    QMimeData* mimeRighe(const std::vector<int>& righe) const;
    // The point between rows where a drop at `posizione` (viewport) would put rows, -1 where
    // none may go (between a conditional and its action row).
    int puntoDiRilascio(const QPoint& posizione) const;

    QSize sizeHint() const override;
    // Never narrower than its columns nor lower than five rows, so a small window stays readable.
    QSize minimumSizeHint() const override;

signals:
    void cliccata();
    void rigaScelta(int riga);
    void menuRichiesto(const QPoint& posizioneGlobale);
    // A double-click on a row in use asks to change its parameter.
    void rigaDaModificare(int riga);
    // A palette item dropped before row `punto`.
    void istruzioneRilasciata(const QString& testo, int punto);
    // Rows of this grid dropped before row `punto`.
    void righeRilasciate(const std::vector<int>& righe, int punto);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool event(QEvent* event) override;
    void startDrag(Qt::DropActions azioni) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void impostaMisure();
    void adattaRighe(int da, int a);
    int numero() const { return property("griglia").toInt(); }
    // The payload of a drag meant for this grid; empty otherwise.
    QString carico(const QMimeData* mime, const QString& formato) const;
    bool accetta(QDropEvent* event);
    void mostraPunto(int punto);

    bool daNucleo_ = false;
    bool parole_ = true;
    int puntoRilascio_ = -1;  // where the drop indicator stands
};

}  // namespace kobaltino
