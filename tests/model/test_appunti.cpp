#include "banco_editor.h"

namespace kobaltino {
namespace {

using Appunti = BancoEditor;

// "Copia" of one row of grid 1, then "Incolla" on the empty grid 2.
struct CasoAppunti {
    QString nome, prima;
    int riga;
    QString dopo;  // grid 2
};

TEST_F(Appunti, IncollaRicreaLaRigaCopiataSenzaDialogo)
{
    std::vector<CasoAppunti> casi = {
        {"Attendi, senza la sua etichetta", "8 2,5 @3", 0, "8 2,5"},
        {"Avanti", "1 | 2", 1, "2"},
        {"Se, Ritorna", "15 Ram1 = Ram2 | 14 | 16", 0, "15 Ram1 = Ram2 | 14 | 16"},
        {"Se senza azione", "15 Ram1 = Ram2 | 16", 0, "15 Ram1 = Ram2 | 16"},
        {"Se disattivo fai", "28 Ottico_destro | 12", 0, "28 Ottico_destro | 12"},
        {"FINE SE", "15 Ram1 = Ram2 | 1 | 16", 2, ""},
        {"riga vuota", "1", 10, ""},
    };
    for (int c : {10, 11, 13, 17, 18, 19, 20, 22, 23, 24, 25, 26})
        casi.push_back({QString::number(c), QString::number(c) + " p", 0, QString::number(c) + " p"});
    for (const CasoAppunti& c : casi) {
        SCOPED_TRACE(c.nome.toStdString());
        Postazione p;
        scriviGriglia(p.stato, 1, c.prima);
        p.selezionaCodice(1, c.riga);
        p.editor.copia(1);
        p.editor.incolla(2);
        EXPECT_EQ(p.testoGriglia(2), c.dopo);
        EXPECT_EQ(p.stato.Modificato, !c.dopo.isEmpty());
        EXPECT_FALSE(p.stato.InserimentoAutomatico);
        EXPECT_TRUE(p.ui.dialoghi.empty());
        EXPECT_TRUE(p.ui.messaggi.empty());
    }
}

TEST_F(Appunti, VaiAChiedeDiNuovoIlBersaglio)
{
    scriviGriglia(stato, 5, "1 @0 | 1 | 9 0");
    selezionaCodice(5, 2);
    editor.copia(5);
    editor.incolla(5);  // dialog cancelled
    EXPECT_EQ(stato.NumIstruzioni(5), 3);
    ui.esiti.push_back(salto(1));
    editor.incolla(5);
    EXPECT_EQ(testoGriglia(5), "1 @0 | 1 @1 | 9 0 | 9 1");
    EXPECT_EQ(ui.dialoghi, (std::vector<std::pair<Dialogo, int>>(2, {Dialogo::VaiA, 5})));
}

// Several rows, widened to whole blocks: pasted whole or not at all; the clipboard outlives
// "Cancella tutto".
TEST_F(Appunti, CopiaETagliaDiPiuRighe)
{
    scriviGriglia(stato, 1, "13 Ram1 d'1' | 15 Ram1 = Ram2 | 1 | 16 | 27 Aux | 7 | 13 Ram1 d'2'");
    editor.copiaRighe(1, {0, 2, 5});  // a row, the "Se" block, the "Se attivo fai" pair
    editor.incolla(2);
    EXPECT_EQ(testoGriglia(2), "13 Ram1 d'1' | 15 Ram1 = Ram2 | 1 | 16 | 27 Aux | 7");
    ui.risposte = {Risposta::Si, Risposta::Si};
    editor.tagliaRighe(1, {4, 6});
    EXPECT_EQ(testoGriglia(1), "13 Ram1 d'1' | 15 Ram1 = Ram2 | 1 | 16");
    editor.cancellaTutto();
    scriviGriglia(stato, 3, dopoPieni(948, ""));
    ui.messaggi.clear();
    editor.incolla(3);  // three rows do not fit in the two that are free
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{Limite});
    EXPECT_EQ(stato.NumIstruzioni(3), 948);
    EXPECT_FALSE(stato.Modificato);
    editor.incolla(4);
    EXPECT_EQ(testoGriglia(4), "27 Aux | 7 | 13 Ram1 d'2'");
}

}  // namespace
}  // namespace kobaltino
