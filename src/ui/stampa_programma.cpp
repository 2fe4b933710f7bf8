// The printout of a program: header, one table per non-empty grid, page numbers. The same
// drawing goes to the printer, the print preview and the PDF file.
#include "ui/stampa_programma.h"

#include "model/catalogo.h"
#include "model/parole_parametro.h"
#include "ui/icone.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

namespace kobaltino {

namespace {

// Sizes in millimetres.
constexpr double Margine = 15;
constexpr double AltezzaIntestazione = 21;
constexpr double LineaDaCompilare[] = {70, 25};  // the blank name and class, to write by hand
constexpr double AltezzaPiede = 10;
constexpr double AltezzaRigaTabella = 9;
constexpr double AltezzaTitoloGriglia = 11;
constexpr double LarghezzaIcona = 30;  // the icon keeps the grid's 121 × 34 proportions

struct Colonna {
    const char* titolo;
    double larghezza;  // share of the page width
};
const Colonna Colonne[] = {
    {"Riga", 0.07}, {"Icona", 0.18}, {"Istruzione", 0.24}, {"Parametro", 0.41}, {"Etichetta", 0.10},
};

// One line of the printout: a grid's title, a table header or an instruction row.
struct Voce {
    enum Tipo { Titolo, Testata, Istruzione } tipo;
    int k;
    int riga = -1;
};

double altezza(const Voce& v)
{
    return v.tipo == Voce::Titolo ? AltezzaTitoloGriglia : AltezzaRigaTabella;
}

class Pagina {
public:
    Pagina(QPainter& p, const QPagedPaintDevice& d) : p_(p), dpi_(d.logicalDpiY())
    {
        larghezza_ = d.width();
        altezza_ = d.height();
    }

    int mm(double millimetri) const { return qRound(millimetri * dpi_ / 25.4); }
    int sinistra() const { return mm(Margine); }
    int destra() const { return larghezza_ - mm(Margine); }
    int alto() const { return mm(Margine) + mm(AltezzaIntestazione); }
    int basso() const { return altezza_ - mm(Margine) - mm(AltezzaPiede); }
    int largo() const { return destra() - sinistra(); }

    void carattere(double punti, bool grassetto = false)
    {
        QFont f = p_.font();
        f.setPointSizeF(punti);
        f.setBold(grassetto);
        p_.setFont(f);
    }

