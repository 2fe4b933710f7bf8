#include "codegen/sorgente.h"

#include <QStringEncoder>

namespace kobaltino {

Origine Sorgente::origine(int numero) const
{
    if (numero < 1 || numero > numRighe())
        return {};
    return righe_[static_cast<size_t>(numero - 1)].origine;
}

QString Sorgente::testo() const
{
    QString t;
    qsizetype lunghezza = 2;
    for (const RigaSorgente& r : righe_)
        lunghezza += r.testo.size() + 2;
    t.reserve(lunghezza);
    for (const RigaSorgente& r : righe_) {
        t += r.testo;
        t += QLatin1String("\r\n");
    }
    t += QLatin1String("\r\n");
    return t;
}

QByteArray Sorgente::byte() const
{
    QStringEncoder codifica("windows-1252");
    if (!codifica.isValid())
        return testo().toLatin1();
    return codifica.encode(testo());
}

}  // namespace kobaltino
