#include "ui/preferenze.h"

#include "model/stato.h"

#include <QSettings>
#include <algorithm>

namespace kobaltino {

namespace {
const QString ChiaveProcessore = QStringLiteral("processore");
}  // namespace

// One store for the editor whatever the program's own name (tests run under theirs).
QSettings preferenze()
{
    return QSettings(QSettings::UserScope, TitoloApplicazione, TitoloApplicazione);
}

QString processoreRicordato()
{
    const QString letto = preferenze().value(ChiaveProcessore).toString();
    return std::find(Processori.begin(), Processori.end(), letto) != Processori.end() ? letto : Processori[0];
}

void ricordaProcessore(const QString& processore)
{
    preferenze().setValue(ChiaveProcessore, processore);
}

}  // namespace kobaltino
