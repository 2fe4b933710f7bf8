// What the main window shows after start-up: menu tree, toolbar, palettes, tabs, grids, panel.
#include "banco_finestra.h"

#include "ui/icone.h"
#include "ui/pannello_memoria.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

namespace kobaltino {
namespace {

using Struttura = BancoFinestra;

// "caption|shortcut|icon" per entry; submenus as "caption>", separators as "-".
QStringList descrivi(const QMenu* m)
{
    QStringList voci;
    for (QAction* a : m->actions()) {
        if (a->isSeparator())
            voci << "-";
        else if (a->menu())
            voci << a->text() + ">";
        else
            voci << a->objectName() + "|" + a->text() + "|" + a->shortcut().toString() + "|"
                        + (a->icon().isNull() ? "" : "icona");
    }
    return voci;
}

QMenu* sottomenu(const QMenuBar* barra, const QString& titolo)
{
    for (QAction* a : barra->actions())
        if (a->text() == titolo)
            return a->menu();
    return nullptr;
}

TEST_F(Struttura, AlberoDelMenu)
{
    QStringList titoli;
    for (QAction* a : finestra->menuBar()->actions())
        titoli << a->text();
    EXPECT_EQ(titoli, (QStringList{"&File", "&Modifica", "&Strumenti", "&Istruzioni", "?"}));

    const QMenuBar* barra = finestra->menuBar();
    EXPECT_EQ(descrivi(sottomenu(barra, "&File")),
              (QStringList{"KeyNuovo|Nuovo|Ctrl+N|icona", "KeyApri|Apri...|Ctrl+A|icona", "KeySalva|Salva|Shift+F12|icona",
                           "KeySalvaConNome|Sa&lva con nome...|Ctrl+Shift+F12|", "-",
                           "KeyAnteprimaDiStampa|Anteprima di stampa...||", "KeyStampa|Stampa...|Ctrl+P|",
                           "KeyEsportaPdf|Esporta PDF...||", "-", "-", "KeyChiudi|&Chiudi||"}));
    EXPECT_EQ(descrivi(sottomenu(barra, "&Modifica")),
              (QStringList{"KeyAnnulla|Annulla|Ctrl+Z|icona", "KeyRipeti|Ripeti|Ctrl+Y|icona", "-",
                           "KeyCopia|Copia|Ctrl+C|icona", "KeyIncolla|Incolla|Ctrl+V|icona",
                           "KeyCancella|Cancella...|Del|icona", "KeyCancellaGriglia|Cancella griglia...|Ctrl+G|",
                           "KeyCancellaTutto|Cancella tutto...|Ctrl+T|icona"}));
    EXPECT_EQ(descrivi(sottomenu(barra, "&Strumenti")),
              (QStringList{"KeyCompilatore|Compilatore||", "KeyCompila|Compila|F9|icona", "KeySimula|Simula|F5|icona",
                           "KeyMostraParametri|Mostra parametri||"}));
    EXPECT_EQ(descrivi(sottomenu(barra, "?")),
              (QStringList{"KeyGuidaInLinea|Guida in linea|F1|icona", "KeyInformazioniSu|Informazioni su...||"}));

    QMenu* istruzioni = sottomenu(barra, "&Istruzioni");
    ASSERT_NE(istruzioni, nullptr);
    EXPECT_EQ(descrivi(istruzioni),
              (QStringList{"Istruzioni comuni>", "Istruzioni di salto>", "Istruzioni condizionali>"}));
    const QList<QAction*> sotto = istruzioni->actions();
    EXPECT_EQ(descrivi(sotto[0]->menu()),
              (QStringList{"KeyAvanti|Avanti||", "KeyIndietro|Indietro||", "KeySinistra|Sinistra||",
                           "KeyDestra|Destra||", "KeyRuotaASinistra|Ruota a sinistra||",
                           "KeyRuotaADestra|Ruota a destra||", "KeyFermo|Fermo...||", "KeyAttendi|Attendi...||",
                           "KeyScriviRam|Scrivi Ram...||", "KeyScriviEeprom|Scrivi Eeprom...||",
                           "KeySpostaEeprom|Sposta Eeprom...||", "KeyIncrementa|Incrementa...||",
                           "KeyDecrementa|Decrementa...||", "KeyBraccio|Braccio||"}));
    EXPECT_EQ(descrivi(sotto[1]->menu()),
              (QStringList{"KeyVaiA|Vai a...||", "KeySeAttivoVaiA|Se attivo vai a...||",
                           "KeySeDisattivoVaiA|Se disattivo vai a...||"}));
    EXPECT_EQ(descrivi(sotto[2]->menu()), (QStringList{"KeySe|Se...||"}));
}

TEST_F(Struttura, OgniVoceDelMenuInserisceIlSuoCodice)
{
    const std::vector<std::pair<const char*, int>> voci = {
        {"KeyAvanti", 1},     {"KeyIndietro", 2},    {"KeySinistra", 3},       {"KeyDestra", 4},
        {"KeyRuotaASinistra", 5}, {"KeyRuotaADestra", 6}, {"KeyFermo", 7},       {"KeyAttendi", 8},
        {"KeyScriviRam", 13}, {"KeyScriviEeprom", 17}, {"KeySpostaEeprom", 18}, {"KeyIncrementa", 19},
        {"KeyDecrementa", 20}, {"KeySeAttivoVaiA", 10}, {"KeySeDisattivoVaiA", 11}, {"KeySe", 15}};
    const std::map<int, Dialogo> dialoghi = {{8, Dialogo::Attendi},          {13, Dialogo::ScriviRam},
                                             {17, Dialogo::ScriviEeprom},    {18, Dialogo::SpostaEeprom},
                                             {19, Dialogo::Incrementa},      {20, Dialogo::Decrementa},
                                             {10, Dialogo::SeAttivoVaiA},    {11, Dialogo::SeDisattivoVaiA},
                                             {15, Dialogo::Se}};
    EsitoDialogo e;
    e.parametro = "x";
    std::vector<int> attesi;
    for (const auto& [chiave, codice] : voci) {
        if (dialoghi.count(codice))
            ui.esiti.push_back(e);
        menu(chiave);
        attesi.push_back(codice);
        if (codice == 15)
            attesi.push_back(16);  // no action chosen: "Se" and its "FINE SE"
    }
    EXPECT_EQ(codici(1), attesi);
    ASSERT_EQ(ui.dialoghi.size(), dialoghi.size());
    for (const auto& [d, k] : ui.dialoghi)
        EXPECT_EQ(k, 1);
}

TEST_F(Struttura, BarraDegliStrumenti)
{
    QStringList suggerimenti;
    for (QAction* a : finestra->barra()->actions())
        suggerimenti << (a->isSeparator() ? "-" : a->toolTip());
    EXPECT_EQ(suggerimenti, (QStringList{"Crea un nuovo programma", "Apre un programma esistente", "Salva le modifiche",
                                         "Taglia", "Copia", "Incolla", "Annulla l'ultima modifica",
                                         "Ripete la modifica annullata", "Compila il programma", "Simula il programma",
                                         "Cancella il comando selezionato", "Cancella tutte le griglie", "-",
                                         "Apre la finestra di aiuto"}));
    for (QAction* a : finestra->barra()->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
        }
    }
}

// The same picture for a command in the toolbar and in the menu.
TEST_F(Struttura, StessaIconaInBarraEMenu)
{
    const std::vector<std::pair<int, const char*>> coppie = {{1, "KeyNuovo"}, {2, "KeyApri"},   {3, "KeySalva"},
                                                             {5, "KeyCopia"}, {6, "KeyIncolla"}, {7, "KeyCompila"},
                                                             {12, "KeyAnnulla"}, {13, "KeyRipeti"}, {14, "KeySimula"},
                                                             {8, "KeyCancella"}, {9, "KeyCancellaTutto"},
                                                             {11, "KeyGuidaInLinea"}};
    for (const auto& [indice, chiave] : coppie) {
        const QImage barra = finestra->findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(indice))
                                 ->icon().pixmap(24, 24).toImage();
        const QImage voce = finestra->findChild<QAction*>(chiave)->icon().pixmap(24, 24).toImage();
        EXPECT_EQ(barra, voce) << chiave;
    }
}

