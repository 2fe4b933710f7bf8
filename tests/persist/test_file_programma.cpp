// Reading the program file: its fields and records, the rows and marks read back, the rows it
// cannot hold, the error numbers, damaged input.
#include "banco_file.h"
#include "support/approvazione.h"

#include "persist/lettore_campi.h"

#include <QBuffer>
#include <sys/stat.h>

namespace kobaltino {
namespace {

class FileProgramma : public BancoFile {};

TEST_F(FileProgramma, CampiRecordEParametriSoloDoveIlCodiceNePorta)
{
    const QByteArray file = QByteArray("  \"1,5\" ,\"8\",\"\",\"gg1\"\r\n\r\n"  // line 1
                            "\"\",1,\"2\",gg1  \r\n"                   // 3
                            "\"Ram2 ','\",\"13\"\r\n\"\",\"gg1\"\n"   // 4: a record may run over several lines
                            "\"ignorato\",\"1\",\"3\",\"gg1\"\r\n"      // 6: "Avanti" takes no parameter
                            "\"Ram1 = Ram2\",\"15\",\"\",\"gg1\"\r\n"
                            "\"ignorato\",\"16\",\"\",\"gg1\"\r\n"
                            "\"Aux\",\"27\",\"\",\"gg1\"\r\n"
                            "\"Ram3\",\"19\",\"12\",\"gg1\"\r\n"
                            "\"'y'\",\"4\"  ,\"\",\"RAM\"\r"           // 11: blanks after a quote
                            "\"b'00000001'\",\" 20 \",\"\",\"EEP\"\r\n"
                            // 13..18: skipped, unknown grids and codes
                            "\"\",\"1\",\"\",\"gg11\"\r\n\"\",\"1\",\"\",\"gg0\"\r\n\"\",\"3\",\"\",\"xyz\"\r\n"
                            "\"\",\"0\",\"\",\"gg1\"\r\n\"\",\"29\",\"\",\"gg1\"\r\n\"\",\"01\",\"\",\"gg1\"\r\n")
                            // 19..969: one row over the 950 of a grid, skipped; the rest still loads
                            + QByteArray("\"\",\"6\",\"\",\"gg10\"\r\n").repeated(951)
                            // "Braccio" takes its text from the arm toggle, not from the file
                            + "\"Chiuso\",\"21\",\"\",\"gg4\"\r\n\"Chiuso\",\"21\",\"\",\"gg4\"\r\n"
                              "\"xyz\",\"21\",\"\",\"gg5\"\r\n";
    const EsitoLettura esito = carica(file);
    ASSERT_TRUE(esito.riuscito()) << esito.spiegazione.toStdString();
    const std::vector<Riga> attese{{"1,5", "8", ""},         {"", "1", "2"},  {"Ram2 ','", "13", ""}, {"", "1", "3"},
                                   {"Ram1 = Ram2", "15", ""}, {"", "16", ""}, {"Aux", "27", ""},     {"Ram3", "19", "12"}};
    EXPECT_EQ(righe(1), attese);
    EXPECT_EQ(codici(10), std::vector<int>(950, 6));
    EXPECT_EQ(righe(4), (std::vector<Riga>{{"Aperto", "21", ""}, {"Chiuso", "21", ""}}));
    EXPECT_EQ(righe(5), (std::vector<Riga>{{"Aperto", "21", ""}}));
    EXPECT_EQ(stato.StatoBraccio, "Aperto");
    EXPECT_FALSE(stato.AuxAbilitata);
    EXPECT_EQ(stato.marca(Memoria::Ram, 4), "'y'");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 20), "b'00000001'");
    EXPECT_EQ(esito.saltati, 7);
    EXPECT_EQ(esito.righeSaltate, (std::vector<int>{13, 14, 15, 16, 17}));
    EXPECT_EQ(avvisoRigheSaltate(esito, percorso("prova.kbn")),
              informazione("7 righe del file prova.kbn non sono state caricate (righe 13, 14, 15, 16, 17, …): una "
                           "griglia o un codice di istruzione che questo programma non conosce, o un'istruzione oltre "
                           "le 950 di una griglia.\r\nSalvando il programma, quelle righe andranno perse."));
    EXPECT_TRUE(ui.messaggi.empty());  // not even the "disattiverà la griglia AUX" question of "Braccio"
    EXPECT_EQ(avvisoRigheSaltate(carica("\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"1\",\"\",\"gg12\"\r\n"), "/x/y.kbn"),
              informazione("Una riga del file y.kbn non è stata caricata (riga 2): una griglia o un codice di istruzione "
                           "che questo programma non conosce, o un'istruzione oltre le 950 di una griglia.\r\n"
                           "Salvando il programma, quella riga andrà persa."));
}

