// Whole generated files: head, body and library, byte for byte.
#include "attesi.h"
#include "programmi.h"

#include "codegen/compilatore.h"
#include "codegen/generatore.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

QStringList conUnAvanti(QStringList testa)
{
    QStringList f = testa;
    f << "         call AVANTI"
      << "fine     goto    fine"
      << "";
    f << attesi::sezioniVuote() << attesi::libreria();
    return f;
}

TEST(Sorgente, UnAvantiSu16F84)
{
    Stato s;
    aggiungi(s, 1, 1);
    const Generazione g = genera(s);
    EXPECT_EQ(g.sorgente.testo(), attesi::file(conUnAvanti(attesi::testa("16F84", "p16f84.inc"))));
    EXPECT_EQ(g.ParoleProgramma, 76);
    EXPECT_FALSE(g.troppoGrande());
}

TEST(Sorgente, IByteSonoWindows1252ConCrLfEUnaRigaVuotaFinale)
{
    Stato s;
    aggiungi(s, 1, 1);
    const QByteArray b = genera(s).sorgente.byte();
    EXPECT_TRUE(b.startsWith("             PROCESSOR 16F84\r\n             include \"p16f84.inc\"\r\n"));
    EXPECT_TRUE(b.endsWith("            Return\r\n\r\n         end\r\n\r\n"));
    EXPECT_FALSE(b.contains('\t'));
    EXPECT_EQ(b.count("\n"), b.count("\r\n"));
    // A character outside ASCII in a parameter is written as one Windows-1252 byte.
    Stato t;
    aggiungi(t, 1, 13, QStringLiteral("Ram1 'è'"));
    EXPECT_TRUE(genera(t).sorgente.byte().contains("         movlw '\xe8'\r\n         movwf Ram1\r\n"));
}

TEST(Sorgente, LeTreTesteDelProcessore)
{
    const std::vector<std::pair<const char*, const char*>> casi = {
        {"16F84", "p16f84.inc"}, {"16F84A", "p16f84a.inc"}, {"16F628", "p16f628.inc"}};
    for (const auto& [processore, include] : casi) {
        Stato s;
        s.Processore = QString::fromLatin1(processore);
        aggiungi(s, 1, 1);
        EXPECT_EQ(genera(s).sorgente.testo(), attesi::file(conUnAvanti(attesi::testa(processore, include))))
            << processore;
    }
}

TEST(Sorgente, ConIlBraccioLaLineaAuxDiventaUscita)
{
    Stato s;
    s.AuxAbilitata = false;
    aggiungi(s, 1, 21, QStringLiteral("Aperto"));
    QStringList f = attesi::testa("16F84", "p16f84.inc", true);
    f << "         bsf Aux"
      << "         call DELAY0125S"
      << "         bcf Aux"
      << "fine     goto    fine"
      << "";
    f << attesi::sezioniVuote() << attesi::libreria();
    const Generazione g = genera(s);
    EXPECT_EQ(g.sorgente.testo(), attesi::file(f));
    EXPECT_EQ(g.ParoleProgramma, 77);
}

TEST(Sorgente, ProcessoreSconosciutoSenzaRigheProcessoreEInclude)
{
    Stato s;
    s.Processore = QStringLiteral("18F452");
    aggiungi(s, 1, 1);
    const QStringList righe = righeDi(genera(s).sorgente.testo());
    ASSERT_GT(righe.size(), 3);
    EXPECT_EQ(righe[0], "             __config H'3FF1'");
    EXPECT_EQ(righe[1], "");
    EXPECT_EQ(righe[2], ";Area delle etichette");
    EXPECT_EQ(righe.count("             __config H'3FF1'"), 1);
}

TEST(Sorgente, SezioniConLeRigheDelleLoroGriglie)
{
    Stato s;
    aggiungi(s, 1, 10, QStringLiteral("Luce_destra"));
    aggiungi(s, 2, 2);
    aggiungi(s, 10, 7);
    aggiungi(s, 10, 14);
    QStringList f = attesi::testa("16F84", "p16f84.inc");
    f << "         btfsc Luce_destra"
      << "         call Lucedestra"
      << "fine     goto    fine"
      << ""
      << "Lucedestra:"
      << "         call INDIETRO"
      << "         return"
      << "";
    QStringList altre = attesi::sezioniVuote().mid(3);
    altre.insert(altre.size() - 2, "         call FERMO");
    altre.insert(altre.size() - 2, "         return");
    f << altre << attesi::libreria();
    const Generazione g = genera(s);
    EXPECT_EQ(g.sorgente.testo(), attesi::file(f));
    EXPECT_EQ(g.ParoleProgramma, 74 + 2 + 2 + 2 + 1);
}

TEST(Sorgente, DueCompilazioniDannoUnaSolaTesta)
{
    Stato s;
    aggiungi(s, 1, 1);
    salvato(s);
    InterazioneFinta ui;
    Compilatore c(s, ui);
    const auto prima = c.genera();
    const auto seconda = c.genera();
    ASSERT_TRUE(prima && seconda);
    EXPECT_EQ(seconda->sorgente.testo(), prima->sorgente.testo());
    EXPECT_EQ(righeDi(seconda->sorgente.testo()).count("             PROCESSOR 16F84"), 1);
    EXPECT_EQ(seconda->ParoleProgramma, 76);
}

}  // namespace
}  // namespace kobaltino
