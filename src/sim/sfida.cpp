#include "sim/sfida.h"

#include "sim/lettore_json.h"
#include "sim/sessione.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <limits>

namespace kobaltino {

namespace {

constexpr double TempoMassimoS = 3600;
constexpr int PrimaRam = 0x3c;  // Ram1; Ram n sits at 0x3b + n on every processor

// What a goal's check reads after a world step.
struct Rilievo {
    const Sessione& sessione;
    const Arena& arena;
    uint64_t passi, passiTotali;  // world steps seen so far, and in the whole time limit
    double percorsoCm;
};

enum class TipoParametro { Numero, Zona, Cella, Scelta };

struct Parametro {
    const char* chiave;
    TipoParametro tipo;
    double minimo = 0, massimo = 0;  // Numero
    bool obbligatorio = true;
    double predefinito = 0;
    bool intero = false;
    const char* scelte = nullptr;  // Scelta: the words allowed, separated by '|'
};

using Verifica = void (*)(const Obiettivo&, const Rilievo&, StatoObiettivo&, bool fine);
using Descrivi = QString (*)(const Obiettivo&);
using Valore = QString (*)(const Obiettivo&, double);

struct TipoObiettivo {
    const char* nome;
    std::vector<Parametro> parametri;
    Verifica verifica;
    Descrivi descrivi;
    Valore valore;
    bool serveLinea = false, serveLampada = false;
};

QString decimali(double x, int cifre = 1)
{
    return QString::number(x, 'f', cifre).replace(QLatin1Char('.'), QLatin1Char(','));
}
QString numero(double x) { return QString::number(x).replace(QLatin1Char('.'), QLatin1Char(',')); }

// A decision stays; the value goes on following the run, so the report shows the last one.
void decidi(StatoObiettivo& s, bool superato, std::optional<double> valore)
{
    if (s.decisione == Decisione::Aperto)
        s.decisione = superato ? Decisione::Superato : Decisione::Fallito;
    s.valore = valore;
}

double distanzaDallaLinea(const Arena& a, Punto p)
{
    double d = std::numeric_limits<double>::infinity();
    for (const Linea& l : a.linee)
        for (size_t i = 1; i < l.punti.size(); ++i)
            d = std::min(d, distanzaDalSegmento(p, {l.punti[i - 1], l.punti[i]}));
    return d;
}

double distanzaDallaLampada(const Arena& a, Punto p)
{
    double d = std::numeric_limits<double>::infinity();
    for (const Lampada& l : a.lampade)
        d = std::min(d, lunghezza(l.posizione - p));
    return d;
}

bool motoriFermi(const Sessione& s) { return motoRuote(s.chip().pin(Porta::A)) == MotoRuote{}; }

// "Ram3" -> the value of the cell now.
int valoreCella(const Sessione& s, const QString& cella)
{
    const bool ram = cella.startsWith(QLatin1String("Ram"));
    const int n = cella.mid(3).toInt();  // "Ram" and "EEP" are both three letters
    return ram ? s.chip().registro(PrimaRam + n - 1).value_or(0) : s.chip().eeprom(n - 1);
}

// The checks, called after every world step until the run is over. Each one decides its goal
// as soon as the run shows how it ends; with `fine` the run is over and the goal is decided on
// the state now.

void verificaRaggiungi(const Obiettivo& o, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    if (s.decisione != Decisione::Aperto)
        return;  // the moment it got there stays
    const double t = r.sessione.secondi();
    const auto entro = o.numeri.find(QStringLiteral("entro_s"));
    const bool inTempo = entro == o.numeri.end() || t <= entro->second;
    if (inTempo && o.zona->contiene(r.sessione.robot().posizione))
        decidi(s, true, t);
    else if (!inTempo || fine)
        decidi(s, false, std::nullopt);
}

void verificaUrti(const Obiettivo& o, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    const int urti = r.sessione.robot().urti;
    s.valore = urti;
    if (urti > o.numero(QStringLiteral("massimo")) || fine)
        decidi(s, urti <= o.numero(QStringLiteral("massimo")), urti);
}

void verificaSeguiLinea(const Obiettivo& o, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    const bool sopra =
        distanzaDallaLinea(r.arena, r.sessione.robot().posizione) <= o.numero(QStringLiteral("distanza_cm"));
    if (sopra)
        s.conteggio += 1;
    // At the end of a run that stopped early the robot stays where it is for the time left.
    if (fine && sopra && r.passiTotali > r.passi)
        s.conteggio += static_cast<double>(r.passiTotali - r.passi);
    const double totale = static_cast<double>(std::max<uint64_t>(r.passiTotali, 1));
    const double bisogna = o.numero(QStringLiteral("percentuale")) / 100 * totale;
    const double restanti = r.passiTotali > r.passi && !fine ? static_cast<double>(r.passiTotali - r.passi) : 0;
    s.valore = 100 * s.conteggio / totale;
    if (s.conteggio >= bisogna || fine || s.conteggio + restanti < bisogna)
        decidi(s, s.conteggio >= bisogna, s.valore);
}

// The goals decided on the state at the end: until then the value follows the run.
void allaFine(StatoObiettivo& s, bool fine, double valore, bool superato)
{
    s.valore = valore;
    if (fine)
        decidi(s, superato, valore);
}

void verificaLuce(const Obiettivo& o, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    const double d = distanzaDallaLampada(r.arena, r.sessione.robot().posizione);
    allaFine(s, fine, d, d <= o.numero(QStringLiteral("distanza_cm")));
}

void verificaMemoria(const Obiettivo& o, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    const int v = valoreCella(r.sessione, o.testi.at(QStringLiteral("cella")));
    allaFine(s, fine, v, v == o.numero(QStringLiteral("valore")));
}

void verificaBraccio(const Obiettivo& o, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    const bool aperto = r.sessione.robot().braccioAperto;
    allaFine(s, fine, aperto ? 1 : 0, aperto == (o.testi.at(QStringLiteral("stato")) == QLatin1String("aperto")));
}

void verificaFermo(const Obiettivo&, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    allaFine(s, fine, motoriFermi(r.sessione) ? 1 : 0, motoriFermi(r.sessione));
}

void verificaDistanza(const Obiettivo& o, const Rilievo& r, StatoObiettivo& s, bool fine)
{
    s.valore = r.percorsoCm;
    if (r.percorsoCm >= o.numero(QStringLiteral("minimo_cm")) || fine)
        decidi(s, r.percorsoCm >= o.numero(QStringLiteral("minimo_cm")), r.percorsoCm);
}

const std::array<TipoObiettivo, 8>& tipi()
{
    using T = TipoParametro;
    static const std::array<TipoObiettivo, 8> tabella = {{
        {"raggiungi",
         {{"zona", T::Zona}, {"entro_s", T::Numero, 0, TempoMassimoS, false}},
         verificaRaggiungi,
         [](const Obiettivo& o) {
             const auto entro = o.numeri.find(QStringLiteral("entro_s"));
             return entro == o.numeri.end() ? QStringLiteral("Raggiungere la zona")
                                            : QStringLiteral("Raggiungere la zona entro %1 s").arg(numero(entro->second));
         },
         [](const Obiettivo&, double v) { return QStringLiteral("raggiunta a %1 s").arg(decimali(v)); }},
        {"urti",
         {{"massimo", T::Numero, 0, 10000, false, 0, true}},
         verificaUrti,
         [](const Obiettivo& o) {
             return QStringLiteral("Al massimo %1 urti").arg(o.numero(QStringLiteral("massimo")));
         },
         [](const Obiettivo&, double v) { return v == 1 ? QStringLiteral("1 urto") : QStringLiteral("%1 urti").arg(v); }},
        {"segui_linea",
         {{"distanza_cm", T::Numero, 0.5, 100, false, 3}, {"percentuale", T::Numero, 1, 100}},
         verificaSeguiLinea,
         [](const Obiettivo& o) {
             return QStringLiteral("Seguire la linea (entro %1 cm) per almeno il %2 % del tempo")
                 .arg(numero(o.numero(QStringLiteral("distanza_cm"))), numero(o.numero(QStringLiteral("percentuale"))));
         },
         [](const Obiettivo&, double v) { return QStringLiteral("%1 %").arg(decimali(v)); },
         true},
        {"luce",
         {{"distanza_cm", T::Numero, 1, 1000}},
         verificaLuce,
         [](const Obiettivo& o) {
             return QStringLiteral("Finire a non più di %1 cm dalla lampada")
                 .arg(numero(o.numero(QStringLiteral("distanza_cm"))));
         },
         [](const Obiettivo&, double v) { return QStringLiteral("%1 cm").arg(decimali(v)); },
         false, true},
        {"memoria",
         {{"cella", T::Cella}, {"valore", T::Numero, 0, 255, true, 0, true}},
         verificaMemoria,
         [](const Obiettivo& o) {
             return QStringLiteral("Alla fine %1 vale %2")
                 .arg(o.testi.at(QStringLiteral("cella")))
                 .arg(o.numero(QStringLiteral("valore")));
         },
         [](const Obiettivo&, double v) { return QString::number(v); }},
        {"braccio",
         {{"stato", T::Scelta, 0, 0, true, 0, false, "aperto|chiuso"}},
         verificaBraccio,
         [](const Obiettivo& o) { return QStringLiteral("Alla fine il braccio è %1").arg(o.testi.at(QStringLiteral("stato"))); },
         [](const Obiettivo&, double v) { return v != 0 ? QStringLiteral("aperto") : QStringLiteral("chiuso"); }},
        {"fermo",
         {},
         verificaFermo,
         [](const Obiettivo&) { return QStringLiteral("Alla fine i motori sono fermi"); },
         [](const Obiettivo&, double v) { return v != 0 ? QStringLiteral("fermo") : QStringLiteral("in moto"); }},
        {"distanza",
         {{"minimo_cm", T::Numero, 1, 1'000'000}},
         verificaDistanza,
         [](const Obiettivo& o) {
             return QStringLiteral("Percorrere almeno %1 cm").arg(numero(o.numero(QStringLiteral("minimo_cm"))));
         },
         [](const Obiettivo&, double v) { return QStringLiteral("%1 cm").arg(decimali(v)); }},
    }};
    return tabella;
}

const TipoObiettivo* tipoDi(const QString& nome)
{
    for (const TipoObiettivo& t : tipi())
        if (nome == QLatin1String(t.nome))
            return &t;
    return nullptr;
}

std::optional<Zona> leggiZona(Lettore& l, const QJsonValue& v, const QString& dove, const Arena& a)
{
    const QJsonObject o = l.oggetto(v, dove);
    l.soloChiavi(o, {"x", "y", "larghezza", "altezza"}, dove);
    Zona z;
    z.x = l.numero(o, "x", dove, 0, a.larghezza);
    z.y = l.numero(o, "y", dove, 0, a.altezza);
    z.larghezza = l.numero(o, "larghezza", dove, 1, a.larghezza);
    z.altezza = l.numero(o, "altezza", dove, 1, a.altezza);
    if (l.ok() && (z.x + z.larghezza > a.larghezza || z.y + z.altezza > a.altezza))
        l.sbaglia(dove + QStringLiteral(" esce dall'arena."));
    return z;
}

bool cellaValida(const QString& c)
{
    static const QRegularExpression forma(QStringLiteral("^(Ram|EEP)([1-9]|1[0-9]|20)$"));
    return forma.match(c).hasMatch();
}

Obiettivo leggiObiettivo(Lettore& l, const QJsonValue& v, int numeroObiettivo, const Arena& a)
{
    Obiettivo o;
    QString dove = QStringLiteral("obiettivo %1").arg(numeroObiettivo);
    const QJsonObject oggetto = l.oggetto(v, dove);
    if (!l.ok())
        return o;
    const QJsonValue tipo = oggetto.value(QLatin1String("tipo"));
    o.tipo = tipo.toString();
    const TipoObiettivo* t = tipoDi(o.tipo);
    if (!t) {
        l.sbaglia(tipo.isUndefined() ? dove + QStringLiteral(": manca \"tipo\".")
                                     : QStringLiteral("%1: \"tipo\" deve essere uno tra %2.")
                                           .arg(dove, nomiObiettivi().join(QStringLiteral(", "))));
        return o;
    }
    dove += QStringLiteral(" (%1)").arg(o.tipo);
    QStringList chiavi = {QStringLiteral("tipo"), QStringLiteral("peso")};
    for (const Parametro& p : t->parametri)
        chiavi << QString::fromLatin1(p.chiave);
    for (const QString& k : oggetto.keys())
        if (!chiavi.contains(k))
            l.sbaglia(QStringLiteral("%1: chiave sconosciuta \"%2\".").arg(dove, k));
    o.peso = l.numero(oggetto, "peso", dove, 0.01, 1000, 1.0);
    for (const Parametro& p : t->parametri) {
        if (!l.ok())
            break;
        const QString chiave = QString::fromLatin1(p.chiave);
        const QJsonValue valore = oggetto.value(chiave);
        const QString nome = QStringLiteral("%1: \"%2\"").arg(dove, chiave);
        if (valore.isUndefined() && p.tipo != TipoParametro::Numero) {
            l.sbaglia(QStringLiteral("%1: manca \"%2\".").arg(dove, chiave));
            break;
        }
        switch (p.tipo) {
        case TipoParametro::Numero:
            if (valore.isUndefined() && !p.obbligatorio) {
                if (p.predefinito != 0 || p.intero)
                    o.numeri[chiave] = p.predefinito;
                break;
            }
            o.numeri[chiave] = l.numero(oggetto, p.chiave, dove, p.minimo, p.massimo);
            if (l.ok() && p.intero && o.numeri[chiave] != std::floor(o.numeri[chiave]))
                l.sbaglia(QStringLiteral("%1 deve essere un numero intero.").arg(nome));
            break;
        case TipoParametro::Zona:
            o.zona = leggiZona(l, valore, nome, a);
            break;
        case TipoParametro::Cella:
            o.testi[chiave] = valore.toString();
            if (!cellaValida(valore.toString()))
                l.sbaglia(QStringLiteral("%1 deve essere una cella da Ram1 a Ram20 o da EEP1 a EEP20.").arg(nome));
            break;
        case TipoParametro::Scelta: {
            const QStringList scelte = QString::fromLatin1(p.scelte).split(QLatin1Char('|'));
            o.testi[chiave] = valore.toString();
            if (!scelte.contains(valore.toString()))
                l.sbaglia(QStringLiteral("%1 deve essere \"%2\".").arg(nome, scelte.join(QStringLiteral("\" o \""))));
            break;
        }
        }
    }
    if (l.ok() && t->serveLinea && a.linee.empty())
        l.sbaglia(dove + QStringLiteral(": l'arena non ha linee da seguire."));
    if (l.ok() && t->serveLampada && a.lampade.empty())
        l.sbaglia(dove + QStringLiteral(": l'arena non ha lampade."));
    return o;
}

QString testo(Lettore& l, const QJsonObject& o, const char* chiave, bool obbligatorio)
{
    const QJsonValue v = o.value(QLatin1String(chiave));
    if (v.isUndefined() && !obbligatorio)
        return {};
    if (!v.isString() || (obbligatorio && v.toString().trimmed().isEmpty()))
        l.sbaglia(v.isUndefined() ? QStringLiteral("manca \"%1\".").arg(QLatin1String(chiave))
                                  : QStringLiteral("\"%1\" deve essere un testo.").arg(QLatin1String(chiave)));
    return v.toString();
}

void leggiArenaDellaSfida(Lettore& l, const QJsonValue& v, Sfida& s)
{
    if (v.isString()) {
        s.nomeArena = v.toString();
        const std::optional<Arena> a = arenaPredefinita(s.nomeArena);
        if (!a)
            l.sbaglia(QStringLiteral("\"arena\" deve essere una tra %1 o un'arena scritta { ... }.")
                          .arg(nomiArenePredefinite().join(QStringLiteral(", "))));
        s.arena = a.value_or(Arena{});
        return;
    }
    if (!v.isObject()) {
        l.sbaglia(v.isUndefined() ? QStringLiteral("manca \"arena\".")
                                  : QStringLiteral("\"arena\" deve essere un nome o un'arena scritta { ... }."));
        return;
    }
    QString motivo;
    const std::optional<Arena> a = leggiArena(QJsonDocument(v.toObject()).toJson(), &motivo);
    if (!a)
        l.sbaglia(QStringLiteral("\"arena\": ") + motivo);
    s.arena = a.value_or(Arena{});
}

QJsonObject comeJson(const Zona& z)
{
    return {{QStringLiteral("x"), z.x},
            {QStringLiteral("y"), z.y},
            {QStringLiteral("larghezza"), z.larghezza},
            {QStringLiteral("altezza"), z.altezza}};
}

struct Predefinita {
    const char* nome;
    const char* risorsa;
};

const std::array<Predefinita, 4> Predefinite = {{
    {"vuota", ":/sfide/vuota.sfida"},
    {"pista", ":/sfide/pista.sfida"},
    {"labirinto", ":/sfide/labirinto.sfida"},
    {"lampada", ":/sfide/lampada.sfida"},
}};

}  // namespace

double Obiettivo::numero(const QString& chiave, double altrimenti) const
{
    const auto i = numeri.find(chiave);
    return i == numeri.end() ? altrimenti : i->second;
}

QStringList nomiObiettivi()
{
    QStringList nomi;
    for (const TipoObiettivo& t : tipi())
        nomi << QString::fromLatin1(t.nome);
    return nomi;
}

QString descriviObiettivo(const Obiettivo& o)
{
    const TipoObiettivo* t = tipoDi(o.tipo);
    return t ? t->descrivi(o) : o.tipo;
}

QString testoValore(const Obiettivo& o, const StatoObiettivo& s)
{
    const TipoObiettivo* t = tipoDi(o.tipo);
    if (!t || !s.valore)
        return QStringLiteral("-");
    return t->valore(o, *s.valore);
}

std::optional<Sfida> leggiSfida(const QByteArray& json, QString* errore)
{
    const auto sbaglia = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return std::nullopt;
    };
    QJsonParseError analisi;
    const QJsonDocument documento = QJsonDocument::fromJson(json, &analisi);
    if (analisi.error != QJsonParseError::NoError)
        return sbaglia(QStringLiteral("il testo non è JSON valido (riga %1).")
                           .arg(1 + json.left(analisi.offset).count('\n')));
    if (!documento.isObject())
        return sbaglia(QStringLiteral("il testo deve essere un oggetto JSON { ... }."));
    const QJsonObject radice = documento.object();
    Lettore l;
    Sfida s;
    l.soloChiavi(radice, {"titolo", "testo", "arena", "processore", "tempo_s", "obiettivi"}, {});
    s.titolo = testo(l, radice, "titolo", true);
    s.testo = testo(l, radice, "testo", false);
    if (l.ok())
        leggiArenaDellaSfida(l, radice.value(QLatin1String("arena")), s);
    if (l.ok() && radice.contains(QLatin1String("processore"))) {
        s.processore = radice.value(QLatin1String("processore")).toString();
        if (!QStringList{QStringLiteral("16F84"), QStringLiteral("16F84A"), QStringLiteral("16F628")}.contains(s.processore))
            l.sbaglia(QStringLiteral("\"processore\" deve essere 16F84, 16F84A o 16F628."));
    }
    if (l.ok())
        s.tempoS = l.numero(radice, "tempo_s", {}, 1, TempoMassimoS, 60.0);
    const QJsonArray obiettivi = l.ok() ? l.elenco(radice, "obiettivi") : QJsonArray();
    if (l.ok() && obiettivi.isEmpty())
        l.sbaglia(QStringLiteral("\"obiettivi\" deve elencare almeno un obiettivo."));
    for (qsizetype i = 0; i < obiettivi.size() && l.ok(); ++i)
        s.obiettivi.push_back(leggiObiettivo(l, obiettivi[i], static_cast<int>(i + 1), s.arena));
    if (!l.ok())
        return sbaglia(l.errore);
    return s;
}

