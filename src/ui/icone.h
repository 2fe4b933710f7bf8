#pragma once

#include "model/catalogo.h"
#include "ui/comandi.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRect;

namespace kobaltino {

// Background colour of the icons of a family.
QColor coloreFamiglia(Famiglia famiglia);

// Draws the icon of instruction `codice` (1..28) into `rettangolo`: a plate in the family's
// colour with a symbol on the left and the instruction's name on the right. Other codes
// draw a grey plate with "?" so a damaged row is still visible.
void disegnaIconaIstruzione(QPainter& p, const QRect& rettangolo, int codice);

// The same icon as a picture of `larghezza` × `altezza` logical pixels, cached.
QPixmap iconaIstruzione(int codice, int larghezza, int altezza, qreal rapportoPixel = 1.0);

// The icon of a command in the toolbar and in the menu: the desktop theme's icon when there
// is one, otherwise a drawn one. Null for commands without an icon.
QIcon iconaComando(Azione azione);

// The drawn icon alone, whatever the theme offers.
QIcon iconaComandoDisegnata(Azione azione);

// The application's own icon.
QIcon iconaApplicazione();

// The mark of a handler tab whose grid holds instructions.
QIcon iconaGrigliaUsata();

}  // namespace kobaltino
