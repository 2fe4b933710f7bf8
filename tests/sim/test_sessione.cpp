// The session: the real compiled program drives the robot; where each program address comes from,
// rows, inputs, going back in time, and the sample programs in their arenas.
#include "programmi_robot.h"

#include "codegen/generatore.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"
#include "sim/sessione.h"
#include "support/interazione_finta.h"
#include "support/righe_programma.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kobaltino {
namespace {

// Programs written row by row or loaded from a sample program file, then generated and assembled by
// the real gpasm. A missing gpasm fails the test loudly.
Stato esempio(const char* nome)  // from resources/esempi
{
    Stato s;
    InterazioneFinta ui;
    Editor editor(s, ui);
    EXPECT_TRUE(leggiProgramma(editor, QStringLiteral(KOBALTINO_ESEMPI "/") + QLatin1String(nome)).riuscito()) << nome;
    return s;
}

ProgrammaSimulato assembla(const Stato& s)
{
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    const EsitoAssemblaggio esito = assemblaPerSimulare(genera(s).sorgente, s.Processore, gpasm);
    if (gpasm.isEmpty() || !esito.programma)
        ADD_FAILURE() << (gpasm.isEmpty() ? "gpasm non trovato: installare gputils. " : "") << esito.problema.toStdString();
    for (const Segnalazione& e : esito.errori)
        ADD_FAILURE() << e.riga << ": " << e.testo.toStdString();
    return esito.programma.value_or(ProgrammaSimulato{});
}

uint64_t secondi(double s) { return static_cast<uint64_t>(s * CicliPerSecondo); }

// Rows chosen for their words: a call into the library, two words of one row (movlw d'5' first),
// a wait, a handler call, an EEPROM subroutine, a jump back; a handler of two rows. Where each
// address comes from, then the row the run is in, step by step.
TEST(Sessione, OgniIndirizzoEOgniPassoSannoDaQualeRigaVengono)
{
    const ProgrammaSimulato p = assembla(programmaDi({{1, 1, "", "0"}, {1, 13, "Ram1 d'5'"}, {1, 8, "0,5"},
                                                      {1, 10, "Luce_destra"}, {1, 19, "EEP3"}, {1, 9, "0"},
                                                      {2, 2}, {2, 14}}));
    auto primo = [&p](int k, int r) { return p.mappa.indirizzoDi({k, r}); };
    auto parola = [&p](int indirizzo) { return p.immagine.programma.at(static_cast<size_t>(indirizzo)); };
    const std::pair<Origine, int> parole[] = {{{1, 0}, 1}, {{1, 1}, 2}, {{1, 2}, 1}, {{1, 3}, 2},
                                              {{1, 4}, 1}, {{1, 5}, 1}, {{2, 0}, 1}, {{2, 1}, 1}};
    for (const auto& [riga, n] : parole) {
        const int a = p.mappa.indirizzoDi(riga);
        ASSERT_GE(a, 0) << riga.griglia << "," << riga.riga;
        EXPECT_TRUE(p.mappa.inizioDiRiga(a));
        for (int i = 1; i < n; ++i) {
            EXPECT_EQ(p.mappa.origine(a + i), riga);
            EXPECT_FALSE(p.mappa.inizioDiRiga(a + i));
        }
        EXPECT_NE(p.mappa.origine(a + n), riga);
    }
    EXPECT_EQ(parola(primo(1, 1)), 0x3005);
    EXPECT_EQ(parola(primo(1, 5)), 0x2800 | primo(1, 0));      // goto
    EXPECT_EQ(parola(primo(1, 3) + 1), 0x2000 | primo(2, 0));  // call
    // The library, the EEPROM subroutine, the handler's closing return and the first goto belong to no row.
    EXPECT_EQ(parola(primo(1, 0)) & 0x3800, 0x2000);
    for (const auto& [indirizzo, origine] : {std::pair{parola(primo(1, 0)) & 0x7FF, Origine{0, -1}},
                                             {parola(primo(1, 4)) & 0x7FF, {0, -1}}, {primo(2, 1) + 1, {2, -1}}, {0, {0, -1}}})
        EXPECT_EQ(p.mappa.origine(indirizzo), origine) << indirizzo;

    Sessione s(p, std::nullopt);
    EXPECT_EQ(s.riga(), (Origine{0, -1}));  // the start-up code
    // Unconnected, the light input reads 1 through its pull-up: the handler runs, returns to the
    // next row, and the jump goes back to the first.
    for (const Origine attesa : {Origine{1, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {1, 4}, {1, 5}, {1, 0}, {1, 1},
                                 {1, 2}}) {
        ASSERT_TRUE(s.passoRiga());
        EXPECT_EQ(s.riga(), attesa) << attesa.griglia << "," << attesa.riga;
    }
    // Inside the wait's library code the row is still the wait's.
    s.esegui(s.cicli() + 300'000);
    EXPECT_EQ(s.riga(), (Origine{1, 2}));
}

// What must come back the same when the run returns to a moment.
void ugualiMomenti(const Fotografia& a, const Fotografia& b)
{
    EXPECT_EQ(std::tie(a.cicli, a.chip.pc, a.chip.w, a.chip.ram, a.chip.eeprom, a.riga),
              std::tie(b.cicli, b.chip.pc, b.chip.w, b.chip.ram, b.chip.eeprom, b.riga));
    EXPECT_EQ(a.robot, b.robot);
    EXPECT_EQ(a.ingressi, b.ingressi);
}

TEST(Sessione, AFetteOTornandoIndietroLaCorsaEUguale)
{
    Sessione intera(assembla(esempio("segui_linea.kbn")), arenaPredefinita("pista"));
    Sessione s(intera.programma(), arenaPredefinita("pista"));
    const uint64_t prima = secondi(1.2345), dopo = secondi(6);
    intera.esegui(prima);
    const Fotografia allora = intera.fotografia();
    const size_t eventiAllora = intera.eventi().size();
    intera.esegui(dopo);
    // In slices of any length the run ends as it does in one go.
    std::mt19937 caso(7);
    std::uniform_int_distribution<uint64_t> fetta(1, 5000);
    while (s.cicli() < intera.cicli())
        s.esegui(std::min(intera.cicli(), s.cicli() + fetta(caso)));
    ugualiMomenti(s.fotografia(), intera.fotografia());
    EXPECT_EQ(s.eventi(), intera.eventi());
    // Back to a past moment: the same state there, and the same run after it.
    s.vaiA(prima);
    ugualiMomenti(s.fotografia(), allora);
    EXPECT_EQ(s.eventi().size(), eventiAllora);
    EXPECT_EQ(s.cicliRegistrati(), intera.cicli());
    s.esegui(dopo);
    ugualiMomenti(s.fotografia(), intera.fotografia());
    EXPECT_EQ(s.eventi(), intera.eventi());
    // Forcing an input back there changes the course: what came after is dropped.
    s.vaiA(prima);
    s.forza(*indiceIngresso("Ottico_destro"), true);
    EXPECT_EQ(s.cicliRegistrati(), s.cicli());
    EXPECT_EQ(s.eventi().size(), eventiAllora);
}

// The maze's spiral ends on the finish line in the middle corridor; the lamp stands on the box at
// 150..160, 100..110, and the robot stops close to it. Asleep there, without a bump.
TEST(Sessione, IProgrammiDiEsempioPortanoIlRobotAllaMeta)
{
    const struct {
        const char *programma, *arena;
        Punto minimo, massimo;
    } casi[] = {{"labirinto.kbn", "labirinto", {100, 60}, {130, 120}}, {"lampada.kbn", "lampada", {125, 80}, {150, 110}}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.programma);
        Sessione s(assembla(esempio(c.programma)), arenaPredefinita(c.arena));
        s.esegui(secondi(60));
        EXPECT_TRUE(s.chip().addormentato());
        const Punto p = s.robot().posizione;
        EXPECT_TRUE(p.x > c.minimo.x && p.x < c.massimo.x && p.y > c.minimo.y && p.y < c.massimo.y) << p.x << ", " << p.y;
        EXPECT_EQ(s.robot().urti, 0);
    }
}

// The turns of a loop that changes nothing are counted in one step; one instruction at a time
// (row by row) the run must be the same, world and port changes included.
TEST(Sessione, IGiriContatiInUnPassoNonCambianoLaCorsa)
{
    const struct {
        const char *programma, *arena;
    } casi[] = {{"segui_linea.kbn", "pista"}, {"labirinto.kbn", "labirinto"}, {"lampada.kbn", "lampada"}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.programma);
        Sessione veloce(assembla(esempio(c.programma)), arenaPredefinita(c.arena));
        Sessione lenta(veloce.programma(), arenaPredefinita(c.arena));
        const uint64_t fine = secondi(2);
        veloce.esegui(fine);
        while (lenta.cicli() < fine)
            lenta.passoRiga(fine - lenta.cicli());
        ugualiMomenti(veloce.fotografia(), lenta.fotografia());
        EXPECT_EQ(veloce.eventi(), lenta.eventi());
        EXPECT_FALSE(veloce.eventi().empty());
    }
}

// The run ends by itself once nothing can change any more: the chip asleep or the main grid in
// its closing loop, with the robot still (a Sleep while driving waits for the wall). A program
// that keeps looping never ends. Going back and forward stops at the same moment; forcing an
// input there lets the run go on, to end again later.
TEST(Sessione, LaCorsaFinisceDaSolaQuandoNullaPuoCambiare)
{
    const struct {
        std::vector<RigaFile> righe;
        const char* fine;  // nullptr: the run goes on
        double dopo, primaDi;  // seconds
    } casi[] = {
        {{{1, 1}, {1, 8, "0,5"}, {1, 7}, {1, 12}}, "Il programma è finito: il processore dorme, riga 3", 0.5, 0.6},
        {{{1, 1}, {1, 8, "0,5"}, {1, 7}}, "Il programma è finito: la griglia principale è terminata, riga 2", 0.5, 0.6},
        {{{1, 1}, {1, 10, "Luce_destra"}, {2, 7}, {2, 12}},
         "Il programma è finito: il processore dorme, Luce destra, riga 1", 0, 0.01},
        {{{1, 1}, {1, 12}}, "Il programma è finito: il processore dorme, riga 1", 5.5, 6.5},  // 92 cm at 15 cm/s
        {{{1, 7, "", "0"}, {1, 9, "0"}}, nullptr, 0, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.fine ? c.fine : "senza fine");
        Sessione s(assembla(programmaDi(c.righe)), arenaPredefinita("vuota"));
        s.forza(*indiceIngresso("Luce_destra"), true);
        s.esegui(secondi(10));
        if (!c.fine) {
            EXPECT_FALSE(s.fine().has_value());
            EXPECT_EQ(s.cicli(), secondi(10));
            continue;
        }
        ASSERT_TRUE(s.finita());
        EXPECT_EQ(testoFine(*s.fine()).toStdString(), c.fine);
        const uint64_t fine = s.cicli();
        EXPECT_EQ(s.fine()->ciclo, fine);
        EXPECT_LT(fine, secondi(c.primaDi));
        EXPECT_GT(fine, secondi(c.dopo));
        s.vaiA(fine / 2);
        s.esegui(secondi(10));
        EXPECT_EQ(s.cicli(), fine);
        s.forza(*indiceIngresso("Luce_destra"), false);
        EXPECT_FALSE(s.finita());
        s.esegui(secondi(10));
        EXPECT_TRUE(s.finita());
        EXPECT_GT(s.cicli(), fine);
    }
}

struct Corsa {
    Sessione sessione;
    std::vector<Fotografia> tappe;  // at the start of each row, in order, up to the closing loop
};

// Runs `stato` on `processore` with the Luce destra sensor held at `luce` and every EEPROM cell
// starting at 0, stopping at each row until the program stays in its closing loop.
Corsa corri(Stato stato, const QString& processore, bool luce = false)
{
    stato.Processore = processore;
    ProgrammaSimulato p = assembla(stato);
    p.immagine.eeprom.assign(128, 0);
    Corsa c{Sessione(p, std::nullopt), {}};
    c.sessione.forza(*indiceIngresso("Luce_destra"), luce);
    while (c.sessione.passoRiga(secondi(3)))
        c.tappe.push_back(c.sessione.fotografia());
    return c;
}

// Each motor pattern on PORTA, each wait as long as its name promises (one cycle is 1 µs with
// the robot's 4 MHz crystal) and as long on the three chips, within 1%. Then RB4, held by the
// sensor, calls the Luce destra handler exactly when it reads high, and its "Avanti" shows.
// Without a world the other inputs read their unconnected pins: 1 through the pull-ups, the
// rotation sensor 0, and the Aux line, when the arm drives it, an output low between pulses.
TEST(SulChip, MovimentiAtteseEIngressi)
{
    const int n = std::size(Movimenti);
    for (const bool luce : {false, true}) {
        Stato s = programmaMovimenti();
        s.AuxAbilitata = !luce;
        std::vector<Origine> righe;  // each main row in turn, then the handler's
        for (int i = 0; i <= n; ++i)
            righe.push_back({1, i});
        if (luce)
            righe.push_back({2, 0});
        std::vector<std::vector<Fotografia>> esiti;
        for (const QString& processore : Processori) {
            const Corsa c = corri(s, processore, luce);
            std::vector<Origine> viste;
            for (const Fotografia& t : c.tappe)
                viste.push_back(t.riga);
            ASSERT_EQ(viste, righe) << processore.toStdString();
            EXPECT_EQ(c.sessione.chip().registro(0x05), luce ? 0b1001 : 0b0101) << processore.toStdString();
            EXPECT_EQ(c.sessione.ingressi(), (Livelli{luce, 1, 1, 1, 1, 1, 1, 0, !luce})) << processore.toStdString();
            esiti.push_back(c.tappe);
        }
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(testing::Message() << "codice " << Movimenti[i].codice << " " << Movimenti[i].parametro);
            const int64_t attesi = Movimenti[i].millisecondi * 1000LL;
            auto durata = [&](size_t chip) { return int64_t(esiti[chip][i + 1].cicli - esiti[chip][i].cicli); };
            for (size_t chip = 0; chip < esiti.size(); ++chip) {
                EXPECT_EQ(esiti[chip][i + 1].porta, Movimenti[i].portaA) << Processori[chip].toStdString();
                EXPECT_TRUE(attesi == 0 || std::llabs(durata(chip) - durata(0)) * 100 <= durata(0)) << durata(chip);
            }
            EXPECT_TRUE(attesi == 0 || std::llabs(durata(0) - attesi) * 100 <= 3 * attesi) << durata(0);
        }
    }
}

