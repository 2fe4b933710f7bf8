// What the main window shows after start-up: menu tree, toolbar, palettes, tabs, grids, panel,
// and how it fits the screen.
#include "banco_finestra.h"

#include "ui/icone.h"
#include "ui/pannello_memoria.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabWidget>

namespace kobaltino {
namespace {

using Struttura = BancoFinestra;

// Each menu as "key|caption|shortcut|icon" entries, "caption>" for a submenu and "-" for a separator.
TEST_F(Struttura, AlberoDelMenu)
{
    const std::pair<const char*, const char*> attesi[] = {
        {"&File", "KeyNuovo|Nuovo|Ctrl+N|icona;KeyApri|Apri...|Ctrl+A|icona;KeySalva|Salva|Shift+F12|icona;"
                  "KeySalvaConNome|Sa&lva con nome...|Ctrl+Shift+F12|;-;KeyAnteprimaDiStampa|Anteprima di stampa...||;"
                  "KeyStampa|Stampa...|Ctrl+P|;KeyEsportaPdf|Esporta PDF...||;-;-;KeyChiudi|&Chiudi||"},
        {"&Modifica", "KeyAnnulla|Annulla|Ctrl+Z|icona;KeyRipeti|Ripeti|Ctrl+Y|icona;-;KeyCopia|Copia|Ctrl+C|icona;"
                      "KeyIncolla|Incolla|Ctrl+V|icona;KeyCancella|Cancella...|Del|icona;"
                      "KeyCancellaGriglia|Cancella griglia...|Ctrl+G|;KeyCancellaTutto|Cancella tutto...|Ctrl+T|icona"},
        {"&Strumenti", "KeyCompilatore|Compilatore||;KeyCompila|Compila|F9|icona;KeySimula|Simula|F5|icona;"
                       "KeyMostraParametri|Mostra parametri||"},
        {"&Istruzioni", "Istruzioni comuni>;Istruzioni di salto>;Istruzioni condizionali>"},
        {"Istruzioni comuni", "KeyAvanti|Avanti||;KeyIndietro|Indietro||;KeySinistra|Sinistra||;KeyDestra|Destra||;"
                              "KeyRuotaASinistra|Ruota a sinistra||;KeyRuotaADestra|Ruota a destra||;"
                              "KeyFermo|Fermo...||;KeyAttendi|Attendi...||;KeyScriviRam|Scrivi Ram...||;"
                              "KeyScriviEeprom|Scrivi Eeprom...||;KeySpostaEeprom|Sposta Eeprom...||;"
                              "KeyIncrementa|Incrementa...||;KeyDecrementa|Decrementa...||;KeyBraccio|Braccio||"},
        {"Istruzioni di salto",
         "KeyVaiA|Vai a...||;KeySeAttivoVaiA|Se attivo vai a...||;KeySeDisattivoVaiA|Se disattivo vai a...||"},
        {"Istruzioni condizionali", "KeySe|Se...||"},
        {"?", "KeyGuidaInLinea|Guida in linea|F1|icona;KeyInformazioniSu|Informazioni su...||"}};
    std::map<QString, QMenu*> menu;
    QStringList titoli;
    for (QAction* a : finestra->menuBar()->actions())
        titoli << a->text(), menu[a->text()] = a->menu();
    for (QAction* a : menu["&Istruzioni"]->actions())
        menu[a->text()] = a->menu();
    EXPECT_EQ(titoli, (QStringList{"&File", "&Modifica", "&Strumenti", "&Istruzioni", "?"}));
    for (const auto& [titolo, voci] : attesi) {
        ASSERT_NE(menu[titolo], nullptr) << titolo;
        QStringList trovate;
        for (QAction* a : menu[titolo]->actions())
            trovate << (a->isSeparator() ? "-"
                        : a->menu()      ? a->text() + ">"
                                         : a->objectName() + "|" + a->text() + "|" + a->shortcut().toString() + "|"
                                               + (a->icon().isNull() ? "" : "icona"));
        EXPECT_EQ(trovate.join(';'), voci) << titolo;
    }
}

// Every instruction entry of the menu inserts its code in the active grid, through its dialog if it has one.
TEST_F(Struttura, OgniVoceDelMenuInserisceIlSuoCodice)
{
    const std::tuple<const char*, int, std::optional<Dialogo>> voci[] = {
        {"KeyAvanti", 1, {}}, {"KeyIndietro", 2, {}}, {"KeySinistra", 3, {}}, {"KeyDestra", 4, {}},
        {"KeyRuotaASinistra", 5, {}}, {"KeyRuotaADestra", 6, {}}, {"KeyFermo", 7, {}},
        {"KeyAttendi", 8, Dialogo::Attendi}, {"KeyScriviRam", 13, Dialogo::ScriviRam},
        {"KeyScriviEeprom", 17, Dialogo::ScriviEeprom}, {"KeySpostaEeprom", 18, Dialogo::SpostaEeprom},
        {"KeyIncrementa", 19, Dialogo::Incrementa}, {"KeyDecrementa", 20, Dialogo::Decrementa},
        {"KeySeAttivoVaiA", 10, Dialogo::SeAttivoVaiA}, {"KeySeDisattivoVaiA", 11, Dialogo::SeDisattivoVaiA},
        {"KeySe", 15, Dialogo::Se}};
    std::vector<int> attesi;
    std::vector<std::pair<Dialogo, int>> dialoghi;
    for (const auto& [chiave, codice, dialogo] : voci) {
        if (dialogo) {
            ui.esiti.push_back(esito("x"));
            dialoghi.emplace_back(*dialogo, 1);
        }
        menu(chiave);
        attesi.push_back(codice);
    }
    attesi.push_back(16);  // no action chosen: "Se" and its "FINE SE"
    EXPECT_EQ(codici(1), attesi);
    EXPECT_EQ(ui.dialoghi, dialoghi);
}

// The toolbar's buttons in order, each with its tooltip and the same picture as its menu entry.
TEST_F(Struttura, BarraDegliStrumenti)
{
    const std::tuple<const char*, int, const char*> attesi[] = {
        {"Crea un nuovo programma", 1, "KeyNuovo"}, {"Apre un programma esistente", 2, "KeyApri"},
        {"Salva le modifiche", 3, "KeySalva"}, {"Taglia", 4, nullptr}, {"Copia", 5, "KeyCopia"},
        {"Incolla", 6, "KeyIncolla"}, {"Annulla l'ultima modifica", 12, "KeyAnnulla"},
        {"Ripete la modifica annullata", 13, "KeyRipeti"}, {"Compila il programma", 7, "KeyCompila"},
        {"Simula il programma", 14, "KeySimula"}, {"Cancella il comando selezionato", 8, "KeyCancella"},
        {"Cancella tutte le griglie", 9, "KeyCancellaTutto"}, {"-", 0, nullptr},
        {"Apre la finestra di aiuto", 11, "KeyGuidaInLinea"}};
    const QList<QAction*> azioni = finestra->barra()->actions();
    ASSERT_EQ(azioni.size(), std::size(attesi));
    for (int i = 0; i < azioni.size(); ++i) {
        const auto& [suggerimento, indice, voce] = attesi[i];
        SCOPED_TRACE(suggerimento);
        QAction* a = azioni[i];
        EXPECT_EQ(a->isSeparator() ? "-" : a->toolTip(), suggerimento);
        if (a->isSeparator())
            continue;
        EXPECT_EQ(a->objectName(), QStringLiteral("Toolbar1_%1").arg(indice));
        const QImage barra = a->icon().pixmap(24, 24).toImage();
        EXPECT_FALSE(barra.isNull());
        if (voce) {
            EXPECT_EQ(barra, finestra->findChild<QAction*>(voce)->icon().pixmap(24, 24).toImage());
        }
    }
}

TEST_F(Struttura, TavolozzeSchedeEProcessore)
{
    const QStringList comuni = QString("Avanti,Indietro,Sinistra,Destra,Ruota a SX,Ruota a DX,Fermo,Attendi,Scrivi Ram,"
                                       "Scrivi Eeprom,Sposta Eeprom,Incrementa,Decrementa,Braccio,Swappa,Scorri a destra,"
                                       "Scorri a sinistra,Complemento,Operazioni tra registri")
                                   .split(',');
    QStringList comuniAux = comuni;
    comuniAux.removeAll("Braccio");
    const QStringList saltoPrincipale = {"Vai a", "Se attivo vai a", "Se disattivo vai a", "Se", "Se attivo fai",
                                         "Se disattivo fai"};
    QStringList saltoGestori = saltoPrincipale;
    saltoGestori.insert(3, "Ritorna");
    const QStringList nomiComuni = QString("IstruzioniComuni ComuniLudeDX ComuniLudeSX ComuniProssimitaDX "
                                           "ComuniProssimitaSX ComuniOtticoDX ComuniOtticoSX ComuniUltrasuoni "
                                           "ComuniOtticoRotazione ComuniAux").split(' ');
    const QStringList nomiSalto = QString("IstruzioniDiSalto SaltoLuceDX SaltoLuceSX SaltoProssimitaDX "
                                          "SaltoProssimitaSX SaltoOtticoDX SaltoOtticoSX SaltoUltrasuoni "
                                          "SaltoOtticoRotazione SaltoAux").split(' ');
    const auto voci = [](const QListWidget* l) {
        QStringList t;
        for (int i = 0; i < l->count(); ++i)
            t << l->item(i)->text();
        return t;
    };
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const QListWidget* c = finestra->findChild<QListWidget*>("lst" + nomiComuni[k - 1]);
        const QListWidget* s = finestra->findChild<QListWidget*>("lst" + nomiSalto[k - 1]);
        ASSERT_TRUE(c && s);
        EXPECT_EQ(c, finestra->tavolozzaComuni(k));
        EXPECT_EQ(voci(c), k == 10 ? comuniAux : comuni);
        EXPECT_EQ(voci(s), k == 1 ? saltoPrincipale : saltoGestori);
        EXPECT_EQ(c->toolTip(), "Fare doppio click per selezionare il comando");
        EXPECT_EQ(s->toolTip(), "Fare doppio click per selezionare il comando");
        // Tab k - 2 holds grid k.
        if (k >= 2) {
            EXPECT_TRUE(finestra->schede()->widget(k - 2)->isAncestorOf(finestra->vista(k)));
            EXPECT_TRUE(finestra->schede()->isTabEnabled(k - 2));
        }
    }
    QStringList schede, pic;
    for (int i = 0; i < finestra->schede()->count(); ++i)
        schede << finestra->schede()->tabText(i);
    for (int i = 0; i < finestra->processore()->count(); ++i)
        pic << finestra->processore()->itemText(i);
    EXPECT_EQ(schede, (QStringList{"Luce destra", "Luce sinistra", "Prossimità destra", "Prossimità sinistra",
                                   "Ottico destro", "Ottico sinistro", "Ultrasuoni", "Sensore rotazione", "Aux"}));
    EXPECT_EQ(pic, (QStringList{"16F84", "16F84A", "16F628"}));
    EXPECT_EQ(finestra->processore()->currentText(), "16F84");
    EXPECT_EQ(finestra->windowTitle(), "Kobaltino[*]");
    EXPECT_EQ(stato.GrigliaAttiva, 1);
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

