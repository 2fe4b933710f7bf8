#include "model/parametri.h"

#include "model/catalogo.h"
#include "model/ingressi.h"
#include "model/stato.h"

#include <QHash>
#include <QRegularExpression>

#include <array>

namespace kobaltino {

namespace {

using F = FormaParametro;

// The parameter form of every instruction code, indexed by code - 1. "Braccio" keeps the arm
// state its insertion wrote, which the generator never reads.
const std::array<FormaParametro, 28> FormaDelCodice = {{
    F::Nessuna, F::Nessuna, F::Nessuna, F::Nessuna, F::Nessuna, F::Nessuna, F::Nessuna,  // 1..7
    F::Attesa,              // 8 Attendi
    F::RigaSalto,           // 9 Vai a
    F::Ingresso,            // 10 Se attivo vai a
    F::Ingresso,            // 11 Se disattivo vai a
    F::Nessuna,             // 12 Sleep
    F::ScritturaRam,        // 13 Scrivi Ram
    F::Nessuna,             // 14 Ritorna
    F::Confronto,           // 15 Se
    F::Nessuna,             // 16 FINE SE
    F::ScritturaEeprom,     // 17 Scrivi Eeprom
    F::SpostaEeprom,        // 18 Sposta Eeprom
    F::Cella,               // 19 Incrementa
    F::Cella,               // 20 Decrementa
    F::Nessuna,             // 21 Braccio
    F::Cella,               // 22 Swappa
    F::Cella,               // 23 Scorri a destra
    F::Cella,               // 24 Scorri a sinistra
    F::Cella,               // 25 Complemento
    F::OperazioneRegistri,  // 26 Operazioni tra registri
    F::Ingresso,            // 27 Se attivo fai
    F::Ingresso,            // 28 Se disattivo fai
}};

// Pieces of the patterns. A character literal holds one character of the "Carattere" option:
// no digit, no control character. The apostrophe is one, and so are the double quote and the
// backslash that earlier versions let through: such files open, and the compile says why the
// assembler cannot take those two.
const QString CellaRam = QStringLiteral("Ram(?:[1-9]|1[0-9]|20)");
const QString CellaEeprom = QStringLiteral("EEP(?:[1-9]|1[0-9]|20)");
const QString Letterale = QStringLiteral(R"((?:b'[01]{8}'|d'(?:[0-9]{1,2}|[01][0-9]{2}|2[0-4][0-9]|25[0-5])')"
                                         R"(|'[^0-9\x{0}-\x{1f}\x{7f}-\x{9f}]'))");
const QString Ingressi = [] {
    QStringList nomi;
    for (const Ingresso& i : ingressi())
        nomi << QString::fromLatin1(i.pin);
    return nomi.join(u'|');
}();

struct Regola {
    FormaParametro forma;
    QString schema;      // the whole text must match
    const char* atteso;  // what the instruction wants, in words
};

const std::array<Regola, 9> Regole = {{
    {F::Attesa, QStringLiteral("0,5|1,0|1,5|2,0|2,5"), "un tempo di attesa tra 0,5, 1,0, 1,5, 2,0 e 2,5"},
    {F::RigaSalto, QStringLiteral("0|[1-9][0-9]?|[1-8][0-9]{2}|9[0-4][0-9]"), "un numero di riga da 0 a 949"},
    {F::Ingresso, Ingressi, "il nome di un sensore, da Luce_destra ad Aux"},
    {F::ScritturaRam, CellaRam + u' ' + Letterale,
     "una cella da Ram1 a Ram20, uno spazio e un valore b'xxxxxxxx', 'c' o da d'0' a d'255'"},
    {F::ScritturaEeprom, CellaEeprom + u' ' + Letterale,
     "una cella da EEP1 a EEP20, uno spazio e un valore b'xxxxxxxx', 'c' o da d'0' a d'255'"},
    {F::Confronto, CellaRam + QStringLiteral(" [=><!] ") + CellaRam,
     "due celle da Ram1 a Ram20 separate da \" = \", \" > \", \" < \" o \" ! \""},
    {F::SpostaEeprom, CellaEeprom + u' ' + CellaRam, "una cella da EEP1 a EEP20, uno spazio e una cella da Ram1 a Ram20"},
    {F::Cella, CellaRam + u'|' + CellaEeprom, "una cella da Ram1 a Ram20 o da EEP1 a EEP20"},
    {F::OperazioneRegistri, CellaRam + QStringLiteral(" [+-] ") + CellaRam,
     "due celle da Ram1 a Ram20 separate da \" + \" o \" - \""},
}};

// The patterns compiled once: the file reader checks every row of every program it loads.
struct Schema {
    const char* atteso;
    QRegularExpression intero;
};

const Schema* schema(FormaParametro forma)
{
    static const std::array<Schema, Regole.size()> compilati = [] {
        std::array<Schema, Regole.size()> c;
        for (size_t i = 0; i < Regole.size(); ++i)
            c[i] = {Regole[i].atteso, QRegularExpression(QRegularExpression::anchoredPattern(Regole[i].schema))};
        return c;
    }();
    for (size_t i = 0; i < Regole.size(); ++i)
        if (Regole[i].forma == forma)
            return &compilati[i];
    return nullptr;
}

bool etichettaNumerica(const QString& testo)
{
    static const QRegularExpression numero(QRegularExpression::anchoredPattern(QStringLiteral("0|[1-9][0-9]{0,4}")));
    return numero.match(testo).hasMatch();
}

QString posizione(int k, int r)
{
    return nomeGriglia(k) + QStringLiteral(", riga %1: ").arg(r);
}

}  // namespace

FormaParametro formaParametro(int codice)
{
    return codice >= 1 && codice <= 28 ? FormaDelCodice[static_cast<size_t>(codice - 1)] : F::Nessuna;
}

QString problemaParametro(int codice, const QString& parametro)
{
    const Schema* s = schema(formaParametro(codice));
    if (s == nullptr || s->intero.match(parametro).hasMatch())
        return {};
    return QStringLiteral("il parametro \"%1\" di \"%2\" non è valido: ci vuole %3.")
        .arg(testoMostrabile(parametro), QString::fromUtf8(voce(codice)->nome), QString::fromUtf8(s->atteso));
}

QString problemaEtichetta(const QString& etichetta)
{
    if (etichetta.isEmpty() || etichettaNumerica(etichetta))
        return {};
    return QStringLiteral("l'etichetta \"%1\" non è valida: ci vuole un numero da 0 a 99999.")
        .arg(testoMostrabile(etichetta));
}

QStringList righeNonValide(const Stato& stato)
{
    QStringList problemi;
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const Griglia& g = stato.griglia(k);
        QHash<QString, int> etichette;  // label number -> first row carrying it
        for (int r = 0; r < g.numIstruzioni(); ++r) {
            const Riga& riga = g.riga(r);
            const int codice = g.codice(r);
            if (codice == 0)
                continue;
            for (const QString& problema : {problemaParametro(codice, riga.parametro), problemaEtichetta(riga.etichetta)})
                if (!problema.isEmpty())
                    problemi << posizione(k, r) + problema;
            if (riga.etichetta.isEmpty())
                continue;
            if (const auto prima = etichette.constFind(riga.etichetta); prima != etichette.constEnd())
                problemi << posizione(k, r)
                                + QStringLiteral("l'etichetta %1 è già alla riga %2: un \"Vai a\" non saprebbe dove "
                                                 "saltare.")
                                      .arg(testoMostrabile(riga.etichetta))
                                      .arg(*prima);
            else
                etichette.insert(riga.etichetta, r);
        }
    }
    return problemi;
}

QString carattereNonAssemblabile(QChar c)
{
    if (c != u'"' && c != u'\\')
        return {};
    return QStringLiteral("il carattere %1 non si può scrivere tra apici, perché l'assemblatore non lo accetta: al "
                          "suo posto scrivere il numero d'%2' (opzione \"Numerico\", valore %2).")
        .arg(c)
        .arg(c.unicode());
}

QString testoMostrabile(const QString& testo)
{
    constexpr qsizetype Massimo = 40;
    QString visibile;
    QString corto = testo.left(Massimo);
    corto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar c : corto) {
        if (c == u'\r' || c == u'\n')
            visibile += u'↵';
        else if (c.category() == QChar::Other_Control)
            visibile += u'?';
        else
            visibile += c;
    }
    return testo.size() > Massimo ? visibile + u'…' : visibile;
}

}  // namespace kobaltino
