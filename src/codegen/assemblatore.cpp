#include "codegen/assemblatore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kobaltino {

namespace {

QString radice(const QString& percorsoFile)
{
    const QFileInfo info(percorsoFile);
    return info.absoluteDir().filePath(info.completeBaseName());
}

// The files of `cartella` whose names equal one of `nomi` ignoring case.
QStringList comeSulDisco(const QDir& cartella, const QStringList& nomi)
{
    QStringList trovati;
    const QStringList presenti = cartella.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& p : presenti)
        if (nomi.contains(p, Qt::CaseInsensitive))
            trovati << cartella.filePath(p);
    return trovati;
}

}  // namespace

bool eGpasm(const QString& percorsoCompilatore)
{
    const QString nome = QFileInfo(percorsoCompilatore).fileName();
    return nome.compare(QLatin1String("gpasm"), Qt::CaseInsensitive) == 0
           || nome.compare(QLatin1String("gpasm.exe"), Qt::CaseInsensitive) == 0;
}

QString percorsoHex(const QString& percorsoFile)
{
    return radice(percorsoFile) + QStringLiteral(".hex");
}

QString hexSulDisco(const QString& percorsoFile)
{
    const QString esatto = percorsoHex(percorsoFile);
    if (QFileInfo::exists(esatto))
        return esatto;
    const QFileInfo info(percorsoFile);
    const QStringList trovati = comeSulDisco(info.absoluteDir(), {info.completeBaseName() + QStringLiteral(".hex")});
    return trovati.isEmpty() ? QString() : trovati.first();
}

ComandoAssemblatore comandoAssemblatore(const QString& percorsoCompilatore, const QString& sorgente,
                                        const QString& percorsoFile)
{
    ComandoAssemblatore c;
    c.programma = percorsoCompilatore;
    // The assembler runs in the program's folder: hand it full paths.
    c.cartella = QFileInfo(percorsoFile).absolutePath();
    const QString sorgenteCompleto = QFileInfo(sorgente).absoluteFilePath();
    if (eGpasm(percorsoCompilatore))
        c.argomenti = {QStringLiteral("-w"), QStringLiteral("2"), QStringLiteral("-a"), QStringLiteral("inhx8m"),
                       QStringLiteral("-o"), percorsoHex(percorsoFile), sorgenteCompleto};
    else
        c.argomenti = {QStringLiteral("/e-"), QStringLiteral("/l-"), QStringLiteral("/o-"), QStringLiteral("/q"),
                       sorgenteCompleto};
    return c;
}

QStringList fileIntermedi(const QString& percorsoCompilatore, const QString& percorsoFile)
{
    // "giro.kbn" -> "giro.COD", whatever case the assembler gave it.
    const QString base = QFileInfo(percorsoFile).completeBaseName();
    QStringList nomi{base + QStringLiteral(".cod")};
    if (eGpasm(percorsoCompilatore))
        nomi << base + QStringLiteral(".lst");
    return comeSulDisco(QFileInfo(percorsoFile).absoluteDir(), nomi);
}

std::vector<Segnalazione> leggiSegnalazioni(const QString& uscita, const QString& sorgente)
{
    // "FILE:N:text"; the file is matched first as given, so a colon inside the text is harmless.
    static const QRegularExpression numeroETesto(QStringLiteral("^(\\d+):(.*)$"));
    static const QRegularExpression fileNumeroTesto(QStringLiteral("^(.*?):(\\d+):(.*)$"));
    const QString nomeSorgente = QFileInfo(sorgente).fileName();
    const QString prefisso = sorgente + QLatin1Char(':');
    std::vector<Segnalazione> elenco;
    const QStringList righe = uscita.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString& riga : righe) {
        QRegularExpressionMatch m;
        int numero = 0;
        QString testo;
        if (riga.startsWith(prefisso) && (m = numeroETesto.match(riga.mid(prefisso.size()))).hasMatch()) {
            numero = m.captured(1).toInt();
            testo = m.captured(2);
        } else if ((m = fileNumeroTesto.match(riga)).hasMatch() && QFileInfo(m.captured(1)).fileName() == nomeSorgente) {
            numero = m.captured(2).toInt();
            testo = m.captured(3);
        } else {
            testo = riga;
        }
        if (!testo.trimmed().isEmpty())
            elenco.push_back({numero, testo.simplified()});
    }
    return elenco;
}

}  // namespace kobaltino
