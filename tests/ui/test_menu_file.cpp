// The File menu's recent programs and the PDF export.
#include "banco_finestra.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

namespace kobaltino {
namespace {

using MenuFile = BancoFinestra;

TEST_F(MenuFile, GliUltimiSeiProgrammiNelMenuFile)
{
    for (int i = 1; i <= 7; ++i) {
        esterni.apri = nullptr;
        stato.PercorsoFile = QStringLiteral("/scuola/p%1.kbn").arg(i);
        menu("KeyApri");  // any command: the program file named afterwards is remembered
    }
    stato.PercorsoFile = QStringLiteral("/scuola/p3.kbn");
    menu("KeyApri");
    QStringList voci;
    for (int i = 1; i <= 7; ++i)
        if (auto* a = finestra->findChild<QAction*>(QStringLiteral("KeyRecente%1").arg(i)))
            voci << a->text();
    EXPECT_EQ(voci, (QStringList{"&1 /scuola/p3.kbn", "&2 /scuola/p7.kbn", "&3 /scuola/p6.kbn", "&4 /scuola/p5.kbn",
                                 "&5 /scuola/p4.kbn", "&6 /scuola/p2.kbn"}));

    // A new window reads them back.
    finestra.reset();
    finestra = std::make_unique<FrmAvvio>(editor, esterni);
    ASSERT_NE(finestra->findChild<QAction*>(QStringLiteral("KeyRecente6")), nullptr);
    EXPECT_EQ(finestra->findChild<QAction*>(QStringLiteral("KeyRecente1"))->text(), "&1 /scuola/p3.kbn");
}

TEST_F(MenuFile, EsportaPdf)
{
    QTemporaryDir cartella;
    riempi(1, {codici::Avanti, codici::Fermo});
    ui.file.push_back(cartella.filePath(QStringLiteral("programma")));
    menu("KeyEsportaPdf");
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Salva);
    EXPECT_EQ(ui.richiesteFile[0].filtri, QStringList{"PDF (*.pdf)"});
    EXPECT_EQ(ui.richiesteFile[0].nome, "Senza nome.pdf");
    QFile pdf(cartella.filePath(QStringLiteral("programma.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    ui.file.push_back(cartella.filePath(QStringLiteral("manca/x.pdf")));
    menu("KeyEsportaPdf");
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], (Messaggio{"Impossibile scrivere il file:\r\n" + cartella.filePath("manca/x.pdf"), Icona::Critica}));
}

}  // namespace
}  // namespace kobaltino
