// Moving, inserting at a row and deleting keep every "Vai a" on its instruction: checked on the
// generated assembly, against the same program written in its new order.
#include "banco_editor.h"

#include "codegen/generatore.h"

namespace kobaltino {
namespace {

// A program of grid 1 as a list of items: "S<n>" a "Scrivi Ram" of d'n' carrying label n (each
// one a distinct instruction), "J<n>" a "Vai a" to the row "S<n>" ("J0" to no row), "A" an
// "Avanti", "SE" a "Se" block of three rows, "F" a "Se attivo fai" with its "Fermo".
using Programma = QStringList;

void costruisci(Stato& s, const Programma& p)
{
    QStringList righe;
    for (const QString& voce : p) {
        if (voce == "SE")
            righe << "15 Ram1 = Ram2 | 1 | 16";
        else if (voce == "F")
            righe << "27 Aux | 7";
        else if (voce == "A")
            righe << "1";
        else
            righe << (voce[0] == 'S' ? "13 Ram1 d'" + voce.mid(1) + "' @" + voce.mid(1) : "9 " + voce);
    }
    scriviGriglia(s, 1, righe.join('|'));
    Griglia& g = s.griglia(1);
    for (int r = 0; r < g.numIstruzioni(); ++r) {
        if (g.codice(r) != codici::VaiA)
            continue;
        const QString bersaglio = g.riga(r).parametro.mid(1);
        g.riga(r).parametro.clear();
        for (int t = 0; t < g.numIstruzioni(); ++t)
            if (g.riga(t).etichetta == bersaglio)
                g.riga(r).parametro = QString::number(t);
    }
}

QString assembly(const Programma& p)
{
    Stato s;
    costruisci(s, p);
    return genera(s).sorgente.testo();
}

const Programma Base = {"S1", "J4", "S2", "SE", "S3", "J1", "S4", "F", "J2", "S5"};
// Rows: 0 S1, 1 J4, 2 S2, 3 Se, 4 Avanti, 5 FINE SE, 6 S3, 7 J1, 8 S4, 9 Se attivo fai,
// 10 Fermo, 11 J2, 12 S5.

class Spostamento : public BancoEditor {
protected:
    void SetUp() override { costruisci(stato, Base); }
    QString assembly() const { return genera(stato).sorgente.testo(); }
};

TEST_F(Spostamento, IlProgrammaSpostatoEQuelloNelNuovoOrdine)
{
    const struct {
        std::vector<int> righe;
        int punto;
        Programma atteso;
    } casi[] = {
        {{0}, 13, {"J4", "S2", "SE", "S3", "J1", "S4", "F", "J2", "S5", "S1"}},
        {{12}, 0, {"S5", "S1", "J4", "S2", "SE", "S3", "J1", "S4", "F", "J2"}},
        {{4}, 0, {"SE", "S1", "J4", "S2", "S3", "J1", "S4", "F", "J2", "S5"}},   // the action row takes its block
        {{5, 8}, 2, {"S1", "J4", "SE", "S4", "S2", "S3", "J1", "F", "J2", "S5"}},  // several rows keep their order
        {{10}, 3, {"S1", "J4", "S2", "F", "SE", "S3", "J1", "S4", "J2", "S5"}},
        {{1, 7, 11}, 13, {"S1", "S2", "SE", "S3", "S4", "F", "S5", "J4", "J1", "J2"}},
    };
    const QString prima = assembly();
    for (const auto& c : casi) {
        SCOPED_TRACE(c.punto);
        EXPECT_TRUE(editor.sposta(1, c.righe, c.punto));
        EXPECT_EQ(assembly(), kobaltino::assembly(c.atteso));
        editor.annulla();
        EXPECT_EQ(assembly(), prima);
    }
}

TEST_F(Spostamento, NullaTraUnaCondizioneELaSuaAzione)
{
    for (int punto : {4, 5, 10})
        EXPECT_FALSE(editor.sposta(1, {0}, punto)) << punto;
    EXPECT_FALSE(editor.sposta(1, {}, 0));
    EXPECT_FALSE(editor.puoAnnullare());
}

TEST_F(Spostamento, InserireInUnPuntoSpostaISalti)
{
    const struct {
        int codice, punto;
        Programma atteso;
    } casi[] = {
        {codici::Avanti, 0, {"A", "S1", "J1", "S2", "SE"}},
        {codici::Avanti, 2, {"S1", "J1", "A", "S2", "SE"}},
        {codici::Avanti, 4, {"S1", "J1", "S2", "SE", "A"}},  // inside the "Se": after its block
        {codici::Se, 1, {"S1", "SE", "J1", "S2", "SE"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.punto);
        Postazione p;
        costruisci(p.stato, {"S1", "J1", "S2", "SE"});
        p.ui.esiti.push_back(p.esito("Ram1 = Ram2", "1"));
        p.editor.inserisciIn(1, c.codice, c.punto);
        EXPECT_EQ(genera(p.stato).sorgente.testo(), kobaltino::assembly(c.atteso));
        EXPECT_EQ(p.editor.storia().posizione(), 1);
    }
}

TEST_F(Spostamento, UnVaiAInseritoInUnPuntoSaltaDoveScelto)
{
    stato = Stato{};
    costruisci(stato, {"S1", "S2", "S3"});
    ui.esiti.push_back(salto(2));  // "S3", as the dialog lists the rows before the insertion
    editor.inserisciIn(1, codici::VaiA, 0);
    EXPECT_EQ(testoGriglia(1), "9 3 | 13 Ram1 d'1' @1 | 13 Ram1 d'2' @2 | 13 Ram1 d'3' @0");
}

TEST_F(Spostamento, CancellareSopraUnVaiANonLoSposta)
{
    const struct {
        std::vector<int> righe;
        const char* domanda;
        Programma atteso;
    } casi[] = {
        {{0}, "Si vuole cancellare l'istruzione selezionata?\r\n"
              "L'istruzione selezionata è la destinazione di un Vai a alla riga 7.",
         {"J4", "S2", "SE", "S3", "J0", "S4", "F", "J2", "S5"}},
        {{3}, "Si vuole cancellare l'istruzione selezionata?", {"S1", "J4", "S2", "S3", "J1", "S4", "F", "J2", "S5"}},
        {{6}, "Si vuole cancellare l'istruzione selezionata?", {"S1", "J4", "S2", "SE", "J1", "S4", "F", "J2", "S5"}},
        {{1, 4}, "Si vogliono cancellare le istruzioni selezionate?", {"S1", "S2", "S3", "J1", "S4", "F", "J2", "S5"}},
        {{2, 8}, "Si vogliono cancellare le istruzioni selezionate?\r\n"
                 "L'istruzione alla riga 2 è la destinazione di un Vai a alla riga 11.\r\n"
                 "L'istruzione alla riga 8 è la destinazione di un Vai a alla riga 1.",
         {"S1", "J0", "SE", "S3", "J1", "F", "J0", "S5"}},
        {{2, 11}, "Si vogliono cancellare le istruzioni selezionate?",
         {"S1", "J4", "SE", "S3", "J1", "S4", "F", "S5"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.righe[0]);
        Postazione p;
        costruisci(p.stato, Base);
        if (c.righe.size() == 1) {
            p.cancellaRiga(1, c.righe[0]);
        } else {
            p.ui.risposte.push_back(Risposta::Si);
            p.editor.cancellaRighe(1, c.righe);
        }
        EXPECT_EQ(p.ui.messaggi, std::vector<Messaggio>{domandaSiNo(c.domanda)});
        EXPECT_EQ(genera(p.stato).sorgente.testo(), kobaltino::assembly(c.atteso));
    }
    ui.risposte.push_back(Risposta::No);
    editor.cancellaRighe(1, {0, 2});
    EXPECT_EQ(stato.NumIstruzioni(1), 13);
    EXPECT_FALSE(editor.puoAnnullare());
}

}  // namespace
}  // namespace kobaltino
