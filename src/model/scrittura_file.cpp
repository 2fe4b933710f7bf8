#include "model/scrittura_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>

namespace kobaltino {

namespace {

const QString VecchioIntatto = QStringLiteral(" Il file di prima è rimasto com'era.");

// Why the file could not be created, from the system's error number.
QString motivoApertura(int numero, const QString& testoDiSistema)
{
    switch (numero) {
    case ENOENT:
        return QStringLiteral("La cartella non esiste.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Non si hanno i permessi per scrivere in quella cartella.");
    case EROFS:
        return QStringLiteral("Il disco è di sola lettura.");
    case ENOSPC:
        return QStringLiteral("Il disco è pieno.");
    default:
        return QStringLiteral("Non è possibile creare il file (%1).").arg(testoDiSistema);
    }
}

// Why a write failed, from the system's error number; `vecchio`: a file was there before.
QString motivoScrittura(int numero, const QString& testoDiSistema, bool vecchio)
{
    const QString coda = vecchio ? VecchioIntatto : QString();
    switch (numero) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("Il disco è pieno.") + coda;
    case EFBIG:
        return QStringLiteral("Il file supera la dimensione massima consentita.") + coda;
    default:
        return QStringLiteral("La scrittura non è riuscita (%1).").arg(testoDiSistema) + coda;
    }
}

}  // namespace

QString scriviFileIntero(const QString& percorso, const QByteArray& byte)
{
    const QFileInfo esistente(percorso);
    if (esistente.exists() && !esistente.isFile())
        return QStringLiteral("Non è un file normale (è una cartella, una pipe o un dispositivo): scegliere un altro "
                              "nome.");
    // The folder may well be writable: it is the file that refuses, so name the file.
    if (esistente.exists() && !esistente.isWritable())
        return QStringLiteral("Il file %1 è di sola lettura: salvarlo con un altro nome, o togliere la sola lettura "
                              "dalle sue proprietà.")
            .arg(esistente.fileName());
    QSaveFile file(percorso);
    // Unbuffered: every write reaches the system at once, so its failure shows here and not
    // later, when a buffered flush could be lost.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return motivoApertura(errno, file.errorString());
    for (qsizetype scritti = 0; scritti < byte.size();) {
        errno = 0;
        const qint64 n = file.write(byte.constData() + scritti, byte.size() - scritti);
        const int numero = errno;
        if (n <= 0) {
            file.cancelWriting();
            return motivoScrittura(numero, file.errorString(), esistente.exists());
        }
        scritti += n;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const int numero = errno;
        file.cancelWriting();
        return motivoScrittura(numero, file.errorString(), esistente.exists());
    }
    errno = 0;
    if (!file.commit())
        return motivoScrittura(errno, file.errorString(), esistente.exists());
    return {};
}

bool spazioEsaurito(const QString& cartella)
{
    QTemporaryFile prova(cartella + QStringLiteral("/.spazio-XXXXXX"));
    errno = 0;
    bool scritto = prova.open();
    if (scritto) {
        scritto = prova.write(QByteArray(ProvaSpazio, '\0')) == ProvaSpazio;
        scritto = prova.flush() && scritto;
    }
    const int numero = errno;
#ifdef EDQUOT
    if (numero == EDQUOT)
        return !scritto;
#endif
    return !scritto && (numero == ENOSPC || numero == EFBIG);
}

}  // namespace kobaltino
