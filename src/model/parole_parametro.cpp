// A row's parameter in words: each code names the shape of its parameter text and two
// templates; the shape's reader splits the text into the pieces the templates use.
#include "model/parole_parametro.h"

#include "model/catalogo.h"
#include "model/ingressi.h"

#include <QStringList>
#include <array>
#include <optional>

namespace kobaltino {

namespace {

enum class Forma { Nessuna, Attesa, Riga, Ingresso, Scrittura, Sposta, Operando, Operazione, Confronto, IngressoFai, Braccio };

struct VoceParole {
    int codice;
    Forma forma;
    const char* breve;     // %1..%9: the pieces of the parameter, in the shape's order
    const char* completa;
};

// Pieces by shape:
//   Attesa      %1 seconds
//   Riga        %1 target row
//   Ingresso    %1 input, %2 the handler grid it runs
//   Scrittura   %1 operand, %2 literal, %3 cell number, %4 the literal in words
//   Sposta      %1 EEPROM operand, %2 RAM operand, %3 and %4 their cell numbers
//   Operando    %1 operand, %2 the operand in words ("il registro Ram 7"), %3 with "a" ("al registro
//               Ram 7"), %4 with "di" ("del registro Ram 7")
//   Operazione  %1 first register, %2 operator sign, %3 second register, %4 the sum or difference in words
//   Confronto   %1 first register, %2 operator sign, %3 second register, %4 " fai <action>",
//               %5 the comparison in words, %6 ", esegue <action>"
//   IngressoFai %1 input, %2 " fai <action>", %3 ", esegue <action>"
//   Braccio     %1 the arm state in small letters
const std::array<VoceParole, 28> Parole = {{
    {1, Forma::Nessuna, "", "Il robot va avanti"},
    {2, Forma::Nessuna, "", "Il robot va indietro"},
    {3, Forma::Nessuna, "", "Il robot gira a sinistra"},
    {4, Forma::Nessuna, "", "Il robot gira a destra"},
    {5, Forma::Nessuna, "", "Il robot ruota su se stesso verso sinistra"},
    {6, Forma::Nessuna, "", "Il robot ruota su se stesso verso destra"},
    {7, Forma::Nessuna, "", "Il robot si ferma"},
    {8, Forma::Attesa, "%1 s", "Attende %1 secondi"},
    {9, Forma::Riga, "salta a %1", "Salta alla riga %1"},
    {10, Forma::Ingresso, "se %1 attivo", "Se l'ingresso %1 è attivo esegue la griglia %2"},
    {11, Forma::Ingresso, "se %1 disattivo", "Se l'ingresso %1 è disattivo esegue la griglia %2"},
    {12, Forma::Nessuna, "", "Il processore si ferma in attesa (Sleep)"},
    {13, Forma::Scrittura, "%1 ← %2", "Scrive %4 nel registro Ram %3"},
    {14, Forma::Nessuna, "", "Torna dove il programma era stato interrotto"},
    {15, Forma::Confronto, "se %1 %2 %3%4", "Se %1 %5 %3%6"},
    {16, Forma::Nessuna, "", "Fine del blocco Se"},
    {17, Forma::Scrittura, "%1 ← %2", "Scrive %4 nella cella EEPROM %3"},
    {18, Forma::Sposta, "%2 ← %1", "Copia la cella EEPROM %3 nel registro Ram %4"},
    {19, Forma::Operando, "%1 + 1", "Aggiunge 1 %3"},
    {20, Forma::Operando, "%1 − 1", "Toglie 1 %3"},
    {21, Forma::Braccio, "%1", "Muove il braccio: %1"},
    {22, Forma::Operando, "%1", "Scambia le due metà (nibble) %4"},
    {23, Forma::Operando, "%1", "Fa scorrere di un bit verso destra %2"},
    {24, Forma::Operando, "%1", "Fa scorrere di un bit verso sinistra %2"},
    {25, Forma::Operando, "%1", "Inverte tutti i bit %4"},
    {26, Forma::Operazione, "%3 ← %3 %2 %1", "%4: il risultato resta in %3"},
    {27, Forma::IngressoFai, "se %1 attivo%2", "Se l'ingresso %1 è attivo%3"},
    {28, Forma::IngressoFai, "se %1 disattivo%2", "Se l'ingresso %1 è disattivo%3"},
}};

const std::array<const char*, 5> TempiAttesa = {"0,5", "1,0", "1,5", "2,0", "2,5"};

struct VoceOperatore {
    QChar testo;       // as the parameter stores it
    const char* segno;  // as the words show it
    const char* parole;
};
const std::array<VoceOperatore, 4> Paragoni = {{
    {u'=', "=", "è uguale a"}, {u'>', ">", "è maggiore di"}, {u'<', "<", "è minore di"}, {u'!', "≠", "è diverso da"},
}};

using Pezzi = std::optional<QStringList>;

// Replaces %1..%9 by the pieces; a piece's own text is never read as a placeholder.
QString riempi(const char* modello, const QStringList& pezzi)
{
    const QString m = QString::fromUtf8(modello);
    QString esito;
    for (qsizetype i = 0; i < m.size(); ++i) {
        if (m[i] == u'%' && i + 1 < m.size() && m[i + 1].isDigit()) {
            const qsizetype n = m[i + 1].digitValue() - 1;
            if (n >= 0 && n < pezzi.size())
                esito += pezzi[n];
            ++i;
            continue;
        }
        esito += m[i];
    }
    return esito;
}

// "Ram3" (prefix "Ram") gives 3; nullopt when the text is not prefix + 1..20.
std::optional<int> cella(const QString& operando, const char* prefisso)
{
    const QLatin1String p(prefisso);
    if (!operando.startsWith(p))
        return std::nullopt;
    bool ok = false;
    const QString numero = operando.mid(p.size());
    const int n = numero.toInt(&ok);
    if (!ok || n < 1 || n > 20 || numero != QString::number(n))
        return std::nullopt;
    return n;
}

// "il registro Ram 3", "al registro Ram 3", "del registro Ram 3"; the same for "la cella EEPROM 3".
std::optional<QStringList> operandoInParole(const QString& operando)
{
    if (const auto n = cella(operando, "Ram"))
        return QStringList{QStringLiteral("il registro Ram %1").arg(*n), QStringLiteral("al registro Ram %1").arg(*n),
                           QStringLiteral("del registro Ram %1").arg(*n)};
    if (const auto n = cella(operando, "EEP"))
        return QStringList{QStringLiteral("la cella EEPROM %1").arg(*n), QStringLiteral("alla cella EEPROM %1").arg(*n),
                           QStringLiteral("della cella EEPROM %1").arg(*n)};
    return std::nullopt;
}

// The three literal forms of the write dialogs.
std::optional<QString> letteraleInParole(const QString& l)
{
    if (l.size() == 11 && l.startsWith(QLatin1String("b'")) && l.endsWith(u'\'')) {
        bool ok = false;
        const QString bit = l.mid(2, 8);
        const int valore = bit.toInt(&ok, 2);
        if (ok && !bit.contains(u'+') && !bit.contains(u'-'))
            return QStringLiteral("il valore binario %1 (%2)").arg(bit).arg(valore);
    }
    if (l.size() == 3 && l.startsWith(u'\'') && l.endsWith(u'\''))
        return QStringLiteral("il carattere %1").arg(l);
    if (l.size() >= 4 && l.startsWith(QLatin1String("d'")) && l.endsWith(u'\'')) {
        bool ok = false;
        const QString cifre = l.mid(2, l.size() - 3);
        const int valore = cifre.toInt(&ok);
        if (ok && cifre.size() <= 3 && valore >= 0 && valore <= 255 && !cifre.contains(u'+'))
            return QStringLiteral("il valore %1").arg(valore);
    }
    return std::nullopt;
}

std::optional<int> grigliaIngresso(const QString& nome)
{
    if (const Ingresso* i = ingressoDelPin(nome))
        return i->griglia;
    return std::nullopt;
}

// "A op B" with both operands RAM registers; the operator is one of `ammessi`.
struct TreParti {
    int a, b;
    QChar operatore;
};
std::optional<TreParti> treParti(const QString& p, const QString& ammessi)
{
    const QStringList parti = p.split(u' ');
    if (parti.size() != 3 || parti[1].size() != 1 || !ammessi.contains(parti[1][0]))
        return std::nullopt;
    const auto a = cella(parti[0], "Ram");
    const auto b = cella(parti[2], "Ram");
    if (!a || !b)
        return std::nullopt;
    return TreParti{*a, *b, parti[1][0]};
}

// " fai Avanti" and ", esegue Avanti"; ", nessuna azione" without an action row.
std::pair<QString, QString> azioneInParole(int codiceAzione)
{
    const VoceCatalogo* v = voce(codiceAzione);
    if (v == nullptr)
        return {QString(), QStringLiteral(", nessuna azione")};
    const QString nome = QString::fromUtf8(v->nomeMenu);
    return {QStringLiteral(" fai ") + nome, QStringLiteral(", esegue ") + nome};
}

Pezzi leggi(const VoceParole& v, const QString& p, int codiceAzione)
{
    switch (v.forma) {
    case Forma::Nessuna:
        return p.isEmpty() ? Pezzi(QStringList{}) : std::nullopt;
    case Forma::Attesa:
        for (const char* t : TempiAttesa)
            if (p == QLatin1String(t))
                return QStringList{p};
        return std::nullopt;
    case Forma::Riga: {
        bool ok = false;
        const int riga = p.toInt(&ok);
        if (!ok || riga < 0 || riga >= RigheGriglia || p != QString::number(riga))
            return std::nullopt;
        return QStringList{p};
    }
    case Forma::Ingresso:
        if (const auto k = grigliaIngresso(p))
            return QStringList{nomeGriglia(*k), nomeGriglia(*k)};
        return std::nullopt;
    case Forma::Scrittura: {
        const qsizetype spazio = p.indexOf(u' ');
        const QString operando = p.left(spazio);
        const QString letterale = p.mid(spazio + 1);
        const auto n = cella(operando, v.codice == codici::ScriviRam ? "Ram" : "EEP");
        const auto valore = letteraleInParole(letterale);
        if (spazio < 0 || !n || !valore)
            return std::nullopt;
        return QStringList{operando, letterale, QString::number(*n), *valore};
    }
    case Forma::Sposta: {
        const QStringList parti = p.split(u' ');
        if (parti.size() != 2)
            return std::nullopt;
        const auto e = cella(parti[0], "EEP");
        const auto r = cella(parti[1], "Ram");
        if (!e || !r)
            return std::nullopt;
        return QStringList{parti[0], parti[1], QString::number(*e), QString::number(*r)};
    }
    case Forma::Operando:
        if (const auto parole = operandoInParole(p))
            return QStringList{p} + *parole;
        return std::nullopt;
    case Forma::Operazione: {
        const auto t = treParti(p, QStringLiteral("+-"));
        if (!t)
            return std::nullopt;
        const bool somma = t->operatore == u'+';
        const QString a = QStringLiteral("Ram%1").arg(t->a);
        const QString b = QStringLiteral("Ram%1").arg(t->b);
        const QString frase = somma ? QStringLiteral("Somma %1 a %2").arg(a, b) : QStringLiteral("Sottrae %1 da %2").arg(a, b);
        return QStringList{a, somma ? QStringLiteral("+") : QStringLiteral("−"), b, frase};
    }
    case Forma::Confronto: {
        const auto t = treParti(p, QStringLiteral("=><!"));
        if (!t)
            return std::nullopt;
        const auto [faiBreve, faiCompleta] = azioneInParole(codiceAzione);
        for (const VoceOperatore& o : Paragoni)
            if (o.testo == t->operatore) {
                return QStringList{QStringLiteral("Ram%1").arg(t->a), QString::fromUtf8(o.segno),
                                   QStringLiteral("Ram%1").arg(t->b), faiBreve, QString::fromUtf8(o.parole),
                                   faiCompleta};
            }
        return std::nullopt;
    }
    case Forma::IngressoFai: {
        const auto k = grigliaIngresso(p);
        if (!k)
            return std::nullopt;
        const auto [faiBreve, faiCompleta] = azioneInParole(codiceAzione);
        return QStringList{nomeGriglia(*k), faiBreve, faiCompleta};
    }
    case Forma::Braccio:
        if (p == QLatin1String("Aperto") || p == QLatin1String("Chiuso"))
            return QStringList{p.toLower()};
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

ParoleParametro paroleParametro(int codice, const QString& parametro, int codiceAzione)
{
    const VoceCatalogo* istruzione = voce(codice);
    if (istruzione == nullptr)
        return {parametro, parametro};
    const VoceParole& v = Parole[static_cast<size_t>(codice - 1)];
    const Pezzi pezzi = leggi(v, parametro, codiceAzione);
    if (!pezzi) {
        // A text no dialog writes (an edited file): show it as it stands.
        return {parametro, QString::fromUtf8(istruzione->nome) + QStringLiteral(": ") + parametro};
    }
    return {riempi(v.breve, *pezzi), riempi(v.completa, *pezzi)};
}

ParoleParametro paroleRiga(const Griglia& g, int r)
{
    if (r < 0 || r >= g.numIstruzioni())
        return {};
    const int codice = g.codice(r);
    const bool condizionale = codice == codici::Se || codice == codici::SeAttivoFai || codice == codici::SeDisattivoFai;
    int azione = 0;
    // The row below a conditional is its action, unless it closes an empty "Se" block.
    if (condizionale && r + 1 < g.numIstruzioni() && g.codice(r + 1) != codici::FineSe)
        azione = g.codice(r + 1);
    return paroleParametro(codice, g.riga(r).parametro, azione);
}

}  // namespace kobaltino
