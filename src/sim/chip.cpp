#include "sim/chip.h"

#include "sim/decodifica.h"
#include "sim/mappa_dati.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kobaltino {

namespace {

constexpr uint64_t Mai = std::numeric_limits<uint64_t>::max();

// The data EEPROM's write unlock: 0x55 then 0xAA into EECON2 arm the write WR starts.
enum StatoEeprom : uint8_t { NonPronta, Ricevuto55, Pronta, InScrittura, Disarmata };

constexpr int IndirizzoVettore = 0x004;

}  // namespace

std::optional<ModelloPic> modelloDaNome(const QString& nome)
{
    if (nome == QLatin1String("16F84"))
        return ModelloPic::P16F84;
    if (nome == QLatin1String("16F84A"))
        return ModelloPic::P16F84A;
    if (nome == QLatin1String("16F628"))
        return ModelloPic::P16F628;
    return std::nullopt;
}

QString nomeModello(ModelloPic modello)
{
    switch (modello) {
    case ModelloPic::P16F84: return QStringLiteral("16F84");
    case ModelloPic::P16F84A: return QStringLiteral("16F84A");
    case ModelloPic::P16F628: return QStringLiteral("16F628");
    }
    return {};
}

Chip::Chip(ModelloPic modello)
    : modelloPic(modello), mappa(&mappaDati(modello)),
      mascheraPc(static_cast<uint16_t>(mappa->paroleProgramma - 1))
{
    eepromCaricata.fill(0xFF);
    programma.assign(mappa->paroleProgramma, decodifica(ParolaCancellata));
    reset();
}

void Chip::carica(const ImmagineHex& immagine)
{
    for (int a = 0; a < mappa->paroleProgramma; ++a) {
        const int parola = a < static_cast<int>(immagine.programma.size()) ? immagine.programma[a] : -1;
        programma[a] = decodifica(parola >= 0 ? static_cast<uint16_t>(parola) : ParolaCancellata);
    }
    // A goto to itself or back closes a loop.
    for (int a = 0; a < mappa->paroleProgramma; ++a) {
        const int parola = a < static_cast<int>(immagine.programma.size()) ? immagine.programma[a] : -1;
        programma[a].indietro = parola >= 0 && (parola & 0x3800) == 0x2800 && (parola & 0x7FF) <= (a & 0x7FF);
    }
    configurazioneCaricata = immagine.configurazione.value_or(0x3FFF);
    // A cell the hex leaves alone stays erased, as the programmer leaves it.
    eepromCaricata.fill(0xFF);
    for (int a = 0; a < mappa->byteEeprom && a < static_cast<int>(immagine.eeprom.size()); ++a)
        if (immagine.eeprom[a] >= 0)
            eepromCaricata[a] = static_cast<uint8_t>(immagine.eeprom[a]);
    reset();
}

void Chip::reset()
{
    const auto pilotati = s.pilotati, livelli = s.livelli;  // the world keeps driving the pins
    s = StatoChip{};
    s.pilotati = pilotati;
    s.livelli = livelli;
    for (int c = 0; c < 0x200; ++c)
        s.ram[c] = mappa->reset[c];
    s.eeprom = eepromCaricata;
    s.configurazione = configurazioneCaricata;
    s.statoEeprom = NonPronta;

    pinPortaA = 0x1F;
    if (modelloPic == ModelloPic::P16F628) {
        // The oscillator and MCLR choices give RA5-RA7 back as port pins.
        const int oscillatore = (s.configurazione & 0x03) | ((s.configurazione >> 2) & 0x04);
        static constexpr uint8_t pinLiberi[8] = {0, 0, 0, 0x40, 0xC0, 0x80, 0x40, 0};
        pinPortaA |= pinLiberi[oscillatore];
        if (!(s.configurazione & 0x20))
            pinPortaA |= 0x20;
    }

    // OPTION_REG starts at 0xFF: TMR0 counts RA4 edges, the prescaler belongs to the watchdog.
    s.prescalaTmr0 = 1;
    s.contaFronti = 1;
    s.overflowTmr0 = Mai;
    s.pinPrecedenti = {pin(Porta::A), pin(Porta::B)};
    s.letturaPortaB = s.pinPrecedenti[1];
    calcolaProssimoEvento();
    testaGiro.reset();
}

