#include "ui/finestra_simulatore.h"

#include "codegen/assemblatore.h"
#include "codegen/compilatore.h"
#include "model/catalogo.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"
#include "ui/esempi.h"
#include "ui/finestra_guida.h"
#include "ui/frm_avvio.h"
#include "ui/linea_tempo.h"
#include "ui/modello_griglia.h"
#include "ui/pannello_ingressi.h"
#include "ui/pannello_memoria_sim.h"
#include "ui/vista_arena.h"
#include "ui/vista_griglia.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace kobaltino {

namespace {

constexpr int IntervalloFotogrammiMs = 33;  // about 30 frames a second, whatever the speed
const QString FiltroArena = QStringLiteral("Arena (*.json)");
const QString ArenaIniziale = QStringLiteral("vuota");
const QString DomandaSalvareArena =
    QStringLiteral("L'arena è stata modificata e non è stata salvata.") + CrLf + QStringLiteral("Salvare adesso?");

bool eFileArena(const QString& chiave) { return !nomiArenePredefinite().contains(chiave) && chiave != NessunaArena; }

// "Stanza vuota" -> "stanza_vuota.json": the arena's name as a file name.
QString nomeFileArena(const QString& nome)
{
    QString file;
    for (const QChar c : nome.trimmed().toLower())
        if (c.isSpace())
            file += QLatin1Char('_');
        else if (!QStringLiteral("/\\:*?\"<>|").contains(c))
            file += c;
    return (file.isEmpty() ? QStringLiteral("arena") : file) + QStringLiteral(".json");
}

// The editing tools: object name, text, tool tip.
struct VoceStrumento {
    Strumento strumento;
    const char* nome;
    const char* testo;
    const char* suggerimento;
};
const VoceStrumento Strumenti[] = {
    {Strumento::Seleziona, "strSeleziona", "Sposta",
     "Trascinare il robot, la sua freccia, muri, scatole, lampade e linee; sul pavimento vuoto sposta la vista"},
    {Strumento::Muro, "strMuro", "Muro", "Trascinare per tracciare un muro"},
    {Strumento::Scatola, "strScatola", "Scatola", "Trascinare per disegnare una scatola"},
    {Strumento::Lampada, "strLampada", "Lampada", "Fare click per mettere una lampada"},
    {Strumento::Linea, "strLinea", "Linea nera",
     "Fare click su ogni punto della linea; doppio click (o Invio) per finirla"},
    {Strumento::ZonaObiettivo, "strZona", "Zona obiettivo", "Trascinare per disegnare una zona da raggiungere"},
    {Strumento::Cancella, "strCancella", "Elimina", "Fare click su una cosa per toglierla"},
};

QString descriviRiga(Origine o)
{
    if (o.griglia < 1 || o.riga < 0)
        return QStringLiteral("nessuna riga del programma");
    return nomeGriglia(o.griglia) + QStringLiteral(", riga %1").arg(o.riga);
}

}  // namespace

FinestraSimulatore::FinestraSimulatore(Editor& editor, FrmAvvio& principale)
    : QMainWindow(&principale, Qt::Window), editor_(editor), principale_(principale)
{
    setObjectName(QStringLiteral("frmSimulatore"));
    setWindowTitle(QStringLiteral("Simulatore"));
    creaComandi();
    creaStrumentiArena();
    setCentralWidget(creaCentro());
    stato_ = new QLabel;
    stato_->setObjectName(QStringLiteral("statoSimulazione"));
    stato_->setWordWrap(true);  // a narrow window shows the whole reason on two lines
    statusBar()->addWidget(stato_, 1);
    creaSfida();

    connect(&simulazione_, &Simulazione::cambiata, this, &FinestraSimulatore::ridisegna);
    connect(&simulazione_, &Simulazione::avanzata, this, [this] { daRidisegnare_ = true; });
    connect(&simulazione_, &Simulazione::statoCambiato, this, &FinestraSimulatore::statoCambiato);
    fotogrammi_ = new QTimer(this);
    connect(fotogrammi_, &QTimer::timeout, this, [this] {
        if (daRidisegnare_)
            ridisegna();
    });
    fotogrammi_->start(IntervalloFotogrammiMs);
    connect(principale_.processore(), &QComboBox::currentTextChanged, this, [this] { controllaProgramma(); });

    scegliArena(ArenaIniziale);
    statoCambiato(false);
}