    // A box of a used cell is red and tells its value at a double-click; clearing the program whitens it.
    stato.marca(Memoria::Ram, 3) = "d'100'";
    stato.marca(Memoria::Eeprom, 20) = "'a'";
    finestra->aggiorna();
    EXPECT_TRUE(p->casella(Memoria::Ram, 3)->usata());
    EXPECT_EQ(p->casella(Memoria::Ram, 3)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(p->casella(Memoria::Eeprom, 20)->usata());
    EXPECT_FALSE(p->casella(Memoria::Ram, 20)->usata());

    QTest::mouseDClick(p->casella(Memoria::Ram, 3), Qt::LeftButton);
    QTest::mouseDClick(p->casella(Memoria::Eeprom, 1), Qt::LeftButton);
    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{{"Valore inserito: d'100'", Icona::Nessuna, "Valore inserito", Pulsanti::Ok},
                                      {"Valore inserito: ", Icona::Nessuna, "Valore inserito", Pulsanti::Ok}}));

    riempi(1, {codici::Avanti});
    ui.risposte.push_back(Risposta::Si);
    pulsante(9);
    EXPECT_FALSE(p->casella(Memoria::Ram, 3)->usata());
    EXPECT_FALSE(p->casella(Memoria::Eeprom, 20)->usata());
}