void Chip::ripristina(const StatoChip& stato)
{
    s = stato;
    calcolaProssimoEvento();
    testaGiro.reset();
}

int Chip::passo()
{
    if (s.addormentato) {
        ++s.cicli;
        if (s.cicli >= prossimoEvento)
            eventi();
        return 1;
    }
    const Istruzione& istruzione = programma[s.pc];
    s.pc = (s.pc + 1) & mascheraPc;
    cicloExtra = 0;
    const int n = istruzione.esegui(*this, istruzione) + cicloExtra;
    s.cicli += n;
    if (s.cicli >= prossimoEvento)
        eventi();
    if (s.ram[reg::Intcon] & reg::GIE)
        controllaInterruzioni();
    return n;
}

void Chip::esegui(uint64_t finoACicli) { corri<false>(finoACicli); }

void Chip::eseguiFinoAlleUscite(uint64_t finoACicli) { corri<true>(finoACicli); }

template <bool allUscite>
void Chip::corri(uint64_t finoACicli)
{
    const uint32_t uscite = cambiUscite;
    while (s.cicli < finoACicli) {
        if (s.addormentato) {
            // Nothing happens in sleep until the next event: skip straight to it.
            s.cicli = std::min(finoACicli, prossimoEvento);
            if (s.cicli >= prossimoEvento)
                eventi();
            continue;
        }
        const bool indietro = programma[s.pc].indietro;
        passo();
        if (allUscite && cambiUscite != uscite)
            return;
        if (indietro)
            girato(finoACicli);
    }
}

Chip::Giro Chip::giro() const
{
    return {modifiche,     lettureTmr0,          prossimoEvento,       s.overflowStack, s.pc,
            s.w,           s.ram[reg::Status],   s.ram[reg::Intcon],   s.letturaPortaB, s.cimaStack,
            s.profondita,  s.stackMassimo};
}

// Back at the head of a loop. A turn that changed nothing (no cell took a new value, W, the flags
// and the stack are as they were, TMR0 was not read, no event came) ends where it began, and the
// pins stay as they are within a run: every later turn is the same, until the next event. Those
// turns are counted in one step. Exact, because nothing but time moves in them: the waits on a
// flag and the polls of an input that has not changed.
void Chip::girato(uint64_t finoACicli)
{
    const Giro ora = giro();
    if (testaGiro && *testaGiro == ora) {
        const uint64_t durata = s.cicli - cicloTesta;
        const uint64_t limite = std::min(finoACicli, prossimoEvento);
        if (s.cicli + durata < limite)
            s.cicli += (limite - 1 - s.cicli) / durata * durata;
    }
    testaGiro = ora;
    cicloTesta = s.cicli;
}

// --- data memory -----------------------------------------------------------------------------

int Chip::cellaIndiretta() const
{
    const int indirizzo = s.ram[reg::Fsr] | (mappa->irp && (s.ram[reg::Status] & reg::IRP) ? 0x100 : 0);
    // FSR pointing at INDF itself reaches nothing.
    return (indirizzo & 0x7F) ? mappa->cella[indirizzo] : -1;
}

uint8_t Chip::leggiCella(int cella)
{
    switch (mappa->tipo[cella]) {
    case Speciale::PortaB:
        s.letturaPortaB = pin(Porta::B);
        return s.letturaPortaB;
    case Speciale::Tmr0:
        ++lettureTmr0;
        // Read in its overflow cycle, TMR0 has already rolled over, flag included.
        if (s.cicli >= s.overflowTmr0)
            overflowTmr0();
        return valoreTmr0();
    case Speciale::Indf: {
        const int c = cellaIndiretta();
        return c < 0 ? 0 : leggiCella(c);
    }
    default:
        return valoreCella(cella);
    }
}

