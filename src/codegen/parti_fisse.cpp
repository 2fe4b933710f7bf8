#include "codegen/parti_fisse.h"

#include "codegen/processori.h"
#include "model/ingressi.h"
#include "model/stato.h"

namespace kobaltino {

namespace {

// "#define Luce_destra  PORTB,4": each input's name bound to its pin, in the head's order.
QStringList definizioniIngressi()
{
    QStringList righe(static_cast<qsizetype>(ingressi().size()));
    for (const Ingresso& i : ingressi())
        righe[i.rigaDefinizione] = QStringLiteral("#define %1%2PORT%3,%4")
                                       .arg(QLatin1String(i.pin), QString(i.spaziDefinizione, u' '))
                                       .arg(QLatin1Char(i.porta))
                                       .arg(i.bit);
    return righe;
}

struct Motore {
    const char* etichetta;
    const char* porta;
};

const Motore Motori[] = {
    {"INDIETRO:", "00000110"},        {"AVANTI:", "00001001"},        {"RAGIRA_SINISTRA:", "00001010"},
    {"RAGIRA_DESTRA:", "00000101"},   {"FERMO:", "00000000"},         {"SINISTRA:", "00001000"},
    {"DESTRA:", "00000001"},
};

// Each delay reloads TMR0 `passi` times; the names promise 0.125 s to 2.5 s.
struct Ritardo {
    const char* ingresso;  // entry line, trailing blank included
    int passi;
    const char* suffisso;
};

const Ritardo Ritardi[] = {
    {"DELAY0125S  bcf     STATUS,RP0 ", 12, "0125"},  {"DELAY05S     bcf     STATUS,RP0 ", 50, "05"},
    {"DELAY1S     bcf     STATUS,RP0 ", 100, "10"},   {"DELAY15S     bcf     STATUS,RP0 ", 150, "15"},
    {"DELAY2S     bcf     STATUS,RP0 ", 200, "20"},   {"DELAY25S     bcf     STATUS,RP0 ", 250, "25"},
};

const QString Asterischi = QStringLiteral(";") + QString(61, QLatin1Char('*'));

void vuote(Sorgente& s, int quante)
{
    for (int i = 0; i < quante; ++i)
        s.aggiungi(QString());
}

// "Ram3        equ     0x3e": name padded to 12 columns, value in lower-case hex.
QString equivalenza(const QString& nome, int valore)
{
    return nome.leftJustified(12) + QStringLiteral("equ     0x")
           + QStringLiteral("%1").arg(valore, 2, 16, QLatin1Char('0'));
}

}  // namespace

void scriviIntestazione(Sorgente& s, const QString& nome, bool auxAbilitata)
{
    const Processore& p = processore(nome);
    const QString include = fileInclude(nome);
    if (!include.isEmpty()) {
        s.aggiungi(QStringLiteral("             PROCESSOR ") + nome);
        s.aggiungi(QStringLiteral("             include \"") + include + QLatin1Char('"'));
    }
    s.aggiungi(QStringLiteral("             __config ") + QLatin1String(p.configurazione));
    vuote(s, 1);
    s.aggiungi(QStringLiteral(";Area delle etichette"));
    for (const QString& d : definizioniIngressi())
        s.aggiungi(d);
    vuote(s, 3);
    s.aggiungi(equivalenza(QStringLiteral("TEMPO1"), p.tempo1));
    vuote(s, 1);
    for (int n = 1; n <= CelleMemoria; ++n)
        s.aggiungi(equivalenza(QStringLiteral("Ram%1").arg(n), 0x3b + n));
    vuote(s, 1);
    for (int n = 1; n <= CelleMemoria; ++n)
        s.aggiungi(equivalenza(QStringLiteral("EEP%1").arg(n), n - 1));
    vuote(s, 2);
    s.aggiungi(QStringLiteral("            org     0"));
    vuote(s, 1);
    s.aggiungi(QStringLiteral("            goto        INIZIO"));
    s.aggiungi(QStringLiteral("            org     5"));
    vuote(s, 2);
    s.aggiungi(Asterischi);
    s.aggiungi(QStringLiteral(";Inizio del programa"));
    s.aggiungi(Asterischi);
    vuote(s, 1);
    s.aggiungi(QStringLiteral("INIZIO:"));
    for (const char* riga : p.avvio)
        s.aggiungi(QString::fromLatin1(riga));
    s.aggiungi(QStringLiteral("         bsf      STATUS, RP0"));
    // Prescaler 1:256 on the timer: the delay loops count on it.
    s.aggiungi(QStringLiteral("         movlw    b'0000111'"));
    s.aggiungi(QStringLiteral("         movwf    OPTION_REG"));
    s.aggiungi(auxAbilitata ? QStringLiteral("         movlw    b'11111111'")
                            : QStringLiteral("         movlw    b'01111111'"));
    s.aggiungi(QStringLiteral("         movwf    PORTB"));
    s.aggiungi(QStringLiteral("         movlw    b'00010000'"));
    s.aggiungi(QStringLiteral("         movwf    PORTA"));
    s.aggiungi(QStringLiteral("         bcf      STATUS, RP0"));
}

void scriviLibreria(Sorgente& s)
{
    for (const Motore& m : Motori) {
        s.aggiungi(QString::fromLatin1(m.etichetta));
        s.aggiungi(QStringLiteral("         movlw b'%1'").arg(QLatin1String(m.porta)));
        s.aggiungi(QStringLiteral("         movwf PORTA"));
        s.aggiungi(QStringLiteral("         return"));
        vuote(s, 1);
    }
    vuote(s, 1);
    for (const Ritardo& r : Ritardi) {
        const QString suffisso = QString::fromLatin1(r.suffisso);
        s.aggiungi(QString::fromLatin1(r.ingresso));
        s.aggiungi(QStringLiteral("            movlw   .%1").arg(r.passi));
        s.aggiungi(QStringLiteral("            movwf   TEMPO1"));
        s.aggiungi(QStringLiteral("            call    DEL_") + suffisso);
        s.aggiungi(QStringLiteral("            return"));
        vuote(s, 1);
        // Bank 0 is selected, so this OPTION_REG write reloads TMR0 for the next pass.
        s.aggiungi((QStringLiteral("DEL_") + suffisso).leftJustified(12) + QStringLiteral("bcf     INTCON,2"));
        s.aggiungi(QStringLiteral("            movlw   0xd8"));
        s.aggiungi(QStringLiteral("            movwf   OPTION_REG"));
        vuote(s, 1);
        s.aggiungi((QStringLiteral("DEL") + suffisso).leftJustified(12) + QStringLiteral("btfss   INTCON,2"));
        s.aggiungi(QStringLiteral("            goto    DEL") + suffisso);
        s.aggiungi(QStringLiteral("            decfsz  TEMPO1,1"));
        s.aggiungi(QStringLiteral("            goto    DEL_") + suffisso);
        s.aggiungi(QStringLiteral("            Return"));
        vuote(s, 1);
    }
    s.aggiungi(QStringLiteral("         end"));
}

}  // namespace kobaltino