QByteArray scriviSfida(const Sfida& s)
{
    QJsonObject radice;
    radice[QStringLiteral("titolo")] = s.titolo;
    if (!s.testo.isEmpty())
        radice[QStringLiteral("testo")] = s.testo;
    radice[QStringLiteral("arena")] = s.nomeArena.isEmpty()
                                          ? QJsonValue(QJsonDocument::fromJson(scriviArena(s.arena)).object())
                                          : QJsonValue(s.nomeArena);
    radice[QStringLiteral("processore")] = s.processore;
    radice[QStringLiteral("tempo_s")] = s.tempoS;
    QJsonArray obiettivi;
    for (const Obiettivo& o : s.obiettivi) {
        QJsonObject voce{{QStringLiteral("tipo"), o.tipo}};
        if (o.peso != 1)
            voce[QStringLiteral("peso")] = o.peso;
        for (const auto& [k, v] : o.numeri)
            voce[k] = v;
        for (const auto& [k, v] : o.testi)
            voce[k] = v;
        if (o.zona)
            voce[QStringLiteral("zona")] = comeJson(*o.zona);
        obiettivi.append(voce);
    }
    radice[QStringLiteral("obiettivi")] = obiettivi;
    return QJsonDocument(radice).toJson(QJsonDocument::Indented);
}