uint8_t Chip::valoreCella(int cella) const
{
    switch (mappa->tipo[cella]) {
    case Speciale::Assente:
    case Speciale::Eecon2:  // not a real register: it reads 0
        return 0;
    case Speciale::Indf: {
        const int c = cellaIndiretta();
        return c < 0 ? 0 : valoreCella(c);
    }
    case Speciale::Tmr0: return valoreTmr0();
    case Speciale::Pcl: return static_cast<uint8_t>(s.pc);
    case Speciale::PortaA: return pin(Porta::A) & ~ingressiAnalogici();
    case Speciale::PortaB: return pin(Porta::B);
    default: return s.ram[cella];
    }
}

void Chip::scriviCella(int cella, uint8_t valore)
{
    valore &= mappa->implementati[cella];
    const Speciale tipo = mappa->tipo[cella];
    // For the loops: a special register may do more than hold its byte; a port or its direction
    // written with the byte it holds (the motor routines write PORTA on every turn) changes nothing.
    const bool uscita = tipo == Speciale::PortaA || tipo == Speciale::PortaB || tipo == Speciale::Tris;
    if (tipo == Speciale::Nessuno || uscita)
        modifiche += s.ram[cella] != valore;
    else if (tipo != Speciale::Assente && tipo != Speciale::Indf && tipo != Speciale::Status)
        ++modifiche;  // STATUS is compared whole
    switch (tipo) {
    case Speciale::Nessuno: s.ram[cella] = valore; return;
    case Speciale::Assente: return;
    case Speciale::Indf: {
        const int c = cellaIndiretta();
        if (c >= 0)
            scriviCella(c, valore);
        return;
    }
    case Speciale::Tmr0:
        // Writing TMR0 clears the prescaler; the count resumes two cycles later.
        s.ram[reg::Tmr0] = valore;
        s.contaFronti = s.prescalaTmr0;
        if (!(s.ram[reg::Option] & reg::T0CS))
            avviaTmr0(valore, static_cast<int64_t>(s.cicli) + 2);
        return;
    case Speciale::Pcl:
        // A computed goto: PCLATH gives the high bits, and the jump costs a second cycle.
        s.pc = static_cast<uint16_t>(((s.ram[reg::Pclath] << 8) | valore) & mascheraPc);
        cicloExtra = 1;
        return;
    case Speciale::Status:
        s.ram[reg::Status] = (s.ram[reg::Status] & (reg::TO | reg::PD)) | (valore & ~(reg::TO | reg::PD));
        return;
    case Speciale::PortaA:
    case Speciale::PortaB:
    case Speciale::Tris:
        cambiUscite += s.ram[cella] != valore;
        s.ram[cella] = valore;
        pinCambiati();
        return;
    case Speciale::Option: scriviOption(valore); return;
    case Speciale::Eecon1: scriviEecon1(valore); return;
    case Speciale::Eecon2: scriviEecon2(valore); return;
    }
}

std::optional<uint8_t> Chip::registro(int indirizzo) const
{
    if (indirizzo < 0 || indirizzo >= mappa->indirizzi)
        return std::nullopt;
    const int cella = mappa->cella[indirizzo];
    switch (mappa->tipo[cella]) {
    case Speciale::Assente: return std::nullopt;
    case Speciale::Eecon2: return s.ram[cella];  // the last byte written, as gpsim shows it
    default: return valoreCella(cella);
    }
}

int Chip::dimensioneEeprom() const { return mappa->byteEeprom; }

uint8_t Chip::eeprom(int indirizzo) const { return s.eeprom[indirizzo & (mappa->byteEeprom - 1)]; }

