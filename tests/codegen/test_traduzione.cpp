// The translation: whole generated files byte for byte (head, main program, handler sections,
// EEPROM subroutine and library) for each processor and both uses of the Aux line; the lines and
// word costs of every instruction code; labels and jumps.
#include "programmi.h"

#include "codegen/generatore.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

TEST(Sorgente, IlFileInteroPerOgniProcessore)
{
    struct Caso {
        const char* processore;
        const char* include;
        bool auxAbilitata;
    };
    for (const Caso& c : {Caso{"16F84", "p16f84.inc", false}, Caso{"16F84A", "p16f84a.inc", false},
                          Caso{"16F628", "p16f628.inc", false}, Caso{"16F84", "p16f84.inc", true},
                          Caso{"18F452", "", false}}) {
        Stato s;
        caricaGiro(s);
        s.Processore = QString::fromLatin1(c.processore);
        s.AuxAbilitata = c.auxAbilitata;
        const QByteArray atteso = attesi::fileGiro(s.Processore, QString::fromLatin1(c.include), c.auxAbilitata);
        for (int volta = 1; volta <= 2; ++volta) {  // a second translation starts from nothing
            const Generazione g = genera(s);
            EXPECT_EQ(g.sorgente.byte(), atteso) << c.processore << " aux " << c.auxAbilitata << " volta " << volta;
            EXPECT_EQ(g.ParoleProgramma, attesi::ParoleGiro);
            EXPECT_FALSE(g.troppoGrande());
        }
    }
}

struct Tradotta {
    QStringList righe;
    int parole = 0;
};

Tradotta traduci(const Griglia& g, int k, const char* nome = "16F84")
{
    Sorgente s;
    Tradotta t;
    traduciGriglia(g, k, processore(QString::fromLatin1(nome)), s, t.parole);
    for (const RigaSorgente& r : s.righe())
        t.righe << r.testo;
    return t;
}

struct Caso {
    int codice;
    const char* parametro;
    const char* etichetta;
    QStringList righe;
    int parole;
    const char* processore = "16F84";
};

