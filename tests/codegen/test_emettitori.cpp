// The lines and word costs of every instruction code, labels and jumps.
#include "programmi.h"

#include "codegen/generatore.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

struct Tradotta {
    QStringList righe;
    int parole = 0;
};

Tradotta traduci(const Griglia& g, int k)
{
    Sorgente s;
    Tradotta t;
    traduciGriglia(g, k, s, t.parole);
    for (const RigaSorgente& r : s.righe())
        t.righe << r.testo;
    return t;
}

// One row of code `codice` alone in the main grid.
Tradotta unaRiga(int codice, const QString& parametro = {}, const QString& etichetta = {})
{
    Stato s;
    aggiungi(s, 1, codice, parametro, etichetta);
    return traduci(s.griglia(1), 1);
}

struct Caso {
    int codice;
    const char* parametro;
    QStringList righe;
    int parole;
};

const std::vector<Caso> Casi = {
    {1, "", {"         call AVANTI"}, 2},
    {2, "", {"         call INDIETRO"}, 2},
    {3, "", {"         call SINISTRA"}, 2},
    {4, "", {"         call DESTRA"}, 2},
    {5, "", {"         call RAGIRA_SINISTRA"}, 2},
    {6, "", {"         call RAGIRA_DESTRA"}, 2},
    {7, "", {"         call FERMO"}, 2},
    {8, "0,5", {"         call    DELAY05S"}, 1},
    {8, "1,0", {"         call    DELAY1S"}, 1},
    {8, "1,5", {"         call    DELAY15S"}, 1},
    {8, "2,0", {"         call    DELAY2S"}, 1},
    {8, "2,5", {"         call    DELAY25S"}, 1},
    {8, "3,0", {}, 0},
    {8, "1.0", {}, 0},
    {10, "Luce_sinistra", {"         btfsc Luce_sinistra", "         call Lucesinistra"}, 2},
    {10, "Boh", {"         btfsc Boh"}, 2},
    {11, "Prossimita_destra", {"         btfss Prossimita_destra", "         call Prossimitadestra"}, 2},
    {12, "", {"         Sleep"}, 1},
    {13, "Ram4 b'00001111'", {"         movlw b'00001111'", "         movwf Ram4"}, 2},
    {13, "Ram20 'A'", {"         movlw 'A'", "         movwf Ram20"}, 2},
    {13, "Ram7 d'200'", {"         movlw d'200'", "         movwf Ram7"}, 2},
    {13, "Ram4", {"         movlw ", "         movwf Ram4"}, 2},
    {14, "", {"         return"}, 1},
    {15, "Ram1 = Ram12",
     {"         bcf STATUS,Z ", "         movf Ram1,W", "         subwf Ram12,W", "         btfsc STATUS,Z"}, 4},
    {15, "Ram12 = Ram1",
     {"         bcf STATUS,Z ", "         movf Ram12,W", "         subwf Ram1,W", "         btfsc STATUS,Z"}, 4},
    {15, "Ram2 ! Ram3",
     {"         bcf STATUS,Z ", "         movf Ram2,W", "         subwf Ram3,W", "         btfss STATUS,Z"}, 4},
    {15, "Ram3 > Ram12",
     {"         bsf STATUS,C ", "         movf Ram3,W", "         subwf Ram12,W", "         btfss STATUS,C"}, 4},
    {15, "Ram3 < Ram12",
     {"         bsf STATUS,C ", "         movf Ram12,W", "         subwf Ram3,W", "         btfss STATUS,C"}, 4},
    {15, "Ram3 ? Ram12", {}, 4},
    {15, "Ram3", {}, 4},
    {16, "", {}, 0},
    {17, "EEP5 d'200'",
     {"         bcf STATUS, RP0",     "         movlw d'200'",        "         movwf EEDATA",
      "         movlw EEP5",          "         movwf EEADR",         "         bsf STATUS,RP0",
      "         bsf EECON1,WREN",     "         bcf INTCON,GIE",      "         movlw b'01010101'",
      "         movwf EECON2",        "         movlw b'10101010'",   "         movwf EECON2",
      "         bsf EECON1,WR",       "         bcf EECON1,WREN",     "         btfss EECON1,EEIF",
      "         goto $-1",            "         bcf EECON1,EEIF",     "         bsf INTCON,GIE",
      "         bcf STATUS, RP0"},
     18},
    {18, "EEP3 Ram15",
     {"         bcf STATUS,RP0", "         movlw EEP3", "         movwf EEADR", "         bsf STATUS,RP0",
      "         bsf EECON1,RD", "         bcf STATUS,RP0", "         movf EEDATA,W", "         movwf Ram15"},
     16},
    {19, "Ram3", {"         incf Ram3,f"}, 1},
    {19, "EEP12", {"         call EEP_INCF_12"}, 1},
    {19, "Ram{1}", {"         incf Ram{1},f"}, 1},
    {20, "Ram20", {"         decf Ram20,f"}, 1},
    {21, "Aperto", {"         bsf Aux", "         call DELAY0125S", "         bcf Aux"}, 3},
    {21, "Chiuso", {"         bsf Aux", "         call DELAY0125S", "         bcf Aux"}, 3},
    {22, "Ram5", {"         swapf Ram5,f"}, 1},
    {23, "Ram6", {"         rrf Ram6,f"}, 1},
    {24, "EEP1", {"         call EEP_RLF_1"}, 1},
    {25, "Ram9", {"         comf Ram9,f"}, 1},
    {26, "Ram1 + Ram2", {"         movf Ram1,W", "         addwf Ram2,f"}, 2},
    {26, "Ram11 - Ram2", {"         movf Ram11,W", "         subwf Ram2,f"}, 2},
    {26, "Ram1 * Ram2", {}, 2},
    {26, "Ram1 / Ram2", {}, 2},
    {27, "Luce_destra", {"         btfsc Luce_destra"}, 1},
    {27, "Aux", {"         btfsc Aux "}, 1},
    {27, "luce_destra", {}, 1},
    {28, "Ultrasuono", {"         btfss Ultrasuono "}, 1},
};

