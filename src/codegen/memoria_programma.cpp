#include "codegen/memoria_programma.h"

#include "codegen/processori.h"

#include <QList>

#include <algorithm>
#include <cctype>

namespace kobaltino {

namespace {

// Byte addresses from here up are configuration, ID and EEPROM space (word 0x2000 and above).
constexpr qint64 FineMemoriaProgramma = 0x4000;

enum TipoRecord { Dati = 0x00, Fine = 0x01, Segmento = 0x02, Lineare = 0x04 };

// The bytes of one ":LLAAAATT...CC" record, nullopt when its length or checksum is wrong.
std::optional<QByteArray> leggiRecord(const QByteArray& riga)
{
    if (!riga.startsWith(':') || riga.size() % 2 == 0)
        return std::nullopt;
    const QByteArray cifre = riga.mid(1);
    for (char c : cifre)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    const QByteArray byte = QByteArray::fromHex(cifre);
    if (byte.size() < 5 || byte.size() != 5 + static_cast<unsigned char>(byte[0]))
        return std::nullopt;
    unsigned somma = 0;
    for (char b : byte)
        somma += static_cast<unsigned char>(b);
    if ((somma & 0xFF) != 0)
        return std::nullopt;
    return byte;
}

}  // namespace

int paroleDisponibili(const QString& nome)
{
    return processore(nome).parole;
}

std::optional<int> paroleOccupate(const QByteArray& hex)
{
    qint64 base = 0;
    qint64 ultimoByte = -1;
    for (const QByteArray& grezza : hex.split('\n')) {
        const QByteArray riga = grezza.trimmed();
        if (riga.isEmpty())
            continue;
        const std::optional<QByteArray> record = leggiRecord(riga);
        if (!record)
            return std::nullopt;
        const auto u = [&](int i) { return static_cast<qint64>(static_cast<unsigned char>(record->at(i))); };
        const qint64 lunghezza = u(0);
        const qint64 indirizzo = base + (u(1) << 8 | u(2));
        switch (u(3)) {
        case Dati:
            if (lunghezza > 0 && indirizzo < FineMemoriaProgramma)
                ultimoByte = std::max(ultimoByte, std::min(indirizzo + lunghezza, FineMemoriaProgramma) - 1);
            break;
        case Fine:
            return static_cast<int>((ultimoByte + 2) / 2);  // bytes written, rounded up to words
        case Segmento:
            if (lunghezza != 2)
                return std::nullopt;
            base = (u(4) << 8 | u(5)) << 4;
            break;
        case Lineare:
            if (lunghezza != 2)
                return std::nullopt;
            base = (u(4) << 8 | u(5)) << 16;
            break;
        default:
            break;
        }
    }
    return std::nullopt;  // no end record: the file is cut short
}

}  // namespace kobaltino
