#pragma once

// Generated programs run for real: assembled with gputils' gpasm, then executed in gpsim until
// they reach the closing "fine" loop. Fails the test loudly when either tool is missing.
#include "codegen/generatore.h"
#include "model/stato.h"
#include "support/gpsim.h"

#include <vector>

namespace kobaltino {

// A stop at a label ("fine" for the closing loop): the instruction cycles so far ("cicli") and
// the registers read there ("porta", "status").
struct Tappa {
    QString etichetta;
    std::map<QString, qint64> registri;
};

struct Simulazione {
    std::vector<Tappa> tappe;             // in the order they were reached, up to the first "fine"
    std::map<int, int> eeprom, registri;  // at the end: data EEPROM and file registers (both banks)
    QString uscita;                       // everything the tools printed, for failure messages

    bool arrivataAFine() const { return !tappe.empty() && tappe.back().etichetta == QLatin1String("fine"); }
};

// Generates the program of `stato` for its processor, assembles it and runs it, stopping at
// each label of `fermate` and at "fine", with the pin `piedino` ("portb4") held at `livello` for
// the whole run as a sensor would hold it. One cycle breakpoint per run past `maxCicli` stops a
// runaway program.
inline Simulazione simula(const Stato& stato, const QStringList& fermate = {}, const QByteArray& piedino = {},
                          int livello = 0, qint64 maxCicli = 3'000'000)
{
    Simulazione sim;
    const gpsim::Assemblato programma = gpsim::assembla(genera(stato).sorgente.byte());
    const QStringList etichette = QStringList{QStringLiteral("fine")} + fermate;
    QByteArray script;
    for (const QString& e : etichette)
        script += "break e " + e.toLatin1() + '\n';
    for (qsizetype i = 0; i <= etichette.size(); ++i)
        script += "break c " + QByteArray::number(maxCicli + i) + '\n';
    const QByteArray l = QByteArray::number(livello);
    if (!piedino.isEmpty())
        script += "stimulus asynchronous_stimulus\ninitial_state " + l + "\nstart_cycle 0\n{ 1, " + l
                  + " }\nname sensore\nend\nnode nodo\nattach nodo sensore " + piedino + '\n';
    for (qsizetype i = 0; i <= etichette.size(); ++i)
        script += "run\ncycles\nporta\nstatus\n";
    if (!programma.simula(script + "dump e\ndump\n", sim.uscita))
        return sim;
    // The labels' addresses, from the symbol table at the end of the listing.
    std::map<int, QString> nomi;
    const QString lst = QString::fromLatin1(programma.leggi(QStringLiteral("prova.lst")));
    static const QRegularExpression simbolo(QStringLiteral("^(\\w+)\\s+([0-9A-F]{8})\\s*$"),
                                            QRegularExpression::MultilineOption);
    const qsizetype tabellaSimboli = std::max<qsizetype>(lst.indexOf(QLatin1String("SYMBOL TABLE")), 0);
    for (auto it = simbolo.globalMatch(lst, tabellaSimboli); it.hasNext();)
        if (const QRegularExpressionMatch m = it.next(); etichette.contains(m.captured(1)))
            nomi.emplace(m.captured(2).toInt(nullptr, 16), m.captured(1));

    // A stop prints "Execution at line_000f(0xf)", then the answers "123 = 0x7B", "porta = 0x9"
    // and "status = 0x18". "dump e" and "dump" print a header of column numbers and rows
    // "0000:  00 01 -- ...": first the EEPROM, then the file registers.
    static const QRegularExpression sosta(QStringLiteral("Execution at line_[0-9a-f]+\\(0x([0-9a-f]+)\\)"));
    static const QRegularExpression valore(QStringLiteral("^(?:\\*\\*gpsim> )?(\\w+) = 0x([0-9a-fA-F]+)\\s*$"));
    static const QRegularExpression intestazione(QStringLiteral("^(\\*\\*gpsim> )?\\s+00 01 02 .* 0e 0f\\s*$"));
    bool chiusa = false;  // past "fine" or the cycle limit
    int tabella = 0;
    for (const QString& testo : sim.uscita.split(QLatin1Char('\n'))) {
        chiusa = chiusa || testo.contains(QLatin1String("cycle break:"));
        if (const QRegularExpressionMatch m = sosta.match(testo); m.hasMatch()) {
            chiusa = chiusa || sim.arrivataAFine();
            if (!chiusa)
                sim.tappe.emplace_back().etichetta = nomi[m.captured(1).toInt(nullptr, 16)];
        } else if (const QRegularExpressionMatch v = valore.match(testo); v.hasMatch() && !chiusa && !sim.tappe.empty()) {
            const QString nome = v.captured(1)[0].isDigit() ? QStringLiteral("cicli") : v.captured(1);
            sim.tappe.back().registri[nome] = v.captured(2).toLongLong(nullptr, 16);
        } else if (intestazione.match(testo).hasMatch()) {
            ++tabella;
        } else if (tabella >= 1 && tabella <= 2) {
            gpsim::leggiRigaDump(testo, tabella == 1 ? sim.eeprom : sim.registri);
        }
    }
    return sim;
}

}  // namespace kobaltino
