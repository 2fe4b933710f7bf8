#include "dialogs/avviso.h"

#include <QMessageBox>
#include <QPushButton>

namespace kobaltino {

namespace {

QMessageBox::Icon iconaQt(Icona icona)
{
    switch (icona) {
    case Icona::Nessuna: return QMessageBox::NoIcon;
    case Icona::Informazione: return QMessageBox::Information;
    case Icona::Critica: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Risposta mostraAvviso(QWidget* genitore, const Messaggio& m)
{
    QMessageBox box(genitore);
    box.setWindowTitle(m.titolo);
    box.setText(m.testo);
    box.setIcon(iconaQt(m.icona));
    switch (m.pulsanti) {
    case Pulsanti::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Pulsanti::SiNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Pulsanti::SiNoAnnulla:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
        break;
    }
    if (QAbstractButton* si = box.button(QMessageBox::Yes)) {
        si->setText(QStringLiteral("&Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    case QMessageBox::Cancel: return Risposta::Annulla;
    default: return m.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::Annulla;
    }
}

}  // namespace kobaltino
