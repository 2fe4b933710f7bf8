// Loading a program file: field reading, records, flags, and the error numbers.
#include "banco_file.h"

namespace kobaltino {
namespace {

class Lettura : public BancoFile {};

TEST_F(Lettura, CampiTraVirgoletteConVirgoleBianchiERigheSpezzate)
{
    const QByteArray file = "  \"a, b\" ,\"8\",\"\",\"gg1\"\r\n"
                            "\r\n"
                            "\"\",1,\"2\",gg1  \r\n"
                            "\" x \",\"13\"\r\n"
                            "\"\",\"gg1\"\n"
                            "\"'y'\",\"4\"junk,\"\",\"RAM\"\r";
    ASSERT_EQ(carica(file), 0);
    const std::vector<Riga> attese{{"a, b", "8", ""}, {"", "1", "2"}, {" x ", "13", ""}};
    EXPECT_EQ(righe(1), attese);
    EXPECT_EQ(stato.marca(Memoria::Ram, 4), "'y'");
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Lettura, LeRigheVannoNellaLoroGrigliaNellOrdineDelFile)
{
    ASSERT_EQ(leggiProgramma(editor, programmaDiProva("ordine_misto.sdl")), 0);
    EXPECT_EQ(codici(1), (std::vector<int>{2, 5}));
    EXPECT_EQ(codici(2), (std::vector<int>{7}));
    EXPECT_EQ(codici(3), (std::vector<int>{1, 8}));
    EXPECT_EQ(stato.griglia(3).riga(1).parametro, "0,5");
    EXPECT_EQ(stato.marca(Memoria::Ram, 3), "d'4'");
    EXPECT_EQ(stato.PercorsoFile, programmaDiProva("ordine_misto.sdl"));
}

TEST_F(Lettura, RecordSconosciutiECodiciFuoriIntervalloSonoSaltatiInSilenzio)
{
    const QByteArray file = "\"\",\"1\",\"\",\"gg11\"\r\n"
                            "\"\",\"1\",\"\",\"gg0\"\r\n"
                            "\"\",\"1\",\"\",\"GG1\"\r\n"
                            "\"\",\"0\",\"\",\"gg1\"\r\n"
                            "\"\",\"29\",\"\",\"gg1\"\r\n"
                            "\"\",\"01\",\"\",\"gg1\"\r\n"
                            "\"\",\" 2\",\"\",\"gg1\"\r\n"
                            "\"\",\"abc\",\"\",\"gg1\"\r\n"
                            "\"\",\"3\",\"\",\"xyz\"\r\n"
                            "\"\",\"6\",\"\",\"gg10\"\r\n";
    ASSERT_EQ(carica(file), 0);
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(codici(10), std::vector<int>{6});
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(Lettura, BraccioPrendeLoStatoDalCambioNonDalFile)
{
    const QByteArray file = "\"Chiuso\",\"21\",\"\",\"gg1\"\r\n"
                            "\"Chiuso\",\"21\",\"\",\"gg1\"\r\n"
                            "\"xyz\",\"21\",\"\",\"gg4\"\r\n";
    stato.StatoBraccio = "Chiuso";
    ASSERT_EQ(carica(file), 0);
    EXPECT_EQ(stato.griglia(1).riga(0).parametro, "Aperto");
    EXPECT_EQ(stato.griglia(1).riga(1).parametro, "Chiuso");
    EXPECT_EQ(stato.griglia(4).riga(0).parametro, "Aperto");
    EXPECT_EQ(stato.StatoBraccio, "Aperto");
    EXPECT_FALSE(stato.AuxAbilitata);
    EXPECT_TRUE(ui.messaggi.empty());  // no "disattiverà la griglia AUX" question while loading

    stato.StatoBraccio = "Aperto";
    ASSERT_EQ(carica("\"Aperto\",\"21\",\"\",\"gg1\"\r\n"), 0);
    EXPECT_EQ(stato.griglia(1).riga(0).parametro, "Chiuso");
}

TEST_F(Lettura, ParametroSoloDoveIlCodiceNePortaUnoEtichettaSempre)
{
    const QByteArray file = "\"ignorato\",\"1\",\"3\",\"gg1\"\r\n"
                            "\"7\",\"9\",\"\",\"gg1\"\r\n"
                            "\"Ram1 = Ram2\",\"15\",\"\",\"gg1\"\r\n"
                            "\"ignorato\",\"16\",\"\",\"gg1\"\r\n"
                            "\"Aux\",\"27\",\"\",\"gg1\"\r\n"
                            "\"Ram3\",\"19\",\"12\",\"gg1\"\r\n";
    stato.NumEtichette[0] = 5;
    ASSERT_EQ(carica(file), 0);
    const std::vector<Riga> attese{{"", "1", "3"},  {"7", "9", ""},    {"Ram1 = Ram2", "15", ""},
                                   {"", "16", ""},  {"Aux", "27", ""}, {"Ram3", "19", "12"}};
    EXPECT_EQ(righe(1), attese);
    EXPECT_EQ(stato.NumEtichette[0], 5);
}

TEST_F(Lettura, MarcheDiMemoria)
{
    const QByteArray file = "\"d'9'\",\"1\",\"\",\"RAM\"\r\n"
                            "\"\",\"2\",\"\",\"RAM\"\r\n"
                            "\"b'00000001'\",\" 20 \",\"\",\"EEP\"\r\n";
    stato.marca(Memoria::Ram, 2) = "vecchia";
    ASSERT_EQ(carica(file), 0);
    EXPECT_EQ(stato.marca(Memoria::Ram, 1), "d'9'");
    EXPECT_EQ(stato.marca(Memoria::Ram, 2), "");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 20), "b'00000001'");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 1), "");
}

