// A dialog opened on a row already in the grid shows the row's values: OK straight away
// gives back the very same parameter, and a conditional's action is shown but locked.
#include "banco_dialoghi.h"
#include "dialogs/fabbrica_dialoghi.h"

namespace kobaltino {
namespace {

using Precompila = BancoDialoghi;

TEST_F(Precompila, OkSubitoRendeLoStessoParametro)
{
    const struct { Dialogo dialogo; const char* parametro; const char* azione; int riga; const char* ok; } casi[] = {
        {Dialogo::Attendi, "2,0", "", -1, "cmdOK"},
        {Dialogo::SeDisattivoVaiA, "Aux", "", -1, "cmdOK"},
        {Dialogo::ScriviRam, "Ram5 d'100'", "", -1, "cmdOk"},
        {Dialogo::ScriviRam, "Ram20 'x'", "", -1, "cmdOk"},
        {Dialogo::ScriviEeprom, "EEP12 b'10101010'", "", -1, "cmdOk"},
        {Dialogo::SpostaEeprom, "EEP20 Ram1", "", -1, "cmdOk"},
        {Dialogo::Incrementa, "Ram7", "", -1, "cmdOk"},
        {Dialogo::Decrementa, "EEP4", "", -1, "cmdOk"},
        {Dialogo::Operazioni, "Ram4 - Ram12", "", -1, "cmdOk"},
        {Dialogo::Se, "Ram3 ! Ram5", "19", -1, "cmdOk"},
        {Dialogo::SeAttivoFai, "Luce_sinistra", "21", -1, "cmdOk"},
        {Dialogo::SeDisattivoFai, "Ultrasuono", "7", -1, "cmdOk"},
        {Dialogo::VaiA, "", "", 5, "cmdOK"},
    };
    Stato stato;
    stato.NomeGriglia = QStringLiteral("MSHFlexGrid1");
    for (int i = 0; i < 6; ++i)
        stato.griglia(1).accoda(codici::Avanti, {});
    for (const auto& c : casi) {
        SCOPED_TRACE(c.parametro);
        const auto d = creaDialogo(c.dialogo, 1, stato);
        ASSERT_NE(d, nullptr);
        EsitoDialogo attuale;
        attuale.parametro = QString::fromUtf8(c.parametro);
        attuale.azione = QString::fromUtf8(c.azione);
        attuale.riga = c.riga;
        d->precompila(attuale);
        apri(*d);
        clicca(*d, QString::fromLatin1(c.ok));
        ASSERT_TRUE(d->esito().has_value());
        EXPECT_EQ(d->esito()->parametro, attuale.parametro);
        EXPECT_EQ(d->esito()->azione, attuale.azione);
        if (c.riga >= 0)
            EXPECT_EQ(d->esito()->riga, c.riga);
        if (auto* azione = d->findChild<QComboBox*>(QStringLiteral("cmbIstruzione")))
            EXPECT_FALSE(azione->isEnabled());
    }
}

}  // namespace
}  // namespace kobaltino
