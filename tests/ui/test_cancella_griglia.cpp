// "Seleziona la griglia da cancellare": its controls and the rule that stops at an empty grid.
#include "banco_finestra.h"

#include "dialogs/frm_cancella_griglia.h"
#include "support/aspetto.h"

#include <QCheckBox>
#include <QPushButton>

namespace kobaltino {
namespace {

using CancellaGriglia = BancoFinestra;

TEST_F(CancellaGriglia, TestiESpunteFinoAllaPrimaGrigliaVuota)
{
    // Its check boxes, none checked, and buttons, as in fixtures/cancella_griglia.txt.
    EXPECT_TRUE(ugualeAlFile(descrivi(FrmCancellaGriglia(editor, finestra.get())),
                             KOBALTINO_FIXTURES "/cancella_griglia.txt"));

    // The checked grids are cleared in order up to the first empty one, where the dialog stays
    // open; "Chiudi" clears nothing. The memory marks stay, nothing is asked.
    const struct {
        std::vector<int> piene, spuntate;
        const char* pulsante;
        std::vector<int> restano;
        bool aperto;
    } casi[] = {{{1, 3, 8, 9}, {1, 8}, "cmdCancella", {3, 9}, false}, {{1}, {}, "cmdCancella", {1}, false},
                {{3}, {2, 3}, "cmdCancella", {3}, true},  // "Luce destra" empty: nothing goes
                {{2}, {2, 3}, "cmdCancella", {}, true},   // "Luce sinistra" empty: only "Luce destra" goes
                {{1}, {1}, "cmdChiudi", {1}, false}};
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << &c - casi);
        svuotaProgramma();
        for (int k : c.piene)
            riempi(k, {codici::Avanti, codici::Fermo});
        stato.Modificato = false;
        stato.marca(Memoria::Ram, 1) = "d'1'";
        FrmCancellaGriglia scelta(editor, finestra.get());
        scelta.show();
        for (int k : c.spuntate)
            scelta.casella(k)->setChecked(true);
        QTest::mouseClick(scelta.findChild<QPushButton*>(c.pulsante), Qt::LeftButton);
        for (int k = 1; k <= 10; ++k) {
            const bool resta = std::count(c.restano.begin(), c.restano.end(), k) > 0;
            EXPECT_EQ(stato.NumIstruzioni(k), resta ? 2 : 0) << k;
            EXPECT_EQ(finestra->modello(k)->index(0, 2).data().toString(), resta ? "1" : "") << k;
        }
        EXPECT_EQ(stato.Modificato, c.restano.size() != c.piene.size());
        EXPECT_EQ(scelta.isVisible(), c.aperto);
        if (!c.aperto) {
            EXPECT_EQ(scelta.result(), c.pulsante == std::string("cmdChiudi") ? QDialog::Rejected : QDialog::Accepted);
        }
        EXPECT_EQ(stato.marca(Memoria::Ram, 1), "d'1'");
        EXPECT_TRUE(ui.messaggi.empty());
    }

    // From the menu and with Ctrl+G the dialog opens modal over the window.
    for (const char* ingresso : {"KeyCancellaGriglia", "Ctrl+G"}) {
        riempi(4, {codici::Avanti, codici::Avanti});
        cancellaGriglie({4}, ingresso);
        EXPECT_EQ(stato.NumIstruzioni(4), 0) << ingresso;
    }
}

}  // namespace
}  // namespace kobaltino
