#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;

namespace kobaltino {

class Editor;

// "Seleziona la griglia da cancellare": one check box per grid 1..8; "&Cancella" clears the
// checked ones in order and closes, unless it meets an empty checked grid: then it stops
// there and the dialog stays open.
class FrmCancellaGriglia : public QDialog {
    Q_OBJECT
public:
    explicit FrmCancellaGriglia(Editor& editor, QWidget* parent = nullptr);

    QCheckBox* casella(int k) const { return caselle_[static_cast<size_t>(k - 1)]; }

signals:
    // Some grids may have been cleared: the window repaints them.
    void griglieCancellate();

private:
    void cmdCancella_Click();

    Editor& editor_;
    std::array<QCheckBox*, 8> caselle_{};
};

}  // namespace kobaltino
