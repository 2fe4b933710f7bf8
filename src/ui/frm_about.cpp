#include "ui/frm_about.h"

#include "model/versione.h"
#include "ui/finestra_guida.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace kobaltino {

QString testoVersione()
{
    return QStringLiteral("VERS. %1.%2.%3").arg(VersioneMaggiore).arg(VersioneMinore).arg(VersioneRevisione);
}

QList<FrmAbout::Collegamento> FrmAbout::collegamenti()
{
    return {
        {QStringLiteral("Guida in linea di Kobaltino"), QUrl(QStringLiteral("indice.html"))},
        {QStringLiteral("I messaggi e che cosa fare"), QUrl(QStringLiteral("errori.html"))},
        {QStringLiteral("gputils, l'assemblatore gpasm"), QUrl(QStringLiteral("https://gputils.sourceforge.io/"))},
    };
}

void FrmAbout::apriCollegamento(const QUrl& indirizzo)
{
    // Web and mail go to the desktop; a help page opens in the program's own help window,
    // which needs no launcher and shows the page even on a machine without one.
    const QString schema = indirizzo.scheme();
    if (schema == QLatin1String("http") || schema == QLatin1String("https") || schema == QLatin1String("mailto")) {
        if (apriIndirizzo)
            apriIndirizzo(indirizzo);
        else
            QDesktopServices::openUrl(indirizzo);
        return;
    }
    // The box is modal: it makes way, else the help window could not be used.
    accept();
    mostraGuida(parentWidget(), indirizzo.toString());
}

FrmAbout::FrmAbout(QWidget* genitore) : QDialog(genitore)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Informazioni su Kobaltino"));
    setModal(true);

    nome_ = new QLabel(QStringLiteral("Kobaltino"));
    nome_->setObjectName(QStringLiteral("lblNome"));
    QFont grande = nome_->font();
    grande.setPointSizeF(grande.pointSizeF() * 2.2);
    grande.setBold(true);
    nome_->setFont(grande);
    nome_->setAlignment(Qt::AlignCenter);

    versione_ = new QLabel(testoVersione());
    versione_->setObjectName(QStringLiteral("lblVersione"));
    versione_->setAlignment(Qt::AlignCenter);

    auto* descrizione = new QLabel(QStringLiteral(
        "Editor e generatore di codice per il robot didattico a microcontrollore PIC."));
    descrizione->setWordWrap(true);
    descrizione->setAlignment(Qt::AlignCenter);

    auto* gruppo = new QLabel(QStringLiteral(
        "<b>Progetto e sviluppo:</b> il gruppo di sviluppo di Kobaltino<br>"
        "<b>Generatore di codice e assemblatore:</b> il gruppo di sviluppo di Kobaltino, con gputils<br>"
        "<b>Guida e materiale didattico:</b> il gruppo di sviluppo di Kobaltino"));
    gruppo->setObjectName(QStringLiteral("lblGruppo"));
    gruppo->setWordWrap(true);

    auto* avviso = new QLabel(QStringLiteral(
        "Questo programma è freeware: non può essere venduto, copiato o ceduto senza "
        "l'autorizzazione dell'autore."));
    avviso->setObjectName(QStringLiteral("lblFreeware"));
    avviso->setWordWrap(true);

    auto* disposizione = new QVBoxLayout(this);
    disposizione->addWidget(nome_);
    disposizione->addWidget(versione_);
    disposizione->addWidget(descrizione);
    disposizione->addSpacing(8);
    disposizione->addWidget(gruppo);
    disposizione->addSpacing(8);
    disposizione->addWidget(avviso);
    disposizione->addSpacing(8);

    int indice = 0;
    for (const Collegamento& c : collegamenti()) {
        auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(c.indirizzo.toString(), c.testo.toHtmlEscaped()));
        link->setObjectName(QStringLiteral("lblCollegamento%1").arg(++indice));
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(link, &QLabel::linkActivated, this, [this](const QString& indirizzo) { apriCollegamento(QUrl(indirizzo)); });
        disposizione->addWidget(link);
    }

    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"));
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    chiudi->setToolTip(QStringLiteral("Fare click per chiudere la finestra"));
    chiudi->setDefault(true);
    connect(chiudi, &QPushButton::clicked, this, &FrmAbout::chiudiConAnimazione);
    disposizione->addSpacing(6);
    disposizione->addWidget(chiudi, 0, Qt::AlignHCenter);

    colori_ = new QTimer(this);
    colori_->setInterval(400);
    connect(colori_, &QTimer::timeout, this, &FrmAbout::cambiaColori);
}

void FrmAbout::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    colori_->start();
    // Grows from a point in the centre of the screen to its full size, without blocking.
    const QSize finale = sizeHint().expandedTo(QSize(420, 0));
    const QRect schermo = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect arrivo(schermo.center() - QPoint(finale.width() / 2, finale.height() / 2), finale);
    auto* crescita = new QPropertyAnimation(this, "geometry", this);
    crescita->setDuration(350);
    crescita->setStartValue(QRect(schermo.center(), QSize(10, 10)));
    crescita->setEndValue(arrivo);
    crescita->start(QAbstractAnimation::DeleteWhenStopped);
}

void FrmAbout::cambiaColori()
{
    auto* caso = QRandomGenerator::global();
    for (QLabel* etichetta : {nome_, versione_}) {
        const QColor colore(caso->bounded(256), caso->bounded(256), caso->bounded(256));
        etichetta->setStyleSheet(QStringLiteral("color: %1").arg(colore.name()));
    }
    versione_->setText(testoVersione());
}

void FrmAbout::chiudiConAnimazione()
{
    if (chiusura_)
        return;
    chiusura_ = true;
    colori_->stop();
    const QRect da = geometry();
    auto* riduzione = new QPropertyAnimation(this, "geometry", this);
    riduzione->setDuration(250);
    riduzione->setStartValue(da);
    riduzione->setEndValue(QRect(da.center(), QSize(10, 10)));
    connect(riduzione, &QPropertyAnimation::finished, this, &QDialog::accept);
    riduzione->start(QAbstractAnimation::DeleteWhenStopped);
}

}  // namespace kobaltino
