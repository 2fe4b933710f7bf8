#include "ui/pannello_memoria.h"

#include "ui/vista_griglia.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kobaltino {

namespace {
constexpr int LatoCasella = 255;  // twips
const QColor Rosso(255, 0, 0);

QString nomeMemoria(Memoria m) { return m == Memoria::Ram ? QStringLiteral("RAM") : QStringLiteral("EEPROM"); }
}  // namespace

CasellaMemoria::CasellaMemoria(Memoria memoria, int cella, QWidget* parent)
    : QFrame(parent), memoria_(memoria), cella_(cella)
{
    setObjectName(QStringLiteral("Memoria%1%2").arg(nomeMemoria(memoria)).arg(cella));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    const int lato = twipsInPixel(this, LatoCasella);
    setFixedSize(lato, lato);
    mostraUso(false);
}

void CasellaMemoria::mostraUso(bool usata)
{
    usata_ = usata;
    QPalette p = palette();
    p.setColor(QPalette::Window, usata ? Rosso : QColor(Qt::white));
    setPalette(p);
}

void CasellaMemoria::mouseDoubleClickEvent(QMouseEvent* event)
{
    QFrame::mouseDoubleClickEvent(event);
    emit doppioClick(memoria_, cella_);
}

PannelloMemoria::PannelloMemoria(QWidget* parent) : QWidget(parent)
{
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(creaRiquadro(QStringLiteral("RAM"), Memoria::Ram));
    colonna->addWidget(creaRiquadro(QStringLiteral("EEPROM"), Memoria::Eeprom));
    colonna->addStretch();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QWidget* PannelloMemoria::creaRiquadro(const QString& titolo, Memoria memoria)
{
    auto* riquadro = new QGroupBox(titolo, this);
    auto* griglia = new QGridLayout(riquadro);
    griglia->setHorizontalSpacing(2);
    griglia->setVerticalSpacing(1);
    QFont piccolo = font();
    piccolo.setPointSizeF(std::max(6.0, piccolo.pointSizeF() * 0.75));
    auto& caselle = memoria == Memoria::Ram ? ram_ : eeprom_;
    for (int i = 1; i <= CelleMemoria; ++i) {
        const int riga = (i - 1) / 10 * 2;
        const int col = (i - 1) % 10;
        auto* numero = new QLabel(QString::number(i), riquadro);
        numero->setObjectName(QStringLiteral("lbl%1%2").arg(nomeMemoria(memoria)).arg(i));
        numero->setFont(piccolo);
        numero->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        auto* casella = new CasellaMemoria(memoria, i, riquadro);
        connect(casella, &CasellaMemoria::doppioClick, this, &PannelloMemoria::valoreRichiesto);
        griglia->addWidget(numero, riga, col, Qt::AlignHCenter);
        griglia->addWidget(casella, riga + 1, col, Qt::AlignHCenter);
        caselle[static_cast<size_t>(i - 1)] = casella;
    }
    riquadro->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return riquadro;
}

void PannelloMemoria::aggiorna(const Stato& stato)
{
    for (int i = 1; i <= CelleMemoria; ++i) {
        casella(Memoria::Ram, i)->mostraUso(!stato.marca(Memoria::Ram, i).isEmpty());
        casella(Memoria::Eeprom, i)->mostraUso(!stato.marca(Memoria::Eeprom, i).isEmpty());
    }
}

CasellaMemoria* PannelloMemoria::casella(Memoria memoria, int cella) const
{
    if (cella < 1 || cella > CelleMemoria)
        return nullptr;
    const auto& caselle = memoria == Memoria::Ram ? ram_ : eeprom_;
    return caselle[static_cast<size_t>(cella - 1)];
}

}  // namespace kobaltino
