// The program file: the bytes written, the rows and marks read back, the error numbers, damaged input.
#include "banco_file.h"
#include "persist/salvataggio.h"

namespace kobaltino {
namespace {

class FileProgramma : public BancoFile {};

TEST_F(FileProgramma, AvantiEAttendiDannoLeQuarantadueRigheDellEsempio)
{
    editor.inserisci(1, codici::Avanti);
    ui.esiti.push_back(esito("1,0"));
    editor.inserisci(1, codici::Attendi);
    const QByteArray esempio = leggiByte(programmaDiProva("esempio.kbn"));
    EXPECT_EQ(esempio, "\"\",\"1\",\"\",\"gg1\"\r\n\"1,0\",\"8\",\"\",\"gg1\"\r\n" + marcheVuote());
    EXPECT_EQ(testoProgramma(stato), esempio);
}

TEST_F(FileProgramma, OgniCodiceInOgniGrigliaTornaUguale)
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
                stato.*v.parametro = parametroDi(v.codice, static_cast<unsigned>(k));
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
    ASSERT_EQ(righeNonValide(stato), QStringList{});
    const Stato prima = stato;
    ASSERT_TRUE(scriviFileProgramma(stato, percorso("completo.kbn"), ui));
    const QByteArray primo = leggiByte(percorso("completo.kbn"));
    ASSERT_TRUE(leggiProgramma(editor, percorso("completo.kbn")).riuscito());  // arm back to "Chiuso" after ten
    EXPECT_EQ(testoProgramma(stato), primo);
    for (int k = 1; k <= 10; ++k)
        for (int r = 0; r < 29; ++r)
            EXPECT_EQ(stato.griglia(k).riga(r), prima.griglia(k).riga(r)) << k << " " << r;
    EXPECT_EQ(stato.MemoriaRAM, prima.MemoriaRAM);
    EXPECT_EQ(stato.MemoriaEEPROM, prima.MemoriaEEPROM);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(FileProgramma, CampiRecordEParametriSoloDoveIlCodiceNePorta)
{
    const QByteArray file = "  \"1,5\" ,\"8\",\"\",\"gg1\"\r\n\r\n"  // line 1
                            "\"\",1,\"2\",gg1  \r\n"                   // 3
                            "\"Ram2 ','\",\"13\"\r\n\"\",\"gg1\"\n"   // 4: a record may run over several lines
                            "\"ignorato\",\"1\",\"3\",\"gg1\"\r\n"      // 6: "Avanti" takes no parameter
                            "\"Ram1 = Ram2\",\"15\",\"\",\"gg1\"\r\n"
                            "\"ignorato\",\"16\",\"\",\"gg1\"\r\n"
                            "\"Aux\",\"27\",\"\",\"gg1\"\r\n"
                            "\"Ram3\",\"19\",\"12\",\"gg1\"\r\n"
                            "\"'y'\",\"4\"junk,\"\",\"RAM\"\r"         // 11
                            "\"b'00000001'\",\" 20 \",\"\",\"EEP\"\r\n"
                            // 13..19: skipped, unknown grids and codes
                            "\"\",\"1\",\"\",\"gg11\"\r\n\"\",\"1\",\"\",\"gg0\"\r\n\"\",\"3\",\"\",\"xyz\"\r\n"
                            "\"\",\"0\",\"\",\"gg1\"\r\n\"\",\"29\",\"\",\"gg1\"\r\n\"\",\"01\",\"\",\"gg1\"\r\n"
                            "\"\",\"6\",\"\",\"gg10\"\r\n"
                            // "Braccio" takes its text from the arm toggle, not from the file
                            "\"Chiuso\",\"21\",\"\",\"gg4\"\r\n\"Chiuso\",\"21\",\"\",\"gg4\"\r\n\"xyz\",\"21\",\"\",\"gg5\"\r\n";
    const EsitoLettura esito = carica(file);
    ASSERT_TRUE(esito.riuscito()) << esito.spiegazione.toStdString();
    const std::vector<Riga> attese{{"1,5", "8", ""},         {"", "1", "2"},  {"Ram2 ','", "13", ""}, {"", "1", "3"},
                                   {"Ram1 = Ram2", "15", ""}, {"", "16", ""}, {"Aux", "27", ""},     {"Ram3", "19", "12"}};
    EXPECT_EQ(righe(1), attese);
    EXPECT_EQ(codici(10), std::vector<int>{6});
    EXPECT_EQ(righe(4), (std::vector<Riga>{{"Aperto", "21", ""}, {"Chiuso", "21", ""}}));
    EXPECT_EQ(righe(5), (std::vector<Riga>{{"Aperto", "21", ""}}));
    EXPECT_EQ(stato.StatoBraccio, "Aperto");
    EXPECT_FALSE(stato.AuxAbilitata);
    EXPECT_EQ(stato.marca(Memoria::Ram, 4), "'y'");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 20), "b'00000001'");
    EXPECT_EQ(esito.saltati, 6);
    EXPECT_EQ(esito.righeSaltate, (std::vector<int>{13, 14, 15, 16, 17}));
    EXPECT_EQ(avvisoRigheSaltate(esito, percorso("prova.kbn")),
              informazione("6 righe del file prova.kbn non sono state caricate (righe 13, 14, 15, 16, 17, …): una "
                           "griglia o un codice di istruzione che questo programma non conosce, o un'istruzione oltre "
                           "le 950 di una griglia.\r\nSalvando il programma, quelle righe andranno perse."));
    EXPECT_TRUE(ui.messaggi.empty());  // not even the "disattiverà la griglia AUX" question of "Braccio"
}

