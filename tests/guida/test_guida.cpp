#include "ui/finestra_guida.h"
#include "ui/frm_about.h"
#include "support/applicazione.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace kobaltino {
namespace {

class Guida : public ::testing::Test {
protected:
    static void SetUpTestSuite() { applicazione(); }
};

// The index holds every page of the folder, once; each page's links lead to real pages.
TEST_F(Guida, OgniPaginaDellIndiceEsisteEISuoiCollegamentiPortanoAPagineVere)
{
    const QDir cartella(KOBALTINO_GUIDA);
    FinestraGuida finestra(cartella.path());
    auto* indice = finestra.findChild<QListWidget*>("indice");
    ASSERT_NE(indice, nullptr);
    QStringList nellIndice;
    for (int i = 0; i < indice->count(); ++i)
        nellIndice << indice->item(i)->data(Qt::UserRole).toString();
    nellIndice.sort();
    EXPECT_EQ(nellIndice, cartella.entryList({"*.html"}, QDir::Files, QDir::Name));
    const QRegularExpression collegamento(R"(href="([a-z]+\.html)(#[a-z]+)?")");
    for (int i = 0; i < indice->count(); ++i) {
        const QString pagina = indice->item(i)->data(Qt::UserRole).toString();
        QFile f(cartella.filePath(pagina));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << pagina.toStdString();
        const QString html = QString::fromUtf8(f.readAll());
        for (auto m = collegamento.globalMatch(html); m.hasNext();) {
            const auto c = m.next();
            EXPECT_TRUE(cartella.exists(c.captured(1))) << pagina.toStdString() << " -> " << c.captured(1).toStdString();
        }
    }
}

TEST_F(Guida, ApreLaPaginaChiestaEQuellaIniziale)
{
    FinestraGuida finestra(KOBALTINO_GUIDA);
    finestra.apri();
    EXPECT_EQ(finestra.paginaCorrente(), "indice.html");
    finestra.apri("istruzioni.html#attendi");
    EXPECT_EQ(finestra.paginaCorrente(), "istruzioni.html#attendi");
    EXPECT_EQ(finestra.findChild<QListWidget*>("indice")->currentItem()->text(), "Le istruzioni");
    EXPECT_TRUE(finestra.findChild<QTextBrowser*>("pagina")->toPlainText().contains("Inserire i secondi di attesa"));

    // A link followed inside a page moves the table of contents along: the index page's first link.
    finestra.apri();
    auto* pagina = finestra.findChild<QTextBrowser*>("pagina");
    pagina->setFocus();
    QTest::keyClick(pagina, Qt::Key_Tab);
    QTest::keyClick(pagina, Qt::Key_Return);
    EXPECT_EQ(finestra.paginaCorrente(), "iniziare.html");
    EXPECT_EQ(finestra.findChild<QListWidget*>("indice")->currentItem()->text(), "Per iniziare");
}

TEST_F(Guida, LaRicercaTrovaLePagineConTutteLeParole)
{
    FinestraGuida finestra(KOBALTINO_GUIDA);
    EXPECT_EQ(finestra.cerca("spazzi"), QStringList{"errori.html"});
    EXPECT_TRUE(finestra.cerca("gpasm hex").contains("compilare.html"));
    for (const char* parola : {"arena", "simulatore", "Ricomincia"})
        EXPECT_TRUE(finestra.cerca(parola).contains("simulatore.html")) << parola;
    EXPECT_TRUE(finestra.cerca("parolachenonce").isEmpty());
    EXPECT_TRUE(finestra.cerca("   ").isEmpty());

    auto* ricerca = finestra.findChild<QLineEdit*>("ricerca");
    QTest::keyClicks(ricerca, "PORTB,7");
    auto* risultati = finestra.findChild<QListWidget*>("risultati");
    ASSERT_EQ(risultati->count(), 2);
    EXPECT_EQ(risultati->item(0)->text(), "I sensori");
    EXPECT_EQ(risultati->item(1)->text(), "Il simulatore");
}

TEST_F(Guida, SenzaCartellaMostraUnAvviso)
{
    FinestraGuida finestra(QString{});
    finestra.apri("indice.html");
    EXPECT_TRUE(finestra.findChild<QTextBrowser*>("pagina")->toPlainText().contains("Guida non trovata"));
}

// The About window: its version, a link handed to the browser, "Chiudi" closing it after its animation.
TEST_F(Guida, AboutMostraLaVersioneApreICollegamentiESiChiude)
{
    static QList<QUrl> aperti;
    FrmAbout::apriIndirizzo = [](const QUrl& u) {
        aperti << u;
        return true;
    };
    FrmAbout about;
    EXPECT_EQ(about.findChild<QLabel*>("lblVersione")->text(), "VERS. 1.0.0");
    auto* link = about.findChild<QLabel*>("lblCollegamento3");
    ASSERT_NE(link, nullptr);
    emit link->linkActivated("https://gputils.sourceforge.io/");
    ASSERT_EQ(aperti.size(), 1);
    EXPECT_EQ(aperti[0], QUrl("https://gputils.sourceforge.io/"));
    FrmAbout::apriIndirizzo = nullptr;

    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("cmdChiudi"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !about.isVisible(); }, 3000));
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kobaltino
