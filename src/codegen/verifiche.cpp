#include "codegen/verifiche.h"

#include "codegen/emettitori.h"
#include "codegen/ingressi.h"
#include "model/catalogo.h"
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

// The generated texts are the 16F84's. On the 16F628 "Scrivi Eeprom" and "Sposta Eeprom" miss
// the EEPROM registers (bank 1 there, and the write-done flag is not in EECON1: the write waits
// forever), and the configuration word leaves low-voltage programming on, which takes RB4, the
// right light sensor's pin, away from the inputs.
QString problemaSul16F628(const Griglia& g, int r)
{
    const QString AltroProcessore = QStringLiteral(" Per usare la EEPROM scegliere il 16F84 o il 16F84A.");
    switch (g.codice(r)) {
    case codici::ScriviEeprom:
        return QStringLiteral("\"Scrivi Eeprom\" non funziona sul 16F628: il robot si bloccherebbe qui.") + AltroProcessore;
    case codici::SpostaEeprom:
        return QStringLiteral("\"Sposta Eeprom\" non funziona sul 16F628: leggerebbe un valore sbagliato.") + AltroProcessore;
    case codici::SeAttivoVaiA:
    case codici::SeDisattivoVaiA:
    case codici::SeAttivoFai:
    case codici::SeDisattivoFai:
        if (g.riga(r).parametro == QLatin1String("Luce_destra"))
            return QStringLiteral("sul 16F628 il sensore Luce destra (RB4) non si può leggere: quel piedino resta "
                                  "riservato alla programmazione. Scegliere il 16F84 o il 16F84A, o un altro sensore.");
        return {};
    default:
        return {};
    }
}

void controllaSul16F628(const Stato& s, QStringList& avvisi)
{
    if (s.Processore != QLatin1String("16F628"))
        return;
    for (int k = 1; k <= NumeroGriglie; ++k)
        for (int r = 0; r < s.griglia(k).numIstruzioni(); ++r)
            if (const QString problema = problemaSul16F628(s.griglia(k), r); !problema.isEmpty())
                avvisi << posizione(k, r) + problema;
}

// What the calls of one row put on the stack: the handler it calls (0 for none) and, for a
// library subroutine, how many return addresses it needs at most.
struct Chiamata {
    int gestore = 0;
    int livelli = 0;
};

// Read from the lines the row really writes: a delay subroutine calls its loop (2 levels);
// motors and EEPROM subroutines call nothing more (1 level).
Chiamata chiamataDellaRiga(const Griglia& g, int k, int r)
{
    Chiamata c;
    for (const QString& riga : emetti(g, k, r).righe) {
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
            const Chiamata c = chiamataDellaRiga(g, k, r);
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
    AnalisiChiamate(stato).esegui(esito.avvisi);
    controllaSul16F628(stato, esito.avvisi);
    return esito;
}

}  // namespace kobaltino
