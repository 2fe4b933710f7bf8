#include "valutazione/rapporti.h"

#include "sim/robot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kobaltino {

namespace {

constexpr int LarghezzaFiguraPx = 240;

QString decimali(double x, int cifre = 1)
{
    return QString::number(x, 'f', cifre).replace(QLatin1Char('.'), QLatin1Char(','));
}
QString siNo(bool b) { return b ? QStringLiteral("sì") : QStringLiteral("no"); }

// The columns every report shows, in order: the fixed ones, then two per goal.
QStringList intestazioni(const Sfida& s)
{
    QStringList t = {QStringLiteral("File"),      QStringLiteral("Compilato"), QStringLiteral("Errore"),
                     QStringLiteral("Superata"),  QStringLiteral("Punteggio"), QStringLiteral("Tempo (s)"),
                     QStringLiteral("Urti")};
    for (size_t i = 0; i < s.obiettivi.size(); ++i) {
        const QString nome = QStringLiteral("%1 %2").arg(i + 1).arg(s.obiettivi[i].tipo);
        t << nome << nome + QStringLiteral(" valore");
    }
    return t;
}

// One row's cells; `perFoglio` gives the goal values as bare numbers a spreadsheet can add up.
QStringList celle(const RisultatoProgramma& r, bool perFoglio)
{
    QStringList c = {r.file,
                     siNo(r.compilato),
                     r.errore,
                     siNo(r.superata),
                     decimali(r.punteggio),
                     decimali(r.tempoS, 3),
                     QString::number(r.urti)};
    for (const EsitoObiettivo& o : r.obiettivi) {
        c << siNo(o.superato);
        c << (perFoglio ? (o.valore ? decimali(*o.valore, 3) : QString()) : o.testo);
    }
    return c;
}

QString campoCsv(QString campo)
{
    if (!campo.contains(QLatin1Char(';')) && !campo.contains(QLatin1Char('"')) && !campo.contains(QLatin1Char('\n')))
        return campo;
    return QLatin1Char('"') + campo.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString n(double x) { return QString::number(x, 'f', 1); }  // SVG numbers take a point

QString polilinea(const std::vector<Punto>& punti)
{
    QStringList p;
    for (const Punto& q : punti)
        p << n(q.x) + QLatin1Char(',') + n(q.y);
    return p.join(QLatin1Char(' '));
}

// The arena seen from above with the challenge's zones, the robot's trail and where it ended.
QString figura(const Sfida& s, const RisultatoProgramma& r)
{
    const Arena& a = s.arena;
    const int altezzaPx = static_cast<int>(LarghezzaFiguraPx * a.altezza / a.larghezza);
    QString t = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %3 %4\">"
                               "<g transform=\"translate(0,%4) scale(1,-1)\">")
                    .arg(LarghezzaFiguraPx)
                    .arg(altezzaPx)
                    .arg(n(a.larghezza), n(a.altezza));
    t += QStringLiteral("<rect width=\"%1\" height=\"%2\" fill=\"#fafafa\" stroke=\"#333\" stroke-width=\"2\"/>")
             .arg(n(a.larghezza), n(a.altezza));
    for (const Obiettivo& o : s.obiettivi)
        if (o.zona)
            t += QStringLiteral("<rect class=\"zona\" x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>")
                     .arg(n(o.zona->x), n(o.zona->y), n(o.zona->larghezza), n(o.zona->altezza));
    for (const Linea& l : a.linee)
        t += QStringLiteral("<polyline points=\"%1\" fill=\"none\" stroke=\"#111\" stroke-width=\"%2\"/>")
                 .arg(polilinea(l.punti), n(l.larghezza));
    for (const Segmento& m : a.muri)
        t += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"#333\" stroke-width=\"2\"/>")
                 .arg(n(m.a.x), n(m.a.y), n(m.b.x), n(m.b.y));
    for (const Scatola& k : a.scatole)
        t += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#b08050\"/>")
                 .arg(n(k.x), n(k.y), n(k.larghezza), n(k.altezza));
    for (const Lampada& l : a.lampade)
        t += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4\" fill=\"#f5c400\" stroke=\"#806000\"/>")
                 .arg(n(l.posizione.x), n(l.posizione.y));
    if (!r.traccia.empty()) {
        t += QStringLiteral("<polyline class=\"traccia\" points=\"%1\"/>").arg(polilinea(r.traccia));
        t += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"#c62828\" stroke-width=\"1.5\"/>")
                 .arg(n(r.traccia.back().x), n(r.traccia.back().y), n(RaggioRobotCm));
    }
    return t + QStringLiteral("</g></svg>");
}

const char* const Stile =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.3em .5em;vertical-align:top;text-align:left}"
    "th{background:#eee}.si{color:#1b5e20;font-weight:bold}.no{color:#b71c1c;font-weight:bold}"
    ".errore{color:#b71c1c}.zona{fill:rgba(0,160,0,.2);stroke:#2e7d32;stroke-dasharray:4 2}"
    ".traccia{fill:none;stroke:#1565c0;stroke-width:1.5}";

QString esitoHtml(bool si, const QString& testo)
{
    return QStringLiteral("<span class=\"%1\">%2</span>").arg(si ? "si" : "no", testo.toHtmlEscaped());
}

}  // namespace

