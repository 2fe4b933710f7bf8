#include "ui/finestra_trasferimento.h"

#include "trasferimento/impostazioni_programmatore.h"
#include "trasferimento/preparazione.h"
#include "trasferimento/spiegazione.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QHBoxLayout>
#include <QSettings>
#include <QVBoxLayout>

namespace kobaltino {

FinestraTrasferimento::FinestraTrasferimento(const ComandoProgrammatore& comando, const QString& eseguibile,
                                             QString processore, int parole, QWidget* parent, int limiteMs)
    : QDialog(parent), voce_(comando.voce), processore_(std::move(processore)), parole_(parole), limiteMs_(limiteMs),
      esecuzione_(eseguibile, comando.argomenti, limiteMs)
{
    setObjectName(QStringLiteral("frmTrasferisci"));
    setWindowTitle(QStringLiteral("Trasferisci"));
    stato_ = new QLabel(QStringLiteral("Trasferimento del programma nel robot (%1)...").arg(processore_), this);
    stato_->setObjectName(QStringLiteral("lblStato"));
    stato_->setWordWrap(true);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 0);  // indeterminate until the tool prints a percentage
    uscita_ = new QPlainTextEdit(this);
    uscita_->setObjectName(QStringLiteral("txtUscita"));
    uscita_->setReadOnly(true);
    uscita_->setMaximumBlockCount(5000);
    uscita_->setPlainText(mostraComando(comando.programma, comando.argomenti) + QLatin1Char('\n'));
    uscita_->hide();
    mostra_ = new QPushButton(QStringLiteral("Mostra l'uscita del programmatore"), this);
    mostra_->setObjectName(QStringLiteral("cmdMostra"));
    mostra_->setCheckable(true);
    annulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    annulla_->setObjectName(QStringLiteral("cmdAnnulla"));
    auto* riga = new QHBoxLayout;
    riga->addWidget(mostra_);
    riga->addStretch();
    riga->addWidget(annulla_);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(stato_);
    colonna->addWidget(barra_);
    colonna->addWidget(uscita_, 1);
    colonna->addLayout(riga);
    connect(mostra_, &QPushButton::toggled, uscita_, &QWidget::setVisible);
    connect(annulla_, &QPushButton::clicked, this, &FinestraTrasferimento::reject);
    connect(&esecuzione_, &Esecuzione::testo, this, [this](const QString& pezzo) {
        uscita_->moveCursor(QTextCursor::End);
        uscita_->insertPlainText(pezzo);
    });
    connect(&esecuzione_, &Esecuzione::avanzamento, this, [this](int p) {
        barra_->setRange(0, 100);
        barra_->setValue(p);
    });
    connect(&esecuzione_, &Esecuzione::finita, this, &FinestraTrasferimento::fine);
    resize(520, 160);
}

void FinestraTrasferimento::avvia() { esecuzione_.avvia(); }

QString FinestraTrasferimento::conclusione() const { return finita_ ? stato_->text() : QString(); }

void FinestraTrasferimento::reject()
{
    if (!finita_) {
        esecuzione_.annulla();  // the window stays to say that it was stopped
        return;
    }
    QDialog::reject();
}

void FinestraTrasferimento::fine(const EsitoEsecuzione& esito)
{
    finita_ = true;
    const Conclusione c = concludi(voce_, esito, processore_, parole_, limiteMs_);
    riuscita_ = c.riuscita;
    stato_->setText(c.frase);
    barra_->setRange(0, 100);
    barra_->setValue(c.riuscita ? 100 : barra_->value());
    annulla_->setText(QStringLiteral("Chiudi"));
    emit conclusa();
}

void trasferisciNelRobot(QWidget* finestra, Stato& stato, Interazione& interazione, const std::function<void()>& salva)
{
    QSettings impostazioni;
    const SceltaProgrammatore scelta = leggiSceltaProgrammatore(impostazioni);
    // What cannot run is said before anything is saved or compiled.
    const ComandoProgrammatore prova = componi(scelta, stato.Processore, QStringLiteral("programma.hex"));
    if (!prova.valido()) {
        interazione.mostra({prova.rifiuto});
        return;
    }
    const QString eseguibile = trovaEseguibile(prova.programma);
    if (eseguibile.isEmpty()) {
        interazione.mostra({messaggioNonInstallato(prova), Icona::Critica});
        return;
    }
    if ((stato.Modificato || stato.PercorsoFile.isEmpty()) && salva)
        salva();  // a cancelled save leaves the program modified: the compile then says so
    const std::optional<HexDaTrasferire> hex = compilaPerTrasferire(stato, interazione);
    if (!hex)
        return;
    FinestraTrasferimento f(componi(scelta, stato.Processore, hex->percorso), eseguibile, stato.Processore,
                            hex->parole, finestra);
    f.avvia();
    f.exec();
}

}  // namespace kobaltino
