// Loading a program file: fields, records, flags and the error numbers.
#include "banco_file.h"

namespace kobaltino {
namespace {

class Lettura : public BancoFile {};

TEST_F(Lettura, CampiERecord)
{
    const QByteArray file = "  \"a, b\" ,\"8\",\"\",\"gg1\"\r\n\r\n"
                            "\"\",1,\"2\",gg1  \r\n"
                            "\" x \",\"13\"\r\n\"\",\"gg1\"\n"  // a record may run over several lines
                            "\"ignorato\",\"1\",\"3\",\"gg1\"\r\n"
                            "\"Ram1 = Ram2\",\"15\",\"\",\"gg1\"\r\n"
                            "\"ignorato\",\"16\",\"\",\"gg1\"\r\n"
                            "\"Aux\",\"27\",\"\",\"gg1\"\r\n"
                            "\"Ram3\",\"19\",\"12\",\"gg1\"\r\n"
                            "\"'y'\",\"4\"junk,\"\",\"RAM\"\r"
                            "\"b'00000001'\",\" 20 \",\"\",\"EEP\"\r\n"
                            // skipped without a word: unknown grids and codes
                            "\"\",\"1\",\"\",\"gg11\"\r\n\"\",\"1\",\"\",\"gg0\"\r\n\"\",\"1\",\"\",\"GG1\"\r\n"
                            "\"\",\"3\",\"\",\"xyz\"\r\n\"\",\"0\",\"\",\"gg1\"\r\n\"\",\"29\",\"\",\"gg1\"\r\n"
                            "\"\",\"01\",\"\",\"gg1\"\r\n\"\",\" 2\",\"\",\"gg1\"\r\n\"\",\"abc\",\"\",\"gg1\"\r\n"
                            "\"\",\"6\",\"\",\"gg10\"\r\n";
    stato.NumEtichette[0] = 5;
    ASSERT_EQ(carica(file), 0);
    const std::vector<Riga> attese{{"a, b", "8", ""}, {"", "1", "2"},   {" x ", "13", ""},  {"", "1", "3"},
                                   {"Ram1 = Ram2", "15", ""}, {"", "16", ""}, {"Aux", "27", ""}, {"Ram3", "19", "12"}};
    EXPECT_EQ(righe(1), attese);
    EXPECT_EQ(codici(10), std::vector<int>{6});
    EXPECT_EQ(stato.marca(Memoria::Ram, 4), "'y'");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 20), "b'00000001'");
    EXPECT_EQ(stato.NumEtichette[0], 5);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Lettura, BraccioPrendeLoStatoDalCambioNonDalFile)
{
    ASSERT_EQ(carica("\"Chiuso\",\"21\",\"\",\"gg1\"\r\n\"Chiuso\",\"21\",\"\",\"gg1\"\r\n\"xyz\",\"21\",\"\",\"gg4\"\r\n"), 0);
    EXPECT_EQ(righe(1), (std::vector<Riga>{{"Aperto", "21", ""}, {"Chiuso", "21", ""}}));
    EXPECT_EQ(righe(4), (std::vector<Riga>{{"Aperto", "21", ""}}));
    EXPECT_EQ(stato.StatoBraccio, "Aperto");
    EXPECT_FALSE(stato.AuxAbilitata);
    EXPECT_TRUE(ui.messaggi.empty());  // no "disattiverà la griglia AUX" question while loading
}

TEST_F(Lettura, SostituisceIlProgrammaSenzaDomandeERiportaIFlag)
{
    riempi(2, 4);
    stato.marca(Memoria::Eeprom, 9) = "d'1'";
    stato.griglia(2).seleziona(3, ColCodice);
    ASSERT_EQ(carica("\"1,5\",\"8\",\"\",\"gg1\"\r\n"), 0);
    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(stato.NumIstruzioni(2) + stato.griglia(2).rigaCorrente(), 0);
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 9), "");
    EXPECT_EQ(stato.PercorsoFile, percorso("prova.kbn"));
    EXPECT_FALSE(stato.Modificato || stato.InserimentoAutomatico);
    // The dialogs of the conditional actions and register operations start confirmed, the others not.
    for (bool f : {stato.OkAttendi, stato.OkSeAttivoVaiA, stato.OkSeDisattivoVaiA, stato.OkScriviRam,
                   stato.OkScriviEeprom, stato.OkSpostaEeprom, stato.OkSe, stato.OkIncrementa, stato.OkDecrementa,
                   stato.OkVaiA.front(), stato.OkVaiA.back()})
        EXPECT_FALSE(f);
    for (bool f : {stato.OkSeAttivoFai, stato.OkSeDisattivoFai, stato.OkSwappa, stato.OkScorriDestra,
                   stato.OkScorriSinistra, stato.OkComplemento, stato.OkOperazioni})
        EXPECT_TRUE(f);
}

