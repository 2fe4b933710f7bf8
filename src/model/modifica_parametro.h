#pragma once

#include "model/editor.h"

namespace kobaltino {

// Gives row `riga` of grid k the parameter text `nuovoTesto`, with the side effects that
// confirming its dialog has on an insertion:
// - "Vai a": the new target row carries a label (its own if it has one, else the grid's next
//   free number); the old target loses its label when no other "Vai a" of the grid uses it;
// - "Scrivi Ram" / "Scrivi Eeprom": the old cell's usage mark is freed, the new cell's mark
//   becomes the literal written.
// Sets Modificato. Returns false, changing nothing, when the row is not in use, its
// instruction takes no parameter a dialog sets ("Braccio" counts its state from the order of
// the arm rows), or the text is the one it already has.
bool modificaParametro(Stato& stato, int k, int riga, const QString& nuovoTesto);

// Double-click on a row: shows the row's dialog filled in with its parameter and, when the
// user confirms a different value, applies it with modificaParametro(). The action of a
// conditional stays as it is. Returns true when the row changed.
bool modificaRiga(Editor& editor, int k, int riga);

}  // namespace kobaltino
