#include "banco_editor.h"

namespace kobaltino {
namespace {

const Messaggio Domanda = domandaSiNo("Si vuole cancellare l'istruzione selezionata?");
const Messaggio NoFineSe{"Non è possibile cancellare l'istruzione FINE SE.\r\n"
                         "Cancellare l'istruzione 'SE', inserita precedentemente"};
const Messaggio NoAzione{"L'istruzione non si può cancellare.\r\nCancellare l'istruzione precedente."};

// "Cancella" (or "Taglia") of the selected cell of grid 1.
struct CasoCancella {
    const char* nome;
    const char* prima;  // grid 1 after its `pieni` rows
    int riga;
    const char* dopo;  // the same, afterwards
    std::vector<Messaggio> messaggi;
    Risposta risposta = Risposta::Si;
    Colonna colonna = ColCodice;
    bool taglia = false;
    int pieni = 0;  // "Avanti" rows first
};

using Cancellazione = BancoEditor;
const char* const Blocchi = "15 Ram1 = Ram2 | 2 | 16 | 27 Aux | 3 | 28 Aux | 4 | 2";

const CasoCancella CasiCancella[] = {
    {"unica istruzione", "1", 0, "", {Domanda}},
    {"risposta No", "1 | 2", 1, "1 | 2", {Domanda}, Risposta::No},
    {"griglia vuota", "", 0, "", {}},
    {"sotto l'ultima istruzione", "1 | 2", 5, "1 | 2", {}},
    {"cella del parametro vuota", "1 | 2", 0, "1 | 2", {}, Risposta::Si, ColParametro},
    {"FINE SE", "15 Ram1 = Ram2 | 1 | 16", 2, "15 Ram1 = Ram2 | 1 | 16", {Domanda, NoFineSe}},
    {"azione del Se", Blocchi, 1, Blocchi, {Domanda, NoAzione}},
    {"azione del Se attivo fai", Blocchi, 4, Blocchi, {Domanda, NoAzione}},
    {"la stessa istruzione fuori", Blocchi, 7, "15 Ram1 = Ram2 | 2 | 16 | 27 Aux | 3 | 28 Aux | 4", {Domanda}},
    {"Se con il suo blocco", "1 | 15 Ram1 = Ram2 | 7 | 16 | 4", 1, "1 | 4", {Domanda}},
    {"Se senza azione", "1 | 15 Ram1 = Ram2 | 16 | 7", 1, "1 | 7", {Domanda}},
    {"Se attivo fai lascia l'azione", "27 Aux | 5", 0, "5", {Domanda}},
    {"taglia", "1 | 4", 1, "1", {Domanda}, Risposta::Si, ColCodice, true},
    {"griglia piena", "2 | 1 @fine", 948, "1 @fine", {Domanda}, Risposta::Si, ColCodice, false, 948},
    {"Se in fondo alla griglia piena", "15 Ram1 = Ram2 | 1 | 16", 947, "", {Domanda}, Risposta::Si, ColCodice, false,
     947},
};

TEST_F(Cancellazione, LaRigaSelezionataVaViaConCioCheLeAppartiene)
{
    for (const CasoCancella& c : CasiCancella) {
        SCOPED_TRACE(c.nome);
        Postazione p;
        const QString prima = dopoPieni(c.pieni, c.prima), dopo = dopoPieni(c.pieni, c.dopo);
        scriviGriglia(p.stato, 1, prima);
        const QString codice = p.stato.griglia(1).riga(c.riga).codice;
        p.stato.griglia(1).seleziona(c.riga, c.colonna);
        p.ui.risposte.push_back(c.risposta);
        c.taglia ? p.editor.taglia(1) : p.editor.cancella(1);
        EXPECT_EQ(p.testoGriglia(1), dopo);
        EXPECT_EQ(p.ui.messaggi, c.messaggi);
        EXPECT_EQ(p.stato.Modificato, dopo != prima);  // "Chiudi" offers to save
        for (int r = p.stato.NumIstruzioni(1); r < RigheGriglia; ++r)
            ASSERT_EQ(p.stato.griglia(1).riga(r), Riga{}) << r;
        EXPECT_EQ(p.stato.AppuntiCodice, c.taglia ? codice : "");
    }
}

// Each deleted "Scrivi Ram" / "Scrivi Eeprom" frees its cell in the memory panel.
TEST_F(Cancellazione, CancellareUnaScritturaLiberaLaCella)
{
    scriviGriglia(stato, 1, "13 Ram5 d'100' | 13 Ram5 d'100' | 17 EEP12 b'10101010' | 13 Ram99 d'1'");
    const auto marche = [&] {
        QStringList m;
        for (int i = 1; i <= CelleMemoria; ++i)
            for (Memoria mem : {Memoria::Ram, Memoria::Eeprom})
                if (!stato.marca(mem, i).isEmpty())
                    m << (mem == Memoria::Ram ? "Ram" : "EEP") + QString::number(i) + ' ' + stato.marca(mem, i);
        return m.join(", ");
    };
    stato.marca(Memoria::Ram, 5) = "d'100'";
    stato.marca(Memoria::Eeprom, 5) = "d'5'";
    stato.marca(Memoria::Ram, 7) = "d'7'";
    stato.marca(Memoria::Eeprom, 12) = "b'10101010'";
    ui.risposte = {Risposta::Si, Risposta::Si};
    selezionaCodice(1, 0);
    editor.cancella(1);
    EXPECT_EQ(marche(), "EEP5 d'5', Ram7 d'7', EEP12 b'10101010'");  // the other row on cell 5 keeps no mark
    ui.risposte.push_back(Risposta::Si);
    editor.cancellaRighe(1, {1, 2});  // with a cell out of range: nothing else changes
    EXPECT_EQ(marche(), "EEP5 d'5', Ram7 d'7'");
    EXPECT_EQ(testoGriglia(1), "13 Ram5 d'100'");
}

}  // namespace
}  // namespace kobaltino
