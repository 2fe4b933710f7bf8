#pragma once

#include <QSettings>
#include <QString>

namespace kobaltino {

// The student's own choices kept from one run to the next in the desktop's per-user settings
// (QSettings), apart from Data.dat, whose two lines stay as they are.

// The store itself, for every choice kept (processor, recent programs, shown parameters).
QSettings preferenze();

// The processor picked last; "16F84" on a first start or when what is stored names no processor.
QString processoreRicordato();
void ricordaProcessore(const QString& processore);

}  // namespace kobaltino