TEST_F(Lettura, IlCaricamentoSostituisceIlProgrammaSenzaDomandeERiportaIFlag)
{
    riempi(2, 4);
    stato.marca(Memoria::Eeprom, 9) = "d'1'";
    stato.griglia(2).seleziona(3, ColCodice);
    stato.PercorsoFile = "/vecchio.kbn";
    stato.Modificato = true;
    ASSERT_EQ(carica("\"1,5\",\"8\",\"\",\"gg1\"\r\n"), 0);

    EXPECT_TRUE(ui.messaggi.empty());
    EXPECT_EQ(stato.NumIstruzioni(2), 0);
    EXPECT_EQ(stato.griglia(2).rigaCorrente(), 0);
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 9), "");
    EXPECT_EQ(stato.PercorsoFile, percorso("prova.kbn"));
    EXPECT_FALSE(stato.Modificato);
    EXPECT_FALSE(stato.InserimentoAutomatico);
    for (bool f : {stato.OkAttendi, stato.OkSeAttivoVaiA, stato.OkSeDisattivoVaiA, stato.OkScriviRam,
                   stato.OkScriviEeprom, stato.OkSpostaEeprom, stato.OkSe, stato.OkIncrementa, stato.OkDecrementa})
        EXPECT_FALSE(f);
    for (bool f : stato.OkVaiA)
        EXPECT_FALSE(f);
    for (bool f : {stato.OkSeAttivoFai, stato.OkSeDisattivoFai, stato.OkSwappa, stato.OkScorriDestra,
                   stato.OkScorriSinistra, stato.OkComplemento, stato.OkOperazioni})
        EXPECT_TRUE(f);

    // After loading, the dialogs are asked again.
    editor.inserisci(1, codici::Attendi);
    EXPECT_EQ(ui.dialoghi.size(), 1u);
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
}

TEST_F(Lettura, UnaGrigliaPienaAvvisaUnaVoltaSolaEIlRestoSiCarica)
{
    QByteArray file;
    for (int i = 0; i < 20000; ++i)
        file += "\"\",\"2\",\"\",\"gg5\"\r\n";
    file += "\"\",\"3\",\"\",\"gg1\"\r\n\"d'1'\",\"1\",\"\",\"RAM\"\r\n";
    ASSERT_EQ(carica(file), 0);
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{informazione("Non è possibile inserire più di 950 istruzioni.")});
    EXPECT_EQ(stato.NumIstruzioni(5), 950);
    EXPECT_EQ(codici(1), std::vector<int>{3});
    EXPECT_EQ(stato.marca(Memoria::Ram, 1), "d'1'");
}

struct CasoErrore {
    const char* nome;
    QByteArray file;
    int errore;
    int righeRimaste;  // rows of grid 1 read before the failure
};

void PrintTo(const CasoErrore& c, std::ostream* os) { *os << c.nome; }

class ErroriDiLettura : public BancoFile, public ::testing::WithParamInterface<CasoErrore> {};

