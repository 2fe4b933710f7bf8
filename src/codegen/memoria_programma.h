#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kobaltino {

// Program memory of a processor of the cmbPIC list, in words: 1024 for the 16F84 and 16F84A,
// 2048 for the 16F628 (1024 for any other text).
int paroleDisponibili(const QString& nome);

// Program words an assembled program takes, read from its Intel hex file: the highest
// program-memory address written, plus one (the configuration word, the ID locations and the
// EEPROM data lie above program memory and do not count). 0 when nothing is written there;
// nullopt when the text is not a well-formed hex file.
std::optional<int> paroleOccupate(const QByteArray& hex);

}  // namespace kobaltino
