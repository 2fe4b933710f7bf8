// The program file: the bytes written, the rows and marks read back, the error numbers, damaged input.
#include "banco_file.h"
#include "persist/salvataggio.h"

#include <QDirIterator>
#include <QElapsedTimer>

#include <random>

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
    const auto griglie = stato.griglie;
    const auto ram = stato.MemoriaRAM, eeprom = stato.MemoriaEEPROM;
    const QString p = percorso("completo.kbn");
    ASSERT_TRUE(scriviFileProgramma(stato, p, ui));
    const QByteArray primo = leggiByte(p);
    ASSERT_EQ(leggiProgramma(editor, p), 0);  // the arm state is back to "Chiuso" after ten "Braccio"
    EXPECT_EQ(testoProgramma(stato), primo);
    for (int k = 1; k <= 10; ++k)
        for (int r = 0; r < 29; ++r)
            EXPECT_EQ(stato.griglia(k).riga(r), griglie[k - 1].riga(r)) << k << " " << r;
    EXPECT_EQ(stato.MemoriaRAM, ram);
    EXPECT_EQ(stato.MemoriaEEPROM, eeprom);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(FileProgramma, CampiRecordEParametriSoloDoveIlCodiceNePorta)
{
    const QByteArray file = "  \"a, b\" ,\"8\",\"\",\"gg1\"\r\n\r\n"
                            "\"\",1,\"2\",gg1  \r\n"
                            "\" x \",\"13\"\r\n\"\",\"gg1\"\n"  // a record may run over several lines
                            "\"ignorato\",\"1\",\"3\",\"gg1\"\r\n"  // "Avanti" takes no parameter
                            "\"Ram1 = Ram2\",\"15\",\"\",\"gg1\"\r\n"
                            "\"ignorato\",\"16\",\"\",\"gg1\"\r\n"
                            "\"Aux\",\"27\",\"\",\"gg1\"\r\n"
                            "\"Ram3\",\"19\",\"12\",\"gg1\"\r\n"
                            "\"'y'\",\"4\"junk,\"\",\"RAM\"\r"
                            "\"b'00000001'\",\" 20 \",\"\",\"EEP\"\r\n"
                            // skipped without a word: unknown grids and codes
                            "\"\",\"1\",\"\",\"gg11\"\r\n\"\",\"1\",\"\",\"gg0\"\r\n\"\",\"3\",\"\",\"xyz\"\r\n"
                            "\"\",\"0\",\"\",\"gg1\"\r\n\"\",\"29\",\"\",\"gg1\"\r\n\"\",\"01\",\"\",\"gg1\"\r\n"
                            "\"\",\"6\",\"\",\"gg10\"\r\n";
    ASSERT_EQ(carica(file), 0);
    const std::vector<Riga> attese{{"a, b", "8", ""}, {"", "1", "2"},   {" x ", "13", ""},  {"", "1", "3"},
                                   {"Ram1 = Ram2", "15", ""}, {"", "16", ""}, {"Aux", "27", ""}, {"Ram3", "19", "12"}};
    EXPECT_EQ(righe(1), attese);
    EXPECT_EQ(codici(10), std::vector<int>{6});
    EXPECT_EQ(stato.marca(Memoria::Ram, 4), "'y'");
    EXPECT_EQ(stato.marca(Memoria::Eeprom, 20), "b'00000001'");
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(FileProgramma, BraccioPrendeLoStatoDalCambioNonDalFile)
{
    ASSERT_EQ(carica("\"Chiuso\",\"21\",\"\",\"gg1\"\r\n\"Chiuso\",\"21\",\"\",\"gg1\"\r\n"
                     "\"xyz\",\"21\",\"\",\"gg4\"\r\n"),
              0);
    EXPECT_EQ(righe(1), (std::vector<Riga>{{"Aperto", "21", ""}, {"Chiuso", "21", ""}}));
    EXPECT_EQ(righe(4), (std::vector<Riga>{{"Aperto", "21", ""}}));
    EXPECT_EQ(stato.StatoBraccio, "Aperto");
    EXPECT_FALSE(stato.AuxAbilitata);
    EXPECT_TRUE(ui.messaggi.empty());  // no "disattiverà la griglia AUX" question while loading
}

TEST_F(FileProgramma, UnaGrigliaPienaAvvisaUnaVoltaSolaEIlRestoSiCarica)
{
    const QByteArray file = QByteArray("\"\",\"2\",\"\",\"gg5\"\r\n").repeated(20000);
    ASSERT_EQ(carica(file + "\"\",\"3\",\"\",\"gg1\"\r\n\"d'1'\",\"1\",\"\",\"RAM\"\r\n"), 0);
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{informazione("Non è possibile inserire più di 950 istruzioni.")});
    EXPECT_EQ(stato.NumIstruzioni(5), 950);
    EXPECT_EQ(codici(1), std::vector<int>{3});
    EXPECT_EQ(stato.marca(Memoria::Ram, 1), "d'1'");
}

