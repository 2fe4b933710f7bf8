#pragma once

// A kobaltino-cli command run inside the test, with what it writes on standard output and standard
// error kept apart.
#include "app/comandi_cli.h"

#include <QByteArray>
#include <QTextStream>

namespace kobaltino {

struct RigaDiComandoProva {
    QByteArray uscita, errori;

    // Runs `comando` with `argomenti`; its exit status.
    int esegui(cli::Comando comando, const QStringList& argomenti)
    {
        uscita.clear();
        errori.clear();
        QTextStream out(&uscita), err(&errori);
        const int stato = comando(argomenti, out, err);
        out.flush();
        err.flush();
        return stato;
    }
};

}  // namespace kobaltino