TEST_F(FileProgramma, LeRigheOltreLaGrigliaPienaSiContanoEIlRestoSiCarica)
{
    const QByteArray file = QByteArray("\"\",\"2\",\"\",\"gg5\"\r\n").repeated(20000);
    const EsitoLettura esito = carica(file + "\"\",\"3\",\"\",\"gg1\"\r\n\"d'1'\",\"1\",\"\",\"RAM\"\r\n");
    ASSERT_TRUE(esito.riuscito());
    EXPECT_TRUE(ui.messaggi.empty());  // one message, from the command that loaded, not one per row
    EXPECT_EQ(esito.saltati, 20000 - 950);
    EXPECT_EQ(esito.righeSaltate, (std::vector<int>{951, 952, 953, 954, 955}));
    EXPECT_EQ(stato.NumIstruzioni(5), 950);
    EXPECT_EQ(codici(1), std::vector<int>{3});
    EXPECT_EQ(stato.marca(Memoria::Ram, 1), "d'1'");
    EXPECT_EQ(avvisoRigheSaltate(esito, "/x/y.kbn")->testo.left(61), "19050 righe del file y.kbn non sono state caricate (righe 951");
    EXPECT_EQ(avvisoRigheSaltate(carica("\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"1\",\"\",\"gg12\"\r\n"), "/x/y.kbn"),
              informazione("Una riga del file y.kbn non è stata caricata (riga 2): una griglia o un codice di istruzione "
                           "che questo programma non conosce, o un'istruzione oltre le 950 di una griglia.\r\n"
                           "Salvando il programma, quella riga andrà persa."));
}

