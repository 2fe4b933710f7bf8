#include "codegen/verifiche.h"

#include "codegen/emettitori.h"
#include "model/ingressi.h"
#include "model/catalogo.h"
#include "model/parametri.h"
#include "model/stato.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kobaltino {

namespace {

QString posizione(int k, int r)
{
    return nomeGriglia(k) + QStringLiteral(", riga %1: ").arg(r);
}

const QString RifareIlSalto = QStringLiteral(" Cancellare il \"Vai a\" e inserirlo di nuovo.");

void controllaSalti(const Stato& s, QStringList& errori)
{
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const Griglia& g = s.griglia(k);
        for (int r = 0; r < g.numIstruzioni(); ++r) {
            if (g.codice(r) != codici::VaiA)
                continue;
            const QString& parametro = g.riga(r).parametro;
            bool numero = false;
            const int bersaglio = parametro.toInt(&numero);
            if (!numero)
                errori << posizione(k, r) + QStringLiteral("il \"Vai a\" non indica la riga a cui saltare.") + RifareIlSalto;
            else if (bersaglio < 0 || bersaglio >= g.numIstruzioni() || g.codice(bersaglio) == 0)
                errori << posizione(k, r)
                              + QStringLiteral("il \"Vai a\" salta alla riga %1, che non esiste più.").arg(bersaglio)
                              + RifareIlSalto;
            else if (g.riga(bersaglio).etichetta.isEmpty())
                errori << posizione(k, r)
                              + QStringLiteral("il \"Vai a\" salta alla riga %1, che non ha più l'etichetta del salto.")
                                    .arg(bersaglio)
                              + RifareIlSalto;
        }
    }
}

// A character literal the file keeps but the assembler refuses: say which row and what to write.
void controllaCaratteri(const Stato& s, QStringList& errori)
{
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const Griglia& g = s.griglia(k);
        for (int r = 0; r < g.numIstruzioni(); ++r) {
            if (g.codice(r) != codici::ScriviRam && g.codice(r) != codici::ScriviEeprom)
                continue;
            const QString letterale = g.riga(r).parametro.section(u' ', 1);
            if (letterale.size() != 3 || !letterale.startsWith(u'\'') || !letterale.endsWith(u'\''))
                continue;
            if (const QString motivo = carattereNonAssemblabile(letterale[1]); !motivo.isEmpty())
                errori << posizione(k, r) + motivo;
        }
    }
}

// The main program is reached by the jump at reset, not by a call: a "Ritorna" there finds no
// return address on the stack and sends the robot wherever the stack happens to point.
void controllaRitorni(const Stato& s, QStringList& avvisi)
{
    const Griglia& g = s.griglia(1);
    for (int r = 0; r < g.numIstruzioni(); ++r)
        if (g.codice(r) == codici::Ritorna)
            avvisi << posizione(1, r)
                          + QStringLiteral("\"Ritorna\" nella griglia principale non ha un punto a cui tornare: il "
                                           "programma principale non è chiamato da nessuno. Il robot tornerebbe al "
                                           "punto sbagliato. \"Ritorna\" serve solo nelle griglie dei sensori.");
}

// What the calls of one row put on the stack: the handler it calls (0 for none) and, for a
// library subroutine, how many return addresses it needs at most.
struct Chiamata {
    int gestore = 0;
    int livelli = 0;
};

// Read from the lines the row really writes: a delay subroutine calls its loop (2 levels);
// motors and EEPROM subroutines call nothing more (1 level).
Chiamata chiamataDellaRiga(const Griglia& g, int k, int r, const Processore& processore)
{
    Chiamata c;
    for (const QString& riga : emetti(g, k, r, processore).righe) {
        const QString istruzione = riga.trimmed();
        if (!istruzione.startsWith(QLatin1String("call ")))
            continue;
        const QString destinazione = istruzione.mid(5).trimmed();
        for (const Ingresso& i : ingressi())
            if (destinazione == QLatin1String(i.gestore))
                c.gestore = i.griglia;
        if (c.gestore == 0)
            c.livelli = std::max(c.livelli, destinazione.startsWith(QLatin1String("DELAY")) ? 2 : 1);
    }
    return c;
}

