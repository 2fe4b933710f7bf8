#pragma once

// Random instruction sequences for the lockstep against gpsim: every instruction, bank switching,
// FSR/INDF, nested calls and skips, computed gotos, TMR0 and the data EEPROM. Fixed seed, fixed
// length: the same program on every run.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <vector>

namespace kobaltino::arbitro {

struct ProfiloCasuale {
    const char* processore;
    bool quattroBanchi;
    int byteEeprom;
    // File addresses (7 bits) the random instructions may touch, by bank: gpsim stops the run at an
    // access to an unimplemented cell, so the sequences keep to implemented ones.
    std::vector<int> file[4];
    std::vector<int> ram;    // full addresses FSR may point at (IRP from bit 8)
};

class ProgrammaCasuale {
public:
    ProgrammaCasuale(const ProfiloCasuale& profilo, uint32_t seme) : p(profilo), caso(seme) {}

    QByteArray genera(int blocchi, bool finisceDormendo)
    {
        riga(QStringLiteral("             PROCESSOR %1").arg(QLatin1String(p.processore)));
        riga(QStringLiteral("             include \"p%1.inc\"").arg(QString::fromLatin1(p.processore).toLower()));
        riga(QStringLiteral("             __config H'3FF1'"));
        riga(QStringLiteral("             org 0"));
        riga(QStringLiteral("             goto inizio"));
        // A computed-goto table in the first page (PCLATH 0).
        riga(QStringLiteral("tabella      addwf PCL,f"));
        for (int i = 0; i < 8; ++i)
            istruzione(QStringLiteral("retlw %1").arg(byte()));
        riga(QStringLiteral("inizio       bsf STATUS,RP0"));
        riga(QStringLiteral("             movlw b'00010000'"));
        riga(QStringLiteral("             movwf TRISA"));
        riga(QStringLiteral("             movlw b'11110000'"));
        riga(QStringLiteral("             movwf TRISB"));
        riga(QStringLiteral("             movlw b'00000001'"));
        riga(QStringLiteral("             movwf OPTION_REG"));
        riga(QStringLiteral("             bcf STATUS,RP0"));
        if (p.quattroBanchi) {
            riga(QStringLiteral("             movlw 7"));
            riga(QStringLiteral("             movwf CMCON"));
        }
        // GIE on with every source off: retfie leaves INTCON as it found it.
        riga(QStringLiteral("             bsf INTCON,GIE"));
        for (int i = 0; i < blocchi; ++i)
            blocco(true);
        if (finisceDormendo)
            riga(QStringLiteral("             sleep"));
        riga(QStringLiteral("fine         nop"));
        riga(QStringLiteral("             goto fine"));
        for (int s = 0; s < Sottoprogrammi; ++s) {
            riga(QStringLiteral("sub%1").arg(s));
            livello = s + 1;
            banco(numero(p.quattroBanchi ? 4 : 2));
            for (int i = 0, n = 2 + numero(4); i < n; ++i)
                blocco(false);
            if (s + 1 < Sottoprogrammi && numero(2))
                istruzione(QStringLiteral("call sub%1").arg(s + 1));
            const int ritorno = numero(3);
            istruzione(ritorno == 0 ? QStringLiteral("return")
                       : ritorno == 1 ? QStringLiteral("retfie")
                                      : QStringLiteral("retlw 0x%1").arg(numero(256), 2, 16, QLatin1Char('0')));
        }
        riga(QStringLiteral("             org 0x2100"));
        for (int a = 0; a < p.byteEeprom; ++a)
            istruzione(QStringLiteral("de %1").arg(byte()));
        riga(QStringLiteral("             end"));
        return testo.toLatin1();
    }

private:
    static constexpr int Sottoprogrammi = 6;

    int numero(int n) { return static_cast<int>(caso() % static_cast<uint32_t>(n)); }
    // A random byte below n, written in hex (gpasm's default radix).
    QString byte(int n = 256) { return esadecimale(numero(n)); }
    void riga(const QString& r) { testo += r + QLatin1Char('\n'); }
    void istruzione(const QString& i) { riga(QStringLiteral("             ") + i); }
    int file() { return p.file[bancoAttuale][numero(int(p.file[bancoAttuale].size()))]; }
    static QString esadecimale(int f) { return QStringLiteral("0x%1").arg(f, 2, 16, QLatin1Char('0')); }
    // After a write that may have changed RP0 or RP1, the sequence picks its bank again.
    void dopoScrittura(int f)
    {
        if (f == 0x03)
            banco(numero(p.quattroBanchi ? 4 : 2));
    }
    QString destinazione() { return numero(2) ? QStringLiteral("f") : QStringLiteral("w"); }

