#include "ui/frm_avvio.h"

#include "dialogs/frm_cancella_griglia.h"
#include "ui/finestra_guida.h"
#include "ui/finestra_simulatore.h"
#include "ui/guida_contesto.h"
#include "ui/icone.h"
#include "ui/modello_griglia.h"
#include "ui/pannello_memoria.h"
#include "ui/preferenze.h"
#include "ui/vista_griglia.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace kobaltino {

namespace {
const QString SuggerimentoTavolozza = QStringLiteral("Fare doppio click per selezionare il comando");
const QString GuidaAssente = QStringLiteral("La guida in linea non è ancora disponibile.");
const QString ComandoAssente = QStringLiteral("Il comando non è ancora disponibile.");

// Size of a palette: 2715 × 2790 twips under the main grid; the window may grow them.
constexpr int LarghezzaTavolozza = 2715;
constexpr int AltezzaTavolozza = 2790;
}  // namespace

const FrmAvvio::VoceGestore FrmAvvio::Gestori[] = {
    {Azione::Nuovo, &FrmAvvio::cmdNuovo},
    {Azione::Apri, &FrmAvvio::cmdApri},
    {Azione::Salva, &FrmAvvio::cmdSalva},
    {Azione::SalvaConNome, &FrmAvvio::cmdSalvaConNome},
    {Azione::Chiudi, &FrmAvvio::cmdChiudi},
    {Azione::Taglia, &FrmAvvio::cmdTaglia},
    {Azione::Copia, &FrmAvvio::cmdCopia},
    {Azione::Incolla, &FrmAvvio::cmdIncolla},
    {Azione::Cancella, &FrmAvvio::cmdCancella},
    {Azione::CancellaGriglia, &FrmAvvio::cmdCancellaGriglia},
    {Azione::CancellaTutto, &FrmAvvio::cmdCancellaTutto},
    {Azione::Annulla, &FrmAvvio::cmdAnnulla},
    {Azione::Ripeti, &FrmAvvio::cmdRipeti},
    {Azione::Compilatore, &FrmAvvio::cmdCompilatore},
    {Azione::Compila, &FrmAvvio::cmdCompila},
    {Azione::Simula, &FrmAvvio::cmdSimula},
    {Azione::Programmatore, &FrmAvvio::cmdProgrammatore},
    {Azione::Trasferisci, &FrmAvvio::cmdTrasferisci},
    {Azione::GuidaInLinea, &FrmAvvio::cmdGuidaInLinea},
    {Azione::InformazioniSu, &FrmAvvio::cmdInformazioniSu},
};

FrmAvvio::FrmAvvio(Editor& editor, ComandiEsterni esterni, QWidget* parent)
    : QMainWindow(parent), editor_(editor), s_(editor.stato()), esterni_(std::move(esterni))
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowIcon(iconaApplicazione());
    iconaUsata_ = iconaGrigliaUsata();
    creaMenu();
    creaComandiAggiunti();
    creaMenuEsempi();
    s_.GrigliaAttiva = 1;
    s_.Processore = processoreRicordato();
    creaBarra();
    creaMenuContestuale();
    setCentralWidget(creaCentro());
    mostraParole(findChild<QAction*>(QStringLiteral("KeyMostraParametri"))->isChecked());
    grigliaAttiva_ = new QLabel(this);
    grigliaAttiva_->setObjectName(QStringLiteral("lblGrigliaAttiva"));
    statusBar()->addWidget(grigliaAttiva_);
    aggiorna();
    for (QMenu* m : findChildren<QMenu*>())
        m->installEventFilter(this);

    // Fit the screen: a small screen gets the whole work area, a large one a comfortable size.
    if (const QScreen* schermo = screen()) {
        const QRect area = schermo->availableGeometry();
        // A school laptop (1366 wide) gives all its width, so every handler tab shows at once.
        resize(area.width() < 1440 ? area.width() : 1280, std::min(area.height() - 40, 860));
    }
}

