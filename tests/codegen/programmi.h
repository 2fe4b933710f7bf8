#pragma once

// The programs of the tests, and the files the generator must write for them: "giro_16f84.asm",
// "giro_16f84a.asm", "giro_16f628.asm", "giro_16f84_aux.asm" (with Aux free for a sensor),
// "giro_sconosciuto.asm" (for a processor the compile does not know), "tutti_16f84.asm" and
// "tutti_16f628.asm" (with Aux free).
#include "model/ingressi.h"
#include "support/righe_programma.h"
#include "support/interazione_finta.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace kobaltino {

// Avanti with the label of the jump back, a load of 'è', a call of the Luce destra handler, the
// arm, an EEPROM increment, the jump; two handler grids, one with its own label and jump.
inline const std::vector<RigaFile> Giro = {
    {1, 1, "", "4"}, {1, 13, "Ram1 'è'"}, {1, 10, "Luce_destra"}, {1, 21, "Aperto"}, {1, 19, "EEP3"},
    {1, 9, "0"},     {2, 2},               {3, 7, "", "0"},         {3, 9, "0"},
};
inline constexpr int ParoleGiro = 74 + 2 + 2 + 2 + 3 + 1 + 1 + 2 + 2 + 1;

// Every code on every side of its choices: jumps in the main grid and in three handler grids,
// handlers calling handlers, labels on rows that write nothing, every input in the four codes
// that name one, every EEPROM operation, one of them in two grids. The expected files hold it.
inline std::vector<RigaFile> tuttiICodici()
{
    std::vector<RigaFile> righe = {
        {1, 1, "", "0"}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8, "0,5"}, {1, 8, "2,5"},
        {1, 10, "Luce_destra"}, {1, 11, "Aux"}, {1, 13, "Ram1 b'00001111'"}, {1, 13, "Ram2 'A'"}, {1, 13, "Ram3 d'200'"},
        {1, 15, "Ram1 > Ram2"}, {1, 19, "Ram1"}, {1, 16, "", "1"},  // row 16
        {1, 17, "EEP1 b'10101010'"}, {1, 17, "EEP20 d'7'"}, {1, 18, "EEP1 Ram4"}, {1, 20, "Ram4"}, {1, 22, "Ram5"},
        {1, 23, "Ram6"}, {1, 24, "Ram7"}, {1, 25, "Ram8"}, {1, 19, "EEP2"}, {1, 26, "Ram1 + Ram2"}, {1, 26, "Ram3 - Ram4"},
        {1, 16, "", "2"},  // row 28
        {1, 27, "Sensore_rotazione"}, {1, 1}, {1, 28, "Luce_destra"}, {1, 12}, {1, 21, "Aperto"}, {1, 21, "Chiuso"},
        {1, 9, "16"}, {1, 9, "0"}, {1, 9, "28"}, {1, 15, "Ram1 = Ram2"}, {1, 14}, {1, 16}, {1, 15, "Ram1 ! Ram20"},
        {1, 14}, {1, 16}, {1, 15, "Ram19 < Ram2"}, {1, 14}, {1, 16}, {1, 8, "1,0"}, {1, 8, "1,5"}, {1, 8, "2,0"},
        {1, 20, "EEP20"}, {1, 22, "EEP7"}, {1, 23, "EEP8"}, {1, 24, "EEP1"}, {1, 25, "EEP4"}, {1, 14},
        {2, 1, "", "0"}, {2, 10, "Luce_sinistra"}, {2, 9, "0"},
        {3, 27, "Aux", "0"}, {3, 2}, {3, 9, "0"}, {3, 19, "EEP2"},
        {4, 11, "Ultrasuono"}, {8, 28, "Ottico_destro"}, {8, 14},
        {10, 8, "1,0", "0"}, {10, 16, "", "1"}, {10, 9, "1"}, {10, 9, "0"},
    };
    for (const Ingresso& i : ingressi())
        righe.insert(righe.end(), {{1, 10, i.pin}, {1, 11, i.pin}, {1, 27, i.pin}, {1, 12}, {1, 28, i.pin}, {1, 12}});
    return righe;
}

inline constexpr int ParoleTutti = 74 + 148 + 9 * 8;  // head and library, the table, each input's rows

// The expected file `nome` as the generator writes it: CRLF line ends, 'è' as one byte.
inline QByteArray atteso(const QString& nome)
{
    QFile f(QStringLiteral(ATTESI_DIR "/") + nome);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nome.toStdString();
    return QString::fromUtf8(f.readAll()).replace(QLatin1String("\n"), QLatin1String("\r\n")).toLatin1();
}

// Grid `da` calls the handler of grid `a` (2..10) with "Se attivo vai a".
inline void chiama(Stato& s, int da, int a)
{
    aggiungi(s, da, 10, QString::fromLatin1(ingressi()[static_cast<size_t>(a - 2)].pin));
}

}  // namespace kobaltino
