// One translation per instruction code, kept as data: the lines always written, then the lines
// chosen by the parameter (a wait time, an operator or an input). Slots in braces take parts
// of the parameter text.
#include "codegen/emettitori.h"

#include "codegen/eeprom.h"
#include "model/ingressi.h"
#include "model/catalogo.h"

#include <array>
#include <vector>

namespace kobaltino {

namespace {

enum class Chiave { Nessuna, Parametro, Operatore, Ingresso };

// Variant picked when the key equals `chiave`; with Chiave::Ingresso, "*" stands for any known input.
struct Variante {
    const char* chiave;
    std::vector<const char*> righe;
};

struct Traduzione {
    int codice;
    std::vector<const char*> righe;
    Chiave chiave = Chiave::Nessuna;
    std::vector<Variante> varianti = {};
    const Modello Processore::*delProcessore = nullptr;  // lines the processor gives instead of `righe`
};

// Slots: {p} the whole parameter, {1} the text before the first blank, {r} the text after it,
// {b} the operand after the operator, {gestore} / {fai} the handler label / conditional operand
// of the input named, {salto} the label of the row a "Vai a" targets.
const std::array<Traduzione, 28> Traduzioni = {{
    {1, {"         call AVANTI"}},
    {2, {"         call INDIETRO"}},
    {3, {"         call SINISTRA"}},
    {4, {"         call DESTRA"}},
    {5, {"         call RAGIRA_SINISTRA"}},
    {6, {"         call RAGIRA_DESTRA"}},
    {7, {"         call FERMO"}},
    {8, {}, Chiave::Parametro,
     {{"0,5", {"         call    DELAY05S"}},
      {"1,0", {"         call    DELAY1S"}},
      {"1,5", {"         call    DELAY15S"}},
      {"2,0", {"         call    DELAY2S"}},
      {"2,5", {"         call    DELAY25S"}}}},
    {9, {"         goto {salto}"}},
    {10, {"         btfsc {p}"}, Chiave::Ingresso, {{"*", {"         call {gestore}"}}}},
    {11, {"         btfss {p}"}, Chiave::Ingresso, {{"*", {"         call {gestore}"}}}},
    {12, {"         Sleep"}},
    {13, {"         movlw {r}", "         movwf {1}"}},
    {14, {"         return"}},
    {15, {}, Chiave::Operatore,
     {{"=", {"         bcf STATUS,Z ", "         movf {1},W", "         subwf {b},W", "         btfsc STATUS,Z"}},
      {"!", {"         bcf STATUS,Z ", "         movf {1},W", "         subwf {b},W", "         btfss STATUS,Z"}},
      {">", {"         bsf STATUS,C ", "         movf {1},W", "         subwf {b},W", "         btfss STATUS,C"}},
      {"<", {"         bsf STATUS,C ", "         movf {b},W", "         subwf {1},W", "         btfss STATUS,C"}}}},
    {16, {}},
    // The data-EEPROM write and read reach registers each processor places in its own banks.
    {17, {}, Chiave::Nessuna, {}, &Processore::scriviEeprom},
    {18, {}, Chiave::Nessuna, {}, &Processore::spostaEeprom},
    {19, {"         incf {p},f"}},
    {20, {"         decf {p},f"}},
    // The arm gets the same pulse whether it opens or closes.
    {21, {"         bsf Aux", "         call DELAY0125S", "         bcf Aux"}},
    {22, {"         swapf {p},f"}},
    {23, {"         rrf {p},f"}},
    {24, {"         rlf {p},f"}},
    {25, {"         comf {p},f"}},
    {26, {}, Chiave::Operatore,
     {{"+", {"         movf {1},W", "         addwf {b},f"}},
      {"-", {"         movf {1},W", "         subwf {b},f"}}}},
    {27, {}, Chiave::Ingresso, {{"*", {"         btfsc {fai}"}}}},
    {28, {}, Chiave::Ingresso, {{"*", {"         btfss {fai}"}}}},
}};

// The parts of a parameter text "A op B" / "first rest". Without a blank the first part is the
// whole text and the rest is empty.
struct Operandi {
    QString tutto, primo, resto, operatore, secondo;
    const Ingresso* ingresso = nullptr;
    QString salto;
};

Operandi dividi(const QString& parametro)
{
    Operandi o;
    o.tutto = parametro;
    const qsizetype spazio = parametro.indexOf(QLatin1Char(' '));
    if (spazio < 0) {
        o.primo = parametro;
        return o;
    }
    o.primo = parametro.left(spazio);
    o.resto = parametro.mid(spazio + 1);
    o.operatore = parametro.mid(spazio + 1, 1);
    o.secondo = parametro.mid(spazio + 3);
    return o;
}

QString valoreSlot(QStringView nome, const Operandi& o)
{
    if (nome == u"p")
        return o.tutto;
    if (nome == u"1")
        return o.primo;
    if (nome == u"r")
        return o.resto;
    if (nome == u"b")
        return o.secondo;
    if (nome == u"gestore")
        return QString::fromLatin1(o.ingresso->gestore);
    if (nome == u"fai")
        return operandoFai(*o.ingresso);
    if (nome == u"salto")
        return o.salto;
    return {};
}

// Fills the slots of a template in one pass, so a brace inside a parameter stays as it is.
QString riempi(const char* modello, const Operandi& o)
{
    const QString m = QString::fromLatin1(modello);
    QString riga;
    qsizetype i = 0;
    while (i < m.size()) {
        const qsizetype apre = m.indexOf(QLatin1Char('{'), i);
        const qsizetype chiude = apre < 0 ? -1 : m.indexOf(QLatin1Char('}'), apre);
        if (chiude < 0) {
            riga += QStringView(m).mid(i);
            break;
        }
        riga += QStringView(m).mid(i, apre - i);
        riga += valoreSlot(QStringView(m).mid(apre + 1, chiude - apre - 1), o);
        i = chiude + 1;
    }
    return riga;
}

const Variante* scegli(const Traduzione& t, const Operandi& o)
{
    QString chiave;
    switch (t.chiave) {
    case Chiave::Nessuna:
        return nullptr;
    case Chiave::Parametro:
        chiave = o.tutto;
        break;
    case Chiave::Operatore:
        chiave = o.operatore;
        break;
    case Chiave::Ingresso:
        if (o.ingresso == nullptr)
            return nullptr;
        chiave = QStringLiteral("*");
        break;
    }
    for (const Variante& v : t.varianti)
        if (chiave == QLatin1String(v.chiave))
            return &v;
    return nullptr;
}

// The label a "Vai a" jumps to: the one carried by its target row.
QString etichettaBersaglio(const Griglia& griglia, int k, const QString& parametro)
{
    bool ok = false;
    const int bersaglio = parametro.toInt(&ok);
    const QString numero = ok && bersaglio >= 0 && bersaglio < RigheGriglia ? griglia.riga(bersaglio).etichetta
                                                                           : QString();
    return nomeEtichetta(k, numero);
}

}  // namespace

QString nomeEtichetta(int k, const QString& numero)
{
    if (k == 1)
        return QStringLiteral("Label") + numero;
    return QStringLiteral("Label%1_").arg(k) + numero;
}

RigheEmesse emetti(const Griglia& griglia, int k, int r, const Processore& processore)
{
    RigheEmesse uscita;
    const int codice = griglia.codice(r);
    if (codice == 0)
        return uscita;
    // An EEPROM cell is not a file register: the row calls the cell's read-modify-write
    // subroutine, still one word, so it can stay the action of a conditional.
    if (const auto eeprom = operazioneEeprom(codice, griglia.riga(r).parametro)) {
        uscita.righe.append(QStringLiteral("         call ") + nomeSubroutine(*eeprom));
        uscita.parole = voce(codice)->parole;
        return uscita;
    }
    const Traduzione& t = Traduzioni[static_cast<size_t>(codice - 1)];
    Operandi o = dividi(griglia.riga(r).parametro);
    o.ingresso = ingressoDelPin(o.tutto);
    if (codice == codici::VaiA)
        o.salto = etichettaBersaglio(griglia, k, o.tutto);

    for (const char* modello : t.delProcessore ? processore.*t.delProcessore : t.righe)
        uscita.righe.append(riempi(modello, o));
    if (const Variante* v = scegli(t, o))
        for (const char* modello : v->righe)
            uscita.righe.append(riempi(modello, o));

    // A wait with an unknown time writes nothing and costs nothing.
    const bool senzaCosto = codice == codici::Attendi && uscita.righe.isEmpty();
    uscita.parole = senzaCosto ? 0 : voce(codice)->parole;
    return uscita;
}

}  // namespace kobaltino