TEST(Emettitori, RigheEParoleDiOgniCodice)
{
    for (const Caso& c : Casi) {
        const Tradotta t = unaRiga(c.codice, QString::fromUtf8(c.parametro));
        EXPECT_EQ(t.righe, c.righe) << "codice " << c.codice << " \"" << c.parametro << '"';
        EXPECT_EQ(t.parole, c.parole) << "codice " << c.codice << " \"" << c.parametro << '"';
    }
}

TEST(Emettitori, SaltiCondizionatiChiamanoIlGestoreDellIngresso)
{
    const std::vector<std::pair<const char*, const char*>> gestori = {
        {"Luce_destra", "Lucedestra"},
        {"Luce_sinistra", "Lucesinistra"},
        {"Prossimita_destra", "Prossimitadestra"},
        {"Prossimita_sinistra", "Prossimitasinistra"},
        {"Ottico_destro", "Otticodestro"},
        {"Ottico_sinistro", "Otticosinistro"},
        {"Ultrasuono", "Ultrasuonosensore"},
        {"Sensore_rotazione", "Otticorotazione"},
        {"Aux", "Ausiliare"},
    };
    for (const auto& [pin, gestore] : gestori) {
        const QString p = QString::fromLatin1(pin);
        const QString chiamata = QStringLiteral("         call ") + QLatin1String(gestore);
        EXPECT_EQ(unaRiga(10, p).righe, (QStringList{"         btfsc " + p, chiamata})) << pin;
        EXPECT_EQ(unaRiga(11, p).righe, (QStringList{"         btfss " + p, chiamata})) << pin;
    }
}

TEST(Emettitori, AzioniCondizionateConIlBlankFinaleTranneLuceDestra)
{
    const std::vector<std::pair<const char*, const char*>> righe = {
        {"Luce_destra", "Luce_destra"},
        {"Luce_sinistra", "Luce_sinistra "},
        {"Prossimita_destra", "Prossimita_destra "},
        {"Prossimita_sinistra", "Prossimita_sinistra "},
        {"Ottico_destro", "Ottico_destro "},
        {"Ottico_sinistro", "Ottico_sinistro "},
        {"Ultrasuono", "Ultrasuono "},
        {"Sensore_rotazione", "Sensore_rotazione "},
        {"Aux", "Aux "},
    };
    for (const auto& [pin, operando] : righe) {
        const QString p = QString::fromLatin1(pin);
        EXPECT_EQ(unaRiga(27, p).righe, QStringList{QStringLiteral("         btfsc ") + QLatin1String(operando)});
        EXPECT_EQ(unaRiga(28, p).righe, QStringList{QStringLiteral("         btfss ") + QLatin1String(operando)});
    }
}

TEST(Emettitori, EtichettaDavantiAllaPrimaRigaSoltanto)
{
    EXPECT_EQ(unaRiga(1, "", "7").righe, QStringList{"Label7         call AVANTI"});
    EXPECT_EQ(unaRiga(8, "1,5", "2").righe, QStringList{"Label2         call    DELAY15S"});
    const Tradotta eeprom = unaRiga(17, "EEP1 b'00000001'", "12");
    ASSERT_EQ(eeprom.righe.size(), 19);
    EXPECT_EQ(eeprom.righe[0], "Label12         bcf STATUS, RP0");
    EXPECT_EQ(eeprom.righe[1], "         movlw b'00000001'");
    EXPECT_EQ(eeprom.righe[18], "         bcf STATUS, RP0");
    EXPECT_EQ(unaRiga(15, "Ram1 > Ram2", "0").righe[0], "Label0         bsf STATUS,C ");
}

