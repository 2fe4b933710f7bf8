#include "codegen/processori.h"

#include <array>
#include <initializer_list>

namespace kobaltino {

namespace {

Modello unisci(std::initializer_list<Modello> parti)
{
    Modello tutto;
    for (const Modello& p : parti)
        tutto.insert(tutto.end(), p.begin(), p.end());
    return tutto;
}

// The unlock sequence every data-EEPROM write needs (EECON1 and EECON2 selected), with the
// interrupts held off.
const Modello Sblocco = {"         bsf EECON1,WREN", "         bcf INTCON,GIE", "         movlw b'01010101'",
                         "         movwf EECON2",    "         movlw b'10101010'", "         movwf EECON2",
                         "         bsf EECON1,WR",   "         bcf EECON1,WREN"};

// 16F84 and 16F84A: EEDATA and EEADR in bank 0, EECON1 and EECON2 in bank 1; the end of a write
// sets EEIF in EECON1.
const Modello ScriviF84 = unisci({{"         bcf STATUS, RP0", "         movlw {r}", "         movwf EEDATA",
                                   "         movlw {1}", "         movwf EEADR", "         bsf STATUS,RP0"},
                                  Sblocco,
                                  {"         btfss EECON1,EEIF", "         goto $-1", "         bcf EECON1,EEIF",
                                   "         bsf INTCON,GIE", "         bcf STATUS, RP0"}});
const Modello SpostaF84 = {"         bcf STATUS,RP0", "         movlw {1}",     "         movwf EEADR",
                           "         bsf STATUS,RP0", "         bsf EECON1,RD", "         bcf STATUS,RP0",
                           "         movf EEDATA,W",  "         movwf {r}"};
const Modello AggiornaF84 = unisci({{"         bcf STATUS,RP0", "         movlw {cella}", "         movwf EEADR",
                                     "         bsf STATUS,RP0", "         bsf EECON1,RD", "         bcf STATUS,RP0",
                                     "         {op} EEDATA,f", "         bsf STATUS,RP0"},
                                    Sblocco,
                                    {"         btfss EECON1,EEIF", "         goto $-1", "         bcf EECON1,EEIF",
                                     "         bsf INTCON,GIE", "         bcf STATUS,RP0", "         return"}});

// 16F628: all four EEPROM registers in bank 1; the end of a write sets EEIF in PIR1, in bank 0.
const Modello Scrivi628 = unisci({{"         bsf STATUS,RP0", "         movlw {r}", "         movwf EEDATA",
                                   "         movlw {1}", "         movwf EEADR"},
                                  Sblocco,
                                  {"         bcf STATUS,RP0", "         btfss PIR1,EEIF", "         goto $-1",
                                   "         bcf PIR1,EEIF", "         bsf INTCON,GIE"}});
const Modello Sposta628 = {"         bsf STATUS,RP0", "         movlw {1}",    "         movwf EEADR",
                           "         bsf EECON1,RD",  "         movf EEDATA,W", "         bcf STATUS,RP0",
                           "         movwf {r}"};
const Modello Aggiorna628 = unisci({{"         bsf STATUS,RP0", "         movlw {cella}", "         movwf EEADR",
                                     "         bsf EECON1,RD", "         {op} EEDATA,f"},
                                    Sblocco,
                                    {"         bcf STATUS,RP0", "         btfss PIR1,EEIF", "         goto $-1",
                                     "         bcf PIR1,EEIF", "         bsf INTCON,GIE", "         return"}});

// The 16F628 gets the configuration of the 16F84 board (XT crystal, watchdog off, power-up
// timer on) plus brown-out reset and MCLR on, and low-voltage programming off so that RB4 is an
// ordinary input. At 0x0c it has PIR1, so the delay counter takes its first general-purpose
// register, 0x20. Its comparators are switched off (CMCON = 7, in bank 0, where every reset
// leaves STATUS) so that RA0..RA3 are digital pins as on the 16F84.
const std::array<Processore, 3> Processori = {{
    {"16F84", "p16f84.inc", "H'3FF1'", 1024, 0x0c, {}, ScriviF84, SpostaF84, AggiornaF84},
    {"16F84A", "p16f84a.inc", "H'3FF1'", 1024, 0x0c, {}, ScriviF84, SpostaF84, AggiornaF84},
    {"16F628", "p16f628.inc", "H'3F61'", 2048, 0x20, {"         movlw    b'00000111'", "         movwf    CMCON"},
     Scrivi628, Sposta628, Aggiorna628},
}};

const Processore* cerca(const QString& nome)
{
    for (const Processore& p : Processori)
        if (nome == QLatin1String(p.nome))
            return &p;
    return nullptr;
}

}  // namespace

const Processore& processore(const QString& nome)
{
    const Processore* p = cerca(nome);
    return p ? *p : Processori[0];
}

QString fileInclude(const QString& nome)
{
    const Processore* p = cerca(nome);
    return p ? QString::fromLatin1(p->include) : QString();
}

}  // namespace kobaltino
