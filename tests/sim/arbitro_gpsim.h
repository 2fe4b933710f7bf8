#pragma once

// gpsim as the referee: a source is assembled with the real gpasm and run in gpsim, which stops at
// the cycles asked and prints its whole state there. Fails the test loudly when a tool is missing.
#include "sim/chip.h"
#include "sim/hex.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace kobaltino::arbitro {

// The chip as gpsim shows it at a stop.
struct Istantanea {
    int w = -1, pc = -1;
    std::map<int, int> registri;  // address -> byte; addresses gpsim shows as "--" are missing
    std::vector<int> eeprom;
    uint8_t analogiciPortaA = 0;  // PORTA bits the 16F628's comparators take (the chip reads them as 0)
};

inline bool esegui(const QString& cartella, const char* strumento, const QStringList& argomenti, QString& uscita)
{
    QProcess p;
    p.setWorkingDirectory(cartella);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStandardPaths::findExecutable(QLatin1String(strumento)), argomenti);
    const bool finito = p.waitForFinished(60000);
    uscita = QString::fromLatin1(p.readAll());
    if (!finito || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << strumento << " non trovato o non riuscito (installare gputils e gpsim):\n"
                      << uscita.toStdString();
        return false;
    }
    return true;
}

// Rows "0040:  00 01 -- ..." of a gpsim table into `dove`.
inline void leggiRiga(const QString& riga, std::map<int, int>& dove)
{
    static const QRegularExpression formato(QStringLiteral("^([0-9a-f]{4}):  ((?:(?:[0-9a-f]{2}|--) ){16})"));
    const auto m = formato.match(riga);
    if (!m.hasMatch())
        return;
    const int base = m.captured(1).toInt(nullptr, 16);
    const QStringList celle = m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < celle.size(); ++i)
        if (celle[i] != QLatin1String("--"))
            dove[base + i] = celle[i].toInt(nullptr, 16);
}

// A program assembled with gpasm (INHX8M, as the compile does), ready for gpsim.
struct Assemblato {
    std::unique_ptr<QTemporaryDir> cartella = std::make_unique<QTemporaryDir>();
    std::optional<ImmagineHex> immagine;
};

inline Assemblato assembla(const QByteArray& sorgente)
{
    Assemblato a;
    QFile asm_(a.cartella->filePath(QStringLiteral("prova.asm")));
    if (!a.cartella->isValid() || !asm_.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "impossibile preparare la cartella della prova";
        return a;
    }
    asm_.write(sorgente);
    asm_.close();
    QString uscita;
    if (!esegui(a.cartella->path(), "gpasm", {"-w", "2", "-a", "inhx8m", "-o", "prova.hex", "prova.asm"}, uscita))
        return a;
    QFile hex(a.cartella->filePath(QStringLiteral("prova.hex")));
    if (!hex.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "gpasm non ha scritto il file hex";
        return a;
    }
    QString errore;
    a.immagine = leggiHex(hex.readAll(), &errore);
    if (!a.immagine)
        ADD_FAILURE() << errore.toStdString();
    return a;
}

// Runs the assembled program in gpsim, stopping at each cycle of `cicli` (increasing, at least 2
// apart). At "break c N" gpsim has run every instruction that starts at cycle N or before.
inline std::vector<Istantanea> esegui(const Assemblato& programma, const std::vector<uint64_t>& cicli)
{
    std::vector<Istantanea> fermate;
    QByteArray script;
    for (uint64_t c : cicli)
        script += "break c " + QByteArray::number(qulonglong(c)) + "\nrun\necho @FERMATA\nx\ndump e\n";
    script += "quit\n";
    QFile fileScript(programma.cartella->filePath(QStringLiteral("prova.stc")));
    if (!fileScript.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "impossibile scrivere lo script di gpsim";
        return fermate;
    }
    fileScript.write(script);
    fileScript.close();
    QString uscita;
    if (!esegui(programma.cartella->path(), "gpsim", {"-i", "-c", "prova.stc", "prova.cod"}, uscita))
        return fermate;

    // Each stop: the register table, "W = 05", "pc = 0x3", then the EEPROM table.
    const QStringList blocchi = uscita.split(QStringLiteral("@FERMATA"));
    for (qsizetype b = 1; b < blocchi.size(); ++b) {
        Istantanea ist;
        std::map<int, int> eeprom;
        bool dopoPc = false;
        for (const QString& riga : blocchi[b].split(QLatin1Char('\n'))) {
            if (riga.startsWith(QLatin1String("W = ")))
                ist.w = riga.mid(4).trimmed().toInt(nullptr, 16);
            else if (riga.startsWith(QLatin1String("pc = 0x"))) {
                ist.pc = riga.mid(7).trimmed().toInt(nullptr, 16);
                dopoPc = true;
            } else
                leggiRiga(riga, dopoPc ? eeprom : ist.registri);
        }
        for (const auto& [indirizzo, valore] : eeprom)
            ist.eeprom.push_back(valore);
        fermate.push_back(ist);
    }
    EXPECT_EQ(fermate.size(), cicli.size()) << uscita.right(3000).toStdString();
    return fermate;
}

// The chip's state as gpsim would print it, for a comparison in one assertion.
inline Istantanea fotografa(const Chip& chip)
{
    Istantanea ist;
    ist.w = chip.w();
    ist.pc = chip.pc();
    for (int a = 0; a < 0x200; ++a)
        if (const auto v = chip.registro(a))
            ist.registri[a] = *v;
    for (int a = 0; a < chip.dimensioneEeprom(); ++a)
        ist.eeprom.push_back(chip.eeprom(a));
    if (chip.modello() == ModelloPic::P16F628 && (chip.registro(0x1F).value_or(7) & 7) != 7)
        ist.analogiciPortaA = 0x0F;
    return ist;
}

}  // namespace kobaltino::arbitro
