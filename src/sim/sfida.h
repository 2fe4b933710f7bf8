#pragma once

// A challenge: an arena, a time limit and goals the run must meet, kept in a small JSON file
// (".sfida"). Each goal is one kind from a table of (name, parameters, check); the referee
// reads the session after every world step and decides each goal as soon as it can.
#include "sim/arena.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace kobaltino {

class Sessione;

// A rectangle of the floor, lower left corner and size, in centimetres.
struct Zona {
    double x = 0, y = 0, larghezza = 0, altezza = 0;
    bool contiene(Punto p) const { return p.x >= x && p.x <= x + larghezza && p.y >= y && p.y <= y + altezza; }
    bool operator==(const Zona&) const = default;
};

struct Obiettivo {
    QString tipo;  // one of nomiObiettivi()
    double peso = 1;
    // The parameters the kind takes, by their key in the file.
    std::map<QString, double> numeri;
    std::map<QString, QString> testi;
    std::optional<Zona> zona;

    double numero(const QString& chiave, double altrimenti = 0) const;
    bool operator==(const Obiettivo&) const = default;
};

struct Sfida {
    QString titolo;
    QString testo;      // what the students read
    QString nomeArena;  // a built-in name, or empty when the arena is written inside the file
    Arena arena;
    QString processore = QStringLiteral("16F84");
    double tempoS = 60;
    std::vector<Obiettivo> obiettivi;

    bool operator==(const Sfida&) const = default;
};

// Reads a challenge file. On failure nullopt and an Italian message naming the field.
std::optional<Sfida> leggiSfida(const QByteArray& json, QString* errore);
// The file text of `sfida`, which leggiSfida() reads back unchanged.
QByteArray scriviSfida(const Sfida& sfida);

// The built-in challenges, one per built-in arena.
QStringList nomiSfidePredefinite();  // "vuota", "pista", "labirinto", "lampada"
// `nome` is a built-in challenge or a file; nullopt and the message in *errore otherwise.
std::optional<Sfida> caricaSfida(const QString& nome, QString* errore);

// The goal kinds, in the order the help lists them.
QStringList nomiObiettivi();
// "Raggiungere la zona entro 40 s": the goal in words, for the window and the report.
QString descriviObiettivo(const Obiettivo& obiettivo);

enum class Decisione { Aperto, Superato, Fallito };

struct StatoObiettivo {
    Decisione decisione = Decisione::Aperto;
    std::optional<double> valore;  // what was measured: seconds, bumps, %, cm, a cell's value...
    double conteggio = 0;          // the kind's own running count (steps on the line)
};

// The measured value in words: "12,3 s", "2 urti", "85,0 %", "aperto"; "-" when none.
QString testoValore(const Obiettivo& obiettivo, const StatoObiettivo& stato);

// Watches one run against a challenge. osserva() after every world step; once every goal is
// decided, or the time is up, or the run ended by itself (Sessione::finita()), the run is over
// and every goal still open is decided on the final state.
class Arbitro {
public:
    explicit Arbitro(const Sfida& sfida);

    void osserva(const Sessione& sessione);
    // Ends the run here (time up): decides every open goal on the state now.
    void concludi(const Sessione& sessione);
    bool finita() const { return finita_; }

    const Sfida& sfida() const { return sfida_; }
    const std::vector<StatoObiettivo>& stati() const { return stati_; }
    bool superata() const;  // every goal met
    double punteggio() const;  // met goals' weight out of all, 0..100
    double percorsoCm() const { return percorso_; }

private:
    void decidi(const Sessione& sessione, bool fine);

    Sfida sfida_;
    std::vector<StatoObiettivo> stati_;
    bool finita_ = false;
    uint64_t passi_ = 0;
    double percorso_ = 0;
    std::optional<Punto> ultimaPosizione_;
};

// Runs `sessione` from where it is until the challenge is over.
void giocaSfida(Sessione& sessione, Arbitro& arbitro);

}  // namespace kobaltino
