#pragma once

// Generated programs run for real: assembled with gputils' gpasm, then executed in gpsim until
// they reach the closing "fine" loop. Fails the test loudly when either tool is missing.
#include "codegen/generatore.h"
#include "model/stato.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace kobaltino {

struct Simulazione {
    bool arrivataAFine = false;   // stopped on the breakpoint at "fine"
    std::map<int, int> eeprom;    // data EEPROM address -> byte
    std::map<int, int> registri;  // file register address -> byte (both banks)
    QString uscita;               // everything the tools printed, for failure messages
};

// Generates the program of `stato` for its processor, assembles it and runs it; a runaway
// program is stopped after three million cycles.
inline Simulazione simula(const Stato& stato)
{
    Simulazione sim;
    QTemporaryDir cartella;
    QFile sorgente(cartella.filePath(QStringLiteral("robot.asm")));
    QFile script(cartella.filePath(QStringLiteral("robot.stc")));
    if (!cartella.isValid() || !sorgente.open(QIODevice::WriteOnly) || !script.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "impossibile preparare la cartella della simulazione";
        return sim;
    }
    sorgente.write(genera(stato).sorgente.byte());
    sorgente.close();
    script.write("break e fine\nbreak c 3000000\nrun\ndump e\ndump\nquit\n");
    script.close();
    const std::pair<const char*, QStringList> passi[] = {{"gpasm", {"-w", "2", "-o", "robot.hex", "robot.asm"}},
                                                         {"gpsim", {"-i", "-c", "robot.stc", "robot.cod"}}};
    for (const auto& [strumento, argomenti] : passi) {
        QProcess p;
        p.setWorkingDirectory(cartella.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStandardPaths::findExecutable(QLatin1String(strumento)), argomenti);
        const bool finito = p.waitForFinished(30000);
        sim.uscita = QString::fromLocal8Bit(p.readAll());
        if (!finito || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            ADD_FAILURE() << strumento << " non trovato o non riuscito (installare gputils e gpsim):\n"
                          << sim.uscita.toStdString();
            return sim;
        }
    }
    sim.arrivataAFine = sim.uscita.contains(QLatin1String("Hit a Breakpoint!"));
    // "dump e" and "dump": a header line of column numbers, then rows "0000:  00 01 -- ...".
    // The first table is the EEPROM, the second the file registers.
    static const QRegularExpression intestazione(
        QStringLiteral("^(\\*\\*gpsim> )?\\s+00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f\\s*$"));
    static const QRegularExpression riga(QStringLiteral("^([0-9a-f]{4}):((?:\\s+(?:[0-9a-f]{2}|--)){16})"));
    int tabella = 0;
    for (const QString& testo : sim.uscita.split(QLatin1Char('\n'))) {
        if (intestazione.match(testo).hasMatch()) {
            ++tabella;
            continue;
        }
        const QRegularExpressionMatch m = riga.match(testo);
        if (!m.hasMatch() || tabella < 1 || tabella > 2)
            continue;
        const int base = m.captured(1).toInt(nullptr, 16);
        const QStringList byte = m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < byte.size(); ++i)
            if (byte[i] != QLatin1String("--"))
                (tabella == 1 ? sim.eeprom : sim.registri)[base + i] = byte[i].toInt(nullptr, 16);
    }
    return sim;
}

}  // namespace kobaltino
