#pragma once

#include "programmi.h"

#include "codegen/compilatore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>


namespace kobaltino {

// A complete hex file holding nothing but its end record.
inline const QByteArray HexVuoto = ":00000001FF\r\n";

inline QString gpasm() { return QStandardPaths::findExecutable(QStringLiteral("gpasm")); }

// A scripted user whose assembler is a recording of the command line and of the source given:
// it leaves the files `lasciati` (by default the hex beside the source), the hex ones holding
// HexVuoto, and reports a clean exit. With `reale` the real program runs, for at most
// `limiteRealeMs` when that is set.
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
        const QString base = QFileInfo(f.fileName()).completeBaseName();
        for (const QString& nome : lasciati.isEmpty() ? QStringList{base + ".hex"} : lasciati)
            if (QFile l(QDir(cartella).filePath(nome)); l.open(QIODevice::WriteOnly))
                l.write(nome.endsWith("hex", Qt::CaseInsensitive) ? HexVuoto : QByteArray());
        return {true, false, 0, {}};
    }

    bool reale = false;
    int limiteRealeMs = 0;
    QStringList lasciati;

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
