#include "banco_editor.h"

namespace kobaltino {
namespace {

const Messaggio Limite{"Non è possibile inserire più di 950 istruzioni."};
const Messaggio DomandaBraccio{"L'inserimento di questa funzione disattiverà la griglia AUX.\r\nVuoi continuare?",
                               Icona::Informazione, "Kobaltino", Pulsanti::SiNo};

using Inserimento = BancoEditor;

TEST_F(Inserimento, PrimaIstruzioneVaNellaRigaZero)
{
    editor.inserisci(1, codici::Avanti);
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
    EXPECT_EQ(stato.griglia(1).testoCella(0, ColNumero), "0");
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"", "1", ""}));
    EXPECT_TRUE(stato.Modificato);
    EXPECT_TRUE(ui.messaggi.empty());

    for (int c : {2, 3, 4, 5, 6, 7, 12, 14})
        editor.inserisci(1, c);
    EXPECT_EQ(codici(1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 12, 14}));
    EXPECT_TRUE(ui.dialoghi.empty());  // none of these takes a parameter
}

TEST_F(Inserimento, LimiteDi950Istruzioni)
{
    riempi(2, 949);
    editor.inserisci(2, codici::Avanti);
    EXPECT_EQ(stato.NumIstruzioni(2), 950);
    EXPECT_TRUE(ui.messaggi.empty());

    stato.Modificato = false;
    for (int c = 1; c <= 28; ++c)
        editor.inserisci(2, c);
    editor.inserisciSoloRiga(2, codici::Se);
    editor.inserisciSoloRiga(2, codici::FineSe);
    EXPECT_EQ(stato.NumIstruzioni(2), 950);
    EXPECT_FALSE(stato.Modificato);
    ASSERT_EQ(ui.messaggi.size(), 30u);
    for (const Messaggio& m : ui.messaggi)
        EXPECT_EQ(m, Limite);
    EXPECT_TRUE(ui.dialoghi.empty());  // the limit comes before any dialog
}

TEST_F(Inserimento, AttendiConfermatoScriveIlTempo)
{
    ui.esiti.push_back(esito("1,5"));
    editor.inserisci(1, codici::Attendi);
    ASSERT_EQ(ui.dialoghi.size(), 1u);
    EXPECT_EQ(ui.dialoghi[0], std::make_pair(Dialogo::Attendi, 1));
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"1,5", "8", ""}));
    EXPECT_EQ(stato.ParAttendi, "1,5");
    EXPECT_TRUE(stato.OkAttendi);
}

TEST_F(Inserimento, DialogoAnnullatoNonScriveNulla)
{
    stato.OkScriviRam = true;  // a stale flag must not let the row through
    editor.inserisci(1, codici::ScriviRam);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_FALSE(stato.OkScriviRam);
    EXPECT_FALSE(stato.Modificato);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Inserimento, OgniDialogoScriveIlSuoCodiceEParametro)
{
    const std::vector<std::pair<int, Dialogo>> casi = {
        {10, Dialogo::SeAttivoVaiA}, {11, Dialogo::SeDisattivoVaiA}, {13, Dialogo::ScriviRam},
        {17, Dialogo::ScriviEeprom}, {18, Dialogo::SpostaEeprom},     {19, Dialogo::Incrementa},
        {20, Dialogo::Decrementa},   {22, Dialogo::Swappa},           {23, Dialogo::ScorriDestra},
        {24, Dialogo::ScorriSinistra}, {25, Dialogo::Complemento},    {26, Dialogo::Operazioni}};
    for (const auto& [codice, dialogo] : casi) {
        ui.esiti.push_back(esito(QString("param%1").arg(codice)));
        editor.inserisci(5, codice);
        EXPECT_EQ(ui.dialoghi.back(), std::make_pair(dialogo, 5));
        const int r = stato.NumIstruzioni(5) - 1;
        EXPECT_EQ(stato.griglia(5).riga(r), (Riga{QString("param%1").arg(codice), QString::number(codice), ""}));
        EXPECT_TRUE(stato.*voce(codice)->conferma);
    }
    EXPECT_EQ(stato.NomeGriglia, "MSHFlexGrid5");
}

