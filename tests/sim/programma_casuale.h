#pragma once

// Random instruction sequences for the lockstep against gpsim: every instruction, bank switching,
// FSR/INDF, nested calls and skips, computed gotos, TMR0 and its prescaler, the data EEPROM. Fixed
// seed, fixed length: the same program on every run.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <random>
#include <vector>

namespace kobaltino::arbitro {

struct ProfiloCasuale {
    const char* processore;
    bool quattroBanchi;  // the 16F628: RP1 and IRP, comparators, EEADR in bank 1, EEIF in PIR1
    int byteEeprom;
    // File addresses (7 bits) the random instructions may touch, by bank: gpsim stops the run at an
    // access to an unimplemented cell, so the sequences keep to implemented ones.
    std::vector<int> file[4];
    std::vector<int> ram;  // full addresses FSR may point at (IRP from bit 8)
};

// Pieces of program, one instruction a line. In them %f is a file register of the bank in use (a
// write to STATUS picks the bank again after the piece), %g the same but never STATUS, %d f or w,
// %k a byte, %b a bit, %x a STATUS flag, %t a table index, %z a TMR0 value close to its overflow,
// %o an OPTION_REG value (internal clock, prescaler up to 1:8, pull-ups on or off), %a an EEPROM
// address. Alone on a line: %s a simple instruction (one that may sit under a skip), %n a simple
// instruction on INDF after FSR is loaded, %r a bank at random, %0 %1 that bank, %e the bank of EEADR
// and EEDATA, %c a call to a later subroutine, %w maybe the wait for the end of an EEPROM write.
inline const char* const Semplici[] = {
    "addwf %f,%d", "andwf %f,%d", "comf %f,%d", "decf %f,%d",  "incf %f,%d",  "iorwf %f,%d", "movf %f,%d",
    "rlf %f,%d",   "rrf %f,%d",   "subwf %f,%d", "swapf %f,%d", "xorwf %f,%d", "bsf %f,%b",   "bcf %f,%b",
    "clrf %f",     "movwf %f",    "movlw %k",    "addlw %k",    "sublw %k",    "andlw %k",    "iorlw %k",
    "xorlw %k",    "clrw",        "nop",         "clrwdt",      "movf PCL,w",  "bsf STATUS,%x", "bcf STATUS,%x"};
inline const char* const Pezzi[] = {
    "%s", "%s", "%s", "%s", "%s", "%n", "%n", "%r", "btfsc %f,%b\n%s", "btfss %f,%b\n%s", "decfsz %g,%d\n%s",
    "incfsz %g,%d\n%s", "goto $+2\n%s", "clrf PCLATH\nmovlw %t\ncall tabella", "%c\n%r", "%0\nmovlw %k\nmovwf TMR0",
    "%0\nmovf TMR0,w", "%0\nbcf INTCON,T0IF", "%0\nbtfsc INTCON,T0IF\n%s",
    // From here on only in the main sequence. gpsim stops TMR0 when OPTION_REG changes between a
    // write to TMR0 and its overflow: OPTION_REG changes right after an overflow.
    "%0\nbcf INTCON,T0IF\nmovlw %z\nmovwf TMR0\nbtfss INTCON,T0IF\ngoto $-1",
    "%0\nbcf INTCON,T0IF\nmovlw %z\nmovwf TMR0\nbtfss INTCON,T0IF\ngoto $-1\n%1\nmovlw %o\nmovwf OPTION_REG\n%0",
    "%e\nmovlw %a\nmovwf EEADR\n%1\nbsf EECON1,RD\n%e\nmovf EEDATA,w",
    "%e\nmovlw %a\nmovwf EEADR\nmovlw %k\nmovwf EEDATA\n%1\nbsf EECON1,WREN\nmovlw 0x55\nmovwf EECON2\nmovlw 0xAA\n"
    "movwf EECON2\nbsf EECON1,WR\nbcf EECON1,WREN\n%w"};
inline constexpr int PezziDeiSottoprogrammi = 19;

inline std::vector<int> intervallo(int da, int a, std::vector<int> altri = {})
{
    for (int i = da; i <= a; ++i)
        altri.push_back(i);
    return altri;
}

// STATUS, FSR and the general purpose RAM of each bank.
inline const std::vector<int> Ram84 = intervallo(0x0C, 0x4F, {0x03, 0x04}), Ram628 = intervallo(0x20, 0x7F, {0x03, 0x04});
inline const ProfiloCasuale P16F84 = {"16F84", false, 64, {Ram84, Ram84}, intervallo(0x0C, 0x4F, {0x8C, 0xCF, 0x85})};
inline const ProfiloCasuale P16F628 = {
    "16F628", true, 128,
    {Ram628, Ram628, intervallo(0x70, 0x7F, intervallo(0x20, 0x4F, {0x03, 0x04})), intervallo(0x70, 0x7F, {0x03, 0x04})},
    intervallo(0x20, 0x7F, {0xA0, 0xEF, 0xF5, 0x120, 0x14F, 0x1F0})};

class ProgrammaCasuale {
public:
    ProgrammaCasuale(const ProfiloCasuale& profilo, uint32_t seme) : p(profilo), caso(seme) {}

