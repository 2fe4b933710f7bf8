#pragma once

// Random robot programs: the main grid gets a labelled first row, random rows of every kind the
// palette offers (movements, waits, conditions on the inputs, RAM and EEPROM operations, the arm)
// and a closing jump back to the first row; each handler grid one movement. Fixed seed and length.
#include "model/catalogo.h"
#include "model/stato.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <random>

namespace kobaltino::arbitro {

// `eeprom` false leaves out the rows that reach the data EEPROM.
inline Stato programmaRobotCasuale(const QString& processore, uint32_t seme, int righe, bool eeprom)
{
    // Kinds of row: one of `quanti` codes from `codice`, and a parameter where R is a RAM cell, E an
    // EEPROM cell, X one or the other, V a value, and the other letters one of their `scelte`; a
    // "+" adds a movement row after it. The kinds that reach the EEPROM come last.
    static const struct {
        int codice, quanti;
        const char* parametro;
    } tipi[] = {{codici::Avanti, 7, ""},        {codici::Avanti, 7, ""},         {codici::Avanti, 7, ""},
                {codici::Attendi, 1, "T"},      {codici::SeAttivoVaiA, 2, "I"},  {codici::SeAttivoFai, 2, "I +"},
                {codici::ScriviRam, 1, "R V"},  {codici::Se, 1, "R C R +"},      {codici::Incrementa, 2, "X"},
                {codici::Braccio, 1, "B"},      {codici::Swappa, 4, "R"},        {codici::Operazioni, 1, "R O R"},
                {codici::ScriviEeprom, 1, "E V"}, {codici::SpostaEeprom, 1, "E R"}};
    static const std::map<QChar, QStringList> scelte = {
        {'I', {"Luce_destra", "Luce_sinistra", "Prossimita_destra", "Prossimita_sinistra", "Ottico_destro",
               "Ottico_sinistro", "Ultrasuono", "Sensore_rotazione"}},
        {'C', {"=", "!", ">", "<"}}, {'O', {"+", "-"}}, {'T', {"0,5", "1,0"}}, {'B', {"Aperto", "Chiuso"}}};
    std::mt19937 caso(seme);
    auto numero = [&caso](qsizetype n) { return static_cast<int>(caso() % static_cast<uint32_t>(n)); };
    Stato s;
    s.Processore = processore;
    s.AuxAbilitata = false;  // Aux drives the arm
    auto riga = [&s](int codice, const QString& parametro = {}) { return s.griglia(1).accoda(codice, parametro); };
    s.griglia(1).riga(riga(codici::Avanti)).etichetta = QStringLiteral("0");
    for (int i = 0; i < righe; ++i) {
        const auto& tipo = tipi[numero(std::size(tipi) - (eeprom ? 0 : 2))];
        const int codice = tipo.codice + numero(tipo.quanti);
        QStringList parole;
        for (const QString& p : QString::fromLatin1(tipo.parametro).split(' ', Qt::SkipEmptyParts)) {
            const bool suEeprom = p == "E" || (p == "X" && eeprom && numero(3) == 0);
            if (scelte.count(p[0]))
                parole << scelte.at(p[0])[numero(scelte.at(p[0]).size())];
            else if (p == "V")
                parole << QStringLiteral("d'%1'").arg(numero(256));
            else if (p != "+")
                parole << QStringLiteral("%1%2").arg(suEeprom ? "EEP" : "Ram").arg(1 + numero(20));
        }
        riga(codice, parole.join(' '));
        if (QByteArray(tipo.parametro).endsWith('+'))
            riga(codici::Avanti + numero(7));
    }
    riga(codici::VaiA, QStringLiteral("0"));
    for (int k = 2; k <= 10; ++k)
        s.griglia(k).accoda(codici::Avanti + numero(7), {});
    return s;
}

}  // namespace kobaltino::arbitro
