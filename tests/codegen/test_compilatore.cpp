// The "Compila" command: its checks in order, the file it hands the assembler, the command line,
// the report and the clean-up (with a recording in place of the assembler).
#include "assemblatore_finto.h"

#include "codegen/memoria_programma.h"

#include <QThread>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

const Messaggio Terminata{"Compilazione terminata"};

Messaggio critico(const QString& testo) { return {testo, Icona::Critica, "ATTENZIONE", Pulsanti::Ok}; }

TEST(Compilazione, ControlliInOrdine)
{
    const Messaggio vuota{"Inserire almeno un codice nella griglia principale"};
    const Messaggio daSalvare{"Il programma è stato modificato.\r\nIl programma deve essere salvato prima di essere compilato"};
    const std::pair<void (*)(Stato&), Messaggio> casi[] = {
        {[](Stato& s) { s.PercorsoCompilatore = "VUOTO"; s.Modificato = true; },  // empty and unsaved too
         {"Impossibile compilare il programma.\r\nInserire il percorso del compilatore dal menù strumenti",
          Icona::Informazione, "ATTENZIONE", Pulsanti::Ok}},
        {[](Stato& s) { s.PercorsoCompilatore = "vuoto"; }, vuota},
        {[](Stato& s) { aggiungi(s, 2, 1); s.Modificato = true; }, vuota},
        {[](Stato& s) { aggiungi(s, 1, 1); s.Modificato = true; }, daSalvare},
        {[](Stato& s) { aggiungi(s, 1, 1); s.PercorsoFile.clear(); }, daSalvare},  // never saved
        {[](Stato& s) { aggiungi(s, 1, 1); s.PercorsoFile = "/non/esiste/giro.kbn"; },
         critico("Impossibile scrivere il file:\r\n/non/esiste/giro.kbnTemp\r\nLa cartella non esiste.")},
        // A parameter no dialog writes and a label used twice never reach the assembler.
        {[](Stato& s) { aggiungi(s, 1, 1, "", "3"); aggiungi(s, 1, 8, "3,0", "3"); },
         {"Il programma non può essere compilato:\r\nGriglia principale, riga 1: il parametro \"3,0\" di \"Attendi\" "
          "non è valido: ci vuole un tempo di attesa tra 0,5, 1,0, 1,5, 2,0 e 2,5.\r\nGriglia principale, riga 1: "
          "l'etichetta 3 è già alla riga 0: un \"Vai a\" non saprebbe dove saltare."}},
    };
    for (const auto& [prepara, messaggio] : casi) {
        Banco b;
        prepara(b.stato);
        b.compilatore.compila();
        EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{messaggio});
        EXPECT_EQ(b.ui.esecuzioni, 0);
        EXPECT_EQ(b.compilatore.esito(), EsitoCompilazione::Rifiutata);
        EXPECT_EQ(b.file(), QStringList{"giro.kbn"});
    }
}

// The assembler's own options, run in the program's folder on the generated file; its leftovers
// go, the hex stays beside the program, another program's files and the user's own stay.
TEST(Compilazione, RigaDiComandoEPulizia)
{
    const struct {
        const char* assemblatore;
        const char* programma;
        QStringList altri, argomenti, lasciati, restano;  // files in the folder before, ..., after
    } casi[] = {
        {"/opt/pic/MPASMWIN.exe", "giro.kbn", {"giro.txt", "giro.v2.cod"}, {"/e-", "/l-", "/o-", "/q", "%1/giro.kbnTemp"},
         {"giro.COD", "giro.HEX"}, {"giro.HEX", "giro.kbn", "giro.txt", "giro.v2.cod"}},
        {"/usr/local/bin/gpasm", "giro.v2.kbn", {"giro.txt", "giro.cod"},
         {"-w", "2", "-a", "inhx8m", "-o", "%1/giro.v2.hex", "%1/giro.v2.kbnTemp"},
         {"giro.v2.cod", "giro.v2.COD", "giro.v2.lst", "giro.v2.hex"}, {"giro.cod", "giro.txt", "giro.v2.hex", "giro.v2.kbn"}},
    };
    for (const auto& c : casi) {
        Banco b(c.assemblatore, c.programma);
        carica(b.stato, Giro);
        b.stato.AuxAbilitata = false;  // its "Braccio" drives the arm
        for (const QString& nome : c.altri)
            b.lascia(nome);
        b.ui.lasciati = c.lasciati;
        b.compilatore.compila();
        EXPECT_EQ(b.ui.programma, c.assemblatore);
        EXPECT_EQ(b.ui.argomenti, QStringList(c.argomenti).replaceInStrings("%1", b.cartella.path()));
        EXPECT_EQ(b.ui.cartella, b.cartella.path());
        EXPECT_EQ(b.ui.limiteMs, 60000);
        EXPECT_EQ(b.ui.sorgenteLetto, atteso("giro_16f84.asm"));
        EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{Terminata});
        EXPECT_EQ(b.compilatore.esito(), EsitoCompilazione::Riuscita);
        EXPECT_EQ(b.file(), c.restano);
    }
}

