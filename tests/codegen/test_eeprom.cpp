// One-operand instructions on EEPROM cells: the lines they write, the subroutines that read,
// change and write back the cell, and what those do on the chip (run in gpsim).
#include "attesi.h"
#include "programmi.h"
#include "simulatore.h"

#include "codegen/generatore.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

QStringList righeGenerate(const Stato& s)
{
    QStringList righe;
    const Generazione g = genera(s);
    for (const RigaSorgente& r : g.sorgente.righe())
        righe << r.testo;
    return righe;
}

// The read-modify-write subroutine of cell EEP3 on the 16F84 and 16F84A.
QStringList incrementaEep3F84()
{
    return {"EEP_INCF_3:",
            "         bcf STATUS,RP0",
            "         movlw EEP3",
            "         movwf EEADR",
            "         bsf STATUS,RP0",
            "         bsf EECON1,RD",
            "         bcf STATUS,RP0",
            "         incf EEDATA,f",
            "         bsf STATUS,RP0",
            "         bsf EECON1,WREN",
            "         bcf INTCON,GIE",
            "         movlw b'01010101'",
            "         movwf EECON2",
            "         movlw b'10101010'",
            "         movwf EECON2",
            "         bsf EECON1,WR",
            "         bcf EECON1,WREN",
            "         btfss EECON1,EEIF",
            "         goto $-1",
            "         bcf EECON1,EEIF",
            "         bsf INTCON,GIE",
            "         bcf STATUS,RP0",
            "         return",
            ""};
}

TEST(OperazioniEeprom, IlFileInteroConUnIncrementaDellaCella3)
{
    for (const auto& [processore, include] :
         std::vector<std::pair<const char*, const char*>>{{"16F84", "p16f84.inc"}, {"16F84A", "p16f84a.inc"}}) {
        Stato s;
        s.Processore = QString::fromLatin1(processore);
        aggiungi(s, 1, 19, "EEP3");
        QStringList atteso = attesi::testa(processore, include);
        atteso << "         call EEP_INCF_3"
               << "fine     goto    fine"
               << "" << attesi::sezioniVuote() << incrementaEep3F84() << attesi::libreria();
        const Generazione g = genera(s);
        EXPECT_EQ(g.sorgente.testo(), attesi::file(atteso)) << processore;
        EXPECT_EQ(g.ParoleProgramma, 75);  // the estimate counts the row's one word, as before
    }
}

TEST(OperazioniEeprom, Sul16F628IRegistriEepromStannoNelBanco1)
{
    Stato s;
    s.Processore = QStringLiteral("16F628");
    aggiungi(s, 1, 25, "EEP20");
    QStringList atteso = attesi::testa("16F628", "p16f628.inc");
    atteso << "         call EEP_COMF_20"
           << "fine     goto    fine"
           << "" << attesi::sezioniVuote();
    atteso << "EEP_COMF_20:"
           << "         bsf STATUS,RP0"
           << "         movlw EEP20"
           << "         movwf EEADR"
           << "         bsf EECON1,RD"
           << "         comf EEDATA,f"
           << "         bsf EECON1,WREN"
           << "         bcf INTCON,GIE"
           << "         movlw b'01010101'"
           << "         movwf EECON2"
           << "         movlw b'10101010'"
           << "         movwf EECON2"
           << "         bsf EECON1,WR"
           << "         bcf EECON1,WREN"
           << "         btfsc EECON1,WR"
           << "         goto $-1"
           << "         bsf INTCON,GIE"
           << "         bcf STATUS,RP0"
           << "         return"
           << "";
    atteso << attesi::libreria();
    EXPECT_EQ(genera(s).sorgente.testo(), attesi::file(atteso));
}

TEST(OperazioniEeprom, OgniOperazioneChiamaLaSuaSubroutine)
{
    const std::vector<std::tuple<int, const char*, const char*>> casi = {
        {19, "EEP1", "         call EEP_INCF_1"},    {20, "EEP20", "         call EEP_DECF_20"},
        {22, "EEP7", "         call EEP_SWAPF_7"},   {23, "EEP8", "         call EEP_RRF_8"},
        {24, "EEP10", "         call EEP_RLF_10"},   {25, "EEP4", "         call EEP_COMF_4"},
    };
    for (const auto& [codice, cella, chiamata] : casi) {
        Stato s;
        aggiungi(s, 1, codice, QString::fromLatin1(cella), "2");
        const QStringList righe = righeGenerate(s);
        const QString subroutine = QString::fromLatin1(chiamata).mid(14) + ":";
        EXPECT_TRUE(righe.contains("Label2" + QString::fromLatin1(chiamata))) << chiamata;
        EXPECT_EQ(righe.count(subroutine), 1) << chiamata;
        // after the handler sections, before the library
        EXPECT_GT(righe.indexOf(subroutine), righe.indexOf("Ausiliare:"));
        EXPECT_LT(righe.indexOf(subroutine), righe.indexOf("INDIETRO:"));
    }
}

