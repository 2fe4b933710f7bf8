#include "persist/dati.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kobaltino {

QString cartellaDati(const QString& cartellaApplicazione, const QString& nome)
{
    const QString sotto = QStringLiteral("kobaltino/") + nome;
    QStringList basi = {QDir(cartellaApplicazione).filePath(QStringLiteral("../share"))};
    basi << QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& base : basi) {
        const QDir cartella(QDir(base).filePath(sotto));
        if (cartella.exists() && !cartella.isEmpty())
            return cartella.canonicalPath();
    }
    return {};
}

}  // namespace kobaltino