// The main window goes first: its grids are not touched any more.
FinestraSimulatore::~FinestraSimulatore() = default;

// ---- building ---------------------------------------------------------------------------------

void FinestraSimulatore::creaComandi()
{
    QToolBar* barra = addToolBar(QStringLiteral("Simulazione"));
    barra->setObjectName(QStringLiteral("barraSimulazione"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    struct Voce {
        const char* nome;
        const char* testo;
        const char* tasto;
        const char* suggerimento;
        void (FinestraSimulatore::*comando)();
    };
    const Voce voci[] = {
        {"azAvvia", "Avvia", "F5", "Avvia o mette in pausa la simulazione (F5)", &FinestraSimulatore::avvia},
        {"azPasso", "Passo", "F10", "Esegue una riga del programma (F10)", &FinestraSimulatore::passo},
        {"azRicomincia", "Ricomincia", "Ctrl+R", "Riporta il robot alla partenza e riaccende il processore (Ctrl+R)",
         &FinestraSimulatore::ricomincia},
    };
    for (const Voce& v : voci) {
        QAction* a = barra->addAction(QString::fromUtf8(v.testo));
        a->setObjectName(QString::fromLatin1(v.nome));
        a->setShortcut(QKeySequence(QString::fromLatin1(v.tasto)));
        a->setToolTip(QString::fromUtf8(v.suggerimento));
        const auto comando = v.comando;
        connect(a, &QAction::triggered, this, [this, comando] { (this->*comando)(); });
    }
    barra->addSeparator();

    auto* etichettaVelocita = new QLabel(QStringLiteral(" Velocità: "));
    velocita_ = new QComboBox;
    velocita_->setObjectName(QStringLiteral("cmbVelocita"));
    for (const VoceVelocita& v : velocita())
        velocita_->addItem(QString::fromUtf8(v.testo), static_cast<int>(v.velocita));
    velocita_->setCurrentIndex(velocita_->findData(static_cast<int>(Velocita::Reale)));
    connect(velocita_, &QComboBox::currentIndexChanged, this, [this] {
        simulazione_.impostaVelocita(static_cast<Velocita>(velocita_->currentData().toInt()));
    });
    barra->addWidget(etichettaVelocita);
    barra->addWidget(velocita_);
    barra->addSeparator();

    auto* etichettaArena = new QLabel(QStringLiteral(" Arena: "));
    arene_ = new QComboBox;
    arene_->setObjectName(QStringLiteral("cmbArena"));
    arene_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const QString& nome : nomiArenePredefinite())
        aggiungiVoceArena(arenaPredefinita(nome)->nome, nome);
    aggiungiVoceArena(QStringLiteral("Nessuna (senza mondo)"), NessunaArena);
    connect(arene_, &QComboBox::activated, this, [this](int i) { scegliArena(arene_->itemData(i).toString()); });
    barra->addWidget(etichettaArena);
    barra->addWidget(arene_);

    auto* guidaAz = new QAction(QStringLiteral("Guida"), this);
    guidaAz->setShortcut(QKeySequence(QStringLiteral("F1")));
    connect(guidaAz, &QAction::triggered, this, [this] { mostraGuida(this, QStringLiteral("simulatore.html")); });
    addAction(guidaAz);
}

void FinestraSimulatore::creaStrumentiArena()
{
    addToolBarBreak();
    QToolBar* barra = addToolBar(QStringLiteral("Arena"));
    barra->setObjectName(QStringLiteral("barraArena"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    strumenti_ = new QActionGroup(this);
    strumenti_->setExclusive(true);
    for (const VoceStrumento& v : Strumenti) {
        QAction* a = barra->addAction(QString::fromUtf8(v.testo));
        a->setObjectName(QString::fromLatin1(v.nome));
        a->setToolTip(QString::fromUtf8(v.suggerimento));
        a->setCheckable(true);
        a->setChecked(v.strumento == Strumento::Seleziona);
        strumenti_->addAction(a);
        const Strumento s = v.strumento;
        connect(a, &QAction::triggered, this, [this, s] { vista_->impostaStrumento(s); });
    }
    barra->addSeparator();
    const struct {
        const char* nome;
        const char* testo;
        const char* suggerimento;
    } comandi[] = {
        {"azApriArena", "Apri arena...", "Apre un file di arena"},
        {"azSalvaArena", "Salva arena...", "Salva l'arena in un file"},
        {"azAdatta", "Adatta vista", "Mostra tutta l'arena"},
    };
    for (const auto& c : comandi) {
        QAction* a = barra->addAction(QString::fromUtf8(c.testo));
        a->setObjectName(QString::fromLatin1(c.nome));
        a->setToolTip(QString::fromUtf8(c.suggerimento));
    }
    connect(azione(QStringLiteral("azApriArena")), &QAction::triggered, this, [this] { apriArena(); });
    connect(azione(QStringLiteral("azSalvaArena")), &QAction::triggered, this, [this] { salvaArena(); });
    connect(azione(QStringLiteral("azAdatta")), &QAction::triggered, this, [this] { vista_->adatta(); });
}

QWidget* FinestraSimulatore::creaCentro()
{
    auto* divisore = new QSplitter(Qt::Horizontal);
    auto* sinistra = new QWidget;
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);
    vista_ = new VistaArena;
    connect(vista_, &VistaArena::arenaModificata, this, &FinestraSimulatore::arenaCambiata);
    tempo_ = new LineaTempo;
    connect(tempo_, &LineaTempo::momentoScelto, this, [this](uint64_t ciclo) {
        if (pronta())
            simulazione_.vaiA(ciclo);
    });
    ingressi_ = new PannelloIngressi;
    connect(ingressi_, &PannelloIngressi::forzaRichiesta, this,
            [this](int ingresso, std::optional<bool> livello) { simulazione_.forza(ingresso, livello); });
    colonna->addWidget(vista_, 1);
    colonna->addWidget(tempo_);
    colonna->addWidget(ingressi_);
    divisore->addWidget(sinistra);

    auto* destra = new QWidget;
    auto* pannelli = new QVBoxLayout(destra);
    pannelli->setContentsMargins(0, 0, 0, 0);
    memoria_ = new PannelloMemoriaSim;
    pannelli->addWidget(memoria_, 1);
    divisore->addWidget(destra);
    divisore->setStretchFactor(0, 1);
    divisore->setStretchFactor(1, 0);
    // A window narrower than its panels (a small screen) scrolls them instead of cutting them.
    auto* scorrimento = new QScrollArea;
    scorrimento->setObjectName(QStringLiteral("scorrimentoSimulatore"));
    scorrimento->setWidgetResizable(true);
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setWidget(divisore);
    return scorrimento;
}

void FinestraSimulatore::aggiungiVoceArena(const QString& testo, const QString& chiave)
{
    const int esistente = arene_->findData(chiave);
    if (esistente >= 0) {
        arene_->setCurrentIndex(esistente);
        return;
    }
    arene_->addItem(testo, chiave);
    arene_->setCurrentIndex(arene_->count() - 1);
}

QAction* FinestraSimulatore::azione(const QString& nome) const { return findChild<QAction*>(nome); }

// ---- compiling --------------------------------------------------------------------------------

QString FinestraSimulatore::impronta() const
{
    const Stato& s = editor_.stato();
    return s.Processore + QLatin1Char('\n') + QString::fromLatin1(testoProgramma(s).toBase64());
}

bool FinestraSimulatore::compila()
{
    simulazione_.pausa();
    Stato& s = editor_.stato();
    Interazione& ui = editor_.interazione();
    // Simulating writes nothing beside the program: an unsaved program runs too.
    Compilatore compilatore(s, ui);
    const std::optional<Generazione> g = compilatore.genera(false);
    if (!g)
        return false;
    QString gpasm = s.PercorsoCompilatore;
    if (!eGpasm(gpasm))
        gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    if (gpasm.isEmpty()) {
        ui.mostra({QStringLiteral("Per simulare il programma serve il compilatore gpasm.") + CrLf
                       + QStringLiteral("Inserire il percorso di gpasm dal menù strumenti"),
                   Icona::Informazione, QStringLiteral("ATTENZIONE")});
        return false;
    }
    stato_->setText(QStringLiteral("Compilazione per il %1...").arg(s.Processore));
    const EsitoAssemblaggio esito = assemblaPerSimulare(g->sorgente, s.Processore, gpasm);
    if (!esito.problema.isEmpty()) {
        ui.mostra({esito.problema, Icona::Critica, QStringLiteral("ATTENZIONE")});
        return false;
    }
    if (!esito.programma) {
        ui.mostra(Compilatore::messaggioErrori(esito.errori, g->sorgente, 1));
        return false;
    }
    improntaCompilata_ = impronta();
    daRicompilare_ = false;
    simulazione_.carica(*esito.programma, arena_);
    return true;
}

bool FinestraSimulatore::pronta()
{
    if (simulazione_.caricata() && !daRicompilare_ && improntaCompilata_ == impronta())
        return true;
    return compila();
}

void FinestraSimulatore::controllaProgramma()
{
    if (isVisible())
        seguiProgramma();
    if (!simulazione_.caricata() || daRicompilare_ || improntaCompilata_ == impronta())
        return;
    // The run belongs to the program as it was: it stops, and its rows are no longer these.
    daRicompilare_ = true;
    simulazione_.pausa();
    ridisegna();
}

// ---- commands ---------------------------------------------------------------------------------

bool FinestraSimulatore::apri()
{
    if (!isVisible()) {
        affianca();
        show();
    }
    raise();
    activateWindow();
    seguiProgramma();
    return pronta();
}

// Beside the main window, on the right of the screen. Where the two do not fit side by side (a
// 1366 x 768 laptop) the main window gives up the right part, down to what its grids need.
void FinestraSimulatore::affianca()
{
    const QScreen* schermo = principale_.screen();
    if (schermo == nullptr)
        return;
    const QRect area = schermo->availableGeometry();
    const int cornice = principale_.frameGeometry().width() - principale_.width();
    int larghezza = std::min(area.width() * 5 / 8, 1100);
    const int altezza = std::min(area.height() - 40, 760);
    if (principale_.frameGeometry().right() > area.right() - larghezza) {
        // Narrower, never wider: a main window already at its smallest stays as it is.
        const int principale = std::min(principale_.frameGeometry().width(),
                                        std::max(area.width() - larghezza, principale_.minimumSizeHint().width() + cornice));
        larghezza = area.width() - principale;
        const QRect g = principale_.geometry();
        principalePrima_ = g;
        principale_.setGeometry(area.left() + (g.left() - principale_.frameGeometry().left()), g.top(),
                                principale - cornice, g.height());
        principaleStretta_ = principale_.geometry();
    }
    setGeometry(area.right() + 1 - larghezza + cornice / 2, area.top() + 30, larghezza - cornice, altezza);
}

// A program brings the arena it last ran in (a sample its own); one never run keeps the arena shown.
void FinestraSimulatore::seguiProgramma()
{
    const QString programma = principale_.programmaDiArena();
    if (programma == programmaSeguito_)
        return;
    // Set first: the question about an edited arena lets other events run meanwhile.
    programmaSeguito_ = programma;
    const QString arena = arenaDelProgramma(programma);
    if (!arena.isEmpty() && arena != chiaveArena_ && !(eFileArena(arena) && !QFileInfo::exists(arena)))
        scegliArena(arena);  // an edited arena is still saved beside the program it was made for
    programmaArena_ = programma;
}

void FinestraSimulatore::ricordaArenaDelProgramma()
{
    const QString& programma = editor_.stato().PercorsoFile;
    if (programma.isEmpty())
        return;
    programmaSeguito_ = programmaArena_ = programma;
    ricordaArena(programma, chiaveArena_);
}

void FinestraSimulatore::avvia()
{
    if (simulazione_.inCorso()) {
        simulazione_.pausa();
        return;
    }
    if (pronta()) {
        ricordaArenaDelProgramma();
        simulazione_.avvia();
    }
}

void FinestraSimulatore::passo()
{
    if (pronta()) {
        ricordaArenaDelProgramma();
        simulazione_.passo();
    }
}

void FinestraSimulatore::ricomincia()
{
    if (simulazione_.caricata() && !daRicompilare_ && improntaCompilata_ == impronta())
        simulazione_.ricomincia();
    else
        compila();
}

void FinestraSimulatore::scegliArena(const QString& chiave)
{
    if (!lasciaArena()) {
        arene_->setCurrentIndex(arene_->findData(chiaveArena_));
        return;
    }
    bool senzaMondo = false;
    QString errore;
    std::optional<Arena> arena = caricaArena(chiave, &senzaMondo, &errore);
    if (!arena && !senzaMondo) {
        avviso(errore);
        // The list goes back to the arena still in use.
        arene_->setCurrentIndex(arene_->findData(chiaveArena_));
        return;
    }
    arena_ = arena;
    chiaveArena_ = chiave;
    arenaModificata_ = false;
    sfidaPerArena(chiave);
    vista_->impostaArena(arena_);
    vista_->adatta();
    if (eFileArena(chiave))
        aggiungiVoceArena(QFileInfo(chiave).fileName(), chiave);
    else
        arene_->setCurrentIndex(arene_->findData(chiave));
    simulazione_.cambiaArena(arena_);
}

void FinestraSimulatore::impostaVelocita(const QString& testo)
{
    const QStringList nomi = {QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("16"),
                              QStringLiteral("max")};
    const int i = static_cast<int>(nomi.indexOf(testo.toLower()));
    if (i >= 0)
        velocita_->setCurrentIndex(i);
}

void FinestraSimulatore::arenaCambiata(const Arena& arena)
{
    // The world changed under the robot: the run starts over in the new one.
    arena_ = arena;
    arenaModificata_ = true;
    simulazione_.cambiaArena(arena_);
}

bool FinestraSimulatore::lasciaArena()
{
    if (!arenaModificata_)
        return true;
    const Risposta r = editor_.interazione().mostra(
        {DomandaSalvareArena, Icona::Informazione, QStringLiteral("Attenzione"), Pulsanti::SiNoAnnulla});
    if (r == Risposta::Annulla)
        return false;
    if (r == Risposta::Si)
        return salvaArena();
    arenaModificata_ = false;
    return true;
}

// Beside the program (else beside the arena's own file), named as the arena's file or after the arena.
QString FinestraSimulatore::fileArenaProposto() const
{
    QString programma = programmaArena_.isEmpty() ? editor_.stato().PercorsoFile : programmaArena_;
    if (programma.startsWith(QLatin1Char(':')))
        programma.clear();  // a sample inside the program
    const bool daFile = eFileArena(chiaveArena_);
    const QString cartella = !programma.isEmpty() ? QFileInfo(programma).absolutePath()
                             : daFile            ? QFileInfo(chiaveArena_).absolutePath()
                                                 : QDir::homePath();
    return QDir(cartella).filePath(daFile ? QFileInfo(chiaveArena_).fileName() : nomeFileArena(arena_->nome));
}

bool FinestraSimulatore::apriArena()
{
    if (!lasciaArena())
        return false;
    const QString& programma = editor_.stato().PercorsoFile;
    const QString cartella = programma.isEmpty() ? QString() : QFileInfo(programma).absolutePath();
    const QString percorso =
        editor_.interazione().scegliFile({RichiestaFile::Apri, {FiltroArena}, cartella, QString()});
    if (percorso.isEmpty())
        return false;
    scegliArena(percorso);
    return arena_.has_value() && arene_->currentData().toString() == percorso;
}

bool FinestraSimulatore::salvaArena()
{
    if (!arena_) {
        avviso(QStringLiteral("Non c'è un'arena da salvare: scegliere prima un'arena."));
        return false;
    }
    const QFileInfo proposto(fileArenaProposto());
    QString percorso = editor_.interazione().scegliFile(
        {RichiestaFile::Salva, {FiltroArena}, proposto.absolutePath(), proposto.fileName()});
    if (percorso.isEmpty())
        return false;
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QStringLiteral(".json");
    QSaveFile file(percorso);
    const QByteArray testo = scriviArena(*arena_);
    if (!file.open(QIODevice::WriteOnly) || file.write(testo) != testo.size() || !file.commit()) {
        avviso(QStringLiteral("Impossibile scrivere il file:") + CrLf + percorso);
        return false;
    }
    // From now on the arena is that file, listed by its name.
    chiaveArena_ = percorso;
    arenaModificata_ = false;
    aggiungiVoceArena(QFileInfo(percorso).fileName(), percorso);
    return true;
}

void FinestraSimulatore::avviso(const QString& testo)
{
    editor_.interazione().mostra({testo, Icona::Critica, QStringLiteral("ATTENZIONE")});
}

// ---- showing the run --------------------------------------------------------------------------

void FinestraSimulatore::statoCambiato(bool inCorso)
{
    QAction* a = azione(QStringLiteral("azAvvia"));
    a->setText(inCorso ? QStringLiteral("Pausa") : QStringLiteral("Avvia"));
    ridisegna();
}

void FinestraSimulatore::ridisegna()
{
    daRidisegnare_ = false;
    const Sessione* s = simulazione_.sessione();
    if (s == nullptr) {
        vista_->nascondiRobot();
        memoria_->svuota();
        ingressi_->mostra({}, {});
        tempo_->mostra(0, 0);
        mostraRiga({});
        stato_->setText(QStringLiteral("Il programma non è compilato: «Avvia» lo compila."));
        return;
    }
    const Fotografia f = s->fotografia();
    vista_->mostra(f, s->traccia());
    ingressi_->mostra(f.ingressi, f.forzati);
    memoria_->mostra(f);
    tempo_->mostra(f.cicli, s->cicliRegistrati());
    if (daRicompilare_) {
        mostraRiga({});
        stato_->setText(QStringLiteral("Il programma è cambiato: «Avvia» lo ricompila."));
        return;
    }
    mostraRiga(f.riga);
    const QString urti = QStringLiteral(" — urti: %1").arg(f.robot.urti);
    if (s->finita()) {
        stato_->setText(testoFine(*s->fine()) + urti);
        return;
    }
    stato_->setText((simulazione_.inCorso() ? QStringLiteral("In corsa") : QStringLiteral("In pausa"))
                    + QStringLiteral(" — ") + descriviRiga(f.riga) + urti);
}

void FinestraSimulatore::mostraRiga(Origine riga)
{
    if (riga == rigaMostrata_)
        return;
    if (ModelloGriglia* vecchio = principale_.modello(rigaMostrata_.griglia))
        vecchio->evidenzia(-1);
    rigaMostrata_ = riga;
    if (riga.griglia < 1 || riga.riga < 0)
        return;
    principale_.modello(riga.griglia)->evidenzia(riga.riga);
    // Inside a handler, its tab comes to the front.
    if (riga.griglia >= 2)
        principale_.schede()->setCurrentIndex(riga.griglia - 2);
    VistaGriglia* vista = principale_.vista(riga.griglia);
    vista->scrollTo(vista->model()->index(riga.riga, ColCodice));
}

void FinestraSimulatore::closeEvent(QCloseEvent* event)
{
    const bool modificata = arenaModificata_;
    if (!lasciaArena()) {
        event->ignore();
        return;
    }
    // Edits turned down go: the arena comes back as it was chosen.
    if (modificata)
        scegliArena(chiaveArena_);
    simulazione_.pausa();
    mostraRiga({});
    if (principalePrima_.isValid() && principale_.geometry() == principaleStretta_)
        principale_.setGeometry(principalePrima_);
    principalePrima_ = principaleStretta_ = {};
    QMainWindow::closeEvent(event);
}

}  // namespace kobaltino
