#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace kobaltino {

// Program and settings files are 8-bit Windows-1252 text. Every byte decodes to one
// character (the five unassigned bytes to the control characters of the same value),
// so any file read back and written again keeps its bytes.
QString daWindows1252(QByteArrayView byte);

// nullopt when the text holds a character Windows-1252 cannot represent.
std::optional<QByteArray> inWindows1252(const QString& testo);

}  // namespace kobaltino
