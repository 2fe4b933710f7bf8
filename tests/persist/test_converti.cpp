// kobaltino-cli converti: a program read and written again.
#include "app/comandi_cli.h"
#include "banco_file.h"

namespace kobaltino {
namespace {

class Converti : public BancoFile {
protected:
    QString errori;
    int converti(const QStringList& argomenti)
    {
        QString uscita;
        QTextStream out(&uscita), err(&errori);
        errori.clear();
        return cli::converti(argomenti, out, err);
    }
};

TEST_F(Converti, UnFileEsistenteTornaUgualeByteperByte)
{
    // Every byte but the quote and the line ends, the unassigned ones of Windows-1252 included.
    QByteArray ogniByte;
    for (int b = 0; b < 256; ++b)
        if (b != '"' && b != '\r' && b != '\n')
            ogniByte += static_cast<char>(b);
    QByteArray file = leggiByte(programmaDiProva("tutti_i_codici.kbn"));
    file.replace("\"\",\"7\",\"\",\"EEP\"", "\"" + ogniByte + "\",\"7\",\"\",\"EEP\"");
    ASSERT_TRUE(file.contains(ogniByte));
    scriviByte(percorso("vecchio.kbn"), file);
    EXPECT_EQ(converti({percorso("vecchio.kbn"), percorso("nuovo.kbn")}), 0);
    EXPECT_EQ(errori, "");
    EXPECT_EQ(leggiByte(percorso("nuovo.kbn")), file);

    // The rows of each grid together, the empty grids leaving no blank line.
    EXPECT_EQ(converti({programmaDiProva("ordine_misto.sdl"), percorso("nuovo.kbn")}), 0);
    EXPECT_EQ(leggiByte(percorso("nuovo.kbn")),
              "\"\",\"2\",\"\",\"gg1\"\r\n\"\",\"5\",\"\",\"gg1\"\r\n\"\",\"7\",\"\",\"gg2\"\r\n"
              "\"\",\"1\",\"\",\"gg5\"\r\n\"0,5\",\"8\",\"\",\"gg5\"\r\n"
                  + marcheVuote().replace("\"\",\"3\",\"\",\"RAM\"", "\"d'4'\",\"3\",\"\",\"RAM\""));
}

TEST_F(Converti, QuelloCheNonSiConverteHaIlSuoMessaggio)
{
    scriviByte(percorso("rotto.kbn"), "\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"21\",\"\",\"EEP\"\r\n");
    scriviByte(percorso("solo7.kbn"), "\"\",\"1\",\"\",\"gg7\"\r\n");
    ASSERT_TRUE(QDir(cartella.path()).mkdir("a b"));
    const QString esempio = programmaDiProva("esempio.kbn");
    const struct { QStringList argomenti; const char* errori; } casi[] = {
        {{percorso("manca.kbn"), percorso("n.kbn")}, "Errore numero: 53\n"},
        {{percorso("rotto.kbn"), percorso("n.kbn")}, "Errore numero: 9\n"},
        {{percorso("solo7.kbn"), percorso("n.kbn")}, "Inserire almeno un codice nella griglia principale\n"},
        {{esempio, percorso("a b/n.kbn")},
         "ATTENZIONE: Non è possibile inserire spazzi per il nome del file.\nIl nome del file deve essere senza spazzi.\n"},
        {{esempio, percorso(QString(60, u'x'))},
         "Il percorso del file è troppo lungo.\nIl compilatore non lo compilerà.\nCambiare il percorso del file\n"},
        {{esempio}, "Uso: kobaltino-cli converti PROGRAMMA NUOVO\n"}};
    for (const auto& c : casi) {
        EXPECT_EQ(converti(c.argomenti), 2) << c.errori;
        EXPECT_EQ(errori, c.errori);
    }
    EXPECT_FALSE(QFile::exists(percorso("n.kbn")) || QFile::exists(percorso("a b/n.kbn")));
}

}  // namespace
}  // namespace kobaltino
