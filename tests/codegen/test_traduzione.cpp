// The translation: whole generated files byte for byte (head, main program, handler sections,
// EEPROM subroutines and library) for each processor and both uses of the Aux line, each one
// valid assembly for the real assembler (gputils' gpasm).
#include "programmi.h"

#include "codegen/generatore.h"
#include "support/gpsim.h"

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
        if (s.Processore == "18F452")
            continue;
        // gpasm takes it, with the processor's configuration word: H'3FF1', on the 16F628 H'3F61'.
        const gpsim::Assemblato programma = gpsim::assembla(atteso(c.atteso));
        ASSERT_TRUE(programma.riuscito);
        const QByteArray configurazione = s.Processore == "16F628" ? ":02400E00613F10" : ":02400E00F13F80";
        EXPECT_TRUE(programma.leggi("prova.hex").contains(configurazione));
    }
}

}  // namespace
}  // namespace kobaltino