// Whatever fails, the program in the editor stays exactly as it was: its rows, marks, path and flags.
// fixtures/errori_lettura.txt: for each case in order, the file name, the error number and the text
// of the message after "Errore numero: ..." (the folder of the folder case written <cartella>).
TEST_F(FileProgramma, OgniErroreHaIlSuoNumeroELeSueParoleEIlProgrammaResta)
{
    const QByteArray r = "\"\",\"1\",\"\",\"gg1\"\r\n";
    const qsizetype sediciMega = 16 * 1024 * 1024;
    const QByteArray coda = "\"\",\"2\",\"\"\r\n\"gg1\"\r\n";  // a record over two lines at the very end
    const auto cella = [&](const QByteArray& numero) { return r + "\"\",\"" + numero + "\",\"\",\"RAM\"\r\n"; };
    const struct { const char* nome; QByteArray file; } casi[] = {
        {"manca.kbn", {}},
        {"", {}},  // the folder itself
        {"oltre.kbn", {}},  // made one byte over 16 MiB below
        {"tubo.kbn", {}},   // a named pipe, made below: it must not keep the reader waiting
        {"/dev/urandom", {}},
        {"sedici_mega.kbn", r + QByteArray(sediciMega - r.size() - coda.size(), '\n') + coda},
        {"x.kbn", r + "\r\n\r\n\r\n\"\",\"2\"\r\n"}, {"x.kbn", r + "\"\",\"2\",\"\",\"gg1\r\n\r\n"},
        {"x.kbn", cella("tre") + r}, {"x.kbn", r + "\"\",\"\",\"\",\"EEP\"\r\n"}, {"x.kbn", cella("0")},
        {"x.kbn", r + "\"\",\"21\",\"\",\"EEP\"\r\n"}, {"x.kbn", cella("-1")}, {"x.kbn", cella("32767")},
        {"x.kbn", cella("32768")}, {"x.kbn", cella("99999999999")},
        {"x.kbn", r + "\"a\r\nb\",\"3\",\"\",\"RAM\"\r\n"},
        {"x.kbn", r + "\"1,0\",\"8\",\"\",\"gg1\"\r\n\"" + QByteArray(4096, 'x') + "\",\"1\",\"\",\"gg1\"\r\n"},
        {"x.kbn", r + "\r\n\"" + QByteArray(4097, 'x') + "\",\"8\",\"\",\"gg1\"\r\n"},
        {"x.kbn", QByteArray(300000, 'x')},
        // A parameter is data: a line break inside quotes must not become a line of assembly.
        {"x.kbn", r + r + "\"Ram1,f\r\n         goto 0 ;\",\"19\",\"\",\"gg1\"\r\n"},
        {"x.kbn", r + "\"Ram21 d'1'\",\"13\",\"\",\"gg3\"\r\n"},
        {"x.kbn", r + "\"\",\"1\",\"0\r\n goto 0\",\"gg1\"\r\n"},
        {"x.kbn", r + "\"\",\"1\"JUNK; goto 0,\"\",\"gg1\"\r\n"},
    };
    QStringList viste;
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(&c - casi) + " " + c.nome);
        stato = Stato{};
        riempi(1, 2);
        stato.marca(Memoria::Eeprom, 4) = "d'9'";
        stato.PercorsoFile = "/vecchio.kbn";
        stato.Modificato = true;
        const QByteArray prima = testoProgramma(stato);
        const QString p = *c.nome == '/' ? QString(c.nome) : *c.nome ? percorso(c.nome) : cartella.path();
        if (!c.file.isEmpty())
            scriviByte(p, c.file);
        if (QByteArray(c.nome) == "oltre.kbn") {
            scriviByte(p, {});
            ASSERT_TRUE(QFile::resize(p, sediciMega + 1));  // sparse: no disk space used
        }
        if (QByteArray(c.nome) == "tubo.kbn") {
            ASSERT_EQ(mkfifo(QFile::encodeName(p).constData(), 0600), 0);
        }
        const EsitoLettura esito = leggiProgramma(editor, p);
        const bool fallito = esito.errore != 0;
        QString riga = c.nome + QStringLiteral("\t") + QString::number(esito.errore);
        if (fallito) {
            const Messaggio m = messaggioErroreLettura(esito);
            const QString inizio = "Errore numero: " + QString::number(esito.errore) + "\r\n";
            EXPECT_EQ(m, critico(m.testo));
            EXPECT_TRUE(m.testo.startsWith(inizio)) << m.testo.toStdString();
            const QString testo = m.testo.mid(inizio.size());
            riga += '\t' + inUnaRiga(*c.nome ? testo : QString(testo).replace(QFileInfo(p).fileName(), "<cartella>"));
        }
        viste << riga;
        EXPECT_EQ(testoProgramma(stato) == prima, fallito);
        EXPECT_EQ(stato.PercorsoFile, fallito ? "/vecchio.kbn" : p);
        EXPECT_EQ(stato.Modificato, fallito);
    }
    EXPECT_TRUE(ugualeAlFile(viste, KOBALTINO_FIXTURES "/errori_lettura.txt"));
    EXPECT_TRUE(ui.messaggi.empty());
}

// A device gives no size to check first: the reader itself stops one byte past its limit.
TEST(LettoreCampi, SiFermaOltreIlLimiteLetto)
{
    for (const auto& [massimo, atteso] : {std::pair{9, LettoreCampi::Esito::Campo}, {8, LettoreCampi::Esito::TroppoGrande}}) {
        QByteArray testo = "\"ab\",\"cd\"", campo;  // 9 bytes
        QBuffer dati(&testo);
        ASSERT_TRUE(dati.open(QIODevice::ReadOnly));
        LettoreCampi lettore(dati, massimo);
        lettore.prossimo(campo);
        EXPECT_EQ(lettore.prossimo(campo), atteso) << massimo;
    }
}

}  // namespace
}  // namespace kobaltino
