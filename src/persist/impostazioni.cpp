// The settings file Data/Data.dat: a version stamp and the assembler path.
#include "persist/impostazioni.h"

#include "model/scrittura_file.h"
#include "model/versione.h"
#include "persist/codifica.h"
#include "persist/dati.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace kobaltino {

namespace {

constexpr int PartiVersione = 3;
constexpr qint64 LetturaMassima = 64 * 1024;  // a settings file is two short lines

// Takes the text before the next `separatore` off the front of `resto` (all of it when none).
QString staccaPezzo(QString& resto, QChar separatore)
{
    const qsizetype i = resto.indexOf(separatore);
    const QString pezzo = i < 0 ? resto : resto.left(i);
    resto = i < 0 ? QString() : resto.mid(i + 1);
    return pezzo;
}

// The leading number of a text, 0 when there is none.
double valore(const QString& pezzo)
{
    static const QRegularExpression numero(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+))"));
    const QRegularExpressionMatch m = numero.match(pezzo);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
}

QString senzaVirgolette(const QString& riga)
{
    return riga.size() < 2 ? QString() : riga.mid(1, riga.size() - 2);
}

}  // namespace

QString versioneProgramma()
{
    return QStringLiteral("%1.%2.%3.").arg(VersioneMaggiore).arg(VersioneMinore).arg(VersioneRevisione);
}

QString codificaTimbro(const QString& versione)
{
    QString resto = versione, timbro;
    for (int i = 0; i < PartiVersione; ++i)
        timbro += QString::number(std::llround(valore(staccaPezzo(resto, u'.')) + ScostamentoTimbro)) + u':';
    return timbro;
}

QString decodificaTimbro(const QString& timbro)
{
    QString resto = timbro, versione;
    for (int i = 0; i < PartiVersione; ++i) {
        const double parte = valore(staccaPezzo(resto, u':')) - ScostamentoTimbro;
        // Out of any sane range: the stamp is damaged, and "?" matches no version.
        versione += (std::abs(parte) < 1e9 ? QString::number(std::llround(parte)) : QStringLiteral("?")) + u'.';
    }
    return versione;
}

std::optional<Impostazioni> leggiImpostazioni(const QString& percorso)
{
    QFile file(percorso);
    // A folder, a pipe or a device is no settings file: a pipe would keep the start waiting.
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString testo = daWindows1252(file.read(LetturaMassima));
    QStringList righe = testo.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!righe.isEmpty() && righe.constLast().isEmpty())
        righe.removeLast();  // the line end of the last line opens no new line
    if (righe.size() < 2)
        return std::nullopt;
    return Impostazioni{senzaVirgolette(righe[0]), senzaVirgolette(righe[1])};
}

bool scriviImpostazioni(const QString& percorso, const Impostazioni& impostazioni)
{
    const QString testo = u'"' + impostazioni.timbro + QStringLiteral("\"\r\n\"") + impostazioni.compilatore
                          + QStringLiteral("\"\r\n");
    const std::optional<QByteArray> byte = inWindows1252(testo);
    if (!byte || !QDir().mkpath(QFileInfo(percorso).absolutePath()))
        return false;
    return scriviFileIntero(percorso, *byte).isEmpty();
}

QString percorsoImpostazioni(const QString& cartellaApplicazione, const QString& cartellaConfigurazione)
{
    const QFileInfo app(cartellaApplicazione);
    const QString base = app.isDir() && app.isWritable() ? cartellaApplicazione : cartellaConfigurazione;
    return QDir(base).filePath(QStringLiteral("Data/Data.dat"));
}

QString cartellaGuida(const QString& cartellaApplicazione)
{
    // "Help" beside the program (a portable copy), else the data folder.
    const QString accanto = QDir(cartellaApplicazione).filePath(QStringLiteral("Help"));
    for (const QString& c : {accanto, cartellaDati(cartellaApplicazione, QStringLiteral("help"))})
        if (!c.isEmpty() && QFileInfo::exists(QDir(c).filePath(QStringLiteral("indice.html"))))
            return QDir(c).canonicalPath();
    return accanto;
}

}  // namespace kobaltino