    QByteArray genera(int pezzi, bool finisceDormendo)
    {
        const QString chip = QLatin1String(p.processore);
        // A computed-goto table in the first page (PCLATH 0), then the start-up: RA4 and RB4-RB7
        // inputs, TMR0 on the clock at 1:4, GIE on with every source off (RETFIE leaves INTCON as it was).
        testo = QStringLiteral("  PROCESSOR %1\n  include \"p%2.inc\"\n  __config H'3FF1'\n  org 0\n  goto inizio\n"
                               "tabella\n  addwf PCL,f\n").arg(chip, chip.toLower());
        for (int i = 0; i < 8; ++i)
            espandi("retlw %k");
        testo += "inizio\n";
        espandi("bsf STATUS,RP0\nmovlw b'00010000'\nmovwf TRISA\nmovlw b'11110000'\nmovwf TRISB\nmovlw 1\n"
                "movwf OPTION_REG\nbcf STATUS,RP0");
        if (p.quattroBanchi)
            espandi("movlw 7\nmovwf CMCON");
        espandi("bsf INTCON,GIE");
        for (int i = 0; i < pezzi; ++i)
            pezzo(int(std::size(Pezzi)));
        espandi(finisceDormendo ? "sleep" : "nop");
        testo += "fine\n  nop\n  goto fine\n";
        for (livello = 1; livello <= Sottoprogrammi; ++livello) {
            testo += QStringLiteral("sub%1\n").arg(livello - 1);
            comando('r');
            for (int i = 0, n = 2 + numero(4); i < n; ++i)
                pezzo(PezziDeiSottoprogrammi);
            if (livello < Sottoprogrammi && numero(2))
                espandi(QStringLiteral("call sub%1").arg(livello));
            espandi(numero(3) == 0 ? QStringLiteral("return") : unoDi("retfie", "retlw %k"));
        }
        testo += "  org 0x2100\n";
        for (int a = 0; a < p.byteEeprom; ++a)
            espandi("de %k");
        return (testo + "  end\n").toLatin1();
    }

private:
    static constexpr int Sottoprogrammi = 6;

    int numero(int n) { return static_cast<int>(caso() % static_cast<uint32_t>(n)); }
    const char* unoDi(const char* a, const char* b) { return numero(2) ? a : b; }
    static QString hex(int v) { return QStringLiteral("0x%1").arg(v, 2, 16, QLatin1Char('0')); }
    int file() { return p.file[bancoAttuale][numero(int(p.file[bancoAttuale].size()))]; }

    void pezzo(int tra)
    {
        espandi(QLatin1String(Pezzi[numero(tra)]));
        if (std::exchange(statusScritto, false))
            comando('r');
    }

    void espandi(const QString& righe)
    {
        for (const QString& riga : righe.split(QLatin1Char('\n'))) {
            if (riga.size() == 2 && riga[0] == QLatin1Char('%')) {
                comando(riga[1].toLatin1());
                continue;
            }
            testo += QLatin1String("  ");
            for (qsizetype i = 0; i < riga.size(); ++i)
                testo += riga[i] == QLatin1Char('%') ? valore(riga[++i].toLatin1()) : QString(riga[i]);
            testo += QLatin1Char('\n');
        }
    }

    QString valore(char c)
    {
        switch (c) {
        case 'f': {
            if (suIndf)
                return QStringLiteral("INDF");
            const int f = file();
            statusScritto = statusScritto || f == 0x03;
            return hex(f);
        }
        case 'g': {
            int f = file();
            while (f == 0x03)
                f = file();
            return hex(f);
        }
        case 'd': return QLatin1String(unoDi("f", "w"));
        case 'k': return hex(numero(256));
        case 'b':
        case 't': return QString::number(numero(8));
        case 'x': return QString::number(numero(3));
        case 'z': return hex(0xC0 + numero(64));
        case 'a': return hex(numero(p.byteEeprom));
        default: {  // 'o'
            const int psa = numero(2);
            int opzioni = psa << 3 | numero(psa ? 8 : 3);
            for (const int bit : {7, 6, 4})
                opzioni |= numero(2) << bit;
            return hex(opzioni);
        }
        }
    }

    void comando(char c)
    {
        switch (c) {
        case 's': return espandi(QLatin1String(Semplici[numero(int(std::size(Semplici)))]));
        case 'n': {
            const int a = p.ram[numero(int(p.ram.size()))];
            espandi("movlw " + hex(a & 0xFF) + "\nmovwf FSR");
            if (p.quattroBanchi)
                espandi(QStringLiteral("%1 STATUS,IRP").arg(a & 0x100 ? "bsf" : "bcf"));
            suIndf = true;
            comando('s');
            suIndf = false;
            return;
        }
        case 'r': return banco(numero(p.quattroBanchi ? 4 : 2));
        case 'e': return banco(p.quattroBanchi ? 1 : 0);
        case 'c':
            if (livello < Sottoprogrammi)
                espandi(QStringLiteral("call sub%1").arg(livello + numero(Sottoprogrammi - livello)));
            return;
        case 'w':
            if (numero(4) == 0)
                return;  // the write goes on while the program does other things
            return espandi(p.quattroBanchi ? "%0\nbtfss PIR1,EEIF\ngoto $-1\nbcf PIR1,EEIF"
                                           : "btfss EECON1,EEIF\ngoto $-1\nbcf EECON1,EEIF\n%0");
        default: return banco(c - '0');
        }
    }

    void banco(int b)
    {
        bancoAttuale = b;
        testo += QStringLiteral("  %1 STATUS,RP0\n").arg(b & 1 ? "bsf" : "bcf");
        if (p.quattroBanchi)
            testo += QStringLiteral("  %1 STATUS,RP1\n").arg(b & 2 ? "bsf" : "bcf");
    }

    const ProfiloCasuale& p;
    std::mt19937 caso;
    QString testo;
    int livello = 0, bancoAttuale = 0;
    bool statusScritto = false, suIndf = false;
};

}  // namespace kobaltino::arbitro