TEST(OperazioniEeprom, UnaSubroutinePerOperazioneECellaUsate)
{
    Stato s;
    aggiungi(s, 1, 25, "EEP2");
    aggiungi(s, 1, 19, "EEP7");
    aggiungi(s, 1, 19, "EEP3");
    aggiungi(s, 1, 19, "EEP7");
    aggiungi(s, 5, 20, "EEP3");
    aggiungi(s, 5, 22, "Ram4");
    aggiungi(s, 10, 19, "EEP7");
    const QStringList righe = righeGenerate(s);
    QStringList subroutine;
    for (const QString& r : righe)
        if (r.startsWith("EEP_"))
            subroutine << r;
    EXPECT_EQ(subroutine, (QStringList{"EEP_INCF_3:", "EEP_INCF_7:", "EEP_DECF_3:", "EEP_COMF_2:"}));
    EXPECT_EQ(righe.count("         call EEP_INCF_7"), 3);
    EXPECT_TRUE(righe.contains("         swapf Ram4,f"));
}

TEST(OperazioniEeprom, AltriNomiRestanoComeSono)
{
    // Not a cell the head defines: copied into the line as before, and no subroutine.
    const std::vector<std::tuple<int, const char*, const char*>> casi = {
        {19, "EEP21", "         incf EEP21,f"}, {20, "EEP0", "         decf EEP0,f"},
        {22, "EEP03", "         swapf EEP03,f"}, {23, "EEP", "         rrf EEP,f"},
        {24, "Eep3", "         rlf Eep3,f"},    {25, "EEP3 Ram1", "         comf EEP3 Ram1,f"},
    };
    for (const auto& [codice, parametro, riga] : casi) {
        Stato s;
        aggiungi(s, 1, codice, QString::fromLatin1(parametro));
        const QStringList righe = righeGenerate(s);
        EXPECT_TRUE(righe.contains(QString::fromLatin1(riga))) << parametro;
        EXPECT_FALSE(righe.join('\n').contains("EEP_")) << parametro;
    }
}

TEST(OperazioniEeprom, AzioneDelSeEUnaSolaParola)
{
    Stato s;
    aggiungi(s, 1, 15, "Ram1 = Ram2");
    aggiungi(s, 1, 20, "EEP9");
    aggiungi(s, 1, 16);
    aggiungi(s, 1, 27, "Aux");
    aggiungi(s, 1, 19, "EEP9");
    const QStringList righe = righeGenerate(s);
    const qsizetype se = righe.indexOf("         btfsc STATUS,Z");
    ASSERT_GE(se, 0);
    EXPECT_EQ(righe.mid(se + 1, 4), (QStringList{"         call EEP_DECF_9", "         btfsc Aux ",
                                                 "         call EEP_INCF_9", "fine     goto    fine"}));
}

// --- On the chip ---------------------------------------------------------------------------

constexpr int STATUS = 0x03, PORTA = 0x05, OPTION_REG = 0x81, TRISA = 0x85, TRISB = 0x86;
constexpr int Ram1 = 0x3c, Ram2 = 0x3d;

// What INIZIO set and an "Avanti" at the end of the program leaves, untouched by the EEPROM work.
void portEConfigurazioneIntatte(const Simulazione& sim)
{
    EXPECT_TRUE(sim.arrivataAFine) << sim.uscita.toStdString();
    EXPECT_EQ(sim.registri.at(PORTA), 0x09);
    EXPECT_EQ(sim.registri.at(TRISA), 0x10);
    EXPECT_EQ(sim.registri.at(TRISB), 0xff);
    EXPECT_EQ(sim.registri.at(OPTION_REG), 0x07);
    EXPECT_EQ(sim.registri.at(STATUS) & 0x60, 0);  // bank 0 selected again
}

struct Operazione {
    int codice;
    int addendo1, addendo2;  // Ram1 + Ram2 sets the carry the shifts take in
    int risultato;           // the cell, starting from b'10100110'
    int flag;                // Z, DC, C of STATUS afterwards, as the instruction on a register leaves them
};

class SulChip : public ::testing::TestWithParam<Operazione> {};

TEST_P(SulChip, LaCellaCambiaComeUnRegistroENientAltro)
{
    const Operazione op = GetParam();
    Stato s;
    aggiungi(s, 1, 17, "EEP3 b'10100110'");
    aggiungi(s, 1, 13, QStringLiteral("Ram1 d'%1'").arg(op.addendo1));
    aggiungi(s, 1, 13, QStringLiteral("Ram2 d'%1'").arg(op.addendo2));
    aggiungi(s, 1, 26, "Ram1 + Ram2");
    aggiungi(s, 1, op.codice, "EEP3");
    aggiungi(s, 1, 1);
    const Simulazione sim = simula(s);
    portEConfigurazioneIntatte(sim);
    ASSERT_EQ(sim.eeprom.size(), 64u) << sim.uscita.toStdString();
    for (const auto& [cella, valore] : sim.eeprom)
        EXPECT_EQ(valore, cella == 2 ? op.risultato : 0) << "cella " << cella;
    EXPECT_EQ(sim.registri.at(STATUS) & 0x07, op.flag);
    EXPECT_EQ(sim.registri.at(Ram1), op.addendo1);
    EXPECT_EQ(sim.registri.at(Ram2), (op.addendo1 + op.addendo2) & 0xff);
}

