// Editing in the window: undo and redo from keys, menu and toolbar; drops from a palette and
// row moves on a grid; several rows selected at once.
#include "banco_finestra.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>

namespace kobaltino {
namespace {

class Modifica : public BancoFinestra {
protected:
    // Drops `mime` on grid k over the upper half of row `riga` (before it) or the lower half
    // (after it). Returns whether the grid took it; the command runs right after.
    bool rilascia(int k, QMimeData* mime, int riga, bool sotto = false)
    {
        std::unique_ptr<QMimeData> proprio(mime);
        VistaGriglia* v = finestra->vista(k);
        if (k >= 2)
            finestra->schede()->setCurrentIndex(k - 2);
        const QRect cella = v->visualRect(v->model()->index(riga, ColCodice));
        const QPointF punto(cella.center().x(), sotto ? cella.bottom() - 2 : cella.top() + 2);
        const Qt::DropActions azioni = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent entra(punto.toPoint(), azioni, mime, Qt::LeftButton, {});
        QApplication::sendEvent(v->viewport(), &entra);
        QDragMoveEvent muovi(punto.toPoint(), azioni, mime, Qt::LeftButton, {});
        QApplication::sendEvent(v->viewport(), &muovi);
        if (!muovi.isAccepted())
            return false;
        QDropEvent lascia(punto, azioni, mime, Qt::LeftButton, {});
        QApplication::sendEvent(v->viewport(), &lascia);
        QTest::qWait(5);
        return lascia.isAccepted();
    }

    // What dragging the palette item `testo` of grid `da` carries.
    QMimeData* voce(int da, const QString& testo)
    {
        QListWidget* lista = finestra->tavolozzaComuni(da);
        QList<QListWidgetItem*> trovate = lista->findItems(testo, Qt::MatchExactly);
        if (trovate.isEmpty())
            trovate = finestra->tavolozzaSalto(da)->findItems(testo, Qt::MatchExactly), lista = finestra->tavolozzaSalto(da);
        return lista->model()->mimeData({lista->indexFromItem(trovate.first())});
    }
};

TEST_F(Modifica, AnnullaERipetiDaTastieraMenuEBarra)
{
    struct Caso {
        const char* ingresso;  // a key, a menu key or a toolbar index
        std::vector<int> attesi;
    };
    const Caso casi[] = {{"Ctrl+Z", {1}},        {"Ctrl+Y", {1, 7}}, {"KeyAnnulla", {1}}, {"Ctrl+Shift+Z", {1, 7}},
                         {"12", {1}},            {"12", {}},         {"13", {1}},         {"KeyRipeti", {1, 7}}};
    auto* annulla = finestra->findChild<QAction*>("Toolbar1_12");
    auto* ripeti = finestra->findChild<QAction*>("KeyRipeti");
    EXPECT_FALSE(annulla->isEnabled());
    doppioClickVoce(finestra->tavolozzaComuni(1), "Avanti");
    doppioClickVoce(finestra->tavolozzaComuni(1), "Fermo");
    EXPECT_TRUE(annulla->isEnabled());
    EXPECT_FALSE(ripeti->isEnabled());
    for (const Caso& c : casi) {
        const QString ingresso = c.ingresso;
        if (ingresso.startsWith("Ctrl"))
            QTest::keySequence(finestra.get(), QKeySequence(ingresso));
        else if (ingresso.startsWith("Key"))
            menu(c.ingresso);
        else
            pulsante(ingresso.toInt());
        EXPECT_EQ(codici(1), c.attesi) << &c - casi;
    }
    EXPECT_FALSE(ripeti->isEnabled());
}

TEST_F(Modifica, AnnullareMostraLaSchedaCambiata)
{
    doppioClickVoce(finestra->tavolozzaComuni(6), "Avanti");
    finestra->schede()->setCurrentIndex(0);
    menu("KeyAnnulla");
    EXPECT_EQ(finestra->schede()->currentIndex(), 4);
    EXPECT_TRUE(codici(6).empty());
}

TEST_F(Modifica, UnaVoceRilasciataSullaGrigliaVaNelPunto)
{
    riempi(1, {codici::Avanti, codici::Indietro});
    EsitoDialogo attendi;
    attendi.parametro = "2,0";
    ui.esiti.push_back(attendi);
    EXPECT_TRUE(rilascia(1, voce(1, "Attendi"), 1));
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8, 2}));
    EXPECT_EQ(stato.griglia(1).riga(1).parametro, "2,0");
    ASSERT_EQ(ui.dialoghi.size(), 1u);
    EXPECT_EQ(ui.dialoghi[0], std::make_pair(Dialogo::Attendi, 1));
    EXPECT_EQ(finestra->tavolozzaComuni(1)->count(), 19);  // the palette keeps its item

    EXPECT_TRUE(rilascia(1, voce(1, "Fermo"), 2, true));  // lower half: after the row
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8, 2, 7}));
    EXPECT_TRUE(rilascia(1, voce(1, "Sinistra"), 40));  // below the program: at the end
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8, 2, 7, 3}));
    EXPECT_FALSE(rilascia(1, voce(2, "Destra"), 0));  // another grid's palette
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8, 2, 7, 3}));
}

TEST_F(Modifica, RigheTrascinateNellaGriglia)
{
    EsitoDialogo se;
    se.parametro = "Ram1 = Ram2";
    se.azione = "1";
    ui.esiti.push_back(se);
    riempi(3, {codici::Indietro, codici::Se, codici::Fermo});  // 2, 15, 1, 16, 7
    VistaGriglia* v = finestra->vista(3);
    EXPECT_FALSE(rilascia(3, v->mimeRighe({4}), 2));  // between "Se" and its action
    EXPECT_FALSE(rilascia(3, v->mimeRighe({4}), 3));  // between the action and "FINE SE"
    rilascia(2, v->mimeRighe({4}), 0);  // rows of another grid
    EXPECT_EQ(codici(3), (std::vector<int>{2, 15, 1, 16, 7}));
    EXPECT_TRUE(codici(2).empty());
    EXPECT_TRUE(rilascia(3, v->mimeRighe({2}), 0));  // the action row takes its block along
    EXPECT_EQ(codici(3), (std::vector<int>{15, 1, 16, 2, 7}));
    menu("KeyAnnulla");
    EXPECT_EQ(codici(3), (std::vector<int>{2, 15, 1, 16, 7}));
}

TEST_F(Modifica, PiuRigheScelteSiCancellanoInsieme)
{
    riempi(1, {codici::Avanti, codici::Indietro, codici::Sinistra, codici::Destra});
    clicca(1, 0);
    VistaGriglia* v = finestra->vista(1);
    const QRect terza = v->visualRect(v->model()->index(2, ColCodice));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::ControlModifier, terza.center());
    EXPECT_EQ(v->righeSelezionate(), (std::vector<int>{0, 2}));
    ui.risposte.push_back(Risposta::Si);
    menu("KeyCancella");
    EXPECT_EQ(codici(1), (std::vector<int>{2, 4}));
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0].testo, "Si vogliono cancellare le istruzioni selezionate?");
}

}  // namespace
}  // namespace kobaltino
