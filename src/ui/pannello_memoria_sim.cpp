#include "ui/pannello_memoria_sim.h"

#include "model/stato.h"
#include "ui/led.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kobaltino {

namespace {

// Ram1 sits at 0x3c, the others follow it.
constexpr int IndirizzoRam1 = 0x3c;

enum ColonnaMemoria { RamDecimale, RamBinario, EepDecimale, EepBinario };

QString binario(uint8_t v) { return QStringLiteral("%1").arg(v, 8, 2, QLatin1Char('0')); }

}  // namespace

int indirizzoRam(int n) { return IndirizzoRam1 + n - 1; }

PannelloMemoriaSim::PannelloMemoriaSim(QWidget* parent) : QWidget(parent)
{
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);

    auto* memoria = new QGroupBox(QStringLiteral("Memoria"));
    auto* m = new QVBoxLayout(memoria);
    tabella_ = new QTableWidget(CelleMemoria, 4);
    tabella_->setObjectName(QStringLiteral("tabellaMemoria"));
    tabella_->setHorizontalHeaderLabels({QStringLiteral("RAM"), QStringLiteral("binario"), QStringLiteral("EEPROM"),
                                         QStringLiteral("binario")});
    QStringList righe;
    for (int n = 1; n <= CelleMemoria; ++n)
        righe << QString::number(n);
    tabella_->setVerticalHeaderLabels(righe);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionMode(QAbstractItemView::NoSelection);
    tabella_->setFocusPolicy(Qt::NoFocus);
    QFont fisso(QStringLiteral("Monospace"));
    fisso.setStyleHint(QFont::TypeWriter);
    tabella_->setFont(fisso);
    tabella_->verticalHeader()->setDefaultSectionSize(tabella_->fontMetrics().height());
    tabella_->verticalHeader()->setMinimumSectionSize(tabella_->fontMetrics().height());
    tabella_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int r = 0; r < CelleMemoria; ++r)
        for (int c = 0; c < 4; ++c) {
            auto* voce = new QTableWidgetItem;
            voce->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabella_->setItem(r, c, voce);
        }
    m->addWidget(tabella_);
    colonna->addWidget(memoria, 1);

    auto* chip = new QGroupBox(QStringLiteral("Processore"));
    auto* modulo = new QFormLayout(chip);
    porta_ = new FilaLed(QStringLiteral("RA"), 5);
    portb_ = new FilaLed(QStringLiteral("RB"), 8);
    stack_ = new QLabel;
    stack_->setObjectName(QStringLiteral("etichettaStack"));
    stack_->setTextFormat(Qt::RichText);
    stack_->setWordWrap(true);
    w_ = new QLabel;
    modulo->addRow(QStringLiteral("PORTA"), porta_);
    modulo->addRow(QStringLiteral("PORTB"), portb_);
    modulo->addRow(QStringLiteral("Stack"), stack_);
    modulo->addRow(QStringLiteral("W"), w_);

    colonna->addWidget(chip);
    svuota();
}

void PannelloMemoriaSim::scrivi(int riga, int colonna, const QString& testo)
{
    QTableWidgetItem* voce = tabella_->item(riga, colonna);
    if (voce->text() != testo)
        voce->setText(testo);
}

void PannelloMemoriaSim::mostra(const Fotografia& foto)
{
    const StatoChip& c = foto.chip;
    for (int n = 1; n <= CelleMemoria; ++n) {
        const uint8_t ram = c.ram[static_cast<size_t>(indirizzoRam(n))];
        const uint8_t eep = c.eeprom[static_cast<size_t>(n - 1)];
        scrivi(n - 1, RamDecimale, QString::number(ram));
        scrivi(n - 1, RamBinario, binario(ram));
        scrivi(n - 1, EepDecimale, QString::number(eep));
        scrivi(n - 1, EepBinario, binario(eep));
    }
    porta_->mostra(foto.porta);
    portb_->mostra(foto.portb);
    QString stack = QStringLiteral("%1 di 8 (massimo %2)").arg(c.profondita).arg(c.stackMassimo);
    if (c.overflowStack > 0)
        stack += QStringLiteral(" <b style=\"color:#d01010\">OVERFLOW: %1 volt%2</b>")
                     .arg(c.overflowStack)
                     .arg(c.overflowStack == 1 ? QStringLiteral("a") : QStringLiteral("e"));
    stack_->setText(stack);
    w_->setText(QStringLiteral("%1 (%2)    PC 0x%3%4")
                    .arg(c.w)
                    .arg(binario(c.w))
                    .arg(c.pc, 3, 16, QLatin1Char('0'))
                    .arg(foto.addormentato ? QStringLiteral(" (Sleep)") : QString()));

}

void PannelloMemoriaSim::svuota()
{
    for (int r = 0; r < CelleMemoria; ++r)
        for (int c = 0; c < 4; ++c)
            scrivi(r, c, QString());
    porta_->mostra(0);
    portb_->mostra(0);
    stack_->setText(QStringLiteral("—"));
    w_->clear();
}

}  // namespace kobaltino
