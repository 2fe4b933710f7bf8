#pragma once

#include <QString>

namespace kobaltino {

// The help page for a menu item: its own paragraph where the help has one ("menu.html#stampa",
// the page of an instruction), else the section of the menu it sits in (`chiaveMenu`, the
// menu's key). Empty when neither is known.
QString paginaDellaVoce(const QString& chiave, const QString& chiaveMenu);

// Help pages of the places in the main window that are not an instruction.
inline const QString PaginaModifica = QStringLiteral("iniziare.html#modificare");
inline const QString PaginaSelezione = QStringLiteral("iniziare.html#selezione");

}  // namespace kobaltino