FrmAvvio::~FrmAvvio() = default;

// ---- building -------------------------------------------------------------------------------

void FrmAvvio::creaMenu()
{
    QHash<QString, QMenu*> menu;
    for (const VoceMenu& v : alberoMenu()) {
        QMenu* padre = v.padre ? menu.value(QString::fromLatin1(v.padre)) : nullptr;
        if (v.chiave == nullptr) {
            padre->addSeparator();
            continue;
        }
        const QString chiave = QString::fromLatin1(v.chiave);
        const QString testo = QString::fromUtf8(v.testo);
        if (v.comando.azione == Azione::Nessuna) {
            QMenu* m = padre ? padre->addMenu(testo) : menuBar()->addMenu(testo);
            m->setObjectName(chiave);
            m->menuAction()->setObjectName(chiave);
            menu.insert(chiave, m);
            continue;
        }
        QAction* a = padre->addAction(testo);
        a->setObjectName(chiave);
        if (v.scorciatoia)
            a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(v.scorciatoia)));
        if (v.conIcona)
            a->setIcon(iconaComando(v.comando.azione));
        if (v.comando.azione == Azione::Annulla || v.comando.azione == Azione::Ripeti)
            azioniStoria_.emplace_back(v.comando.azione, a);
        connect(a, &QAction::triggered, this, [this, chiave] { eseguiTasto(chiave); });
    }

    // "Taglia" is in no menu but keeps its keyboard shortcut.
    auto* taglia = new QAction(QStringLiteral("Taglia"), this);
    taglia->setObjectName(QStringLiteral("mnuTaglia"));
    taglia->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    connect(taglia, &QAction::triggered, this, [this] { esegui({Azione::Taglia}); });
    addAction(taglia);
}

void FrmAvvio::creaBarra()
{
    toolbar1_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setMovable(false);
    for (const VocePulsante& p : pulsantiBarra()) {
        if (p.suggerimento == nullptr) {
            toolbar1_->addSeparator();
            continue;
        }
        const QString suggerimento = QString::fromUtf8(p.suggerimento);
        QAction* a = toolbar1_->addAction(iconaComando(p.azione), suggerimento);
        a->setToolTip(suggerimento);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(p.indice));
        const int indice = p.indice;
        connect(a, &QAction::triggered, this, [this, indice] { eseguiPulsante(indice); });
        if (p.azione == Azione::Annulla || p.azione == Azione::Ripeti)
            azioniStoria_.emplace_back(p.azione, a);
    }
}

void FrmAvvio::creaMenuContestuale()
{
    contestuale_ = new QMenu(QStringLiteral("Contestuale"), this);
    contestuale_->setObjectName(QStringLiteral("mnu_Contestuale"));
    struct Voce {
        const char* nome;
        const char* testo;
        Azione azione;
        bool visibile;
    };
    const Voce voci[] = {{"mnuTaglia1", "Taglia", Azione::Taglia, false},
                         {"mnu_Copia1", "Copia", Azione::Copia, true},
                         {"mnu_Incolla1", "Incolla", Azione::Incolla, true}};
    for (const Voce& v : voci) {
        QAction* a = contestuale_->addAction(QString::fromLatin1(v.testo));
        a->setObjectName(QString::fromLatin1(v.nome));
        a->setVisible(v.visibile);
        const Azione azione = v.azione;
        connect(a, &QAction::triggered, this, [this, azione] { esegui({azione}); });
    }
}

