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

// A scripted user whose assembler is a recording: it notes the command line and the source it
// was given, and answers with the scripted result; unless told otherwise (`primaDiTerminare`)
// a clean run leaves HexVuoto as the hex. With `reale` the real program runs, for at most
// `limiteRealeMs` when that is set.
class InterazioneAssemblatore : public InterazioneFinta {
public:
    EsitoProcesso esegui(const QString& programma, const QStringList& argomenti, const QString& cartella,
                         int limiteMs) override
    {
        ++esecuzioni;
        this->limiteMs = limiteMs;
        if (reale)
            return InterazioneFinta::esegui(programma, argomenti, cartella, limiteRealeMs > 0 ? limiteRealeMs : limiteMs);
        this->programma = programma;
        this->argomenti = argomenti;
        this->cartella = cartella;
        QFile f(argomenti.isEmpty() ? QString() : argomenti.last());
        if (f.open(QIODevice::ReadOnly))
            sorgenteLetto = f.readAll();
        if (primaDiTerminare) {
            primaDiTerminare();
        } else if (risultato.avviato && risultato.codiceUscita == 0) {
            QFile hex(QDir(cartella).filePath(QFileInfo(f.fileName()).completeBaseName() + QStringLiteral(".hex")));
            if (hex.open(QIODevice::WriteOnly))
                hex.write(HexVuoto);
        }
        return risultato;
    }

    bool reale = false;
    int limiteRealeMs = 0;
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
