#include "sim/hex.h"

#include <QList>

namespace kobaltino {

namespace {

// Word addresses of the hex file (byte address / 2).
constexpr int IndirizzoConfigurazione = 0x2007;
constexpr int InizioEeprom = 0x2100;
constexpr int DimensioneEepromHex = 0x100;
constexpr int FineProgramma = 0x2000;  // program memory lies below the ID and configuration words
constexpr int ParoleMinime = 0x400;

int cifra(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The bytes of one ":LLAAAATT..CC" record, or an empty list when a character is not hexadecimal.
QList<int> byteDelRecord(const QByteArray& riga)
{
    QList<int> byte;
    if ((riga.size() - 1) % 2 != 0)
        return {};
    for (qsizetype i = 1; i + 1 < riga.size(); i += 2) {
        const int alto = cifra(riga[i]), basso = cifra(riga[i + 1]);
        if (alto < 0 || basso < 0)
            return {};
        byte.append(alto * 16 + basso);
    }
    return byte;
}

}  // namespace

std::optional<ImmagineHex> leggiHex(const QByteArray& testo, QString* errore)
{
    auto fallisci = [errore](int numeroRiga, const QString& motivo) -> std::optional<ImmagineHex> {
        if (errore)
            *errore = QStringLiteral("File hex non valido alla riga %1: %2.").arg(numeroRiga).arg(motivo);
        return std::nullopt;
    };

    ImmagineHex immagine;
    immagine.programma.assign(ParoleMinime, -1);
    immagine.eeprom.assign(DimensioneEepromHex, -1);
    // A word is written a byte at a time; the low byte comes first.
    std::vector<int> basso(FineProgramma), alto(FineProgramma);
    int bassoConfig = -1, altoConfig = -1;
    bool fine = false;
    int numeroRiga = 0, ultimaRiga = 1;  // the last line with something on it

    for (QByteArray riga : testo.split('\n')) {
        ++numeroRiga;
        riga = riga.trimmed();
        if (riga.isEmpty())
            continue;
        ultimaRiga = numeroRiga;
        if (fine)
            return fallisci(numeroRiga, QStringLiteral("dati dopo il record di fine"));
        if (riga[0] != ':')
            return fallisci(numeroRiga, QStringLiteral("manca i due punti iniziali"));
        const QList<int> byte = byteDelRecord(riga);
        if (byte.size() < 5 || byte[0] + 5 != byte.size())
            return fallisci(numeroRiga, QStringLiteral("record malformato"));
        int somma = 0;
        for (int b : byte)
            somma += b;
        if (somma % 256 != 0)
            return fallisci(numeroRiga, QStringLiteral("somma di controllo errata"));
        const int tipo = byte[3];
        if (tipo == 1) {
            fine = true;
            continue;
        }
        if (tipo == 4)  // extended address: always 0 for these chips
            continue;
        if (tipo != 0)
            return fallisci(numeroRiga, QStringLiteral("tipo di record %1 sconosciuto").arg(tipo));
        const int indirizzoByte = byte[1] * 256 + byte[2];
        for (int i = 0; i < byte[0]; ++i) {
            const int a = indirizzoByte + i, parola = a / 2, valore = byte[4 + i];
            const bool primo = a % 2 == 0;
            if (parola < FineProgramma) {
                if (parola >= static_cast<int>(immagine.programma.size()))
                    immagine.programma.resize(parola + 1, -1);
                (primo ? basso : alto)[parola] = valore + 1;  // 0 = not written
            } else if (parola == IndirizzoConfigurazione) {
                (primo ? bassoConfig : altoConfig) = valore;
            } else if (parola >= InizioEeprom && parola < InizioEeprom + DimensioneEepromHex) {
                if (primo)
                    immagine.eeprom[parola - InizioEeprom] = valore;
            }
        }
    }
    if (!fine)
        return fallisci(ultimaRiga, QStringLiteral("manca il record di fine"));

    for (size_t p = 0; p < immagine.programma.size(); ++p)
        if (basso[p] || alto[p])
            immagine.programma[p] = ((std::max(alto[p], 1) - 1) << 8 | (std::max(basso[p], 1) - 1)) & 0x3FFF;
    if (bassoConfig >= 0 || altoConfig >= 0)
        immagine.configurazione = static_cast<uint16_t>((std::max(altoConfig, 0) << 8 | std::max(bassoConfig, 0)) & 0x3FFF);
    return immagine;
}

}  // namespace kobaltino
