// Generated programs through the real assembler (gputils' gpasm).
#include "programmi.h"

#include "codegen/compilatore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

const Messaggio Terminata{"Compilazione terminata"};

QString gpasm()
{
    return QStandardPaths::findExecutable(QStringLiteral("gpasm"));
}

// Every code at least once, jumps in the main grid and in three handler grids, handlers that
// call other handlers, labels on rows that write nothing.
void tuttiICodici(Stato& s)
{
    s.AuxAbilitata = false;  // the program drives the arm
    aggiungi(s, 1, 1, {}, "0");
    for (int c = 2; c <= 7; ++c)
        aggiungi(s, 1, c);
    aggiungi(s, 1, 8, "0,5");
    aggiungi(s, 1, 8, "2,5");
    aggiungi(s, 1, 10, "Luce_destra");
    aggiungi(s, 1, 11, "Aux");
    aggiungi(s, 1, 13, "Ram1 b'00001111'");
    aggiungi(s, 1, 13, "Ram2 'A'");
    aggiungi(s, 1, 13, "Ram3 d'200'");
    aggiungi(s, 1, 15, "Ram1 > Ram2");
    aggiungi(s, 1, 19, "Ram1");
    const int fineSe = aggiungi(s, 1, 16, {}, "1");
    aggiungi(s, 1, 17, "EEP1 b'10101010'");
    aggiungi(s, 1, 17, "EEP20 d'7'");
    aggiungi(s, 1, 18, "EEP1 Ram4");
    aggiungi(s, 1, 20, "Ram4");
    aggiungi(s, 1, 22, "Ram5");
    aggiungi(s, 1, 23, "Ram6");
    aggiungi(s, 1, 24, "Ram7");
    aggiungi(s, 1, 25, "Ram8");
    aggiungi(s, 1, 26, "Ram1 + Ram2");
    aggiungi(s, 1, 26, "Ram3 - Ram4");
    const int prodotto = aggiungi(s, 1, 26, "Ram3 * Ram4", "2");
    aggiungi(s, 1, 27, "Sensore_rotazione");
    aggiungi(s, 1, 1);
    aggiungi(s, 1, 28, "Luce_destra");
    aggiungi(s, 1, 12);
    aggiungi(s, 1, 21, "Aperto");
    aggiungi(s, 1, 21, "Chiuso");
    aggiungi(s, 1, 9, QString::number(fineSe));
    aggiungi(s, 1, 9, "0");
    aggiungi(s, 1, 9, QString::number(prodotto));
    for (const char* confronto : {"Ram1 = Ram2", "Ram1 ! Ram20", "Ram19 < Ram2"}) {
        aggiungi(s, 1, 15, confronto);
        aggiungi(s, 1, 14);
        aggiungi(s, 1, 16);
    }
    aggiungi(s, 1, 8, "1,0");
    aggiungi(s, 1, 8, "1,5");
    aggiungi(s, 1, 8, "2,0");

    aggiungi(s, 2, 1, {}, "0");
    aggiungi(s, 2, 10, "Luce_sinistra");
    aggiungi(s, 2, 9, "0");
    aggiungi(s, 3, 27, "Aux", "0");
    aggiungi(s, 3, 2);
    aggiungi(s, 3, 9, "0");
    aggiungi(s, 4, 11, "Ultrasuono");
    aggiungi(s, 8, 28, "Ottico_destro");
    aggiungi(s, 8, 14);
    aggiungi(s, 10, 8, "1,0", "0");
    aggiungi(s, 10, 16, {}, "1");
    aggiungi(s, 10, 9, "1");
    aggiungi(s, 10, 9, "0");
}

class ConGpasm : public ::testing::TestWithParam<const char*> {};

TEST_P(ConGpasm, TuttiICodiciSiAssemblano)
{
    const QString assemblatore = gpasm();
    ASSERT_FALSE(assemblatore.isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    // A folder name with blanks: the assembler gets its arguments unsplit.
    QTemporaryDir cartella(QDir::tempPath() + QStringLiteral("/kobaltino prova-XXXXXX"));
    ASSERT_TRUE(cartella.isValid());
    const QString programma = cartella.filePath("robot.kbn");
    QFile(programma).open(QIODevice::WriteOnly);

    Stato s;
    tuttiICodici(s);
    salvato(s, programma);
    s.PercorsoCompilatore = assemblatore;
    s.Processore = QString::fromLatin1(GetParam());
    InterazioneFinta ui;
    Compilatore c(s, ui);
    c.compila();

    // The 16F628 assembles too, with a warning on the EEPROM rows.
    ASSERT_FALSE(ui.messaggi.empty());
    EXPECT_EQ(ui.messaggi.back(), Terminata);
    EXPECT_EQ(ui.messaggi.size(), s.Processore == "16F628" ? 2u : 1u);
    EXPECT_EQ(c.esito(), EsitoCompilazione::Riuscita);
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files, QDir::Name), (QStringList{"robot.hex", "robot.kbn"}));
    QFile hex(cartella.filePath("robot.hex"));
    ASSERT_TRUE(hex.open(QIODevice::ReadOnly));
    const QByteArray contenuto = hex.readAll();
    EXPECT_TRUE(contenuto.startsWith(":020000000528D1"));   // goto INIZIO at address 0
    EXPECT_TRUE(contenuto.contains(":02400E00F13F80"));     // the configuration word H'3FF1'
    EXPECT_TRUE(contenuto.trimmed().endsWith(":00000001FF"));
    EXPECT_FALSE(contenuto.contains(":02000004"));          // INHX8M, as MPASM writes for these chips
}

INSTANTIATE_TEST_SUITE_P(Processori, ConGpasm, ::testing::Values("16F84", "16F84A", "16F628"));

TEST(GpasmErrori, OgniErroreIndicaGrigliaERiga)
{
    const QString assemblatore = gpasm();
    ASSERT_FALSE(assemblatore.isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString programma = cartella.filePath("rotto.kbn");
    QFile(programma).open(QIODevice::WriteOnly);
    {
        QFile vecchio(cartella.filePath("rotto.hex"));  // left by an earlier, good compile
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    }

    Stato s;
    for (int i = 0; i < 4; ++i)
        aggiungi(s, 1, 1);
    aggiungi(s, 1, 19, "Ram99");
    aggiungi(s, 1, 7);
    aggiungi(s, 2, 1);
    aggiungi(s, 2, 1);
    aggiungi(s, 2, 20, "Ram77");
    aggiungi(s, 3, 1);
    aggiungi(s, 3, 22, "Ram50");
    salvato(s, programma);
    s.PercorsoCompilatore = assemblatore;
    InterazioneFinta ui;
    Compilatore c(s, ui);
    c.compila();

    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{{"Il compilatore ha segnalato degli errori:\r\n"
                                       "Griglia principale, riga 4: Error[113] Symbol not previously defined: \"Ram99\"\r\n"
                                       "Luce destra, riga 2: Error[113] Symbol not previously defined: \"Ram77\"\r\n"
                                       "Luce sinistra, riga 1: Error[113] Symbol not previously defined: \"Ram50\"",
                                       Icona::Critica, "Kobaltino", Pulsanti::Ok}}));
    EXPECT_EQ(c.esito(), EsitoCompilazione::ErroriAssemblatore);
    // No source, listing or symbol file stays behind, nor a hex that no longer matches the program.
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files, QDir::Name), QStringList{"rotto.kbn"});
}

}  // namespace
}  // namespace kobaltino
