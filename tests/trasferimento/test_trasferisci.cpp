// The transfer run end to end: kobaltino-cli trasferisci and the run of a programmer, with
// stand-in programmers of the tests' own first on PATH. Each records its arguments and the hex
// it was given, prints progress as pk2cmd does, then ends as its row says.
#include "codegen/memoria_programma.h"
#include "persist/file_programma.h"
#include "support/riga_di_comando.h"
#include "support/righe_programma.h"
#include "trasferimento/esecuzione.h"
#include "trasferimento/spiegazione.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

QCoreApplication& applicazione()
{
    static int argc = 1;
    static char nome[] = "test_trasferimento", *argv[] = {nome, nullptr};
    static QCoreApplication* app = [] {
        QStandardPaths::setTestModeEnabled(true);
        return new QCoreApplication(argc, argv);
    }();
    return *app;
}

QByteArray leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Trasferisci : public ::testing::Test, public RigaDiComandoProva {
protected:
    void SetUp() override
    {
        applicazione();
        qputenv("PATH", (bin.path() + ":" + percorsoOriginale).toUtf8());
    }
    void TearDown() override { qputenv("PATH", percorsoOriginale.toUtf8()); }

    // A stand-in programmer called `nome` that ends with the shell line `fine`.
    void sostituto(const QString& nome, const QString& fine)
    {
        QFile f(bin.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\nd=$(dirname \"$0\")\n"
                 "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$d/argomenti\"\n"
                 "for a in \"$@\"; do f=${a#-F}; case \"$f\" in *.hex) cp \"$f\" \"$d/hex\";; esac; done\n"
                 "printf 'Operation: Writing\\n  0%%\\n 40%%\\n'\n" + fine + "\n").toUtf8());
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // The recorded arguments, the hex file's path written as HEX.
    QStringList registrati() const
    {
        QString testo = QString::fromUtf8(leggi(bin.filePath("argomenti")));
        testo.replace(QRegularExpression("/\\S*/giro\\.hex"), "HEX");
        return testo.split('\n', Qt::SkipEmptyParts);
    }
    QString programma(QTemporaryDir& dove, const std::vector<RigaFile>& righe) const
    {
        QFile f(dove.filePath("giro.kbn"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(testoProgramma(programmaDi(righe)));
        return f.fileName();
    }

    const QString percorsoOriginale = qEnvironmentVariable("PATH");
    QTemporaryDir bin, classe, confronto;
};

const std::vector<RigaFile> Giro = {{1, 1}, {1, 8, "1,0"}, {1, 7}};

// The hex handed over is the one "compila" leaves, the arguments are the preset's, the output is
// shown as it comes, each ending has its explanation and exit status; nothing stays beside the
// program, and a refused command runs nothing.
TEST_F(Trasferisci, DallaRigaDiComando)
{
    const QString giro = programma(classe, Giro);
    ASSERT_EQ(esegui(cli::compila, {programma(confronto, Giro), "--pic", "16F84A"}), 0) << errori.toStdString();
    const QByteArray hexDiCompila = leggi(confronto.filePath("giro.hex"));
    ASSERT_FALSE(hexDiCompila.isEmpty());
    const QString trasferito =
        QString("Programma trasferito nel robot (16F84A, %1 parole)\n").arg(*paroleOccupate(hexDiCompila));

    struct Caso {
        const char* strumento;
        const char* fine;  // the stand-in's last line
        QStringList opzioni;
        int stato;
        QString errori;      // standard error, exactly
        QStringList argomenti;  // recorded; empty when nothing must run
    };
    const QStringList pk2 = {"--programmatore", "pk2cmd", "--pic", "16F84A"};
    const Caso casi[] = {
        {"pk2cmd", "echo 100%; exit 0", pk2, 0, "", {"-PPIC16F84A", "-FHEX", "-M", "-R", "-JN"}},
        {"pk2cmd", "exit 10", pk2, 3, "Il programmatore non risponde: è collegato alla porta USB?\n", {"-PPIC16F84A", "-FHEX", "-M", "-R", "-JN"}},
        {"pk2cmd", "exit 34", pk2, 3, "Il programma è stato scritto ma la verifica ha trovato differenze: il chip potrebbe "
                                     "essere protetto o consumato. Ripetere il trasferimento; se succede ancora, provare "
                                     "un altro chip.\n", {"-PPIC16F84A", "-FHEX", "-M", "-R", "-JN"}},
        {"pk2cmd", "exit 0", {"--programmatore", "pk2cmd"}, 2, "Il PICkit 2 (pk2cmd) non programma il PIC16F84: nel suo "
         "elenco dei chip c'è solo il PIC16F84A, che si programma in modo diverso. Se sul robot c'è un 16F84A sceglierlo "
         "nell'elenco dei processori; per un 16F84 usare un programmatore K150 (picpro).\n", {}},
        {"picpro", "echo 'ROM verification failed.'", {"--programmatore", "picpro", "--porta", "/dev/ttyUSB3", "--pic", "16F84A"},
         3, "Il programma è stato scritto ma la verifica ha trovato differenze: il chip potrebbe essere protetto o "
            "consumato. Ripetere il trasferimento; se succede ancora, provare un altro chip.\n",
         {"program", "-p", "/dev/ttyUSB3", "-i", "HEX", "-t", "16F84A"}},
        // What a tool writes on standard error counts as well: picpro's traceback, on an unknown chip.
        {"picpro", "echo 'Traceback (most recent call last):' >&2; exit 1",
         {"--programmatore", "picpro", "--porta", "/dev/ttyUSB3", "--pic", "16F84A"}, 3,
         "picpro si è fermato per un errore: leggere l'uscita del programmatore.\n",
         {"program", "-p", "/dev/ttyUSB3", "-i", "HEX", "-t", "16F84A"}},
        {"pk2cmd", "exit 0", {"--programmatore", "ipecmd", "--pic", "16F84A"}, 2,
         "Il programma ipecmd non è installato (non si trova nel PATH). ipecmd fa parte di MPLAB X IPE di Microchip: "
         "installarlo e rendere raggiungibile il comando, per esempio con «sudo ln -s "
         "/opt/microchip/mplabx/VERSIONE/mplab_platform/mplab_ipe/ipecmd.sh /usr/local/bin/ipecmd».\n", {}},
        // ipecmd leaves a log where it runs: not in the program's folder, nor in the current one.
        {"ipecmd", "echo 'Programming/Verify complete'; echo 'Program Succeeded.'; touch MPLABXLog.xml",
         {"--programmatore", "ipecmd", "--strumento", "PK4", "--pic", "16F84A"}, 0, "",
         {"-TPPK4", "-P16F84A", "-FHEX", "-M", "-OL"}},
        {"ipecmd", "echo 'Target device was not found (could not detect target voltage VDD).'; echo 'Operation Succeeded'",
         {"--programmatore", "ipecmd", "--pic", "16F84A"}, 3,
         "Il programmatore non sente la tensione del robot: accendere il robot e controllare il cavo tra il "
         "programmatore e il robot.\n", {"-TPPK3", "-P16F84A", "-FHEX", "-M", "-OL"}},
        {"registra", "exit 0", {"--comando", R"x(registra -p{pic} {hex} ; touch "$(touch fatto)" 'x;y' `id`)x", "--pic", "16F84A"},
         0, "", {"-p16F84A", "HEX", ";", "touch", "$(touch fatto)", "x;y", "`id`"}},
        {"pk2cmd", "exit 0", {"--programmatore", "avrdude"}, 2,
         "Programmatore sconosciuto: avrdude (pk2cmd, ipecmd, picpro o una riga personalizzata).\n", {}},
    };
    for (const Caso& c : casi) {
        QFile::remove(bin.filePath("argomenti"));
        QFile::remove(bin.filePath("hex"));
        sostituto(c.strumento, c.fine);
        const int stato = esegui(cli::trasferisci, QStringList{giro} + c.opzioni);
        const std::string nome = c.opzioni.join(' ').toStdString();
        EXPECT_EQ(stato, c.stato) << nome;
        EXPECT_EQ(QString::fromUtf8(errori), c.errori) << nome;
        EXPECT_EQ(registrati(), c.argomenti) << nome;
        if (!c.argomenti.isEmpty()) {
            EXPECT_EQ(leggi(bin.filePath("hex")), hexDiCompila) << nome;
            EXPECT_TRUE(uscita.contains("Operation: Writing\n  0%\n 40%\n")) << nome;
        }
        if (stato == 0) {
            EXPECT_TRUE(uscita.endsWith(trasferito.toUtf8())) << uscita.toStdString();
        }
        EXPECT_EQ(QDir(classe.path()).entryList(QDir::Files), QStringList{"giro.kbn"}) << nome;
        EXPECT_FALSE(QFile::exists(QDir::current().filePath("fatto")));
        EXPECT_FALSE(QFile::exists(QDir::current().filePath("MPLABXLog.xml")));
    }
    // A program that does not compile, or cannot be read, never reaches the programmer.
    QFile::remove(bin.filePath("argomenti"));
    EXPECT_EQ(esegui(cli::trasferisci, {programma(classe, {{2, 1}}), "--programmatore", "pk2cmd", "--pic", "16F84A"}), 1);
    QFile rotto(classe.filePath("rotto.kbn"));
    ASSERT_TRUE(rotto.open(QIODevice::WriteOnly) && rotto.write("non sono un programma\n") > 0);
    rotto.close();
    EXPECT_EQ(esegui(cli::trasferisci, {rotto.fileName(), "--programmatore", "pk2cmd", "--pic", "16F84A"}), 2);
    EXPECT_EQ(QString::fromUtf8(errori), "Errore numero: 62\nIl file rotto.kbn finisce a metà di una riga (riga 1).\n");
    EXPECT_EQ(registrati(), QStringList{});
}

// A tool that hangs is ended by "Annulla" and by the time limit, with the processes it started.
TEST_F(Trasferisci, UnProgrammatoreBloccatoVieneFermato)
{
    sostituto("pk2cmd", "sleep 300 & echo $! > \"$d/figlio\"; echo pronto; wait");
    for (const bool annulla : {true, false}) {
        QFile::remove(bin.filePath("figlio"));
        const int limite = annulla ? 600000 : 5000;
        Esecuzione e(bin.filePath("pk2cmd"), {}, limite);
        EsitoEsecuzione esito;
        int percento = -1;
        QEventLoop attesa;
        QObject::connect(&e, &Esecuzione::avanzamento, [&](int p) { percento = p; });
        QObject::connect(&e, &Esecuzione::testo, [&] {
            if (annulla && QFile::exists(bin.filePath("figlio")))
                e.annulla();
        });
        QObject::connect(&e, &Esecuzione::finita, [&](const EsitoEsecuzione& x) {
            esito = x;
            attesa.quit();
        });
        e.avvia();
        attesa.exec();
        EXPECT_EQ(esito.fine, annulla ? EsitoEsecuzione::Annullata : EsitoEsecuzione::Scaduta);
        EXPECT_EQ(percento, 40);
        EXPECT_EQ(concludi(nullptr, esito, "16F84", 0, limite).frase,
                  (annulla ? "Trasferimento annullato: il programmatore è stato fermato."
                           : "Il programmatore non ha finito entro 5 secondi ed è stato fermato.")
                      + QString(" Il chip potrebbe essere rimasto scritto a metà: ripetere il trasferimento."));
        // The child is gone (or a zombie waiting for its new parent) once its group was killed.
        const QByteArray figlio = leggi(bin.filePath("figlio")).trimmed();
        ASSERT_FALSE(figlio.isEmpty());
        bool finito = false;
        for (int i = 0; i < 500 && !finito; ++i) {
            const QByteArray stat = leggi("/proc/" + QString::fromLatin1(figlio) + "/stat");
            finito = stat.isEmpty() || stat.contains(") Z ");
            if (!finito)
                QThread::msleep(10);
        }
        EXPECT_TRUE(finito) << figlio.toStdString();
    }
}

}  // namespace
}  // namespace kobaltino
