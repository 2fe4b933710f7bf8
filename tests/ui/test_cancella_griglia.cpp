// "Seleziona la griglia da cancellare": its controls, its buttons and the inputs that open it.
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

    // "Cancella" clears the checked grids and closes, or stays open where the clearing stopped at an
    // empty grid; "Chiudi" clears nothing. The grids on screen follow.
    const struct {
        std::vector<int> piene, spuntate;
        const char* pulsante;
        std::vector<int> restano;
        bool aperto;
    } casi[] = {{{1, 3, 8, 9}, {1, 8}, "cmdCancella", {3, 9}, false},
                {{2}, {2, 3}, "cmdCancella", {}, true},  // "Luce sinistra" empty: only "Luce destra" goes
                {{1}, {1}, "cmdChiudi", {1}, false}};
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << &c - casi);
        svuotaProgramma();
        for (int k : c.piene)
            riempi(k, {codici::Avanti, codici::Fermo});
        FrmCancellaGriglia scelta(editor, finestra.get());
        scelta.show();
        for (int k : c.spuntate)
            scelta.casella(k)->setChecked(true);
        QTest::mouseClick(scelta.findChild<QPushButton*>(c.pulsante), Qt::LeftButton);
        for (int k = 1; k <= 10; ++k) {
            const bool resta = std::count(c.restano.begin(), c.restano.end(), k) > 0;
            EXPECT_EQ(finestra->modello(k)->index(0, 2).data().toString(), resta ? "1" : "") << k;
        }
        EXPECT_EQ(scelta.isVisible(), c.aperto);
    }

    // From the menu the dialog opens modal over the window (its Ctrl+G is pinned with the menus).
    riempi(4, {codici::Avanti, codici::Avanti});
    sorvegliante.attendi([](QWidget* w) {
        auto* dialogo = qobject_cast<FrmCancellaGriglia*>(w);
        ASSERT_TRUE(dialogo && dialogo->isModal());
        dialogo->casella(4)->setChecked(true);
        QTest::mouseClick(dialogo->findChild<QPushButton*>("cmdCancella"), Qt::LeftButton);
    });
    menu("KeyCancellaGriglia");
    EXPECT_EQ(stato.NumIstruzioni(4), 0);  // cleared by the dialog that opened
}

}  // namespace
}  // namespace kobaltino
