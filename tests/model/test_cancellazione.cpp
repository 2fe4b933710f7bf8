#include "banco_editor.h"

namespace kobaltino {
namespace {

const Messaggio Domanda{"Si vuole cancellare l'istruzione selezionata?", Icona::Informazione, "ATTENZIONE",
                        Pulsanti::SiNo};
const Messaggio NoFineSe{"Non è possibile cancellare l'istruzione FINE SE.\r\n"
                         "Cancellare l'istruzione 'SE', inserita precedentemente"};
const Messaggio NoAzione{"L'istruzione non si può cancellare.\r\nCancellare l'istruzione precedente."};

class Cancellazione : public BancoEditor {
protected:
    // Deletes row `riga` of grid k, answering the question with `risposta`.
    void cancellaRiga(int k, int riga, Risposta risposta = Risposta::Si)
    {
        selezionaCodice(k, riga);
        ui.risposte.push_back(risposta);
        editor.cancella(k);
    }
    void inserisciSe(int k, const QString& azione)
    {
        ui.esiti.push_back(esito("Ram1 = Ram2", azione));
        editor.inserisci(k, codici::Se);
    }
};

TEST_F(Cancellazione, UnicaIstruzione)
{
    riempi(1, 1);
    cancellaRiga(1, 0);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(stato.griglia(1).riga(0), Riga{});
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], Domanda);
}

TEST_F(Cancellazione, RispostaNoNonCambiaNulla)
{
    riempi(1, 2);
    cancellaRiga(1, 1, Risposta::No);
    EXPECT_EQ(stato.NumIstruzioni(1), 2);
}

TEST_F(Cancellazione, CellaVuotaOGrigliaVuotaNonChiedono)
{
    editor.cancella(1);
    riempi(1, 2);
    selezionaCodice(1, 5);  // below the last instruction
    editor.cancella(1);
    stato.griglia(1).seleziona(0, ColParametro);  // "Avanti" has no parameter text
    editor.cancella(1);
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(stato.NumIstruzioni(1), 2);
    stato.griglia(1).seleziona(1, ColNumero);  // the row number is a text
    ui.risposte.push_back(Risposta::Si);
    editor.cancella(1);
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
}

TEST_F(Cancellazione, LeEtichetteViaggianoConLeIstruzioni)
{
    for (int c : {1, 2, 3, 4, 5})
        editor.inserisci(1, c);
    for (int r = 0; r < 5; ++r)
        stato.griglia(1).riga(r).etichetta = QString::number(10 + r);
    stato.Modificato = false;
    cancellaRiga(1, 1);
    EXPECT_EQ(codici(1), (std::vector<int>{1, 3, 4, 5}));
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(stato.griglia(1).riga(r).etichetta, QString::number(r == 0 ? 10 : 11 + r)) << r;
    EXPECT_EQ(stato.griglia(1).riga(4), Riga{});
    EXPECT_EQ(stato.griglia(1).testoCella(3, ColNumero), "3");
    EXPECT_EQ(stato.griglia(1).testoCella(4, ColNumero), "");
    EXPECT_TRUE(stato.Modificato);  // "Chiudi" must offer to save
}