// --- stack and interrupts ------------------------------------------------------------------

void Chip::chiama(uint16_t destinazione)
{
    // Eight slots in a ring: a ninth call overwrites the oldest return address.
    modifiche += s.stack[s.cimaStack] != s.pc;
    s.stack[s.cimaStack] = s.pc;
    s.cimaStack = (s.cimaStack + 1) & 7;
    if (s.profondita == 8)
        ++s.overflowStack;
    else
        s.stackMassimo = std::max(s.stackMassimo, ++s.profondita);
    s.pc = destinazione & mascheraPc;
}

uint16_t Chip::ritorna()
{
    s.cimaStack = (s.cimaStack - 1) & 7;
    if (s.profondita > 0)
        --s.profondita;
    return s.stack[s.cimaStack];
}

bool Chip::interruzioneAttesa() const
{
    const uint8_t intcon = s.ram[reg::Intcon];
    if (intcon & (intcon >> 3) & (reg::T0IF | reg::INTF | reg::RBIF))
        return true;
    if (mappa->pir1 >= 0)
        return (intcon & reg::PEIE) && (s.ram[mappa->pir1] & s.ram[mappa->pie1]);
    return (intcon & reg::EEIE) && (s.ram[mappa->registroEeif] & mappa->bitEeif);
}

void Chip::controllaInterruzioni()
{
    if (s.addormentato || !interruzioneAttesa())
        return;
    s.ram[reg::Intcon] &= ~reg::GIE;
    chiama(IndirizzoVettore);
    s.cicli += 2;
}

void Chip::addormenta()
{
    ++modifiche;
    s.ram[reg::Status] = (s.ram[reg::Status] | reg::TO) & ~reg::PD;
    s.ram[reg::Tmr0] = valoreTmr0();
    s.tmr0Fermo = true;
    s.overflowTmr0 = Mai;
    s.addormentato = true;
    calcolaProssimoEvento();
    if (interruzioneAttesa())
        sveglia();
}

void Chip::sveglia()
{
    s.addormentato = false;
    s.tmr0Fermo = false;
    if (!(s.ram[reg::Option] & reg::T0CS))
        avviaTmr0(s.ram[reg::Tmr0], static_cast<int64_t>(s.cicli));
}

// --- events: TMR0 overflow and EEPROM write completion ------------------------------------

// An event of cycle E (the TMR0 overflow, the end of an EEPROM write) takes effect at the end of
// that cycle: the instructions that start after it see it, as in gpsim.
void Chip::calcolaProssimoEvento()
{
    const uint64_t evento = std::min(s.overflowTmr0, s.fineScritturaEeprom ? s.fineScritturaEeprom : Mai);
    prossimoEvento = evento == Mai ? Mai : evento + 1;
}

void Chip::eventi()
{
    if (s.cicli > s.overflowTmr0)
        overflowTmr0();
    if (s.fineScritturaEeprom && s.cicli > s.fineScritturaEeprom) {
        s.eeprom[s.indirizzoScrittura & (mappa->byteEeprom - 1)] = s.datoScrittura;
        s.ram[mappa->eecon1] &= ~reg::WR;
        s.ram[mappa->registroEeif] |= mappa->bitEeif;
        s.statoEeprom = (s.ram[mappa->eecon1] & reg::WREN) ? NonPronta : Disarmata;
        s.fineScritturaEeprom = 0;
    }
    calcolaProssimoEvento();
    if (s.addormentato && interruzioneAttesa())
        sveglia();
}

// --- TMR0 ------------------------------------------------------------------------------------

void Chip::overflowTmr0()
{
    const int64_t overflow = static_cast<int64_t>(s.overflowTmr0);
    s.ram[reg::Tmr0] = 0;
    s.baseTmr0 = s.sincronizzazioneTmr0 = overflow;
    s.overflowTmr0 = static_cast<uint64_t>(overflow + 256 * s.prescalaTmr0);
    s.ram[reg::Intcon] |= reg::T0IF;
    calcolaProssimoEvento();
}

