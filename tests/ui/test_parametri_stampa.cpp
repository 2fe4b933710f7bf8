// The window's parameter words and their change by double-click, the usual shortcuts, the
// recent programs and the PDF export.
#include "banco_finestra.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

namespace kobaltino {
namespace {

using ParametriStampa = BancoFinestra;

QModelIndex cellaParametro(FrmAvvio& f, int k, int r) { return f.modello(k)->index(r, ColParametro); }

TEST_F(ParametriStampa, ParoleAccantoAllIconaESuggerimentoCompleto)
{
    ui.esiti.push_back(EsitoDialogo{QStringLiteral("1,5")});
    riempi(1, {codici::Avanti, codici::Attendi});
    const QModelIndex attendi = cellaParametro(*finestra, 1, 1);
    EXPECT_EQ(attendi.data(ModelloGriglia::RuoloParole).toString(), "1,5 s");
    EXPECT_EQ(attendi.data(Qt::ToolTipRole).toString(), "Attendi: Attende 1,5 secondi");
    EXPECT_EQ(attendi.data(Qt::DisplayRole).toString(), "1,5");  // the parameter text itself stays
    EXPECT_EQ(cellaParametro(*finestra, 1, 0).data(Qt::ToolTipRole).toString(), "Avanti: Il robot va avanti");

    // "Mostra parametri" off: the column is as wide as the icon alone, as the grid always was.
    VistaGriglia* v = finestra->vista(1);
    const int conParole = v->columnWidth(ColParametro);
    auto* mostra = finestra->findChild<QAction*>(QStringLiteral("KeyMostraParametri"));
    ASSERT_TRUE(mostra && mostra->isChecked());
    mostra->trigger();
    EXPECT_EQ(v->columnWidth(ColParametro), twipsInPixel(v, LarghezzaColonne[ColParametro]));
    EXPECT_LT(v->columnWidth(ColParametro), conParole);
    EXPECT_EQ(v->width(), v->larghezzaColonne());
    mostra->trigger();
    EXPECT_EQ(v->columnWidth(ColParametro), conParole);
}

TEST_F(ParametriStampa, DoppioClicCambiaIlParametro)
{
    ui.esiti.push_back(EsitoDialogo{QStringLiteral("1,5")});
    riempi(3, {codici::Avanti, codici::Attendi});
    stato.Modificato = false;
    finestra->schede()->setCurrentIndex(1);
    VistaGriglia* v = finestra->vista(3);
    const auto doppioClic = [&](int r) {
        const QPoint centro = v->visualRect(v->model()->index(r, ColParametro)).center();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, centro);
    };
    doppioClic(0);  // "Avanti" takes no parameter: no dialog
    EXPECT_EQ(ui.dialoghi.size(), 1u);

    ui.esiti.push_back(EsitoDialogo{QStringLiteral("2,5")});
    doppioClic(1);
    ASSERT_EQ(ui.dialoghi.size(), 2u);
    EXPECT_EQ(ui.dialoghi.back(), std::make_pair(Dialogo::Attendi, 3));
    EXPECT_EQ(stato.griglia(3).riga(1).parametro, "2,5");
    EXPECT_EQ(cellaParametro(*finestra, 3, 1).data(ModelloGriglia::RuoloParole).toString(), "2,5 s");
    EXPECT_TRUE(stato.Modificato);
}

TEST_F(ParametriStampa, ScorciatoieAbituali)
{
    finestra->vista(1)->setFocus();
    QWidget* w = finestra->vista(1);
    QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(conteggio.apri, 1);
    EXPECT_EQ(conteggio.salva, 1);
    EXPECT_EQ(conteggio.salvaConNome, 1);
    // The shortcut the menu shows stays the first one.
    EXPECT_EQ(finestra->findChild<QAction*>(QStringLiteral("KeyApri"))->shortcut().toString(), "Ctrl+A");
    EXPECT_EQ(finestra->findChild<QAction*>(QStringLiteral("KeyStampa"))->shortcut().toString(), "Ctrl+P");
}

TEST_F(ParametriStampa, GliUltimiSeiProgrammiNelMenuFile)
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

TEST_F(ParametriStampa, EsportaPdf)
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
