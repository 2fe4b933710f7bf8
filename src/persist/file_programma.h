#pragma once

#include "model/editor.h"
#include "model/stato.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace kobaltino {

// The numbers shown after "Errore numero: " when a program file cannot be loaded.
// They never change meaning: users quote them when they ask for help.
namespace errore_lettura {
inline constexpr int Nessuno = 0;
inline constexpr int ParametroNonValido = 5;    // a parameter or label no dialog writes
inline constexpr int CellaTroppoGrande = 6;     // RAM/EEP cell number beyond -32768..32767
inline constexpr int FileTroppoGrande = 7;      // larger than DimensioneMassimaProgramma
inline constexpr int CellaFuoriIntervallo = 9;  // RAM/EEP cell number outside 1..20
inline constexpr int CellaNonNumerica = 13;     // RAM/EEP cell number is not a whole number
inline constexpr int CampoTroppoLungo = 14;     // a field longer than LunghezzaMassimaCampo
inline constexpr int FileNonTrovato = 53;
inline constexpr int RecordIncompleto = 62;     // the file ends inside a record or inside quotes
inline constexpr int TestoDopoVirgolette = 63;  // text between a closing quote and the next separator
inline constexpr int FileIlleggibile = 75;      // a folder, a pipe, a device, no permission, a read error
}  // namespace errore_lettura

inline constexpr qint64 DimensioneMassimaProgramma = 16 * 1024 * 1024;

// The complete bytes of the program file of `stato` (Windows-1252, CR LF line ends, the last
// line ended too): the rows of grids 1..10, then the twenty RAM and twenty EEPROM marks.
// A character Windows-1252 cannot hold is written as a substitute: check the program with
// testoNonSalvabile() first.
QByteArray testoProgramma(const Stato& stato);

// Empty when every text of the program survives a save and a load unchanged; otherwise the
// message that names the first text that would not (a double quote, a line break, a character
// outside Windows-1252, a text too long).
QString testoNonSalvabile(const Stato& stato);

// How loading a program file went.
struct EsitoLettura {
    int errore = errore_lettura::Nessuno;  // shown after "Errore numero: "
    QString spiegazione;                   // what is wrong and where, in words
    // Records skipped on purpose: an unknown grid tag or instruction code, or a row beyond the
    // 950 of its grid. How many, and the file lines of the first few.
    int saltati = 0;
    std::vector<int> righeSaltate;

    bool riuscito() const { return errore == errore_lettura::Nessuno; }
};

// How many skipped lines EsitoLettura lists.
inline constexpr size_t RigheSaltateMostrate = 5;

// Loads the program file `percorso` into the editor as "Apri" does once the file is chosen:
// every row goes in through the insertion routines with InserimentoAutomatico set, the marks
// into the memory panel, every parameter and label checked against what its instruction
// accepts. The file is read into a separate program first, which replaces the editor's only
// when the whole file was read: after a failure the editor's program, path and flags are
// exactly as they were.
EsitoLettura leggiProgramma(Editor& editor, const QString& percorso);

// What the user is shown when leggiProgramma() failed: "Errore numero: N", then the failure in
// words.
Messaggio messaggioErroreLettura(const EsitoLettura& esito);

// What the user is told after a load that skipped records; nullopt when none was skipped.
std::optional<Messaggio> avvisoRigheSaltate(const EsitoLettura& esito, const QString& percorso);

}  // namespace kobaltino