VistaGriglia* FrmAvvio::creaVista(int k)
{
    auto* m = new ModelloGriglia(s_.griglia(k), this);
    auto* v = new VistaGriglia(m);
    v->setObjectName(nomeControlloGriglia(k));
    v->setProperty("griglia", k);
    // Queued: a dialog must not open inside the drop itself.
    connect(v, &VistaGriglia::istruzioneRilasciata, this,
            [this, k](const QString& testo, int punto) { rilascioIstruzione(k, testo, punto); }, Qt::QueuedConnection);
    connect(v, &VistaGriglia::righeRilasciate, this,
            [this, k](const std::vector<int>& righe, int punto) { rilascioRighe(k, righe, punto); }, Qt::QueuedConnection);
    v->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    v->setFixedWidth(v->larghezzaColonne());
    connect(v, &VistaGriglia::cliccata, this, [this, k] {
        s_.GrigliaAttiva = k;
        grigliaAttiva_->setText(QStringLiteral("Griglia attiva: %1").arg(nomeGriglia(k)));
    });
    // Any cell of a row selects the row; "Cancella" looks at the code cell, which a used row
    // always fills.
    connect(v, &VistaGriglia::rigaScelta, this, [this, k](int riga) { s_.griglia(k).seleziona(riga, ColCodice); });
    connect(v, &VistaGriglia::menuRichiesto, this, [this](const QPoint& dove) { contestuale_->popup(dove); });
    connect(v, &VistaGriglia::rigaDaModificare, this, [this, k](int riga) { cmdModificaRiga(k, riga); });
    modelli_[static_cast<size_t>(k - 1)] = m;
    viste_[static_cast<size_t>(k - 1)] = v;
    return v;
}

QWidget* FrmAvvio::creaTavolozza(int k, const QString& nome, const QString& titolo, const QStringList& voci)
{
    auto* riquadro = new QWidget;
    auto* colonna = new QVBoxLayout(riquadro);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(titolo);
    auto* lista = new TavolozzaIstruzioni(k);
    lista->setObjectName(nome);
    lista->addItems(voci);
    lista->setToolTip(SuggerimentoTavolozza);
    // Wide enough for its longest item, so a small window never cuts an instruction's name.
    const int larghezzaVoci = lista->sizeHintForColumn(0) + 2 * lista->frameWidth()
                              + lista->verticalScrollBar()->sizeHint().width() + fontMetrics().averageCharWidth();
    lista->setMinimumWidth(std::max(twipsInPixel(this, LarghezzaTavolozza) * 3 / 4, larghezzaVoci));
    lista->setMinimumHeight(fontMetrics().height() * 5);
    etichetta->setBuddy(lista);
    connect(lista, &QListWidget::itemDoubleClicked, this,
            [this, k](QListWidgetItem* voce) { eseguiVoce(k, voce->text()); });
    lista->installEventFilter(this);
    lista->setProperty("griglia", k);
    colonna->addWidget(etichetta);
    colonna->addWidget(lista, 1);
    return riquadro;
}

QWidget* FrmAvvio::creaScheda(int k)
{
    const Tavolozze t = tavolozzeDellaGriglia(k);
    auto* scheda = new QWidget;
    auto* riga = new QHBoxLayout(scheda);
    riga->addWidget(creaVista(k));
    riga->addWidget(creaTavolozza(k, t.nomeComuni, QStringLiteral("Istruzioni comuni"), t.comuni), 1);
    riga->addWidget(creaTavolozza(k, t.nomeSalto, QStringLiteral("Istruzioni di salto"), t.salto), 1);
    comuni_[static_cast<size_t>(k - 1)] = scheda->findChild<QListWidget*>(t.nomeComuni);
    salto_[static_cast<size_t>(k - 1)] = scheda->findChild<QListWidget*>(t.nomeSalto);
    return scheda;
}

