#include "persist/codifica.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kobaltino {

namespace {
const char* const NomeCodifica = "windows-1252";
}

QString daWindows1252(QByteArrayView byte)
{
    QStringDecoder decodifica(NomeCodifica);
    return decodifica(byte);
}

std::optional<QByteArray> inWindows1252(const QString& testo)
{
    QStringEncoder codifica(NomeCodifica);
    QByteArray byte = codifica(testo);
    if (codifica.hasError())
        return std::nullopt;
    return byte;
}

}  // namespace kobaltino
