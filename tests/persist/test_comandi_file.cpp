// "Salva", "Salva con nome", "Apri" and kobaltino-cli converti, with their questions and refusals.
#include "app/comandi_cli.h"
#include "banco_file.h"
#include "limite_file.h"

#include <sys/stat.h>

namespace kobaltino {
namespace {

const Messaggio TroppoLungo{"Il percorso del file è troppo lungo.\r\nIl compilatore non lo compilerà.\r\n"
                            "Cambiare il percorso del file",
                            Icona::Critica, "ATTENZONE"};
const Messaggio ConSpazi{"ATTENZIONE: Non è possibile inserire spazzi per il nome del file.\r\n"
                         "Il nome del file deve essere senza spazzi."};
const QByteArray Avanti = "\"\",\"1\",\"\",\"gg1\"\r\n";
const QString Saltate = "2 righe del file saltate.kbn non sono state caricate (righe 2, 4): una griglia o un codice di "
                        "istruzione che questo programma non conosce, o un'istruzione oltre le 950 di una griglia.\r\n"
                        "Salvando il programma, quelle righe andranno perse.";
const QString Rotto = "Errore numero: 13\r\nIl file rotto.kbn indica la cella di memoria \"x\", che non è un numero (riga 2).";

class ComandiDiFile : public BancoFile {
protected:
    QString errori;  // of kobaltino-cli
    int converti(const QStringList& argomenti)
    {
        QString uscita;
        QTextStream out(&uscita), err(&errori);
        errori.clear();
        return cli::converti(argomenti, out, err);
    }
    // A file with two records this program cannot hold, and a damaged one.
    void fileDifettosi()
    {
        scriviByte(percorso("saltate.kbn"), Avanti + "\"\",\"99\",\"\",\"gg1\"\r\n" + Avanti + "\"\",\"1\",\"\",\"gg11\"\r\n");
        scriviByte(percorso("rotto.kbn"), "\"\",\"4\",\"\",\"gg1\"\r\n\"\",\"x\",\"\",\"RAM\"\r\n");
    }
};

TEST_F(ComandiDiFile, SalvaVuoleLaGrigliaPrincipaleEChiedeIlNomeUnaVoltaSola)
{
    riempi(2, 1);
    comandi.salva();
    comandi.salvaConNome();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{informazione("Inserire almeno un codice nella griglia principale"),
                                                    informazione("Inserire almeno un Codice")}));
    EXPECT_TRUE(ui.richiesteFile.empty());

    riempi(1, 1);
    comandi.salva();  // the dialog is cancelled: nothing changes
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Salva);
    EXPECT_EQ(ui.richiesteFile[0].filtri, QStringList{"Kobaltino (*.kbn)"});
    EXPECT_TRUE(stato.Modificato);
    const QString p = percorso("uno");  // no extension is added
    ui.file.push_back(p);
    comandi.salva();
    EXPECT_EQ(stato.PercorsoFile, p);
    editor.inserisci(1, codici::Fermo);
    comandi.salva();
    EXPECT_EQ(ui.richiesteFile.size(), 2u);
    EXPECT_EQ(leggiByte(p), Avanti + "\"\",\"7\",\"\",\"gg1\"\r\n\"\",\"1\",\"\",\"gg2\"\r\n" + marcheVuote());
    EXPECT_FALSE(stato.Modificato);
}

TEST_F(ComandiDiFile, PercorsiFinoAQuarantanoveCaratteriESenzaSpazi)
{
    const auto lungo = [&](int n) { return percorso(QString(n - cartella.path().size() - 5, u'a') + ".kbn"); };
    // conNome: the path comes from the "Salva con nome" dialog.
    const struct { QString percorso; bool conNome; std::vector<Messaggio> attesi; } casi[] = {
        {lungo(49), false, {}},         {lungo(50), false, {TroppoLungo}},       {lungo(50), true, {TroppoLungo}},
        {percorso("a b.kbn"), true, {ConSpazi}}};
    riempi(1, 1);
    for (const auto& c : casi) {
        SCOPED_TRACE(c.percorso.toStdString());
        ui.messaggi.clear();
        stato.Modificato = true;
        stato.PercorsoFile = c.conNome ? QString() : c.percorso;
        if (c.conNome)
            ui.file.push_back(c.percorso);
        comandi.salva();
        EXPECT_EQ(ui.messaggi, c.attesi);
        EXPECT_EQ(QFile::exists(c.percorso), c.attesi.empty());
        EXPECT_EQ(stato.PercorsoFile, c.attesi.empty() ? c.percorso : "");
        EXPECT_EQ(stato.Modificato, !c.attesi.empty());
    }
    EXPECT_EQ(ui.richiesteFile.size(), 2u);  // a refused path is forgotten, not asked for at once
}

