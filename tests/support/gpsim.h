#pragma once

// The real tools as referees: a source assembled with gputils' gpasm in a temporary folder, then
// run in gpsim with a command script. A missing or failing tool fails the test loudly.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace kobaltino::gpsim {

// Runs `strumento`, found in the PATH, in `cartella`; its merged output in `uscita`. False, with a
// test failure, when it is missing or fails.
inline bool esegui(const char* strumento, const QStringList& argomenti, const QString& cartella, QString& uscita)
{
    QProcess p;
    p.setWorkingDirectory(cartella);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStandardPaths::findExecutable(QLatin1String(strumento)), argomenti);
    const bool finito = p.waitForFinished(60000);
    uscita = QString::fromLatin1(p.readAll());
    const bool riuscito = finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!riuscito)
        ADD_FAILURE() << strumento << " non trovato o non riuscito (installare gputils e gpsim):\n" << uscita.toStdString();
    return riuscito;
}

// A source assembled (INHX8M, as the compile does) in a folder of its own: prova.asm and, when
// `riuscito`, prova.hex, prova.lst, prova.cod.
struct Assemblato {
    std::unique_ptr<QTemporaryDir> cartella = std::make_unique<QTemporaryDir>();
    bool riuscito = false;

    // The bytes of the file `nome` of the folder; empty when it cannot be read.
    QByteArray leggi(const QString& nome) const
    {
        QFile f(cartella->filePath(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Runs prova.cod in gpsim with the commands of `script` (a closing "quit" is added); false, with
    // a test failure, when it cannot run.
    bool simula(const QByteArray& script, QString& uscita) const
    {
        QFile stc(cartella->filePath(QStringLiteral("prova.stc")));
        if (!riuscito || !stc.open(QIODevice::WriteOnly) || stc.write(script + "quit\n") < 0) {
            ADD_FAILURE() << "impossibile preparare la simulazione";
            return false;
        }
        stc.close();
        return esegui("gpsim", {"-i", "-c", "prova.stc", "prova.cod"}, cartella->path(), uscita);
    }
};

inline Assemblato assembla(const QByteArray& sorgente)
{
    Assemblato a;
    QFile f(a.cartella->filePath(QStringLiteral("prova.asm")));
    QString uscita;
    if (!a.cartella->isValid() || !f.open(QIODevice::WriteOnly) || f.write(sorgente) != sorgente.size()) {
        ADD_FAILURE() << "impossibile scrivere prova.asm";
        return a;
    }
    f.close();
    a.riuscito = esegui("gpasm", {"-w", "2", "-a", "inhx8m", "-o", "prova.hex", "prova.asm"}, a.cartella->path(), uscita);
    return a;
}

// A row of gpsim's "dump" or "dump e", "0040:  00 01 -- ...", into `memoria` (address -> byte;
// cells shown as "--" are left out). False when `testo` is not such a row.
inline bool leggiRigaDump(const QString& testo, std::map<int, int>& memoria)
{
    static const QRegularExpression riga(QStringLiteral("^([0-9a-f]{4}):((?:\\s+(?:[0-9a-f]{2}|--)){16})"));
    const QRegularExpressionMatch m = riga.match(testo);
    if (!m.hasMatch())
        return false;
    const QStringList celle = m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < celle.size(); ++i)
        if (celle[i] != QLatin1String("--"))
            memoria[m.captured(1).toInt(nullptr, 16) + i] = celle[i].toInt(nullptr, 16);
    return true;
}

}  // namespace kobaltino::gpsim
