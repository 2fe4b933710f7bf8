#pragma once

// The programs of the tests, and the file the compile must write for "giro". The fixtures hold
// that whole file for the 16F84 and for the 16F628 with the arm (LF line ends); the 16F84A and
// the free Aux line change only a few of their lines.
#include "model/stato.h"
#include "support/interazione_finta.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace kobaltino::attesi {

// A row of grid `griglia` as the program file holds it.
struct Riga {
    int griglia, codice;
    const char* parametro = "";
    const char* etichetta = "";
};

// Avanti with the label of the jump back, a load of 'è', a call of the Luce destra handler, the
// arm, an EEPROM increment, the jump; two handler grids, one with its own label and jump.
inline const std::vector<Riga> Giro = {
    {1, 1, "", "4"}, {1, 13, "Ram1 'è'"}, {1, 10, "Luce_destra"}, {1, 21, "Aperto"}, {1, 19, "EEP3"},
    {1, 9, "0"},     {2, 2},               {3, 7, "", "0"},         {3, 9, "0"},
};
inline constexpr int ParoleGiro = 74 + 2 + 2 + 2 + 3 + 1 + 1 + 2 + 2 + 1;

inline QString leggi(const char* nome)
{
    QFile f(QStringLiteral(ATTESI_DIR "/") + QLatin1String(nome));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nome;
    return QString::fromUtf8(f.readAll()).replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

inline void sostituisci(QString& testo, const QString& da, const QString& a)
{
    EXPECT_EQ(testo.count(da), 1) << da.toStdString();
    testo.replace(da, a);
}

// The bytes of giro's file: `include` is the processor's include file, empty for a processor
// the compile does not know (no PROCESSOR and include lines then, the rest as for the 16F84).
inline QByteArray fileGiro(const QString& processore, const QString& include, bool auxAbilitata = false)
{
    const bool f628 = processore == "16F628";
    QString t = leggi(f628 ? "giro_16f628.asm" : "giro_16f84.asm");
    if (auxAbilitata)
        sostituisci(t, "movlw    b'01111111'", "movlw    b'11111111'");
    const QString testa = include.isEmpty() ? QString()
                                            : "             PROCESSOR " + processore + "\r\n             include \""
                                                  + include + "\"\r\n";
    sostituisci(t, f628 ? "             PROCESSOR 16F628\r\n             include \"p16f628.inc\"\r\n"
                        : "             PROCESSOR 16F84\r\n             include \"p16f84.inc\"\r\n",
                testa);
    return t.toLatin1();  // 'è' is one byte, as in Windows-1252
}

}  // namespace kobaltino::attesi

namespace kobaltino {

// Appends a row to grid k as a loaded program holds it.
inline int aggiungi(Stato& s, int k, int codice, const QString& parametro = {}, const QString& etichetta = {})
{
    const int r = s.griglia(k).accoda(codice, parametro);
    s.griglia(k).riga(r).etichetta = etichetta;
    return r;
}

// A program as it is right after loading it from `percorso`: saved, not modified.
inline void salvato(Stato& s, const QString& percorso = QStringLiteral("/robot/giro.kbn"))
{
    s.PercorsoFile = percorso;
    s.Modificato = false;
}

inline void carica(Stato& s, const std::vector<attesi::Riga>& righe)
{
    for (const attesi::Riga& r : righe)
        aggiungi(s, r.griglia, r.codice, QString::fromUtf8(r.parametro), QString::fromUtf8(r.etichetta));
}

inline void caricaGiro(Stato& s)
{
    carica(s, attesi::Giro);
    s.AuxAbilitata = false;  // its "Braccio" drives the arm
}

// The inputs in the order of their handler grids 2..10: pin, handler label, operand of the
// conditional actions.
struct IngressoAtteso {
    const char* pin;
    const char* gestore;
    const char* fai;
};
inline const IngressoAtteso Ingressi[] = {
    {"Luce_destra", "Lucedestra", "Luce_destra"},
    {"Luce_sinistra", "Lucesinistra", "Luce_sinistra "},
    {"Prossimita_destra", "Prossimitadestra", "Prossimita_destra "},
    {"Prossimita_sinistra", "Prossimitasinistra", "Prossimita_sinistra "},
    {"Ottico_destro", "Otticodestro", "Ottico_destro "},
    {"Ottico_sinistro", "Otticosinistro", "Ottico_sinistro "},
    {"Ultrasuono", "Ultrasuonosensore", "Ultrasuono "},
    {"Sensore_rotazione", "Otticorotazione", "Sensore_rotazione "},
    {"Aux", "Ausiliare", "Aux "},
};

// Grid `da` calls the handler of grid `a` (2..10) with "Se attivo vai a".
inline void chiama(Stato& s, int da, int a)
{
    aggiungi(s, da, 10, QString::fromLatin1(Ingressi[a - 2].pin));
}

}  // namespace kobaltino