TEST(Emettitori, RigaEtichettataSenzaIstruzioniScriveLEtichettaDaSola)
{
    const Tradotta fineSe = unaRiga(16, "", "3");
    EXPECT_EQ(fineSe.righe, QStringList{"Label3"});
    EXPECT_EQ(fineSe.parole, 0);
    const Tradotta attesa = unaRiga(8, "9,9", "4");
    EXPECT_EQ(attesa.righe, QStringList{"Label4"});
    EXPECT_EQ(attesa.parole, 0);
    const Tradotta prodotto = unaRiga(26, "Ram1 * Ram2", "5");
    EXPECT_EQ(prodotto.righe, QStringList{"Label5"});
    EXPECT_EQ(prodotto.parole, 2);
    EXPECT_EQ(unaRiga(27, "Nessuno", "6").righe, QStringList{"Label6"});
}

TEST(Emettitori, VaiALEtichettaDellaRigaBersaglio)
{
    Stato s;
    aggiungi(s, 1, 1, {}, "4");  // row 0, labelled 4 by its jump dialog
    aggiungi(s, 1, 7);
    aggiungi(s, 1, 9, "0");
    aggiungi(s, 1, 16, {}, "5");  // a FINE SE target
    aggiungi(s, 1, 9, "3");
    aggiungi(s, 1, 9, "0");
    const Tradotta t = traduci(s.griglia(1), 1);
    EXPECT_EQ(t.righe, (QStringList{"Label4         call AVANTI", "         call FERMO", "         goto Label4",
                                    "Label5", "         goto Label5", "         goto Label4"}));
    EXPECT_EQ(t.parole, 2 + 2 + 1 + 0 + 1 + 1);
}

TEST(Emettitori, NelleGriglieDeiSensoriLeEtichettePortanoIlNumeroDellaGriglia)
{
    Stato s;
    aggiungi(s, 3, 14, {}, "0");
    aggiungi(s, 3, 9, "0");
    aggiungi(s, 10, 2, {}, "0");
    aggiungi(s, 10, 9, "0");
    EXPECT_EQ(traduci(s.griglia(3), 3).righe, (QStringList{"Label3_0         return", "         goto Label3_0"}));
    EXPECT_EQ(traduci(s.griglia(10), 10).righe,
              (QStringList{"Label10_0         call INDIETRO", "         goto Label10_0"}));
}

TEST(Emettitori, VaiASenzaEtichettaValidaNominaUnaLabelInesistente)
{
    Stato s;
    aggiungi(s, 1, 1);
    aggiungi(s, 1, 9, "0");     // target without a label
    aggiungi(s, 1, 9, "x");     // not a row number
    aggiungi(s, 1, 9, "5000");  // beyond the grid
    aggiungi(s, 1, 9, "-1");
    EXPECT_EQ(traduci(s.griglia(1), 1).righe,
              (QStringList{"         call AVANTI", "         goto Label", "         goto Label", "         goto Label",
                           "         goto Label"}));
}

TEST(Emettitori, CodiciSconosciutiNonScrivonoNullaENonLeggonoEtichette)
{
    Stato s;
    aggiungi(s, 1, 1);
    aggiungi(s, 1, 29, {}, "8");
    s.griglia(1).riga(1).codice = QStringLiteral("abc");
    aggiungi(s, 1, 2);
    const Tradotta t = traduci(s.griglia(1), 1);
    EXPECT_EQ(t.righe, (QStringList{"         call AVANTI", "         call INDIETRO"}));
    EXPECT_EQ(t.parole, 4);
}

TEST(Emettitori, LaGrigliaPrincipaleOltre255RigheETradottaTutta)
{
    Stato s;
    for (int r = 0; r < 950; ++r)
        aggiungi(s, 1, r % 2 == 0 ? 12 : 14);
    s.griglia(1).riga(949).etichetta = QStringLiteral("1");
    aggiungi(s, 2, 9, "0");
    const Tradotta t = traduci(s.griglia(1), 1);
    ASSERT_EQ(t.righe.size(), 950);
    EXPECT_EQ(t.righe.count("         Sleep"), 475);
    EXPECT_EQ(t.righe.count("         return"), 474);
    EXPECT_EQ(t.righe[256], "         Sleep");
    EXPECT_EQ(t.righe[949], "Label1         return");
    EXPECT_EQ(t.parole, 950);
}

}  // namespace
}  // namespace kobaltino
