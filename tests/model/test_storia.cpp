// Undo and redo: a random run of edits comes back byte for byte; Modificato follows the history.
#include "banco_editor.h"

#include "persist/file_programma.h"

#include <functional>
#include <map>
#include <random>

namespace kobaltino {
namespace {

// A user who says yes to everything and fills every dialog with values drawn from `caso`.
class UtenteDisponibile : public Interazione {
public:
    explicit UtenteDisponibile(std::mt19937& caso) : caso_(caso) {}
    Risposta mostra(const Messaggio& m) override { return m.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::Si; }
    std::optional<EsitoDialogo> apriDialogo(Dialogo d, int k, const Stato& s) override
    {
        if (d == Dialogo::VaiA && s.NumIstruzioni(k) == 0)
            return std::nullopt;
        const int cella = numero(1, 20);
        return EsitoDialogo{.parametro = QStringLiteral("Ram%1").arg(cella),
                            .azione = QString::number(numero(1, 7)),
                            .riga = d == Dialogo::VaiA ? numero(0, s.NumIstruzioni(k) - 1) : -1,
                            .cella = cella,
                            .marca = QStringLiteral("d'%1'").arg(numero(0, 255))};
    }
    QString scegliFile(const RichiestaFile&) override { return {}; }

    int numero(int da, int a) { return std::uniform_int_distribution<int>(da, a)(caso_); }

private:
    std::mt19937& caso_;
};

class Storico : public ::testing::Test {
protected:
    std::mt19937 caso{14};
    Stato stato;
    UtenteDisponibile utente{caso};
    Editor editor{stato, utente};

    // One edit of every kind the editor offers, chosen at random.
    void modificaACaso()
    {
        const int k = utente.numero(1, 2);
        const int n = stato.NumIstruzioni(k);
        const auto riga = [&] { return utente.numero(0, std::max(n - 1, 0)); };
        static const int Codici[] = {1, 8, 9, 13, 15, 17, 19, 21, 27};
        const int codice = Codici[utente.numero(0, static_cast<int>(std::size(Codici)) - 1)];
        const int scelta = utente.numero(0, 9);
        if (scelta < 2) {
            editor.inserisci(k, codice);
        } else if (scelta < 4) {
            editor.inserisciIn(k, codice, utente.numero(0, n));
        } else if (scelta == 4) {
            stato.griglia(k).seleziona(riga(), ColCodice);
            editor.cancella(k);
        } else if (scelta == 5) {
            editor.cancellaRighe(k, {riga(), riga()});
        } else if (scelta == 6) {
            editor.copiaRighe(k, {riga(), riga()});
            editor.incolla(3 - k);
        } else if (scelta == 7) {
            editor.tagliaRighe(k, {riga()});
        } else if (scelta == 8) {
            editor.sposta(k, {riga(), riga()}, utente.numero(0, n));
        } else if (utente.numero(0, 3) == 0) {
            editor.cancellaGriglie({k == 1, k == 2});
        } else if (n > 0) {  // a parameter edit from outside the editor, as one step
            const Editor::Passo passo(editor);
            stato.griglia(k).riga(riga()).parametro = QStringLiteral("Ram%1").arg(utente.numero(1, 20));
        }
    }
};

TEST_F(Storico, AnnullaERipetiRiportanoOgniStatoByteAByte)
{
    std::vector<QByteArray> stati{testoProgramma(stato)};
    for (int i = 0; i < 300; ++i) {
        const int passi = editor.storia().posizione();
        modificaACaso();
        if (editor.storia().posizione() != passi) {
            ASSERT_EQ(editor.storia().posizione(), passi + 1);
            stati.push_back(testoProgramma(stato));
        }
    }
    ASSERT_GT(stati.size(), 150u);  // the run did change the program
    ASSERT_LE(stati.size(), static_cast<size_t>(Storia::PassiMassimi));
    const QByteArray modificato = stati.back();
    for (size_t i = stati.size() - 1; i > 0; --i) {
        ASSERT_TRUE(editor.puoAnnullare());
        editor.annulla();
        ASSERT_EQ(testoProgramma(stato), stati[i - 1]) << i;
    }
    EXPECT_FALSE(editor.puoAnnullare());
    EXPECT_EQ(testoProgramma(stato), testoProgramma(Stato{}));
    for (size_t i = 1; i < stati.size(); ++i) {
        editor.ripeti();
        ASSERT_EQ(testoProgramma(stato), stati[i]) << i;
    }
    EXPECT_FALSE(editor.puoRipetere());
    EXPECT_EQ(testoProgramma(stato), modificato);
}

// Modificato and grid 1 after each action; "salva" is what a successful save does to the state.
TEST_F(Storico, ModificatoSegueLaStoria)
{
    const struct {
        const char* azione;
        bool modificato;
        const char* griglia1;
        int griglia = -1;  // what "annulla" and "ripeti" return
    } casi[] = {
        {"avanti", true, "1"},       {"salva", false, "1"},        {"fermo", true, "1 | 7"},
        {"annulla", false, "1", 1},  {"annulla", true, "", 1},     {"ripeti", false, "1", 1},
        {"ripeti", true, "1 | 7", 1}, {"cancella", true, "1"},     {"annulla", true, "1 | 7", 1},
        {"annulla", false, "1", 1},  {"sleep", true, "1 | 12"},    {"ripeti", true, "1 | 12", 0},
        {"annulla", false, "1", 1},  {"tutto", false, ""},         {"annulla", false, "1", 1},
        {"ripeti", false, "", 1},    {"annulla", false, "1", 1},   {"avanti", true, "1 | 1"},
        {"annulla", false, "1", 1},  {"se", true, "1"},            {"annulla", false, "1", 2},
        // Loading a file replaces the program outside the history: the history starts again.
        {"carica", false, "7"},      {"annulla", false, "7", 0},   {"avanti", true, "7 | 1"},
        {"annulla", false, "7", 1},  {"annulla", false, "7", 0},
    };
    const std::map<QString, std::function<int()>> azioni = {
        {"avanti", [&] { editor.inserisci(1, codici::Avanti); return -1; }},
        {"fermo", [&] { editor.inserisci(1, codici::Fermo); return -1; }},
        {"sleep", [&] { editor.inserisci(1, codici::Sleep); return -1; }},
        {"se", [&] { editor.inserisci(2, codici::Se); return -1; }},  // three rows, one step
        {"salva", [&] { stato.Modificato = false; return -1; }},
        {"annulla", [&] { return editor.annulla(); }},
        {"ripeti", [&] { return editor.ripeti(); }},
        {"cancella", [&] { stato.griglia(1).seleziona(1, ColCodice); editor.cancella(1); return -1; }},
        {"tutto", [&] { editor.cancellaTutto(); return -1; }},  // nothing left to save, as the menu has it
        {"carica", [&] {
             stato.InserimentoAutomatico = true;
             editor.cancellaTutto();
             editor.inserisci(1, codici::Fermo);
             stato.InserimentoAutomatico = stato.Modificato = false;
             return -1;
         }},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(&c - casi) + " " + c.azione);
        EXPECT_EQ(azioni.at(c.azione)(), c.griglia);
        EXPECT_EQ(stato.Modificato, c.modificato);
        EXPECT_EQ(testoGriglia(stato, 1), c.griglia1);
    }
}

}  // namespace
}  // namespace kobaltino
