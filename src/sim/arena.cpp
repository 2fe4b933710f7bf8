#include "sim/arena.h"

#include "sim/lettore_json.h"
#include "sim/robot.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>

namespace kobaltino {

namespace {

constexpr double LatoMinimo = 30, LatoMassimo = 5000;  // a shoe box up to a gym
// A teacher's maze of a few hundred boxes fits with room to spare; past these a file is refused
// before the world grows too slow to run.
constexpr qsizetype ElementiMassimi = Lettore::ElementiMassimi;  // per list: walls, boxes, lines; points of a line
constexpr qsizetype LampadeMassime = 50;              // every light sensor looks at each one
constexpr qsizetype PuntiMassimi = 10000;             // of all the lines together
constexpr qsizetype ByteMassimi = 2 * 1024 * 1024;

bool dentro(Punto p, const Arena& a) { return p.x >= 0 && p.y >= 0 && p.x <= a.larghezza && p.y <= a.altezza; }

void leggiMuri(Lettore& l, const QJsonObject& radice, Arena& a)
{
    const QJsonArray muri = l.elenco(radice, "muri");
    for (qsizetype i = 0; i < muri.size() && l.ok(); ++i) {
        const QString dove = QStringLiteral("muro %1").arg(i + 1);
        const QJsonObject o = l.oggetto(muri[i], dove);
        l.soloChiavi(o, {"da", "a"}, dove);
        const Segmento s{l.punto(o.value(QLatin1String("da")), dove + QStringLiteral(": \"da\"")),
                         l.punto(o.value(QLatin1String("a")), dove + QStringLiteral(": \"a\""))};
        if (l.ok() && (!dentro(s.a, a) || !dentro(s.b, a)))
            l.sbaglia(dove + QStringLiteral(" esce dall'arena."));
        a.muri.push_back(s);
    }
}

void leggiScatole(Lettore& l, const QJsonObject& radice, Arena& a)
{
    const QJsonArray scatole = l.elenco(radice, "scatole");
    for (qsizetype i = 0; i < scatole.size() && l.ok(); ++i) {
        const QString dove = QStringLiteral("scatola %1").arg(i + 1);
        const QJsonObject o = l.oggetto(scatole[i], dove);
        l.soloChiavi(o, {"x", "y", "larghezza", "altezza"}, dove);
        Scatola s;
        s.x = l.numero(o, "x", dove, 0, a.larghezza);
        s.y = l.numero(o, "y", dove, 0, a.altezza);
        s.larghezza = l.numero(o, "larghezza", dove, 1, a.larghezza);
        s.altezza = l.numero(o, "altezza", dove, 1, a.altezza);
        if (l.ok() && (s.x + s.larghezza > a.larghezza || s.y + s.altezza > a.altezza))
            l.sbaglia(dove + QStringLiteral(" esce dall'arena."));
        a.scatole.push_back(s);
    }
}

void leggiLampade(Lettore& l, const QJsonObject& radice, Arena& a)
{
    const QJsonArray lampade = l.elenco(radice, "lampade", LampadeMassime);
    for (qsizetype i = 0; i < lampade.size() && l.ok(); ++i) {
        const QString dove = QStringLiteral("lampada %1").arg(i + 1);
        const QJsonObject o = l.oggetto(lampade[i], dove);
        l.soloChiavi(o, {"x", "y"}, dove);
        a.lampade.push_back({{l.numero(o, "x", dove, 0, a.larghezza), l.numero(o, "y", dove, 0, a.altezza)}});
    }
}

void leggiLinee(Lettore& l, const QJsonObject& radice, Arena& a)
{
    const QJsonArray linee = l.elenco(radice, "linee");
    qsizetype puntiInTutto = 0;
    for (qsizetype i = 0; i < linee.size() && l.ok(); ++i) {
        const QString dove = QStringLiteral("linea %1").arg(i + 1);
        const QJsonObject o = l.oggetto(linee[i], dove);
        l.soloChiavi(o, {"larghezza", "punti"}, dove);
        Linea linea;
        linea.larghezza = l.numero(o, "larghezza", dove, 0.5, 50);
        const QJsonValue punti = o.value(QLatin1String("punti"));
        const QJsonArray elenco = punti.toArray();
        if (l.ok() && (!punti.isArray() || elenco.size() < 2))
            l.sbaglia(dove + QStringLiteral(": \"punti\" deve essere un elenco di almeno due punti [x, y]."));
        if (l.ok() && elenco.size() > ElementiMassimi)
            l.sbaglia(dove + QStringLiteral(": \"punti\" ha troppi elementi (al massimo %1).").arg(ElementiMassimi));
        puntiInTutto += elenco.size();
        if (l.ok() && puntiInTutto > PuntiMassimi)
            l.sbaglia(QStringLiteral("le linee hanno troppi punti (al massimo %1 in tutto).").arg(PuntiMassimi));
        for (qsizetype j = 0; j < elenco.size() && l.ok(); ++j) {
            const QString nome = QStringLiteral("%1: punto %2").arg(dove).arg(j + 1);
            const Punto p = l.punto(elenco[j], nome);
            if (l.ok() && !dentro(p, a))
                l.sbaglia(nome + QStringLiteral(" è fuori dall'arena."));
            linea.punti.push_back(p);
        }
        a.linee.push_back(linea);
    }
}

void leggiPartenza(Lettore& l, const QJsonObject& radice, Arena& a)
{
    const QJsonValue v = radice.value(QLatin1String("partenza"));
    if (v.isUndefined()) {
        l.sbaglia(QStringLiteral("manca \"partenza\"."));
        return;
    }
    const QJsonObject o = l.oggetto(v, QStringLiteral("\"partenza\""));
    l.soloChiavi(o, {"x", "y", "direzione"}, QStringLiteral("partenza"));
    a.partenza.posizione.x = l.numero(o, "x", QStringLiteral("partenza"), 0, a.larghezza);
    a.partenza.posizione.y = l.numero(o, "y", QStringLiteral("partenza"), 0, a.altezza);
    a.partenza.direzioneGradi = l.numero(o, "direzione", QStringLiteral("partenza"), -360, 360, 0.0);
}

// The line of character `posizione` of `testo`, counted from 1.
int rigaDi(const QByteArray& testo, int posizione)
{
    return 1 + static_cast<int>(testo.left(posizione).count('\n'));
}

QJsonArray comeCoppia(Punto p) { return {p.x, p.y}; }

struct Predefinita {
    const char* nome;
    const char* risorsa;
};

const std::array<Predefinita, 4> Predefinite = {{
    {"vuota", ":/arene/vuota.json"},
    {"pista", ":/arene/pista.json"},
    {"labirinto", ":/arene/labirinto.json"},
    {"lampada", ":/arene/lampada.json"},
}};

}  // namespace

std::vector<Segmento> Arena::pareti() const
{
    std::vector<Segmento> s = muri;
    const Punto a{0, 0}, b{larghezza, 0}, c{larghezza, altezza}, d{0, altezza};
    s.insert(s.end(), {{a, b}, {b, c}, {c, d}, {d, a}});
    return s;
}

std::vector<Segmento> Arena::ostacoli() const
{
    std::vector<Segmento> s = pareti();
    for (const Scatola& k : scatole) {
        const Punto p{k.x, k.y}, q{k.x + k.larghezza, k.y}, r{k.x + k.larghezza, k.y + k.altezza},
            t{k.x, k.y + k.altezza};
        s.insert(s.end(), {{p, q}, {q, r}, {r, t}, {t, p}});
    }
    return s;
}

bool Arena::suLinea(Punto p) const
{
    for (const Linea& l : linee)
        for (size_t i = 1; i < l.punti.size(); ++i)
            if (distanzaDalSegmento(p, {l.punti[i - 1], l.punti[i]}) <= l.larghezza / 2)
                return true;
    return false;
}

std::optional<Arena> leggiArena(const QByteArray& json, QString* errore)
{
    if (json.size() > ByteMassimi) {
        if (errore)
            *errore = QStringLiteral("il file è troppo grande (al massimo %1 MB).").arg(ByteMassimi / (1024 * 1024));
        return std::nullopt;
    }
    QJsonParseError analisi;
    const QJsonDocument documento = QJsonDocument::fromJson(json, &analisi);
    if (analisi.error != QJsonParseError::NoError) {
        if (errore)
            *errore = QStringLiteral("il testo non è JSON valido (riga %1).").arg(rigaDi(json, analisi.offset));
        return std::nullopt;
    }
    if (!documento.isObject()) {
        if (errore)
            *errore = QStringLiteral("il testo deve essere un oggetto JSON { ... }.");
        return std::nullopt;
    }
    const QJsonObject radice = documento.object();
    Lettore l;
    Arena a;
    l.soloChiavi(radice, {"nome", "larghezza", "altezza", "partenza", "muri", "scatole", "lampade", "linee"}, {});
    a.nome = radice.value(QLatin1String("nome")).toString();
    a.larghezza = l.numero(radice, "larghezza", {}, LatoMinimo, LatoMassimo);
    a.altezza = l.numero(radice, "altezza", {}, LatoMinimo, LatoMassimo);
    if (l.ok())
        leggiPartenza(l, radice, a);
    if (l.ok())
        leggiMuri(l, radice, a);
    if (l.ok())
        leggiScatole(l, radice, a);
    if (l.ok())
        leggiLampade(l, radice, a);
    if (l.ok())
        leggiLinee(l, radice, a);
    if (l.ok()) {
        const Punto p = a.partenza.posizione;
        bool libera = true;
        for (const Segmento& s : a.ostacoli())
            libera = libera && distanzaDalSegmento(p, s) > RaggioRobotCm;
        for (const Scatola& k : a.scatole)
            libera = libera && !(p.x > k.x && p.x < k.x + k.larghezza && p.y > k.y && p.y < k.y + k.altezza);
        if (!libera)
            l.sbaglia(QStringLiteral("il robot non ci sta nel punto di partenza: tocca un muro o una scatola."));
    }
    if (!l.ok()) {
        if (errore)
            *errore = l.errore;
        return std::nullopt;
    }
    return a;
}

QByteArray scriviArena(const Arena& a)
{
    QJsonObject radice;
    if (!a.nome.isEmpty())
        radice[QStringLiteral("nome")] = a.nome;
    radice[QStringLiteral("larghezza")] = a.larghezza;
    radice[QStringLiteral("altezza")] = a.altezza;
    radice[QStringLiteral("partenza")] = QJsonObject{{QStringLiteral("x"), a.partenza.posizione.x},
                                                     {QStringLiteral("y"), a.partenza.posizione.y},
                                                     {QStringLiteral("direzione"), a.partenza.direzioneGradi}};
    QJsonArray muri, scatole, lampade, linee;
    for (const Segmento& s : a.muri)
        muri.append(QJsonObject{{QStringLiteral("da"), comeCoppia(s.a)}, {QStringLiteral("a"), comeCoppia(s.b)}});
    for (const Scatola& k : a.scatole)
        scatole.append(QJsonObject{{QStringLiteral("x"), k.x},
                                   {QStringLiteral("y"), k.y},
                                   {QStringLiteral("larghezza"), k.larghezza},
                                   {QStringLiteral("altezza"), k.altezza}});
    for (const Lampada& l : a.lampade)
        lampade.append(QJsonObject{{QStringLiteral("x"), l.posizione.x}, {QStringLiteral("y"), l.posizione.y}});
    for (const Linea& l : a.linee) {
        QJsonArray punti;
        for (Punto p : l.punti)
            punti.append(comeCoppia(p));
        linee.append(QJsonObject{{QStringLiteral("larghezza"), l.larghezza}, {QStringLiteral("punti"), punti}});
    }
    radice[QStringLiteral("muri")] = muri;
    radice[QStringLiteral("scatole")] = scatole;
    radice[QStringLiteral("lampade")] = lampade;
    radice[QStringLiteral("linee")] = linee;
    return QJsonDocument(radice).toJson(QJsonDocument::Indented);
}

QStringList nomiArenePredefinite()
{
    QStringList nomi;
    for (const Predefinita& p : Predefinite)
        nomi << QString::fromLatin1(p.nome);
    return nomi;
}

std::optional<Arena> arenaPredefinita(const QString& nome)
{
    for (const Predefinita& p : Predefinite) {
        if (nome != QLatin1String(p.nome))
            continue;
        QFile f(QString::fromLatin1(p.risorsa));
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        return leggiArena(f.readAll(), nullptr);
    }
    return std::nullopt;
}

std::optional<Arena> caricaArena(const QString& nome, bool* senzaMondo, QString* errore)
{
    if (senzaMondo)
        *senzaMondo = nome == NessunaArena;
    if (nome == NessunaArena)
        return std::nullopt;
    if (nomiArenePredefinite().contains(nome))
        return arenaPredefinita(nome);
    const auto sbaglia = [&](const QString& testo) {
        if (errore)
            *errore = testo;
        return std::nullopt;
    };
    QFile f(nome);
    if (!QFileInfo(nome).isFile())
        return sbaglia(QStringLiteral("Arena sconosciuta: %1 (%2, %3 o il nome di un file di arena)")
                           .arg(nome, nomiArenePredefinite().join(QStringLiteral(", ")), NessunaArena));
    if (!f.open(QIODevice::ReadOnly))
        return sbaglia(QStringLiteral("Impossibile leggere il file dell'arena %1").arg(nome));
    QString motivo;
    // One byte past the limit is enough to tell a file too large, whatever size it claims.
    std::optional<Arena> arena = leggiArena(f.read(ByteMassimi + 1), &motivo);
    if (!arena)
        return sbaglia(QStringLiteral("Il file dell'arena %1 non va bene: %2").arg(nome, motivo));
    return arena;
}

}  // namespace kobaltino