uint8_t Chip::valoreTmr0() const
{
    if ((s.ram[reg::Option] & reg::T0CS) || s.tmr0Fermo
        || static_cast<int64_t>(s.cicli) <= s.sincronizzazioneTmr0)
        return s.ram[reg::Tmr0];
    return static_cast<uint8_t>((static_cast<int64_t>(s.cicli) - s.baseTmr0) / s.prescalaTmr0);
}

void Chip::avviaTmr0(uint8_t valore, int64_t daCiclo)
{
    s.ram[reg::Tmr0] = valore;
    s.sincronizzazioneTmr0 = daCiclo;
    s.baseTmr0 = daCiclo - int64_t{valore} * s.prescalaTmr0;
    s.overflowTmr0 = static_cast<uint64_t>(s.baseTmr0 + 256 * s.prescalaTmr0);
    calcolaProssimoEvento();
}

void Chip::scriviOption(uint8_t valore)
{
    const uint8_t prima = s.ram[reg::Option];
    const uint8_t attuale = valoreTmr0();
    s.ram[reg::Option] = valore;
    if ((prima ^ valore) & (reg::RBPU | reg::T0CS))
        pinCambiati();
    if (!((prima ^ valore) & (reg::T0CS | reg::T0SE | reg::PSA | 0x07)))
        return;
    s.prescalaTmr0 = (valore & reg::PSA) ? 1 : static_cast<uint16_t>(2 << (valore & 0x07));
    s.contaFronti = s.prescalaTmr0;
    if (valore & reg::T0CS) {
        s.ram[reg::Tmr0] = attuale;
        s.overflowTmr0 = Mai;
        calcolaProssimoEvento();
    } else if (!s.tmr0Fermo) {
        avviaTmr0(attuale, static_cast<int64_t>(s.cicli));
    }
}

void Chip::contaFronteRa4()
{
    if (!(s.ram[reg::Option] & reg::T0CS) || --s.contaFronti > 0)
        return;
    s.contaFronti = s.prescalaTmr0;
    if (++s.ram[reg::Tmr0] == 0) {
        s.ram[reg::Intcon] |= reg::T0IF;
        if (s.addormentato && interruzioneAttesa())
            sveglia();
    }
}

// --- data EEPROM ----------------------------------------------------------------------------

void Chip::scriviEecon1(uint8_t valore)
{
    uint8_t& eecon1 = s.ram[mappa->eecon1];
    if (valore & reg::WREN) {
        if (s.statoEeprom == Disarmata) {
            s.statoEeprom = NonPronta;
            eecon1 |= reg::WREN;
        } else if ((valore & reg::WR) && !(valore & reg::RD) && s.statoEeprom == Pronta) {
            eecon1 |= reg::WR;
            s.statoEeprom = InScrittura;
            s.indirizzoScrittura = s.ram[mappa->eeadr];
            s.datoScrittura = s.ram[mappa->eedata];
            s.fineScritturaEeprom = s.cicli + mappa->cicliScritturaEeprom;
            calcolaProssimoEvento();
        }
    } else if (s.statoEeprom != InScrittura) {
        s.statoEeprom = Disarmata;
    }
    // Software sets RD and WR but never clears them; the chip does when the operation ends.
    eecon1 = (eecon1 & (reg::RD | reg::WR)) | valore;
    if ((eecon1 & reg::RD) && !(eecon1 & reg::WR)) {
        s.ram[mappa->eedata] = s.eeprom[s.ram[mappa->eeadr] & (mappa->byteEeprom - 1)];
        s.statoEeprom = Disarmata;
        eecon1 &= ~reg::RD;
    }
}

