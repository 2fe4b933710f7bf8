// A dialog opened on a row already in the grid shows the row's values: OK straight away
// gives back the very same parameter, and a conditional's action is shown but locked.
#include "banco_dialoghi.h"

#include "dialogs/fabbrica_dialoghi.h"

namespace kobaltino {
namespace {

using Precompila = BancoDialoghi;

struct CasoPrecompila {
    Dialogo dialogo;
    const char* parametro;
    const char* azione;
    const char* ok;
};

const CasoPrecompila Casi[] = {
    {Dialogo::Attendi, "2,0", "", "cmdOK"},
    {Dialogo::SeAttivoVaiA, "Ottico_destro", "", "cmdOK"},
    {Dialogo::SeDisattivoVaiA, "Aux", "", "cmdOK"},
    {Dialogo::ScriviRam, "Ram5 d'100'", "", "cmdOk"},
    {Dialogo::ScriviRam, "Ram20 'x'", "", "cmdOk"},
    {Dialogo::ScriviEeprom, "EEP12 b'10101010'", "", "cmdOk"},
    {Dialogo::SpostaEeprom, "EEP20 Ram1", "", "cmdOk"},
    {Dialogo::Incrementa, "Ram7", "", "cmdOk"},
    {Dialogo::Decrementa, "EEP4", "", "cmdOk"},
    {Dialogo::Swappa, "Ram2", "", "cmdOk"},
    {Dialogo::ScorriDestra, "EEP9", "", "cmdOk"},
    {Dialogo::ScorriSinistra, "Ram11", "", "cmdOk"},
    {Dialogo::Complemento, "Ram3", "", "cmdOk"},
    {Dialogo::Operazioni, "Ram4 - Ram12", "", "cmdOk"},
    {Dialogo::Se, "Ram3 ! Ram5", "19", "cmdOk"},
    {Dialogo::SeAttivoFai, "Luce_sinistra", "21", "cmdOk"},
    {Dialogo::SeDisattivoFai, "Ultrasuono", "7", "cmdOk"},
};

TEST_F(Precompila, OkSubitoRendeLoStessoParametro)
{
    Stato stato;
    stato.NomeGriglia = QStringLiteral("MSHFlexGrid1");
    for (const CasoPrecompila& c : Casi) {
        SCOPED_TRACE(c.parametro);
        const auto d = creaDialogo(c.dialogo, 1, stato);
        ASSERT_NE(d, nullptr);
        EsitoDialogo attuale;
        attuale.parametro = QString::fromUtf8(c.parametro);
        attuale.azione = QString::fromUtf8(c.azione);
        d->precompila(attuale);
        apri(*d);
        clicca(*d, QString::fromLatin1(c.ok));
        ASSERT_TRUE(d->esito().has_value());
        EXPECT_EQ(d->esito()->parametro, attuale.parametro);
        EXPECT_EQ(d->esito()->azione, attuale.azione);
        if (auto* azione = d->findChild<QComboBox*>(QStringLiteral("cmbIstruzione")))
            EXPECT_FALSE(azione->isEnabled());
    }
}

TEST_F(Precompila, VaiAMostraLaRigaDiDestinazione)
{
    Stato stato;
    for (int i = 0; i < 6; ++i)
        stato.griglia(4).accoda(codici::Avanti, {});
    const auto d = creaDialogo(Dialogo::VaiA, 4, stato);
    EsitoDialogo attuale;
    attuale.riga = 5;
    d->precompila(attuale);
    apri(*d);
    clicca(*d, QStringLiteral("cmdOK"));
    ASSERT_TRUE(d->esito().has_value());
    EXPECT_EQ(d->esito()->riga, 5);
}

}  // namespace
}  // namespace kobaltino
