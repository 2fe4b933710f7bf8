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
#include <vector>

namespace kobaltino {

// A pin held at a level for the whole run, as a sensor would hold it: "portb4", 1.
struct Stimolo {
    const char* piedino;
    int livello;
};

// What a run watches besides its end.
struct Prova {
    QStringList fermate;             // labels; each time the program reaches one, a Tappa is noted
    std::vector<Stimolo> stimoli;
    int maxTappe = 16;               // the run ends after this many stops, "fine" included
    qint64 maxCicli = 3'000'000;     // a runaway program is stopped here
};

// The program reached label `etichetta` ("fine" for the closing loop) after `ciclo` instruction
// cycles, with PORTA's pins reading `portaA`.
struct Tappa {
    QString etichetta;
    qint64 ciclo = -1;
    int portaA = -1;
};

struct Simulazione {
    bool arrivataAFine = false;   // stopped at "fine"
    std::vector<Tappa> tappe;     // in the order they were reached, up to the first "fine"
    std::map<int, int> eeprom;    // data EEPROM address -> byte
    std::map<int, int> registri;  // file register address -> byte (both banks)
    QString uscita;               // everything the tools printed, for failure messages

    // Cycles from the first time the program reached `da` to the first time it reached `a`.
    qint64 cicli(const QString& da, const QString& a) const
    {
        qint64 inizio = -1;
        for (const Tappa& t : tappe) {
            if (inizio < 0 && t.etichetta == da)
                inizio = t.ciclo;
            else if (inizio >= 0 && t.etichetta == a)
                return t.ciclo - inizio;
        }
        return -1;
    }
};

namespace simulatore {

// The gpsim script: a breakpoint on each label, the stimuli, then run/report until the stops
// are used up, and the dumps of the EEPROM and of the file registers. After the cycle limit one
// more cycle breakpoint per run stops each further "run" at once, so nothing runs unbounded.
inline QByteArray script(const Prova& prova)
{
    QByteArray s;
    for (const QString& e : QStringList{QStringLiteral("fine")} + prova.fermate)
        s += "break e " + e.toLatin1() + '\n';
    for (int i = 0; i < prova.maxTappe; ++i)
        s += "break c " + QByteArray::number(prova.maxCicli + i) + '\n';
    for (size_t i = 0; i < prova.stimoli.size(); ++i) {
        const QByteArray n = QByteArray::number(static_cast<qulonglong>(i));
        const QByteArray livello = QByteArray::number(prova.stimoli[i].livello);
        s += "stimulus asynchronous_stimulus\ninitial_state " + livello + "\nstart_cycle 0\n{ 1, " + livello
             + " }\nname stimolo" + n + "\nend\nnode nodo" + n + "\nattach nodo" + n + " stimolo" + n + ' '
             + prova.stimoli[i].piedino + '\n';
    }
    for (int i = 0; i < prova.maxTappe; ++i)
        s += "run\ncycles\nporta\n";
    return s + "dump e\ndump\nquit\n";
}

// Address -> name of the labels asked for, from the symbol table at the end of gpasm's listing.
inline std::map<int, QString> indirizzi(const QString& listato, const QStringList& etichette)
{
    std::map<int, QString> mappa;
    static const QRegularExpression simbolo(QStringLiteral("^(\\w+)\\s+([0-9A-F]{8})\\s*$"),
                                            QRegularExpression::MultilineOption);
    const qsizetype tabella = listato.indexOf(QLatin1String("SYMBOL TABLE"));
    for (auto it = simbolo.globalMatch(listato, std::max<qsizetype>(tabella, 0)); tabella >= 0 && it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (etichette.contains(m.captured(1)))
            mappa.emplace(m.captured(2).toInt(nullptr, 16), m.captured(1));
    }
    return mappa;
}

// The stops ("Execution at line_000f(0xf)", then the "cycles" and "porta" answers), up to the
// first at "fine"; nothing after a cycle-limit stop counts.
inline void leggiTappe(Simulazione& sim, const std::map<int, QString>& etichette)
{
    static const QRegularExpression sosta(QStringLiteral("Execution at line_[0-9a-f]+\\(0x([0-9a-f]+)\\)"));
    static const QRegularExpression cicli(QStringLiteral("^(?:\\*\\*gpsim> )?(\\d+) = 0x[0-9A-F]+\\s*$"));
    static const QRegularExpression porta(QStringLiteral("^(?:\\*\\*gpsim> )?porta = 0x([0-9a-f]+)\\s*$"));
    for (const QString& riga : sim.uscita.split(QLatin1Char('\n'))) {
        if (sim.arrivataAFine || riga.contains(QLatin1String("cycle break:")))
            return;
        if (const QRegularExpressionMatch m = sosta.match(riga); m.hasMatch()) {
            const auto e = etichette.find(m.captured(1).toInt(nullptr, 16));
            sim.tappe.push_back({e == etichette.end() ? QString() : e->second});
        } else if (const QRegularExpressionMatch c = cicli.match(riga); c.hasMatch() && !sim.tappe.empty()) {
            sim.tappe.back().ciclo = c.captured(1).toLongLong();
        } else if (const QRegularExpressionMatch p = porta.match(riga); p.hasMatch() && !sim.tappe.empty()) {
            sim.tappe.back().portaA = p.captured(1).toInt(nullptr, 16);
            sim.arrivataAFine = sim.tappe.back().etichetta == QLatin1String("fine");
        }
    }
}

// "dump e" and "dump": a header line of column numbers, then rows "0000:  00 01 -- ...". The
// first table is the EEPROM, the second the file registers.
inline void leggiMemorie(Simulazione& sim)
{
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
}

}  // namespace simulatore

// Generates the program of `stato` for its processor, assembles it and runs it as `prova` says.
inline Simulazione simula(const Stato& stato, const Prova& prova = {})
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
    script.write(simulatore::script(prova));
    script.close();
    const std::pair<const char*, QStringList> passi[] = {{"gpasm", {"-w", "2", "-o", "robot.hex", "robot.asm"}},
                                                         {"gpsim", {"-i", "-c", "robot.stc", "robot.cod"}}};
    for (const auto& [strumento, argomenti] : passi) {
        QProcess p;
        p.setWorkingDirectory(cartella.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStandardPaths::findExecutable(QLatin1String(strumento)), argomenti);
        const bool finito = p.waitForFinished(60000);
        sim.uscita = QString::fromLocal8Bit(p.readAll());
        if (!finito || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            ADD_FAILURE() << strumento << " non trovato o non riuscito (installare gputils e gpsim):\n"
                          << sim.uscita.toStdString();
            return sim;
        }
    }
    QFile listato(cartella.filePath(QStringLiteral("robot.lst")));
    if (!listato.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "gpasm non ha scritto robot.lst";
        return sim;
    }
    simulatore::leggiTappe(sim, simulatore::indirizzi(QString::fromLatin1(listato.readAll()),
                                                      QStringList{QStringLiteral("fine")} + prova.fermate));
    simulatore::leggiMemorie(sim);
    return sim;
}

}  // namespace kobaltino
