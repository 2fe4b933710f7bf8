#include "ui/esempi.h"

#include "ui/preferenze.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

namespace kobaltino {

namespace {

const QString CartellaEsempi = QStringLiteral(":/esempi");
const QString ChiaveArene = QStringLiteral("areneDeiProgrammi");
constexpr int MassimoRicordati = 100;

// Each sample and the arena it was written for.
struct ArenaEsempio {
    const char* file;
    const char* arena;
};
const ArenaEsempio AreneEsempi[] = {
    {"labirinto.kbn", "labirinto"},
    {"lampada.kbn", "lampada"},
    {"segui_linea.kbn", "pista"},
};

}  // namespace

QStringList programmiEsempio()
{
    QStringList elenco;
    for (const QString& nome : QDir(CartellaEsempi).entryList({QStringLiteral("*.kbn")}, QDir::Files, QDir::Name))
        elenco << CartellaEsempi + QLatin1Char('/') + nome;
    return elenco;
}

QString titoloEsempio(const QString& percorso)
{
    QString titolo = QFileInfo(percorso).completeBaseName().replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!titolo.isEmpty())
        titolo[0] = titolo[0].toUpper();
    return titolo;
}

QString arenaDelProgramma(const QString& programma)
{
    if (programma.isEmpty())
        return {};
    const QString ricordata = preferenze().value(ChiaveArene).toMap().value(programma).toString();
    if (!ricordata.isEmpty())
        return ricordata;
    const QString nome = QFileInfo(programma).fileName();
    for (const ArenaEsempio& a : AreneEsempi)
        if (nome == QLatin1String(a.file))
            return QString::fromLatin1(a.arena);
    return {};
}

void ricordaArena(const QString& programma, const QString& arena)
{
    if (programma.isEmpty() || arena.isEmpty())
        return;
    QVariantMap arene = preferenze().value(ChiaveArene).toMap();
    if (arene.value(programma).toString() == arena)
        return;
    // The list stays small: once full, one program (the first by name) makes room.
    if (!arene.contains(programma) && arene.size() >= MassimoRicordati)
        arene.erase(arene.begin());
    arene.insert(programma, arena);
    preferenze().setValue(ChiaveArene, arene);
}

}  // namespace kobaltino
