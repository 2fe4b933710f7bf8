#pragma once

// Random robot programs: the main grid gets a labelled first row, random rows of every kind the
// palette offers (movements, waits, conditions on the nine inputs, RAM and EEPROM operations, the
// arm) and a closing jump back to the first row. Fixed seed, fixed length.
#include "model/catalogo.h"
#include "model/stato.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>

namespace kobaltino::arbitro {

// `eeprom` false leaves out the rows that reach the data EEPROM.
inline Stato programmaRobotCasuale(const QString& processore, uint32_t seme, int righe, bool eeprom)
{
    std::mt19937 caso(seme);
    auto numero = [&caso](int n) { return static_cast<int>(caso() % static_cast<uint32_t>(n)); };
    auto ram = [&numero] { return QStringLiteral("Ram%1").arg(1 + numero(20)); };
    auto eep = [&numero] { return QStringLiteral("EEP%1").arg(1 + numero(20)); };
    auto valore = [&numero] { return QStringLiteral("d'%1'").arg(numero(256)); };
    static const QStringList ingressi = {"Luce_destra", "Luce_sinistra", "Prossimita_destra", "Prossimita_sinistra",
                                         "Ottico_destro", "Ottico_sinistro", "Ultrasuono", "Sensore_rotazione"};
    static const QStringList attese = {"0,5", "1,0"};
    static const QStringList confronti = {"=", "!", ">", "<"};

    Stato s;
    s.Processore = processore;
    s.AuxAbilitata = false;  // Aux drives the arm
    auto aggiungi = [&s](int codice, const QString& parametro = {}, const QString& etichetta = {}) {
        const int r = s.griglia(1).accoda(codice, parametro);
        s.griglia(1).riga(r).etichetta = etichetta;
    };
    aggiungi(codici::Avanti, {}, QStringLiteral("0"));
    for (int i = 0; i < righe; ++i) {
        int tipo = numero(14);
        if (!eeprom && (tipo == 6 || tipo == 7))
            tipo = 0;
        switch (tipo) {
        case 0: aggiungi(1 + numero(7)); break;  // a movement
        case 1: aggiungi(codici::Attendi, attese[numero(attese.size())]); break;
        case 2: aggiungi(numero(2) ? codici::SeAttivoVaiA : codici::SeDisattivoVaiA, ingressi[numero(ingressi.size())]); break;
        case 3: aggiungi(numero(2) ? codici::SeAttivoFai : codici::SeDisattivoFai, ingressi[numero(ingressi.size())]);
                aggiungi(1 + numero(7));
                break;
        case 4: aggiungi(codici::ScriviRam, ram() + QLatin1Char(' ') + valore()); break;
        case 5: aggiungi(codici::Se, ram() + QLatin1Char(' ') + confronti[numero(4)] + QLatin1Char(' ') + ram());
                aggiungi(1 + numero(7));
                break;
        case 6: aggiungi(codici::ScriviEeprom, eep() + QLatin1Char(' ') + valore()); break;
        case 7: aggiungi(codici::SpostaEeprom, eep() + QLatin1Char(' ') + ram()); break;
        case 8: aggiungi(numero(2) ? codici::Incrementa : codici::Decrementa, numero(3) || !eeprom ? ram() : eep()); break;
        case 9: aggiungi(codici::Braccio, numero(2) ? QStringLiteral("Aperto") : QStringLiteral("Chiuso")); break;
        case 10: aggiungi(codici::Swappa + numero(4), ram()); break;  // swap, shifts, complement
        case 11: aggiungi(codici::Operazioni, ram() + (numero(2) ? QStringLiteral(" + ") : QStringLiteral(" - ")) + ram()); break;
        default: aggiungi(1 + numero(7)); break;
        }
    }
    aggiungi(codici::VaiA, QStringLiteral("0"));
    // Each handler grid turns the robot one way and returns.
    for (int k = 2; k <= 10; ++k)
        s.griglia(k).accoda(1 + numero(7), {});
    return s;
}

}  // namespace kobaltino::arbitro
