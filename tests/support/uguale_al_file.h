#pragma once

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>

namespace kobaltino {

// Compares what the program shows, one line each, with the checked-in file `percorso`, ending with a
// newline; the first difference names the file and its line.
inline void ugualeAlFile(QStringList viste, const QString& percorso)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << percorso.toStdString();
    const QStringList attese = QString::fromUtf8(f.readAll()).split('\n');
    viste << "";
    const std::string nome = QFileInfo(percorso).fileName().toStdString();
    for (qsizetype i = 0; i < std::max(viste.size(), attese.size()); ++i)
        ASSERT_EQ(viste.value(i), attese.value(i)) << "riga " << i + 1 << " di " << nome;
}

}  // namespace kobaltino