TEST_F(Lettura, UnaGrigliaPienaAvvisaUnaVoltaSolaEIlRestoSiCarica)
{
    QByteArray file;
    for (int i = 0; i < 20000; ++i)
        file += "\"\",\"2\",\"\",\"gg5\"\r\n";
    ASSERT_EQ(carica(file + "\"\",\"3\",\"\",\"gg1\"\r\n\"d'1'\",\"1\",\"\",\"RAM\"\r\n"), 0);
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{informazione("Non è possibile inserire più di 950 istruzioni.")});
    EXPECT_EQ(stato.NumIstruzioni(5), 950);
    EXPECT_EQ(codici(1), std::vector<int>{3});
    EXPECT_EQ(stato.marca(Memoria::Ram, 1), "d'1'");
}

TEST_F(Lettura, SediciMegabyteSiLeggonoAncora)
{
    const QByteArray riga = "\"\",\"1\",\"\",\"gg1\"\r\n";
    const QByteArray fine = "\"\",\"2\",\"\"\r\n\"gg1\"\r\n" + riga;
    const QByteArray file = riga + QByteArray(16 * 1024 * 1024 - riga.size() - fine.size(), '\n') + fine;
    ASSERT_EQ(carica(file), 0);
    EXPECT_EQ(codici(1), (std::vector<int>{1, 2, 1}));
}

// A file that cannot be opened leaves the program as it was; a failure further on keeps the rows
// read so far and forgets the path, so that "Salva" cannot overwrite the damaged file with part of it.
struct CasoErrore {
    const char* nome;
    QByteArray file;
    int errore;
    int righe;  // rows of grid 1 afterwards
};
void PrintTo(const CasoErrore& c, std::ostream* os) { *os << c.nome; }
class ErroriDiLettura : public BancoFile, public ::testing::WithParamInterface<CasoErrore> {};

const QByteArray Riga1 = "\"\",\"1\",\"\",\"gg1\"\r\n";
INSTANTIATE_TEST_SUITE_P(
    Tabella, ErroriDiLettura,
    ::testing::Values(CasoErrore{"mancante", {}, 53, 2}, CasoErrore{"cartella", {}, 75, 2},
                      CasoErrore{"oltre_sedici_mega", {}, 7, 2},
                      CasoErrore{"record_incompleto", Riga1 + "\"\",\"2\"\r\n", 62, 1},
                      CasoErrore{"virgolette_aperte", Riga1 + "\"\",\"2\",\"\",\"gg1\r\n", 62, 1},
                      CasoErrore{"cella_non_numerica", Riga1 + "\"\",\"tre\",\"\",\"RAM\"\r\n" + Riga1, 13, 1},
                      CasoErrore{"cella_vuota", Riga1 + "\"\",\"\",\"\",\"EEP\"\r\n", 13, 1},
                      CasoErrore{"cella_decimale", Riga1 + "\"\",\"3.5\",\"\",\"EEP\"\r\n", 13, 1},
                      CasoErrore{"cella_zero", Riga1 + "\"\",\"0\",\"\",\"RAM\"\r\n", 9, 1},
                      CasoErrore{"cella_ventuno", Riga1 + "\"\",\"21\",\"\",\"EEP\"\r\n", 9, 1},
                      CasoErrore{"cella_negativa", Riga1 + "\"\",\"-1\",\"\",\"RAM\"\r\n", 9, 1},
                      CasoErrore{"cella_32768", Riga1 + "\"\",\"32768\",\"\",\"RAM\"\r\n", 6, 1},
                      CasoErrore{"cella_enorme", Riga1 + "\"\",\"99999999999\",\"\",\"RAM\"\r\n", 6, 1},
                      CasoErrore{"campo_lungo", Riga1 + "\"" + QByteArray(4097, 'x') + "\",\"8\",\"\",\"gg1\"\r\n", 14, 1},
                      CasoErrore{"riga_senza_fine", QByteArray(300000, 'x'), 14, 0}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_P(ErroriDiLettura, FermaIlCaricamento)
{
    const CasoErrore& c = GetParam();
    riempi(1, 2);
    stato.PercorsoFile = "/vecchio.kbn";
    const QString p = c.errore == 53 ? percorso("manca.kbn") : c.errore == 75 ? cartella.path() : percorso("prova.kbn");
    if (c.errore != 53 && c.errore != 75)
        scriviByte(p, c.file);
    if (c.errore == 7) {
        ASSERT_TRUE(QFile::resize(p, 16 * 1024 * 1024 + 1));  // sparse: no disk space used
    }
    EXPECT_EQ(leggiProgramma(editor, p), c.errore);
    EXPECT_EQ(stato.NumIstruzioni(1), c.righe);
    EXPECT_EQ(stato.PercorsoFile, c.file.isEmpty() ? "/vecchio.kbn" : "");
    EXPECT_EQ(stato.Modificato, c.righe > 0);
    EXPECT_FALSE(stato.InserimentoAutomatico);
    EXPECT_TRUE(ui.messaggi.empty());
}

}  // namespace
}  // namespace kobaltino
