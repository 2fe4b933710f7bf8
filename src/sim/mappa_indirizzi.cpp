#include "sim/mappa_indirizzi.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace kobaltino {

MappaIndirizzi MappaIndirizzi::daListato(const QByteArray& listato, const Sorgente& sorgente)
{
    // A line that put a word into program memory: "000D   203C           00082 Label4  call AVANTI".
    // Address, word, line number of its file, the source text.
    static const QRegularExpression parola(QStringLiteral("^([0-9A-F]{4})   ([0-9A-F]{4}) +(\\d+) (.*)$"));
    MappaIndirizzi mappa;
    QStringDecoder decodifica("windows-1252");
    const QString testo = decodifica(listato);
    for (const QString& riga : testo.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = parola.match(riga);
        if (!m.hasMatch())
            continue;
        const int indirizzo = m.captured(1).toInt(nullptr, 16);
        const int numero = m.captured(3).toInt();
        if (indirizzo >= DimensioneMemoriaProgramma || numero < 1 || numero > sorgente.numRighe())
            continue;  // configuration word, EEPROM data
        // The include file numbers its lines too: the text tells the program's lines apart.
        const RigaSorgente& origine = sorgente.righe()[static_cast<size_t>(numero - 1)];
        QString atteso = origine.testo;
        atteso.remove(QLatin1Char('\r'));
        if (m.captured(4).trimmed() != atteso.trimmed())
            continue;
        mappa.origini_[static_cast<size_t>(indirizzo)] = origine.origine;
    }
    return mappa;
}

Origine MappaIndirizzi::origine(int indirizzo) const
{
    if (indirizzo < 0 || indirizzo >= DimensioneMemoriaProgramma)
        return {};
    return origini_[static_cast<size_t>(indirizzo)];
}

int MappaIndirizzi::indirizzoDi(Origine riga) const
{
    for (int i = 0; i < DimensioneMemoriaProgramma; ++i)
        if (origini_[static_cast<size_t>(i)] == riga)
            return i;
    return -1;
}

}  // namespace kobaltino
