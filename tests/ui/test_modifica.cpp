// Editing in the window: undo and redo; drops from a palette and row moves on a grid; several rows
// selected at once; a parameter changed by double-click.
#include "banco_finestra.h"
#include "persist/file_programma.h"

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
        QDragMoveEvent muovi(punto.toPoint(), azioni, mime, Qt::LeftButton, {});
        QApplication::sendEvent(v->viewport(), &entra);
        QApplication::sendEvent(v->viewport(), &muovi);
        if (!muovi.isAccepted())
            return false;
        QDropEvent lascia(punto, azioni, mime, Qt::LeftButton, {});
        QApplication::sendEvent(v->viewport(), &lascia);
        QTest::qWait(5);
        return lascia.isAccepted();
    }

    // What dragging the item `testo` of the common palette of grid `da` carries.
    QMimeData* voce(int da, const QString& testo)
    {
        QListWidget* lista = finestra->tavolozzaComuni(da);
        return lista->model()->mimeData({lista->indexFromItem(lista->findItems(testo, Qt::MatchExactly).value(0))});
    }
};

// Undo and redo from keys, menu and toolbar, enabled only when there is something to undo or redo;
// undoing shows the tab of the grid it changed.
TEST_F(Modifica, AnnullaERipetiDaTastieraMenuEBarra)
{
    const struct {
        const char* ingresso;
        std::vector<int> attesi;
    } casi[] = {{"Ctrl+Z", {1}}, {"Ctrl+Y", {1, 7}}, {"KeyAnnulla", {1}}, {"Ctrl+Shift+Z", {1, 7}},
                {"#12", {1}},    {"#12", {}},        {"#13", {1}},        {"KeyRipeti", {1, 7}}};
    auto* annulla = finestra->findChild<QAction*>("Toolbar1_12");
    auto* ripeti = finestra->findChild<QAction*>("KeyRipeti");
    EXPECT_FALSE(annulla->isEnabled());
    doppioClickVoce(finestra->tavolozzaComuni(1), "Avanti");
    doppioClickVoce(finestra->tavolozzaComuni(1), "Fermo");
    EXPECT_TRUE(annulla->isEnabled());
    EXPECT_FALSE(ripeti->isEnabled());
    for (const auto& c : casi) {
        premi(c.ingresso);
        EXPECT_EQ(codici(1), c.attesi) << c.ingresso << " #" << &c - casi;
    }
    EXPECT_FALSE(ripeti->isEnabled());

    doppioClickVoce(finestra->tavolozzaComuni(6), "Avanti");
    finestra->schede()->setCurrentIndex(0);
    menu("KeyAnnulla");
    EXPECT_EQ(finestra->schede()->currentIndex(), 4);
    EXPECT_TRUE(codici(6).empty());
}

// A palette item dropped on its grid goes where it falls, through its dialog; rows dragged within a
// grid move with their whole block, never to another grid.
TEST_F(Modifica, TrascinareSullaGriglia)
{
    riempi(1, {codici::Avanti, codici::Indietro});
    ui.esiti.push_back(esito("2,0"));
    EXPECT_TRUE(rilascia(1, voce(1, "Attendi"), 1));
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8, 2}));
    EXPECT_EQ(ui.dialoghi, (std::vector<std::pair<Dialogo, int>>{{Dialogo::Attendi, 1}}));
    EXPECT_TRUE(rilascia(1, voce(1, "Fermo"), 2, true));    // lower half: after the row
    EXPECT_TRUE(rilascia(1, voce(1, "Sinistra"), 40));      // below the program: at the end
    EXPECT_FALSE(rilascia(1, voce(2, "Destra"), 0));        // another grid's palette
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8, 2, 7, 3}));

    ui.esiti.push_back(esito("Ram1 = Ram2", "1"));
    riempi(3, {codici::Indietro, codici::Se, codici::Fermo});  // 2, 15, 1, 16, 7
    VistaGriglia* v = finestra->vista(3);
    rilascia(2, v->mimeRighe({4}), 0);  // rows of another grid
    EXPECT_EQ(codici(3), (std::vector<int>{2, 15, 1, 16, 7}));
    EXPECT_TRUE(codici(2).empty());
    EXPECT_TRUE(rilascia(3, v->mimeRighe({2}), 0));  // the action row takes its block along
    EXPECT_EQ(codici(3), (std::vector<int>{15, 1, 16, 2, 7}));
}

// Rows picked with Ctrl+click go together; a double-click on the parameter cell
// opens the row's dialog and writes the new value.
TEST_F(Modifica, RigheScelteEParametroAlDoppioClic)
{
    riempi(1, {codici::Avanti, codici::Indietro, codici::Sinistra, codici::Destra});
    clicca(1, 0);
    VistaGriglia* v = finestra->vista(1);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      v->visualRect(v->model()->index(2, ColCodice)).center());
    EXPECT_EQ(v->righeSelezionate(), (std::vector<int>{0, 2}));
    ui.risposte.push_back(Risposta::Si);
    menu("KeyCancella");
    EXPECT_EQ(codici(1), (std::vector<int>{2, 4}));

    ui.esiti = {esito("1,5"), esito("2,5")};  // inserting "Attendi", then changing it
    riempi(3, {codici::Avanti, codici::Attendi});
    finestra->schede()->setCurrentIndex(1);
    v = finestra->vista(3);
    const QPoint centro = v->visualRect(v->model()->index(1, ColParametro)).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, centro);
    EXPECT_EQ(ui.dialoghi, (std::vector<std::pair<Dialogo, int>>{{Dialogo::Attendi, 3}, {Dialogo::Attendi, 3}}));
    EXPECT_EQ(finestra->modello(3)->index(1, ColParametro).data(ModelloGriglia::RuoloParole).toString(), "2,5 s");
}

// The tabs of the handlers that hold instructions carry a mark, their captions unchanged, after
// every kind of change: insert, drop, undo, redo, delete, open, clear.
TEST_F(Modifica, LeSchedeConIstruzioniHannoUnSegno)
{
    esterni.apri = [this] { leggiProgramma(editor, KOBALTINO_FIXTURES "/../../../resources/esempi/labirinto.kbn"); };
    nuovaFinestra();
    const auto segnate = [this] {
        QString segni;
        for (int i = 0; i < finestra->schede()->count(); ++i)
            segni += finestra->schede()->tabIcon(i).isNull() ? '-' : '#';
        return segni;
    };
    const struct {
        const char* cosa;
        std::function<void()> fai;
        const char* attese;
    } passi[] = {
        {"inserita", [this] { finestra->eseguiVoce(3, "Avanti"); }, "-#-------"},
        {"rilasciata", [this] { rilascia(8, voce(8, "Fermo"), 0); }, "-#----#--"},
        {"annullata", [this] { menu("KeyAnnulla"); }, "-#-------"},
        {"ripetuta", [this] { menu("KeyRipeti"); }, "-#----#--"},
        {"cancellata", [this] { clicca(3, 0), ui.risposte.push_back(Risposta::Si), menu("KeyCancella"); }, "------#--"},
        {"aperto", [this] { menu("KeyApri"); }, "----#-#--"},
        {"svuotato", [this] { ui.risposte.push_back(Risposta::Si), menu("KeyCancellaTutto"); }, "---------"},
    };
    for (const auto& p : passi) {
        p.fai();
        EXPECT_EQ(segnate(), p.attese) << p.cosa;
    }
    EXPECT_EQ(finestra->schede()->tabText(4), "Ottico destro");
}

}  // namespace
}  // namespace kobaltino
