#pragma once

#include <QString>

#include <optional>

namespace kobaltino {

// Added to each part of the version in the settings stamp.
inline constexpr int ScostamentoTimbro = 73;

// This program's version: major, minor and revision, each followed by a point ("1.0.0.").
QString versioneProgramma();

// "1.0.0." -> "74:73:73:" and back. Decoding never fails: a damaged stamp decodes to a
// version that matches nothing.
QString codificaTimbro(const QString& versione);
QString decodificaTimbro(const QString& timbro);

// The two lines of the settings file, quotes removed.
struct Impostazioni {
    QString timbro;
    QString compilatore;
};

// nullopt when the file is missing, unreadable, empty or shorter than two lines.
std::optional<Impostazioni> leggiImpostazioni(const QString& percorso);

// Creates the folder when needed and writes the two quoted lines; false when the file could
// not be written (the old one, if any, is left whole) or the path is not Windows-1252 text.
bool scriviImpostazioni(const QString& percorso, const Impostazioni& impostazioni);

// Where Data/Data.dat lives: in the application folder when it can be written (a portable
// install), else in the user's configuration folder.
QString percorsoImpostazioni(const QString& cartellaApplicazione, const QString& cartellaConfigurazione);

// The help pages: "Help" in the application folder when it is there, else the data folder
// "help" (see cartellaDati); "Help" in the application folder when there is none.
QString cartellaGuida(const QString& cartellaApplicazione);

}  // namespace kobaltino
