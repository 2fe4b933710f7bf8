// Moving, inserting at a row and deleting keep every "Vai a" on its instruction: checked on the
// generated assembly, against the same program written in its new order.
#include "banco_editor.h"

#include "codegen/generatore.h"

#include <functional>

namespace kobaltino {
namespace {

// A program of grid 1 as a list of items: "S<n>" a "Scrivi Ram" of d'n' carrying label n (each
// one a distinct instruction), "J<n>" a "Vai a" to the row "S<n>" ("J0" to no row), "A" an
// "Avanti", "SE" a "Se" block of three rows, "F" a "Se attivo fai" with its "Fermo".
using Programma = QStringList;

void costruisci(Stato& s, const Programma& p)
{
    QStringList righe;
    for (const QString& voce : p)
        righe << (voce == "SE"  ? "15 Ram1 = Ram2 | 1 | 16"
                  : voce == "F" ? "27 Aux | 7"
                  : voce == "A" ? "1"
                  : voce[0] == 'S' ? "13 Ram1 d'" + voce.mid(1) + "' @" + voce.mid(1)
                                   : "9 " + voce);
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

using Azione = std::function<void(Editor&)>;
Azione sposta(std::vector<int> righe, int punto)
{
    return [=](Editor& e) { EXPECT_TRUE(e.sposta(1, righe, punto)); };
}
Azione inserisciIn(int codice, int punto)
{
    return [=](Editor& e) { e.inserisciIn(1, codice, punto); };
}
Azione cancella(int riga)
{
    return [=](Editor& e) {
        e.stato().griglia(1).seleziona(riga, ColCodice);
        e.cancella(1);
    };
}
Azione cancellaRighe(std::vector<int> righe)
{
    return [=](Editor& e) { e.cancellaRighe(1, righe); };
}

using Spostamento = BancoEditor;
const char* const Domanda = "Si vuole cancellare l'istruzione selezionata?";
const char* const DomandaRighe = "Si vogliono cancellare le istruzioni selezionate?";

// Each command on Base is the program written in its new order.
TEST_F(Spostamento, OgniVaiARestaSullaSuaIstruzione)
{
    const struct {
        Azione azione;
        Programma atteso;
        QString domanda = {};  // the deletion question, answered Sì
    } casi[] = {
        {sposta({0}, 13), {"J4", "S2", "SE", "S3", "J1", "S4", "F", "J2", "S5", "S1"}},
        {sposta({4}, 0), {"SE", "S1", "J4", "S2", "S3", "J1", "S4", "F", "J2", "S5"}},   // the action row takes its block
        {sposta({5, 8}, 2), {"S1", "J4", "SE", "S4", "S2", "S3", "J1", "F", "J2", "S5"}},  // several rows keep their order
        {sposta({1, 7, 11}, 13), {"S1", "S2", "SE", "S3", "S4", "F", "S5", "J4", "J1", "J2"}},
        {inserisciIn(codici::Avanti, 2), {"S1", "J4", "A", "S2", "SE", "S3", "J1", "S4", "F", "J2", "S5"}},
        // Inside the "Se": after its block.
        {inserisciIn(codici::Avanti, 4), {"S1", "J4", "S2", "SE", "A", "S3", "J1", "S4", "F", "J2", "S5"}},
        {inserisciIn(codici::Se, 1), {"S1", "SE", "J4", "S2", "SE", "S3", "J1", "S4", "F", "J2", "S5"}},
        {cancella(0), {"J4", "S2", "SE", "S3", "J0", "S4", "F", "J2", "S5"},
         QString(Domanda) + "\r\nL'istruzione selezionata è la destinazione di un Vai a alla riga 7."},
        {cancella(3), {"S1", "J4", "S2", "S3", "J1", "S4", "F", "J2", "S5"}, Domanda},
        {cancellaRighe({1, 4}), {"S1", "S2", "S3", "J1", "S4", "F", "J2", "S5"}, DomandaRighe},
        {cancellaRighe({2, 8}), {"S1", "J0", "SE", "S3", "J1", "F", "J0", "S5"},
         QString(DomandaRighe) + "\r\nL'istruzione alla riga 2 è la destinazione di un Vai a alla riga 11."
             + "\r\nL'istruzione alla riga 8 è la destinazione di un Vai a alla riga 1."},
        {cancellaRighe({2, 11}), {"S1", "J4", "SE", "S3", "J1", "S4", "F", "S5"}, DomandaRighe},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(&c - casi);
        Postazione p;
        costruisci(p.stato, Base);
        p.ui.esiti.push_back(esito("Ram1 = Ram2", "1"));
        p.ui.risposte.push_back(Risposta::Si);
        c.azione(p.editor);
        EXPECT_EQ(genera(p.stato).sorgente.testo(), assembly(c.atteso));
        EXPECT_EQ(p.ui.messaggi, c.domanda.isEmpty() ? std::vector<Messaggio>{} : std::vector{domandaSiNo(c.domanda)});
    }
}

TEST_F(Spostamento, NullaSiSpostaTraUnaCondizioneELaSuaAzioneNeSiCancellaConNo)
{
    costruisci(stato, Base);
    for (int punto : {4, 5, 10})
        EXPECT_FALSE(editor.sposta(1, {0}, punto)) << punto;
    EXPECT_FALSE(editor.sposta(1, {}, 0));
    ui.risposte.push_back(Risposta::No);
    editor.cancellaRighe(1, {0, 2});
    EXPECT_EQ(stato.NumIstruzioni(1), 13);
    EXPECT_FALSE(editor.puoAnnullare());

    // A "FINE SE" with no "Se" of its own (an edited file) is a row like any other.
    Postazione p;
    scriviGriglia(p.stato, 1, QStringLiteral("15 Ram1 = Ram2 | 1 | 16 | 16 | 7"));
    EXPECT_TRUE(p.editor.sposta(1, {4}, 3));
    EXPECT_TRUE(p.editor.sposta(1, {4}, 0));
    EXPECT_EQ(p.testoGriglia(1), "16 | 15 Ram1 = Ram2 | 1 | 16 | 7");
}

TEST_F(Spostamento, UnVaiAInseritoInUnPuntoSaltaDoveScelto)
{
    costruisci(stato, {"S1", "S2", "S3"});
    ui.esiti.push_back(salto(2));  // "S3", as the dialog lists the rows before the insertion
    editor.inserisciIn(1, codici::VaiA, 0);
    EXPECT_EQ(testoGriglia(1), "9 3 | 13 Ram1 d'1' @1 | 13 Ram1 d'2' @2 | 13 Ram1 d'3' @0");
}

}  // namespace
}  // namespace kobaltino