// A deletion that happens marks the program as changed, so closing offers to save; a refused
// or unanswered one leaves the mark as it was.
TEST_F(Cancellazione, SoloLaCancellazioneAvvenutaSegnaModificato)
{
    const struct {
        const char* nome;
        int riga;
        Risposta risposta;
        bool taglia;
        bool modificato;
    } casi[] = {
        {"istruzione", 0, Risposta::Si, false, true},  {"blocco Se", 1, Risposta::Si, false, true},
        {"Braccio", 4, Risposta::Si, false, true},     {"taglia", 0, Risposta::Si, true, true},
        {"risposta No", 0, Risposta::No, false, false}, {"FINE SE", 3, Risposta::Si, false, false},
        {"riga d'azione", 2, Risposta::Si, true, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Stato s;
        InterazioneFinta u;
        Editor e(s, u);
        e.inserisci(1, codici::Avanti);
        u.esiti.push_back(esito("Ram1 = Ram2", "3"));
        e.inserisci(1, codici::Se);  // rows 1..3
        u.risposte = {Risposta::Si};
        e.inserisci(1, codici::Braccio);
        ASSERT_EQ(s.NumIstruzioni(1), 5);
        s.Modificato = false;  // as just saved
        s.griglia(1).seleziona(c.riga, ColCodice);
        u.risposte = {c.risposta};
        c.taglia ? e.taglia(1) : e.cancella(1);
        EXPECT_EQ(s.Modificato, c.modificato);
        EXPECT_EQ(s.NumIstruzioni(1) < 5, c.modificato);
    }
}

TEST_F(Cancellazione, FineSeNonSiCancella)
{
    inserisciSe(1, "1");
    cancellaRiga(1, 2);
    EXPECT_EQ(ui.messaggi.back(), NoFineSe);
    EXPECT_EQ(codici(1), (std::vector<int>{15, 1, 16}));
}

TEST_F(Cancellazione, RigaAzioneNonSiCancellaDaSola)
{
    inserisciSe(1, "2");
    ui.esiti.push_back(esito("Aux", "3"));
    editor.inserisci(1, codici::SeAttivoFai);
    ui.esiti.push_back(esito("Aux", "4"));
    editor.inserisci(1, codici::SeDisattivoFai);
    editor.inserisci(1, codici::Indietro);
    for (int r : {1, 4, 6}) {
        cancellaRiga(1, r);
        EXPECT_EQ(ui.messaggi.back(), NoAzione) << r;
    }
    EXPECT_EQ(codici(1), (std::vector<int>{15, 2, 16, 27, 3, 28, 4, 2}));
    cancellaRiga(1, 7);  // the same instruction elsewhere goes
    EXPECT_EQ(codici(1), (std::vector<int>{15, 2, 16, 27, 3, 28, 4}));
}

TEST_F(Cancellazione, SeToglieTuttoIlBlocco)
{
    editor.inserisci(1, codici::Avanti);
    inserisciSe(1, "7");
    editor.inserisci(1, codici::Destra);
    cancellaRiga(1, 1);
    EXPECT_EQ(codici(1), (std::vector<int>{1, 4}));
    EXPECT_EQ(stato.griglia(1).testoCella(1, ColNumero), "1");

    inserisciSe(1, "nessuna");  // block of two rows
    editor.inserisci(1, codici::Fermo);
    cancellaRiga(1, 2);
    EXPECT_EQ(codici(1), (std::vector<int>{1, 4, 7}));
}

TEST_F(Cancellazione, SeAttivoFaiLasciaLAzione)
{
    ui.esiti.push_back(esito("Aux", "5"));
    editor.inserisci(1, codici::SeAttivoFai);
    cancellaRiga(1, 0);
    EXPECT_EQ(codici(1), (std::vector<int>{5}));
}

TEST_F(Cancellazione, BraccioRiavvolgeLoStatoERiabilitaAux)
{
    ui.risposte.push_back(Risposta::Si);
    editor.inserisci(1, codici::Braccio);  // Aperto
    editor.inserisci(3, codici::Braccio);  // Chiuso
    cancellaRiga(3, 0);
    EXPECT_EQ(stato.StatoBraccio, "Aperto");
    EXPECT_FALSE(stato.AuxAbilitata);  // grid 1 still holds one
    editor.inserisci(1, codici::Braccio);
    EXPECT_EQ(stato.griglia(1).riga(1).parametro, "Chiuso");
    cancellaRiga(1, 1);
    cancellaRiga(1, 0);
    EXPECT_TRUE(stato.AuxAbilitata);
    EXPECT_EQ(stato.StatoBraccio, "Chiuso");
}

TEST_F(Cancellazione, ScriviRamLiberaLaCella)
{
    EsitoDialogo e = esito("Ram5 d'100'");
    e.cella = 5;
    e.marca = "d'100'";
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::ScriviRam);
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::ScriviRam);
    e = esito("EEP12 b'10101010'");
    e.cella = 12;
    e.marca = "b'10101010'";
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::ScriviEeprom);
    stato.MemoriaRAM[6] = "d'7'";

    cancellaRiga(1, 0);
    EXPECT_EQ(stato.MemoriaRAM[4], "");  // the other row writing cell 5 does not keep the mark
    EXPECT_EQ(stato.MemoriaRAM[6], "d'7'");
    cancellaRiga(1, 1);
    EXPECT_EQ(stato.MemoriaEEPROM[11], "");
}

TEST_F(Cancellazione, ParametroMalformatoNonToccaLeCelle)
{
    riempi(1, 1);
    stato.griglia(1).riga(0) = Riga{"Ram99 d'1'", "13", ""};
    stato.MemoriaRAM.fill("x");
    cancellaRiga(1, 0);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    for (const QString& m : stato.MemoriaRAM)
        EXPECT_EQ(m, "x");
}

TEST_F(Cancellazione, GrigliaPiena)
{
    riempi(8, 950);
    for (int r = 0; r < 950; ++r)
        stato.griglia(8).riga(r).etichetta = r == 949 ? "fine" : "";
    cancellaRiga(8, 0);
    EXPECT_EQ(stato.NumIstruzioni(8), 949);
    EXPECT_EQ(stato.griglia(8).riga(948).etichetta, "fine");  // the label goes with its row
    EXPECT_EQ(stato.griglia(8).riga(949), Riga{});
    editor.inserisci(8, codici::Fermo);
    EXPECT_EQ(stato.griglia(8).codice(949), 7);
    cancellaRiga(8, 949);
    EXPECT_EQ(stato.NumIstruzioni(8), 949);
}

TEST_F(Cancellazione, SeInFondoAllaGrigliaPiena)
{
    riempi(1, 947);
    inserisciSe(1, "1");
    cancellaRiga(1, 947);
    EXPECT_EQ(stato.NumIstruzioni(1), 947);
    EXPECT_EQ(stato.griglia(1).riga(947), Riga{});
    EXPECT_EQ(stato.griglia(1).riga(949), Riga{});
}

}  // namespace
}  // namespace kobaltino
