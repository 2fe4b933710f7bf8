// "Salva", "Salva con nome" and "Apri", with their questions and refusals.
#include "banco_file.h"

namespace kobaltino {
namespace {

const Messaggio TroppoLungo{"Il percorso del file è troppo lungo.\r\nIl compilatore non lo compilerà.\r\n"
                            "Cambiare il percorso del file",
                            Icona::Critica, "ATTENZONE"};
const Messaggio ConSpazi{"ATTENZIONE: Non è possibile inserire spazzi per il nome del file.\r\n"
                         "Il nome del file deve essere senza spazzi."};
const Messaggio DomandaApri{"Il programma non è stato salvato.\r\nSalvare adesso?", Icona::Informazione, "Attenzione",
                            Pulsanti::SiNoAnnulla};
const QByteArray Avanti = "\"\",\"1\",\"\",\"gg1\"\r\n";

class ComandiDiFile : public BancoFile {};

TEST_F(ComandiDiFile, GrigliaPrincipaleVuotaNonSiSalva)
{
    riempi(2, 1);
    comandi.salva();
    comandi.salvaConNome();
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{informazione("Inserire almeno un codice nella griglia principale"),
                                                    informazione("Inserire almeno un Codice")}));
    EXPECT_TRUE(ui.richiesteFile.empty());
}

TEST_F(ComandiDiFile, SalvaChiedeIlNomeUnaVoltaSola)
{
    riempi(1, 1);
    comandi.salva();  // the dialog is cancelled: nothing changes
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Salva);
    EXPECT_EQ(ui.richiesteFile[0].filtri, QStringList{"Kobaltino (*.kbn)"});
    EXPECT_TRUE(stato.Modificato);
    EXPECT_EQ(stato.Titolo, "Kobaltino");

    const QString p = percorso("uno");  // no extension is added
    ui.file.push_back(p);
    comandi.salva();
    EXPECT_EQ(leggiByte(p), Avanti + marcheVuote());
    EXPECT_FALSE(stato.Modificato);
    EXPECT_EQ(stato.PercorsoFile, p);
    EXPECT_EQ(stato.Titolo, "Kobaltino " + p);

    editor.inserisci(1, codici::Fermo);
    comandi.salva();
    EXPECT_EQ(ui.richiesteFile.size(), 2u);
    EXPECT_EQ(leggiByte(p), Avanti + "\"\",\"7\",\"\",\"gg1\"\r\n" + marcheVuote());
    EXPECT_FALSE(stato.Modificato);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(ComandiDiFile, PercorsiFinoAQuarantanoveCaratteriESenzaSpazi)
{
    const QString base = cartella.path() + "/";
    const auto lungo = [&](int n) { return base + QString(n - base.size() - 4, u'a') + ".kbn"; };
    ASSERT_TRUE(QDir(cartella.path()).mkdir("a b"));
    // conNome: the path comes from the "Salva con nome" dialog.
    const struct { QString percorso; bool conNome; std::vector<Messaggio> attesi; } casi[] = {
        {lungo(49), false, {}},         {lungo(50), false, {TroppoLungo}},       {lungo(50), true, {TroppoLungo}},
        {percorso("a b.kbn"), true, {ConSpazi}}, {percorso("a b/x.kbn"), false, {ConSpazi}}};
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
    const QString p = percorso("vecchio.kbn");
    scriviByte(p, "contenuto di prima");
    riempi(1, 2);
    riempi(2, 1);
    stato.PercorsoFile = p;
    const QString coda = " contiene virgolette, un a capo, un carattere non ammesso o un testo troppo lungo.";
    // Texts that would not load back unchanged.
    const struct { QString* testo; QString valore; QString dove; } casi[] = {
        {&stato.griglia(2).riga(0).parametro, "1\"0", "La riga 0 della griglia \"Luce destra\""},
        {&stato.griglia(1).riga(1).etichetta, "1\r\n2", "La riga 1 della griglia \"Griglia principale\""},
        {&stato.marca(Memoria::Eeprom, 7), "'Ω'", "La cella EEP 7"},
        {&stato.marca(Memoria::Ram, 1), QString(4097, u'x'), "La cella RAM 1"}};
    for (const auto& c : casi) {
        ui.messaggi.clear();
        *c.testo = c.valore;
        comandi.salva();
        EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{critico("Impossibile salvare il programma.\r\n" + c.dove + coda)});
        EXPECT_EQ(leggiByte(p), "contenuto di prima");
        EXPECT_TRUE(stato.Modificato);
        c.testo->clear();
    }
    ui.messaggi.clear();
    ui.file.push_back(percorso("manca/x.kbn"));
    comandi.salvaConNome();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{critico("Impossibile salvare il file:\r\n" + percorso("manca/x.kbn"))});
    EXPECT_TRUE(stato.Modificato);

    // At the limits: the euro sign is Windows-1252 0x80, and 4096 characters still load.
    ui.messaggi.clear();
    stato.PercorsoFile = p;
    stato.marca(Memoria::Eeprom, 7) = "'€'";
    stato.marca(Memoria::Ram, 1) = QString(4096, u'x');
    const auto ram = stato.MemoriaRAM, eeprom = stato.MemoriaEEPROM;
    comandi.salva();
    EXPECT_TRUE(ui.messaggi.empty());
    ASSERT_EQ(leggiProgramma(editor, p), 0);
    EXPECT_EQ(stato.MemoriaRAM, ram);
    EXPECT_EQ(stato.MemoriaEEPROM, eeprom);
}

