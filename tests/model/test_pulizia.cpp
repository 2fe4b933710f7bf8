#include "banco_editor.h"

#include <functional>

namespace kobaltino {
namespace {

const Messaggio DomandaTutto = domandaSiNo("Vuoi cancellare tutte le istruzioni?");
const Messaggio DomandaSalva{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione,
                             "ATTENZIONE", Pulsanti::SiNoAnnulla};

// Records what the editor asks of the file layer; a save leaves nothing unsaved.
struct FileFinti : AzioniFile {
    explicit FileFinti(Postazione& p) : stato(p.stato) { p.editor.impostaAzioniFile(this); }
    void salva() override
    {
        ++salvataggi;
        stato.Modificato = false;
    }
    void riscriviImpostazioni() override { ++riscritture; }
    Stato& stato;
    int salvataggi = 0, riscritture = 0;
};

using Pulizia = BancoEditor;

TEST_F(Pulizia, CancellaTuttoChiedeESvuotaOgniCosa)
{
    editor.cancellaTutto();  // nothing to clear: no question
    EXPECT_TRUE(ui.messaggi.empty());
    scriviGriglia(stato, 10, "1 | 2 | 3");
    stato.marca(Memoria::Ram, 1) = "d'1'";
    stato.marca(Memoria::Eeprom, 20) = "'a'";
    stato.PercorsoFile = "/tmp/a.kbn";
    stato.Modificato = true;
    selezionaCodice(10, 2);
    ui.risposte = {Risposta::Si};
    editor.cancellaTutto();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{DomandaTutto});
    EXPECT_EQ(stato.NumIstruzioni(10), 0);
    EXPECT_EQ(stato.griglia(10).rigaCorrente(), 0);
    EXPECT_EQ(stato.MemoriaRAM[0] + stato.MemoriaEEPROM[19], "");
    EXPECT_EQ(stato.PercorsoFile, "/tmp/a.kbn");
}

TEST_F(Pulizia, CancellaGriglieSiFermaAllaPrimaVuota)
{
    // Grid 3 ("Luce sinistra") empty: the dialog stays open, grid 4 is not looked at.
    scriviGriglia(stato, 2, "1");
    scriviGriglia(stato, 4, "1");
    EXPECT_FALSE(editor.cancellaGriglie({false, true, true, true}));
    EXPECT_EQ(stato.NumIstruzioni(2), 0);
    EXPECT_EQ(stato.NumIstruzioni(4), 1);  // not looked at
    EXPECT_TRUE(stato.Modificato);  // the file on disk still holds grid 2

    scriviGriglia(stato, 1, "1");
    scriviGriglia(stato, 8, "1");
    stato.MemoriaRAM[2] = "d'3'";
    EXPECT_TRUE(editor.cancellaGriglie({true, false, false, false, false, false, false, true}));
    EXPECT_EQ(testoGriglia(1) + testoGriglia(8) + testoGriglia(4), "1");
    EXPECT_EQ(stato.MemoriaRAM[2], "d'3'");
    EXPECT_TRUE(ui.messaggi.empty());
}

// Grid 1 holds "Braccio" rows "Aperto" then "Chiuso", grid 3 one "Aperto", grid 2 none; each
// deleting or clearing command leaves the "Aux" tab and the arm as what remains of the program says.
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
        {"Cancella l'ultimo Braccio", {Risposta::Si},
         [](Editor& e) {
             e.stato().griglia(3).seleziona(0, ColCodice);
             e.cancella(3);
         },
         false, "Chiuso"},
        {"Cancella ogni Braccio", {Risposta::Si, Risposta::Si},
         [](Editor& e) {
             e.cancellaRighe(1, {0, 1});
             e.cancellaRighe(3, {0});
         },
         true, "Chiuso"},
        {"Cancella tutto", {Risposta::Si}, [](Editor& e) { e.cancellaTutto(); }, true, "Chiuso"},
        {"Cancella tutto, No", {Risposta::No}, [](Editor& e) { e.cancellaTutto(); }, false, "Aperto"},
        {"Nuovo senza salvare", {Risposta::No}, [](Editor& e) { e.nuovo(); }, true, "Chiuso"},
        {"griglie 1 e 3", {}, [](Editor& e) { e.cancellaGriglie(Griglie{true, false, true}); }, true, "Chiuso"},
        {"griglia 1", {}, [](Editor& e) { e.cancellaGriglie(Griglie{true}); }, false, "Aperto"},
        {"griglia 3", {}, [](Editor& e) { e.cancellaGriglie(Griglie{false, false, true}); }, false, "Chiuso"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Postazione p;
        p.ui.risposte = {Risposta::Si};  // the Aux question of the first "Braccio"
        for (int k : {1, 1, 3})
            p.editor.inserisci(k, codici::Braccio);
        p.editor.inserisci(2, codici::Avanti);
        ASSERT_FALSE(p.stato.AuxAbilitata);
        p.ui.risposte.assign(c.risposte.begin(), c.risposte.end());
        c.comando(p.editor);
        EXPECT_EQ(p.stato.AuxAbilitata, c.aux);
        EXPECT_EQ(p.stato.StatoBraccio, c.braccio);
    }
}