TEST_F(Struttura, MenuContestuale)
{
    QStringList voci;
    for (QAction* a : finestra->menuContestuale()->actions())
        if (a->isVisible())
            voci << a->text();
    EXPECT_EQ(voci, (QStringList{"Copia", "Incolla"}));
    EXPECT_EQ(finestra->menuContestuale()->objectName(), "mnu_Contestuale");
}

TEST_F(Struttura, TavolozzeInOrdine)
{
    const QStringList comuni = {"Avanti",        "Indietro",      "Sinistra",       "Destra",
                                "Ruota a SX",    "Ruota a DX",    "Fermo",          "Attendi",
                                "Scrivi Ram",    "Scrivi Eeprom", "Sposta Eeprom",  "Incrementa",
                                "Decrementa",    "Braccio",       "Swappa",         "Scorri a destra",
                                "Scorri a sinistra", "Complemento", "Operazioni tra registri"};
    QStringList comuniAux = comuni;
    comuniAux.removeAll("Braccio");
    const QStringList saltoPrincipale = {"Vai a", "Se attivo vai a", "Se disattivo vai a", "Se", "Se attivo fai",
                                         "Se disattivo fai"};
    const QStringList saltoGestori = {"Vai a", "Se attivo vai a", "Se disattivo vai a", "Ritorna", "Se",
                                      "Se attivo fai", "Se disattivo fai"};
    const QStringList nomiComuni = {"lstIstruzioniComuni", "lstComuniLudeDX", "lstComuniLudeSX",
                                    "lstComuniProssimitaDX", "lstComuniProssimitaSX", "lstComuniOtticoDX",
                                    "lstComuniOtticoSX", "lstComuniUltrasuoni", "lstComuniOtticoRotazione",
                                    "lstComuniAux"};
    const QStringList nomiSalto = {"lstIstruzioniDiSalto", "lstSaltoLuceDX", "lstSaltoLuceSX",
                                   "lstSaltoProssimitaDX", "lstSaltoProssimitaSX", "lstSaltoOtticoDX",
                                   "lstSaltoOtticoSX", "lstSaltoUltrasuoni", "lstSaltoOtticoRotazione", "lstSaltoAux"};
    auto voci = [](const QListWidget* l) {
        QStringList t;
        for (int i = 0; i < l->count(); ++i)
            t << l->item(i)->text();
        return t;
    };
    for (int k = 1; k <= 10; ++k) {
        const QListWidget* c = finestra->findChild<QListWidget*>(nomiComuni[k - 1]);
        const QListWidget* s = finestra->findChild<QListWidget*>(nomiSalto[k - 1]);
        ASSERT_NE(c, nullptr) << k;
        ASSERT_NE(s, nullptr) << k;
        EXPECT_EQ(c, finestra->tavolozzaComuni(k));
        EXPECT_EQ(voci(c), k == 10 ? comuniAux : comuni) << k;
        EXPECT_EQ(voci(s), k == 1 ? saltoPrincipale : saltoGestori) << k;
        EXPECT_EQ(c->toolTip(), "Fare doppio click per selezionare il comando");
        EXPECT_EQ(s->toolTip(), "Fare doppio click per selezionare il comando");
    }
    EXPECT_EQ(voci(finestra->tavolozzaComuni(10)).size(), 18);
}

