// The translation: whole generated files byte for byte (head, main program, handler sections,
// EEPROM subroutines and library) for each processor and both uses of the Aux line, and what
// rows no dialog writes would give.
#include "programmi.h"

#include "codegen/generatore.h"

#include <gtest/gtest.h>

namespace kobaltino {

namespace {

TEST(Sorgente, IlFileInteroPerOgniProcessore)
{
    const struct {
        bool tutti;  // else giro
        const char* processore;
        bool auxAbilitata;
        const char* atteso;
    } casi[] = {{false, "16F84", false, "giro_16f84.asm"},        {false, "16F84A", false, "giro_16f84a.asm"},
                {false, "16F628", false, "giro_16f628.asm"},      {false, "16F84", true, "giro_16f84_aux.asm"},
                {false, "18F452", false, "giro_sconosciuto.asm"}, {true, "16F84", false, "tutti_16f84.asm"},
                {true, "16F628", true, "tutti_16f628.asm"}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.atteso);
        Stato s;
        carica(s, c.tutti ? tuttiICodici() : Giro);
        s.Processore = QString::fromLatin1(c.processore);
        s.AuxAbilitata = c.auxAbilitata;
        for (int volta = 1; volta <= 2; ++volta) {  // a second translation starts from nothing
            const Generazione g = genera(s);
            EXPECT_EQ(g.sorgente.byte(), atteso(c.atteso));
            EXPECT_EQ(g.ParoleProgramma, c.tutti ? ParoleTutti : ParoleGiro);
            EXPECT_FALSE(g.troppoGrande());
        }
    }
}

// Rows the compile refuses before translating (unknown codes, parameters no dialog writes):
// an unknown choice writes at most the row's label, a name is copied as it is, a jump without a
// target label goes to "Label".
TEST(Sorgente, RigheCheNessunDialogoScrive)
{
    Stato s;
    carica(s, {{1, 1, "", "7"},      {1, 9, "0"},          {1, 8, "3,0"},         {1, 8, "1.0", "4"}, {1, 10, "Boh"},
               {1, 13, "Ram4"},      {1, 15, "Ram3 ? Ram12"}, {1, 16},            {1, 26, "Ram1 * Ram2", "5"},
               {1, 27, "luce_destra", "6"}, {1, 19, "Ram{1}"}, {1, 19, "EEP21"}, {1, 20, "EEP0"}, {1, 22, "EEP03"},
               {1, 23, "EEP"},       {1, 24, "Eep3"},      {1, 25, "EEP3 Ram1"}, {1, 29, "", "8"},  {1, 1},
               {1, 9, "1"},          {1, 9, "x"},          {1, 9, "5000"},       {1, 9, "-1"}});
    s.griglia(1).riga(18).codice = QStringLiteral("abc");
    Sorgente sorgente;
    int parole = 0;
    traduciGriglia(s.griglia(1), 1, processore(QStringLiteral("16F84")), sorgente, parole);
    QStringList righe;
    for (const RigaSorgente& r : sorgente.righe())
        righe << r.testo;
    EXPECT_EQ(righe, (QStringList{"Label7         call AVANTI", "         goto Label7", "Label4", "         btfsc Boh",
                                  "         movlw ", "         movwf Ram4", "Label5", "Label6", "         incf Ram{1},f",
                                  "         incf EEP21,f", "         decf EEP0,f", "         swapf EEP03,f",
                                  "         rrf EEP,f", "         rlf Eep3,f", "         comf EEP3 Ram1,f",
                                  "         goto Label", "         goto Label", "         goto Label", "         goto Label"}));
    EXPECT_EQ(parole, 2 + 1 + 2 + 2 + 4 + 2 + 1 + 7 + 4);
}

}  // namespace
}  // namespace kobaltino
