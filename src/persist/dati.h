#pragma once

#include <QString>

namespace kobaltino {

// The folder `nome` ("help", "arene", "esempi", "sfide") of the program's own data:
// share/kobaltino beside the program's folder first, so the build tree, an install prefix and
// an unpacked package each use their own copy; else the system's data folders. Empty when
// none holds it.
QString cartellaDati(const QString& cartellaApplicazione, const QString& nome);

}  // namespace kobaltino
