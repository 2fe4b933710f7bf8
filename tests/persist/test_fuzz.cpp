// Damaged and hostile input through the program file reader and the code generator: a fixed
// number of inputs drawn from a fixed seed, so every machine runs the same inputs whatever its
// speed. gpasm is the referee for what the generator writes.
#include "banco_file.h"
#include "codegen/compilatore.h"
#include "codegen/generatore.h"

#include <QDirIterator>
#include <QStandardPaths>

#include <random>

namespace kobaltino {
namespace {

constexpr int FileGuasti = 2000;          // damaged files through the reader
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

// The rule: a file either loads, or is refused with one of the reader's own error numbers and the
// editor's program untouched. What loads holds only parameters and labels its instructions
// accept, the generator writes it one line per line, and once saved it saves back to the same
// bytes: the first save puts the records in the writer's order, grid after grid, and only the
// "Braccio" rows may read differently then, because their arm text follows the toggle in the
// order the rows were loaded.
TEST_F(Fuzz, NessunFileGuastoRompeIlCaricamento)
{
    std::vector<QByteArray> validi;
    for (QDirIterator it(QStringLiteral(KOBALTINO_PROGRAMMI), {"*.kbn", "*.sdl"}, QDir::Files); it.hasNext();)
        validi.push_back(leggiByte(it.next()));
    ASSERT_EQ(validi.size(), 3u);
    std::vector<QByteArray> file = {QByteArray(70000, '"'), QByteArray(70000, ','), QByteArray(70000, '\n')};
    while (file.size() < static_cast<size_t>(FileGuasti))
        file.push_back(muta(validi[tra(static_cast<unsigned>(validi.size()))]));

    int caricati = 0, rifiutati = 0;
    for (const QByteArray& f : file) {
        SCOPED_TRACE(f.left(200).toStdString());
        stato = Stato{};
        riempi(1, 1);
        stato.PercorsoFile = "/vecchio.kbn";
        stato.Modificato = true;
        const QByteArray prima = testoProgramma(stato);
        const EsitoLettura esito = carica(f);
        ASSERT_TRUE(QList<int>({0, 5, 6, 9, 13, 14, 62, 63}).contains(esito.errore)) << esito.errore;
        ASSERT_TRUE(ui.messaggi.empty());
        ASSERT_FALSE(stato.InserimentoAutomatico);
        if (!esito.riuscito()) {
            ++rifiutati;
            ASSERT_EQ(testoProgramma(stato), prima);
            ASSERT_EQ(stato.PercorsoFile, "/vecchio.kbn");
            ASSERT_TRUE(stato.Modificato);
            continue;
        }
        ++caricati;
        for (int k = 1; k <= NumeroGriglie; ++k)
            for (int r = 0; r < stato.NumIstruzioni(k); ++r) {
                ASSERT_EQ(problemaParametro(stato.griglia(k).codice(r), stato.griglia(k).riga(r).parametro), "");
                ASSERT_EQ(problemaEtichetta(stato.griglia(k).riga(r).etichetta), "");
            }
        const Generazione g = genera(stato);
        for (const QString& r : g.rifiutate)
            ASSERT_TRUE(r.contains("è già alla riga")) << r.toStdString();  // only labels used twice
        nessunCarattereDiControllo(g.sorgente);

        if (!testoNonSalvabile(stato).isEmpty())
            continue;  // a mark with a quote: "Salva" refuses it with its message
        const QByteArray primo = testoProgramma(stato);
        const auto griglie = stato.griglie;
        stato.StatoBraccio = "Chiuso";  // as every activation of the main window leaves it
        ASSERT_TRUE(carica(primo).riuscito());
        for (int k = 1; k <= NumeroGriglie; ++k)
            for (int r = 0; r < stato.NumIstruzioni(k); ++r) {
                Riga attesa = griglie[static_cast<size_t>(k - 1)].riga(r);
                if (attesa.codice == "21")
                    attesa.parametro = stato.griglia(k).riga(r).parametro;
                ASSERT_EQ(stato.griglia(k).riga(r), attesa) << k << " " << r;
            }
        const QByteArray secondo = testoProgramma(stato);
        stato.StatoBraccio = "Chiuso";
        ASSERT_TRUE(carica(secondo).riuscito());
        ASSERT_EQ(testoProgramma(stato), secondo);
    }
    // Both paths well used; a stray byte after a closing quote now refuses a file too.
    EXPECT_GT(caricati, FileGuasti / 20);
    EXPECT_GT(rifiutati, FileGuasti / 10);
}

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
