// The translation: whole generated files byte for byte (head, main program, handler sections,
// EEPROM subroutines and library) for each processor and both uses of the Aux line.
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

}  // namespace
}  // namespace kobaltino
