#pragma once

#include "dialogs/dialogo_istruzione.h"
#include "model/catalogo.h"
#include "model/stato.h"

#include <memory>

namespace kobaltino {

// The dialog that `dialogo` names, set up for grid k from the shared state (rows of the
// grid, the grid's control name, usage marks). nullptr when there is no such dialog.
std::unique_ptr<DialogoIstruzione> creaDialogo(Dialogo dialogo, int k, const Stato& stato,
                                               QWidget* genitore = nullptr);

}  // namespace kobaltino
