#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kobaltino {

// How the compile runs the assembler and reads what it left behind.
struct ComandoAssemblatore {
    QString programma;
    QStringList argomenti;
    QString cartella;  // the program's folder: the outputs land beside the program
};

// True for gputils' gpasm, which gets options of its own instead of MPASM's.
bool eGpasm(const QString& percorsoCompilatore);

// The hex file the compile leaves: the program's name with ".hex" in place of its extension.
QString percorsoHex(const QString& percorsoFile);

// The hex file the assembler left beside the program, spelled as it is on disk ("giro.HEX" from
// MPASM); empty when there is none.
QString hexSulDisco(const QString& percorsoFile);

// gpasm: "-w 2" (errors only), "-a inhx8m" (the hex format MPASM writes for these chips),
// "-o" the hex beside the program. Any other assembler: MPASM's " /e- /l- /o- /q " options.
ComandoAssemblatore comandoAssemblatore(const QString& percorsoCompilatore, const QString& sorgente,
                                        const QString& percorsoFile);

// The files to remove after the run, spelled as they are on disk: the symbol file named after
// the program ("giro.kbn" -> "giro.COD") and, for gpasm, its listing and symbol files.
QStringList fileIntermedi(const QString& percorsoCompilatore, const QString& percorsoFile);

// One complaint of the assembler; `riga` is the line of the generated source (from 1),
// 0 when the complaint names no line of it.
struct Segnalazione {
    int riga = 0;
    QString testo;

    bool operator==(const Segnalazione&) const = default;
};

// Splits the assembler's output into complaints. Lines "FILE:N:text" about `sorgente` give their
// line number; every other non-empty line is kept as it is.
std::vector<Segnalazione> leggiSegnalazioni(const QString& uscita, const QString& sorgente);

}  // namespace kobaltino