TEST_F(Inserimento, AutomaticoUsaLeVariabiliSenzaDialogo)
{
    stato.InserimentoAutomatico = true;
    stato.OkIncrementa = false;
    stato.ParIncrementa = "Ram3";
    editor.inserisci(1, codici::Incrementa);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    stato.OkIncrementa = true;
    editor.inserisci(1, codici::Incrementa);
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"Ram3", "19", ""}));
    EXPECT_TRUE(ui.dialoghi.empty());
}

TEST_F(Inserimento, ScriviRamSegnaLaCella)
{
    EsitoDialogo e = esito("Ram5 d'100'");
    e.cella = 5;
    e.marca = "d'100'";
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::ScriviRam);
    EXPECT_EQ(stato.MemoriaRAM[4], "d'100'");
    EXPECT_EQ(stato.griglia(1).riga(0).parametro, "Ram5 d'100'");

    e = esito("EEP20 'x'");
    e.cella = 20;
    e.marca = "'x'";
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::ScriviEeprom);
    EXPECT_EQ(stato.MemoriaEEPROM[19], "'x'");
    EXPECT_EQ(stato.MemoriaRAM[19], "");
}

TEST_F(Inserimento, VaiAScriveLEtichettaDelBersaglio)
{
    riempi(1, 3);
    EsitoDialogo e;
    e.riga = 1;
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::VaiA);
    EXPECT_EQ(ui.dialoghi.back(), std::make_pair(Dialogo::VaiA, 1));
    EXPECT_EQ(stato.griglia(1).riga(1), (Riga{"", "1", "0"}));
    EXPECT_EQ(stato.griglia(1).riga(3), (Riga{"1", "9", ""}));
    EXPECT_EQ(stato.NumEtichette[0], 1);
    EXPECT_TRUE(stato.OkVaiA[0]);

    // A second jump to the same row overwrites its label with the next number.
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::VaiA);
    EXPECT_EQ(stato.griglia(1).riga(1).etichetta, "1");
    EXPECT_EQ(stato.NumEtichette[0], 2);
}

TEST_F(Inserimento, VaiASaltaINumeriGiaPresentiNellaGriglia)
{
    riempi(4, 3);
    stato.griglia(4).riga(0).etichetta = "0";  // as loaded from a file
    stato.griglia(4).riga(2).etichetta = "1";
    EsitoDialogo e;
    e.riga = 1;
    ui.esiti.push_back(e);
    editor.inserisci(4, codici::VaiA);
    EXPECT_EQ(stato.griglia(4).riga(1).etichetta, "2");
    EXPECT_EQ(stato.NumEtichette[3], 3);
    EXPECT_EQ(stato.NumEtichette[0], 0);
}

TEST_F(Inserimento, VaiAOltreLaRiga255)
{
    riempi(1, 600);
    EsitoDialogo e;
    e.riga = 599;
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::VaiA);
    EXPECT_EQ(stato.griglia(1).riga(600).parametro, "599");
    EXPECT_EQ(stato.griglia(1).riga(599).etichetta, "0");
}

TEST_F(Inserimento, VaiAAnnullatoOGrigliaVuota)
{
    editor.inserisci(1, codici::VaiA);  // cancelled
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_FALSE(stato.OkVaiA[0]);
    EsitoDialogo e;
    e.riga = 0;  // no such row in an empty grid
    ui.esiti.push_back(e);
    editor.inserisci(1, codici::VaiA);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(stato.NumEtichette[0], 0);
}

TEST_F(Inserimento, VaiAAutomaticoNonScriveEtichette)
{
    riempi(1, 2);
    stato.InserimentoAutomatico = true;
    stato.OkVaiA[0] = true;
    stato.RigaSalto = 1;
    editor.inserisci(1, codici::VaiA);
    EXPECT_EQ(stato.griglia(1).riga(2), (Riga{"1", "9", ""}));
    EXPECT_EQ(stato.griglia(1).riga(1).etichetta, "");
    EXPECT_TRUE(ui.dialoghi.empty());
}

