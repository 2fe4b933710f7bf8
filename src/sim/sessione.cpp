#include "sim/sessione.h"

#include "model/catalogo.h"
#include "model/ingressi.h"

#include <algorithm>

namespace kobaltino {

namespace {

constexpr int BitBraccio = 7;
constexpr uint64_t PassiTraPuntiTraccia = 20;
constexpr size_t MassimoIstantanee = 4096;  // then every other one goes and the interval doubles
constexpr double SecondiPerPasso = static_cast<double>(CicliPerPassoMondo) / CicliPerSecondo;

uint8_t uscite(const Chip& c, Porta p) { return c.latch(p) & static_cast<uint8_t>(~c.tris(p)); }

// Nothing of the robot changed in a world step: no wheel turned, the arm stayed.
bool fermo(const StatoRobot& prima, const StatoRobot& dopo)
{
    return prima.posizione == dopo.posizione && prima.direzione == dopo.direzione
           && prima.braccioAperto == dopo.braccioAperto && prima.percorsoRotazione == dopo.percorsoRotazione;
}

constexpr int Intcon = 0x0B;
constexpr uint8_t Gie = 0x80, AbilitazioniInterruzioni = 0x78;  // EEIE/PEIE, T0IE, INTE, RBIE

}  // namespace

QString testoFine(const FineCorsa& fine)
{
    QString testo = fine.motivo == FineCorsa::Dorme ? QStringLiteral("Il programma è finito: il processore dorme")
                                                    : QStringLiteral("Il programma è finito: la griglia principale è terminata");
    if (fine.riga.griglia >= 2)
        testo += QStringLiteral(", ") + nomeGriglia(fine.riga.griglia);
    if (fine.riga.griglia >= 1 && fine.riga.riga >= 0)
        testo += QStringLiteral(", riga %1").arg(fine.riga.riga);
    return testo;
}

// The pin the file head #defines for the input.
PinIngresso pinIngresso(int ingresso)
{
    const Ingresso& i = ingressi()[static_cast<size_t>(ingresso)];
    return {i.porta == 'A' ? Porta::A : Porta::B, i.bit};
}

std::optional<int> indiceIngresso(const QString& nome)
{
    if (const Ingresso* i = ingressoDelPin(nome))
        return i->griglia - 2;
    return std::nullopt;
}

Sessione::Sessione(const ProgrammaSimulato& programma, std::optional<Arena> arena)
    : programma_(programma), arena_(std::move(arena)), chip_(programma.modello)
{
    if (arena_)
        ostacoli_.emplace(*arena_);
    ricomincia();
}

void Sessione::ricomincia()
{
    chip_.carica(programma_.immagine);
    robot_ = arena_ ? robotInPartenza(arena_->partenza.posizione, arena_->partenza.direzioneGradi) : StatoRobot{};
    forzati_ = {};
    mondo_ = {};
    robotVisto_.reset();
    uscitaA_ = uscite(chip_, Porta::A);
    uscitaB_ = uscite(chip_, Porta::B);
    registrati_ = 0;
    intervalloIstantanee_ = CicliTraIstantanee;
    istantanee_.clear();
    forzature_.clear();
    prossimaForzatura_ = 0;
    eventi_.clear();
    traccia_.clear();
    fine_.reset();
    // The world at power-on: the sensors already see the start pose.
    prossimoPasso_ = 0;
    passoMondo();
    traccia_.push_back({0, robot_.posizione});
    scattaIstantanea();
}

uint64_t Sessione::cicli() const { return chip_.cicli(); }

void Sessione::esegui(uint64_t finoACicli) { corri(finoACicli, false); }

bool Sessione::passoRiga(uint64_t limite) { return corri(chip_.cicli() + limite, true); }

bool Sessione::corri(uint64_t fine, bool allaRiga)
{
    const MappaIndirizzi& mappa = programma_.mappa;
    bool primo = true;
    if (fine_)
        fine = std::min(fine, fine_->ciclo);
    while (chip_.cicli() < fine) {
        applicaForzatureFinoA(chip_.cicli());
        const uint64_t prossimaF =
            prossimaForzatura_ < forzature_.size() ? forzature_[prossimaForzatura_].ciclo : UINT64_MAX;
        const uint64_t limite = std::min({fine, prossimoPasso_, prossimaF});
        while (chip_.cicli() < limite) {
            if (allaRiga && !primo && mappa.inizioDiRiga(chip_.pc()))
                return true;
            primo = false;
            // Asleep nothing runs: the chip skips ahead by itself. Row by row the chip goes one
            // instruction at a time; otherwise it runs on until a port changes.
            if (chip_.addormentato() || !allaRiga)
                chip_.eseguiFinoAlleUscite(limite);
            else
                chip_.passo();
            annotaPorte();
            if (nuovo())
                registrati_ = chip_.cicli();
        }
        if (chip_.cicli() >= prossimoPasso_)
            passoMondo();
        if (fine_)
            fine = std::min(fine, fine_->ciclo);
    }
    return false;
}

void Sessione::annotaPorte()
{
    const uint8_t a = uscite(chip_, Porta::A), b = uscite(chip_, Porta::B);
    if (a == uscitaA_ && b == uscitaB_)
        return;
    uscitaA_ = a;
    uscitaB_ = b;
    if (nuovo() && eventi_.size() < MassimoEventi)
        eventi_.push_back({chip_.cicli(), a, b});
}

void Sessione::passoMondo()
{
    const bool registra = chip_.cicli() >= registrati_;
    const bool muove = prossimoPasso_ > 0;
    const StatoRobot prima = robot_;
    if (muove) {
        const uint8_t porta = chip_.pin(Porta::A);
        if (ostacoli_)
            muoviTraOstacoli(robot_, motoRuote(porta), SecondiPerPasso, *ostacoli_);
        else
            muovi(robot_, motoRuote(porta), SecondiPerPasso, std::vector<Segmento>{});
        const bool bracciaUscita = (chip_.tris(Porta::B) & (1u << BitBraccio)) == 0;
        pilotaBraccio(robot_, bracciaUscita && (chip_.latch(Porta::B) & (1u << BitBraccio)));
    }
    if (arena_ && robotVisto_ != robot_) {
        mondo_ = leggiSensori(*arena_, robot_, *ostacoli_);
        robotVisto_ = robot_;
    }
    applicaIngressi();
    const uint64_t passo = prossimoPasso_ / CicliPerPassoMondo;
    prossimoPasso_ += CicliPerPassoMondo;
    if (!registra)
        return;
    if (passo % PassiTraPuntiTraccia == 0 && !traccia_.empty() && !(traccia_.back().posizione == robot_.posizione))
        traccia_.push_back({chip_.cicli(), robot_.posizione});
    if (!istantanee_.empty() && chip_.cicli() >= istantanee_.back().chip.cicli + intervalloIstantanee_)
        scattaIstantanea();
    if (muove && !fine_ && fermo(prima, robot_))
        fine_ = bloccata();
    if (osservatore_)
        osservatore_(*this);
}

// With the robot standing still the sensors see the same every step, so only the chip itself
// could still change anything: a pending EEPROM write that completes, or an interrupt.
std::optional<FineCorsa> Sessione::bloccata() const
{
    if (chip_.addormentato()) {
        if (chip_.stato().fineScritturaEeprom != 0)
            return std::nullopt;
        return FineCorsa{FineCorsa::Dorme, chip_.cicli(), riga()};
    }
    // The closing loop after the main grid: a goto to itself outside any row.
    const int pc = chip_.pc();
    const std::vector<int>& parole = programma_.immagine.programma;
    const int parola = pc < static_cast<int>(parole.size()) ? parole[static_cast<size_t>(pc)] : -1;
    const bool suSeStessa = parola >= 0 && (parola & 0x3800) == 0x2800 && (parola & 0x7FF) == (pc & 0x7FF);
    const uint8_t intcon = chip_.registro(Intcon).value_or(0);
    if (!suSeStessa || programma_.mappa.diRiga(pc) || ((intcon & Gie) && (intcon & AbilitazioniInterruzioni)))
        return std::nullopt;
    const Origine ultima = pc > 0 ? programma_.mappa.origine(pc - 1) : Origine{};
    return FineCorsa{FineCorsa::FineProgramma, chip_.cicli(), ultima.griglia == 1 ? ultima : Origine{}};
}

void Sessione::applicaIngressi()
{
    for (int i = 0; i < NumeroIngressi; ++i) {
        const auto k = static_cast<size_t>(i);
        std::optional<bool> livello = forzati_[k];
        if (!livello && arena_)
            livello = mondo_[k];
        const PinIngresso pin = pinIngresso(i);
        chip_.pilota(pin.porta, pin.bit, livello);
    }
}

void Sessione::applicaForzatureFinoA(uint64_t ciclo)
{
    bool cambiate = false;
    while (prossimaForzatura_ < forzature_.size() && forzature_[prossimaForzatura_].ciclo <= ciclo) {
        const Forzatura& f = forzature_[prossimaForzatura_++];
        forzati_[static_cast<size_t>(f.ingresso)] = f.livello;
        cambiate = true;
    }
    if (cambiate)
        applicaIngressi();
}

void Sessione::forza(int ingresso, std::optional<bool> livello)
{
    if (ingresso < 0 || ingresso >= NumeroIngressi)
        return;
    // From here on the run differs from the one recorded, and may go on past its end.
    if (fine_ && fine_->ciclo >= chip_.cicli())
        fine_.reset();
    tagliaStoria();
    forzature_.push_back({chip_.cicli(), ingresso, livello});
    applicaForzatureFinoA(chip_.cicli());
}

void Sessione::tagliaStoria()
{
    const uint64_t ora = chip_.cicli();
    if (ora >= registrati_)
        return;
    registrati_ = ora;
    std::erase_if(istantanee_, [ora](const Istantanea& i) { return i.chip.cicli > ora; });
    std::erase_if(eventi_, [ora](const EventoPorte& e) { return e.ciclo > ora; });
    std::erase_if(traccia_, [ora](const PuntoTraccia& p) { return p.ciclo > ora; });
    forzature_.resize(prossimaForzatura_);
}

void Sessione::scattaIstantanea()
{
    istantanee_.push_back({chip_.stato(), robot_, forzati_, mondo_, prossimoPasso_, uscitaA_, uscitaB_});
    if (istantanee_.size() < MassimoIstantanee)
        return;
    // A long run keeps half of them, evenly spread, and from now on takes them half as often.
    std::vector<Istantanea> tenute;
    for (size_t i = 0; i < istantanee_.size(); i += 2)
        tenute.push_back(istantanee_[i]);
    istantanee_ = std::move(tenute);
    intervalloIstantanee_ *= 2;
}

void Sessione::riprendi(const Istantanea& i)
{
    chip_.ripristina(i.chip);
    robot_ = i.robot;
    forzati_ = i.forzati;
    mondo_ = i.mondo;
    robotVisto_.reset();
    prossimoPasso_ = i.prossimoPasso;
    uscitaA_ = i.uscitaA;
    uscitaB_ = i.uscitaB;
    // The snapshot of a moment is taken before anything forced at that moment.
    prossimaForzatura_ = static_cast<size_t>(
        std::lower_bound(forzature_.begin(), forzature_.end(), i.chip.cicli,
                         [](const Forzatura& f, uint64_t c) { return f.ciclo < c; })
        - forzature_.begin());
}

void Sessione::vaiA(uint64_t ciclo)
{
    ciclo = std::min(ciclo, registrati_);
    auto dopo = std::upper_bound(istantanee_.begin(), istantanee_.end(), ciclo,
                                 [](uint64_t c, const Istantanea& i) { return c < i.chip.cicli; });
    // Going forward past no snapshot, the run simply goes on from here.
    const bool avanti = chip_.cicli() <= ciclo
                        && (dopo == istantanee_.begin() || std::prev(dopo)->chip.cicli <= chip_.cicli());
    if (!avanti && dopo != istantanee_.begin())
        riprendi(*std::prev(dopo));
    corri(ciclo, false);
}

Origine Sessione::riga() const
{
    const MappaIndirizzi& mappa = programma_.mappa;
    // Asleep, the program counter has already moved past the Sleep.
    if (chip_.addormentato() && mappa.diRiga(chip_.pc() - 1))
        return mappa.origine(chip_.pc() - 1);
    if (mappa.diRiga(chip_.pc()))
        return mappa.origine(chip_.pc());
    // Library code and a handler's closing return count for the row that called them: the
    // return addresses on the stack, from the latest call down, point just after that call.
    const StatoChip& s = chip_.stato();
    for (int i = 1; i <= s.profondita; ++i) {
        const int chiamata = s.stack[static_cast<size_t>((s.cimaStack - i) & 7)] - 1;
        if (mappa.diRiga(chiamata))
            return mappa.origine(chiamata);
    }
    return {};
}

Livelli Sessione::ingressi() const
{
    Livelli l{};
    for (int i = 0; i < NumeroIngressi; ++i) {
        const PinIngresso pin = pinIngresso(i);
        l[static_cast<size_t>(i)] = (chip_.pin(pin.porta) >> pin.bit) & 1;
    }
    return l;
}

std::vector<EventoPorte> Sessione::eventi() const
{
    const uint64_t ora = chip_.cicli();
    std::vector<EventoPorte> fatti;
    for (const EventoPorte& e : eventi_)
        if (e.ciclo <= ora)
            fatti.push_back(e);
    return fatti;
}

std::vector<PuntoTraccia> Sessione::traccia() const
{
    const uint64_t ora = chip_.cicli();
    std::vector<PuntoTraccia> fatta;
    for (const PuntoTraccia& p : traccia_)
        if (p.ciclo <= ora)
            fatta.push_back(p);
    return fatta;
}

Fotografia Sessione::fotografia() const
{
    Fotografia f;
    f.chip = chip_.stato();
    f.cicli = chip_.cicli();
    f.robot = robot_;
    f.riga = riga();
    f.ingressi = ingressi();
    f.forzati = forzati_;
    f.porta = chip_.pin(Porta::A);
    f.portb = chip_.pin(Porta::B);
    f.addormentato = chip_.addormentato();
    return f;
}

}  // namespace kobaltino
