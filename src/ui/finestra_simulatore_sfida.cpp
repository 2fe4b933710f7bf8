// The simulator window's challenge: "Sfida..." opens one, the panel follows its goals while the
// robot runs, and the arena editor saves an arena with its goal zones as a challenge.
#include "ui/finestra_simulatore.h"

#include "model/editor.h"
#include "ui/frm_avvio.h"
#include "ui/pannello_sfida.h"
#include "ui/vista_arena.h"

#include <QComboBox>
#include <QDockWidget>
#include <QInputDialog>
#include <QSaveFile>
#include <QToolBar>

namespace kobaltino {

namespace {

const QString FiltroSfida = QStringLiteral("Sfida (*.sfida)");
const QString DaFile = QStringLiteral("Da un file...");

}  // namespace

void FinestraSimulatore::creaSfida()
{
    sfida_ = new PannelloSfida;
    auto* riquadro = new QDockWidget(QStringLiteral("Sfida"), this);
    riquadro->setObjectName(QStringLiteral("riquadroSfida"));
    riquadro->setWidget(sfida_);
    addDockWidget(Qt::RightDockWidgetArea, riquadro);
    riquadro->hide();

    QAction* apri = findChild<QToolBar*>(QStringLiteral("barraSimulazione"))->addAction(QStringLiteral("Sfida..."));
    apri->setObjectName(QStringLiteral("azSfida"));
    apri->setToolTip(QStringLiteral("Apre una sfida: la sua arena e gli obiettivi da raggiungere"));
    connect(apri, &QAction::triggered, this, &FinestraSimulatore::chiediSfida);
    QAction* salva = findChild<QToolBar*>(QStringLiteral("barraArena"))->addAction(QStringLiteral("Salva come sfida..."));
    salva->setObjectName(QStringLiteral("azSalvaSfida"));
    salva->setToolTip(QStringLiteral("Salva l'arena e le sue zone obiettivo in un file di sfida"));
    connect(salva, &QAction::triggered, this, [this] { salvaSfida(); });

    // The goals watch every new world step; the result stops the run.
    simulazione_.osservaPassi([this](const Sessione& s) { sfida_->osserva(s); });
    const auto aggiorna = [this] {
        if (const Sessione* s = simulazione_.sessione(); s && s->finita())
            sfida_->concludi(*s);
        if (sfida_->aggiorna())
            simulazione_.pausa();
    };
    connect(&simulazione_, &Simulazione::cambiata, this, [this, aggiorna] {
        const Sessione* s = simulazione_.sessione();
        if (s && s->cicliRegistrati() == 0)
            sfida_->nuovaCorsa();
        aggiorna();
    });
    connect(&simulazione_, &Simulazione::avanzata, this, aggiorna);
}

void FinestraSimulatore::chiediSfida()
{
    bool ok = false;
    const QString scelta = QInputDialog::getItem(this, QStringLiteral("Sfida"), QStringLiteral("Quale sfida?"),
                                                 nomiSfidePredefinite() << DaFile, 0, false, &ok);
    if (!ok)
        return;
    if (scelta != DaFile) {
        apriSfida(scelta);
        return;
    }
    const QString percorso = editor_.interazione().scegliFile({RichiestaFile::Apri, {FiltroSfida}, QString(), QString()});
    if (!percorso.isEmpty())
        apriSfida(percorso);
}

// The challenge and its zones belong to their arena: another one takes them away.
void FinestraSimulatore::sfidaPerArena(const QString& chiave)
{
    if (const std::optional<Sfida>& sfida = sfida_->sfida(); sfida && sfida->nomeArena == chiave)
        return;
    sfida_->togliSfida();
    vista_->impostaZone({});
}

bool FinestraSimulatore::apriSfida(const QString& nome)
{
    QString errore;
    const std::optional<Sfida> s = caricaSfida(nome, &errore);
    if (!s) {
        avviso(errore);
        return false;
    }
    if (!s->nomeArena.isEmpty()) {
        scegliArena(s->nomeArena);
    } else {
        if (!lasciaArena())
            return false;
        arena_ = s->arena;
        arenaModificata_ = false;
        vista_->impostaArena(arena_);
        vista_->adatta();
        simulazione_.cambiaArena(arena_);
    }
    principale_.processore()->setCurrentText(s->processore);
    std::vector<Zona> zone;
    for (const Obiettivo& o : s->obiettivi)
        if (o.zona)
            zone.push_back(*o.zona);
    vista_->impostaZone(zone);
    sfida_->impostaSfida(*s);
    findChild<QDockWidget*>(QStringLiteral("riquadroSfida"))->show();
    return true;
}

bool FinestraSimulatore::salvaSfida()
{
    if (!arena_) {
        avviso(QStringLiteral("Non c'è un'arena da salvare: scegliere prima un'arena."));
        return false;
    }
    // The challenge open now keeps its goals but those whose zone was erased; each zone drawn and
    // not yet a goal becomes one.
    Sfida s = sfida_->sfida().value_or(Sfida{});
    const std::vector<Zona>& disegnate = vista_->zone();
    std::erase_if(s.obiettivi, [&](const Obiettivo& o) {
        return o.zona && std::find(disegnate.begin(), disegnate.end(), *o.zona) == disegnate.end();
    });
    if (s.titolo.isEmpty())
        s.titolo = arena_->nome.isEmpty() ? QStringLiteral("Sfida") : arena_->nome;
    s.nomeArena.clear();
    s.arena = *arena_;
    for (const Zona& z : disegnate) {
        const bool giaObiettivo = std::any_of(s.obiettivi.begin(), s.obiettivi.end(),
                                              [&z](const Obiettivo& o) { return o.zona == z; });
        if (!giaObiettivo)
            s.obiettivi.push_back({QStringLiteral("raggiungi"), 1, {}, {}, z});
    }
    if (s.obiettivi.empty()) {
        avviso(QStringLiteral("Una sfida ha bisogno di almeno un obiettivo: disegnare una zona con «Zona obiettivo»."));
        return false;
    }
    const QString percorso =
        editor_.interazione().scegliFile({RichiestaFile::Salva, {FiltroSfida}, QString(), QStringLiteral("sfida.sfida")});
    if (percorso.isEmpty())
        return false;
    QSaveFile file(percorso);
    const QByteArray testo = scriviSfida(s);
    if (!file.open(QIODevice::WriteOnly) || file.write(testo) != testo.size() || !file.commit()) {
        avviso(QStringLiteral("Impossibile scrivere il file:") + CrLf + percorso);
        return false;
    }
    return true;
}

}  // namespace kobaltino