TEST_F(Inserimento, BloccoSeConAzione)
{
    ui.esiti.push_back(esito("Ram1 = Ram12", "1"));
    editor.inserisci(1, codici::Se);
    EXPECT_EQ(codici(1), (std::vector<int>{15, 1, 16}));
    EXPECT_EQ(stato.griglia(1).riga(0).parametro, "Ram1 = Ram12");
    EXPECT_EQ(stato.griglia(1).riga(2).parametro, "");
    EXPECT_EQ(stato.NomeGriglia, "MSHFlexGrid1");
    EXPECT_EQ(stato.AzioneSe, "1");

    ui.esiti.push_back(esito("Ram2 > Ram3", "21"));
    editor.inserisci(1, codici::Se);
    EXPECT_EQ(codici(1), (std::vector<int>{15, 1, 16, 15, 14, 16}));

    ui.esiti.push_back(esito("Ram2 < Ram3", "Sleep"));
    editor.inserisci(1, codici::Se);
    EXPECT_EQ(stato.griglia(1).codice(7), 12);
}

TEST_F(Inserimento, BloccoSeConIncrementaApreIlSuoDialogo)
{
    ui.esiti.push_back(esito("Ram1 ! Ram2", "19"));
    ui.esiti.push_back(esito("Ram7"));
    editor.inserisci(6, codici::Se);
    EXPECT_EQ(codici(6), (std::vector<int>{15, 19, 16}));
    EXPECT_EQ(stato.griglia(6).riga(1).parametro, "Ram7");
    ASSERT_EQ(ui.dialoghi.size(), 2u);
    EXPECT_EQ(ui.dialoghi[1], std::make_pair(Dialogo::Incrementa, 6));

    // The action dialog cancelled: "Se" followed directly by "FINE SE".
    ui.esiti.push_back(esito("Ram1 ! Ram2", "20"));
    editor.inserisci(6, codici::Se);
    EXPECT_EQ(codici(6), (std::vector<int>{15, 19, 16, 15, 16}));
}

TEST_F(Inserimento, BloccoSeAnnullatoOAzioneSconosciuta)
{
    editor.inserisci(1, codici::Se);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    ui.esiti.push_back(esito("Ram1 = Ram2", "Braccio"));
    editor.inserisci(1, codici::Se);
    EXPECT_EQ(codici(1), (std::vector<int>{15, 16}));
}

TEST_F(Inserimento, BloccoSeNelleUltimeRighe)
{
    riempi(1, 947);
    ui.esiti.push_back(esito("Ram1 = Ram2", "7"));
    editor.inserisci(1, codici::Se);
    EXPECT_EQ(stato.NumIstruzioni(1), 950);
    EXPECT_EQ(stato.griglia(1).codice(947), 15);
    EXPECT_EQ(stato.griglia(1).codice(948), 7);
    EXPECT_EQ(stato.griglia(1).codice(949), 16);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Inserimento, BloccoSeCheNonCiStaERifiutatoIntero)
{
    for (int pieni : {948, 949}) {
        Stato nuovo;
        stato = nuovo;
        ui.messaggi.clear();
        ui.dialoghi.clear();
        riempi(1, pieni);
        stato.Modificato = false;
        ui.esiti.push_back(esito("Ram1 = Ram2", "7"));
        editor.inserisci(1, codici::Se);
        EXPECT_EQ(stato.NumIstruzioni(1), pieni);
        EXPECT_TRUE(ui.dialoghi.empty());
        ASSERT_EQ(ui.messaggi.size(), 1u);
        EXPECT_EQ(ui.messaggi[0], Limite);
        EXPECT_FALSE(stato.Modificato);
        ui.esiti.clear();
    }
}

