// "Salva", "Salva con nome", "Apri" and the save questions of the editor.
#include "banco_file.h"
#include "persist/comandi_file.h"

namespace kobaltino {
namespace {

const Messaggio TroppoLungo{"Il percorso del file è troppo lungo.\r\nIl compilatore non lo compilerà.\r\n"
                            "Cambiare il percorso del file",
                            Icona::Critica, "ATTENZONE", Pulsanti::Ok};
const Messaggio ConSpazi{"ATTENZIONE: Non è possibile inserire spazzi per il nome del file.\r\n"
                         "Il nome del file deve essere senza spazzi.",
                         Icona::Informazione, "Kobaltino", Pulsanti::Ok};
const Messaggio DomandaApri{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione, "Attenzione",
                            Pulsanti::SiNoAnnulla};

class ComandiDiFile : public BancoFile {
protected:
    ComandiFile comandi{editor, cartella.path()};

    // A path of exactly `lunghezza` characters in the test folder.
    QString percorsoLungo(int lunghezza) const
    {
        const QString base = cartella.path() + "/";
        return base + QString(lunghezza - base.size() - 4, u'a') + ".kbn";
    }

    static Messaggio critico(const QString& testo) { return {testo, Icona::Critica, "Kobaltino", Pulsanti::Ok}; }
};

TEST_F(ComandiDiFile, GrigliaPrincipaleVuota)
{
    riempi(2, 1);
    comandi.salva();
    comandi.salvaConNome();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{informazione("Inserire almeno un codice nella griglia principale"),
                                                    informazione("Inserire almeno un Codice")}));
    EXPECT_TRUE(ui.richiesteFile.empty());
}

TEST_F(ComandiDiFile, SalvaSenzaPercorsoChiedeIlNomeEAnnullareNonCambiaNulla)
{
    riempi(1, 1);
    comandi.salva();
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Salva);
    EXPECT_EQ(ui.richiesteFile[0].filtri, QStringList{"Kobaltino (*.kbn)"});
    EXPECT_TRUE(stato.Modificato);
    EXPECT_EQ(stato.PercorsoFile, "");
    EXPECT_EQ(stato.Titolo, "Kobaltino");
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(ComandiDiFile, SalvaConNomeScriveEAggiornaTitolo)
{
    riempi(1, 1);
    const QString p = percorso("uno");  // no extension is added
    ui.file.push_back(p);
    comandi.salva();
    EXPECT_EQ(leggiByte(p), "\"\",\"1\",\"\",\"gg1\"\r\n" + marcheVuote());
    EXPECT_FALSE(stato.Modificato);
    EXPECT_EQ(stato.PercorsoFile, p);
    EXPECT_EQ(stato.Titolo, "Kobaltino " + p);

    // Next "Salva" writes to the same file without asking.
    editor.inserisci(1, codici::Fermo);
    comandi.salva();
    EXPECT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_TRUE(leggiByte(p).startsWith("\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"7\",\"\",\"gg1\"\r\n"));
    EXPECT_FALSE(stato.Modificato);
}

TEST_F(ComandiDiFile, PercorsoDiQuarantanoveCaratteriAccettatoCinquantaRifiutato)
{
    riempi(1, 1);
    stato.PercorsoFile = percorsoLungo(49);
    ASSERT_EQ(stato.PercorsoFile.size(), 49);
    comandi.salva();
    EXPECT_TRUE(QFile::exists(percorsoLungo(49)));
    EXPECT_FALSE(stato.Modificato);
    EXPECT_TRUE(ui.messaggi.empty());

    editor.inserisci(1, codici::Avanti);
    stato.PercorsoFile = percorsoLungo(50);
    comandi.salva();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{TroppoLungo});
    EXPECT_FALSE(QFile::exists(percorsoLungo(50)));
    EXPECT_EQ(stato.PercorsoFile, "");
    EXPECT_TRUE(stato.Modificato);
    EXPECT_TRUE(ui.richiesteFile.empty());

    ui.file.push_back(percorsoLungo(50));
    comandi.salvaConNome();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{TroppoLungo, TroppoLungo}));
    EXPECT_FALSE(QFile::exists(percorsoLungo(50)));
    EXPECT_EQ(stato.PercorsoFile, "");
}

TEST_F(ComandiDiFile, SpazioNelNomeONellaCartellaRifiutato)
{
    riempi(1, 1);
    ASSERT_TRUE(QDir(cartella.path()).mkdir("a b"));
    for (const QString& p : {percorso("a b/x.kbn"), percorso("a b.kbn")}) {
        ui.messaggi.clear();
        stato.PercorsoFile = p;
        comandi.salva();
        EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{ConSpazi});
        EXPECT_FALSE(QFile::exists(p));
        EXPECT_EQ(stato.PercorsoFile, "");
        EXPECT_TRUE(stato.Modificato);
    }
}

