// The main window's printing, recent programs, usual shortcuts and parameter words.
#include "model/modifica_parametro.h"
#include "ui/frm_avvio.h"
#include "ui/stampa_programma.h"
#include "ui/vista_griglia.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include "ui/dati_stampa.h"
#include "ui/preferenze.h"

#include <QSettings>

namespace kobaltino {

namespace {

constexpr int MassimoRecenti = 6;
const QString ChiaveRecenti = QStringLiteral("programmiRecenti");
const QString ChiaveParole = QStringLiteral("mostraParametri");

// The usual keys, beside the ones the menu shows.
struct Scorciatoia {
    const char* chiave;
    const char* tasto;
};
const Scorciatoia Aggiunte[] = {
    {"KeyApri", "Ctrl+O"}, {"KeySalva", "Ctrl+S"}, {"KeySalvaConNome", "Ctrl+Shift+S"}};

QStringList recentiSalvati() { return preferenze().value(ChiaveRecenti).toStringList(); }

}  // namespace

void FrmAvvio::creaComandiAggiunti()
{
    for (const Scorciatoia& a : Aggiunte)
        if (auto* azione = findChild<QAction*>(QString::fromLatin1(a.chiave)))
            azione->setShortcuts({azione->shortcut(), QKeySequence(QString::fromLatin1(a.tasto))});

    menuFile_ = findChild<QMenu*>(QStringLiteral("keyFile"));
    QAction* chiudi = findChild<QAction*>(QStringLiteral("KeyChiudi"));
    const QList<QAction*> voci = menuFile_->actions();
    QAction* separatore = voci.at(voci.indexOf(chiudi) - 1);
    menuFile_->insertSeparator(separatore);
    struct VoceStampa {
        const char* chiave;
        const char* testo;
        const char* tasto;
        void (FrmAvvio::*comando)();
    };
    const VoceStampa stampa[] = {
        {"KeyAnteprimaDiStampa", "Anteprima di stampa...", nullptr, &FrmAvvio::cmdAnteprima},
        {"KeyStampa", "Stampa...", "Ctrl+P", &FrmAvvio::cmdStampa},
        {"KeyEsportaPdf", "Esporta PDF...", nullptr, &FrmAvvio::cmdEsportaPdf},
        {"KeyDatiStampa", "Nome e classe per la stampa...", nullptr, &FrmAvvio::cmdDatiStampa},
    };
    for (const VoceStampa& v : stampa) {
        auto* a = new QAction(QString::fromUtf8(v.testo), menuFile_);
        a->setObjectName(QString::fromLatin1(v.chiave));
        if (v.tasto)
            a->setShortcut(QKeySequence(QString::fromLatin1(v.tasto)));
        const auto comando = v.comando;
        connect(a, &QAction::triggered, this, [this, comando] { eseguiComando([&] { (this->*comando)(); }); });
        menuFile_->insertAction(separatore, a);
    }
    primaDiChiudi_ = menuFile_->insertSeparator(chiudi);
    mostraRecenti();

    auto* parole = new QAction(QStringLiteral("Mostra parametri"), this);
    parole->setObjectName(QStringLiteral("KeyMostraParametri"));
    parole->setCheckable(true);
    parole->setToolTip(QStringLiteral("Mostra accanto a ogni icona il suo parametro in parole"));
    findChild<QMenu*>(QStringLiteral("KeyStrumenti"))->addAction(parole);
    parole->setChecked(preferenze().value(ChiaveParole, true).toBool());
    connect(parole, &QAction::toggled, this, [this](bool mostra) {
        preferenze().setValue(ChiaveParole, mostra);
        mostraParole(mostra);
    });
}

void FrmAvvio::mostraParole(bool mostra)
{
    for (VistaGriglia* v : viste_)
        if (v)
            v->mostraParole(mostra);
}

void FrmAvvio::cmdModificaRiga(int k, int riga)
{
    eseguiComando([&] { modificaRiga(editor_, k, riga); });
}

// ---- printing ---------------------------------------------------------------------------------

// The header of a printout now; the first printout asks for the student's name and class.
std::optional<IntestazioneStampa> FrmAvvio::intestazioneStampa()
{
    const std::optional<DatiStudente> studente = datiPerLaStampa(this, false);
    if (!studente)
        return std::nullopt;
    IntestazioneStampa intestazione = intestazioneDi(s_, QDateTime::currentDateTime());
    intestazione.nome = studente->nome;
    intestazione.classe = studente->classe;
    return intestazione;
}

void FrmAvvio::cmdDatiStampa() { datiPerLaStampa(this, true); }

void FrmAvvio::cmdAnteprima()
{
    const std::optional<IntestazioneStampa> intestazione = intestazioneStampa();
    if (!intestazione)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(true);
    QPrintPreviewDialog anteprima(&stampante, this);
    anteprima.setObjectName(QStringLiteral("frmAnteprima"));
    anteprima.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    connect(&anteprima, &QPrintPreviewDialog::paintRequested, this,
            [this, intestazione](QPrinter* p) { disegnaProgramma(s_, *p, *intestazione); });
    anteprima.exec();
}

void FrmAvvio::cmdStampa()
{
    const std::optional<IntestazioneStampa> intestazione = intestazioneStampa();
    if (!intestazione)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(true);
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    if (dialogo.exec() == QDialog::Accepted)
        disegnaProgramma(s_, stampante, *intestazione);
}

void FrmAvvio::cmdEsportaPdf()
{
    const std::optional<IntestazioneStampa> scelta = intestazioneStampa();
    if (!scelta)
        return;
    const IntestazioneStampa& intestazione = *scelta;
    RichiestaFile richiesta;
    richiesta.tipo = RichiestaFile::Salva;
    richiesta.filtri = {QStringLiteral("PDF (*.pdf)")};
    richiesta.cartella = QFileInfo(s_.PercorsoFile).absolutePath();
    richiesta.nome = intestazione.programma + QStringLiteral(".pdf");
    QString percorso = editor_.interazione().scegliFile(richiesta);
    if (percorso.isEmpty())
        return;
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QStringLiteral(".pdf");
    if (!esportaPdf(s_, intestazione, percorso))
        editor_.interazione().mostra({QStringLiteral("Impossibile scrivere il file:") + CrLf + percorso, Icona::Critica});
}

// ---- recent programs --------------------------------------------------------------------------

void FrmAvvio::ricordaProgramma()
{
    if (s_.PercorsoFile.isEmpty() || s_.PercorsoFile == ultimoRicordato_)
        return;
    ultimoRicordato_ = s_.PercorsoFile;
    QStringList elenco = recentiSalvati();
    elenco.removeAll(s_.PercorsoFile);
    elenco.prepend(s_.PercorsoFile);
    preferenze().setValue(ChiaveRecenti, elenco.mid(0, MassimoRecenti));
    mostraRecenti();
}

void FrmAvvio::mostraRecenti()
{
    qDeleteAll(recenti_);
    recenti_.clear();
    const QStringList elenco = recentiSalvati();
    for (qsizetype i = 0; i < elenco.size() && i < MassimoRecenti; ++i) {
        const QString percorso = elenco[i];
        // A long path is shortened in the middle, its whole text in the tooltip; a "&" in it is
        // shown, not taken as a shortcut letter.
        QString mostrato = fontMetrics().elidedText(percorso, Qt::ElideMiddle, fontMetrics().averageCharWidth() * 60);
        mostrato.replace(u'&', QStringLiteral("&&"));
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(mostrato), menuFile_);
        a->setToolTip(percorso);
        a->setObjectName(QStringLiteral("KeyRecente%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, percorso] { apriRecente(percorso); });
        menuFile_->insertAction(primaDiChiudi_, a);
        recenti_.append(a);
    }
    primaDiChiudi_->setVisible(!recenti_.isEmpty());
    menuFile_->setToolTipsVisible(true);
}

void FrmAvvio::apriRecente(const QString& percorso)
{
    if (!esterni_.apriFile)
        return;
    eseguiComando([&] { esterni_.apriFile(percorso); });
    // A program that is gone leaves the list once its error has been shown.
    if (!QFileInfo::exists(percorso)) {
        QStringList elenco = recentiSalvati();
        elenco.removeAll(percorso);
        preferenze().setValue(ChiaveRecenti, elenco);
        mostraRecenti();
    }
}

}  // namespace kobaltino