void Chip::scriviEecon2(uint8_t valore)
{
    s.ram[mappa->eecon2] = valore;
    if (s.statoEeprom == NonPronta && valore == 0x55)
        s.statoEeprom = Ricevuto55;
    else if (s.statoEeprom == Ricevuto55 && valore == 0xAA)
        s.statoEeprom = Pronta;
    else if (s.statoEeprom == Ricevuto55 || s.statoEeprom == Pronta)
        s.statoEeprom = NonPronta;
}

// --- ports ----------------------------------------------------------------------------------

uint8_t Chip::latch(Porta p) const { return s.ram[p == Porta::A ? reg::PortA : reg::PortB]; }

uint8_t Chip::tris(Porta p) const { return s.ram[p == Porta::A ? reg::TrisA : reg::TrisB]; }

uint8_t Chip::pin(Porta p) const
{
    const int i = p == Porta::A ? 0 : 1;
    const uint8_t esistenti = p == Porta::A ? pinPortaA : 0xFF;
    uint8_t uscite = static_cast<uint8_t>(~tris(p) & esistenti);
    uint8_t livello = latch(p) & uscite;
    if (p == Porta::A && (uscite & 0x10) && (latch(p) & 0x10)) {
        // RA4 is open drain: a 1 lets the pin go, and whatever is outside sets its level.
        uscite &= ~0x10;
        livello &= ~0x10;
    }
    const uint8_t liberi = esistenti & ~uscite;
    livello |= s.livelli[i] & s.pilotati[i] & liberi;
    // PORTB's weak pull-ups (RBPU = 0) lift the inputs nothing drives; any other floating pin keeps
    // the level it last had (0 from power-on).
    const uint8_t flottanti = liberi & ~s.pilotati[i];
    if (p == Porta::B && !(s.ram[reg::Option] & reg::RBPU))
        livello |= flottanti;
    else
        livello |= s.pinPrecedenti[i] & flottanti;
    return livello;
}

uint8_t Chip::ingressiAnalogici() const
{
    if (mappa->cmcon < 0)
        return 0;
    switch (s.ram[mappa->cmcon] & 0x07) {
    case 7: return 0;      // comparators off: all digital
    case 5: return 0x06;   // one comparator on RA1 and RA2
    default: return 0x0F;  // RA0-RA3 go to the comparators
    }
}

void Chip::pilota(Porta p, int bit, std::optional<bool> livello)
{
    const int i = p == Porta::A ? 0 : 1;
    const uint8_t maschera = static_cast<uint8_t>(1 << (bit & 7));
    const auto prima = std::pair(s.pilotati[i], s.livelli[i]);
    if (livello) {
        s.pilotati[i] |= maschera;
        s.livelli[i] = *livello ? (s.livelli[i] | maschera) : (s.livelli[i] & ~maschera);
    } else {
        s.pilotati[i] &= ~maschera;
    }
    // The world sets every input at every step; most of them stay as they were.
    if (prima == std::pair(s.pilotati[i], s.livelli[i]))
        return;
    testaGiro.reset();  // a loop's turns so far saw the pins as they were
    pinCambiati();
}

void Chip::pinCambiati()
{
    const uint8_t a = pin(Porta::A), b = pin(Porta::B);
    const uint8_t fronteA = a ^ s.pinPrecedenti[0], fronteB = b ^ s.pinPrecedenti[1];
    s.pinPrecedenti = {a, b};
    const uint8_t option = s.ram[reg::Option];
    if (fronteA & 0x10) {
        const bool discesa = !(a & 0x10);
        if (discesa == bool(option & reg::T0SE))
            contaFronteRa4();
    }
    if ((fronteB & 0x01) && bool(b & 0x01) == bool(option & reg::INTEDG))
        s.ram[reg::Intcon] |= reg::INTF;
    if ((b ^ s.letturaPortaB) & tris(Porta::B) & 0xF0 & fronteB)
        s.ram[reg::Intcon] |= reg::RBIF;
    if (s.addormentato && interruzioneAttesa())
        sveglia();
}

}  // namespace kobaltino