    void banco(int b)
    {
        bancoAttuale = b;
        istruzione((b & 1) ? QStringLiteral("bsf STATUS,RP0") : QStringLiteral("bcf STATUS,RP0"));
        if (p.quattroBanchi)
            istruzione((b & 2) ? QStringLiteral("bsf STATUS,RP1") : QStringLiteral("bcf STATUS,RP1"));
    }

    // One instruction that may sit under a skip: no jumps, no INDF.
    void semplice()
    {
        static const char* suFile[] = {"addwf", "andwf", "comf", "decf", "incf", "iorwf", "movf",
                                       "rlf",   "rrf",   "subwf", "swapf", "xorwf"};
        static const char* letterali[] = {"movlw", "addlw", "sublw", "andlw", "iorlw", "xorlw"};
        const int f = file();
        switch (numero(12)) {
        case 0: case 1: case 2: case 3: {
            const bool suF = numero(2);
            istruzione(QStringLiteral("%1 %2,%3").arg(QLatin1String(suFile[numero(12)]), esadecimale(f), suF ? "f" : "w"));
            if (suF)
                dopoScrittura(f);
            break;
        }
        case 4: case 5:
            istruzione(QStringLiteral("%1 0x%2").arg(QLatin1String(letterali[numero(6)])).arg(numero(256), 2, 16, QLatin1Char('0')));
            break;
        case 6:
            istruzione(QStringLiteral("%1 %2,%3").arg(numero(2) ? "bsf" : "bcf", esadecimale(f)).arg(numero(8)));
            dopoScrittura(f);
            break;
        case 7:
            istruzione(numero(2) ? QStringLiteral("clrf %1").arg(esadecimale(f)) : QStringLiteral("movwf %1").arg(esadecimale(f)));
            dopoScrittura(f);
            break;
        case 8: istruzione(QStringLiteral("clrw")); break;
        case 9: istruzione(numero(2) ? QStringLiteral("nop") : QStringLiteral("clrwdt")); break;
        case 10: istruzione(QStringLiteral("movf PCL,w")); break;
        default: istruzione(QStringLiteral("%1 STATUS,%2").arg(numero(2) ? "bsf" : "bcf").arg(numero(3))); break;
        }
    }

