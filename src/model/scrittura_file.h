#pragma once

#include <QByteArray>
#include <QString>

namespace kobaltino {

// Writes `byte` as the whole content of the file `percorso`, through a temporary file in the same
// folder that replaces the old file only once every byte was written and flushed. On any failure
// the old file stays as it was and the temporary file is removed. Refuses a path that names
// something other than a regular file (a folder, a pipe, a device).
//
// Returns an empty text on success, else why the file was not written, in Italian.
QString scriviFileIntero(const QString& percorso, const QByteArray& byte);

// Whether the folder has no room left: a trial file of ProvaSpazio bytes cannot be written there
// for lack of space (a full disk, a quota or a file-size limit). The trial file is removed.
inline constexpr qint64 ProvaSpazio = 64 * 1024;
bool spazioEsaurito(const QString& cartella);

}  // namespace kobaltino