TEST_F(Struttura, SchedeEProcessore)
{
    QStringList schede;
    for (int i = 0; i < finestra->schede()->count(); ++i)
        schede << finestra->schede()->tabText(i);
    EXPECT_EQ(schede, (QStringList{"Luce destra", "Luce sinistra", "Prossimità destra", "Prossimità sinistra",
                                   "Ottico destro", "Ottico sinistro", "Ultrasuoni", "Sensore rotazione", "Aux"}));
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(finestra->schede()->isTabEnabled(i));
    // Tab i holds grid i + 2.
    for (int k = 2; k <= 10; ++k)
        EXPECT_TRUE(finestra->schede()->widget(k - 2)->isAncestorOf(finestra->vista(k))) << k;

    QStringList pic;
    for (int i = 0; i < finestra->processore()->count(); ++i)
        pic << finestra->processore()->itemText(i);
    EXPECT_EQ(pic, (QStringList{"16F84", "16F84A", "16F628"}));
    EXPECT_EQ(finestra->processore()->currentText(), "16F84");
    EXPECT_EQ(finestra->windowTitle(), "Kobaltino[*]");
    EXPECT_EQ(stato.GrigliaAttiva, 1);
}

TEST_F(Struttura, PannelloDiMemoria)
{
    for (int i = 1; i <= 20; ++i) {
        for (const char* tipo : {"RAM", "EEPROM"}) {
            auto* etichetta = finestra->findChild<QLabel*>(QStringLiteral("lbl%1%2").arg(tipo).arg(i));
            ASSERT_NE(etichetta, nullptr) << tipo << i;
            EXPECT_EQ(etichetta->text(), QString::number(i));
            auto* casella = finestra->findChild<QWidget*>(QStringLiteral("Memoria%1%2").arg(tipo).arg(i));
            ASSERT_NE(casella, nullptr);
            EXPECT_EQ(casella->palette().color(QPalette::Window), QColor(Qt::white));
            // The number stands just above its box.
            const QPoint sotto = casella->mapTo(finestra.get(), QPoint(0, 0));
            const QPoint sopra = etichetta->mapTo(finestra.get(), QPoint(0, 0));
            EXPECT_LT(sopra.y(), sotto.y());
        }
    }
    const QPoint uno = finestra->pannelloMemoria()->casella(Memoria::Ram, 1)->mapTo(finestra.get(), QPoint(0, 0));
    const QPoint dieci = finestra->pannelloMemoria()->casella(Memoria::Ram, 10)->mapTo(finestra.get(), QPoint(0, 0));
    const QPoint undici = finestra->pannelloMemoria()->casella(Memoria::Ram, 11)->mapTo(finestra.get(), QPoint(0, 0));
    EXPECT_EQ(uno.y(), dieci.y());
    EXPECT_GT(dieci.x(), uno.x());
    EXPECT_EQ(undici.x(), uno.x());
    EXPECT_GT(undici.y(), uno.y());
}

