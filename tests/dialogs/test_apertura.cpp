// From the editing commands through InterazioneQt: which dialogs open and what a confirmed
// one leaves in the program.
#include "banco_dialoghi.h"
#include "model/editor.h"
#include "ui/interazione_qt.h"

namespace kobaltino {
namespace {

class Apertura : public BancoDialoghi {
protected:
    Stato stato;
    InterazioneQt ui;
    Editor editor{stato, ui};
};

// A confirmed dialog writes its row; a "Se" whose action is "Incrementa" opens a second dialog.
TEST_F(Apertura, OgniDialogoConfermatoScriveLaSuaRiga)
{
    stato.griglia(2).accoda(codici::Avanti, QString());
    Regia regia({}, {compila({{"cmbRiga", "0"}}, "cmdOK"),
                     compila({{"cmbMemoriaRam1", "1"}, {"cmbMemoriaRam2", "2"}, {"cmbParagone", "Uguale a"},
                              {"cmbIstruzione", "Incrementa"}}),
                     compila({{"cmbIndirizzoEeprom", "3"}})});
    editor.inserisci(2, codici::VaiA);
    editor.inserisci(4, codici::Se);
    EXPECT_EQ(stato.griglia(2).riga(1), (Riga{"0", "9", ""}));
    EXPECT_EQ(stato.griglia(4).riga(1), (Riga{"EEP3", "19", ""}));
}

TEST_F(Apertura, ScrivereInUnaCellaInUsoChiedeSeSostituire)
{
    const auto sostituisci = [](DialogoIstruzione& d) {
        imposta(d, "cmbIndirizzoRam", "5");
        imposta(d, "txtValoreRam", "11111111");
        clicca(d, "cmdOk");  // No: the dialog stays open
        clicca(d, "cmdOk");  // Sì
    };
    Regia regia({Risposta::No, Risposta::Si},
                {compila({{"optNumerico", ""}, {"cmbIndirizzoRam", "5"}, {"txtValoreRam", "100"}}), sostituisci,
                 compila({{"optCarattere", ""}, {"cmbIndirizzoEeprom", "5"}, {"txtValoreeprom", "A"}})});
    editor.inserisci(1, codici::ScriviRam);
    editor.inserisci(3, codici::ScriviRam);     // RAM 5 is in use: asked twice
    editor.inserisci(1, codici::ScriviEeprom);  // EEPROM 5 is not: no question
    const Messaggio domanda{"La memoria contiene già un valore.\r\nIl valore è: d'100'\r\nSostituire il valore?",
                            Icona::Informazione, "Kobaltino", Pulsanti::SiNo};
    EXPECT_EQ(regia.messaggi, (std::vector<Messaggio>{domanda, domanda}));
    EXPECT_EQ(regia.pulsanti[0], (QStringList{"&No", "&Sì"}));
    EXPECT_EQ(stato.griglia(3).riga(0), (Riga{"Ram5 b'11111111'", "13", ""}));
    EXPECT_EQ(stato.MemoriaRAM[4], "b'11111111'");
}

}  // namespace
}  // namespace kobaltino
