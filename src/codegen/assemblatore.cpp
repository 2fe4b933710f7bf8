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

// The file of `cartella` whose name equals `nome` ignoring case, empty when there is none.
QString comeSulDisco(const QDir& cartella, const QString& nome)
{
    const QStringList presenti = cartella.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& p : presenti)
        if (p.compare(nome, Qt::CaseInsensitive) == 0)
            return cartella.filePath(p);
    return {};
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
    QStringList nomi;
    if (percorsoFile.size() > 3)
        nomi << QFileInfo(percorsoFile.chopped(3) + QStringLiteral("COD")).fileName();
    if (eGpasm(percorsoCompilatore)) {
        const QString base = QFileInfo(percorsoFile).completeBaseName();
        nomi << base + QStringLiteral(".cod") << base + QStringLiteral(".lst");
    }
    const QDir cartella = QFileInfo(percorsoFile).absoluteDir();
    QStringList trovati;
    for (const QString& nome : nomi) {
        const QString f = comeSulDisco(cartella, nome);
        if (!f.isEmpty() && !trovati.contains(f))
            trovati << f;
    }
    return trovati;
}

std::vector<Segnalazione> leggiSegnalazioni(const QString& uscita, const QString& sorgente)
{
    static const QRegularExpression conRiga(QStringLiteral("^(.*):(\\d+):(.*)$"));
    const QString nomeSorgente = QFileInfo(sorgente).fileName();
    std::vector<Segnalazione> elenco;
    const QStringList righe = uscita.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString& riga : righe) {
        const QRegularExpressionMatch m = conRiga.match(riga);
        const bool delSorgente = m.hasMatch()
                                 && (m.captured(1) == sorgente || QFileInfo(m.captured(1)).fileName() == nomeSorgente);
        if (delSorgente)
            elenco.push_back({m.captured(2).toInt(), m.captured(3).simplified()});
        else if (!riga.trimmed().isEmpty())
            elenco.push_back({0, riga.simplified()});
    }
    return elenco;
}

}  // namespace kobaltino
