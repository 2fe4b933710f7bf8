// Damaged programs through the code generator: a fixed number of inputs drawn from a fixed seed,
// so every machine runs the same inputs whatever its speed. gpasm is the referee for what the
// generator writes. Damaged files through the reader are the fuzz targets' job.
#include "banco_file.h"
#include "codegen/compilatore.h"
#include "codegen/generatore.h"

#include <QStandardPaths>

#include <random>

namespace kobaltino {
namespace {

constexpr int ProgrammiCasuali = 1500;    // random programs through the generator
constexpr int AssemblatiAlMassimo = 40;   // of those the generator accepts, how many gpasm checks

class Fuzz : public BancoFile {
protected:
    std::mt19937 caso{20240611u};

    unsigned tra(unsigned n) { return caso() % n; }

    // Random edits of `f`: bytes changed, the file's own special bytes put in, runs removed,
    // copied or cut off.
    QByteArray muta(QByteArray f)
    {
        const char speciali[] = {'"', ',', '\r', '\n', ' ', '\0', '\xff', '1', '9', '-', ';'};
        for (int m = 1 + static_cast<int>(tra(8)); m > 0 && !f.isEmpty(); --m) {
            const qsizetype pos = static_cast<qsizetype>(tra(static_cast<unsigned>(f.size())));
            switch (tra(5)) {
            case 0: f[pos] = static_cast<char>(caso()); break;
            case 1: f[pos] = speciali[tra(sizeof(speciali))]; break;
            case 2: f.remove(pos, 1 + static_cast<qsizetype>(tra(20))); break;
            case 3: f.insert(pos, f.mid(static_cast<qsizetype>(tra(static_cast<unsigned>(f.size()))), 1 + tra(40))); break;
            default: f.truncate(pos); break;
            }
        }
        return f;
    }

    void nessunCarattereDiControllo(const Sorgente& sorgente)
    {
        for (const RigaSorgente& r : sorgente.righe())
            ASSERT_TRUE(std::none_of(r.testo.begin(), r.testo.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
                << r.testo.toStdString();
    }
};

// Random programs of valid rows, one row in two then damaged: the generator translates exactly
// those whose rows all keep a form their dialogs write, and gpasm accepts what it writes.
TEST_F(Fuzz, IlGeneratoreScriveSoloCiòCheGpasmAccetta)
{
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    ASSERT_FALSE(gpasm.isEmpty()) << "gpasm non trovato nel PATH: installare gputils";
    int rifiutatiDanneggiati = 0, assemblati = 0;
    for (int prova = 0; prova < ProgrammiCasuali; ++prova) {
        stato = Stato{};
        for (int r = static_cast<int>(tra(12)); r >= 0; --r) {
            int codice = 1 + static_cast<int>(tra(28));
            if (codice == codici::VaiA)
                codice = codici::Sleep;  // jumps need labels, which the checks before the generator cover
            stato.griglia(tra(4) == 0 ? 2 + static_cast<int>(tra(9)) : 1).accoda(codice, parametroDi(codice, caso()));
        }
        stato.griglia(1).accoda(codici::Avanti, {});
        const bool danneggiato = tra(2) == 0;
        if (danneggiato) {
            Riga& riga = stato.griglia(1).riga(static_cast<int>(tra(static_cast<unsigned>(stato.NumIstruzioni(1)))));
            riga.parametro = QString::fromLatin1(muta(riga.parametro.toLatin1() + "x"));
        }
        const Generazione g = genera(stato);
        ASSERT_TRUE(danneggiato || g.rifiutate.isEmpty()) << g.rifiutate.join('\n').toStdString();
        if (!g.rifiutate.isEmpty()) {
            ++rifiutatiDanneggiati;
            ASSERT_EQ(g.sorgente.numRighe(), 0);
            continue;
        }
        nessunCarattereDiControllo(g.sorgente);
        if (assemblati == AssemblatiAlMassimo)
            continue;
        // What the generator took, damaged or not, gpasm must take too.
        stato.PercorsoFile = percorso("caso.kbn");
        stato.PercorsoCompilatore = gpasm;
        Compilatore compilatore(stato, ui);
        compilatore.compila();
        ++assemblati;
        ASSERT_EQ(compilatore.esito(), EsitoCompilazione::Riuscita)
            << (ui.messaggi.empty() ? std::string() : ui.messaggi.back().testo.toStdString());
        ui.messaggi.clear();
    }
    EXPECT_GT(rifiutatiDanneggiati, ProgrammiCasuali / 10);
    EXPECT_EQ(assemblati, AssemblatiAlMassimo);
}

}  // namespace
}  // namespace kobaltino