TEST_F(ComandiDiFile, UnSalvataggioMancatoLasciaIlFileEModificatoComErano)
{
    const QString p = percorso("vecchio.kbn"), tubo = percorso("tubo.kbn");
    scriviByte(p, "contenuto di prima");
    ASSERT_EQ(mkfifo(tubo.toLocal8Bit().constData(), 0600), 0);
    riempi(1, 2);
    riempi(2, 1);
    // Texts that would not load back unchanged, then a folder that does not exist, then a pipe
    // (or a device, or a folder), where writing would hang or lose the program.
    const struct { QString* testo; QString valore; QString dove; } casi[] = {
        {&stato.griglia(2).riga(0).parametro, "1\"0", "La riga 0 della griglia \"Luce destra\""},
        {&stato.griglia(1).riga(1).etichetta, "1\r\n2", "La riga 1 della griglia \"Griglia principale\""},
        {&stato.marca(Memoria::Eeprom, 7), "'Ω'", "La cella EEP 7"},
        {&stato.marca(Memoria::Ram, 1), QString(4097, u'x'), "La cella RAM 1"}};
    std::vector<Messaggio> attesi;
    for (const auto& c : casi) {
        stato.PercorsoFile = p;
        *c.testo = c.valore;
        comandi.salva();
        attesi.push_back(critico("Impossibile salvare il programma.\r\n" + c.dove + " contiene virgolette, "
                                 "un a capo, un carattere non ammesso o un testo troppo lungo."));
        c.testo->clear();
    }
    stato.PercorsoFile = percorso("manca/x.kbn");
    comandi.salva();
    attesi.push_back(critico("Impossibile salvare il file:\r\n" + percorso("manca/x.kbn") + "\r\nLa cartella non esiste."));
    stato.PercorsoFile = tubo;
    comandi.salva();
    attesi.push_back(critico("Impossibile salvare il file:\r\n" + tubo + "\r\nNon è un file normale (è una "
                             "cartella, una pipe o un dispositivo): scegliere un altro nome."));
    EXPECT_EQ(ui.messaggi, attesi);
    EXPECT_EQ(leggiByte(p), "contenuto di prima");
    EXPECT_FALSE(QFileInfo(tubo).isFile());
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              (QStringList{"tubo.kbn", "vecchio.kbn"}));
    EXPECT_TRUE(stato.Modificato);

    stato.PercorsoFile = p;
    stato.marca(Memoria::Ram, 1) = QString(4096, u'x');  // as long as the reader takes
    comandi.salva();
    EXPECT_FALSE(stato.Modificato);

    // A read-only file in a folder anyone may write: the file is what refuses, and is named.
    const QString fisso = percorso("fisso.kbn");
    scriviByte(fisso, "di sola lettura");
    ASSERT_TRUE(QFile::setPermissions(fisso, QFile::ReadOwner) && QFile::setPermissions(cartella.path(), QFile::Permissions(0x7777)));
    stato.PercorsoFile = fisso;
    ui.messaggi.clear();
    EXPECT_TRUE(comeUtenteComune([&] {
        comandi.salva();
        return ui.messaggi == std::vector<Messaggio>{critico("Impossibile salvare il file:\r\n" + fisso + "\r\nIl file "
                                                             "fisso.kbn è di sola lettura: salvarlo con un altro nome, o "
                                                             "togliere la sola lettura dalle sue proprietà.")};
    }));
    EXPECT_EQ(leggiByte(fisso), "di sola lettura");
}

TEST_F(ComandiDiFile, ApriChiedeDiSalvareLeModificheECaricaIlFile)
{
    // Copies: a save dialog that took one of these by mistake must not overwrite the originals.
    const QString esempio = percorso("esempio.kbn"), sdl = percorso("ordine_misto.sdl");
    QFile::copy(programmaDiProva("esempio.kbn"), esempio);
    QFile::copy(programmaDiProva("ordine_misto.sdl"), sdl);
    fileDifettosi();
    riempi(1, 3);
    ui.risposte = {Risposta::Annulla, Risposta::Si, Risposta::Si, Risposta::No};
    ui.file = {QString(), percorso("salvato.kbn"), esempio, sdl, percorso("rotto.kbn"), percorso("saltate.kbn")};
    comandi.apri();  // Annulla: nothing happens
    comandi.apri();  // Si, and the save dialog is cancelled: the unsaved program stays
    comandi.apri();  // Si: saved, then replaced
    EXPECT_EQ(leggiByte(percorso("salvato.kbn")), Avanti + Avanti + Avanti + marcheVuote());
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8}));
    editor.inserisci(1, codici::Fermo);
    comandi.apri();  // No: replaced without saving
    EXPECT_FALSE(stato.Modificato || stato.InserimentoAutomatico);
    // Loading leaves the dialogs of the conditional actions and register operations confirmed, the others not.
    EXPECT_FALSE(stato.OkAttendi || stato.OkSe || stato.OkScriviRam || stato.OkVaiA.front() || stato.OkVaiA.back());
    EXPECT_TRUE(stato.OkSeAttivoFai && stato.OkSwappa && stato.OkOperazioni);
    ASSERT_EQ(ui.richiesteFile.size(), 4u);
    EXPECT_EQ(ui.richiesteFile[3].tipo, RichiestaFile::Apri);
    EXPECT_EQ(ui.richiesteFile[3].filtri, (QStringList{"Kobaltino (*.kbn)", "Sardelio (*.sdl)"}));
    // Each row goes to its own grid, in the order of the file.
    EXPECT_EQ(codici(1), (std::vector<int>{2, 5}));
    EXPECT_EQ(codici(2), std::vector<int>{7});
    EXPECT_EQ(righe(5), (std::vector<Riga>{{"", "1", ""}, {"0,5", "8", ""}}));
    EXPECT_EQ(stato.PercorsoFile, sdl);

    comandi.apri();  // damaged: refused with its number and what is wrong where
    comandi.apri();  // rows it cannot hold: the rest loads, and the message says which
    EXPECT_EQ(codici(1), (std::vector<int>{1, 1}));
    const Messaggio domanda{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione, "Attenzione",
                            Pulsanti::SiNoAnnulla};
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{domanda, domanda, domanda, domanda, critico(Rotto), informazione(Saltate)}));
}