TEST_F(Struttura, GriglieVuoteConLaRigaZeroColoreBottone)
{
    const QBrush bottone = QApplication::palette().button();
    for (int k = 1; k <= 10; ++k) {
        const ModelloGriglia* m = finestra->modello(k);
        EXPECT_EQ(m->rowCount(), 950);
        EXPECT_EQ(m->columnCount(), 5);
        EXPECT_EQ(m->index(0, 0).data(Qt::BackgroundRole).value<QBrush>(), bottone) << k;
        EXPECT_FALSE(m->index(1, 0).data(Qt::BackgroundRole).isValid());
        EXPECT_EQ(m->index(0, 0).data().toString(), "");
        EXPECT_EQ(finestra->vista(k)->objectName(), QStringLiteral("MSHFlexGrid%1").arg(k));
    }
}

TEST_F(Struttura, RigaDiIstruzioneInGriglia)
{
    ui.esiti.push_back(EsitoDialogo{"1,5", {}, -1, 0, {}});
    riempi(2, {codici::Avanti, codici::Attendi});
    stato.griglia(2).riga(0).etichetta = "3";
    finestra->aggiorna();
    const ModelloGriglia* m = finestra->modello(2);
    EXPECT_EQ(m->index(1, 0).data().toString(), "1");
    EXPECT_EQ(m->index(1, 1).data().toString(), "1,5");  // present in the cell, painted over
    EXPECT_EQ(m->index(1, 2).data().toString(), "8");
    EXPECT_EQ(m->index(0, 3).data().toString(), "3");
    EXPECT_EQ(m->index(1, 1).data(ModelloGriglia::RuoloCodice).toInt(), 8);
    EXPECT_EQ(m->index(1, 0).data(Qt::BackgroundRole).value<QBrush>(), QApplication::palette().button());
    EXPECT_FALSE(m->index(2, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(m->index(1, 1).data(Qt::ToolTipRole).toString(), "Attendi: Attende 1,5 secondi");
    // The new row is the current one.
    EXPECT_EQ(finestra->vista(2)->currentIndex().row(), 1);
}

TEST_F(Struttura, MisureDelleGriglieInTwips)
{
    VistaGriglia* v = finestra->vista(1);
    const double dpiX = v->logicalDpiX(), dpiY = v->logicalDpiY();
    EXPECT_EQ(v->columnWidth(0), qRound(500 * dpiX / 1440));
    // The icon column also holds the parameter words while they are shown.
    EXPECT_EQ(v->columnWidth(1), qRound((1800 + LarghezzaParole) * dpiX / 1440));
    EXPECT_EQ(v->rowHeight(0), qRound(500 * dpiY / 1440));
    EXPECT_EQ(v->rowHeight(949), qRound(500 * dpiY / 1440));
    EXPECT_TRUE(v->isColumnHidden(4));
    EXPECT_FALSE(v->isColumnHidden(2));
    EXPECT_FALSE(v->isColumnHidden(3));
    // The whole row is readable: the grid is wide enough for its columns.
    EXPECT_GE(v->width(), v->columnWidth(0) + v->columnWidth(1) + v->columnWidth(2) + v->columnWidth(3));
}

TEST_F(Struttura, EntraInUnoSchermo1366x768)
{
    finestra->resize(1366, 768 - 60);
    QTest::qWait(20);
    EXPECT_LE(finestra->minimumSizeHint().width(), 1366);
    EXPECT_LE(finestra->minimumSizeHint().height(), 768 - 60);
    // Nothing overflows the window: the memory panel, palettes and grids are inside it.
    const QRect finestraR = finestra->rect();
    for (QWidget* w : std::initializer_list<QWidget*>{finestra->pannelloMemoria(), finestra->tavolozzaComuni(1),
                                                      finestra->tavolozzaSalto(1), finestra->vista(1),
                                                      finestra->schede()}) {
        const QRect r(w->mapTo(finestra.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(finestraR.contains(r)) << w->objectName().toStdString();
    }
    // Growing the window grows the grids and palettes, not the memory panel.
    const QSize memoria = finestra->pannelloMemoria()->size();
    const int palette = finestra->tavolozzaComuni(1)->width();
    const int griglia = finestra->vista(1)->height();
    finestra->resize(1600, 1000);
    QTest::qWait(20);
    EXPECT_EQ(finestra->pannelloMemoria()->size(), memoria);
    EXPECT_GT(finestra->tavolozzaComuni(1)->width(), palette);
    EXPECT_GT(finestra->vista(1)->height(), griglia);
}

TEST_F(Struttura, AllaMisuraMinimaTuttoSiLeggeENullaSiSovrappone)
{
    // Small enough for a 1024 x 768 screen with a panel and the window's title bar.
    const QSize minima = finestra->minimumSize();
    EXPECT_LE(minima.width(), 1024);
    EXPECT_LE(minima.height(), 768 - 100);
    finestra->resize(100, 100);
    QTest::qWait(20);
    ASSERT_EQ(finestra->size(), minima);

    const auto inFinestra = [&](const QWidget* w) { return QRect(w->mapTo(finestra.get(), QPoint(0, 0)), w->size()); };
    // The main parts lie side by side, none over another, all inside the window.
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
        // Five rows of each grid, whole.
        const VistaGriglia* v = finestra->vista(k);
        EXPECT_GE(v->viewport()->height(), 5 * v->rowHeight(0));
        EXPECT_GE(v->viewport()->width(), v->larghezzaColonne() - v->verticalScrollBar()->width() - 2 * v->frameWidth());
        // Every palette item's whole name, and at least four items at a time.
        for (const QListWidget* lista : {finestra->tavolozzaComuni(k), finestra->tavolozzaSalto(k)}) {
            SCOPED_TRACE(lista->objectName().toStdString());
            EXPECT_GE(lista->viewport()->width(), lista->sizeHintForColumn(0));
            EXPECT_GE(lista->viewport()->height(), 4 * lista->sizeHintForRow(0));
        }
    }
}

}  // namespace
}  // namespace kobaltino