QStringList nomiSfidePredefinite()
{
    QStringList nomi;
    for (const Predefinita& p : Predefinite)
        nomi << QString::fromLatin1(p.nome);
    return nomi;
}

std::optional<Sfida> caricaSfida(const QString& nome, QString* errore)
{
    const auto sbaglia = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return std::nullopt;
    };
    QString percorso = nome;
    for (const Predefinita& p : Predefinite)
        if (nome == QLatin1String(p.nome))
            percorso = QString::fromLatin1(p.risorsa);
    if (!QFileInfo(percorso).isFile())
        return sbaglia(QStringLiteral("Sfida sconosciuta: %1 (%2 o il nome di un file .sfida)")
                           .arg(nome, nomiSfidePredefinite().join(QStringLiteral(", "))));
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return sbaglia(QStringLiteral("Impossibile leggere il file della sfida %1").arg(nome));
    QString motivo;
    std::optional<Sfida> s = leggiSfida(f.read(16 * 1024 * 1024), &motivo);
    if (!s)
        return sbaglia(QStringLiteral("Il file della sfida %1 non va bene: %2").arg(nome, motivo));
    return s;
}

Arbitro::Arbitro(const Sfida& sfida) : sfida_(sfida), stati_(sfida.obiettivi.size()) {}

void Arbitro::osserva(const Sessione& s)
{
    if (finita_)
        return;
    ++passi_;
    const Punto p = s.robot().posizione;
    if (ultimaPosizione_)
        percorso_ += lunghezza(p - *ultimaPosizione_);
    ultimaPosizione_ = p;
    // A run that ended by itself (asleep, or in the closing loop, with the robot still) cannot
    // change any more.
    decidi(s, s.secondi() >= sfida_.tempoS || s.finita());
}