void PrintTo(const Operazione& o, std::ostream* os)
{
    *os << "codice " << o.codice << ", Ram1 " << o.addendo1 << ", Ram2 " << o.addendo2;
}

std::string nomeOperazione(const ::testing::TestParamInfo<Operazione>& info)
{
    return "codice" + std::to_string(info.param.codice) + (info.param.addendo1 ? "_riporto" : "");
}

// 0 + 0 leaves Z set and C clear; 200 + 100 leaves C set and Z clear.
INSTANTIATE_TEST_SUITE_P(SeiOperazioni, SulChip,
                         ::testing::Values(Operazione{19, 0, 0, 0xa7, 0b000}, Operazione{20, 0, 0, 0xa5, 0b000},
                                           Operazione{22, 0, 0, 0x6a, 0b100}, Operazione{23, 0, 0, 0x53, 0b100},
                                           Operazione{24, 0, 0, 0x4c, 0b101}, Operazione{25, 0, 0, 0x59, 0b000},
                                           Operazione{23, 200, 100, 0xd3, 0b000},
                                           Operazione{24, 200, 100, 0x4d, 0b001}),
                         nomeOperazione);

TEST(OperazioniEepromSulChip, OgniCellaAlSuoPosto)
{
    // EEP1..EEP20 share their numbers with PCL, STATUS, the ports and the EEPROM registers:
    // none of them may be touched.
    Stato s;
    for (int cella = 1; cella <= 20; ++cella)
        aggiungi(s, 1, 19, QStringLiteral("EEP%1").arg(cella));
    aggiungi(s, 1, 20, "EEP8");
    aggiungi(s, 1, 20, "EEP8");
    aggiungi(s, 1, 1);
    const Simulazione sim = simula(s);
    portEConfigurazioneIntatte(sim);
    ASSERT_EQ(sim.eeprom.size(), 64u) << sim.uscita.toStdString();
    for (const auto& [cella, valore] : sim.eeprom)
        EXPECT_EQ(valore, cella == 7 ? 0xff : cella < 20 ? 1 : 0) << "cella " << cella;
}

TEST(OperazioniEepromSulChip, LAzioneDelSeSoloSeLaCondizioneVale)
{
    Stato s;
    aggiungi(s, 1, 17, "EEP6 d'7'");
    aggiungi(s, 1, 13, "Ram1 d'4'");
    aggiungi(s, 1, 13, "Ram2 d'4'");
    aggiungi(s, 1, 13, "Ram3 d'9'");
    aggiungi(s, 1, 15, "Ram1 = Ram2");  // holds
    aggiungi(s, 1, 19, "EEP5");
    aggiungi(s, 1, 16);
    aggiungi(s, 1, 15, "Ram1 = Ram3");  // does not
    aggiungi(s, 1, 19, "EEP6");
    aggiungi(s, 1, 16);
    aggiungi(s, 1, 15, "Ram3 > Ram1");  // holds
    aggiungi(s, 1, 25, "EEP6");
    aggiungi(s, 1, 16);
    aggiungi(s, 1, 1);
    const Simulazione sim = simula(s);
    portEConfigurazioneIntatte(sim);
    ASSERT_EQ(sim.eeprom.size(), 64u) << sim.uscita.toStdString();
    EXPECT_EQ(sim.eeprom.at(4), 1);
    EXPECT_EQ(sim.eeprom.at(5), 0xf8);  // 7 not incremented, then complemented
}

TEST(OperazioniEepromSulChip, Sul16F628)
{
    Stato s;
    s.Processore = QStringLiteral("16F628");
    aggiungi(s, 1, 19, "EEP3");
    aggiungi(s, 1, 19, "EEP3");
    aggiungi(s, 1, 20, "EEP4");
    aggiungi(s, 1, 22, "EEP4");
    const Simulazione sim = simula(s);
    EXPECT_TRUE(sim.arrivataAFine) << sim.uscita.toStdString();
    ASSERT_EQ(sim.eeprom.size(), 128u) << sim.uscita.toStdString();
    for (const auto& [cella, valore] : sim.eeprom)
        EXPECT_EQ(valore, cella == 2 ? 2 : cella == 3 ? 0xff : 0) << "cella " << cella;
    EXPECT_EQ(sim.registri.at(TRISA), 0x10);
    EXPECT_EQ(sim.registri.at(STATUS) & 0x60, 0);
}

}  // namespace
}  // namespace kobaltino
