#pragma once

#include <QTableView>

namespace kobaltino {

class ModelloGriglia;

// Twips (1/1440 inch) to pixels of `widget`'s screen.
int twipsInPixel(const QWidget* widget, int twips, Qt::Orientation verso = Qt::Horizontal);

// Width of the grid columns in twips: row number, icon, code, label. Column 4 is never
// written and stays hidden.
inline constexpr int LarghezzaColonne[] = {500, 1800, 500, 500};
inline constexpr int AltezzaRiga = 500;
// Room for the parameter words beside the icon, added to column 1 while they are shown.
inline constexpr int LarghezzaParole = 1900;

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

    // Width that shows the four columns and the scroll bar.
    int larghezzaColonne() const;

    QSize sizeHint() const override;
    // Never narrower than its columns nor lower than five rows, so a small window stays readable.
    QSize minimumSizeHint() const override;

signals:
    void cliccata();
    void rigaScelta(int riga);
    void menuRichiesto(const QPoint& posizioneGlobale);
    // A double-click on a row in use asks to change its parameter.
    void rigaDaModificare(int riga);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool event(QEvent* event) override;

private:
    void impostaMisure();
    bool daNucleo_ = false;
    bool parole_ = true;
};

}  // namespace kobaltino
