#pragma once

#include "model/editor.h"
#include "model/stato.h"

#include <QByteArray>
#include <QString>

namespace kobaltino {

// The numbers shown after "Errore numero: " when a program file cannot be loaded.
// They never change meaning: users quote them when they ask for help.
namespace errore_lettura {
inline constexpr int Nessuno = 0;
inline constexpr int CellaTroppoGrande = 6;     // RAM/EEP cell number beyond -32768..32767
inline constexpr int FileTroppoGrande = 7;      // larger than DimensioneMassimaProgramma
inline constexpr int CellaFuoriIntervallo = 9;  // RAM/EEP cell number outside 1..20
inline constexpr int CellaNonNumerica = 13;     // RAM/EEP cell number is not a whole number
inline constexpr int CampoTroppoLungo = 14;     // a field longer than LunghezzaMassimaCampo
inline constexpr int FileNonTrovato = 53;
inline constexpr int RecordIncompleto = 62;     // the file ends inside a record or inside quotes
inline constexpr int FileIlleggibile = 75;      // a folder, no permission, a read error
}  // namespace errore_lettura

// Ten full grids of long parameters stay far below this.
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

// Loads the program file `percorso` into the editor as "Apri" does once the file is chosen:
// every row goes in through the insertion routines with InserimentoAutomatico set, the marks
// into the memory panel. Returns 0, or the error number to show after "Errore numero: ".
//
// A file that cannot be opened leaves the program as it was. A failure further on keeps the
// rows read so far, empties PercorsoFile (a later "Salva" must not overwrite the damaged file
// with part of it) and leaves Modificato set when anything was loaded.
int leggiProgramma(Editor& editor, const QString& percorso);

// What the user is shown when leggiProgramma() returns `errore`: "Errore numero: N".
Messaggio messaggioErroreLettura(int errore);

}  // namespace kobaltino