QString tabellaValutazione(const Valutazione& v)
{
    QString t = QStringLiteral("Sfida: %1 (%2)\n").arg(v.sfida.titolo, v.nome);
    int superate = 0;
    for (const RisultatoProgramma& r : v.programmi) {
        superate += r.superata ? 1 : 0;
        t += QStringLiteral("\n%1\n").arg(r.file);
        if (!r.compilato) {
            t += QStringLiteral("  non compilato: %1\n").arg(r.errore);
            continue;
        }
        t += QStringLiteral("  %1, punteggio %2, tempo %3 s, urti %4\n")
                 .arg(r.superata ? QStringLiteral("superata") : QStringLiteral("non superata"), decimali(r.punteggio),
                      decimali(r.tempoS), QString::number(r.urti));
        for (size_t i = 0; i < r.obiettivi.size(); ++i)
            t += QStringLiteral("  %1 %2: %3\n")
                     .arg(r.obiettivi[i].superato ? QStringLiteral("[sì]") : QStringLiteral("[no]"),
                          descriviObiettivo(v.sfida.obiettivi[i]), r.obiettivi[i].testo);
    }
    return t + QStringLiteral("\nSuperata da %1 programmi su %2.\n").arg(superate).arg(v.programmi.size());
}

QByteArray csvValutazione(const Valutazione& v)
{
    QString t = QChar(0xFEFF);
    QStringList righe = {intestazioni(v.sfida).join(QLatin1Char(';'))};
    for (const RisultatoProgramma& r : v.programmi) {
        QStringList c;
        for (const QString& campo : celle(r, true))
            c << campoCsv(campo);
        righe << c.join(QLatin1Char(';'));
    }
    return (t + righe.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray jsonValutazione(const Valutazione& v)
{
    QJsonArray programmi;
    for (const RisultatoProgramma& r : v.programmi) {
        QJsonArray obiettivi;
        for (const EsitoObiettivo& o : r.obiettivi)
            obiettivi.append(QJsonObject{{QStringLiteral("tipo"), o.tipo},
                                         {QStringLiteral("superato"), o.superato},
                                         {QStringLiteral("valore"), o.valore ? QJsonValue(*o.valore) : QJsonValue()}});
        programmi.append(QJsonObject{{QStringLiteral("file"), r.file},
                                     {QStringLiteral("compilato"), r.compilato},
                                     {QStringLiteral("errore"), r.compilato ? QJsonValue() : QJsonValue(r.errore)},
                                     {QStringLiteral("superata"), r.superata},
                                     {QStringLiteral("punteggio"), r.punteggio},
                                     {QStringLiteral("tempo_s"), r.tempoS},
                                     {QStringLiteral("urti"), r.urti},
                                     {QStringLiteral("obiettivi"), obiettivi}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("sfida"), v.nome}, {QStringLiteral("programmi"), programmi}})
        .toJson(QJsonDocument::Compact);
}

QByteArray htmlValutazione(const Valutazione& v)
{
    const Sfida& s = v.sfida;
    QString t = QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\"><head><meta charset=\"utf-8\"><title>%1</title>"
                               "<style>%2</style></head><body>\n")
                    .arg(s.titolo.toHtmlEscaped(), QLatin1String(Stile));
    t += QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n<ol>").arg(s.titolo.toHtmlEscaped(), s.testo.toHtmlEscaped());
    for (const Obiettivo& o : s.obiettivi)
        t += QStringLiteral("<li>%1</li>").arg(descriviObiettivo(o).toHtmlEscaped());
    int superate = 0;
    for (const RisultatoProgramma& r : v.programmi)
        superate += r.superata ? 1 : 0;
    t += QStringLiteral("</ol>\n<p>Sfida %1, tempo massimo %2 s, processore %3. Superata da %4 programmi su %5.</p>\n")
             .arg(v.nome.toHtmlEscaped(), decimali(s.tempoS, 0), s.processore)
             .arg(superate)
             .arg(v.programmi.size());
    t += QStringLiteral("<table>\n<tr>");
    const QStringList colonne = intestazioni(s);
    for (const QString& c : colonne.mid(0, 2) + colonne.mid(3, 4))
        t += QStringLiteral("<th>%1</th>").arg(c.toHtmlEscaped());
    for (const Obiettivo& o : s.obiettivi)
        t += QStringLiteral("<th>%1</th>").arg(descriviObiettivo(o).toHtmlEscaped());
    t += QStringLiteral("<th>Percorso</th></tr>\n");
    for (const RisultatoProgramma& r : v.programmi) {
        const QStringList c = celle(r, false);
        t += QStringLiteral("<tr><td>%1</td>").arg(r.file.toHtmlEscaped());
        t += r.compilato ? QStringLiteral("<td>sì</td>")
                         : QStringLiteral("<td class=\"errore\">no: %1</td>").arg(r.errore.toHtmlEscaped());
        t += QStringLiteral("<td>%1</td><td>%2</td><td>%3</td><td>%4</td>")
                 .arg(esitoHtml(r.superata, c[3]), c[4], c[5], c[6]);
        for (const EsitoObiettivo& o : r.obiettivi)
            t += QStringLiteral("<td>%1 %2</td>").arg(esitoHtml(o.superato, siNo(o.superato)), o.testo.toHtmlEscaped());
        t += QStringLiteral("<td>%1</td></tr>\n").arg(r.compilato ? figura(s, r) : QString());
    }
    t += QStringLiteral("</table>\n</body></html>\n");
    return t.toUtf8();
}

}  // namespace kobaltino
