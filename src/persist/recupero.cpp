// The recovery copy of unsaved work, and the copies a crashed editor left behind.
#include "persist/recupero.h"

#include "model/editor.h"
#include "persist/file_programma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace kobaltino {

namespace {
// Beside each copy: the program file it belongs to, one line, UTF-8.
const QString EstensioneCopia = QStringLiteral(".kbn");
const QString EstensioneOrigine = QStringLiteral(".origine");
const QString EstensioneBlocco = QStringLiteral(".lock");

QString base(const QString& copia) { return copia.left(copia.size() - EstensioneCopia.size()); }

bool programmaVuoto(const Stato& s)
{
    return std::all_of(s.griglie.begin(), s.griglie.end(), [](const Griglia& g) { return g.numIstruzioni() == 0; });
}
}  // namespace

CopiaRecupero::CopiaRecupero(const Stato& stato, const QString& cartella, int intervalloMs)
    : s_(stato), cartella_(cartella), nome_(QStringLiteral("recupero-%1").arg(QCoreApplication::applicationPid()))
{
    timer_.setInterval(intervalloMs);
    connect(&timer_, &QTimer::timeout, this, &CopiaRecupero::aggiorna);
}

CopiaRecupero::~CopiaRecupero() = default;

void CopiaRecupero::avvia()
{
    QDir().mkpath(cartella_);
    blocco_ = std::make_unique<QLockFile>(QDir(cartella_).filePath(nome_ + EstensioneBlocco));
    blocco_->setStaleLockTime(0);
    blocco_->tryLock(0);
    timer_.start();
}

QString CopiaRecupero::percorso() const { return QDir(cartella_).filePath(nome_ + EstensioneCopia); }

void CopiaRecupero::aggiorna()
{
    if (!s_.Modificato || programmaVuoto(s_)) {
        rimuovi();
        return;
    }
    QDir().mkpath(cartella_);
    // The program file's name first: a copy never stands without it.
    QSaveFile origine(base(percorso()) + EstensioneOrigine);
    if (!origine.open(QIODevice::WriteOnly) || origine.write(s_.PercorsoFile.toUtf8()) < 0 || !origine.commit())
        return;
    QSaveFile copia(percorso());
    const QByteArray byte = testoProgramma(s_);
    if (copia.open(QIODevice::WriteOnly) && copia.write(byte) == byte.size())
        copia.commit();
}

void CopiaRecupero::rimuovi()
{
    QFile::remove(percorso());
    QFile::remove(base(percorso()) + EstensioneOrigine);
}

std::vector<CopiaLasciata> CopiaRecupero::lasciate(const QString& cartella)
{
    std::vector<CopiaLasciata> elenco;
    const QDir dir(cartella);
    for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("recupero-*") + EstensioneCopia}, QDir::Files)) {
        // A copy whose editor still runs is still that editor's.
        QLockFile blocco(base(f.absoluteFilePath()) + EstensioneBlocco);
        blocco.setStaleLockTime(0);
        if (!blocco.tryLock(0))
            continue;
        blocco.unlock();
        QFile origine(base(f.absoluteFilePath()) + EstensioneOrigine);
        const QString programma = origine.open(QIODevice::ReadOnly) ? QString::fromUtf8(origine.readAll()) : QString();
        elenco.push_back({f.absoluteFilePath(), programma, f.lastModified()});
    }
    std::sort(elenco.begin(), elenco.end(), [](const CopiaLasciata& a, const CopiaLasciata& b) { return a.quando > b.quando; });
    return elenco;
}

EsitoLettura CopiaRecupero::ripristina(Editor& editor, const CopiaLasciata& copia)
{
    const EsitoLettura esito = leggiProgramma(editor, copia.copia);
    if (!esito.riuscito())
        return esito;
    Stato& s = editor.stato();
    s.PercorsoFile = copia.programma;
    s.Modificato = true;
    return esito;
}

void CopiaRecupero::scarta(const CopiaLasciata& copia)
{
    QFile::remove(copia.copia);
    QFile::remove(base(copia.copia) + EstensioneOrigine);
}

QString CopiaRecupero::domanda(const CopiaLasciata& copia)
{
    const QString programma = copia.programma.isEmpty() ? QStringLiteral("di un programma mai salvato")
                                                        : QStringLiteral("del programma ") + copia.programma;
    return QStringLiteral("Kobaltino non è stato chiuso correttamente.") + CrLf
           + QStringLiteral("È stata trovata una copia di recupero del %1 alle %2 con le modifiche non salvate %3.")
                 .arg(copia.quando.toString(QStringLiteral("dd/MM/yyyy")), copia.quando.toString(QStringLiteral("HH:mm")),
                      programma)
           + CrLf + QStringLiteral("Ripristinarla?");
}

}  // namespace kobaltino
