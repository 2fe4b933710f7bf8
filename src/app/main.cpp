#include "model/editor.h"
#include "ui/interazione_qt.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kobaltino"));

    kobaltino::Stato stato;
    kobaltino::InterazioneQt interazione;
    kobaltino::Editor editor(stato, interazione);

    QMainWindow finestra;
    interazione.impostaFinestra(&finestra);
    finestra.setWindowTitle(stato.Titolo);
    auto* avviso = new QLabel(QStringLiteral("Kobaltino: la finestra principale è in preparazione."));
    avviso->setAlignment(Qt::AlignCenter);
    finestra.setCentralWidget(avviso);
    finestra.resize(800, 600);
    finestra.show();
    return QApplication::exec();
}
