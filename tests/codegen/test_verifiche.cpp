// The checks before assembling: jumps whose target lost its label stop the compile; calls nested
// deeper than the PIC's stack and handlers calling each other are reported and the compile goes on.
#include "assemblatore_finto.h"
#include "programmi.h"

#include "codegen/compilatore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

const Messaggio Terminata{"Compilazione terminata"};

Messaggio rifiuto(const QString& righe)
{
    return {"Il programma non può essere compilato:\r\n" + righe};
}

Messaggio avviso(const QString& righe)
{
    return {"Il programma viene compilato, ma sul robot potrebbe non funzionare:\r\n" + righe};
}

class Verifiche : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        salvato(stato, cartella.filePath("giro.kbn"));
        QFile f(stato.PercorsoFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        stato.PercorsoCompilatore = QStringLiteral("/opt/pic/MPASMWIN.exe");
    }

    QStringList fileNellaCartella() const { return QDir(cartella.path()).entryList(QDir::Files, QDir::Name); }

    // Handler grid `da` calls the handler of `a` with "Se attivo vai a" (a = 2..10).
    void chiama(int da, int a)
    {
        static const char* const Pin[] = {"Luce_destra",   "Luce_sinistra",   "Prossimita_destra",
                                          "Prossimita_sinistra", "Ottico_destro", "Ottico_sinistro",
                                          "Ultrasuono",    "Sensore_rotazione", "Aux"};
        aggiungi(stato, da, 10, QString::fromLatin1(Pin[a - 2]));
    }

    QTemporaryDir cartella;
    Stato stato;
    InterazioneAssemblatore ui;
    Compilatore compilatore{stato, ui};
};

TEST_F(Verifiche, SaltiSenzaDestinazioneFermanoLaCompilazione)
{
    aggiungi(stato, 1, 1);
    aggiungi(stato, 1, 7, {}, "3");
    aggiungi(stato, 1, 9, "0");  // row 0 lost its label
    aggiungi(stato, 1, 9, "1");  // fine
    aggiungi(stato, 2, 1);
    aggiungi(stato, 2, 9, "5");  // rows deleted after it
    aggiungi(stato, 10, 9, "x");
    compilatore.compila();
    EXPECT_EQ(ui.messaggi,
              std::vector<Messaggio>{rifiuto(
                  "Griglia principale, riga 2: il \"Vai a\" salta alla riga 0, che non ha più l'etichetta del salto. "
                  "Cancellare il \"Vai a\" e inserirlo di nuovo.\r\n"
                  "Luce destra, riga 1: il \"Vai a\" salta alla riga 5, che non esiste più. "
                  "Cancellare il \"Vai a\" e inserirlo di nuovo.\r\n"
                  "Aux, riga 0: il \"Vai a\" non indica la riga a cui saltare. "
                  "Cancellare il \"Vai a\" e inserirlo di nuovo.")});
    EXPECT_EQ(ui.esecuzioni, 0);
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(fileNellaCartella(), QStringList{"giro.kbn"});

    // genera() refuses the same program.
    InterazioneAssemblatore altra;
    EXPECT_FALSE(Compilatore(stato, altra).genera());
    EXPECT_EQ(altra.messaggi.size(), 1u);
}

TEST_F(Verifiche, SaltoAUnaRigaSenzaCodiceValido)
{
    aggiungi(stato, 1, 1);
    aggiungi(stato, 1, 9, "2");
    aggiungi(stato, 1, 1, {}, "2");
    stato.griglia(1).riga(2).codice = QStringLiteral("99");  // edited by hand: the row writes nothing
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{rifiuto(
                               "Griglia principale, riga 1: il \"Vai a\" salta alla riga 2, che non esiste più. "
                               "Cancellare il \"Vai a\" e inserirlo di nuovo.")});
}

TEST_F(Verifiche, OttoLivelliStannoNelloStackNoveNo)
{
    // Main program -> Luce destra -> ... -> Ultrasuoni: seven handler calls, then the last row.
    aggiungi(stato, 1, 1);
    chiama(1, 2);
    for (int k = 2; k < 8; ++k)
        chiama(k, k + 1);
    aggiungi(stato, 8, 1);
    const int ultima = aggiungi(stato, 8, 7);
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});  // 7 + a motor call = 8

    const QString catena = "Griglia principale, riga 1 → Luce destra, riga 0 → Luce sinistra, riga 0 → "
                           "Prossimità destra, riga 0 → Prossimità sinistra, riga 0 → Ottico destro, riga 0 → "
                           "Ottico sinistro, riga 0 → Ultrasuoni, riga 1";
    // A wait calls its delay loop, the arm's pulse waits too: two levels each.
    for (const auto& [codice, parametro] : std::vector<std::pair<int, QString>>{{8, "0,5"}, {21, "Aperto"}}) {
        stato.griglia(8).riga(ultima) = Riga{parametro, QString::number(codice), {}};
        ui.messaggi.clear();
        compilatore.compila();
        EXPECT_EQ(ui.messaggi,
                  (std::vector<Messaggio>{
                      avviso("Ultrasuoni, riga 1: qui le chiamate una dentro l'altra arrivano a 9 livelli, ma il PIC "
                             "ne ricorda solo 8 (" + catena + "). Il robot tornerebbe al punto sbagliato."),
                      Terminata}))
            << codice;
        EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Riuscita);
    }
    EXPECT_EQ(ui.esecuzioni, 3);

    // A wait with an unknown time writes no call; an EEPROM operation calls one subroutine.
    for (const auto& [codice, parametro] : std::vector<std::pair<int, QString>>{{8, "9,9"}, {19, "EEP4"}}) {
        stato.griglia(8).riga(ultima) = Riga{parametro, QString::number(codice), {}};
        ui.messaggi.clear();
        compilatore.compila();
        EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata}) << codice;
    }
}

