#pragma once

// The reports of a grading, all written from the one result structure: a table for the
// terminal, one self-contained HTML page (styles and trail pictures inside), CSV for Italian
// spreadsheets (';' between fields, decimal commas) and JSON.
#include "valutazione/valutazione.h"

#include <QByteArray>
#include <QString>

namespace kobaltino {

QString tabellaValutazione(const Valutazione& v);
QByteArray htmlValutazione(const Valutazione& v);
QByteArray csvValutazione(const Valutazione& v);  // UTF-8 with its mark, CR LF line ends
QByteArray jsonValutazione(const Valutazione& v);

}  // namespace kobaltino
