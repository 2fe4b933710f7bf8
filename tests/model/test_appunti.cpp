#include "banco_editor.h"

namespace kobaltino {
namespace {

using Appunti = BancoEditor;

TEST_F(Appunti, IncollaPrimaDiCopiareNonFaNulla)
{
    editor.incolla(1);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Appunti, CopiaEIncollaUnaRigaConParametro)
{
    ui.esiti.push_back(esito("2,5"));
    editor.inserisci(1, codici::Attendi);
    stato.griglia(1).riga(0).etichetta = "3";
    selezionaCodice(1, 0);
    editor.copia(1);
    EXPECT_EQ(stato.AppuntiCodice, "8");
    EXPECT_EQ(stato.AppuntiParametro, "2,5");
    stato.OkAttendi = false;
    editor.incolla(4);
    EXPECT_EQ(stato.griglia(4).riga(0), (Riga{"2,5", "8", ""}));  // the label is never copied
    EXPECT_FALSE(stato.InserimentoAutomatico);
    EXPECT_EQ(ui.dialoghi.size(), 1u);  // only the original insertion showed a dialog
}

TEST_F(Appunti, OgniCodiceConParametroSiRicreaSenzaDialogo)
{
    for (int codice : {8, 10, 11, 13, 17, 18, 19, 20, 22, 23, 24, 25, 26}) {
        stato.griglia(2).svuota();
        stato.griglia(2).accoda(codice, QString("p%1").arg(codice));
        selezionaCodice(2, 0);
        editor.copia(2);
        editor.incolla(3);
        const int r = stato.NumIstruzioni(3) - 1;
        EXPECT_EQ(stato.griglia(3).riga(r), (Riga{QString("p%1").arg(codice), QString::number(codice), ""}));
    }
    EXPECT_TRUE(ui.dialoghi.empty());
}

TEST_F(Appunti, SeIncollatoInUnAltraGriglia)
{
    ui.esiti.push_back(esito("Ram3 > Ram12", "6"));
    editor.inserisci(1, codici::Se);
    selezionaCodice(1, 0);
    editor.copia(1);
    EXPECT_EQ(stato.AppuntiAzione, "6");
    editor.incolla(7);
    EXPECT_EQ(codici(7), (std::vector<int>{15, 6, 16}));
    EXPECT_EQ(stato.griglia(7).riga(0).parametro, "Ram3 > Ram12");

    // "Ritorna" is inserted by the action code "21".
    ui.esiti.push_back(esito("Ram1 = Ram2", "21"));
    editor.inserisci(2, codici::Se);
    selezionaCodice(2, 0);
    editor.copia(2);
    EXPECT_EQ(stato.AppuntiAzione, "14");
    editor.incolla(2);
    EXPECT_EQ(codici(2), (std::vector<int>{15, 14, 16, 15, 14, 16}));
}

TEST_F(Appunti, SeAttivoFaiPortaConSeLAzione)
{
    ui.esiti.push_back(esito("Ottico_destro", "Sleep"));
    editor.inserisci(1, codici::SeDisattivoFai);
    selezionaCodice(1, 0);
    editor.copia(1);
    editor.incolla(1);
    EXPECT_EQ(codici(1), (std::vector<int>{28, 12, 28, 12}));
    EXPECT_EQ(stato.griglia(1).riga(2).parametro, "Ottico_destro");
}

TEST_F(Appunti, VaiAChiedeDiNuovoIlBersaglio)
{
    riempi(5, 2);
    EsitoDialogo e;
    e.riga = 0;
    ui.esiti.push_back(e);
    editor.inserisci(5, codici::VaiA);
    selezionaCodice(5, 2);
    editor.copia(5);
    editor.incolla(5);  // dialog cancelled
    EXPECT_EQ(stato.NumIstruzioni(5), 3);
    ASSERT_EQ(ui.dialoghi.size(), 2u);
    EXPECT_EQ(ui.dialoghi[1], std::make_pair(Dialogo::VaiA, 5));
    e.riga = 1;
    ui.esiti.push_back(e);
    editor.incolla(5);
    EXPECT_EQ(stato.griglia(5).riga(3).parametro, "1");
}

TEST_F(Appunti, BraccioIncollatoChiedeComeUnInserimento)
{
    ui.risposte.push_back(Risposta::Si);
    editor.inserisci(1, codici::Braccio);
    selezionaCodice(1, 0);
    editor.copia(1);
    editor.incolla(1);  // Aux already disabled: no question
    EXPECT_EQ(stato.griglia(1).riga(1).parametro, "Chiuso");
    EXPECT_EQ(ui.messaggi.size(), 1u);
}

TEST_F(Appunti, FineSeEVuotoNonIncollanoNulla)
{
    ui.esiti.push_back(esito("Ram1 = Ram2", "1"));
    editor.inserisci(1, codici::Se);
    selezionaCodice(1, 2);
    editor.copia(1);
    editor.incolla(2);
    selezionaCodice(1, 10);
    editor.copia(1);
    EXPECT_EQ(stato.AppuntiCodice, "");
    editor.incolla(2);
    EXPECT_EQ(stato.NumIstruzioni(2), 0);
}

TEST_F(Appunti, IncollaInGrigliaPiena)
{
    riempi(1, 1);
    riempi(2, 950);
    selezionaCodice(1, 0);
    editor.copia(1);
    stato.Modificato = false;
    editor.incolla(2);
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0], Messaggio{"Non è possibile inserire più di 950 istruzioni."});
    EXPECT_EQ(stato.NumIstruzioni(2), 950);
    EXPECT_FALSE(stato.Modificato);
}

TEST_F(Appunti, TagliaCopiaECancella)
{
    editor.inserisci(1, codici::Avanti);
    editor.inserisci(1, codici::Destra);
    selezionaCodice(1, 1);
    ui.risposte.push_back(Risposta::Si);
    editor.taglia(1);
    EXPECT_EQ(codici(1), (std::vector<int>{1}));
    EXPECT_EQ(stato.AppuntiCodice, "4");
}

TEST_F(Appunti, TagliaDellAzioneRifiutatoMaCopiato)
{
    ui.esiti.push_back(esito("Ram1 = Ram2", "3"));
    editor.inserisci(1, codici::Se);
    selezionaCodice(1, 1);
    ui.risposte.push_back(Risposta::Si);
    editor.taglia(1);
    EXPECT_EQ(codici(1), (std::vector<int>{15, 3, 16}));
    EXPECT_EQ(stato.AppuntiCodice, "3");
    EXPECT_EQ(ui.messaggi.back().testo,
              "L'istruzione non si può cancellare.\r\nCancellare l'istruzione precedente.");
}

TEST_F(Appunti, GliAppuntiSopravvivonoACancellaTutto)
{
    riempi(1, 1);
    selezionaCodice(1, 0);
    editor.copia(1);
    ui.risposte.push_back(Risposta::Si);
    editor.cancellaTutto();
    editor.incolla(1);
    EXPECT_EQ(codici(1), (std::vector<int>{1}));
}

}  // namespace
}  // namespace kobaltino
