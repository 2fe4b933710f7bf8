#pragma once

// Two compiled robot programs the chip runs: every movement, wait and the arm, then a call of the
// Luce destra handler; and the EEPROM cells used as registers.
#include "support/righe_programma.h"

#include <vector>

namespace kobaltino {

// A movement row: code and parameter, the motor bits of PORTA after it, how long it lasts.
struct PassoMovimento {
    int codice;
    const char* parametro;
    int portaA, millisecondi;
};

inline const PassoMovimento Movimenti[] = {
    {1, "", 0b1001, 0},       {2, "", 0b0110, 0},       {3, "", 0b1000, 0},       {4, "", 0b0001, 0},
    {7, "", 0b0000, 0},       {5, "", 0b1010, 0},       {6, "", 0b0101, 0},       {8, "0,5", 0b0101, 500},
    {8, "1,0", 0b0101, 1000}, {8, "1,5", 0b0101, 1500}, {8, "2,0", 0b0101, 2000}, {8, "2,5", 0b0101, 2500},
    {21, "Aperto", 0b0101, 125}};

// The movement rows, then a call of the Luce destra handler, whose one row is "Avanti".
inline Stato programmaMovimenti()
{
    Stato s;
    for (const PassoMovimento& passo : Movimenti)
        aggiungi(s, 1, passo.codice, QString::fromLatin1(passo.parametro));
    aggiungi(s, 1, 10, "Luce_destra");
    aggiungi(s, 2, 1);
    return s;
}

// A one-operand instruction on a cell written b'10100110', after Ram1 + Ram2 set the flags: the
// cell after it, and Z, DC, C.
struct OperazioneEeprom {
    int codice, addendo1, addendo2, risultato, flag;
};

inline const OperazioneEeprom OperazioniEeprom[] = {
    {19, 0, 0, 0xa7, 0b000}, {20, 0, 0, 0xa5, 0b000},     {22, 0, 0, 0x6a, 0b100},     {23, 0, 0, 0x53, 0b100},
    {24, 0, 0, 0x4c, 0b101}, {25, 0, 0, 0x59, 0b000},     {23, 200, 100, 0xd3, 0b000}, {24, 200, 100, 0x4d, 0b001}};

// Writes, increments of most cells, conditions whose action is an increment, reads into RAM;
// then each of OperazioniEeprom on EEP9, EEP10... `dopo` gets the row after each operation;
// the program ends with "Avanti".
inline Stato programmaEeprom(std::vector<int>* dopo = nullptr)
{
    Stato s;
    carica(s, {{1, 17, "EEP6 d'7'"}, {1, 17, "EEP20 b'00101001'"}});
    for (const int cella : {1, 2, 3, 4, 5, 6, 7, 8, 17, 18, 19, 20})  // EEP9..EEP16 are written below
        aggiungi(s, 1, 19, QStringLiteral("EEP%1").arg(cella));
    carica(s, {{1, 20, "EEP8"},        {1, 20, "EEP8"},        {1, 13, "Ram1 d'4'"}, {1, 13, "Ram2 d'4'"},
               {1, 13, "Ram3 d'9'"},   {1, 15, "Ram1 = Ram2"}, {1, 19, "EEP5"},      {1, 16},  // holds
               {1, 15, "Ram1 = Ram3"}, {1, 19, "EEP6"},        {1, 16},                        // does not
               {1, 15, "Ram3 > Ram1"}, {1, 25, "EEP6"},        {1, 16},                        // holds
               {1, 18, "EEP20 Ram5"},  {1, 18, "EEP6 Ram6"}});
    for (size_t i = 0; i < std::size(OperazioniEeprom); ++i) {
        const QString cella = QStringLiteral("EEP%1").arg(i + 9);
        aggiungi(s, 1, 17, cella + " b'10100110'");
        aggiungi(s, 1, 13, QStringLiteral("Ram1 d'%1'").arg(OperazioniEeprom[i].addendo1));
        aggiungi(s, 1, 13, QStringLiteral("Ram2 d'%1'").arg(OperazioniEeprom[i].addendo2));
        aggiungi(s, 1, 26, "Ram1 + Ram2");
        const int riga = aggiungi(s, 1, OperazioniEeprom[i].codice, cella);
        if (dopo)
            dopo->push_back(riga + 1);
    }
    aggiungi(s, 1, 1);
    return s;
}

}  // namespace kobaltino