QWidget* FrmAvvio::creaCentro()
{
    auto* centro = new QWidget;
    auto* riga = new QHBoxLayout(centro);

    // Left: the main program, as tall as the window.
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(new QLabel(nomeGriglia(1)));
    sinistra->addWidget(creaVista(1), 1);
    riga->addLayout(sinistra);

    auto* destra = new QVBoxLayout;
    auto* scelta = new QHBoxLayout;
    cmbPIC_ = new QComboBox;
    cmbPIC_->setObjectName(QStringLiteral("cmbPIC"));
    for (const QString& p : Processori)
        cmbPIC_->addItem(p);
    cmbPIC_->setMinimumWidth(twipsInPixel(this, 1695));
    connect(cmbPIC_, &QComboBox::currentTextChanged, this, [this](const QString& testo) {
        s_.Processore = testo;
        ricordaProcessore(testo);
    });
    auto* etichettaPIC = new QLabel(QStringLiteral("&Processore:"));
    etichettaPIC->setBuddy(cmbPIC_);
    scelta->addWidget(etichettaPIC);
    scelta->addWidget(cmbPIC_);
    scelta->addStretch();
    destra->addLayout(scelta);

    // The input handlers, one tab each.
    ssTab1_ = new QTabWidget;
    ssTab1_->setObjectName(QStringLiteral("ssTab1"));
    ssTab1_->setUsesScrollButtons(true);
    for (int k = 2; k <= NumeroGriglie; ++k)
        ssTab1_->addTab(creaScheda(k), nomeGriglia(k));
    destra->addWidget(ssTab1_, 1);

    // The main grid's palettes and the memory panel.
    const Tavolozze t = tavolozzeDellaGriglia(1);
    auto* basso = new QHBoxLayout;
    QWidget* comuni = creaTavolozza(1, t.nomeComuni, QStringLiteral("Istruzioni comuni"), t.comuni);
    QWidget* salto = creaTavolozza(1, t.nomeSalto, QStringLiteral("Istruzioni di salto"), t.salto);
    comuni_[0] = comuni->findChild<QListWidget*>(t.nomeComuni);
    salto_[0] = salto->findChild<QListWidget*>(t.nomeSalto);
    basso->addWidget(comuni, 1);
    basso->addWidget(salto, 1);
    memoria_ = new PannelloMemoria;
    connect(memoria_, &PannelloMemoria::valoreRichiesto, this, &FrmAvvio::mostraValore);
    basso->addWidget(memoria_);
    auto* contenitoreBasso = new QWidget;
    contenitoreBasso->setLayout(basso);
    basso->setContentsMargins(0, 0, 0, 0);
    contenitoreBasso->setFixedHeight(std::max(twipsInPixel(this, AltezzaTavolozza, Qt::Vertical) + fontMetrics().height(),
                                              memoria_->sizeHint().height()));
    destra->addWidget(contenitoreBasso);

    riga->addLayout(destra, 1);
    return centro;
}

// ---- access -----------------------------------------------------------------------------------

VistaGriglia* FrmAvvio::vista(int k) const
{
    return k >= 1 && k <= NumeroGriglie ? viste_[static_cast<size_t>(k - 1)] : nullptr;
}

ModelloGriglia* FrmAvvio::modello(int k) const
{
    return k >= 1 && k <= NumeroGriglie ? modelli_[static_cast<size_t>(k - 1)] : nullptr;
}

QListWidget* FrmAvvio::tavolozzaComuni(int k) const
{
    return k >= 1 && k <= NumeroGriglie ? comuni_[static_cast<size_t>(k - 1)] : nullptr;
}

QListWidget* FrmAvvio::tavolozzaSalto(int k) const
{
    return k >= 1 && k <= NumeroGriglie ? salto_[static_cast<size_t>(k - 1)] : nullptr;
}

// ---- inputs -----------------------------------------------------------------------------------

void FrmAvvio::eseguiTasto(const QString& chiave) { esegui(comandoDelTasto(chiave)); }

void FrmAvvio::eseguiPulsante(int indice) { esegui(comandoDelPulsante(indice)); }

void FrmAvvio::eseguiVoce(int k, const QString& testo)
{
    // A palette acts on its own grid, which becomes the active one: the status bar and the
    // next menu command follow the grid the student just used.
    const int codice = codiceDellaVoce(testo);
    if (codice == 0 || k < 1 || k > NumeroGriglie)
        return;
    s_.GrigliaAttiva = k;
    eseguiComando([&] { editor_.inserisci(k, codice); });
}

