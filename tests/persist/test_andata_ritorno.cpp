// Write -> read -> write gives the same bytes.
#include "banco_file.h"
#include "persist/salvataggio.h"

namespace kobaltino {
namespace {

class AndataRitorno : public BancoFile {
protected:
    // Every code in every grid, each parameter different, some labels, every cell marked.
    void costruisciProgrammaCompleto()
    {
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
        for (int k = 1; k <= 10; ++k)
            stato.griglia(k).riga(k).etichetta = QString::number(k);
        for (int i = 1; i <= 20; ++i) {
            stato.marca(Memoria::Ram, i) = QStringLiteral("d'%1'").arg(i);
            stato.marca(Memoria::Eeprom, i) = QStringLiteral("'%1'").arg(QChar(u'A' + i));
        }
    }
};

TEST_F(AndataRitorno, OgniCodiceInOgniGriglia)
{
    costruisciProgrammaCompleto();
    for (int k = 1; k <= 10; ++k)
        ASSERT_EQ(stato.NumIstruzioni(k), 29) << k;  // "Se" brings its "FINE SE"
    const QByteArray primo = testoProgramma(stato);
    const QString p = percorso("completo.kbn");
    ASSERT_TRUE(scriviFileProgramma(stato, p, ui));
    EXPECT_EQ(leggiByte(p), primo);

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

TEST_F(AndataRitorno, UnFileEsistenteSiRiscriveUgualeByteperByte)
{
    const QString originale = programmaDiProva("tutti_i_codici.kbn");
    ASSERT_EQ(leggiProgramma(editor, originale), 0);
    EXPECT_EQ(stato.NumIstruzioni(1), 31);
    EXPECT_EQ(stato.marca(Memoria::Ram, 5), "','");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 2), "'è'");
    const QString copia = percorso("copia.kbn");
    ASSERT_TRUE(scriviFileProgramma(stato, copia, ui));
    EXPECT_EQ(leggiByte(copia), leggiByte(originale));
}

TEST_F(AndataRitorno, TuttiIByteSopravvivono)
{
    // Every byte but the quote and the line ends, the unassigned ones of Windows-1252 included.
    QByteArray mark;
    for (int b = 0; b < 256; ++b)
        if (b != '"' && b != '\r' && b != '\n')
            mark += static_cast<char>(b);
    const QByteArray file = "\"\",\"1\",\"\",\"gg1\"\r\n\"" + mark + "\",\"7\",\"\",\"EEP\"\r\n";
    ASSERT_EQ(carica(file), 0);
    const QByteArray scritto = testoProgramma(stato);
    EXPECT_TRUE(scritto.contains("\r\n\"" + mark + "\",\"7\",\"\",\"EEP\"\r\n"));
    EXPECT_EQ(testoNonSalvabile(stato), "");
}

}  // namespace
}  // namespace kobaltino