// A file that cannot be opened leaves the program as it was; a failure further on keeps the rows
// read so far and forgets the path, so that "Salva" cannot overwrite the damaged file with part of it.
TEST_F(FileProgramma, OgniErroreHaIlSuoNumero)
{
    const QByteArray r = "\"\",\"1\",\"\",\"gg1\"\r\n";
    const qsizetype sediciMega = 16 * 1024 * 1024;
    const QByteArray coda = "\"\",\"2\",\"\"\r\n\"gg1\"\r\n";  // a record over two lines at the very end
    const struct { const char* nome; QByteArray file; int errore; int righe; } casi[] = {
        {"mancante", {}, 53, 2}, {"cartella", {}, 75, 2}, {"oltre_sedici_mega", {}, 7, 2},
        {"sedici_mega", r + QByteArray(sediciMega - r.size() - coda.size(), '\n') + coda, 0, 2},
        {"record_incompleto", r + "\"\",\"2\"\r\n", 62, 1},
        {"virgolette_aperte", r + "\"\",\"2\",\"\",\"gg1\r\n", 62, 1},
        {"cella_non_numerica", r + "\"\",\"tre\",\"\",\"RAM\"\r\n" + r, 13, 1},
        {"cella_vuota", r + "\"\",\"\",\"\",\"EEP\"\r\n", 13, 1},
        {"cella_zero", r + "\"\",\"0\",\"\",\"RAM\"\r\n", 9, 1},
        {"cella_ventuno", r + "\"\",\"21\",\"\",\"EEP\"\r\n", 9, 1},
        {"cella_negativa", r + "\"\",\"-1\",\"\",\"RAM\"\r\n", 9, 1},
        {"cella_32767", r + "\"\",\"32767\",\"\",\"RAM\"\r\n", 9, 1},
        {"cella_32768", r + "\"\",\"32768\",\"\",\"RAM\"\r\n", 6, 1},
        {"cella_enorme", r + "\"\",\"99999999999\",\"\",\"RAM\"\r\n", 6, 1},
        {"campo_4096", r + "\"" + QByteArray(4096, 'x') + "\",\"8\",\"\",\"gg1\"\r\n", 0, 2},
        {"campo_4097", r + "\"" + QByteArray(4097, 'x') + "\",\"8\",\"\",\"gg1\"\r\n", 14, 1},
        {"riga_senza_fine", QByteArray(300000, 'x'), 14, 0}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        stato = Stato{};
        riempi(1, 2);
        stato.PercorsoFile = "/vecchio.kbn";
        const QString p = c.errore == 53 ? percorso("manca.kbn") : c.errore == 75 ? cartella.path() : percorso("x.kbn");
        if (c.errore != 53 && c.errore != 75)
            scriviByte(p, c.file);
        if (c.errore == 7) {
            ASSERT_TRUE(QFile::resize(p, sediciMega + 1));  // sparse: no disk space used
        }
        EXPECT_EQ(leggiProgramma(editor, p), c.errore);
        EXPECT_EQ(stato.NumIstruzioni(1), c.righe);
        EXPECT_EQ(stato.PercorsoFile, c.errore == 0 ? p : c.file.isEmpty() ? "/vecchio.kbn" : "");
        EXPECT_EQ(stato.Modificato, c.errore != 0 && c.righe > 0);
        EXPECT_FALSE(stato.InserimentoAutomatico);
    }
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(FileProgramma, NessunFileGuastoRompeIlCaricamento)
{
    const auto verifica = [this](const QByteArray& file) {
        ui.messaggi.clear();
        stato.StatoBraccio = "Chiuso";  // as every activation of the main window leaves it
        const int errore = carica(file);
        const std::string inizio = file.left(200).toStdString();
        ASSERT_TRUE(QList<int>({0, 6, 9, 13, 14, 62}).contains(errore)) << errore << " per " << inizio;
        ASSERT_TRUE(ui.messaggi.empty());
        ASSERT_FALSE(stato.InserimentoAutomatico);
        if (errore == 0 && testoNonSalvabile(stato).isEmpty()) {
            // What loaded saves and loads back identically (the arm state restarts as on activation).
            const QByteArray primo = testoProgramma(stato);
            stato.StatoBraccio = "Chiuso";
            ASSERT_EQ(carica(primo), 0);
            ASSERT_EQ(testoProgramma(stato), primo) << "per " << inizio;
        }
    };
    // Long runs across the 64 KiB blocks the reader takes at a time, then random edits of valid files.
    for (const QByteArray& f : {QByteArray(70000, '"'), QByteArray(70000, ','), QByteArray(70000, '\n')})
        ASSERT_NO_FATAL_FAILURE(verifica(f));
    std::vector<QByteArray> validi;
    for (QDirIterator it(QStringLiteral(KOBALTINO_PROGRAMMI), {"*.kbn", "*.sdl"}, QDir::Files); it.hasNext();)
        validi.push_back(leggiByte(it.next()));
    ASSERT_EQ(validi.size(), 3u);
    const char speciali[] = {'"', ',', '\r', '\n', ' ', '\0', '\xff', '1', '9', '-'};
    std::mt19937 caso(20240611u);
    QElapsedTimer tempo;
    tempo.start();
    int prove = 0;
    for (; prove < 20000 && tempo.elapsed() < 3000; ++prove) {  // bounded in time, whatever the machine
        QByteArray f = validi[caso() % validi.size()];
        for (int m = 1 + static_cast<int>(caso() % 8); m > 0 && !f.isEmpty(); --m) {
            const qsizetype pos = static_cast<qsizetype>(caso() % static_cast<unsigned>(f.size()));
            switch (caso() % 5) {
            case 0: f[pos] = static_cast<char>(caso()); break;
            case 1: f[pos] = speciali[caso() % sizeof(speciali)]; break;
            case 2: f.remove(pos, 1 + static_cast<qsizetype>(caso() % 20)); break;
            case 3: f.insert(pos, f.mid(static_cast<qsizetype>(caso() % f.size()), 1 + caso() % 40)); break;
            default: f.truncate(pos); break;
            }
        }
        ASSERT_NO_FATAL_FAILURE(verifica(f));
    }
    EXPECT_GT(prove, 100);
}

}  // namespace
}  // namespace kobaltino