void FrmAvvio::esegui(Comando comando)
{
    Gestore gestore = nullptr;
    for (const VoceGestore& v : Gestori)
        if (v.azione == comando.azione)
            gestore = v.gestore;
    if (gestore == nullptr && comando.azione != Azione::Inserisci)
        return;

    eseguiComando([&] {
        if (comando.azione == Azione::Inserisci)
            editor_.inserisci(s_.GrigliaAttiva, comando.codice);
        else
            (this->*gestore)();
    });
}

void FrmAvvio::eseguiComando(const std::function<void()>& corpo)
{
    ++comandiInCorso_;
    corpo();
    --comandiInCorso_;
    ricordaProgramma();
    aggiorna();
    if (attivazioneInAttesa_ && comandiInCorso_ == 0)
        attivazione();
}

bool FrmAvvio::eventFilter(QObject* oggetto, QEvent* event)
{
    // Enter on a palette works like a double-click on its selected item.
    if (event->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(event);
        auto* lista = qobject_cast<QListWidget*>(oggetto);
        if (lista && (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)) {
            if (const QListWidgetItem* voce = lista->currentItem())
                eseguiVoce(lista->property("griglia").toInt(), voce->text());
            return true;
        }
        // F1 over an open menu: the help of the item under the pointer, the menus put away.
        if (tasto->key() == Qt::Key_F1 && qobject_cast<QMenu*>(oggetto)) {
            paginaDelMenu_ = paginaGuida();
            while (QWidget* aperto = QApplication::activePopupWidget())
                aperto->close();
            esegui({Azione::GuidaInLinea});
            paginaDelMenu_.reset();
            return true;
        }
    }
    return QMainWindow::eventFilter(oggetto, event);
}

// ---- commands ---------------------------------------------------------------------------------

void FrmAvvio::cmdNuovo()
{
    editor_.nuovo();
    if (s_.NumIstruzioni(1) == 0)
        esempio_.clear();  // no longer the sample's copy
}
void FrmAvvio::cmdApri() { esterno(esterni_.apri, ComandoAssente); }
void FrmAvvio::cmdSalva() { esterno(esterni_.salva, ComandoAssente); }
void FrmAvvio::cmdSalvaConNome() { esterno(esterni_.salvaConNome, ComandoAssente); }

void FrmAvvio::cmdChiudi()
{
    if (simulatore_ && !simulatore_->lasciaArena())
        return;
    if (!editor_.chiudi())
        return;
    chiusuraDecisa_ = true;
    close();
}

// Several selected rows go together; one row follows the single-row rules.
// The view's selection counts only while it holds the row the core has as current.
std::vector<int> FrmAvvio::righeScelte(int k) const
{
    const VistaGriglia* v = vista(k);
    std::vector<int> righe = v ? v->righeSelezionate() : std::vector<int>{};
    if (std::find(righe.begin(), righe.end(), s_.griglia(k).rigaCorrente()) == righe.end())
        righe.clear();
    return righe;
}

// Cut always works on the main grid.
void FrmAvvio::cmdTaglia()
{
    if (const auto righe = righeScelte(1); righe.size() > 1)
        editor_.tagliaRighe(1, righe);
    else
        editor_.taglia(1);
}

void FrmAvvio::cmdCopia()
{
    if (const auto righe = righeScelte(s_.GrigliaAttiva); righe.size() > 1)
        editor_.copiaRighe(s_.GrigliaAttiva, righe);
    else
        editor_.copia(s_.GrigliaAttiva);
}

void FrmAvvio::cmdIncolla() { editor_.incolla(s_.GrigliaAttiva); }

