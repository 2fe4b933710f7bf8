// kobaltino-cli simula: what it prints, and its exit status for good and bad requests.
#include "persist/file_programma.h"
#include "support/riga_di_comando.h"
#include "support/righe_programma.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

class Simula : public ::testing::Test, public RigaDiComandoProva {
protected:
    // `testo` saved as `nome` in the folder; its path.
    QString scrivi(const QString& nome, const QByteArray& testo)
    {
        QFile f(cartella.filePath(nome));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(testo) == testo.size()) << nome.toStdString();
        return f.fileName();
    }

    QString scrivi(const QString& nome, const std::vector<RigaFile>& righe)
    {
        return scrivi(nome, testoProgramma(programmaDi(righe)));
    }

    int esegui(const QStringList& argomenti) { return RigaDiComandoProva::esegui(cli::simula, argomenti); }

    QJsonObject json(const QStringList& argomenti)
    {
        EXPECT_EQ(esegui(argomenti + QStringList{"--json"}), 0) << errori.toStdString();
        return QJsonDocument::fromJson(uscita).object();
    }

    QTemporaryDir cartella;
    QString avanti = scrivi("avanti.kbn", {{1, 1}, {1, 8, "2,0"}, {1, 7}});
};

// The 16F628 with one input forced: the keys of the final state and what they hold.
TEST_F(Simula, InJsonLoStatoFinaleConLeChiaviPromesse)
{
    const QJsonObject o = json({avanti, "--tempo", "2,5", "--pic", "16F628", "--ingresso", "Ottico_destro=0"});
    QStringList chiavi = {"processore", "cicli", "tempo_s", "pc", "w", "registri", "eeprom", "porta", "portb",
                          "stack_max", "stack_overflow", "riga", "robot", "eventi", "fine"};
    chiavi.sort();
    EXPECT_EQ(o.keys().join(' ').toStdString(), chiavi.join(' ').toStdString());
    EXPECT_EQ(o["processore"].toString(), "16F628");
    // The main grid is over and the robot still: the run ends there, before the 2,5 s asked.
    EXPECT_EQ(o["fine"].toString(), "Il programma è finito: la griglia principale è terminata, riga 2");
    const QJsonArray registri = o["registri"].toArray();
    ASSERT_EQ(registri.size(), 256);
    EXPECT_TRUE(registri[0x07].isNull());     // nothing at 0x07
    EXPECT_EQ(registri[0x85].toInt(), 0x10);  // TRISA as the start-up sets it
    EXPECT_EQ(o["eeprom"].toArray().size(), 128);
    EXPECT_EQ(o["portb"].toInt(), 0b11111110);  // pull-ups high, the forced optical input low
    EXPECT_EQ(o["stack_max"].toInt(), 2);       // the wait and its inner loop
    EXPECT_EQ(o["stack_overflow"].toInt(), 0);
    EXPECT_EQ(o["riga"].toObject(), (QJsonObject{{"griglia", 0}, {"riga", -1}}));  // the closing loop
    // No arena: the robot starts at (0, 0) facing along x and goes Avanti for the 2 s wait (200
    // passes of 40 TMR0 ticks of 256 us) at 15 cm/s.
    const QJsonObject robot = o["robot"].toObject();
    EXPECT_NEAR(robot["x_cm"].toDouble(), 30.75, 0.05);
    const QJsonArray eventi = o["eventi"].toArray();
    ASSERT_EQ(eventi.size(), 2);
    EXPECT_EQ(eventi[0].toObject()["porta"].toInt(), 9);
    EXPECT_EQ(eventi[1].toObject()["porta"].toInt(), 0);
    EXPECT_NEAR(eventi[1].toObject()["t_s"].toDouble() - eventi[0].toObject()["t_s"].toDouble(), 2.05, 0.005);
    EXPECT_NEAR(o["tempo_s"].toDouble(), eventi[1].toObject()["t_s"].toDouble(), 0.002);
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList{"avanti.kbn"});  // nothing left beside it
}

// Each request of fixtures/rifiuti_simula.txt refused with its exit status and the first line on
// standard error; nothing on standard output.
TEST_F(Simula, IRifiutiDiconoPercheEEsconoColCodiceGiusto)
{
    scrivi("salto.kbn", {{1, 1}, {1, 9, "0"}});
    scrivi("rotto.kbn", {{1, 1}, {1, 19, "Ram99"}});
    scrivi("rotta.json", R"({"larghezza": 100, "altezza": 100, "partenza": {"x": 50, "y": 50},
                             "muri": [{"da": [0, 0]}]})");
    QFile f(KOBALTINO_FIXTURES "/rifiuti_simula.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    int casi = 0;
    for (QString riga : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (riga.startsWith('#'))
            continue;
        SCOPED_TRACE(riga.toStdString());
        riga.replace("DIR", cartella.path());
        const QStringList parti = riga.section(" => ", 0, 0).split(' ');
        EXPECT_EQ(esegui(parti.mid(1)), parti[0].toInt());
        EXPECT_EQ(QString::fromUtf8(errori).section('\n', 0, 0).toStdString(), riga.section(" => ", 1).toStdString());
        EXPECT_TRUE(uscita.isEmpty());
        ++casi;
    }
    EXPECT_EQ(casi, 17);
}

}  // namespace
}  // namespace kobaltino
