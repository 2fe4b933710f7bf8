// "Seleziona la griglia da cancellare": its controls and the rule that stops at an empty grid.
#include "banco_finestra.h"

#include "dialogs/frm_cancella_griglia.h"

#include <QCheckBox>
#include <QPushButton>

namespace kobaltino {
namespace {

class CancellaGriglia : public BancoFinestra {
protected:
    void SetUp() override
    {
        BancoFinestra::SetUp();
        dialogo = std::make_unique<FrmCancellaGriglia>(editor, finestra.get());
        dialogo->show();
    }
    void TearDown() override
    {
        dialogo.reset();
        BancoFinestra::TearDown();
    }
    void spunta(std::initializer_list<int> griglie)
    {
        for (int k : griglie)
            dialogo->casella(k)->setChecked(true);
    }
    void premiCancella() { QTest::mouseClick(dialogo->findChild<QPushButton*>("cmdCancella"), Qt::LeftButton); }

    std::unique_ptr<FrmCancellaGriglia> dialogo;
};

TEST_F(CancellaGriglia, TestiESuggerimenti)
{
    EXPECT_EQ(dialogo->windowTitle(), "Seleziona la griglia da cancellare");
    const std::vector<std::pair<QString, QString>> attese = {
        {"Griglia principale", "Selezionare per cancellare la griglia principale"},
        {"Luce destra", "Selezionare per cancellare la griglia luce destra"},
        {"Luce sinistra", "Selezionare per cancellare la griglia luce sinistra"},
        {"Prossimità destra", "Selezionare per cancellare la griglia prossimità destra"},
        {"Prossimità sinistra", "Selezionare per cancellare la griglia prossimità sinistra"},
        {"Ottico destro", "Selezionare per cancellare la griglia ottico destro"},
        {"Ottico sinistro", "Selezionare per cancellare la griglia ottico sinistro"},
        {"Ultrasuono", "Selezionare per cancellare la griglia ultrasuono"},
    };
    for (int k = 1; k <= 8; ++k) {
        auto* c = dialogo->findChild<QCheckBox*>(QStringLiteral("ckGriglia%1").arg(k));
        ASSERT_NE(c, nullptr) << k;
        EXPECT_EQ(c->text(), attese[k - 1].first);
        EXPECT_EQ(c->toolTip(), attese[k - 1].second);
        EXPECT_FALSE(c->isChecked());
    }
    EXPECT_EQ(dialogo->findChildren<QCheckBox*>().size(), 8);
    auto* cancella = dialogo->findChild<QPushButton*>("cmdCancella");
    auto* chiudi = dialogo->findChild<QPushButton*>("cmdChiudi");
    ASSERT_NE(cancella, nullptr);
    ASSERT_NE(chiudi, nullptr);
    EXPECT_EQ(cancella->text(), "&Cancella");
    EXPECT_EQ(cancella->toolTip(), "Fare click per cancellare le griglie selezionate");
    EXPECT_EQ(chiudi->text(), "Ch&iudi");
    EXPECT_EQ(chiudi->toolTip(), "Fare click per chiudere la finestra");
}

TEST_F(CancellaGriglia, CancellaLeSpuntateEChiude)
{
    riempi(1, {1, 2});
    riempi(3, {3});
    riempi(8, {4});
    riempi(9, {5});
    stato.Modificato = true;
    stato.marca(Memoria::Ram, 1) = "d'1'";
    spunta({1, 8});
    premiCancella();
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(stato.NumIstruzioni(8), 0);
    EXPECT_EQ(stato.NumIstruzioni(3), 1);
    EXPECT_EQ(stato.NumIstruzioni(9), 1);
    EXPECT_TRUE(stato.Modificato);
    EXPECT_EQ(stato.marca(Memoria::Ram, 1), "d'1'");
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    // The window shows the cleared grid at once.
    EXPECT_EQ(finestra->modello(1)->index(0, 2).data().toString(), "");
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(CancellaGriglia, SiFermaAllaPrimaGrigliaVuotaERestaAperto)
{
    // "Luce destra" empty, "Luce sinistra" not: nothing is cleared.
    riempi(3, {1});
    spunta({2, 3});
    premiCancella();
    EXPECT_EQ(stato.NumIstruzioni(3), 1);
    EXPECT_TRUE(dialogo->isVisible());

    // "Luce destra" not empty, "Luce sinistra" empty: only "Luce destra" goes.
    dialogo->casella(3)->setChecked(false);
    riempi(2, {2});
    stato.griglia(3).svuota();
    spunta({2, 3});
    premiCancella();
    EXPECT_EQ(stato.NumIstruzioni(2), 0);
    EXPECT_TRUE(dialogo->isVisible());
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(CancellaGriglia, NessunaSpuntaChiudeSenzaToccareNulla)
{
    riempi(1, {1});
    premiCancella();
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
    EXPECT_FALSE(dialogo->isVisible());
}

TEST_F(CancellaGriglia, ChiudiNonCancella)
{
    riempi(1, {1});
    spunta({1});
    QTest::mouseClick(dialogo->findChild<QPushButton*>("cmdChiudi"), Qt::LeftButton);
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(dialogo->result(), QDialog::Rejected);
}

TEST_F(CancellaGriglia, DalMenuSiApreModaleSopraLaFinestra)
{
    dialogo.reset();
    riempi(4, {1, 1});
    sorvegliante.attendi([](QWidget* w) {
        auto* d = qobject_cast<FrmCancellaGriglia*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->isModal());
        d->casella(4)->setChecked(true);
        QTest::mouseClick(d->findChild<QPushButton*>("cmdCancella"), Qt::LeftButton);
    });
    menu("KeyCancellaGriglia");
    EXPECT_EQ(sorvegliante.visti(), 1);
    EXPECT_EQ(stato.NumIstruzioni(4), 0);
    EXPECT_EQ(finestra->modello(4)->index(0, 0).data().toString(), "");
}

}  // namespace
}  // namespace kobaltino