// One row alone in the main grid. A label goes in front of the first line only, or alone when
// the row writes nothing.
const std::vector<Caso> Casi = {
    {1, "", "", {"         call AVANTI"}, 2},         {1, "", "7", {"Label7         call AVANTI"}, 2},
    {2, "", "", {"         call INDIETRO"}, 2},       {3, "", "", {"         call SINISTRA"}, 2},
    {4, "", "", {"         call DESTRA"}, 2},         {5, "", "", {"         call RAGIRA_SINISTRA"}, 2},
    {6, "", "", {"         call RAGIRA_DESTRA"}, 2},  {7, "", "", {"         call FERMO"}, 2},
    {8, "0,5", "", {"         call    DELAY05S"}, 1}, {8, "1,0", "", {"         call    DELAY1S"}, 1},
    {8, "1,5", "2", {"Label2         call    DELAY15S"}, 1},
    {8, "2,0", "", {"         call    DELAY2S"}, 1}, {8, "2,5", "", {"         call    DELAY25S"}, 1},
    {8, "3,0", "", {}, 0},                          {8, "1.0", "4", {"Label4"}, 0},
    {10, "Boh", "", {"         btfsc Boh"}, 2},     {12, "", "", {"         Sleep"}, 1},
    {13, "Ram4 b'00001111'", "", {"         movlw b'00001111'", "         movwf Ram4"}, 2},
    {13, "Ram20 'A'", "", {"         movlw 'A'", "         movwf Ram20"}, 2},
    {13, "Ram4", "", {"         movlw ", "         movwf Ram4"}, 2},
    {14, "", "", {"         return"}, 1},
    {15, "Ram1 = Ram12", "", {"         bcf STATUS,Z ", "         movf Ram1,W", "         subwf Ram12,W", "         btfsc STATUS,Z"}, 4},
    {15, "Ram2 ! Ram3", "", {"         bcf STATUS,Z ", "         movf Ram2,W", "         subwf Ram3,W", "         btfss STATUS,Z"}, 4},
    {15, "Ram3 > Ram12", "0", {"Label0         bsf STATUS,C ", "         movf Ram3,W", "         subwf Ram12,W", "         btfss STATUS,C"}, 4},
    {15, "Ram3 < Ram12", "", {"         bsf STATUS,C ", "         movf Ram12,W", "         subwf Ram3,W", "         btfss STATUS,C"}, 4},
    {15, "Ram3 ? Ram12", "", {}, 4},                {16, "", "", {}, 0},
    {16, "", "3", {"Label3"}, 0},
    {17, "EEP5 d'200'", "12",
     {"Label12         bcf STATUS, RP0", "         movlw d'200'",       "         movwf EEDATA",
      "         movlw EEP5",             "         movwf EEADR",        "         bsf STATUS,RP0",
      "         bsf EECON1,WREN",        "         bcf INTCON,GIE",     "         movlw b'01010101'",
      "         movwf EECON2",           "         movlw b'10101010'",  "         movwf EECON2",
      "         bsf EECON1,WR",          "         bcf EECON1,WREN",    "         btfss EECON1,EEIF",
      "         goto $-1",               "         bcf EECON1,EEIF",    "         bsf INTCON,GIE",
      "         bcf STATUS, RP0"},
     18},
    {18, "EEP3 Ram15", "",
     {"         bcf STATUS,RP0", "         movlw EEP3", "         movwf EEADR", "         bsf STATUS,RP0",
      "         bsf EECON1,RD", "         bcf STATUS,RP0", "         movf EEDATA,W", "         movwf Ram15"},
     16},
    // The 16F628 has all four EEPROM registers in bank 1 and its write-done flag in PIR1.
    {17, "EEP5 d'200'", "12",
     {"Label12         bsf STATUS,RP0", "         movlw d'200'",       "         movwf EEDATA",
      "         movlw EEP5",            "         movwf EEADR",        "         bsf EECON1,WREN",
      "         bcf INTCON,GIE",        "         movlw b'01010101'",  "         movwf EECON2",
      "         movlw b'10101010'",     "         movwf EECON2",       "         bsf EECON1,WR",
      "         bcf EECON1,WREN",       "         bcf STATUS,RP0",     "         btfss PIR1,EEIF",
      "         goto $-1",              "         bcf PIR1,EEIF",      "         bsf INTCON,GIE"},
     18, "16F628"},
    {18, "EEP3 Ram15", "",
     {"         bsf STATUS,RP0", "         movlw EEP3", "         movwf EEADR", "         bsf EECON1,RD",
      "         movf EEDATA,W", "         bcf STATUS,RP0", "         movwf Ram15"},
     16, "16F628"},
    {19, "Ram3", "", {"         incf Ram3,f"}, 1},     {19, "Ram{1}", "", {"         incf Ram{1},f"}, 1},
    {20, "Ram20", "", {"         decf Ram20,f"}, 1},
    {21, "Aperto", "", {"         bsf Aux", "         call DELAY0125S", "         bcf Aux"}, 3},
    {21, "Chiuso", "", {"         bsf Aux", "         call DELAY0125S", "         bcf Aux"}, 3},
    {22, "Ram5", "", {"         swapf Ram5,f"}, 1},    {23, "Ram6", "", {"         rrf Ram6,f"}, 1},
    {24, "Ram7", "", {"         rlf Ram7,f"}, 1},      {25, "Ram9", "", {"         comf Ram9,f"}, 1},
    {26, "Ram1 + Ram2", "", {"         movf Ram1,W", "         addwf Ram2,f"}, 2},
    {26, "Ram11 - Ram2", "", {"         movf Ram11,W", "         subwf Ram2,f"}, 2},
    {26, "Ram1 * Ram2", "5", {"Label5"}, 2},       {27, "luce_destra", "6", {"Label6"}, 1},
    // An EEPROM cell calls its read-modify-write subroutine: still one word.
    {19, "EEP12", "", {"         call EEP_INCF_12"}, 1}, {20, "EEP20", "", {"         call EEP_DECF_20"}, 1},
    {22, "EEP7", "", {"         call EEP_SWAPF_7"}, 1},  {23, "EEP8", "", {"         call EEP_RRF_8"}, 1},
    {24, "EEP1", "", {"         call EEP_RLF_1"}, 1},    {25, "EEP4", "", {"         call EEP_COMF_4"}, 1},
    // Not a cell the head defines: the name is copied as it is.
    {19, "EEP21", "", {"         incf EEP21,f"}, 1},     {20, "EEP0", "", {"         decf EEP0,f"}, 1},
    {22, "EEP03", "", {"         swapf EEP03,f"}, 1},    {23, "EEP", "", {"         rrf EEP,f"}, 1},
    {24, "Eep3", "", {"         rlf Eep3,f"}, 1},        {25, "EEP3 Ram1", "", {"         comf EEP3 Ram1,f"}, 1},
};

