// kobaltino-cli converti.
#include "app/comandi_cli.h"
#include "banco_file.h"

namespace kobaltino {
namespace {

class Converti : public BancoFile {
protected:
    QString uscita, errori;
    int esegui(const QStringList& argomenti)
    {
        QTextStream out(&uscita), err(&errori);
        return cli::converti(argomenti, out, err);
    }
};

TEST_F(Converti, RiscriveIlProgrammaUgualeAnceDaSdl)
{
    const QString nuovo = percorso("nuovo.kbn");
    EXPECT_EQ(esegui({programmaDiProva("tutti_i_codici.kbn"), nuovo}), 0);
    EXPECT_EQ(leggiByte(nuovo), leggiByte(programmaDiProva("tutti_i_codici.kbn")));
    EXPECT_EQ(errori, "");

    EXPECT_EQ(esegui({programmaDiProva("ordine_misto.sdl"), nuovo}), 0);
    EXPECT_TRUE(leggiByte(nuovo).startsWith("\"\",\"2\",\"\",\"gg1\"\r\n\"\",\"5\",\"\",\"gg1\"\r\n"
                                         "\"\",\"7\",\"\",\"gg2\"\r\n\"\",\"1\",\"\",\"gg3\"\r\n"));
}

TEST_F(Converti, FileMancanteOGuasto)
{
    EXPECT_EQ(esegui({percorso("manca.kbn"), percorso("n.kbn")}), 2);
    EXPECT_EQ(errori, "Errore numero: 53\n");
    errori.clear();
    scriviByte(percorso("rotto.kbn"), "\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"21\",\"\",\"EEP\"\r\n");
    EXPECT_EQ(esegui({percorso("rotto.kbn"), percorso("n.kbn")}), 2);
    EXPECT_EQ(errori, "Errore numero: 9\n");
    EXPECT_FALSE(QFile::exists(percorso("n.kbn")));
}

TEST_F(Converti, RegoleDelPercorso)
{
    ASSERT_TRUE(QDir(cartella.path()).mkdir("a b"));
    EXPECT_EQ(esegui({programmaDiProva("esempio.kbn"), percorso("a b/n.kbn")}), 2);
    EXPECT_EQ(errori, "ATTENZIONE: Non è possibile inserire spazzi per il nome del file.\n"
                      "Il nome del file deve essere senza spazzi.\n");
    errori.clear();
    EXPECT_EQ(esegui({programmaDiProva("esempio.kbn"), percorso(QString(60, u'x'))}), 2);
    EXPECT_EQ(errori, "Il percorso del file è troppo lungo.\nIl compilatore non lo compilerà.\n"
                      "Cambiare il percorso del file\n");
}

TEST_F(Converti, ProgrammaSenzaGrigliaPrincipaleEArgomentiSbagliati)
{
    scriviByte(percorso("solo7.kbn"), "\"\",\"1\",\"\",\"gg7\"\r\n");
    EXPECT_EQ(esegui({percorso("solo7.kbn"), percorso("n.kbn")}), 2);
    EXPECT_EQ(errori, "Inserire almeno un codice nella griglia principale\n");
    errori.clear();
    EXPECT_EQ(esegui({percorso("solo7.kbn")}), 2);
    EXPECT_EQ(errori, "Uso: kobaltino-cli converti PROGRAMMA NUOVO\n");
}

}  // namespace
}  // namespace kobaltino