void FrmAvvio::cmdCancella()
{
    if (const auto righe = righeScelte(s_.GrigliaAttiva); righe.size() > 1)
        editor_.cancellaRighe(s_.GrigliaAttiva, righe);
    else
        editor_.cancella(s_.GrigliaAttiva);
}

void FrmAvvio::cmdAnnulla() { mostraGriglia(editor_.annulla()); }
void FrmAvvio::cmdRipeti() { mostraGriglia(editor_.ripeti()); }

// Undo and redo show the grid they changed.
void FrmAvvio::mostraGriglia(int k)
{
    if (k >= 2 && k <= NumeroGriglie)
        ssTab1_->setCurrentIndex(k - 2);
}

void FrmAvvio::rilascioIstruzione(int k, const QString& testo, int punto)
{
    const int codice = codiceDellaVoce(testo);
    if (codice != 0)
        eseguiComando([&] { editor_.inserisciIn(k, codice, punto); });
}

void FrmAvvio::rilascioRighe(int k, const std::vector<int>& righe, int punto)
{
    eseguiComando([&] { editor_.sposta(k, righe, punto); });
}

void FrmAvvio::cmdCancellaGriglia()
{
    FrmCancellaGriglia dialogo(editor_, this);
    connect(&dialogo, &FrmCancellaGriglia::griglieCancellate, this, &FrmAvvio::aggiorna);
    dialogo.exec();
}

void FrmAvvio::cmdCancellaTutto() { editor_.cancellaTutto(); }
void FrmAvvio::cmdCompilatore() { esterno(esterni_.compilatore, ComandoAssente); }
void FrmAvvio::cmdCompila() { esterno(esterni_.compila, ComandoAssente); }
void FrmAvvio::cmdProgrammatore() { esterno(esterni_.programmatore, ComandoAssente); }
void FrmAvvio::cmdTrasferisci() { esterno(esterni_.trasferisci, ComandoAssente); }

void FrmAvvio::cmdSimula()
{
    if (!simulatore_)
        simulatore_ = new FinestraSimulatore(editor_, *this);
    simulatore_->apri();
}

void FrmAvvio::cmdGuidaInLinea() { esterno(esterni_.guida, GuidaAssente); }
void FrmAvvio::cmdInformazioniSu() { esterno(esterni_.informazioni, ComandoAssente); }

void FrmAvvio::esterno(const std::function<void()>& comando, const QString& seManca)
{
    if (comando)
        comando();
    else
        editor_.interazione().mostra({seManca});
}

void FrmAvvio::mostraValore(Memoria memoria, int cella)
{
    editor_.interazione().mostra({QStringLiteral("Valore inserito: ") + s_.marca(memoria, cella), Icona::Nessuna,
                                  QStringLiteral("Valore inserito"), Pulsanti::Ok});
}

// ---- state on screen ------------------------------------------------------------------------

QString FrmAvvio::paginaGuida() const
{
    if (paginaDelMenu_)
        return *paginaDelMenu_;
    // An open menu: the item under the pointer, or the menu itself.
    if (const auto* menu = qobject_cast<const QMenu*>(QApplication::activePopupWidget())) {
        const QAction* voce = menu->activeAction();
        return paginaDellaVoce(voce ? voce->objectName() : QString(), menu->objectName());
    }
    const QWidget* fuoco = QApplication::focusWidget();
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const size_t i = static_cast<size_t>(k - 1);
        for (const QListWidget* tavolozza : {comuni_[i], salto_[i]})
            if (fuoco == tavolozza && tavolozza->currentItem())
                return paginaIstruzione(codiceDellaVoce(tavolozza->currentItem()->text()));
        if (fuoco == viste_[i]) {
            // Several rows are about editing; one row is about its instruction.
            if (righeScelte(k).size() > 1)
                return PaginaSelezione;
            const Griglia& g = s_.griglia(k);
            const QString pagina = paginaIstruzione(g.codice(g.rigaCorrente()));
            return pagina.isEmpty() ? PaginaModifica : pagina;
        }
    }
    return {};
}

