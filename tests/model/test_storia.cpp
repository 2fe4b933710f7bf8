// Undo and redo: a random run of edits comes back byte for byte; Modificato follows the history.
#include "banco_editor.h"

#include "persist/file_programma.h"

#include <random>

namespace kobaltino {
namespace {

// A user who says yes to everything and fills every dialog with values drawn from `caso`.
class UtenteDisponibile : public Interazione {
public:
    explicit UtenteDisponibile(std::mt19937& caso) : caso_(caso) {}
    Risposta mostra(const Messaggio& m) override
    {
        return m.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::Si;
    }
    std::optional<EsitoDialogo> apriDialogo(Dialogo d, int k, const Stato& s) override
    {
        EsitoDialogo e;
        const int cella = numero(1, 20);
        switch (d) {
        case Dialogo::VaiA:
            if (s.NumIstruzioni(k) == 0)
                return std::nullopt;
            e.riga = numero(0, s.NumIstruzioni(k) - 1);
            break;
        case Dialogo::Attendi:
            e.parametro = "1,5";
            break;
        case Dialogo::ScriviRam:
        case Dialogo::ScriviEeprom:
            e.marca = QStringLiteral("d'%1'").arg(numero(0, 255));
            e.parametro = (d == Dialogo::ScriviRam ? "Ram" : "EEP") + QString::number(cella) + ' ' + e.marca;
            e.cella = cella;
            break;
        case Dialogo::Se:
            e.parametro = "Ram1 = Ram2";
            e.azione = QString::number(numero(1, 7));
            break;
        case Dialogo::SeAttivoFai:
            e.parametro = "Aux";
            e.azione = "Sleep";
            break;
        default:
            e.parametro = "Ram" + QString::number(cella);
            break;
        }
        return e;
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
        switch (utente.numero(0, 9)) {
        case 0:
        case 1:
            editor.inserisci(k, codice);
            break;
        case 2:
        case 3:
            editor.inserisciIn(k, codice, utente.numero(0, n));
            break;
        case 4:
            stato.griglia(k).seleziona(riga(), ColCodice);
            editor.cancella(k);
            break;
        case 5:
            editor.cancellaRighe(k, {riga(), riga()});
            break;
        case 6:
            editor.copiaRighe(k, {riga(), riga()});
            editor.incolla(3 - k);
            break;
        case 7:
            editor.tagliaRighe(k, {riga()});
            break;
        case 8:
            editor.sposta(k, {riga(), riga()}, utente.numero(0, n));
            break;
        case 9:
            if (utente.numero(0, 3) == 0) {
                editor.cancellaGriglie({k == 1, k == 2});
            } else if (n > 0) {  // a parameter edit from outside the editor, as one step
                const Editor::Passo passo(editor);
                stato.griglia(k).riga(riga()).parametro = QStringLiteral("Ram%1").arg(utente.numero(1, 20));
            }
            break;
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

TEST_F(Storico, UnaModificaDopoLAnnullamentoCancellaIRipristini)
{
    editor.inserisci(1, codici::Avanti);
    editor.inserisci(1, codici::Fermo);
    editor.annulla();
    EXPECT_TRUE(editor.puoRipetere());
    editor.inserisci(1, codici::Sleep);
    EXPECT_FALSE(editor.puoRipetere());
    editor.annulla();
    editor.annulla();
    EXPECT_EQ(stato.NumIstruzioni(1), 0);
    EXPECT_EQ(editor.ripeti(), 1);
    EXPECT_EQ(editor.ripeti(), 1);
    EXPECT_EQ(stato.griglia(1).codice(1), codici::Sleep);
}

TEST_F(Storico, UnSeEUnPassoSolo)
{
    editor.inserisci(2, codici::Se);
    EXPECT_EQ(stato.NumIstruzioni(2), 3);
    EXPECT_EQ(editor.storia().posizione(), 1);
    EXPECT_EQ(editor.annulla(), 2);
    EXPECT_EQ(stato.NumIstruzioni(2), 0);
}

// Modificato after each action: "salva" is what a successful save does to the state.
TEST_F(Storico, ModificatoSegueLaStoria)
{
    struct Caso {
        const char* azione;
        bool modificato;
    };
    const Caso casi[] = {{"avanti", true}, {"salva", false}, {"fermo", true}, {"annulla", false},
                         {"annulla", true}, {"ripeti", false}, {"ripeti", true}, {"cancella", true},
                         {"annulla", true}, {"annulla", false}, {"tutto", false}, {"annulla", false},
                         {"ripeti", false}, {"annulla", false}, {"avanti", true}, {"annulla", false}};
    for (const Caso& c : casi) {
        const QString a = c.azione;
        if (a == "avanti")
            editor.inserisci(1, codici::Avanti);
        else if (a == "fermo")
            editor.inserisci(1, codici::Fermo);
        else if (a == "salva")
            stato.Modificato = false;
        else if (a == "annulla")
            editor.annulla();
        else if (a == "ripeti")
            editor.ripeti();
        else if (a == "cancella")
            editor.cancella(1);
        else if (a == "tutto")
            editor.cancellaTutto();  // nothing left to save, as the menu command has it
        EXPECT_EQ(stato.Modificato, c.modificato) << &c - casi << " " << c.azione;
    }
}

// Loading a file replaces the program outside the history: the history starts again.
TEST_F(Storico, UnProgrammaCaricatoRicominciaLaStoria)
{
    editor.inserisci(1, codici::Avanti);
    stato.InserimentoAutomatico = true;
    editor.cancellaTutto();
    editor.inserisci(1, codici::Fermo);
    stato.InserimentoAutomatico = false;
    stato.Modificato = false;
    EXPECT_FALSE(editor.puoAnnullare());
    editor.inserisci(1, codici::Avanti);
    editor.annulla();
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
    EXPECT_FALSE(stato.Modificato);
    EXPECT_FALSE(editor.puoAnnullare());
}

TEST_F(Storico, NuovoRicominciaLaStoria)
{
    editor.inserisci(1, codici::Avanti);
    stato.Modificato = false;
    editor.nuovo();
    EXPECT_FALSE(editor.puoAnnullare());
    EXPECT_FALSE(editor.puoRipetere());
}

}  // namespace
}  // namespace kobaltino
