#include "ui/pannello_sfida.h"

#include "sim/sessione.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kobaltino {

namespace {

struct VoceDecisione {
    Decisione decisione;
    const char* testo;
    QColor colore;
};

const VoceDecisione Decisioni[] = {
    {Decisione::Aperto, "aperto", QColor(90, 90, 90)},
    {Decisione::Superato, "superato", QColor(27, 94, 32)},
    {Decisione::Fallito, "fallito", QColor(183, 28, 28)},
};

}  // namespace

PannelloSfida::PannelloSfida(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pannelloSfida"));
    auto* colonna = new QVBoxLayout(this);
    titolo_ = new QLabel;
    titolo_->setObjectName(QStringLiteral("lblTitoloSfida"));
    QFont grassetto = titolo_->font();
    grassetto.setBold(true);
    titolo_->setFont(grassetto);
    testo_ = new QLabel;
    testo_->setObjectName(QStringLiteral("lblTestoSfida"));
    testo_->setWordWrap(true);
    obiettivi_ = new QTreeWidget;
    obiettivi_->setObjectName(QStringLiteral("lstObiettivi"));
    obiettivi_->setRootIsDecorated(false);
    obiettivi_->setHeaderLabels({QStringLiteral("Obiettivo"), QStringLiteral("Stato"), QStringLiteral("Valore")});
    obiettivi_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    esito_ = new QLabel;
    esito_->setObjectName(QStringLiteral("lblEsitoSfida"));
    esito_->setWordWrap(true);
    colonna->addWidget(titolo_);
    colonna->addWidget(testo_);
    colonna->addWidget(obiettivi_, 1);
    colonna->addWidget(esito_);
}

void PannelloSfida::impostaSfida(const Sfida& sfida)
{
    sfida_ = sfida;
    nuovaCorsa();
    titolo_->setText(sfida.titolo);
    testo_->setText(sfida.testo + QStringLiteral("\nTempo massimo: %1 s.").arg(sfida.tempoS));
    obiettivi_->clear();
    for (const Obiettivo& o : sfida.obiettivi)
        obiettivi_->addTopLevelItem(new QTreeWidgetItem({descriviObiettivo(o), QString(), QString()}));
    aggiorna();
}

void PannelloSfida::togliSfida()
{
    sfida_.reset();
    arbitro_.reset();
    titolo_->clear();
    testo_->clear();
    obiettivi_->clear();
    esito_->clear();
}

void PannelloSfida::nuovaCorsa()
{
    if (!sfida_)
        return;
    arbitro_.emplace(*sfida_);
    ultimoCiclo_ = 0;
    annunciata_ = false;
}

void PannelloSfida::osserva(const Sessione& s)
{
    if (!arbitro_ || s.cicli() <= ultimoCiclo_)
        return;
    ultimoCiclo_ = s.cicli();
    arbitro_->osserva(s);
}

void PannelloSfida::concludi(const Sessione& s)
{
    if (arbitro_)
        arbitro_->concludi(s);
}

bool PannelloSfida::aggiorna()
{
    if (!arbitro_)
        return false;
    for (int i = 0; i < obiettivi_->topLevelItemCount(); ++i) {
        const StatoObiettivo& s = arbitro_->stati()[static_cast<size_t>(i)];
        QTreeWidgetItem* voce = obiettivi_->topLevelItem(i);
        for (const VoceDecisione& d : Decisioni)
            if (d.decisione == s.decisione) {
                voce->setText(1, QString::fromUtf8(d.testo));
                voce->setForeground(1, d.colore);
            }
        voce->setText(2, testoValore(sfida_->obiettivi[static_cast<size_t>(i)], s));
    }
    if (!arbitro_->finita()) {
        esito_->setText(QStringLiteral("La sfida è in corso."));
        return false;
    }
    esito_->setText(arbitro_->superata()
                        ? QStringLiteral("Sfida superata! Punteggio %1 su 100.").arg(qRound(arbitro_->punteggio()))
                        : QStringLiteral("Sfida non superata: punteggio %1 su 100.").arg(qRound(arbitro_->punteggio())));
    return !std::exchange(annunciata_, true);
}

}  // namespace kobaltino