// EEP1..EEP20 share their numbers with PCL, STATUS, the ports and the EEPROM registers: none of
// them may be touched, so INIZIO's settings and the closing "Avanti" stay. A call is the
// one-word action of a condition: it runs only when the condition holds. What is written is
// read back. Then each one-operand instruction on a cell, after Ram1 + Ram2 set the flags (0 + 0
// sets Z; 200 + 100 sets C, which the shifts take in): the cell, and Z, DC, C as the instruction
// on a register leaves them, with bank 0 selected again.
TEST(SulChip, LaEepromComeUnRegistro)
{
    std::vector<int> dopo;
    const Stato s = programmaEeprom(&dopo);
    std::map<int, int> attesa;
    for (int cella = 0; cella < 20; ++cella)
        attesa[cella] = 1;
    attesa[4] = 2;      // EEP5 incremented again
    attesa[5] = 0xf7;   // EEP6: 7 + 1, not incremented again, then complemented
    attesa[7] = 0xff;   // EEP8: 1 - 2
    attesa[19] = 0x2a;  // EEP20: 41 + 1
    for (size_t i = 0; i < std::size(OperazioniEeprom); ++i)
        attesa[int(i) + 8] = OperazioniEeprom[i].risultato;
    for (const QString& processore : Processori) {
        SCOPED_TRACE(processore.toStdString());
        const Corsa c = corri(s, processore);
        std::map<int, int> status;  // by row of the main grid
        for (const Fotografia& t : c.tappe)
            status[t.riga.riga] = t.chip.ram[0x03];
        ASSERT_FALSE(c.tappe.empty());
        ASSERT_EQ(c.tappe.back().riga, (Origine{1, dopo.back()}));
        for (size_t i = 0; i < dopo.size(); ++i)
            EXPECT_EQ(status.at(dopo[i]) & 0x67, OperazioniEeprom[i].flag) << "operazione " << i;
        // PORTA, TRISA, TRISB, OPTION as INIZIO and the "Avanti" left them; Ram5, Ram6 as read.
        const Chip& chip = c.sessione.chip();
        const std::map<int, int> registri = {{0x05, 0x09}, {0x85, 0x10}, {0x86, 0xff}, {0x81, 0x07}, {0x40, 0x2a},
                                             {0x41, 0xf7}};
        for (const auto& [registro, valore] : registri)
            EXPECT_EQ(chip.registro(registro), valore) << registro;
        ASSERT_EQ(chip.dimensioneEeprom(), processore == Processori[2] ? 128 : 64);
        for (int cella = 0; cella < chip.dimensioneEeprom(); ++cella)
            EXPECT_EQ(int(chip.eeprom(cella)), attesa.count(cella) ? attesa.at(cella) : 0) << "cella " << cella;
    }
}

}  // namespace
}  // namespace kobaltino
