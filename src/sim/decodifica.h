#pragma once

// The 14-bit instruction set as one table of (mask, opcode, handler) rows: each program word is
// decoded once, at load, into a record the chip then runs.
#include "sim/chip.h"

#include <cstdint>

namespace kobaltino {

// What an erased program word holds.
inline constexpr uint16_t ParolaCancellata = 0x3FFF;

Chip::Istruzione decodifica(uint16_t parola);

// The mnemonic of a program word ("addwf", "goto", ...); "nop" for words outside the 35.
const char* mnemonico(uint16_t parola);

}  // namespace kobaltino