    // Two lines: the program and its processor; the student's name, class and the date.
    void intestazione(const IntestazioneStampa& i)
    {
        const QRect zona(sinistra(), mm(Margine), largo(), mm(AltezzaIntestazione) - mm(3));
        const QRect prima(zona.left(), zona.top(), zona.width(), zona.height() / 2);
        const QRect seconda(zona.left(), prima.bottom(), zona.width(), zona.bottom() - prima.bottom());
        carattere(12, true);
        p_.drawText(prima, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Programma: ") + i.programma);
        carattere(10);
        p_.drawText(prima, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Processore: ") + i.processore);

        // Name and class written, or a line to fill in.
        int x = seconda.left();
        const std::pair<QString, QString> campi[] = {{QStringLiteral("Nome: "), i.nome},
                                                     {QStringLiteral("Classe: "), i.classe}};
        for (size_t n = 0; n < std::size(campi); ++n) {
            const auto& [etichetta, valore] = campi[n];
            p_.drawText(QRect(x, seconda.top(), seconda.right() - x, seconda.height()), Qt::AlignLeft | Qt::AlignVCenter,
                        etichetta + valore);
            const int dopo = x + p_.fontMetrics().horizontalAdvance(etichetta);
            const int fine = std::max(dopo + mm(LineaDaCompilare[n]), x + p_.fontMetrics().horizontalAdvance(etichetta + valore));
            if (valore.isEmpty()) {
                const int base = seconda.center().y() + p_.fontMetrics().ascent() / 2;
                p_.drawLine(dopo, base, fine, base);
            }
            x = fine + mm(6);
        }
        p_.drawText(seconda, Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Data: ") + i.data.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
        p_.drawLine(sinistra(), zona.bottom() + mm(1), destra(), zona.bottom() + mm(1));
    }

    void piede(int numero, int totale)
    {
        carattere(9);
        const QRect zona(sinistra(), basso() + mm(2), largo(), mm(AltezzaPiede) - mm(2));
        p_.drawText(zona, Qt::AlignCenter, QStringLiteral("Pagina %1 di %2").arg(numero).arg(totale));
    }

    void disegnaVoce(const Stato& s, const Voce& v, int y)
    {
        const int h = mm(altezza(v));
        if (v.tipo == Voce::Titolo) {
            carattere(12, true);
            p_.drawText(QRect(sinistra(), y, largo(), h), Qt::AlignLeft | Qt::AlignBottom,
                        QStringLiteral("Griglia: ") + nomeGriglia(v.k));
            return;
        }
        std::vector<QString> testi;
        const Griglia& g = s.griglia(v.k);
        if (v.tipo == Voce::Testata) {
            carattere(8, true);
            for (const Colonna& c : Colonne)
                testi.push_back(QString::fromLatin1(c.titolo));
            p_.fillRect(QRect(sinistra(), y, largo(), h), QColor(225, 225, 225));
        } else {
            carattere(8.5);
            const VoceCatalogo* istruzione = voce(g.codice(v.riga));
            testi = {QString::number(v.riga), QString(), istruzione ? QString::fromUtf8(istruzione->nome) : g.riga(v.riga).codice,
                     paroleRiga(g, v.riga).breve, g.riga(v.riga).etichetta};
        }
        int x = sinistra();
        for (size_t i = 0; i < std::size(Colonne); ++i) {
            const int w = qRound(largo() * Colonne[i].larghezza);
            const QRect cella(x, y, w, h);
            p_.drawRect(cella);
            if (v.tipo == Voce::Istruzione && i == 1) {
                const QSize icona(mm(LarghezzaIcona), h - mm(1.5));
                const QRect zona(QPoint(cella.left() + (w - icona.width()) / 2, cella.top() + mm(0.75)), icona);
                // Drawn at screen size and scaled, so the strokes keep their weight on paper.
                p_.drawPixmap(zona, iconaIstruzione(g.codice(v.riga), 121, 34, 3.0));
            } else {
                const QRect testo = cella.adjusted(mm(1.5), 0, -mm(1.5), 0);
                p_.drawText(testo, Qt::AlignVCenter | (i == 0 || i == 4 ? Qt::AlignHCenter : Qt::AlignLeft),
                            p_.fontMetrics().elidedText(testi[i], Qt::ElideRight, testo.width()));
            }
            x += w;
        }
    }

private:
    QPainter& p_;
    int dpi_;
    int larghezza_, altezza_;
};

// The lines of the printout, grid after grid; empty grids are left out.
std::vector<Voce> voci(const Stato& s)
{
    std::vector<Voce> elenco;
    for (int k = 1; k <= NumeroGriglie; ++k) {
        if (s.NumIstruzioni(k) == 0)
            continue;
        elenco.push_back({Voce::Titolo, k});
        elenco.push_back({Voce::Testata, k});
        for (int r = 0; r < s.NumIstruzioni(k); ++r)
            elenco.push_back({Voce::Istruzione, k, r});
    }
    return elenco;
}

// Splits the lines into pages: a grid's title never ends a page, and a page that goes on
// with a grid repeats its table header.
std::vector<std::vector<Voce>> impagina(const std::vector<Voce>& elenco, const Pagina& pagina)
{
    std::vector<std::vector<Voce>> pagine(1);
    int y = pagina.alto();
    for (size_t i = 0; i < elenco.size(); ++i) {
        const Voce& v = elenco[i];
        int serve = pagina.mm(altezza(v));
        if (v.tipo == Voce::Titolo)
            serve += pagina.mm(2 * AltezzaRigaTabella);  // the title, its header and one row together
        if (y + serve > pagina.basso() && !pagine.back().empty()) {
            pagine.emplace_back();
            y = pagina.alto();
            if (v.tipo == Voce::Istruzione) {
                pagine.back().push_back({Voce::Testata, v.k});
                y += pagina.mm(AltezzaRigaTabella);
            }
        }
        pagine.back().push_back(v);
        y += pagina.mm(altezza(v));
    }
    return pagine;
}

}  // namespace

IntestazioneStampa intestazioneDi(const Stato& stato, const QDateTime& data)
{
    const QString nome = QFileInfo(stato.PercorsoFile).completeBaseName();
    return {nome.isEmpty() ? QStringLiteral("Senza nome") : nome, stato.Processore, data};
}

int disegnaProgramma(const Stato& stato, QPagedPaintDevice& dispositivo, const IntestazioneStampa& intestazione)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return 0;
    Pagina pagina(p, dispositivo);
    const std::vector<Voce> elenco = voci(stato);
    const std::vector<std::vector<Voce>> pagine = impagina(elenco, pagina);
    const int totale = static_cast<int>(pagine.size());
    for (int n = 0; n < totale; ++n) {
        if (n > 0)
            dispositivo.newPage();
        pagina.intestazione(intestazione);
        int y = pagina.alto();
        for (const Voce& v : pagine[static_cast<size_t>(n)]) {
            pagina.disegnaVoce(stato, v, y);
            y += pagina.mm(altezza(v));
        }
        if (elenco.empty()) {
            pagina.carattere(11);
            p.drawText(QRect(pagina.sinistra(), y + pagina.mm(5), pagina.largo(), pagina.mm(10)), Qt::AlignLeft,
                       QStringLiteral("Il programma è vuoto."));
        }
        pagina.piede(n + 1, totale);
    }
    p.end();
    return totale;
}

bool esportaPdf(const Stato& stato, const IntestazioneStampa& intestazione, const QString& percorso)
{
    QPdfWriter pdf(percorso);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Kobaltino - ") + intestazione.programma);
    pdf.setCreator(TitoloApplicazione);
    return disegnaProgramma(stato, pdf, intestazione) > 0;
}

}  // namespace kobaltino
