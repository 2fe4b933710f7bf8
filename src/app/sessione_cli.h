#pragma once

#include "app/interazione_testo.h"
#include "model/editor.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>

namespace kobaltino::cli {

// The options of the commands that read a program: the program file and the option values given.
struct Opzioni {
    QString programma;
    QString processore = QStringLiteral("16F84");
    QString uscita;        // genera and stampa -o
    QString assemblatore;  // compila --assembler
};

// Reads `argomenti`; `conValore` lists the options this command takes. Prints why and returns
// nullopt when they do not fit, or the help when asked (then `aiuto` is set).
std::optional<Opzioni> leggiOpzioni(const QStringList& argomenti, const QStringList& conValore, const char* uso,
                                    QTextStream& out, QTextStream& err, bool& aiuto);

// One command's program: its options and the program they name, loaded into the grids.
struct Sessione {
    Sessione(const Opzioni& opzioni, QTextStream& err) : o(opzioni), ui(err) {}
    Opzioni o;
    Stato stato;
    InterazioneTesto ui;
    Editor editor{stato, ui};
};

// Reads the options and loads PROGRAMMA as "Apri" does, by its full path (the assembler runs
// in its folder). When the command ends here, returns nullptr and sets
// `uscita`: 0 after the help, 2 for wrong options or an unreadable program.
std::unique_ptr<Sessione> prepara(const QStringList& argomenti, const QStringList& conValore, const char* uso,
                                  QTextStream& out, QTextStream& err, int& uscita);

// The assembler "compila" runs: --assembler, else the one in the settings file, else gpasm from PATH.
QString sceltaAssemblatore(const Opzioni& o);

}  // namespace kobaltino::cli
