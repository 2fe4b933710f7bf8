// The input list rule and the fixed codes behind the dialogs' lists; the memory value rules.
#include "banco_dialoghi.h"
#include "dialogs/elenchi.h"
#include "dialogs/valore_memoria.h"

namespace kobaltino {
namespace {

TEST(Elenchi, OgniGrigliaLasciaFuoriIlProprioIngressoEOgniVoceHaIlSuoCodice)
{
    // Grids 2..10 handle Luce_destra, Luce_sinistra, then the rest in list order.
    QStringList propri = TuttiGliIngressi;
    propri.swapItemsAt(0, 1);
    EXPECT_EQ(ingressiPerGriglia("MSHFlexGrid1"), TuttiGliIngressi);
    for (int k = 2; k <= 10; ++k) {
        QStringList atteso = TuttiGliIngressi;
        atteso.removeOne(propri[k - 2]);
        EXPECT_EQ(ingressiPerGriglia(QStringLiteral("MSHFlexGrid%1").arg(k)), atteso) << k;
    }
    for (const char* sconosciuta : {"", "MSHFlexGrid11", "MSHFlexGrid", "mshflexgrid1"})
        EXPECT_TRUE(ingressiPerGriglia(sconosciuta).isEmpty()) << sconosciuta;
    // Nothing chosen (-1) or past the end: an empty text, no crash.
    QStringList codici, operatori;
    for (int i = -1; i <= 10; ++i)
        codici << codiceDellAzione(i);
    for (int i = -1; i <= 4; ++i)
        operatori << operatoreDelParagone(i);
    EXPECT_EQ(codici, (QStringList{"", "1", "2", "3", "4", "5", "6", "7", "19", "20", "21", ""}));
    EXPECT_EQ(operatori, (QStringList{"", " = ", " > ", " < ", " ! ", ""}));
}

TEST(ValoreMemoria, CarattereNelCodiceDelFileENumeroDaZeroA255)
{
    // Windows-1252 holds the euro sign and the accented Latin letters, not Greek or CJK.
    for (char16_t c : {u'\u20AC', u'è', u' '})
        EXPECT_TRUE(carattereAmmesso(TipoDato::Carattere, QChar(c))) << int(c);
    for (char16_t c : {u'\u03A9', u'\u4E2D', u'\u0081', u'\t'})
        EXPECT_FALSE(carattereAmmesso(TipoDato::Carattere, QChar(c))) << int(c);
    for (const char* v : {"0", "7", "007", "255"})
        EXPECT_TRUE(numeroByte(v)) << v;
    for (const char* v : {"", "256", "999", "-1", "+7", " 7", "7 ", "1a", "1.5", "0x1", "1000"})
        EXPECT_FALSE(numeroByte(v)) << v;
}

}  // namespace
}  // namespace kobaltino
