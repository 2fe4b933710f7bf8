#pragma once

#include "programmi.h"

#include "codegen/compilatore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace kobaltino {

// A complete hex file holding nothing but its end record.
inline const QByteArray HexVuoto = ":00000001FF\r\n";

inline QString gpasm() { return QStandardPaths::findExecutable(QStringLiteral("gpasm")); }

// A scripted user whose assembler is a recording of the command line and of the source given;
// it answers `risultato` after `primaDiTerminare` (by default, after a clean run, HexVuoto as
// the hex). With `reale` the real program runs, for at most `limiteRealeMs` when that is set.
class InterazioneAssemblatore : public InterazioneFinta {
public:
    EsitoProcesso esegui(const QString& programma, const QStringList& argomenti, const QString& cartella,
                         int limiteMs) override
    {
        ++esecuzioni;
        this->limiteMs = limiteMs;
        if (reale)
            return InterazioneFinta::esegui(programma, argomenti, cartella, limiteRealeMs ? limiteRealeMs : limiteMs);
        this->programma = programma;
        this->argomenti = argomenti;
        this->cartella = cartella;
        QFile f(argomenti.value(argomenti.size() - 1));
        if (f.open(QIODevice::ReadOnly))
            sorgenteLetto = f.readAll();
        QFile hex(QDir(cartella).filePath(QFileInfo(f.fileName()).completeBaseName() + ".hex"));
        if (primaDiTerminare)
            primaDiTerminare();
        else if (risultato.avviato && risultato.codiceUscita == 0 && hex.open(QIODevice::WriteOnly))
            hex.write(HexVuoto);
        return risultato;
    }

    bool reale = false;
    int limiteRealeMs = 0;
    EsitoProcesso risultato{true, false, 0, {}};
    std::function<void()> primaDiTerminare;

    int esecuzioni = 0, limiteMs = 0;
    QString programma, cartella;
    QStringList argomenti;
    QByteArray sorgenteLetto;
};

// A program saved as `nome` in a folder of its own (its name has a blank), ready to compile.
struct Banco {
    explicit Banco(const QString& assemblatore = "/opt/pic/MPASMWIN.exe", const QString& nome = "giro.kbn")
    {
        EXPECT_TRUE(cartella.isValid());
        stato.PercorsoFile = lascia(nome);
        stato.Modificato = false;
        stato.PercorsoCompilatore = assemblatore;
        ui.reale = assemblatore == gpasm();
    }

    // Writes the file `nome` in the folder; its path.
    QString lascia(const QString& nome, const QByteArray& contenuto = {}) const
    {
        QFile f(cartella.filePath(nome));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size()) << nome.toStdString();
        return f.fileName();
    }

    QStringList file() const { return QDir(cartella.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir cartella{QDir::tempPath() + "/kobaltino prova-XXXXXX"};
    Stato stato;
    InterazioneAssemblatore ui;
    Compilatore compilatore{stato, ui};
};

}  // namespace kobaltino
