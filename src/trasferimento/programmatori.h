#pragma once

#include <QString>

#include <array>
#include <span>

namespace kobaltino {

// What one exit status of a programmer means, in words for a student.
struct CodiceUscita {
    int codice;
    const char* spiegazione;
};

// A text the programmer prints only when something went wrong (compared without regard to case),
// and what it means. Some tools end with status 0 even then.
struct SegnaleUscita {
    const char* testo;
    const char* spiegazione;
};

// One programmer Kobaltino can drive: a row of data, the same code runs them all.
struct Programmatore {
    const char* id;         // the name used by the command line and the settings: "pk2cmd"
    const char* nome;       // shown to the user
    const char* programma;  // the program run
    // The argument template, split as a shell splits words; {hex}, {pic}, {porta}, {strumento}
    // become one argument each.
    const char* modello;
    const char* versione;  // the arguments that make it tell its version, without touching the chip
    // The tool's name for 16F84, 16F84A and 16F628, in the processor list's order; nullptr for a
    // chip it cannot program.
    std::array<const char*, 3> parti;
    const char* rifiuto;  // why a chip without a part name is refused (%1 the chip)
    bool richiedePorta;
    bool richiedeStrumento;  // PICkit 3, 4 or 5: {strumento}
    const char* installazione;  // how to get it when it is missing
    std::span<const CodiceUscita> codici;
    std::span<const SegnaleUscita> segnali;  // looked for in this order: the first found explains
    // A text the tool prints only when the chip has really been written; nullptr when its exit
    // status can be trusted. ipecmd ends with status 0 and "Operation Succeeded" even when it
    // found no chip at all.
    const char* conferma = nullptr;
};

inline constexpr const char* Personalizzato = "personalizzato";

// The presets, in the order the dialog offers them.
std::span<const Programmatore> programmatori();

// The preset called `id`; nullptr for any other text (the custom line among them).
const Programmatore* programmatore(const QString& id);

// The tool's name for `processore` ("16F84A" -> "PIC16F84A" for pk2cmd); empty when it cannot program it.
QString parte(const Programmatore& p, const QString& processore);

// The tools of the vendor's IPE: "PK3", "PK4", "PK5".
std::span<const char* const> strumentiIpe();

}  // namespace kobaltino
