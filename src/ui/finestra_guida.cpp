#include "ui/finestra_guida.h"

#include "persist/impostazioni.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace kobaltino {

namespace {

struct VoceIndice {
    const char* titolo;
    const char* pagina;
};

// Every page of the help folder, in the order of the index page; the search looks in each.
const std::array<VoceIndice, 11> Indice = {{
    {"Guida di Kobaltino", "indice.html"},
    {"Per iniziare", "iniziare.html"},
    {"Le istruzioni", "istruzioni.html"},
    {"Menu e scorciatoie", "menu.html"},
    {"I sensori", "sensori.html"},
    {"Compilare e scrivere il robot", "compilare.html"},
    {"Trasferire il programma nel robot", "trasferire.html"},
    {"Il simulatore", "simulatore.html"},
    {"Sfide e valutazione della classe", "sfide.html"},
    {"Il formato .kbn", "formato.html"},
    {"I messaggi di errore", "errori.html"},
}};

const QString PaginaIniziale = QStringLiteral("indice.html");

// The anchor of each instruction code's paragraph in istruzioni.html, code 1 first.
const std::array<const char*, 28> AncoreIstruzioni = {
    "avanti",   "indietro",     "sinistra",     "destra",       "ruotasx",      "ruotadx",     "fermo",
    "attendi",  "vaia",         "seattivovaia", "seattivovaia", "sleep",        "scriviram",   "ritorna",
    "se",       "se",           "scriviram",    "spostaeeprom", "incrementa",   "incrementa",  "braccio",
    "incrementa", "incrementa", "incrementa",   "incrementa",   "operazioni",   "seattivofai", "seattivofai"};

QString testoPagina(const QString& cartella, const QString& pagina)
{
    QFile f(QDir(cartella).filePath(pagina));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QTextDocument documento;
    documento.setHtml(QString::fromUtf8(f.readAll()));
    return documento.toPlainText();
}

}  // namespace

QString cartellaGuida()
{
    const QString cartella = cartellaGuida(QCoreApplication::applicationDirPath());
    return QFile::exists(QDir(cartella).filePath(PaginaIniziale)) ? cartella : QString();
}

FinestraGuida::FinestraGuida(const QString& cartella, QWidget* genitore)
    : QMainWindow(genitore), cartella_(cartella)
{
    setWindowTitle(QStringLiteral("Guida di Kobaltino"));
    setObjectName(QStringLiteral("FinestraGuida"));

    pagina_ = new QTextBrowser;
    pagina_->setObjectName(QStringLiteral("pagina"));
    pagina_->setSearchPaths({cartella_});
    pagina_->setOpenExternalLinks(true);
    // The pages link stile.css, which the text browser does not load by itself.
    QFile stile(QDir(cartella_).filePath(QStringLiteral("stile.css")));
    if (!cartella_.isEmpty() && stile.open(QIODevice::ReadOnly))
        pagina_->document()->setDefaultStyleSheet(QString::fromUtf8(stile.readAll()));

    indice_ = new QListWidget;
    indice_->setObjectName(QStringLiteral("indice"));
    for (const VoceIndice& v : Indice) {
        auto* voce = new QListWidgetItem(QString::fromUtf8(v.titolo), indice_);
        voce->setData(Qt::UserRole, QString::fromLatin1(v.pagina));
    }
    connect(indice_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* v) { apri(v->data(Qt::UserRole).toString()); });
    connect(indice_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* v) { apri(v->data(Qt::UserRole).toString()); });
    // The table of contents follows the page shown, also when a link in the page led there.
    connect(pagina_, &QTextBrowser::sourceChanged, this, [this](const QUrl& sorgente) {
        const QString nome = sorgente.fileName();
        for (int i = 0; i < indice_->count(); ++i)
            if (indice_->item(i)->data(Qt::UserRole).toString() == nome)
                indice_->setCurrentRow(i);
    });

    ricerca_ = new QLineEdit;
    ricerca_->setObjectName(QStringLiteral("ricerca"));
    ricerca_->setPlaceholderText(QStringLiteral("Cerca nella guida..."));
    ricerca_->setClearButtonEnabled(true);
    risultati_ = new QListWidget;
    risultati_->setObjectName(QStringLiteral("risultati"));
    connect(ricerca_, &QLineEdit::textChanged, this, &FinestraGuida::aggiornaRisultati);
    connect(risultati_, &QListWidget::itemClicked, this, [this](QListWidgetItem* v) {
        apri(v->data(Qt::UserRole).toString());
        pagina_->find(ricerca_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0));
    });

    auto* colonna = new QWidget;
    auto* disposizione = new QVBoxLayout(colonna);
    disposizione->setContentsMargins(0, 0, 0, 0);
    disposizione->addWidget(new QLabel(QStringLiteral("Indice")));
    disposizione->addWidget(indice_, 3);
    disposizione->addWidget(new QLabel(QStringLiteral("Cerca")));
    disposizione->addWidget(ricerca_);
    disposizione->addWidget(risultati_, 2);

    auto* divisore = new QSplitter;
    divisore->addWidget(colonna);
    divisore->addWidget(pagina_);
    divisore->setStretchFactor(1, 1);
    divisore->setSizes({220, 620});
    setCentralWidget(divisore);
    resize(900, 620);

    // Esc and Ctrl+W put the help away, as in other viewers.
    auto* chiudi = new QAction(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudiGuida"));
    chiudi->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(chiudi, &QAction::triggered, this, &QWidget::close);
    addAction(chiudi);

    if (cartella_.isEmpty())
        pagina_->setHtml(QStringLiteral("<h2>Guida non trovata</h2><p>La cartella <b>Help</b> della guida non "
                                        "è accanto al programma né fra i dati installati.</p>"));
}