// Whatever fails, the program in the editor stays exactly as it was: its rows, marks, path and flags.
TEST_F(FileProgramma, OgniErroreHaIlSuoNumeroELeSueParoleEIlProgrammaResta)
{
    const QByteArray r = "\"\",\"1\",\"\",\"gg1\"\r\n";
    const qsizetype sediciMega = 16 * 1024 * 1024;
    const QByteArray coda = "\"\",\"2\",\"\"\r\n\"gg1\"\r\n";  // a record over two lines at the very end
    const struct { const char* nome; QByteArray file; int errore; QString parole; } casi[] = {
        {"manca.kbn", {}, 53, "Il file manca.kbn non esiste."},
        {"", {}, 75, "%1 è una cartella, non un file."},
        {"oltre.kbn", {}, 7, "Il file oltre.kbn è più grande di 16 MiB: non è un programma."},
        {"sedici_mega.kbn", r + QByteArray(sediciMega - r.size() - coda.size(), '\n') + coda, 0, ""},
        {"x.kbn", r + "\r\n\r\n\r\n\"\",\"2\"\r\n", 62, "Il file x.kbn finisce a metà di una riga (riga 5)."},
        {"x.kbn", r + "\"\",\"2\",\"\",\"gg1\r\n\r\n", 62,
         "Il file x.kbn finisce a metà di una riga, dentro un testo tra virgolette (riga 2)."},
        {"x.kbn", r + "\"\",\"tre\",\"\",\"RAM\"\r\n" + r, 13,
         "Il file x.kbn indica la cella di memoria \"tre\", che non è un numero (riga 2)."},
        {"x.kbn", r + "\"\",\"\",\"\",\"EEP\"\r\n", 13,
         "Il file x.kbn indica la cella di memoria \"\", che non è un numero (riga 2)."},
        {"x.kbn", r + "\"\",\"0\",\"\",\"RAM\"\r\n", 9,
         "Il file x.kbn indica la cella di memoria 0, ma le celle vanno da 1 a 20 (riga 2)."},
        {"x.kbn", r + "\"\",\"21\",\"\",\"EEP\"\r\n", 9, ""},
        {"x.kbn", r + "\"\",\"-1\",\"\",\"RAM\"\r\n", 9, ""},
        {"x.kbn", r + "\"\",\"32767\",\"\",\"RAM\"\r\n", 9, ""},
        {"x.kbn", r + "\"\",\"32768\",\"\",\"RAM\"\r\n", 6,
         "Il file x.kbn indica la cella di memoria 32768, ma le celle vanno da 1 a 20 (riga 2)."},
        {"x.kbn", r + "\"\",\"99999999999\",\"\",\"RAM\"\r\n", 6, ""},
        {"x.kbn", r + "\"a\r\nb\",\"3\",\"\",\"RAM\"\r\n", 5,
         "Il file x.kbn ha un a capo nel valore della cella RAM 3 (riga 2)."},
        {"x.kbn", r + "\"1,0\",\"8\",\"\",\"gg1\"\r\n\"" + QByteArray(4096, 'x') + "\",\"1\",\"\",\"gg1\"\r\n", 0, ""},
        {"x.kbn", r + "\r\n\"" + QByteArray(4097, 'x') + "\",\"8\",\"\",\"gg1\"\r\n", 14,
         "Il file x.kbn ha un campo più lungo di 4096 caratteri (riga 3)."},
        {"x.kbn", QByteArray(300000, 'x'), 14, ""},
        // A parameter is data: a line break inside quotes must not become a line of assembly.
        {"x.kbn", r + r + "\"Ram1,f\r\n         goto 0 ;\",\"19\",\"\",\"gg1\"\r\n", 5,
         "Il file x.kbn ha un'istruzione non valida (riga 3): il parametro \"Ram1,f↵         goto 0 ;\" di "
         "\"Incrementa\" non è valido: ci vuole una cella da Ram1 a Ram20 o da EEP1 a EEP20."},
        {"x.kbn", r + "\"Ram21 d'1'\",\"13\",\"\",\"gg3\"\r\n", 5,
         "Il file x.kbn ha un'istruzione non valida (riga 2): il parametro \"Ram21 d'1'\" di \"Scrivi Ram\" non è "
         "valido: ci vuole una cella da Ram1 a Ram20, uno spazio e un valore b'xxxxxxxx', 'c' o da d'0' a d'255'."},
        {"x.kbn", r + "\"\",\"1\",\"0\r\n goto 0\",\"gg1\"\r\n", 5,
         "Il file x.kbn ha un'istruzione non valida (riga 2): l'etichetta \"0↵ goto 0\" non è valida: ci vuole un "
         "numero da 0 a 99999."},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome + c.parole.toStdString());
        stato = Stato{};
        riempi(1, 2);
        stato.marca(Memoria::Eeprom, 4) = "d'9'";
        stato.PercorsoFile = "/vecchio.kbn";
        stato.Modificato = true;
        const QByteArray prima = testoProgramma(stato);
        const QString p = c.errore == 75 ? cartella.path() : percorso(c.nome);
        if (!c.file.isEmpty())
            scriviByte(p, c.file);
        if (c.errore == 7) {
            scriviByte(p, {});
            ASSERT_TRUE(QFile::resize(p, sediciMega + 1));  // sparse: no disk space used
        }
        const EsitoLettura esito = leggiProgramma(editor, p);
        EXPECT_EQ(esito.errore, c.errore);
        if (!c.parole.isEmpty())
            EXPECT_EQ(messaggioErroreLettura(esito),
                      critico("Errore numero: " + QString::number(c.errore) + "\r\n"
                              + (c.parole.contains("%1") ? c.parole.arg(QFileInfo(p).fileName()) : c.parole)));
        EXPECT_EQ(testoProgramma(stato) == prima, c.errore != 0);
        EXPECT_EQ(stato.PercorsoFile, c.errore == 0 ? p : "/vecchio.kbn");
        EXPECT_EQ(stato.Modificato, c.errore != 0);
        EXPECT_FALSE(stato.InserimentoAutomatico);
    }
    EXPECT_TRUE(ui.messaggi.empty());
}

}  // namespace
}  // namespace kobaltino
