#pragma once

#include <QStringList>
#include <QTextStream>

namespace kobaltino::cli {

// One sub-command of kobaltino-cli: the arguments after its name, standard output and error.
// Returns the exit status.
using Comando = int (*)(const QStringList& argomenti, QTextStream& out, QTextStream& err);

int converti(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int genera(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int compila(const QStringList& argomenti, QTextStream& out, QTextStream& err);
// Needs a QGuiApplication: it draws.
int stampa(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int simula(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int trasferisci(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int valuta(const QStringList& argomenti, QTextStream& out, QTextStream& err);

// True when the arguments ask for the command's help: "--help" or "-h" anywhere among them.
inline bool chiedeAiuto(const QStringList& argomenti)
{
    return argomenti.contains(QLatin1String("--help")) || argomenti.contains(QLatin1String("-h"));
}

}  // namespace kobaltino::cli