void Arbitro::concludi(const Sessione& s)
{
    if (!finita_)
        decidi(s, true);
}

void Arbitro::decidi(const Sessione& s, bool fine)
{
    const Rilievo r{s, sfida_.arena, passi_, static_cast<uint64_t>(std::llround(sfida_.tempoS * 1000)), percorso_};
    bool tutti = true;
    for (size_t i = 0; i < stati_.size(); ++i) {
        tipoDi(sfida_.obiettivi[i].tipo)->verifica(sfida_.obiettivi[i], r, stati_[i], fine);
        tutti = tutti && stati_[i].decisione != Decisione::Aperto;
    }
    finita_ = tutti || fine;
}

bool Arbitro::superata() const
{
    for (const StatoObiettivo& s : stati_)
        if (s.decisione != Decisione::Superato)
            return false;
    return true;
}

double Arbitro::punteggio() const
{
    double fatti = 0, tutti = 0;
    for (size_t i = 0; i < stati_.size(); ++i) {
        tutti += sfida_.obiettivi[i].peso;
        if (stati_[i].decisione == Decisione::Superato)
            fatti += sfida_.obiettivi[i].peso;
    }
    return tutti > 0 ? 100 * fatti / tutti : 0;
}

void giocaSfida(Sessione& sessione, Arbitro& arbitro)
{
    while (!arbitro.finita()) {
        if (sessione.finita()) {
            arbitro.concludi(sessione);
            return;
        }
        // To the next world step, then a look.
        sessione.esegui((sessione.cicli() / CicliPerPassoMondo + 1) * CicliPerPassoMondo);
        arbitro.osserva(sessione);
    }
}

}  // namespace kobaltino
