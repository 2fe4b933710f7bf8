#include "trasferimento/riga_comando.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace kobaltino {

std::optional<QStringList> dividiParole(const QString& riga)
{
    QStringList parole;
    QString parola;
    bool inParola = false;
    for (qsizetype i = 0; i < riga.size(); ++i) {
        const QChar c = riga[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (inParola)
                parole << parola;
            parola.clear();
            inParola = false;
            continue;
        }
        inParola = true;
        if (c == QLatin1Char('\'')) {
            const qsizetype fine = riga.indexOf(QLatin1Char('\''), i + 1);
            if (fine < 0)
                return std::nullopt;
            parola += riga.mid(i + 1, fine - i - 1);
            i = fine;
        } else if (c == QLatin1Char('"')) {
            for (++i;; ++i) {
                if (i >= riga.size())
                    return std::nullopt;
                const QChar d = riga[i];
                if (d == QLatin1Char('"'))
                    break;
                // Inside double quotes a backslash only escapes these.
                if (d == QLatin1Char('\\') && i + 1 < riga.size()
                    && QStringLiteral("\"\\$`").contains(riga[i + 1]))
                    parola += riga[++i];
                else
                    parola += d;
            }
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 < riga.size())
                parola += riga[++i];
        } else {
            parola += c;
        }
    }
    if (inParola)
        parole << parola;
    return parole;
}

QStringList riempi(const QStringList& parole, const Segnaposti& valori)
{
    QStringList argomenti;
    for (QString p : parole) {
        // One pass, so that a value holding "{pic}" is not filled in again.
        QString risultato;
        for (qsizetype i = 0; i < p.size(); ++i) {
            const auto segnaposto = [&](const char* nome, const QString& valore) {
                const QString n = QString::fromLatin1(nome);
                if (p.mid(i, n.size()) != n)
                    return false;
                risultato += valore;
                i += n.size() - 1;
                return true;
            };
            if (!segnaposto("{hex}", valori.hex) && !segnaposto("{pic}", valori.pic)
                && !segnaposto("{porta}", valori.porta) && !segnaposto("{strumento}", valori.strumento))
                risultato += p[i];
        }
        argomenti << risultato;
    }
    return argomenti;
}

ComandoProgrammatore componi(const SceltaProgrammatore& scelta, const QString& processore, const QString& hex)
{
    ComandoProgrammatore c;
    const bool personalizzato = scelta.programmatore == QLatin1String(Personalizzato);
    c.voce = programmatore(scelta.programmatore);
    if (!personalizzato && !c.voce) {
        c.rifiuto = QStringLiteral("Programmatore sconosciuto: %1 (pk2cmd, ipecmd, picpro o una riga personalizzata).")
                        .arg(scelta.programmatore);
        return c;
    }
    const QString modello = c.voce ? QString::fromUtf8(c.voce->modello) : scelta.riga;
    const std::optional<QStringList> parole = dividiParole(modello);
    if (!parole || parole->isEmpty()) {
        c.rifiuto = parole ? QStringLiteral("La riga di comando personalizzata è vuota: scriverla in "
                                            "Strumenti, Programmatore...")
                           : QStringLiteral("La riga di comando personalizzata ha una virgoletta non chiusa.");
        return c;
    }
    Segnaposti valori{hex, processore, scelta.porta, scelta.strumento};
    if (c.voce) {
        valori.pic = parte(*c.voce, processore);
        if (valori.pic.isEmpty()) {
            c.rifiuto = QString::fromUtf8(c.voce->rifiuto).arg(processore);
            return c;
        }
        if (c.voce->richiedeStrumento) {
            const auto strumenti = strumentiIpe();
            if (std::none_of(strumenti.begin(), strumenti.end(),
                             [&](const char* s) { return scelta.strumento == QLatin1String(s); })) {
                c.rifiuto = QStringLiteral("Strumento sconosciuto: %1 (PK3, PK4 o PK5).").arg(scelta.strumento);
                return c;
            }
        }
    }
    const bool serveLaPorta = c.voce ? c.voce->richiedePorta : modello.contains(QLatin1String("{porta}"));
    if (serveLaPorta && scelta.porta.trimmed().isEmpty()) {
        c.rifiuto = QStringLiteral("Questo programmatore si collega a una porta seriale: sceglierla in Strumenti, "
                                   "Programmatore... (per esempio /dev/ttyUSB0).");
        return c;
    }
    // A preset's template holds the arguments only; a custom line starts with the program.
    const QStringList tutte = c.voce ? QStringList{QString::fromUtf8(c.voce->programma)} + *parole : *parole;
    c.programma = riempi(tutte.mid(0, 1), valori).first();
    c.argomenti = riempi(tutte.mid(1), valori);
    return c;
}

QString trovaEseguibile(const QString& programma)
{
    if (programma.contains(QLatin1Char('/'))) {
        const QFileInfo f(programma);
        return f.isFile() && f.isExecutable() ? f.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(programma);
}

QString messaggioNonInstallato(const ComandoProgrammatore& comando)
{
    const QString dove = comando.programma.contains(QLatin1Char('/'))
                             ? QStringLiteral("Il programma %1 non esiste o non è eseguibile.")
                             : QStringLiteral("Il programma %1 non è installato (non si trova nel PATH).");
    const QString come = comando.voce ? QString::fromUtf8(comando.voce->installazione)
                                      : QStringLiteral("Controllare la riga personalizzata in Strumenti, "
                                                       "Programmatore...");
    return dove.arg(comando.programma) + QLatin1Char(' ') + come;
}

QString mostraComando(const QString& programma, const QStringList& argomenti)
{
    QStringList parole;
    for (const QString& p : QStringList{programma} + argomenti) {
        const bool semplice = !p.isEmpty() && std::none_of(p.begin(), p.end(), [](QChar c) {
            return c.isSpace() || QStringLiteral("'\"\\$`;&|<>()*?[]#~").contains(c);
        });
        parole << (semplice ? p : QLatin1Char('\'') + QString(p).replace(QLatin1String("'"), QLatin1String("'\\''"))
                                      + QLatin1Char('\''));
    }
    return parole.join(QLatin1Char(' '));
}

}  // namespace kobaltino
