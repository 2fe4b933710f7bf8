#pragma once

// A program made ready for the simulator: generated, assembled by gpasm in a throw-away folder,
// its hex loaded and its addresses mapped to rows.
#include "codegen/assemblatore.h"
#include "codegen/generatore.h"
#include "sim/chip.h"
#include "sim/hex.h"
#include "sim/mappa_indirizzi.h"

#include <optional>

namespace kobaltino {

struct ProgrammaSimulato {
    ModelloPic modello = ModelloPic::P16F84;
    ImmagineHex immagine;
    MappaIndirizzi mappa;
};

struct EsitoAssemblaggio {
    std::optional<ProgrammaSimulato> programma;  // set when gpasm assembled it
    std::vector<Segnalazione> errori;             // gpasm's complaints, lines of the generated source
    QString problema;  // why it could not run at all (gpasm missing, unreadable hex), in Italian
};

// Assembles `sorgente` for `processore` ("16F84", "16F84A", "16F628") with the gpasm at `gpasm`
// inside a temporary folder, removed afterwards.
EsitoAssemblaggio assemblaPerSimulare(const Sorgente& sorgente, const QString& processore, const QString& gpasm);

// "Griglia principale, riga 4" for a line of the generated source that comes from a row.
QString descriviOrigine(const Origine& origine);

}  // namespace kobaltino