TEST_F(Verifiche, LoStackTraboccaAllaNonaChiamata)
{
    // Nine handlers in a row: the call from the eighth to the ninth pushes the ninth address.
    chiama(1, 2);
    for (int k = 2; k < 10; ++k)
        chiama(k, k + 1);
    aggiungi(stato, 10, 8, "2,5");
    compilatore.compila();
    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{
                  avviso("Sensore rotazione, riga 0: qui le chiamate una dentro l'altra arrivano a 11 livelli, ma il "
                         "PIC ne ricorda solo 8 (Griglia principale, riga 0 → Luce destra, riga 0 → Luce sinistra, "
                         "riga 0 → Prossimità destra, riga 0 → Prossimità sinistra, riga 0 → Ottico destro, riga 0 → "
                         "Ottico sinistro, riga 0 → Ultrasuoni, riga 0 → Sensore rotazione, riga 0 → Aux, riga 0). "
                         "Il robot tornerebbe al punto sbagliato."),
                  Terminata}));
}

TEST_F(Verifiche, GestoriCheSiChiamanoAVicenda)
{
    chiama(1, 2);
    aggiungi(stato, 2, 1);
    chiama(2, 3);
    aggiungi(stato, 3, 11, "Luce_destra");  // "Se disattivo vai a" back to Luce destra
    compilatore.compila();
    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{
                  avviso("Luce sinistra, riga 0: da qui si richiama Luce destra, che è già in corso (Luce destra → "
                         "Luce sinistra → Luce destra). Le chiamate possono girare in tondo senza fine e il robot "
                         "tornerebbe al punto sbagliato."),
                  Terminata}));
    EXPECT_EQ(ui.esecuzioni, 1);
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Riuscita);
}

TEST_F(Verifiche, UnGestoreCheChiamaSeStesso)
{
    aggiungi(stato, 1, 11, "Aux");
    aggiungi(stato, 10, 1);
    chiama(10, 10);  // only from an edited file: the dialogs leave the grid's own input out
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{
                               avviso("Aux, riga 1: da qui si richiama Aux, che è già in corso (Aux → Aux). Le "
                                      "chiamate possono girare in tondo senza fine e il robot tornerebbe al punto "
                                      "sbagliato."),
                               Terminata}));
}

TEST_F(Verifiche, GestoriMaiChiamatiNonContano)
{
    aggiungi(stato, 1, 1);
    chiama(4, 5);
    chiama(5, 4);
    for (int k = 6; k < 10; ++k)
        chiama(k, k + 1);
    aggiungi(stato, 10, 8, "1,0");
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});
}

TEST_F(Verifiche, EepromSul16F628)
{
    aggiungi(stato, 1, 17, "EEP3 d'5'");
    aggiungi(stato, 2, 18, "EEP3 Ram1");
    chiama(1, 2);
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Terminata});  // fine on the 16F84

    ui.messaggi.clear();
    stato.Processore = "16F628";
    compilatore.compila();
    EXPECT_EQ(ui.messaggi,
              (std::vector<Messaggio>{
                  avviso("Griglia principale, riga 0: \"Scrivi Eeprom\" non funziona sul 16F628: il robot si "
                         "bloccherebbe qui. Per usare la EEPROM scegliere il 16F84 o il 16F84A.\r\n"
                         "Luce destra, riga 0: \"Sposta Eeprom\" non funziona sul 16F628: leggerebbe un valore "
                         "sbagliato. Per usare la EEPROM scegliere il 16F84 o il 16F84A."),
                  Terminata}));
    EXPECT_EQ(compilatore.esito(), EsitoCompilazione::Riuscita);
}

TEST_F(Verifiche, UnSaltoRottoFermaAncheGliAvvisi)
{
    chiama(1, 2);
    chiama(2, 2);
    aggiungi(stato, 1, 9, "0");
    compilatore.compila();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{rifiuto(
                               "Griglia principale, riga 1: il \"Vai a\" salta alla riga 0, che non ha più l'etichetta "
                               "del salto. Cancellare il \"Vai a\" e inserirlo di nuovo.")});
    EXPECT_EQ(ui.esecuzioni, 0);
}

}  // namespace
}  // namespace kobaltino
