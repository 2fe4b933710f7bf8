// The checks before assembling: jumps whose target lost its label stop the compile; calls nested
// deeper than the PIC's stack, handlers calling each other and a "Ritorna" in the main grid are
// reported for the compile to show.
#include "programmi.h"

#include "codegen/verifiche.h"

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

const QString Rifare = " Cancellare il \"Vai a\" e inserirlo di nuovo.";
const QString TornaSbagliato = " Il robot tornerebbe al punto sbagliato.";
const QString Ritorna = "\"Ritorna\" nella griglia principale non ha un punto a cui tornare: il programma "
                        "principale non è chiamato da nessuno. Il robot tornerebbe al punto sbagliato. \"Ritorna\" "
                        "serve solo nelle griglie dei sensori.";
const QString InTondo = " Le chiamate possono girare in tondo senza fine e il robot tornerebbe al punto sbagliato.";

// Main program -> Luce destra -> ... -> Ultrasuoni: seven handler calls, then `codice` in row 1.
void setteChiamate(Stato& s, int codice, const QString& parametro)
{
    aggiungi(s, 1, 1);
    chiama(s, 1, 2);
    for (int k = 2; k < 8; ++k)
        chiama(s, k, k + 1);
    aggiungi(s, 8, 1);
    aggiungi(s, 8, codice, parametro);
}

const QString SetteChiamate = "Griglia principale, riga 1 → Luce destra, riga 0 → Luce sinistra, riga 0 → "
                              "Prossimità destra, riga 0 → Prossimità sinistra, riga 0 → Ottico destro, riga 0 → "
                              "Ottico sinistro, riga 0 → Ultrasuoni, riga 1";
const QString NoveLivelli = "Ultrasuoni, riga 1: qui le chiamate una dentro l'altra arrivano a 9 livelli, ma il PIC "
                            "ne ricorda solo 8 (" + SetteChiamate + ")." + TornaSbagliato;

TEST(Verifiche, CosaTrovanoEDove)
{
    const struct {
        const char* nome;
        void (*prepara)(Stato&);
        QStringList errori, avvisi;
    } casi[] = {
        {"salti senza destinazione",
         // Row 0 lost its label, row 1 keeps it; row 4 edited by hand writes nothing; rows deleted.
         [](Stato& s) {
             carica(s, {{1, 1}, {1, 7, "", "3"}, {1, 9, "0"}, {1, 9, "1"}, {1, 1, "", "2"}, {1, 9, "4"}, {2, 1},
                        {2, 9, "5"}, {10, 9, "x"}});
             s.griglia(1).riga(4).codice = QStringLiteral("99");
         },
         {"Griglia principale, riga 2: il \"Vai a\" salta alla riga 0, che non ha più l'etichetta del salto." + Rifare,
          "Griglia principale, riga 5: il \"Vai a\" salta alla riga 4, che non esiste più." + Rifare,
          "Luce destra, riga 1: il \"Vai a\" salta alla riga 5, che non esiste più." + Rifare,
          "Aux, riga 0: il \"Vai a\" non indica la riga a cui saltare." + Rifare}, {}},
        // Seven handler calls and a motor call fill the eight levels; a wait calls its delay loop:
        // two levels.
        {"otto livelli", [](Stato& s) { setteChiamate(s, 7, {}); }, {}, {}},
        {"nove livelli con un'attesa", [](Stato& s) { setteChiamate(s, 8, "0,5"); }, {}, {NoveLivelli}},
        {"nove gestori in fila",
         [](Stato& s) { for (int k = 1; k < 10; ++k) chiama(s, k, k + 1); aggiungi(s, 10, 8, "2,5"); }, {},
         {"Sensore rotazione, riga 0: qui le chiamate una dentro l'altra arrivano a 11 livelli, ma il PIC ne ricorda "
          "solo 8 (Griglia principale, riga 0 → Luce destra, riga 0 → Luce sinistra, riga 0 → Prossimità destra, "
          "riga 0 → Prossimità sinistra, riga 0 → Ottico destro, riga 0 → Ottico sinistro, riga 0 → Ultrasuoni, "
          "riga 0 → Sensore rotazione, riga 0 → Aux, riga 0)." + TornaSbagliato}},
        {"gestori che si chiamano a vicenda",
         [](Stato& s) { carica(s, {{1, 10, "Luce_destra"}, {2, 1}, {2, 10, "Luce_sinistra"}, {3, 11, "Luce_destra"}}); }, {},
         {"Luce sinistra, riga 0: da qui si richiama Luce destra, che è già in corso (Luce destra → Luce sinistra → "
          "Luce destra)." + InTondo}},
        // Handlers the main program never reaches never run.
        {"gestori mai chiamati",
         [](Stato& s) { aggiungi(s, 1, 1); for (int k = 4; k < 10; ++k) chiama(s, k, k + 1); chiama(s, 5, 4); }, {}, {}},
        {"EEPROM e Luce destra sul 16F628",
         [](Stato& s) {
             s.Processore = "16F628";
             carica(s, {{1, 17, "EEP3 d'5'"}, {1, 10, "Luce_destra"}, {2, 18, "EEP3 Ram1"}, {2, 27, "Luce_destra"}, {2, 14}});
         },
         {}, {}},
        // The main program is not called by anyone: its "Ritorna", also as the action of a "Se",
        // has nowhere to go. Handlers called from the main program and from one another: no other
        // warning for a program with every code.
        {"tutti i codici", [](Stato& s) { carica(s, tuttiICodici()); }, {},
         {"Griglia principale, riga 39: " + Ritorna, "Griglia principale, riga 42: " + Ritorna,
          "Griglia principale, riga 45: " + Ritorna, "Griglia principale, riga 55: " + Ritorna}},
    };
    for (const auto& c : casi) {
        Stato s;
        c.prepara(s);
        const EsitoVerifiche esito = verificaProgramma(s);
        EXPECT_EQ(esito.errori, c.errori) << c.nome;
        EXPECT_EQ(esito.avvisi, c.avvisi) << c.nome;
    }
}

}  // namespace
}  // namespace kobaltino
