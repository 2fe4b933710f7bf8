#include "codegen/eeprom.h"

#include "model/catalogo.h"
#include "model/stato.h"

#include <array>
#include <set>

namespace kobaltino {

namespace {

struct Operazione {
    int codice;
    const char* istruzione;  // applied to EEDATA, result back into EEDATA
};

const std::array<Operazione, 6> Operazioni = {{
    {codici::Incrementa, "incf"},
    {codici::Decrementa, "decf"},
    {codici::Swappa, "swapf"},
    {codici::ScorriDestra, "rrf"},
    {codici::ScorriSinistra, "rlf"},
    {codici::Complemento, "comf"},
}};

const Operazione* operazione(int codice)
{
    for (const Operazione& o : Operazioni)
        if (o.codice == codice)
            return &o;
    return nullptr;
}

// Read the cell into EEDATA, operate on EEDATA, write it back with the unlock sequence, return.
// No instruction after the operation touches C or Z, so the caller sees the flags the same
// instruction on a RAM register would leave.
void scriviSequenza(Sorgente& s, const Modello& sequenza, const QString& cella, const QString& op)
{
    for (const char* riga : sequenza) {
        QString testo = QString::fromLatin1(riga);
        testo.replace(QLatin1String("{cella}"), cella);
        testo.replace(QLatin1String("{op}"), op);
        s.aggiungi(testo);
    }
}

}  // namespace

std::optional<OperazioneEeprom> operazioneEeprom(int codice, const QString& parametro)
{
    if (operazione(codice) == nullptr || !parametro.startsWith(QLatin1String("EEP")))
        return std::nullopt;
    const QString numero = parametro.mid(3);
    bool ok = false;
    const int cella = numero.toInt(&ok);
    // Only the names the head defines: "EEP3", not "EEP03" or "EEP+3".
    if (!ok || cella < 1 || cella > CelleMemoria || numero != QString::number(cella))
        return std::nullopt;
    return OperazioneEeprom{codice, cella};
}

QString nomeSubroutine(const OperazioneEeprom& op)
{
    const Operazione* o = operazione(op.codice);
    const QString istruzione = o ? QString::fromLatin1(o->istruzione).toUpper() : QStringLiteral("OP");
    return QStringLiteral("EEP_%1_%2").arg(istruzione).arg(op.cella);
}

std::vector<OperazioneEeprom> operazioniEeprom(const Stato& stato)
{
    std::set<OperazioneEeprom> usate;
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const Griglia& g = stato.griglia(k);
        for (int r = 0; r < g.numIstruzioni(); ++r)
            if (const auto op = operazioneEeprom(g.codice(r), g.riga(r).parametro))
                usate.insert(*op);
    }
    return {usate.begin(), usate.end()};
}

void scriviSubroutine(Sorgente& s, const OperazioneEeprom& op, const Processore& processore)
{
    const Operazione* o = operazione(op.codice);
    if (o == nullptr)
        return;
    const QString cella = QStringLiteral("EEP%1").arg(op.cella);
    const QString istruzione = QString::fromLatin1(o->istruzione);
    s.aggiungi(nomeSubroutine(op) + QLatin1Char(':'));
    scriviSequenza(s, processore.aggiornaEeprom, cella, istruzione);
    s.aggiungi(QString());
}

}  // namespace kobaltino