// "Nuovo", "Chiudi" and closing the window on a program whose grids 2 and 3 hold a row.
TEST_F(Pulizia, NuovoEChiusuraOffronoDiSalvare)
{
    enum Comando { Nuovo, Chiudi, Finestra };
    const struct {
        const char* nome;
        Comando comando;
        const char* principale;  // grid 1
        bool modificato;
        std::vector<Risposta> risposte;  // one answer: the save question is asked
        bool esito;                      // of Chiudi and of the window's close
        int salvataggi, riscritture;
        bool svuotato;
    } casi[] = {
        {"Nuovo, griglia principale vuota", Nuovo, "", true, {}, false, 0, 0, false},
        {"Nuovo, salvato", Nuovo, "1", false, {}, false, 0, 0, true},
        {"Nuovo, Sì", Nuovo, "1", true, {Risposta::Si}, false, 1, 0, false},
        {"Nuovo, No", Nuovo, "1", true, {Risposta::No}, false, 0, 0, true},
        {"Nuovo, Annulla", Nuovo, "1", true, {Risposta::Annulla}, false, 0, 0, false},
        {"Chiudi, salvato", Chiudi, "1", false, {}, true, 0, 1, false},
        {"Chiudi, Sì", Chiudi, "1", true, {Risposta::Si}, false, 1, 1, false},
        {"Chiudi, No", Chiudi, "1", true, {Risposta::No}, true, 0, 1, false},
        {"Chiudi, Annulla", Chiudi, "1", true, {Risposta::Annulla}, false, 0, 1, false},
        {"finestra, salvato", Finestra, "1", false, {}, true, 0, 0, false},
        {"finestra, Sì", Finestra, "1", true, {Risposta::Si}, true, 1, 0, false},
        {"finestra, No", Finestra, "1", true, {Risposta::No}, true, 0, 0, false},
        {"finestra, Annulla", Finestra, "1", true, {Risposta::Annulla}, false, 0, 0, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Postazione p;
        FileFinti file(p);
        scriviGriglia(p.stato, 1, c.principale);
        scriviGriglia(p.stato, 2, "1");
        p.stato.PercorsoFile = "/tmp/p.kbn";
        p.stato.marca(Memoria::Eeprom, 1) = "d'9'";
        p.editor.inserisci(3, codici::Avanti);
        p.stato.Modificato = c.modificato;
        p.ui.risposte.assign(c.risposte.begin(), c.risposte.end());
        bool esito = false;
        if (c.comando == Nuovo)
            p.editor.nuovo();
        else
            esito = c.comando == Chiudi ? p.editor.chiudi() : p.editor.chiusuraFinestra();
        EXPECT_EQ(esito, c.esito);
        EXPECT_EQ(p.ui.messaggi, std::vector<Messaggio>(c.risposte.size(), DomandaSalva));
        EXPECT_EQ(file.salvataggi, c.salvataggi);
        EXPECT_EQ(file.riscritture, c.riscritture);
        EXPECT_EQ(p.stato.NumIstruzioni(2) + p.stato.NumIstruzioni(3) == 0, c.svuotato);
        EXPECT_EQ(p.stato.PercorsoFile.isEmpty(), c.svuotato);
        EXPECT_EQ(p.stato.MemoriaEEPROM[0].isEmpty(), c.svuotato);
        EXPECT_EQ(p.editor.puoAnnullare(), !c.svuotato);  // a new program starts a new history
        EXPECT_FALSE(c.svuotato && p.stato.Modificato);
    }
}

}  // namespace
}  // namespace kobaltino