// 950 rows of one word each fill the 1024 words with the 74 of the head and library; one word
// more is refused before the assembler runs.
TEST(Compilazione, Esattamente1024ParolePassano1025No)
{
    Banco b;
    for (int r = 0; r < 950; ++r)
        aggiungi(b.stato, 1, r % 2 ? 19 : 12, r % 2 ? "Ram1" : "");
    b.compilatore.compila();
    EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{Terminata});

    aggiungi(b.stato, 5, 19, "Ram1");  // one more word, in a sensor grid
    b.ui.messaggi.clear();
    b.compilatore.compila();
    EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{{"Ci sono troppe istruzioni.\r\nTogliere qualche istruzione"}});
    EXPECT_EQ(b.ui.esecuzioni, 1);
    EXPECT_EQ(b.compilatore.esito(), EsitoCompilazione::Rifiutata);
    EXPECT_EQ(b.file(), (QStringList{"giro.hex", "giro.kbn"}));  // the first compile's, untouched
}

// The real size, read from the hex file after assembling. A program ending at word 1099, then
// the configuration word.
const QByteArray Hex1100 = ":020000000528D1\r\n:02089600080058\r\n:02400E00F13F80\r\n:00000001FF\r\n";

TEST(MemoriaProgramma, ParoleDaiRecordDelFileHex)
{
    const std::vector<std::pair<QByteArray, std::optional<int>>> casi = {
        {":020000000528D1\r\n:021000000800E6\r\n:00000001FF\r\n", 2049},
        {":03001000010203E7\n:00000001FF\n", 10},  // an odd byte fills its word; bare LF
        {":02400E00F13F80\r\n:024000000102BB\r\n:0142000005B8\r\n:00000001FF\r\n", 0},  // configuration, ID, EEPROM
        {":020000020010EC\r\n:020020000102DB\r\n:00000001FF\r\n", 145},  // segment 0x10
        {":020000000528D2\r\n:00000001FF\r\n", std::nullopt},  // checksum
        {":030000000528D1\r\n:00000001FF\r\n", std::nullopt},  // length
        {":0200000005G8D1\r\n:00000001FF\r\n", std::nullopt},  // not hex
        {":0100000401FA\r\n:00000001FF\r\n", std::nullopt},    // a one-byte address record
    };
    for (const auto& [hex, parole] : casi)
        EXPECT_EQ(paroleOccupate(hex), parole) << hex.toStdString();
}