void FrmAvvio::aggiorna()
{
    for (int k = 1; k <= NumeroGriglie; ++k) {
        modello(k)->aggiorna();
        vista(k)->mostraRigaCorrente(s_.griglia(k).rigaCorrente());
    }
    memoria_->aggiorna(s_);
    if (simulatore_)
        simulatore_->controllaProgramma();
    ssTab1_->setTabEnabled(NumeroGriglie - 2, s_.AuxAbilitata);
    // A mark on the handlers that hold instructions, so an opened program shows where it works.
    for (int k = 2; k <= NumeroGriglie; ++k) {
        const int n = s_.NumIstruzioni(k);
        if (ssTab1_->tabIcon(k - 2).isNull() == (n > 0))
            ssTab1_->setTabIcon(k - 2, n > 0 ? iconaUsata_ : QIcon());
        ssTab1_->setTabToolTip(k - 2, n > 0 ? QStringLiteral("Istruzioni nella griglia: %1").arg(n) : QString());
    }
    {
        const QSignalBlocker blocco(cmbPIC_);
        cmbPIC_->setCurrentIndex(cmbPIC_->findText(s_.Processore));
    }
    // One program name, and Qt's mark while it has unsaved changes.
    QString nome = QFileInfo(s_.PercorsoFile).fileName();
    nome.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));  // a literal "[*]" in the name
    setWindowTitle(nome.isEmpty() ? TitoloApplicazione + QStringLiteral("[*]")
                                  : QStringLiteral("%1 - %2[*]").arg(TitoloApplicazione, nome));
    setWindowModified(s_.Modificato);
    const bool annulla = editor_.puoAnnullare();
    const bool ripeti = editor_.puoRipetere();
    for (const auto& [azione, a] : azioniStoria_)
        a->setEnabled(azione == Azione::Annulla ? annulla : ripeti);
    grigliaAttiva_->setText(QStringLiteral("Griglia attiva: %1").arg(nomeGriglia(s_.GrigliaAttiva)));
}

// ---- activation and close ---------------------------------------------------------------------

void FrmAvvio::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || chiusuraDecisa_)
        return;
    // A dialog that closes in the middle of a command gives the activation back to the window:
    // the set-up waits until the command is over.
    attivazioneInAttesa_ = true;
    if (comandiInCorso_ == 0)
        QTimer::singleShot(0, this, [this] {
            if (attivazioneInAttesa_ && comandiInCorso_ == 0)
                attivazione();
        });
}

void FrmAvvio::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Without a window manager the window may never be activated: the start-up set-up
    // (settings file, compiler warning) must run all the same.
    if (maiAttivata_)
        QTimer::singleShot(0, this, [this] {
            if (maiAttivata_ && comandiInCorso_ == 0)
                attivazione();
        });
}

void FrmAvvio::attivazione()
{
    maiAttivata_ = false;
    attivazioneInAttesa_ = false;
    if (inAttivazione_ || !esterni_.attivazione)
        return;
    inAttivazione_ = true;
    const bool continua = esterni_.attivazione();
    inAttivazione_ = false;
    // Messages shown by the set-up give the activation back: that one is already served.
    attivazioneInAttesa_ = false;
    if (!continua) {
        chiusuraDecisa_ = true;
        close();
        QApplication::quit();
        return;
    }
    aggiorna();
}

void FrmAvvio::closeEvent(QCloseEvent* event)
{
    // An edited arena is asked about first, as the program is.
    if (!chiusuraDecisa_ && simulatore_ && !simulatore_->lasciaArena()) {
        event->ignore();
        return;
    }
    if (!chiusuraDecisa_) {
        chiusuraDecisa_ = editor_.chiusuraFinestra();
        aggiorna();  // a save may have named the file
    }
    if (chiusuraDecisa_)
        event->accept();
    else
        event->ignore();
}

}  // namespace kobaltino
