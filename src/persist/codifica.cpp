#include "persist/codifica.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace kobaltino {

namespace {

// One character per byte, taken once from Qt's own converter.
struct Tabella {
    std::array<char16_t, 256> carattere{};
    QHash<char16_t, char> byte;

    Tabella()
    {
        QByteArray tutti(256, '\0');
        for (int b = 0; b < 256; ++b)
            tutti[b] = static_cast<char>(b);
        QStringDecoder decodifica("windows-1252");
        const QString testo = decodifica(tutti);
        for (int b = 0; b < 256; ++b) {
            carattere[static_cast<size_t>(b)] = b < testo.size() ? testo[b].unicode() : char16_t(b);
            byte.insert(carattere[static_cast<size_t>(b)], static_cast<char>(b));
        }
    }
};

const Tabella& tabella()
{
    static const Tabella t;
    return t;
}

}  // namespace

QString daWindows1252(QByteArrayView byte)
{
    const Tabella& t = tabella();
    QString testo(byte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < byte.size(); ++i)
        testo[i] = QChar(t.carattere[static_cast<unsigned char>(byte[i])]);
    return testo;
}

std::optional<QByteArray> inWindows1252(const QString& testo)
{
    const Tabella& t = tabella();
    QByteArray byte(testo.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        if (c < 0x80) {
            byte[i] = static_cast<char>(c);
            continue;
        }
        const auto trovato = t.byte.constFind(c);
        if (trovato == t.byte.constEnd())
            return std::nullopt;
        byte[i] = *trovato;
    }
    return byte;
}

}  // namespace kobaltino