    void blocco(bool principale)
    {
        switch (numero(principale ? 16 : 12)) {
        case 0: case 1: case 2: case 3: semplice(); break;
        case 4:  // a skip over one instruction, taken or not
            istruzione(QStringLiteral("%1 %2,%3").arg(numero(2) ? "btfsc" : "btfss", esadecimale(file())).arg(numero(8)));
            semplice();
            break;
        case 5: {
            const int f = file();
            const bool suF = f != 0x03 && numero(2);
            istruzione(QStringLiteral("%1 %2,%3").arg(numero(2) ? "decfsz" : "incfsz", esadecimale(f), suF ? "f" : "w"));
            semplice();
            break;
        }
        case 6: banco(numero(p.quattroBanchi ? 4 : 2)); break;
        case 7: {  // indirect addressing
            const int a = p.ram[numero(int(p.ram.size()))];
            istruzione(QStringLiteral("movlw 0x%1").arg(a & 0xFF, 2, 16, QLatin1Char('0')));
            istruzione(QStringLiteral("movwf FSR"));
            if (p.quattroBanchi)
                istruzione(QStringLiteral("%1 STATUS,IRP").arg(a & 0x100 ? "bsf" : "bcf"));
            static const char* suFile[] = {"addwf", "incf", "decf", "movf", "swapf", "xorwf", "rlf", "clrf", "movwf", "bsf"};
            const int o = numero(10);
            if (o == 7 || o == 8)
                istruzione(QStringLiteral("%1 INDF").arg(QLatin1String(suFile[o])));
            else if (o == 9)
                istruzione(QStringLiteral("bsf INDF,%1").arg(numero(8)));
            else
                istruzione(QStringLiteral("%1 INDF,%2").arg(QLatin1String(suFile[o]), destinazione()));
            break;
        }
        case 8:  // a forward jump over one instruction
            istruzione(QStringLiteral("goto $+2"));
            semplice();
            break;
        case 9:  // the table
            istruzione(QStringLiteral("clrf PCLATH"));
            istruzione(QStringLiteral("movlw %1").arg(byte(8)));
            istruzione(QStringLiteral("call tabella"));
            break;
        case 10:
            if (livello < Sottoprogrammi) {
                istruzione(QStringLiteral("call sub%1").arg(livello + numero(Sottoprogrammi - livello)));
                banco(numero(p.quattroBanchi ? 4 : 2));
            }
            break;
        case 11: {  // TMR0: write, read, overflow flag
            banco(0);
            const int o = numero(4);
            if (o == 0) {
                istruzione(QStringLiteral("movlw 0x%1").arg(numero(256), 2, 16, QLatin1Char('0')));
                istruzione(QStringLiteral("movwf TMR0"));
            } else if (o == 1) {
                istruzione(QStringLiteral("movf TMR0,w"));
            } else if (o == 2) {
                istruzione(QStringLiteral("bcf INTCON,T0IF"));
            } else {
                istruzione(QStringLiteral("btfsc INTCON,T0IF"));
                semplice();
            }
            break;
        }
        case 12: {  // OPTION_REG: the internal clock, any prescaler up to 1:8, pull-ups on or off
            banco(1);
            const int psa = numero(2);
            const int valore = (numero(2) << 7) | (numero(2) << 6) | (numero(2) << 4) | (psa << 3) | (psa ? numero(8) : numero(3));
            istruzione(QStringLiteral("movlw 0x%1").arg(valore, 2, 16, QLatin1Char('0')));
            istruzione(QStringLiteral("movwf OPTION_REG"));
            banco(0);
            break;
        }
        case 13: {  // wait for a TMR0 overflow
            banco(0);
            istruzione(QStringLiteral("bcf INTCON,T0IF"));
            istruzione(QStringLiteral("movlw 0x%1").arg(0xC0 + numero(64), 2, 16, QLatin1Char('0')));
            istruzione(QStringLiteral("movwf TMR0"));
            istruzione(QStringLiteral("btfss INTCON,T0IF"));
            istruzione(QStringLiteral("goto $-1"));
            break;
        }
        case 14: eepromLettura(); break;
        default: eepromScrittura(); break;
        }
    }

    void eepromLettura()
    {
        banco(p.quattroBanchi ? 1 : 0);
        istruzione(QStringLiteral("movlw %1").arg(byte(p.byteEeprom)));
        istruzione(QStringLiteral("movwf EEADR"));
        banco(1);
        istruzione(QStringLiteral("bsf EECON1,RD"));
        banco(p.quattroBanchi ? 1 : 0);
        istruzione(QStringLiteral("movf EEDATA,w"));
    }

    void eepromScrittura()
    {
        banco(p.quattroBanchi ? 1 : 0);
        istruzione(QStringLiteral("movlw %1").arg(byte(p.byteEeprom)));
        istruzione(QStringLiteral("movwf EEADR"));
        istruzione(QStringLiteral("movlw %1").arg(byte()));
        istruzione(QStringLiteral("movwf EEDATA"));
        banco(1);
        istruzione(QStringLiteral("bsf EECON1,WREN"));
        istruzione(QStringLiteral("movlw 0x55"));
        istruzione(QStringLiteral("movwf EECON2"));
        istruzione(QStringLiteral("movlw 0xAA"));
        istruzione(QStringLiteral("movwf EECON2"));
        istruzione(QStringLiteral("bsf EECON1,WR"));
        istruzione(QStringLiteral("bcf EECON1,WREN"));
        if (numero(4) == 0)
            return;  // the write goes on while the program does other things
        if (p.quattroBanchi) {
            banco(0);
            istruzione(QStringLiteral("btfss PIR1,EEIF"));
            istruzione(QStringLiteral("goto $-1"));
            istruzione(QStringLiteral("bcf PIR1,EEIF"));
        } else {
            istruzione(QStringLiteral("btfss EECON1,EEIF"));
            istruzione(QStringLiteral("goto $-1"));
            istruzione(QStringLiteral("bcf EECON1,EEIF"));
            banco(0);
        }
    }

    const ProfiloCasuale& p;
    std::mt19937 caso;
    QString testo;
    int livello = 0;
    int bancoAttuale = 0;
};

}  // namespace kobaltino::arbitro