const QByteArray Riga1 = "\"\",\"1\",\"\",\"gg1\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Tabella, ErroriDiLettura,
    ::testing::Values(CasoErrore{"record_incompleto", Riga1 + "\"\",\"2\"\r\n", 62, 1},
                      CasoErrore{"virgolette_aperte", Riga1 + "\"\",\"2\",\"\",\"gg1\r\n", 62, 1},
                      CasoErrore{"cella_non_numerica", Riga1 + "\"\",\"tre\",\"\",\"RAM\"\r\n" + Riga1, 13, 1},
                      CasoErrore{"cella_vuota", Riga1 + "\"\",\"\",\"\",\"EEP\"\r\n", 13, 1},
                      CasoErrore{"cella_decimale", Riga1 + "\"\",\"3.5\",\"\",\"EEP\"\r\n", 13, 1},
                      CasoErrore{"cella_zero", Riga1 + "\"\",\"0\",\"\",\"RAM\"\r\n", 9, 1},
                      CasoErrore{"cella_ventuno", Riga1 + "\"\",\"21\",\"\",\"EEP\"\r\n", 9, 1},
                      CasoErrore{"cella_negativa", Riga1 + "\"\",\"-1\",\"\",\"RAM\"\r\n", 9, 1},
                      CasoErrore{"cella_enorme", Riga1 + "\"\",\"99999999999\",\"\",\"RAM\"\r\n", 6, 1},
                      CasoErrore{"cella_32768", Riga1 + "\"\",\"32768\",\"\",\"RAM\"\r\n", 6, 1},
                      CasoErrore{"campo_lunghissimo", Riga1 + "\"" + QByteArray(5000, 'x') + "\",\"8\",\"\",\"gg1\"\r\n", 14, 1},
                      CasoErrore{"riga_senza_fine", QByteArray(300000, 'x'), 14, 0}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_P(ErroriDiLettura, FermaIlCaricamentoETieneLeRigheLette)
{
    stato.PercorsoFile = "/vecchio.kbn";
    EXPECT_EQ(carica(GetParam().file), GetParam().errore);
    EXPECT_EQ(stato.NumIstruzioni(1), GetParam().righeRimaste);
    // The damaged file must not be overwritten by a later "Salva" with part of it.
    EXPECT_EQ(stato.PercorsoFile, "");
    EXPECT_EQ(stato.Modificato, GetParam().righeRimaste > 0);
    EXPECT_FALSE(stato.InserimentoAutomatico);
    EXPECT_FALSE(stato.OkAttendi);
    EXPECT_TRUE(ui.messaggi.empty());
}

class FileNonApribili : public BancoFile {
protected:
    void SetUp() override
    {
        riempi(1, 2);
        stato.PercorsoFile = "/vecchio.kbn";
    }
    void programmaIntatto()
    {
        EXPECT_EQ(stato.NumIstruzioni(1), 2);
        EXPECT_EQ(stato.PercorsoFile, "/vecchio.kbn");
        EXPECT_TRUE(stato.Modificato);
    }
};

TEST_F(FileNonApribili, FileMancante)
{
    EXPECT_EQ(leggiProgramma(editor, percorso("manca.kbn")), 53);
    programmaIntatto();
}

TEST_F(FileNonApribili, Cartella)
{
    EXPECT_EQ(leggiProgramma(editor, cartella.path()), 75);
    programmaIntatto();
}

TEST_F(FileNonApribili, FileDiCentoMegabyte)
{
    const QString p = percorso("grande.kbn");
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(100LL * 1024 * 1024));  // sparse: no disk space used
    f.close();
    EXPECT_EQ(leggiProgramma(editor, p), 7);
    programmaIntatto();
}

TEST_F(Lettura, UnFileAlLimiteDiSediciMegabyteSiLeggeAncora)
{
    // The size limit lets through any file a program could have written; the reader streams
    // it in blocks, and records go on across the block borders.
    const QByteArray riga = "\"\",\"1\",\"\",\"gg1\"\r\n";
    QByteArray file = riga;
    file += QByteArray(16 * 1024 * 1024 - 2 * riga.size() - 18, '\n');
    file += "\"\",\"2\",\"\"\r\n\"gg1\"\r\n" + riga;
    ASSERT_EQ(file.size(), 16 * 1024 * 1024);
    ASSERT_EQ(carica(file), 0);
    EXPECT_EQ(codici(1), (std::vector<int>{1, 2, 1}));
}

}  // namespace
}  // namespace kobaltino