TEST_F(ComandiDiFile, ApriMetteOgniRigaNellaSuaGriglia)
{
    const QString sdl = programmaDiProva("ordine_misto.sdl");
    ui.file.push_back(sdl);
    comandi.apri();
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Apri);
    EXPECT_EQ(ui.richiesteFile[0].filtri, (QStringList{"Kobaltino (*.kbn)", "Sardelio (*.sdl)"}));
    EXPECT_EQ(codici(1), (std::vector<int>{2, 5}));
    EXPECT_EQ(codici(2), std::vector<int>{7});
    EXPECT_EQ(righe(5), (std::vector<Riga>{{"", "1", ""}, {"0,5", "8", ""}}));
    EXPECT_EQ(stato.marca(Memoria::Ram, 3), "d'4'");
    EXPECT_EQ(stato.PercorsoFile, sdl);
    EXPECT_EQ(stato.Titolo, "Kobaltino " + sdl);
    EXPECT_TRUE(ui.messaggi.empty());
}

TEST_F(ComandiDiFile, ApriConModificheChiedeSeSalvare)
{
    riempi(1, 3);
    ui.risposte = {Risposta::Annulla, Risposta::Si};
    comandi.apri();  // nothing happens
    comandi.apri();  // the save dialog is cancelled: the unsaved program stays
    EXPECT_EQ(ui.messaggi, (std::vector<Messaggio>{DomandaApri, DomandaApri}));
    ASSERT_EQ(ui.richiesteFile.size(), 1u);
    EXPECT_EQ(ui.richiesteFile[0].tipo, RichiestaFile::Salva);
    EXPECT_EQ(stato.NumIstruzioni(1), 3);

    ui.risposte = {Risposta::Si};
    ui.file = {percorso("salvato.kbn"), programmaDiProva("esempio.kbn")};
    comandi.apri();
    EXPECT_EQ(leggiByte(percorso("salvato.kbn")), Avanti + Avanti + Avanti + marcheVuote());
    EXPECT_EQ(codici(1), (std::vector<int>{1, 8}));

    editor.inserisci(1, codici::Fermo);
    ui.risposte = {Risposta::No};
    ui.file = {programmaDiProva("ordine_misto.sdl")};
    comandi.apri();
    EXPECT_EQ(codici(1), (std::vector<int>{2, 5}));
    EXPECT_EQ(leggiByte(percorso("salvato.kbn")).count("gg1"), 3);
}

TEST_F(ComandiDiFile, ApriUnFileRovinatoMostraIlNumero)
{
    riempi(1, 2);
    stato.Modificato = false;
    scriviByte(percorso("rotto.kbn"), "\"\",\"4\",\"\",\"gg1\"\r\n\"\",\"x\",\"\",\"RAM\"\r\n");
    ui.file.push_back(percorso("rotto.kbn"));
    comandi.apri();
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{critico("Errore numero: 13")});
    EXPECT_EQ(codici(1), std::vector<int>{4});
    EXPECT_EQ(stato.Titolo, "Kobaltino");
}

}  // namespace
}  // namespace kobaltino
