#include "dialogs/frm_cancella_griglia.h"

#include "model/editor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kobaltino {

namespace {
struct VoceCasella {
    const char* testo;
    const char* suggerimento;
};
// Grids 1..8: the rotation sensor and Aux grids are not offered.
const std::array<VoceCasella, 8> Caselle = {{
    {"Griglia principale", "Selezionare per cancellare la griglia principale"},
    {"Luce destra", "Selezionare per cancellare la griglia luce destra"},
    {"Luce sinistra", "Selezionare per cancellare la griglia luce sinistra"},
    {"Prossimità destra", "Selezionare per cancellare la griglia prossimità destra"},
    {"Prossimità sinistra", "Selezionare per cancellare la griglia prossimità sinistra"},
    {"Ottico destro", "Selezionare per cancellare la griglia ottico destro"},
    {"Ottico sinistro", "Selezionare per cancellare la griglia ottico sinistro"},
    {"Ultrasuono", "Selezionare per cancellare la griglia ultrasuono"},
}};
}  // namespace

FrmCancellaGriglia::FrmCancellaGriglia(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor)
{
    setObjectName(QStringLiteral("frmCancellaGriglia"));
    setWindowTitle(QStringLiteral("Seleziona la griglia da cancellare"));

    auto* griglia = new QGridLayout;
    for (int k = 1; k <= 8; ++k) {
        const VoceCasella& v = Caselle[static_cast<size_t>(k - 1)];
        auto* c = new QCheckBox(QString::fromUtf8(v.testo), this);
        c->setObjectName(QStringLiteral("ckGriglia%1").arg(k));
        c->setToolTip(QString::fromUtf8(v.suggerimento));
        // The main grid on top, then the handlers in two columns.
        if (k == 1)
            griglia->addWidget(c, 0, 0, 1, 2);
        else
            griglia->addWidget(c, 1 + (k - 2) / 2, (k - 2) % 2);
        caselle_[static_cast<size_t>(k - 1)] = c;
    }

    auto* cancella = new QPushButton(QStringLiteral("&Cancella"), this);
    cancella->setObjectName(QStringLiteral("cmdCancella"));
    cancella->setToolTip(QStringLiteral("Fare click per cancellare le griglie selezionate"));
    auto* chiudi = new QPushButton(QStringLiteral("Ch&iudi"), this);
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    chiudi->setToolTip(QStringLiteral("Fare click per chiudere la finestra"));
    connect(cancella, &QPushButton::clicked, this, &FrmCancellaGriglia::cmdCancella_Click);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(cancella);
    pulsanti->addWidget(chiudi);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(griglia);
    colonna->addSpacing(8);
    colonna->addLayout(pulsanti);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmCancellaGriglia::cmdCancella_Click()
{
    std::array<bool, 8> scelte{};
    for (size_t i = 0; i < scelte.size(); ++i)
        scelte[i] = caselle_[i]->isChecked();
    const bool finito = editor_.cancellaGriglie(scelte);
    emit griglieCancellate();
    if (finito)
        accept();
}

}  // namespace kobaltino
