#pragma once

// Grading a class: every program of a folder compiled with gpasm and run against one challenge,
// each on its own chip, robot and session, on a pool of threads. The result structure is what
// the report writers read.
#include "sim/sfida.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace kobaltino {

struct EsitoObiettivo {
    QString tipo;
    bool superato = false;
    std::optional<double> valore;
    QString testo;  // the value in words, "-" when none
};

struct RisultatoProgramma {
    QString file;  // as the teacher named it, or found in a folder named
    bool compilato = false;
    QString errore;  // why it did not run: unreadable, empty, the compile error with its grid and row
    bool superata = false;
    double punteggio = 0;  // 0..100
    double tempoS = 0;     // simulated time when the run ended
    int urti = 0;
    std::vector<EsitoObiettivo> obiettivi;  // one per goal of the challenge, failed when it did not run
    std::vector<Punto> traccia;             // the robot's centre along the run
};

struct Valutazione {
    QString nome;  // the challenge as named on the command line
    Sfida sfida;
    std::vector<RisultatoProgramma> programmi;
};

// The programs named by `percorsi`: a file as it is, a folder by every .kbn and .sdl inside it
// (subfolders too), in name order; other files in a folder are left out.
QStringList programmiDa(const QStringList& percorsi);

// Compiles the program at `file` with the gpasm at `gpasm` and runs it against `sfida`.
RisultatoProgramma valutaProgramma(const Sfida& sfida, const QString& file, const QString& gpasm);

// Grades `file` on every core; `avanzamento(fatti, tutti)` is called, one call at a time, from
// the threads as programs finish. The rows come in the order of `file`.
using Avanzamento = std::function<void(int fatti, int tutti)>;
Valutazione valuta(const QString& nome, const Sfida& sfida, const QStringList& file,
                   const Avanzamento& avanzamento = {});

}  // namespace kobaltino