TEST_F(Inserimento, SeAttivoFaiScriveCondizioneEAzione)
{
    ui.esiti.push_back(esito("Ultrasuono", "7"));
    editor.inserisci(9, codici::SeAttivoFai);
    EXPECT_EQ(codici(9), (std::vector<int>{27, 7}));
    EXPECT_EQ(stato.griglia(9).riga(0).parametro, "Ultrasuono");
    EXPECT_EQ(stato.NomeGriglia, "MSHFlexGrid9");
    EXPECT_EQ(ui.dialoghi[0], std::make_pair(Dialogo::SeAttivoFai, 9));

    ui.esiti.push_back(esito("Aux", "nessuna"));
    editor.inserisci(9, codici::SeDisattivoFai);
    EXPECT_EQ(codici(9), (std::vector<int>{27, 7, 28}));
    EXPECT_TRUE(stato.OkSeDisattivoFai);
}

TEST_F(Inserimento, SeAttivoFaiSullUltimaRigaLiberaPerdeLAzione)
{
    riempi(1, 949);
    ui.esiti.push_back(esito("Aux", "1"));
    editor.inserisci(1, codici::SeAttivoFai);
    EXPECT_EQ(stato.NumIstruzioni(1), 950);
    EXPECT_EQ(stato.griglia(1).codice(949), 27);
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], Limite);
}

TEST_F(Inserimento, RigheSoleDelLettore)
{
    stato.ParSe = "Ram1 = Ram2";
    editor.inserisciSoloRiga(7, codici::Se);
    editor.inserisciSoloRiga(7, codici::FineSe);
    editor.inserisciSoloRiga(7, codici::SeAttivoFai);
    editor.inserisciSoloRiga(7, codici::SeDisattivoFai);
    EXPECT_EQ(codici(7), (std::vector<int>{15, 16, 27, 28}));
    EXPECT_EQ(stato.griglia(7).riga(0).parametro, "Ram1 = Ram2");
    EXPECT_EQ(stato.griglia(7).riga(1).parametro, "");
    EXPECT_EQ(stato.griglia(7).riga(2).parametro, "Ram1 = Ram2");
    EXPECT_EQ(stato.NomeGriglia, "MSHFlexGrid7");
    EXPECT_TRUE(stato.Modificato);
    EXPECT_TRUE(ui.dialoghi.empty());
}

TEST_F(Inserimento, BraccioChiedeUnaVoltaEAlterna)
{
    ui.risposte.push_back(Risposta::Si);
    editor.inserisci(1, codici::Braccio);
    editor.inserisci(1, codici::Braccio);
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], DomandaBraccio);
    EXPECT_EQ(stato.griglia(1).riga(0), (Riga{"Aperto", "21", ""}));
    EXPECT_EQ(stato.griglia(1).riga(1), (Riga{"Chiuso", "21", ""}));
    EXPECT_FALSE(stato.AuxAbilitata);
    EXPECT_EQ(stato.StatoBraccio, "Chiuso");
}

TEST_F(Inserimento, BraccioRifiutatoNonCambiaNulla)
{
    ui.risposte.push_back(Risposta::No);
    editor.inserisci(10, codici::Braccio);
    EXPECT_EQ(stato.NumIstruzioni(10), 0);
    EXPECT_TRUE(stato.AuxAbilitata);
    EXPECT_EQ(stato.StatoBraccio, "Chiuso");
    EXPECT_FALSE(stato.Modificato);
}

TEST_F(Inserimento, BraccioAutomaticoNonChiede)
{
    stato.InserimentoAutomatico = true;
    stato.StatoBraccio = "";
    editor.inserisci(2, codici::Braccio);
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(stato.griglia(2).riga(0).parametro, "Aperto");
    EXPECT_FALSE(stato.AuxAbilitata);
}

TEST_F(Inserimento, CodiciEGriglieFuoriIntervalloNonFannoNulla)
{
    editor.inserisci(0, codici::Avanti);
    editor.inserisci(11, codici::Avanti);
    editor.inserisci(1, 0);
    editor.inserisci(1, 29);
    editor.inserisciSoloRiga(1, codici::Avanti);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(stato.NumIstruzioni(k), 0);
    EXPECT_FALSE(stato.Modificato);
}

}  // namespace
}  // namespace kobaltino
