#include "banco_editor.h"

#include <functional>

namespace kobaltino {
namespace {

const Messaggio DomandaTutto{"Vuoi cancellare tutte le istruzioni?", Icona::Informazione, "ATTENZIONE", Pulsanti::SiNo};
const Messaggio DomandaSalva{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione,
                             "ATTENZIONE", Pulsanti::SiNoAnnulla};

// Records what the editor asks of the file layer.
struct FileFinti : AzioniFile {
    Stato* stato = nullptr;
    int salvataggi = 0, riscritture = 0;
    void salva() override
    {
        ++salvataggi;
        stato->Modificato = false;
    }
    void riscriviImpostazioni() override { ++riscritture; }
};

class Pulizia : public BancoEditor {
protected:
    FileFinti file;
    void SetUp() override
    {
        file.stato = &stato;
        editor.impostaAzioniFile(&file);
    }
};

TEST_F(Pulizia, CancellaTuttoSuProgrammaVuotoNonChiede)
{
    editor.cancellaTutto();
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Pulizia, CancellaTuttoChiedeESvuota)
{
    riempi(10, 3);
    stato.MemoriaRAM[0] = "d'1'";
    stato.MemoriaEEPROM[19] = "'a'";
    stato.PercorsoFile = "/tmp/a.kbn";
    stato.griglia(10).seleziona(2, ColCodice);
    ui.risposte.push_back(Risposta::No);
    editor.cancellaTutto();
    EXPECT_EQ(stato.NumIstruzioni(10), 3);
    ui.risposte.push_back(Risposta::Si);
    editor.cancellaTutto();
    ASSERT_EQ(ui.messaggi.size(), 2u);
    EXPECT_EQ(ui.messaggi[1], DomandaTutto);
    EXPECT_EQ(stato.NumIstruzioni(10), 0);
    EXPECT_EQ(stato.griglia(10).rigaCorrente(), 0);
    EXPECT_EQ(stato.MemoriaRAM[0], "");
    EXPECT_EQ(stato.MemoriaEEPROM[19], "");
    EXPECT_FALSE(stato.Modificato);
    EXPECT_EQ(stato.PercorsoFile, "/tmp/a.kbn");
}

TEST_F(Pulizia, CancellaTuttoAutomaticoNonChiede)
{
    riempi(1, 1);
    stato.InserimentoAutomatico = true;
    editor.cancellaTutto();
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
}

TEST_F(Pulizia, CancellaGriglieSiFermaAllaPrimaVuota)
{
    riempi(3, 2);
    // "Luce destra" empty and "Luce sinistra" not: nothing cleared, the dialog stays open.
    EXPECT_FALSE(editor.cancellaGriglie({false, true, true, false, false, false, false, false}));
    EXPECT_EQ(stato.NumIstruzioni(3), 2);

    riempi(2, 1);
    stato.griglia(3).svuota();
    riempi(4, 1);
    EXPECT_FALSE(editor.cancellaGriglie({false, true, true, true, false, false, false, false}));
    EXPECT_EQ(stato.NumIstruzioni(2), 0);
    EXPECT_EQ(stato.NumIstruzioni(4), 1);  // not looked at

    riempi(1, 1);
    riempi(8, 1);
    stato.MemoriaRAM[2] = "d'3'";
    stato.Modificato = true;
    EXPECT_TRUE(editor.cancellaGriglie({true, false, false, false, false, false, false, true}));
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(stato.NumIstruzioni(8), 0);
    EXPECT_EQ(stato.NumIstruzioni(4), 1);
    EXPECT_EQ(stato.MemoriaRAM[2], "d'3'");
    EXPECT_TRUE(stato.Modificato);
    EXPECT_TRUE(ui.messaggi.empty());
}

// Grid 1 holds "Braccio" rows "Aperto" then "Chiuso", grid 3 one "Aperto", grid 2 none; each
// clearing command leaves the "Aux" tab and the arm as what remains of the program says.
TEST_F(Pulizia, AuxEBraccioSeguonoIlProgramma)
{
    using Griglie = std::array<bool, 8>;
    const struct {
        const char* nome;
        std::vector<Risposta> risposte;
        std::function<void(Editor&)> comando;
        bool aux;
        const char* braccio;
    } casi[] = {
        {"Cancella tutto", {Risposta::Si}, [](Editor& e) { e.cancellaTutto(); }, true, "Chiuso"},
        {"Cancella tutto, No", {Risposta::No}, [](Editor& e) { e.cancellaTutto(); }, false, "Aperto"},
        {"Nuovo senza salvare", {Risposta::No}, [](Editor& e) { e.nuovo(); }, true, "Chiuso"},
        {"Nuovo annullato", {Risposta::Annulla}, [](Editor& e) { e.nuovo(); }, false, "Aperto"},
        {"griglie 1 e 3", {}, [](Editor& e) { e.cancellaGriglie(Griglie{true, false, true}); }, true, "Chiuso"},
        {"griglia 1", {}, [](Editor& e) { e.cancellaGriglie(Griglie{true}); }, false, "Aperto"},
        {"griglia 3", {}, [](Editor& e) { e.cancellaGriglie(Griglie{false, false, true}); }, false, "Chiuso"},
        {"griglia 2", {}, [](Editor& e) { e.cancellaGriglie(Griglie{false, true}); }, false, "Aperto"},
        // Stopped at the empty grid 4: grid 3, cleared before, stays cleared.
        {"griglie 3 e 4", {}, [](Editor& e) { e.cancellaGriglie(Griglie{false, false, true, true}); }, false,
         "Chiuso"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Stato s;
        InterazioneFinta u;
        Editor e(s, u);
        u.risposte = {Risposta::Si};  // the Aux question of the first "Braccio"
        for (int k : {1, 1, 3})
            e.inserisci(k, codici::Braccio);
        e.inserisci(2, codici::Avanti);
        ASSERT_FALSE(s.AuxAbilitata);
        u.risposte.assign(c.risposte.begin(), c.risposte.end());
        c.comando(e);
        EXPECT_EQ(s.AuxAbilitata, c.aux);
        EXPECT_EQ(s.StatoBraccio, c.braccio);
    }
}

TEST_F(Pulizia, NuovoConGrigliaPrincipaleVuotaNonFaNulla)
{
    riempi(5, 1);
    editor.nuovo();
    EXPECT_EQ(stato.NumIstruzioni(5), 1);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Pulizia, NuovoSalvaSeRispostaSiEPoiSvuota)
{
    riempi(1, 1);
    riempi(2, 1);
    stato.PercorsoFile = "/tmp/p.kbn";
    stato.MemoriaEEPROM[0] = "d'9'";
    ui.risposte.push_back(Risposta::Si);
    editor.nuovo();
    EXPECT_EQ(ui.messaggi.at(0), DomandaSalva);
    EXPECT_EQ(file.salvataggi, 1);
    EXPECT_EQ(stato.NumIstruzioni(1), 1);  // kept after saving

    editor.nuovo();  // now saved: no question
    EXPECT_EQ(ui.messaggi.size(), 1u);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(stato.NumIstruzioni(k), 0);
    EXPECT_EQ(stato.PercorsoFile, "");
    EXPECT_EQ(stato.MemoriaEEPROM[0], "");
}

TEST_F(Pulizia, NuovoAnnullatoONo)
{
    riempi(1, 1);
    ui.risposte.push_back(Risposta::Annulla);
    editor.nuovo();
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
    ui.risposte.push_back(Risposta::No);
    editor.nuovo();
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_FALSE(stato.Modificato);
    EXPECT_EQ(file.salvataggi, 0);
}

TEST_F(Pulizia, ChiudiRiscriveSempreLeImpostazioni)
{
    EXPECT_TRUE(editor.chiudi());
    EXPECT_EQ(file.riscritture, 1);
    EXPECT_TRUE(ui.messaggi.empty());

    riempi(1, 1);
    ui.risposte.push_back(Risposta::Annulla);
    EXPECT_FALSE(editor.chiudi());
    EXPECT_EQ(file.riscritture, 2);
    EXPECT_EQ(ui.messaggi.back(), DomandaSalva);

    ui.risposte.push_back(Risposta::Si);
    EXPECT_FALSE(editor.chiudi());  // saved, keeps running
    EXPECT_EQ(file.salvataggi, 1);
    EXPECT_EQ(file.riscritture, 3);

    stato.Modificato = true;
    ui.risposte.push_back(Risposta::No);
    EXPECT_TRUE(editor.chiudi());
    EXPECT_EQ(file.riscritture, 4);
}

TEST_F(Pulizia, ChiusuraDellaFinestra)
{
    EXPECT_TRUE(editor.chiusuraFinestra());
    riempi(1, 1);
    ui.risposte.push_back(Risposta::Annulla);
    EXPECT_FALSE(editor.chiusuraFinestra());
    ui.risposte.push_back(Risposta::No);
    EXPECT_TRUE(editor.chiusuraFinestra());
    ui.risposte.push_back(Risposta::Si);
    EXPECT_TRUE(editor.chiusuraFinestra());
    EXPECT_EQ(file.salvataggi, 1);
    EXPECT_EQ(file.riscritture, 0);
    EXPECT_EQ(ui.messaggi.size(), 3u);
}

}  // namespace
}  // namespace kobaltino
