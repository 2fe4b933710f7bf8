#pragma once

#include "programmi.h"

#include "codegen/compilatore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace kobaltino {

// A scripted user whose assembler is a recording: it notes the command line and the source it
// was given, and answers with the scripted result. With `reale` the real assembler runs.
class InterazioneAssemblatore : public InterazioneFinta {
public:
    EsitoProcesso esegui(const QString& programma, const QStringList& argomenti, const QString& cartella,
                         int limiteMs) override
    {
        ++esecuzioni;
        if (reale)
            return InterazioneFinta::esegui(programma, argomenti, cartella, limiteMs);
        this->programma = programma;
        this->argomenti = argomenti;
        this->cartella = cartella;
        this->limiteMs = limiteMs;
        QFile f(argomenti.isEmpty() ? QString() : argomenti.last());
        if (f.open(QIODevice::ReadOnly))
            sorgenteLetto = f.readAll();
        if (primaDiTerminare)
            primaDiTerminare();
        return risultato;
    }

    bool reale = false;
    EsitoProcesso risultato{true, false, 0, {}};
    std::function<void()> primaDiTerminare;  // what the assembler leaves on disk

    int esecuzioni = 0;
    QString programma, cartella;
    QStringList argomenti;
    int limiteMs = 0;
    QByteArray sorgenteLetto;
};

inline QString gpasm()
{
    return QStandardPaths::findExecutable(QStringLiteral("gpasm"));
}

// A program saved as `nome` in a folder of its own (its name has a blank), ready to compile.
struct Banco {
    explicit Banco(const QString& compilatore = QStringLiteral("/opt/pic/MPASMWIN.exe"),
                   const QString& nome = QStringLiteral("giro.kbn"))
    {
        EXPECT_TRUE(cartella.isValid());
        lascia(nome);
        salvato(stato, cartella.filePath(nome));
        stato.PercorsoCompilatore = compilatore;
        ui.reale = compilatore == gpasm();
    }

    // Writes the file `nome` in the folder; its path.
    QString lascia(const QString& nome, const QByteArray& contenuto = {}) const
    {
        QFile f(cartella.filePath(nome));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << nome.toStdString();
        f.write(contenuto);
        return f.fileName();
    }

    QStringList file() const { return QDir(cartella.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir cartella{QDir::tempPath() + QStringLiteral("/kobaltino prova-XXXXXX")};
    Stato stato;
    InterazioneAssemblatore ui;
    Compilatore compilatore{stato, ui};
};

}  // namespace kobaltino
