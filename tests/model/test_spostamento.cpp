// Moving, inserting at a row and deleting keep every "Vai a" on its instruction: checked on the
// generated assembly.
#include "banco_editor.h"

#include "codegen/generatore.h"

#include <QRegularExpression>

namespace kobaltino {
namespace {

// A program as a list of rows: "S<n>" a "Scrivi Ram" of d'n' (each one a distinct instruction),
// "J<n>" a "Vai a" to the row "S<n>", "SE" a "Se" block of three rows (its "Se" row only:
// the action and the "FINE SE" follow it), "F" a "Se attivo fai" with its "Fermo".
using Programma = std::vector<QString>;

void costruisci(Stato& s, const Programma& p)
{
    Griglia& g = s.griglia(1);
    for (const QString& voce : p) {
        if (voce.startsWith('S') && voce != "SE") {
            g.accoda(codici::ScriviRam, "Ram1 d'" + voce.mid(1) + "'");
            g.riga(g.numIstruzioni() - 1).etichetta = voce.mid(1);
        } else if (voce.startsWith('J')) {
            g.accoda(codici::VaiA, voce);  // the target row is written below
        } else if (voce == "SE") {
            g.accoda(codici::Se, "Ram1 = Ram2");
            g.accoda(codici::Avanti, {});
            g.accoda(codici::FineSe, {});
        } else if (voce == "F") {
            g.accoda(codici::SeAttivoFai, "Aux");
            g.accoda(codici::Fermo, {});
        }
    }
    for (int r = 0; r < g.numIstruzioni(); ++r) {
        const QString bersaglio = g.riga(r).parametro.mid(1);
        for (int t = 0; g.codice(r) == codici::VaiA && t < g.numIstruzioni(); ++t)
            if (g.riga(t).etichetta == bersaglio)
                g.riga(r).parametro = QString::number(t);
    }
}

QString assembly(const Stato& s) { return genera(s).sorgente.testo(); }

// Where every goto of the assembly lands: the first instruction after its label.
QStringList arrivi(const QString& testo)
{
    const QStringList righe = testo.split(QRegularExpression("\r?\n"));
    QHash<QString, QString> etichette;
    static const QRegularExpression definizione("^(Label[0-9_]+)\\s*(.*)$");
    for (int i = 0; i < righe.size(); ++i) {
        const auto m = definizione.match(righe[i]);
        if (!m.hasMatch())
            continue;
        QString istruzione = m.captured(2).trimmed();
        for (int j = i + 1; istruzione.isEmpty() && j < righe.size(); ++j)
            istruzione = righe[j].trimmed();
        etichette.insert(m.captured(1), istruzione);
    }
    QStringList arrivo;
    static const QRegularExpression salto("^\\s+goto (Label[0-9_]+)$");
    for (const QString& r : righe)
        if (const auto m = salto.match(r); m.hasMatch())
            arrivo << etichette.value(m.captured(1), "nessuna etichetta");
    arrivo.sort();
    return arrivo;
}

class Spostamento : public BancoEditor {};

const Programma Base = {"S1", "J4", "S2", "SE", "S3", "J1", "S4", "F", "J2", "S5"};
// Rows: 0 S1, 1 J4, 2 S2, 3 Se, 4 Avanti, 5 FINE SE, 6 S3, 7 J1, 8 S4, 9 Se attivo fai,
// 10 Fermo, 11 J2, 12 S5.

struct CasoSposta {
    std::vector<int> righe;
    int punto;
    Programma atteso;
};

TEST_F(Spostamento, IlProgrammaSpostatoEQuelloNelNuovoOrdine)
{
    const CasoSposta casi[] = {
        {{0}, 13, {"J4", "S2", "SE", "S3", "J1", "S4", "F", "J2", "S5", "S1"}},
        {{12}, 0, {"S5", "S1", "J4", "S2", "SE", "S3", "J1", "S4", "F", "J2"}},
        {{4}, 0, {"SE", "S1", "J4", "S2", "S3", "J1", "S4", "F", "J2", "S5"}},   // the action row takes its block
        {{5, 8}, 2, {"S1", "J4", "SE", "S4", "S2", "S3", "J1", "F", "J2", "S5"}},  // several rows keep their order
        {{10}, 3, {"S1", "J4", "S2", "F", "SE", "S3", "J1", "S4", "J2", "S5"}},
        {{1, 7, 11}, 13, {"S1", "S2", "SE", "S3", "S4", "F", "S5", "J4", "J1", "J2"}},
    };
    const QStringList arriviPrima = [&] {
        Stato s;
        costruisci(s, Base);
        return arrivi(assembly(s));
    }();
    EXPECT_EQ(arriviPrima, (QStringList{"movlw d'1'", "movlw d'2'", "movlw d'4'"}));
    for (const CasoSposta& c : casi) {
        Stato s;
        InterazioneFinta nessuno;
        Editor e(s, nessuno);
        costruisci(s, Base);
        EXPECT_TRUE(e.sposta(1, c.righe, c.punto)) << c.punto;
        Stato atteso;
        costruisci(atteso, c.atteso);
        EXPECT_EQ(assembly(s), assembly(atteso)) << c.punto;
        EXPECT_EQ(arrivi(assembly(s)), arriviPrima);
        e.annulla();
        Stato base;
        costruisci(base, Base);
        EXPECT_EQ(assembly(s), assembly(base));
    }
}

TEST_F(Spostamento, NullaTraUnaCondizioneELaSuaAzione)
{
    costruisci(stato, Base);
    for (int punto : {4, 5, 10})
        EXPECT_FALSE(editor.sposta(1, {0}, punto)) << punto;
    EXPECT_FALSE(editor.sposta(1, {}, 0));
    EXPECT_FALSE(editor.puoAnnullare());
}

TEST_F(Spostamento, InserireInUnPuntoSpostaISalti)
{
    struct Caso {
        int codice, punto;
        std::vector<int> attesi;  // codes of rows 0..6 afterwards
    };
    const Caso casi[] = {
        {codici::Avanti, 0, {1, 13, 9, 13, 15, 1, 16}},
        {codici::Avanti, 2, {13, 9, 1, 13, 15, 1, 16}},
        {codici::Avanti, 4, {13, 9, 13, 15, 1, 16, 1}},  // inside the "Se": after its block
        {codici::Se, 1, {13, 15, 1, 16, 9, 13, 15}},
    };
    for (const Caso& c : casi) {
        Stato s;
        InterazioneFinta ui;
        Editor e(s, ui);
        costruisci(s, {"S1", "J1", "S2", "SE"});
        if (c.codice == codici::Se)
            ui.esiti.push_back(esito("Ram3 = Ram4", "1"));
        e.inserisciIn(1, c.codice, c.punto);
        std::vector<int> attesi;
        for (int r = 0; r < 7; ++r)
            attesi.push_back(s.griglia(1).codice(r));
        EXPECT_EQ(attesi, c.attesi) << c.punto;
        EXPECT_EQ(arrivi(assembly(s)), QStringList{"movlw d'1'"}) << c.punto;
        EXPECT_EQ(e.storia().posizione(), 1);
    }
}

TEST_F(Spostamento, UnVaiAInseritoInUnPuntoSaltaDoveScelto)
{
    costruisci(stato, {"S1", "S2", "S3"});
    EsitoDialogo e;
    e.riga = 2;  // "S3", as the dialog lists the rows before the insertion
    ui.esiti.push_back(e);
    editor.inserisciIn(1, codici::VaiA, 0);
    EXPECT_EQ(stato.griglia(1).riga(0).parametro, "3");
    EXPECT_EQ(arrivi(assembly(stato)), QStringList{"movlw d'3'"});
}

struct CasoCancella {
    std::vector<int> righe;
    const char* domanda;
    Programma atteso;  // "J0" stands for a "Vai a" left without a target
};

TEST_F(Spostamento, CancellareSopraUnVaiANonLoSposta)
{
    const CasoCancella casi[] = {
        {{0}, "Si vuole cancellare l'istruzione selezionata?\r\n"
              "L'istruzione selezionata è la destinazione di un Vai a alla riga 7.",
         {"J4", "S2", "SE", "S3", "J0", "S4", "F", "J2", "S5"}},
        {{3}, "Si vuole cancellare l'istruzione selezionata?", {"S1", "J4", "S2", "S3", "J1", "S4", "F", "J2", "S5"}},
        {{6}, "Si vuole cancellare l'istruzione selezionata?", {"S1", "J4", "S2", "SE", "J1", "S4", "F", "J2", "S5"}},
        {{1, 4}, "Si vogliono cancellare le istruzioni selezionate?", {"S1", "S2", "S3", "J1", "S4", "F", "J2", "S5"}},
        {{2, 8}, "Si vogliono cancellare le istruzioni selezionate?\r\n"
                 "L'istruzione alla riga 2 è la destinazione di un Vai a alla riga 11.\r\n"
                 "L'istruzione alla riga 8 è la destinazione di un Vai a alla riga 1.",
         {"S1", "J0", "SE", "S3", "J1", "F", "J0", "S5"}},
        {{2, 11}, "Si vogliono cancellare le istruzioni selezionate?",
         {"S1", "J4", "SE", "S3", "J1", "S4", "F", "S5"}},
    };
    for (const CasoCancella& c : casi) {
        Stato s;
        InterazioneFinta ui;
        Editor e(s, ui);
        costruisci(s, Base);
        ui.risposte.push_back(Risposta::Si);
        if (c.righe.size() == 1) {
            s.griglia(1).seleziona(c.righe[0], ColCodice);
            e.cancella(1);
        } else {
            e.cancellaRighe(1, c.righe);
        }
        ASSERT_EQ(ui.messaggi.size(), 1u);
        EXPECT_EQ(ui.messaggi[0], (Messaggio{c.domanda, Icona::Informazione, "ATTENZIONE", Pulsanti::SiNo}));
        Stato atteso;
        costruisci(atteso, c.atteso);
        for (int r = 0; r < atteso.NumIstruzioni(1); ++r)
            if (atteso.griglia(1).riga(r).parametro == "J0")
                atteso.griglia(1).riga(r).parametro.clear();
        EXPECT_EQ(assembly(s), assembly(atteso)) << c.righe[0];
    }
}

TEST_F(Spostamento, UnaDomandaConNoNonCancellaNulla)
{
    costruisci(stato, Base);
    ui.risposte.push_back(Risposta::No);
    editor.cancellaRighe(1, {0, 2});
    EXPECT_EQ(stato.NumIstruzioni(1), 13);
    EXPECT_FALSE(editor.puoAnnullare());
}

TEST_F(Spostamento, CopiaEIncollaDiPiuRighe)
{
    costruisci(stato, {"S1", "SE", "F", "S2"});
    editor.copiaRighe(1, {0, 2, 5});  // "S1", the "Se" block, the "Se attivo fai" pair
    editor.incolla(2);
    EXPECT_EQ(codici(2), (std::vector<int>{13, 15, 1, 16, 27, 7}));
    EXPECT_EQ(stato.griglia(2).riga(0).parametro, "Ram1 d'1'");
    EXPECT_EQ(editor.storia().posizione(), 1);
    ui.risposte.push_back(Risposta::Si);
    editor.tagliaRighe(1, {4, 6});
    EXPECT_EQ(codici(1), (std::vector<int>{13, 15, 1, 16}));
    ui.messaggi.clear();
    riempi(3, 948);
    editor.incolla(3);  // three rows do not fit in the two that are free
    EXPECT_EQ(ui.messaggi, std::vector<Messaggio>{informazione("Non è possibile inserire più di 950 istruzioni.")});
    EXPECT_EQ(stato.NumIstruzioni(3), 948);
}

}  // namespace
}  // namespace kobaltino
