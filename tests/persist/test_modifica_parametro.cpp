// Changing the parameter of a row in place: side effects, the dialog's round, and the
// edited program surviving a save and a load.
#include "model/modifica_parametro.h"
#include "persist/banco_file.h"

namespace kobaltino {
namespace {

class ModificaParametro : public BancoFile {
protected:
    // Appends one instruction to grid k as its dialog would confirm it.
    void inserisciCon(int k, int codice, const QString& parametro, const QString& azione = {})
    {
        EsitoDialogo e = esito(parametro, azione);
        if (codice == codici::VaiA)
            e.riga = parametro.toInt();
        if (codice == codici::ScriviRam || codice == codici::ScriviEeprom) {
            e.cella = parametro.section(u' ', 0, 0).mid(3).toInt();
            e.marca = parametro.section(u' ', 1);
        }
        ui.esiti.push_back(e);
        editor.inserisci(k, codice);
    }
};

struct Modifica {
    int codice;
    const char* prima;
    const char* dopo;
};

// One row of each kind of edit, in grid 3, then each edited: a plain parameter, a written cell
// whose mark moves, a cell changing memory, two registers, a jump.
const Modifica Modifiche[] = {
    {codici::Attendi, "0,5", "2,5"}, {codici::ScriviRam, "Ram5 d'100'", "Ram6 'x'"},
    {codici::ScriviEeprom, "EEP1 b'00001111'", "EEP1 d'7'"}, {codici::Incrementa, "Ram1", "EEP2"},
    {codici::Operazioni, "Ram1 + Ram2", "Ram4 - Ram4"}, {codici::VaiA, "0", "5"},
};

TEST_F(ModificaParametro, OgniModificaTornaUgualeDopoSalvataggioECaricamento)
{
    for (const Modifica& m : Modifiche)
        inserisciCon(3, m.codice, QString::fromUtf8(m.prima));
    inserisciCon(3, codici::Se, QStringLiteral("Ram1 = Ram2"), QStringLiteral("7"));
    inserisciCon(3, codici::SeDisattivoFai, QStringLiteral("Aux"), QStringLiteral("1"));
    const int se = static_cast<int>(std::size(Modifiche));
    const int fai = se + 3;
    ASSERT_EQ(stato.NumIstruzioni(3), fai + 2);

    for (int r = 0; r < se; ++r)
        EXPECT_TRUE(modificaParametro(stato, 3, r, QString::fromUtf8(Modifiche[r].dopo))) << r;
    EXPECT_TRUE(modificaParametro(stato, 3, se, QStringLiteral("Ram9 ! Ram10")));
    EXPECT_TRUE(modificaParametro(stato, 3, fai, QStringLiteral("Luce_sinistra")));

    const QByteArray scritto = testoProgramma(stato);
    ASSERT_TRUE(carica(scritto).riuscito());
    EXPECT_EQ(testoProgramma(stato), scritto);
    for (int r = 0; r < se; ++r)
        EXPECT_EQ(stato.griglia(3).riga(r).parametro, QString::fromUtf8(Modifiche[r].dopo)) << r;
    EXPECT_EQ(stato.griglia(3).riga(se).parametro, "Ram9 ! Ram10");
    EXPECT_EQ(stato.griglia(3).codice(se + 1), codici::Fermo);  // the action stays
    EXPECT_EQ(stato.griglia(3).riga(fai).parametro, "Luce_sinistra");
    EXPECT_EQ(stato.marca(Memoria::Ram, 5), "");
    EXPECT_EQ(stato.marca(Memoria::Ram, 6), "'x'");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 1), "d'7'");
}

TEST_F(ModificaParametro, VaiASpostaLEtichettaSulNuovoBersaglio)
{
    riempi(1, 4);
    inserisciCon(1, codici::VaiA, QStringLiteral("1"));  // row 4, label "0" on row 1
    inserisciCon(1, codici::VaiA, QStringLiteral("2"));  // row 5, label "1" on row 2
    inserisciCon(1, codici::VaiA, QStringLiteral("2"));  // row 6, label "2" on row 2

    EXPECT_TRUE(modificaParametro(stato, 1, 4, QStringLiteral("3")));
    EXPECT_EQ(stato.griglia(1).riga(1).etichetta, "");   // no jump lands there any more
    EXPECT_EQ(stato.griglia(1).riga(3).etichetta, "3");  // the grid's next free number
    EXPECT_TRUE(modificaParametro(stato, 1, 5, QStringLiteral("3")));
    EXPECT_EQ(stato.griglia(1).riga(2).etichetta, "2");  // row 6 still jumps to row 2
    EXPECT_EQ(stato.griglia(1).riga(3).etichetta, "3");  // a labelled target keeps its label
}

TEST_F(ModificaParametro, RigheSenzaParametroOTestoUgualeNonCambiano)
{
    editor.inserisci(1, codici::Avanti);
    ui.risposte.push_back(Risposta::Si);
    editor.inserisci(1, codici::Braccio);
    inserisciCon(1, codici::Attendi, QStringLiteral("1,0"));
    stato.Modificato = false;
    EXPECT_FALSE(modificaParametro(stato, 1, 0, QStringLiteral("x")));
    EXPECT_FALSE(modificaParametro(stato, 1, 1, QStringLiteral("Chiuso")));
    EXPECT_FALSE(modificaParametro(stato, 1, 2, QStringLiteral("1,0")));
    EXPECT_FALSE(modificaParametro(stato, 1, 3, QStringLiteral("1,5")));  // not in use
    EXPECT_FALSE(modificaParametro(stato, 11, 0, QStringLiteral("1,5")));
    EXPECT_FALSE(stato.Modificato);
    EXPECT_FALSE(modificaRiga(editor, 1, 1));  // "Braccio": nothing asked, nothing changed
    EXPECT_TRUE(ui.dialoghi.size() == 1 && ui.messaggi.size() == 1);  // only the insertions' own
}

// A double-click on a conditional: cancelling changes nothing; a confirmed input replaces the
// old one and the action under it stays.
TEST_F(ModificaParametro, DoppioClicApreIlDialogoEApplicaLaConferma)
{
    inserisciCon(2, codici::SeAttivoFai, QStringLiteral("Aux"), QStringLiteral("21"));
    stato.Modificato = false;

    ui.esiti.push_back(std::nullopt);  // cancelled
    EXPECT_FALSE(modificaRiga(editor, 2, 0));
    EXPECT_FALSE(stato.Modificato);

    ui.esiti.push_back(esito(QStringLiteral("Ottico_destro"), QStringLiteral("1")));
    EXPECT_TRUE(modificaRiga(editor, 2, 0));
    EXPECT_EQ(stato.griglia(2).riga(0).parametro, "Ottico_destro");
    EXPECT_EQ(codici(2), (std::vector<int>{codici::SeAttivoFai, codici::Ritorna}));
    EXPECT_TRUE(stato.Modificato);
    const std::vector<std::pair<Dialogo, int>> attesi(3, {Dialogo::SeAttivoFai, 2});
    EXPECT_EQ(ui.dialoghi, attesi);
    // Each dialog opens on the row as it stands, a conditional with its action.
    EXPECT_EQ(ui.precompilati, (std::vector<std::pair<QString, QString>>(2, {"Aux", "21"})));
}

}  // namespace
}  // namespace kobaltino