struct Passo {
    int griglia;
    int riga;
};

// Depth-first walk of the handler calls, starting from the main program.
class AnalisiChiamate {
public:
    explicit AnalisiChiamate(const Stato& s) : s_(s) {}

    void esegui(QStringList& avvisi)
    {
        visita(1);
        avvisi << cicli_;
        const int livelli = profondita_[1];
        const std::vector<Passo>& catena = catene_[1];
        if (livelli <= LivelliStack || catena.empty())
            return;
        // The stack overflows at the call that pushes the ninth return address: the row
        // reached after eight handler calls, or the last row of a shorter chain.
        const Passo& qui = catena[std::min<size_t>(LivelliStack, catena.size() - 1)];
        QStringList passi;
        for (const Passo& p : catena)
            passi << nomeGriglia(p.griglia) + QStringLiteral(", riga %1").arg(p.riga);
        avvisi << posizione(qui.griglia, qui.riga)
                      + QStringLiteral("qui le chiamate una dentro l'altra arrivano a %1 livelli, ma il PIC ne "
                                       "ricorda solo %2 (%3). Il robot tornerebbe al punto sbagliato.")
                            .arg(livelli)
                            .arg(LivelliStack)
                            .arg(passi.join(QStringLiteral(" → ")));
    }

private:
    enum class Visita { Mai, InCorso, Finita };

    void visita(int k)
    {
        stato_[k] = Visita::InCorso;
        inCorso_.push_back(k);
        const Griglia& g = s_.griglia(k);
        for (int r = 0; r < g.numIstruzioni(); ++r) {
            const Chiamata c = chiamataDellaRiga(g, k, r, processore(s_.Processore));
            int livelli = c.livelli;
            std::vector<Passo> catena{{k, r}};
            if (c.gestore != 0) {
                livelli = 1;
                if (stato_[c.gestore] == Visita::InCorso) {
                    segnalaCiclo(k, r, c.gestore);
                } else {
                    if (stato_[c.gestore] == Visita::Mai)
                        visita(c.gestore);
                    livelli += profondita_[c.gestore];
                    catena.insert(catena.end(), catene_[c.gestore].begin(), catene_[c.gestore].end());
                }
            }
            if (livelli > profondita_[k]) {
                profondita_[k] = livelli;
                catene_[k] = std::move(catena);
            }
        }
        inCorso_.pop_back();
        stato_[k] = Visita::Finita;
    }

    void segnalaCiclo(int k, int r, int richiamato)
    {
        QStringList giro;
        bool dentro = false;
        for (int g : inCorso_) {
            dentro = dentro || g == richiamato;
            if (dentro)
                giro << nomeGriglia(g);
        }
        giro << nomeGriglia(richiamato);
        cicli_ << posizione(k, r)
                      + QStringLiteral("da qui si richiama %1, che è già in corso (%2). Le chiamate possono girare "
                                       "in tondo senza fine e il robot tornerebbe al punto sbagliato.")
                            .arg(nomeGriglia(richiamato), giro.join(QStringLiteral(" → ")));
    }

    const Stato& s_;
    std::array<Visita, NumeroGriglie + 1> stato_{};
    std::array<int, NumeroGriglie + 1> profondita_{};
    std::array<std::vector<Passo>, NumeroGriglie + 1> catene_;
    std::vector<int> inCorso_;
    QStringList cicli_;
};

}  // namespace

EsitoVerifiche verificaProgramma(const Stato& stato)
{
    EsitoVerifiche esito;
    controllaSalti(stato, esito.errori);
    controllaCaratteri(stato, esito.errori);
    AnalisiChiamate(stato).esegui(esito.avvisi);
    controllaRitorni(stato, esito.avvisi);
    return esito;
}

}  // namespace kobaltino