TEST_F(ComandiDiFile, FileNonScrivibileAvvisaETieneModificato)
{
    riempi(1, 1);
    stato.PercorsoFile = percorso("manca/x.kbn");
    comandi.salva();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{critico("Impossibile salvare il file:\r\n" + percorso("manca/x.kbn"))});
    EXPECT_TRUE(stato.Modificato);
    EXPECT_EQ(stato.PercorsoFile, percorso("manca/x.kbn"));

    ASSERT_TRUE(QDir(cartella.path()).mkdir("cartella"));
    ui.messaggi.clear();
    ui.file.push_back(percorso("cartella"));
    comandi.salvaConNome();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{critico("Impossibile salvare il file:\r\n" + percorso("cartella"))});
    EXPECT_TRUE(stato.Modificato);
}

TEST_F(ComandiDiFile, TestoConVirgoletteRifiutatoIlFileSulDiscoResta)
{
    const QString p = percorso("vecchio.kbn");
    scriviByte(p, "contenuto di prima");
    riempi(1, 1);
    stato.griglia(1).riga(0).etichetta = "a\"b";
    stato.PercorsoFile = p;
    comandi.salva();
    EXPECT_EQ(ui.messaggi,
              std::vector<Messaggio>{critico("Impossibile salvare il programma.\r\nLa riga 0 della griglia \"Griglia "
                                             "principale\" contiene virgolette, un a capo, un carattere non ammesso o "
                                             "un testo troppo lungo.")});
    EXPECT_EQ(leggiByte(p), "contenuto di prima");
    EXPECT_TRUE(stato.Modificato);
}

TEST_F(ComandiDiFile, ApriCaricaEAggiornaTitolo)
{
    ui.file.push_back(programmaDiProva("esempio.kbn"));
    comandi.apri();
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Apri);
    EXPECT_EQ(ui.richiesteFile[0].filtri, (QStringList{"Kobaltino (*.kbn)", "Sardelio (*.sdl)"}));
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8}));
    EXPECT_EQ(stato.Titolo, "Kobaltino " + programmaDiProva("esempio.kbn"));
    EXPECT_EQ(stato.PercorsoFile, programmaDiProva("esempio.kbn"));
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(ComandiDiFile, ApriConModificheChiede)
{
    riempi(1, 2);
    ui.risposte.push_back(Risposta::Annulla);
    comandi.apri();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{DomandaApri});
    EXPECT_TRUE(ui.richiesteFile.empty());

    ui.risposte.push_back(Risposta::No);
    ui.file.push_back(programmaDiProva("esempio.kbn"));
    comandi.apri();
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8}));
}

TEST_F(ComandiDiFile, ApriSalvaPrimaESeIlSalvataggioNonAvvieneSiFerma)
{
    riempi(1, 3);
    ui.risposte.push_back(Risposta::Si);  // then the save dialog is cancelled
    comandi.apri();
    EXPECT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(stato.NumIstruzioni(1), 3);

    ui.risposte.push_back(Risposta::Si);
    ui.file.push_back(percorso("salvato.kbn"));
    ui.file.push_back(programmaDiProva("esempio.kbn"));
    comandi.apri();
    EXPECT_TRUE(leggiByte(percorso("salvato.kbn")).startsWith("\"\",\"1\",\"\",\"gg1\"\r\n\"\",\"1\",\"\",\"gg1\"\r\n"));
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8}));
}

TEST_F(ComandiDiFile, ApriUnFileRovinatoMostraIlNumero)
{
    riempi(1, 2);
    stato.Modificato = false;
    ui.file.push_back(percorso("manca.kbn"));
    comandi.apri();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{critico("Errore numero: 53")});
    EXPECT_EQ(stato.NumIstruzioni(1), 2);
    EXPECT_EQ(stato.Titolo, "Kobaltino");

    ui.messaggi.clear();
    scriviByte(percorso("rotto.kbn"), "\"\",\"4\",\"\",\"gg1\"\r\n\"\",\"x\",\"\",\"RAM\"\r\n");
    ui.file.push_back(percorso("rotto.kbn"));
    comandi.apri();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{critico("Errore numero: 13")});
    EXPECT_EQ(codici(1), std::vector<int>{4});
    EXPECT_EQ(stato.Titolo, "Kobaltino");
}

TEST_F(ComandiDiFile, NuovoEChiusuraSalvanoAttraversoIComandi)
{
    riempi(1, 1);
    ui.risposte.push_back(Risposta::Si);
    ui.file.push_back(percorso("nuovo.kbn"));
    editor.nuovo();
    EXPECT_TRUE(QFile::exists(percorso("nuovo.kbn")));
    EXPECT_FALSE(stato.Modificato);

    editor.inserisci(1, codici::Avanti);
    ui.risposte.push_back(Risposta::Si);
    EXPECT_TRUE(editor.chiusuraFinestra());
    EXPECT_EQ(leggiByte(percorso("nuovo.kbn")).count("gg1"), 2);
}

}  // namespace
}  // namespace kobaltino
