#include "ui/simulazione.h"

#include <algorithm>

namespace kobaltino {

namespace {

const std::array<VoceVelocita, 5> TabellaVelocita = {{
    {Velocita::Mezza, "½×", 0.5},
    {Velocita::Reale, "1×", 1.0},
    {Velocita::Quadrupla, "4×", 4.0},
    {Velocita::Sedicesima, "16×", 16.0},
    {Velocita::Massima, "Massima", 0.0},
}};

// A slice gives the window back after this much work, so it keeps drawing and answering.
constexpr qint64 DurataFettaNs = 12'000'000;
// Cycles between two looks at the clock inside a slice.
constexpr uint64_t CicliPerBoccone = 5'000;
// At a set speed the slices come this often.
constexpr int IntervalloFetteMs = 10;
// A run that falls further behind the clock than this gives up catching up: the simulated
// time just goes slower than asked.
constexpr uint64_t RitardoMassimoCicli = CicliPerSecondo / 4;

double fattore(Velocita v)
{
    for (const VoceVelocita& voce : TabellaVelocita)
        if (voce.velocita == v)
            return voce.fattore;
    return 1.0;
}

}  // namespace

const std::array<VoceVelocita, 5>& velocita() { return TabellaVelocita; }

Simulazione::Simulazione(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Simulazione::fetta);
}

Simulazione::~Simulazione() = default;

void Simulazione::carica(const ProgrammaSimulato& programma, std::optional<Arena> arena)
{
    sessione_ = std::make_unique<Sessione>(programma, std::move(arena));
    sessione_->osservaPassi(osservatore_);
    riavviaOrologio();
    emit cambiata();
}

void Simulazione::cambiaArena(std::optional<Arena> arena)
{
    if (!sessione_)
        return;
    const ProgrammaSimulato programma = sessione_->programma();
    carica(programma, std::move(arena));
}

void Simulazione::scarica()
{
    pausa();
    sessione_.reset();
    emit cambiata();
}

void Simulazione::avvia()
{
    if (!sessione_ || inCorso_)
        return;
    // A run that ended by itself starts over.
    if (sessione_->finita())
        sessione_->ricomincia();
    inCorso_ = true;
    riavviaOrologio();
    if (!senzaOrologio_)
        timer_.start(velocita_ == Velocita::Massima ? 0 : IntervalloFetteMs);
    emit statoCambiato(true);
}

void Simulazione::pausa()
{
    timer_.stop();
    if (!inCorso_)
        return;
    inCorso_ = false;
    emit statoCambiato(false);
}

void Simulazione::passo()
{
    if (!sessione_)
        return;
    pausa();
    sessione_->passoRiga();
    emit cambiata();
}

void Simulazione::ricomincia()
{
    if (!sessione_)
        return;
    sessione_->ricomincia();
    riavviaOrologio();
    emit cambiata();
}

void Simulazione::impostaVelocita(Velocita v)
{
    velocita_ = v;
    riavviaOrologio();
    if (timer_.isActive())
        timer_.start(velocita_ == Velocita::Massima ? 0 : IntervalloFetteMs);
}

void Simulazione::avanza(uint64_t cicli)
{
    if (!sessione_)
        return;
    sessione_->esegui(sessione_->cicli() + cicli);
    if (sessione_->finita())
        pausa();
    emit cambiata();
}

void Simulazione::vaiA(uint64_t ciclo)
{
    if (!sessione_)
        return;
    pausa();
    sessione_->vaiA(ciclo);
    emit cambiata();
}

void Simulazione::forza(int ingresso, std::optional<bool> livello)
{
    if (!sessione_)
        return;
    sessione_->forza(ingresso, livello);
    emit cambiata();
}

void Simulazione::riavviaOrologio()
{
    orologio_.start();
    cicliAllAvvio_ = sessione_ ? sessione_->cicli() : 0;
}

void Simulazione::fetta()
{
    if (!sessione_ || !inCorso_)
        return;
    QElapsedTimer durata;
    durata.start();
    const double f = fattore(velocita_);
    const uint64_t ora = sessione_->cicli();
    uint64_t obiettivo = UINT64_MAX;
    if (f > 0) {
        obiettivo = cicliAllAvvio_ + static_cast<uint64_t>(static_cast<double>(orologio_.nsecsElapsed()) * f / 1000.0);
        if (obiettivo <= ora)
            return;
    }
    while (sessione_->cicli() < obiettivo && !sessione_->finita() && durata.nsecsElapsed() < DurataFettaNs)
        sessione_->esegui(std::min(obiettivo, sessione_->cicli() + CicliPerBoccone));
    if (sessione_->finita()) {
        pausa();
        emit cambiata();
        return;
    }
    if (f > 0 && obiettivo > sessione_->cicli() + RitardoMassimoCicli)
        riavviaOrologio();
    emit avanzata();
}

void Simulazione::osservaPassi(std::function<void(const Sessione&)> osservatore)
{
    osservatore_ = std::move(osservatore);
    if (sessione_)
        sessione_->osservaPassi(osservatore_);
}

}  // namespace kobaltino