TEST(Emettitori, RigheEParoleDiOgniCodice)
{
    for (const Caso& c : Casi) {
        Stato s;
        aggiungi(s, 1, c.codice, QString::fromUtf8(c.parametro), QString::fromUtf8(c.etichetta));
        const Tradotta t = traduci(s.griglia(1), 1, c.processore);
        EXPECT_EQ(t.righe, c.righe) << c.processore << " codice " << c.codice << " \"" << c.parametro << '"';
        EXPECT_EQ(t.parole, c.parole) << c.processore << " codice " << c.codice << " \"" << c.parametro << '"';
    }
}

TEST(Emettitori, GliIngressiNeiSaltiENelleAzioniCondizionate)
{
    for (const IngressoAtteso& i : Ingressi) {
        const QString pin = QString::fromLatin1(i.pin);
        const QString chiamata = QStringLiteral("         call ") + QLatin1String(i.gestore);
        const std::vector<std::pair<int, QStringList>> attese = {
            {10, {"         btfsc " + pin, chiamata}}, {11, {"         btfss " + pin, chiamata}},
            {27, {QStringLiteral("         btfsc ") + QLatin1String(i.fai)}},
            {28, {QStringLiteral("         btfss ") + QLatin1String(i.fai)}}};
        for (const auto& [codice, righe] : attese) {
            Stato s;
            aggiungi(s, 1, codice, pin);
            const Tradotta t = traduci(s.griglia(1), 1);
            EXPECT_EQ(t.righe, righe) << i.pin << " codice " << codice;
            EXPECT_EQ(t.parole, codice <= 11 ? 2 : 1) << i.pin << " codice " << codice;
        }
    }
}

TEST(Emettitori, SaltiAllEtichettaDellaRigaBersaglio)
{
    Stato s;
    aggiungi(s, 1, 1, {}, "4");  // row 0, labelled 4 by its jump dialog
    aggiungi(s, 1, 9, "0");
    aggiungi(s, 1, 16, {}, "5");
    aggiungi(s, 1, 9, "2");
    aggiungi(s, 1, 29, {}, "8");  // unknown codes write nothing, not even their label
    aggiungi(s, 1, 1);
    s.griglia(1).riga(5).codice = QStringLiteral("abc");
    for (const char* senzaEtichetta : {"1", "x", "5000", "-1"})
        aggiungi(s, 1, 9, senzaEtichetta);
    const Tradotta t = traduci(s.griglia(1), 1);
    EXPECT_EQ(t.righe, (QStringList{"Label4         call AVANTI", "         goto Label4", "Label5", "         goto Label5",
                                    "         goto Label", "         goto Label", "         goto Label",
                                    "         goto Label"}));
    EXPECT_EQ(t.parole, 2 + 1 + 0 + 1 + 4);

    aggiungi(s, 10, 2, {}, "0");
    aggiungi(s, 10, 9, "0");
    EXPECT_EQ(traduci(s.griglia(10), 10).righe, (QStringList{"Label10_0         call INDIETRO", "         goto Label10_0"}));
}

}  // namespace
}  // namespace kobaltino
