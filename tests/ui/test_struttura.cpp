// What the main window shows after start-up: menu tree, toolbar, palettes, tabs, grids, panel,
// and how it fits the screen.
#include "banco_finestra.h"

#include "ui/pannello_memoria.h"
#include "support/aspetto.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

namespace kobaltino {
namespace {

using Struttura = BancoFinestra;

// The menus, the toolbar, the palettes of each grid, the tabs and the processors, as the window shows
// them, against fixtures/aspetto_finestra.txt. A menu entry is "key|caption|shortcut|icon", "caption>"
// for a submenu, "-" for a separator; a toolbar button, which always has a picture, is "name|tooltip".
TEST_F(Struttura, MenuBarraTavolozzeESchede)
{
    const auto elenco = [](auto n, auto voce) {
        QStringList t;
        for (int i = 0; i < n; ++i)
            t << voce(i);
        return t.join('|');
    };
    QStringList viste, titoli;
    const auto mostra = [&](const QString& titolo, QMenu* m) {
        viste << "== " + titolo;
        for (QAction* a : m->actions()) {
            viste << (a->isSeparator() ? "-"
                      : a->menu()      ? a->text() + ">"
                                       : a->objectName() + "|" + a->text() + "|" + a->shortcut().toString() + "|"
                                             + (a->icon().isNull() ? "" : "icona"));
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
    for (QAction* a : finestra->barra()->actions()) {
        EXPECT_TRUE(a->isSeparator() || !a->icon().pixmap(24, 24).isNull()) << a->toolTip().toStdString();
        viste << (a->isSeparator() ? "-" : a->objectName() + "|" + a->toolTip());
    }
    for (int k = 1; k <= 10; ++k) {
        viste << "== " + QString::number(k);
        for (const QListWidget* l : {finestra->tavolozzaComuni(k), finestra->tavolozzaSalto(k)})
            viste << l->objectName() + ": " + elenco(l->count(), [l](int i) { return l->item(i)->text(); })
                  << l->objectName() + "? " + l->toolTip();
        // Tab k - 2 holds grid k.
        if (k >= 2) {
            EXPECT_TRUE(finestra->schede()->widget(k - 2)->isAncestorOf(finestra->vista(k))) << k;
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

// Twenty numbered boxes per memory, white; the box of a used cell is red and tells its value at a double-click.
TEST_F(Struttura, PannelloDiMemoria)
{
    PannelloMemoria* p = finestra->pannelloMemoria();
    stato.marca(Memoria::Ram, 3) = "d'100'";
    finestra->aggiorna();
    for (int i = 1; i <= 20; ++i) {
        for (const char* tipo : {"RAM", "EEPROM"}) {
            SCOPED_TRACE(testing::Message() << tipo << i);
            auto* etichetta = finestra->findChild<QLabel*>(QStringLiteral("lbl%1%2").arg(tipo).arg(i));
            ASSERT_NE(etichetta, nullptr);
            EXPECT_EQ(etichetta->text(), QString::number(i));
            const CasellaMemoria* casella = p->casella(tipo[0] == 'R' ? Memoria::Ram : Memoria::Eeprom, i);
            const bool usata = tipo[0] == 'R' && i == 3;
            EXPECT_EQ(casella->palette().color(QPalette::Window), usata ? QColor(255, 0, 0) : QColor(Qt::white));
        }
    }

    QTest::mouseDClick(p->casella(Memoria::Ram, 3), Qt::LeftButton);
    QTest::mouseDClick(p->casella(Memoria::Eeprom, 1), Qt::LeftButton);
    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{{"Valore inserito: d'100'", Icona::Nessuna, "Valore inserito", Pulsanti::Ok},
                                      {"Valore inserito: ", Icona::Nessuna, "Valore inserito", Pulsanti::Ok}}));
}

// 950 rows, the fifth column hidden; an instruction row shows its code, parameter words and
// a tooltip; the parameter words widen the icon column while "Mostra parametri" is on.
TEST_F(Struttura, LeGriglie)
{
    ui.esiti.push_back(esito("1,5"));
    riempi(2, {codici::Avanti, codici::Attendi});
    const ModelloGriglia* m = finestra->modello(2);
    EXPECT_EQ(m->rowCount(), 950);
    EXPECT_EQ(m->index(1, 2).data().toString(), "8");
    EXPECT_EQ(m->index(1, 1).data(ModelloGriglia::RuoloParole).toString(), "1,5 s");
    EXPECT_EQ(m->index(1, 1).data(Qt::ToolTipRole).toString(), "Attendi: Attende 1,5 secondi");
    EXPECT_EQ(m->index(0, 1).data(Qt::ToolTipRole).toString(), "Avanti: Il robot va avanti");
    EXPECT_EQ(finestra->vista(2)->currentIndex().row(), 1);  // the new row is the current one

    // The longest words a dialog writes are shown whole, on the lines beside the icon.
    ui.esiti = {esito("Prossimita_sinistra", "5"), esito("Ram20 ! Ram19", "5")};
    riempi(4, {codici::SeDisattivoFai, codici::Se});
    for (int r : {0, 2}) {
        const QString parole = finestra->modello(4)->index(r, ColParametro).data(ModelloGriglia::RuoloParole).toString();
        EXPECT_EQ(finestra->vista(4)->paroleDellaRiga(r).join(' '), parole);
        EXPECT_GE(parole.size(), r == 0 ? 50 : 30);  // "se Prossimità sinistra disattivo fai Ruota a sinistra"
    }

    VistaGriglia* v = finestra->vista(1);
    EXPECT_TRUE(v->isColumnHidden(4));
    auto* mostra = finestra->findChild<QAction*>("KeyMostraParametri");
    ASSERT_TRUE(mostra && mostra->isChecked());
    const int conParole = v->columnWidth(ColParametro);
    mostra->trigger();
    EXPECT_EQ(v->columnWidth(ColParametro), twipsInPixel(v, LarghezzaColonne[ColParametro]));
    EXPECT_TRUE(finestra->vista(4)->paroleDellaRiga(0).isEmpty());
    mostra->trigger();
    EXPECT_EQ(v->columnWidth(ColParametro), conParole);
}

// At its minimum size the window fits a 1024 x 768 screen, every part whole, inside it and beside the others.
TEST_F(Struttura, LaFinestraEntraNelloSchermo)
{
    EXPECT_LE(finestra->minimumWidth(), 1024);
    EXPECT_LE(finestra->minimumHeight(), 768 - 100);
    finestra->resize(100, 100);
    QTest::qWait(20);
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
}

}  // namespace
}  // namespace kobaltino