// 950 rows of five columns (the fifth hidden), sized in twips; row 0 and the instruction rows in the
// button colour; an instruction row shows number, code, label, parameter words and a tooltip; the
// parameter words widen the icon column while "Mostra parametri" is on.
TEST_F(Struttura, LeGriglie)
{
    const QBrush bottone = QApplication::palette().button();
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const ModelloGriglia* m = finestra->modello(k);
        EXPECT_EQ(m->rowCount(), 950);
        EXPECT_EQ(m->columnCount(), 5);
        EXPECT_EQ(m->index(0, 0).data(Qt::BackgroundRole).value<QBrush>(), bottone);
        EXPECT_FALSE(m->index(1, 0).data(Qt::BackgroundRole).isValid());
        EXPECT_EQ(m->index(0, 0).data().toString(), "");
        EXPECT_EQ(finestra->vista(k)->objectName(), QStringLiteral("MSHFlexGrid%1").arg(k));
    }

    ui.esiti.push_back(esito("1,5"));
    riempi(2, {codici::Avanti, codici::Attendi});
    stato.griglia(2).riga(0).etichetta = "3";
    finestra->aggiorna();
    const ModelloGriglia* m = finestra->modello(2);
    EXPECT_EQ(m->index(1, 0).data().toString(), "1");
    EXPECT_EQ(m->index(1, 1).data().toString(), "1,5");  // present in the cell, painted over
    EXPECT_EQ(m->index(1, 2).data().toString(), "8");
    EXPECT_EQ(m->index(0, 3).data().toString(), "3");
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
    EXPECT_EQ(v->rowHeight(949), qRound(500 * dpiY / 1440));
    EXPECT_TRUE(v->isColumnHidden(4));
    EXPECT_FALSE(v->isColumnHidden(2) || v->isColumnHidden(3));
    EXPECT_GE(v->width(), v->columnWidth(0) + v->columnWidth(1) + v->columnWidth(2) + v->columnWidth(3));

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
// beside the others; on a 1366 x 768 screen the window fits, and growing it grows grids and palettes.
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

    EXPECT_LE(finestra->minimumSizeHint().width(), 1366);
    EXPECT_LE(finestra->minimumSizeHint().height(), 768 - 60);
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
