#include "banco_dialoghi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

// Fontconfig keeps its font cache until the process ends; that is not a leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

namespace kobaltino {

void assicuraApplicazione()
{
    if (QApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says so for every fixed-size dialog; it tells us nothing.
    static const QtMessageHandler precedente = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
        if (!testo.contains(QLatin1String("does not support propagateSizeHints")))
            precedente(tipo, contesto, testo);
    });
    static int argc = 1;
    static char nome[] = "test_dialoghi";
    static char* argv[] = {nome, nullptr};
    new QApplication(argc, argv);
}

namespace {

Icona iconaDi(const QMessageBox& box)
{
    switch (box.icon()) {
    case QMessageBox::Information: return Icona::Informazione;
    case QMessageBox::Critical: return Icona::Critica;
    case QMessageBox::NoIcon: return Icona::Nessuna;
    default: return static_cast<Icona>(99);  // an icon no message should have
    }
}

Pulsanti pulsantiDi(const QMessageBox& box)
{
    const QMessageBox::StandardButtons b = box.standardButtons();
    if (b == QMessageBox::Ok)
        return Pulsanti::Ok;
    if (b == (QMessageBox::Yes | QMessageBox::No))
        return Pulsanti::SiNo;
    if (b == (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel))
        return Pulsanti::SiNoAnnulla;
    return static_cast<Pulsanti>(99);  // buttons no message should have
}

}  // namespace

Sportello::Sportello(std::deque<Risposta> risposte) : risposte_(std::move(risposte))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { guarda(); });
    timer_.start(5);
}

Sportello::~Sportello()
{
    EXPECT_TRUE(risposte_.empty()) << risposte_.size() << " scripted answers never used";
}

std::vector<Messaggio> Sportello::visti() const
{
    std::vector<Messaggio> elenco;
    for (const MessaggioVisto& v : dettagli)
        elenco.push_back(v.messaggio);
    return elenco;
}

void Sportello::guarda()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    MessaggioVisto visto{{box->text(), iconaDi(*box), box->windowTitle(), pulsantiDi(*box)}, {}};
    for (QAbstractButton* b : box->buttons())
        visto.pulsanti << b->text();
    visto.pulsanti.sort();
    dettagli.push_back(visto);

    QMessageBox::StandardButton scelta = QMessageBox::Ok;
    if (visto.messaggio.pulsanti != Pulsanti::Ok) {
        Risposta r = Risposta::No;
        if (risposte_.empty())
            ADD_FAILURE() << "unscripted question: " << box->text().toStdString();
        else {
            r = risposte_.front();
            risposte_.pop_front();
        }
        scelta = r == Risposta::Si ? QMessageBox::Yes : r == Risposta::Annulla ? QMessageBox::Cancel : QMessageBox::No;
    }
    if (QAbstractButton* b = box->button(scelta))
        b->click();
    else
        box->reject();
}

PilotaDialoghi::PilotaDialoghi(std::deque<Azione> azioni) : azioni_(std::move(azioni))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { guarda(); });
    timer_.start(5);
}

PilotaDialoghi::~PilotaDialoghi()
{
    EXPECT_TRUE(azioni_.empty()) << azioni_.size() << " dialogs expected but never opened";
}

void PilotaDialoghi::guarda()
{
    auto* d = qobject_cast<DialogoIstruzione*>(QApplication::activeModalWidget());
    if (d == nullptr || !d->isVisible())
        return;
    aperti << d->objectName();
    if (azioni_.empty()) {
        ADD_FAILURE() << "unexpected dialog " << d->objectName().toStdString();
        d->reject();
        return;
    }
    const Azione azione = azioni_.front();
    azioni_.pop_front();
    azione(*d);
    if (d->isVisible()) {
        ADD_FAILURE() << "the action left " << d->objectName().toStdString() << " open";
        d->reject();
    }
}

void BancoDialoghi::apri(QDialog& d)
{
    d.show();
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
}

void BancoDialoghi::scegli(QComboBox* lista, const QString& voce)
{
    ASSERT_NE(lista, nullptr);
    const int i = lista->findText(voce);
    ASSERT_GE(i, 0) << "no item " << voce.toStdString() << " in " << lista->objectName().toStdString();
    lista->setCurrentIndex(i);
}

QStringList BancoDialoghi::voci(const QComboBox* lista)
{
    QStringList elenco;
    for (int i = 0; lista != nullptr && i < lista->count(); ++i)
        elenco << lista->itemText(i);
    return elenco;
}

void BancoDialoghi::clicca(QWidget& d, const char* pulsante)
{
    auto* b = trova<QAbstractButton>(d, pulsante);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

void BancoDialoghi::digitaUnicode(QWidget* w, const QString& testo)
{
    for (QChar c : testo) {
        QKeyEvent premuto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &premuto);
        QKeyEvent rilasciato(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &rilasciato);
    }
}

void BancoDialoghi::premi(QWidget& d, int tasto)
{
    QWidget* dove = d.focusWidget() != nullptr ? d.focusWidget() : &d;
    QTest::keyClick(dove, static_cast<Qt::Key>(tasto));
}

}  // namespace kobaltino
