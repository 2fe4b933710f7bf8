#pragma once

// Random robot programs: the main grid gets a labelled first row, random rows of every kind the
// palette offers (movements, waits, conditions on the inputs, RAM and EEPROM operations, the arm)
// and a closing jump back to the first row; each handler grid one movement. Fixed seed and length.
#include "model/catalogo.h"
#include "model/stato.h"

#include <QString>

#include <cstdint>
#include <random>

namespace kobaltino::arbitro {

// `eeprom` false leaves out the rows that reach the data EEPROM.
inline Stato programmaRobotCasuale(const QString& processore, uint32_t seme, int righe, bool eeprom)
{
    static const char* const ingressi[] = {"Luce_destra",   "Luce_sinistra",   "Prossimita_destra", "Prossimita_sinistra",
                                           "Ottico_destro", "Ottico_sinistro", "Ultrasuono",        "Sensore_rotazione"};
    std::mt19937 caso(seme);
    auto numero = [&caso](int n) { return static_cast<int>(caso() % static_cast<uint32_t>(n)); };
    auto ram = [&numero] { return QStringLiteral("Ram%1").arg(1 + numero(20)); };
    auto eep = [&numero] { return QStringLiteral("EEP%1").arg(1 + numero(20)); };
    auto valore = [&numero] { return QStringLiteral("d'%1'").arg(numero(256)); };
    auto unoDi = [&numero](auto a, auto b) { return numero(2) ? a : b; };
    Stato s;
    s.Processore = processore;
    s.AuxAbilitata = false;  // Aux drives the arm
    auto aggiungi = [&s](int codice, const QString& parametro = {}) { return s.griglia(1).accoda(codice, parametro); };
    // A row with two words in its parameter, drawn in order.
    auto coppia = [&](int codice, const QString& primo, auto secondo, const char* tra = " ") {
        aggiungi(codice, primo + QLatin1String(tra) + secondo());
    };
    auto movimento = [&] { aggiungi(1 + numero(7)); };
    s.griglia(1).riga(aggiungi(codici::Avanti)).etichetta = QStringLiteral("0");
    for (int i = 0; i < righe; ++i) {
        const int tipo = numero(14);
        switch (!eeprom && (tipo == 6 || tipo == 7) ? 0 : tipo) {
        case 1: aggiungi(codici::Attendi, unoDi("1,0", "0,5")); break;
        case 2:
        case 3: {  // on an input, a jump or a movement
            const int codice = tipo == 2 ? unoDi(codici::SeAttivoVaiA, codici::SeDisattivoVaiA)
                                         : unoDi(codici::SeAttivoFai, codici::SeDisattivoFai);
            aggiungi(codice, ingressi[numero(8)]);
            if (tipo == 3)
                movimento();
            break;
        }
        case 4: coppia(codici::ScriviRam, ram(), valore); break;
        case 5: {
            static const char* const confronti[] = {" = ", " ! ", " > ", " < "};
            const QString primo = ram();
            coppia(codici::Se, primo, ram, confronti[numero(4)]);
            movimento();
            break;
        }
        case 6: coppia(codici::ScriviEeprom, eep(), valore); break;
        case 7: coppia(codici::SpostaEeprom, eep(), ram); break;
        case 8: {
            const int codice = unoDi(codici::Incrementa, codici::Decrementa);
            aggiungi(codice, numero(3) || !eeprom ? ram() : eep());
            break;
        }
        case 9: aggiungi(codici::Braccio, unoDi("Aperto", "Chiuso")); break;
        case 10: {  // swap, shifts, complement
            const int codice = codici::Swappa + numero(4);
            aggiungi(codice, ram());
            break;
        }
        case 11: {
            const QString primo = ram();
            coppia(codici::Operazioni, primo, ram, unoDi(" + ", " - "));
            break;
        }
        default: movimento(); break;
        }
    }
    aggiungi(codici::VaiA, QStringLiteral("0"));
    for (int k = 2; k <= 10; ++k)
        s.griglia(k).accoda(1 + numero(7), {});
    return s;
}

}  // namespace kobaltino::arbitro
