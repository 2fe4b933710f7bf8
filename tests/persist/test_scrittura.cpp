// The bytes of the program file, and write -> read -> write giving them back.
#include "banco_file.h"
#include "persist/salvataggio.h"

namespace kobaltino {
namespace {

class Scrittura : public BancoFile {};

TEST_F(Scrittura, AvantiEAttendiDannoLeQuarantadueRigheDellEsempio)
{
    editor.inserisci(1, codici::Avanti);
    ui.esiti.push_back(esito("1,0"));
    editor.inserisci(1, codici::Attendi);
    const QByteArray esempio = leggiByte(programmaDiProva("esempio.kbn"));
    EXPECT_EQ(esempio, "\"\",\"1\",\"\",\"gg1\"\r\n\"1,0\",\"8\",\"\",\"gg1\"\r\n" + marcheVuote());
    EXPECT_EQ(testoProgramma(stato), esempio);
}

TEST_F(Scrittura, OgniCodiceInOgniGrigliaTornaUguale)
{
    // Every code in every grid, each parameter different, some labels, every cell marked.
    stato.InserimentoAutomatico = true;
    for (const VoceCatalogo& v : catalogo())
        if (v.conferma)
            stato.*v.conferma = true;
    stato.OkVaiA.fill(true);
    stato.AzioneSe.clear();  // condition rows without companions: every code appears on its own
    for (int k = 1; k <= 10; ++k)
        for (const VoceCatalogo& v : catalogo()) {
            if (v.parametro)
                stato.*v.parametro = QStringLiteral("p%1 %2, è").arg(k).arg(v.codice);
            stato.RigaSalto = v.codice % 5;
            editor.inserisci(k, v.codice);
        }
    stato.InserimentoAutomatico = false;
    for (int k = 1; k <= 10; ++k) {
        ASSERT_EQ(stato.NumIstruzioni(k), 29) << k;  // "Se" brings its "FINE SE"
        stato.griglia(k).riga(k).etichetta = QString::number(k);
    }
    for (int i = 1; i <= 20; ++i) {
        stato.marca(Memoria::Ram, i) = QStringLiteral("d'%1'").arg(i);
        stato.marca(Memoria::Eeprom, i) = QStringLiteral("'%1'").arg(QChar(u'A' + i));
    }
    const QString p = percorso("completo.kbn");
    ASSERT_TRUE(scriviFileProgramma(stato, p, ui));
    const QByteArray primo = leggiByte(p);
    EXPECT_EQ(primo, testoProgramma(stato));

    Stato letto;
    InterazioneFinta uiLetto;
    Editor lettore(letto, uiLetto);
    ASSERT_EQ(leggiProgramma(lettore, p), 0);
    EXPECT_EQ(testoProgramma(letto), primo);
    for (int k = 1; k <= 10; ++k)
        for (int r = 0; r < 29; ++r)
            EXPECT_EQ(letto.griglia(k).riga(r), stato.griglia(k).riga(r)) << k << " " << r;
    EXPECT_EQ(letto.MemoriaRAM, stato.MemoriaRAM);
    EXPECT_EQ(letto.MemoriaEEPROM, stato.MemoriaEEPROM);
    EXPECT_TRUE(uiLetto.messaggi.empty());
}

}  // namespace
}  // namespace kobaltino
