#pragma once

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace kobaltino {

// A text on one line of an expected file: backslash, tab and line ends written as \\, \t, \r, \n.
inline QString inUnaRiga(QString testo)
{
    return testo.replace('\\', "\\\\").replace('\t', "\\t").replace('\r', "\\r").replace('\n', "\\n");
}

// The lines of a checked-in expected file, without the empty line after the last line end.
inline QStringList righeDelFile(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return {"<file illeggibile: " + percorso + ">"};
    QStringList righe = QString::fromUtf8(f.readAll()).split('\n');
    if (!righe.isEmpty() && righe.last().isEmpty())
        righe.removeLast();
    return righe;
}

// `viste` compared line by line with the expected file; a difference names the file and the line.
inline ::testing::AssertionResult ugualeAlFile(const QStringList& viste, const QString& percorso)
{
    const QStringList attese = righeDelFile(percorso);
    for (qsizetype i = 0; i < std::max(viste.size(), attese.size()); ++i)
        if (viste.value(i, "<nessuna riga>") != attese.value(i, "<nessuna riga>"))
            return ::testing::AssertionFailure()
                   << QFileInfo(percorso).fileName().toStdString() << ", riga " << i + 1 << "\n  attesa: "
                   << attese.value(i, "<nessuna riga>").toStdString() << "\n  vista:  "
                   << viste.value(i, "<nessuna riga>").toStdString();
    return ::testing::AssertionSuccess();
}

}  // namespace kobaltino
