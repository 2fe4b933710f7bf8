#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kobaltino {

// What the assembler's hex file puts into the chip.
struct ImmagineHex {
    std::vector<int> programma;               // word per address 0..0x3FF, -1 where the hex writes nothing
    std::optional<uint16_t> configurazione;   // word at 0x2007
    std::vector<int> eeprom;                  // byte per EEPROM address (0x2100.. in the hex), -1 where unwritten
};

// Reads the assembler's INHX8M file (gpasm -a inhx8m). On failure returns nullopt and an Italian message.
std::optional<ImmagineHex> leggiHex(const QByteArray& testo, QString* errore);

}  // namespace kobaltino