// Whether process `pid` still runs (a zombie waiting for its parent does not). A killed process
// takes a moment to go: it is given up to ten seconds.
bool vivo(const QByteArray& pid)
{
    for (int volte = 0; volte < 1000; ++volte) {
        QFile stat("/proc/" + pid.trimmed() + "/stat");
        if (pid.trimmed().isEmpty() || !stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray riga = stat.readAll();
        if (riga.mid(riga.lastIndexOf(')') + 2, 1) == "Z")
            return false;
        QThread::msleep(10);
    }
    return true;
}

// How the assembler's run ends: the report, and what stays in the folder, never the hex of an
// earlier compile. The assemblers are shell scripts; the hanging one is stopped sooner than a
// real compile would be, and the child it started goes with it. The hex is measured however the
// assembler spelled it; without a readable one nothing is measured. The errors name grid and
// row: lines 86 and 92 of the generated file are row 4 of the main grid and row 2 of Luce
// destra, line 89 is Luce destra's head.
TEST(Compilazione, DopoIlCompilatore)
{
    const auto lascia = [](const QByteArray& byte, const char* nome) {
        return "printf '" + QByteArray(byte).replace("\r\n", "\\r\\n") + "' > " + nome;
    };
    const QString troppi = "Il compilatore ha segnalato degli errori:\r\n"
                           + QStringList(20, "File generato, riga 1: Error[999] troppo").join("\r\n")
                           + "\r\n… e altre segnalazioni.";
    const struct {
        QByteArray script;  // none: an assembler that is not there
        Messaggio messaggio;
        EsitoCompilazione esito;
        const char* resta = nullptr;  // besides the program
    } casi[] = {
        {{}, critico("Impossibile avviare il compilatore:\r\n/opt/pic/MPASMWIN.exe"), EsitoCompilazione::Rifiutata},
        {"sleep 600 & echo $! > figlio.pid; echo $$ > padre.pid; wait",
         critico("Il compilatore non ha terminato entro 60 secondi ed è stato fermato."), EsitoCompilazione::Rifiutata},
        {"yes 'giro.kbnTemp:1:Error[999] troppo' | head -c 10000000; exit 1", {troppi, Icona::Critica},
         EsitoCompilazione::ErroriAssemblatore},
        {"echo ':00000001FF' > giro.hex; kill -SEGV $$",
         critico("Il compilatore è stato interrotto dal sistema (segnale 11, accesso non valido alla memoria): il file "
                 ".hex non è stato scritto."),
         EsitoCompilazione::Rifiutata},
        {"printf '%s:86:Error[113]   Symbol not previously defined: \"Ram99\"\\n"
         "%s:92:Error[113]   Symbol not previously defined: \"Ram77\"\\n"
         "%s:89:Error[150]   Labels must be defined in a code or data section.\\n%s:1:Error[999]   Prova.\\n"
         "Error[125]   Illegal condition: EOF encountered before END.\\r\\n%s:2:Error[999] vedi a:7: qui\\r\\n"
         "giro.kbnTemp:3:Error[998] solo il nome\\r\\naltro.asm:4:Error[997] un altro file\\r\\n' "
         "\"$5\" \"$5\" \"$5\" \"$5\" \"$5\"; exit 1",
         {"Il compilatore ha segnalato degli errori:\r\n"
          "Griglia principale, riga 4: Error[113] Symbol not previously defined: \"Ram99\"\r\n"
          "Luce destra, riga 2: Error[113] Symbol not previously defined: \"Ram77\"\r\n"
          "Luce destra: Error[150] Labels must be defined in a code or data section.\r\n"
          "File generato, riga 1: Error[999] Prova.\r\n"
          "Error[125] Illegal condition: EOF encountered before END.\r\n"
          "File generato, riga 2: Error[999] vedi a:7: qui\r\n"
          "File generato, riga 3: Error[998] solo il nome\r\n"
          "altro.asm:4:Error[997] un altro file",
          Icona::Critica},
         EsitoCompilazione::ErroriAssemblatore},
        {"printf ' \\r\\n'; exit 3",
         {"Il compilatore ha segnalato degli errori:\r\nIl compilatore ha terminato con il codice 3.", Icona::Critica},
         EsitoCompilazione::ErroriAssemblatore},
        {lascia(Hex1100, "giro.HEX"),
         {"Ci sono troppe istruzioni per il 16F84A.\r\nIl programma occupa 1100 parole, il processore ne ha "
          "1024.\r\nTogliere qualche istruzione o scegliere il 16F628"},
         EsitoCompilazione::Rifiutata},
        {lascia(Hex1100.left(Hex1100.size() - 13), "giro.HEX"),
         {"Il file giro.HEX scritto dal compilatore è incompleto o illeggibile.", Icona::Critica},
         EsitoCompilazione::ErroriAssemblatore},
        {lascia(Hex1100, "giro.asm"), {"Il compilatore ha terminato senza scrivere il file giro.hex.", Icona::Critica},
         EsitoCompilazione::ErroriAssemblatore, "giro.asm"},
        {lascia(HexVuoto, "giro.hex"), Terminata, EsitoCompilazione::Riuscita, "giro.hex"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.script.toStdString());
        Banco b;
        carica(b.stato, {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 19, "Ram9"}, {2, 1}, {2, 1}, {2, 20, "Ram7"}});
        b.stato.Processore = QStringLiteral("16F84A");
        b.lascia("giro.hex", Hex1100);
        if (!c.script.isEmpty()) {
            b.stato.PercorsoCompilatore = b.lascia("assembla.sh", "#!/bin/sh\n" + c.script + "\n");
            QFile::setPermissions(b.stato.PercorsoCompilatore, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        b.ui.reale = true;
        b.ui.limiteRealeMs = 2000;
        b.compilatore.compila();
        EXPECT_EQ(b.ui.messaggi, std::vector<Messaggio>{c.messaggio});
        EXPECT_EQ(b.compilatore.esito(), c.esito);
        QStringList resto = b.file();
        for (const char* nostro : {"assembla.sh", "figlio.pid", "padre.pid"})
            resto.removeAll(nostro);
        EXPECT_EQ(resto, (c.resta ? QStringList{c.resta, "giro.kbn"} : QStringList{"giro.kbn"}));
        for (const char* pid : {"figlio.pid", "padre.pid"}) {
            QFile f(b.cartella.filePath(pid));
            EXPECT_FALSE(f.open(QIODevice::ReadOnly) && vivo(f.readAll())) << pid;
        }
    }
}

}  // namespace
}  // namespace kobaltino
