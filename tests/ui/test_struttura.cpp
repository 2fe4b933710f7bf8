// What the main window shows after start-up: menu tree, toolbar, palettes, tabs, grids, panel,
// and how it fits the screen.
#include "banco_finestra.h"

#include "ui/icone.h"
#include "ui/pannello_memoria.h"
#include "support/aspetto.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabWidget>

namespace kobaltino {
namespace {

using Struttura = BancoFinestra;

// The menus, the toolbar, the palettes of each grid, the tabs and the processors, as the window shows
// them, against fixtures/aspetto_finestra.txt. A menu entry is "key|caption|shortcut|icon", "caption>"
// for a submenu, "-" for a separator; a toolbar button is "name|tooltip|the menu entry with its picture".
TEST_F(Struttura, MenuBarraTavolozzeESchede)
{
    const auto elenco = [](auto n, auto voce) {
        QStringList t;
        for (int i = 0; i < n; ++i)
            t << voce(i);
        return t.join('|');
    };
    QStringList viste, titoli;
    QList<QAction*> voci;
    const auto mostra = [&](const QString& titolo, QMenu* m) {
        viste << "== " + titolo;
        for (QAction* a : m->actions()) {
            viste << (a->isSeparator() ? "-"
                      : a->menu()      ? a->text() + ">"
                                       : a->objectName() + "|" + a->text() + "|" + a->shortcut().toString() + "|"
                                             + (a->icon().isNull() ? "" : "icona"));
            voci << a;
        }
    };
    for (QAction* a : finestra->menuBar()->actions())
        titoli << a->text();
    viste << "== menu: " + titoli.join('|');
    for (QAction* a : finestra->menuBar()->actions()) {
        mostra(a->text(), a->menu());
        for (QAction* sotto : a->menu()->actions())
            if (sotto->menu())
                mostra(sotto->text(), sotto->menu());
    }
    viste << "== barra";
    const auto immagine = [](const QAction* a) { return a->icon().pixmap(24, 24).toImage(); };
    for (QAction* a : finestra->barra()->actions()) {
        if (a->isSeparator()) {
            viste << "-";
            continue;
        }
        EXPECT_FALSE(immagine(a).isNull()) << a->toolTip().toStdString();
        const auto uguale = std::find_if(voci.begin(), voci.end(), [&](const QAction* v) {
            return !v->icon().isNull() && immagine(v) == immagine(a);
        });
        viste << a->objectName() + "|" + a->toolTip() + "|" + (uguale == voci.end() ? "" : (*uguale)->objectName());
    }
    for (int k = 1; k <= 10; ++k) {
        viste << "== " + QString::number(k);
        for (const QListWidget* l : {finestra->tavolozzaComuni(k), finestra->tavolozzaSalto(k)})
            viste << l->objectName() + ": " + elenco(l->count(), [l](int i) { return l->item(i)->text(); })
                  << l->objectName() + "? " + l->toolTip();
        // Tab k - 2 holds grid k.
        if (k >= 2) {
            EXPECT_TRUE(finestra->schede()->widget(k - 2)->isAncestorOf(finestra->vista(k))) << k;
            EXPECT_TRUE(finestra->schede()->isTabEnabled(k - 2)) << k;
        }
    }
    const QTabWidget* schede = finestra->schede();
    const QComboBox* pic = finestra->processore();
    viste << "== schede: " + elenco(schede->count(), [schede](int i) { return schede->tabText(i); })
          << "== processore: " + elenco(pic->count(), [pic](int i) { return pic->itemText(i); }) + " ("
                 + pic->currentText() + ")";
    EXPECT_TRUE(ugualeAlFile(viste, KOBALTINO_FIXTURES "/aspetto_finestra.txt"));
}

// Every instruction entry of the menu inserts its code in the active grid (the dialogs each code opens
// are the editor's concern).
TEST_F(Struttura, OgniVoceDelMenuInserisceIlSuoCodice)
{
    const std::pair<const char*, int> voci[] = {
        {"KeyAvanti", 1},         {"KeyIndietro", 2},      {"KeySinistra", 3},        {"KeyDestra", 4},
        {"KeyRuotaASinistra", 5}, {"KeyRuotaADestra", 6},  {"KeyFermo", 7},           {"KeyAttendi", 8},
        {"KeyScriviRam", 13},     {"KeyScriviEeprom", 17}, {"KeySpostaEeprom", 18},   {"KeyIncrementa", 19},
        {"KeyDecrementa", 20},    {"KeySeAttivoVaiA", 10}, {"KeySeDisattivoVaiA", 11}, {"KeySe", 15}};
    std::vector<int> attesi;
    for (const auto& [chiave, codice] : voci) {
        ui.esiti.push_back(esito("x"));  // for the entries that open a dialog
        menu(chiave);
        attesi.push_back(codice);
    }
    attesi.push_back(16);  // no action chosen: "Se" and its "FINE SE"
    EXPECT_EQ(codici(1), attesi);
}

// Twenty numbered white boxes per memory, in two rows of ten, each number just above its box.
TEST_F(Struttura, PannelloDiMemoria)
{
    const auto inFinestra = [&](const QWidget* w) { return w->mapTo(finestra.get(), QPoint(0, 0)); };
    for (int i = 1; i <= 20; ++i) {
        for (const char* tipo : {"RAM", "EEPROM"}) {
            SCOPED_TRACE(testing::Message() << tipo << i);
            auto* etichetta = finestra->findChild<QLabel*>(QStringLiteral("lbl%1%2").arg(tipo).arg(i));
            auto* casella = finestra->findChild<QWidget*>(QStringLiteral("Memoria%1%2").arg(tipo).arg(i));
            ASSERT_TRUE(etichetta && casella);
            EXPECT_EQ(etichetta->text(), QString::number(i));
            EXPECT_EQ(casella->palette().color(QPalette::Window), QColor(Qt::white));
            EXPECT_LT(inFinestra(etichetta).y(), inFinestra(casella).y());
        }
    }
    PannelloMemoria* p = finestra->pannelloMemoria();
    const QPoint uno = inFinestra(p->casella(Memoria::Ram, 1)), dieci = inFinestra(p->casella(Memoria::Ram, 10)),
                 undici = inFinestra(p->casella(Memoria::Ram, 11));
    EXPECT_EQ(uno.y(), dieci.y());
    EXPECT_GT(dieci.x(), uno.x());
    EXPECT_EQ(undici.x(), uno.x());
    EXPECT_GT(undici.y(), uno.y());

    // A box of a used cell is red and tells its value at a double-click.
    stato.marca(Memoria::Ram, 3) = "d'100'";
    stato.marca(Memoria::Eeprom, 20) = "'a'";
    finestra->aggiorna();
    EXPECT_EQ(p->casella(Memoria::Ram, 3)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(p->casella(Memoria::Eeprom, 20)->usata());
    EXPECT_FALSE(p->casella(Memoria::Ram, 20)->usata());

    QTest::mouseDClick(p->casella(Memoria::Ram, 3), Qt::LeftButton);
    QTest::mouseDClick(p->casella(Memoria::Eeprom, 1), Qt::LeftButton);
    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{{"Valore inserito: d'100'", Icona::Nessuna, "Valore inserito", Pulsanti::Ok},
                                      {"Valore inserito: ", Icona::Nessuna, "Valore inserito", Pulsanti::Ok}}));
}

// 950 rows of five columns (the fifth hidden), sized in twips; row 0 and the instruction rows in the
// button colour; an instruction row shows its cell texts, parameter words and a tooltip; the
// parameter words widen the icon column while "Mostra parametri" is on.
TEST_F(Struttura, LeGriglie)
{
    const QBrush bottone = QApplication::palette().button();
    const ModelloGriglia* vuota = finestra->modello(1);
    EXPECT_EQ(vuota->rowCount(), 950);
    EXPECT_EQ(vuota->columnCount(), 5);
    EXPECT_EQ(vuota->index(0, 0).data(Qt::BackgroundRole).value<QBrush>(), bottone);
    EXPECT_FALSE(vuota->index(1, 0).data(Qt::BackgroundRole).isValid());

    ui.esiti.push_back(esito("1,5"));
    riempi(2, {codici::Avanti, codici::Attendi});
    const ModelloGriglia* m = finestra->modello(2);
    EXPECT_EQ(m->index(1, 2).data().toString(), "8");
    EXPECT_EQ(m->index(1, 1).data(ModelloGriglia::RuoloCodice).toInt(), 8);
    EXPECT_EQ(m->index(1, 1).data(ModelloGriglia::RuoloParole).toString(), "1,5 s");
    EXPECT_EQ(m->index(1, 1).data(Qt::ToolTipRole).toString(), "Attendi: Attende 1,5 secondi");
    EXPECT_EQ(m->index(0, 1).data(Qt::ToolTipRole).toString(), "Avanti: Il robot va avanti");
    EXPECT_EQ(m->index(1, 0).data(Qt::BackgroundRole).value<QBrush>(), bottone);
    EXPECT_FALSE(m->index(2, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(finestra->vista(2)->currentIndex().row(), 1);  // the new row is the current one

    VistaGriglia* v = finestra->vista(1);
    const double dpiX = v->logicalDpiX(), dpiY = v->logicalDpiY();
    EXPECT_EQ(v->columnWidth(0), qRound(500 * dpiX / 1440));
    EXPECT_EQ(v->columnWidth(1), qRound((1800 + LarghezzaParole) * dpiX / 1440));
    EXPECT_EQ(v->rowHeight(0), qRound(500 * dpiY / 1440));
    EXPECT_TRUE(v->isColumnHidden(4));
    EXPECT_FALSE(v->isColumnHidden(2) || v->isColumnHidden(3));

    auto* mostra = finestra->findChild<QAction*>("KeyMostraParametri");
    ASSERT_TRUE(mostra && mostra->isChecked());
    const int conParole = v->columnWidth(ColParametro);
    mostra->trigger();
    EXPECT_EQ(v->columnWidth(ColParametro), twipsInPixel(v, LarghezzaColonne[ColParametro]));
    EXPECT_EQ(v->width(), v->larghezzaColonne());
    mostra->trigger();
    EXPECT_EQ(v->columnWidth(ColParametro), conParole);
}

// At its minimum size (small enough for 1024 x 768) every part is whole, inside the window and
// beside the others; growing it grows grids and palettes, not the memory panel.
TEST_F(Struttura, LaFinestraEntraNelloSchermo)
{
    const QSize minima = finestra->minimumSize();
    EXPECT_LE(minima.width(), 1024);
    EXPECT_LE(minima.height(), 768 - 100);
    finestra->resize(100, 100);
    QTest::qWait(20);
    ASSERT_EQ(finestra->size(), minima);
    const auto inFinestra = [&](const QWidget* w) { return QRect(w->mapTo(finestra.get(), QPoint(0, 0)), w->size()); };
    const std::vector<QWidget*> parti = {finestra->vista(1),          finestra->processore(),
                                         finestra->schede(),          finestra->tavolozzaComuni(1),
                                         finestra->tavolozzaSalto(1), finestra->pannelloMemoria()};
    for (size_t i = 0; i < parti.size(); ++i) {
        EXPECT_TRUE(finestra->rect().contains(inFinestra(parti[i]))) << parti[i]->objectName().toStdString();
        for (size_t j = i + 1; j < parti.size(); ++j)
            EXPECT_FALSE(inFinestra(parti[i]).intersects(inFinestra(parti[j])))
                << parti[i]->objectName().toStdString() << " / " << parti[j]->objectName().toStdString();
    }
    EXPECT_EQ(finestra->pannelloMemoria()->size(), finestra->pannelloMemoria()->sizeHint());
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        finestra->schede()->setCurrentIndex(std::max(k - 2, 0));
        QTest::qWait(1);
        // Five whole rows of each grid, every palette item's whole name and four items at a time.
        const VistaGriglia* v = finestra->vista(k);
        EXPECT_GE(v->viewport()->height(), 5 * v->rowHeight(0));
        EXPECT_GE(v->viewport()->width(), v->larghezzaColonne() - v->verticalScrollBar()->width() - 2 * v->frameWidth());
        for (const QListWidget* lista : {finestra->tavolozzaComuni(k), finestra->tavolozzaSalto(k)}) {
            EXPECT_GE(lista->viewport()->width(), lista->sizeHintForColumn(0)) << lista->objectName().toStdString();
            EXPECT_GE(lista->viewport()->height(), 4 * lista->sizeHintForRow(0)) << lista->objectName().toStdString();
        }
    }

    finestra->resize(1366, 768 - 60);
    QTest::qWait(20);
    const QSize memoria = finestra->pannelloMemoria()->size();
    const int palette = finestra->tavolozzaComuni(1)->width(), griglia = finestra->vista(1)->height();
    finestra->resize(1600, 1000);
    QTest::qWait(20);
    EXPECT_EQ(finestra->pannelloMemoria()->size(), memoria);
    EXPECT_GT(finestra->tavolozzaComuni(1)->width(), palette);
    EXPECT_GT(finestra->vista(1)->height(), griglia);
}

}  // namespace
}  // namespace kobaltino
