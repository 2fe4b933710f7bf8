#include "banco_editor.h"

namespace kobaltino {
namespace {

const Messaggio DomandaBraccio{"L'inserimento di questa funzione disattiverà la griglia AUX.\r\nVuoi continuare?",
                               Icona::Informazione, "Kobaltino", Pulsanti::SiNo};

// One insertion on grid 5.
struct CasoInserimento {
    const char* nome;
    int codice;
    std::vector<EsitoDialogo> esiti;  // what the dialogs hand back, in order; the next one is cancelled
    const char* dopo;                 // the rows after the `pieni` ones afterwards
    std::vector<Dialogo> dialoghi = {};
    const char* prima = "";
    int pieni = 0;  // "Avanti" rows before `prima`
    std::vector<Messaggio> messaggi = {};
};

using D = Dialogo;
EsitoDialogo esito(const QString& p, const QString& a = {}) { return Postazione::esito(p, a); }
const auto salto = Postazione::salto;
const auto scrittura = Postazione::scrittura;
using Inserimento = BancoEditor;

const CasoInserimento CasiInserimento[] = {
    {"Avanti", 1, {}, "1"},
    {"Attendi", 8, {esito("1,5")}, "8 1,5", {D::Attendi}},
    {"Attendi annullato", 8, {}, "", {D::Attendi}},
    {"Se attivo vai a", 10, {esito("Luce_destra")}, "10 Luce_destra", {D::SeAttivoVaiA}},
    {"Scrivi Ram", 13, {scrittura("Ram5 d'100'", 5, "d'100'")}, "13 Ram5 d'100'", {D::ScriviRam}},
    {"Scrivi Eeprom", 17, {scrittura("EEP20 'x'", 20, "'x'")}, "17 EEP20 'x'", {D::ScriviEeprom}},
    {"Incrementa", 19, {esito("Ram7")}, "19 Ram7", {D::Incrementa}},
    {"Decrementa", 20, {esito("EEP2")}, "20 EEP2", {D::Decrementa}},
    {"Swappa", 22, {esito("Ram2")}, "22 Ram2", {D::Swappa}},
    {"Scorri a destra", 23, {esito("Ram3")}, "23 Ram3", {D::ScorriDestra}},
    {"Scorri a sinistra", 24, {esito("Ram4")}, "24 Ram4", {D::ScorriSinistra}},
    {"Complemento", 25, {esito("EEP5")}, "25 EEP5", {D::Complemento}},
    {"Sposta Eeprom", 18, {esito("EEP3 Ram5")}, "18 EEP3 Ram5", {D::SpostaEeprom}},
    {"Operazioni", 26, {esito("Ram1 + Ram2")}, "26 Ram1 + Ram2", {D::Operazioni}},
    {"Se disattivo vai a", 11, {esito("Aux")}, "11 Aux", {D::SeDisattivoVaiA}},
    {"Vai a", 9, {salto(1)}, "1 | 1 @0 | 1 | 9 1", {D::VaiA}, "1 | 1 | 1"},
    {"Vai a, numeri già usati", 9, {salto(1)}, "1 @0 | 1 @2 | 1 @1 | 9 1", {D::VaiA}, "1 @0 | 1 | 1 @1"},
    {"Vai a, nuova etichetta", 9, {salto(1)}, "1 | 1 @1 | 9 1 | 9 1", {D::VaiA}, "1 | 1 @0 | 9 1"},
    {"Vai a annullato", 9, {}, "1", {D::VaiA}, "1"},
    {"Vai a, griglia vuota", 9, {salto(0)}, "", {D::VaiA}},
    {"Se", 15, {esito("Ram1 = Ram12", "1")}, "15 Ram1 = Ram12 | 1 | 16", {D::Se}},
    {"Se, Ritorna", 15, {esito("Ram2 > Ram3", "21")}, "15 Ram2 > Ram3 | 14 | 16", {D::Se}},
    {"Se, Incrementa", 15, {esito("Ram1 ! Ram2", "19"), esito("Ram7")}, "15 Ram1 ! Ram2 | 19 Ram7 | 16", {D::Se, D::Incrementa}},
    {"Se, Decrementa annullato", 15, {esito("Ram1 ! Ram2", "20")}, "15 Ram1 ! Ram2 | 16", {D::Se, D::Decrementa}},
    {"Se, azione sconosciuta", 15, {esito("Ram1 = Ram2", "8")}, "15 Ram1 = Ram2 | 16", {D::Se}},
    {"Se annullato", 15, {}, "", {D::Se}},
    {"Se nelle ultime righe", 15, {esito("Ram1 = Ram2", "7")}, "15 Ram1 = Ram2 | 7 | 16", {D::Se}, "", 947},
    {"Se in due righe libere", 15, {esito("Ram1 = Ram2", "7")}, "", {}, "", 948, {Limite}},
    {"Se attivo fai", 27, {esito("Ultrasuono", "7")}, "27 Ultrasuono | 7", {D::SeAttivoFai}},
    {"Se disattivo fai", 28, {esito("Aux", "nessuna")}, "28 Aux", {D::SeDisattivoFai}},
    {"Se attivo fai, ultima riga", 27, {esito("Aux", "1")}, "27 Aux", {D::SeAttivoFai}, "", 949, {Limite}},
};

TEST_F(Inserimento, OgniIstruzioneEntraComeLaScriveIlSuoDialogo)
{
    for (const CasoInserimento& c : CasiInserimento) {
        SCOPED_TRACE(c.nome);
        Postazione p;
        const VoceCatalogo& v = *voce(c.codice);
        if (v.conferma)
            p.stato.*v.conferma = true;  // a stale flag must not let the row through
        p.stato.OkVaiA[4] = true;
        scriviGriglia(p.stato, 5, dopoPieni(c.pieni, c.prima));
        const QString prima = p.testoGriglia(5);
        p.ui.esiti.assign(c.esiti.begin(), c.esiti.end());

        p.editor.inserisci(5, c.codice);

        EXPECT_EQ(p.testoGriglia(5), dopoPieni(c.pieni, c.dopo));
        const bool cambiato = p.testoGriglia(5) != prima;
        EXPECT_EQ(p.stato.Modificato, cambiato);
        std::vector<std::pair<Dialogo, int>> dialoghi;
        for (Dialogo d : c.dialoghi)
            dialoghi.emplace_back(d, 5);
        EXPECT_EQ(p.ui.dialoghi, dialoghi);
        EXPECT_EQ(p.ui.messaggi, c.messaggi);
        if (c.dialoghi.empty())
            continue;
        // The dialogs that list inputs are told which grid they serve.
        const bool nomina = c.codice == codici::Se || c.codice >= codici::SeAttivoFai
                         || c.codice == codici::SeAttivoVaiA || c.codice == codici::SeDisattivoVaiA;
        EXPECT_EQ(p.stato.NomeGriglia, nomina ? "MSHFlexGrid5" : "");
        for (const EsitoDialogo& e : c.esiti) {  // a memory write marks its cell, in its memory only
            if (e.cella > 0) {
                EXPECT_EQ(p.stato.marca(Memoria::Ram, e.cella) + '/' + p.stato.marca(Memoria::Eeprom, e.cella),
                          c.codice == codici::ScriviRam ? e.marca + '/' : '/' + e.marca);
            }
        }
    }
}

// A full grid refuses every instruction with the limit message, before any dialog; grids and
// codes that do not exist get nothing, not even the message.
TEST_F(Inserimento, OltreLe950IstruzioniIlLimiteFuoriDaCodiciEGriglieNulla)
{
    scriviGriglia(stato, 2, QString("1|").repeated(RigheGriglia));
    for (int c = 1; c <= 28; ++c)
        editor.inserisci(2, c);
    editor.inserisciSoloRiga(2, codici::Se);
    editor.inserisciSoloRiga(2, codici::FineSe);
    editor.inserisci(0, codici::Avanti);
    editor.inserisci(11, codici::Avanti);
    editor.inserisci(1, 0);
    editor.inserisci(1, 29);
    editor.inserisciSoloRiga(11, codici::FineSe);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(stato.NumIstruzioni(2), 950);
    EXPECT_FALSE(stato.Modificato);
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>(30, Limite));
    EXPECT_TRUE(ui.dialoghi.empty());
}

TEST_F(Inserimento, BraccioChiedeUnaVoltaEAlterna)
{
    ui.risposte = {Risposta::No, Risposta::Si};
    editor.inserisci(10, codici::Braccio);
    EXPECT_EQ(stato.NumIstruzioni(10), 0);
    EXPECT_TRUE(stato.AuxAbilitata);
    EXPECT_EQ(stato.StatoBraccio, "Chiuso");
    EXPECT_FALSE(stato.Modificato);
    editor.inserisci(1, codici::Braccio);
    editor.inserisci(3, codici::Braccio);
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>(2, DomandaBraccio));
    EXPECT_EQ(testoGriglia(1) + " / " + testoGriglia(3), "21 Aperto / 21 Chiuso");
}

}  // namespace
}  // namespace kobaltino