void FinestraGuida::apri(const QString& pagina)
{
    if (cartella_.isEmpty())
        return;
    const QString destinazione = pagina.isEmpty() ? PaginaIniziale : pagina;
    const QUrl url = QUrl::fromLocalFile(QDir(cartella_).filePath(destinazione.section(QLatin1Char('#'), 0, 0)));
    QUrl conAncora = url;
    if (destinazione.contains(QLatin1Char('#')))
        conAncora.setFragment(destinazione.section(QLatin1Char('#'), 1));
    pagina_->setSource(conAncora);
}

QString FinestraGuida::paginaCorrente() const
{
    const QUrl sorgente = pagina_->source();
    QString nome = QFileInfo(sorgente.toLocalFile()).fileName();
    if (sorgente.hasFragment())
        nome += QLatin1Char('#') + sorgente.fragment();
    return nome;
}

QStringList FinestraGuida::cerca(const QString& testo) const
{
    const QStringList parole = testo.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QStringList trovate;
    if (parole.isEmpty() || cartella_.isEmpty())
        return trovate;
    for (const VoceIndice& v : Indice) {
        const QString contenuto = testoPagina(cartella_, QString::fromLatin1(v.pagina));
        bool tutte = true;
        for (const QString& p : parole)
            tutte = tutte && contenuto.contains(p, Qt::CaseInsensitive);
        if (tutte)
            trovate << QString::fromLatin1(v.pagina);
    }
    return trovate;
}

void FinestraGuida::aggiornaRisultati()
{
    risultati_->clear();
    for (const QString& pagina : cerca(ricerca_->text())) {
        for (const VoceIndice& v : Indice) {
            if (pagina == QLatin1String(v.pagina)) {
                auto* voce = new QListWidgetItem(QString::fromUtf8(v.titolo), risultati_);
                voce->setData(Qt::UserRole, pagina);
            }
        }
    }
}

QString paginaIstruzione(int codice)
{
    if (codice < 1 || codice > 28)
        return {};
    return QStringLiteral("istruzioni.html#") + QLatin1String(AncoreIstruzioni[static_cast<size_t>(codice - 1)]);
}

void mostraGuida(QWidget* genitore, const QString& pagina)
{
    FinestraGuida* finestra = guida(genitore);
    finestra->apri(pagina);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

FinestraGuida* guida(QWidget* genitore)
{
    static QPointer<FinestraGuida> finestra;
    if (!finestra) {
        finestra = new FinestraGuida(cartellaGuida(), genitore);
        finestra->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return finestra;
}

}  // namespace kobaltino
