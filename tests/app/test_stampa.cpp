// The printout as a PDF from kobaltino-cli stampa, read back with pdftotext: every row of every
// non-empty grid, the header and the page numbers.
#include "model/catalogo.h"
#include "model/parole_parametro.h"
#include "persist/file_programma.h"
#include "support/interazione_finta.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kobaltino {
namespace {

struct Esecuzione {
    int uscita = -1;
    QString errori;
};

Esecuzione cli(const QStringList& argomenti)
{
    QProcess p;
    p.start(QStringLiteral(KOBALTINO_CLI), argomenti);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

TEST(Stampa, IlPdfContieneOgniRigaDiOgniGrigliaNonVuota)
{
    QTemporaryDir cartella;
    const QString programma = QStringLiteral(KOBALTINO_PROGRAMMI "/tutti_i_codici.kbn");
    const QString pdf = cartella.filePath(QStringLiteral("classe.pdf"));
    const Esecuzione e = cli({QStringLiteral("stampa"), programma, QStringLiteral("--nome"), QStringLiteral("Mario Rossi"),
                              QStringLiteral("-o"), pdf, QStringLiteral("--pic"), QStringLiteral("16F628"),
                              QStringLiteral("--classe"), QStringLiteral("3B")});
    ASSERT_EQ(e.uscita, 0) << e.errori.toStdString();
    // The PDF's text, laid out as on the page.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext is missing (Debian package poppler-utils)";
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());

    Stato stato;
    InterazioneFinta ui;
    Editor editor(stato, ui);
    ASSERT_TRUE(leggiProgramma(editor, programma).riuscito());
    qsizetype dove = 0;
    int righe = 0;
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const Griglia& g = stato.griglia(k);
        if (g.numIstruzioni() == 0)
            continue;
        dove = testo.indexOf(QStringLiteral("Griglia: ") + nomeGriglia(k), dove);
        ASSERT_GE(dove, 0) << k;
        // Each row in order: its number, its instruction, its parameter in words, its label.
        for (int r = 0; r < g.numIstruzioni(); ++r, ++righe) {
            QString modello = QStringLiteral("\\n\\s*%1\\s+%2").arg(r).arg(QRegularExpression::escape(QString::fromUtf8(voce(g.codice(r))->nome)));
            const QString parole = paroleRiga(g, r).breve;
            if (!parole.isEmpty())
                modello += QStringLiteral("\\s+") + QRegularExpression::escape(parole);
            if (!g.riga(r).etichetta.isEmpty())
                modello += QStringLiteral("\\s+") + g.riga(r).etichetta;
            modello += QStringLiteral("\\s*\\n");
            const QRegularExpressionMatch m = QRegularExpression(modello).match(testo, dove);
            ASSERT_TRUE(m.hasMatch()) << "griglia " << k << " riga " << r << ": " << modello.toStdString();
            dove = m.capturedEnd() - 1;
        }
    }
    EXPECT_EQ(righe, 54);  // the fixture's 54 "gg" records
    EXPECT_EQ(testo.count(QStringLiteral("Programma: tutti_i_codici")), 4);
    EXPECT_EQ(testo.count(QStringLiteral("Processore: 16F628")), 4);
    EXPECT_EQ(testo.count(QRegularExpression(QStringLiteral("Nome: Mario Rossi\\s+Classe: 3B\\s+Data: \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d"))), 4);
    for (const char* pagina : {"Pagina 1 di 4", "Pagina 2 di 4", "Pagina 3 di 4", "Pagina 4 di 4"})
        EXPECT_TRUE(testo.contains(QString::fromLatin1(pagina))) << pagina;
}

// What only stampa refuses (an unreadable program is refused as by every command).
TEST(Stampa, RifiutiDelComando)
{
    QTemporaryDir cartella;
    const QString programma = QStringLiteral(KOBALTINO_PROGRAMMI "/esempio.kbn");
    const Esecuzione senzaUscita = cli({QStringLiteral("stampa"), programma});
    EXPECT_EQ(senzaUscita.uscita, 2);
    EXPECT_TRUE(senzaUscita.errori.contains("Manca il file da scrivere (-o FILE.pdf)\n"))
        << senzaUscita.errori.toStdString();
    const Esecuzione senzaCartella = cli({QStringLiteral("stampa"), programma, QStringLiteral("-o"),
                                          cartella.filePath(QStringLiteral("no/cartella/x.pdf"))});
    EXPECT_EQ(senzaCartella.uscita, 2);
    EXPECT_TRUE(senzaCartella.errori.contains("Impossibile scrivere il file:")) << senzaCartella.errori.toStdString();
    const Esecuzione senzaNome = cli({QStringLiteral("stampa"), programma, QStringLiteral("-o"), QStringLiteral("x.pdf"),
                                      QStringLiteral("--nome")});
    EXPECT_EQ(senzaNome.uscita, 2);
    EXPECT_TRUE(senzaNome.errori.contains("Manca il valore di --nome\n")) << senzaNome.errori.toStdString();
}

}  // namespace
}  // namespace kobaltino
