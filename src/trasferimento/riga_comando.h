#pragma once

#include "trasferimento/programmatori.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kobaltino {

// What the user chose in "Programmatore...": a preset (its id) or the custom line.
struct SceltaProgrammatore {
    QString programmatore = QStringLiteral("pk2cmd");
    QString riga{};  // the custom command line
    QString porta{};
    QString strumento = QStringLiteral("PK3");

    bool operator==(const SceltaProgrammatore&) const = default;
};

// Splits `riga` into words as a POSIX shell does (blanks, '...', "...", backslash), and does
// nothing else: no variables, no $( ), no wildcards, no ; or |. Nullopt when a quote is left open.
std::optional<QStringList> dividiParole(const QString& riga);

// The values of the placeholders.
struct Segnaposti {
    QString hex, pic, porta, strumento;
};

// Each word with its placeholders filled in: a word stays one argument whatever the values hold.
QStringList riempi(const QStringList& parole, const Segnaposti& valori);

// The command that will run, or why it cannot.
struct ComandoProgrammatore {
    QString programma;
    QStringList argomenti;
    const Programmatore* voce = nullptr;  // nullptr for the custom line
    QString rifiuto;                      // empty when the command can run

    bool valido() const { return rifiuto.isEmpty(); }
};

// The command line for `scelta`, the chip `processore` and the hex file. Refused (with an
// Italian sentence, before anything runs) for an unknown preset, a chip the programmer cannot
// program, a missing port or tool, a custom line that is empty or has an open quote.
ComandoProgrammatore componi(const SceltaProgrammatore& scelta, const QString& processore, const QString& hex);

// The full path of `programma` (a name looked up on PATH, or a path); empty when there is no
// such executable.
QString trovaEseguibile(const QString& programma);

// The refusal for a programmer that is not installed, with how to install it.
QString messaggioNonInstallato(const ComandoProgrammatore& comando);

// The command as a user would type it, words with blanks or quotes in single quotes.
QString mostraComando(const QString& programma, const QStringList& argomenti);

}  // namespace kobaltino