TEST_F(ComandiDiFile, ConvertiRiscriveIlFileUgualeByteperByte)
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
    const QString nuovo = percorso("nuovo.kbn");
    EXPECT_EQ(converti({percorso("vecchio.kbn"), nuovo}), 0);
    EXPECT_EQ(errori, "");
    EXPECT_EQ(leggiByte(nuovo), file);

    // Records it cannot hold stop it unless told to drop them; a damaged file stops it anyway.
    fileDifettosi();
    scriviByte(percorso("solo7.kbn"), "\"\",\"1\",\"\",\"gg7\"\r\n");
    const auto perRiga = [](QString t) { return t.replace("\r\n", "\n") + "\n"; };
    const QString saltate = percorso("saltate.kbn"), esempio = programmaDiProva("esempio.kbn");
    const struct { QStringList argomenti; int uscita; QString errori; } casi[] = {
        {{saltate, nuovo}, 2, perRiga(Saltate)},
        {{saltate, "--ignora-righe-sconosciute", nuovo}, 0, perRiga(Saltate)},
        {{percorso("rotto.kbn"), nuovo, "--ignora-righe-sconosciute"}, 2, perRiga(Rotto)},
        {{percorso("solo7.kbn"), nuovo}, 2, "Inserire almeno un codice nella griglia principale\n"},
        {{esempio, "n.kbn"}, 2,  // the full path counts, from a folder 50 characters deep
         "Il percorso del file è troppo lungo.\nIl compilatore non lo compilerà.\nCambiare il percorso del file\n"},
        {{esempio}, 2,
         "Uso: kobaltino-cli converti PROGRAMMA NUOVO [--ignora-righe-sconosciute]\n"
         "  Le righe che il programma non conosce (griglia o codice sconosciuti, oltre 950 istruzioni)\n"
         "  fermano la conversione, a meno di --ignora-righe-sconosciute: allora si perdono.\n"}};
    const QString cartellaDiLavoro = QDir::currentPath();
    ASSERT_TRUE(QDir().mkpath(percorso(QString(50, u'd'))) && QDir::setCurrent(percorso(QString(50, u'd'))));
    for (const auto& c : casi) {
        SCOPED_TRACE(c.argomenti.join(' ').toStdString());
        QFile::remove(nuovo);
        EXPECT_EQ(converti(c.argomenti), c.uscita);
        EXPECT_EQ(errori, c.errori);
        EXPECT_EQ(leggiByte(nuovo), c.uscita == 0 ? Avanti + Avanti + marcheVuote() : "<illeggibile>");
    }
    QDir::setCurrent(cartellaDiLavoro);
    EXPECT_FALSE(QFile::exists(percorso(QString(50, u'd') + "/n.kbn")));
}

// A full disk, imitated by a file-size limit in a child process: a save leaves the file that was
// there whole, says why, and leaves nothing else behind. Every file the program writes (the
// settings file, kobaltino-cli's, the compile's source) goes through the same writer.
TEST_F(ComandiDiFile, UnDiscoPienoLasciaIlFileDiPrimaIntero)
{
    const QString programma = percorso("giro.kbn");
    const QByteArray vecchio = Avanti + marcheVuote();  // 1 KiB; the new program is over 4 KiB
    scriviByte(programma, vecchio);
    riempi(1, 300);
    stato.PercorsoFile = programma;
    const auto salvaNelFiglio = [&] {
        comandi.salva();
        const Messaggio pieno = critico("Impossibile salvare il file:\r\n" + programma + "\r\nIl file supera la "
                                        "dimensione massima consentita. Il file di prima è rimasto com'era.");
        EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{pieno});
        return ui.messaggi == std::vector<Messaggio>{pieno};
    };
    EXPECT_TRUE(conLimiteFile(4096, salvaNelFiglio));
    EXPECT_EQ(leggiByte(programma), vecchio);
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"giro.kbn"});
    comandi.salva();  // without the limit the same save goes through
    EXPECT_EQ(leggiByte(programma), testoProgramma(stato));
}

}  // namespace
}  // namespace kobaltino
