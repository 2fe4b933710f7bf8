#include "ui/dialogo_programmatore.h"

#include "trasferimento/esecuzione.h"
#include "trasferimento/impostazioni_programmatore.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSettings>
#include <QTextCursor>
#include <QVBoxLayout>

namespace kobaltino {

namespace {

// Longest wait for a tool's version.
constexpr int LimiteProvaMs = 30000;

}  // namespace

DialogoProgrammatore::DialogoProgrammatore(QString processore, QString hex, QWidget* parent)
    : QDialog(parent), processore_(std::move(processore)), hex_(std::move(hex))
{
    setObjectName(QStringLiteral("frmProgrammatore"));
    setWindowTitle(QStringLiteral("Programmatore"));
    preset_ = new QComboBox(this);
    preset_->setObjectName(QStringLiteral("cmbProgrammatore"));
    for (const Programmatore& p : programmatori())
        preset_->addItem(QString::fromUtf8(p.nome), QString::fromLatin1(p.id));
    preset_->addItem(QStringLiteral("Riga di comando personalizzata"), QString::fromLatin1(Personalizzato));
    riga_ = new QLineEdit(this);
    riga_->setObjectName(QStringLiteral("txtRiga"));
    riga_->setPlaceholderText(QStringLiteral("programma opzioni {pic} {hex} {porta}"));
    porta_ = new QComboBox(this);
    porta_->setObjectName(QStringLiteral("cmbPorta"));
    porta_->setEditable(true);
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts())
        porta_->addItem(p.systemLocation());
    strumento_ = new QComboBox(this);
    strumento_->setObjectName(QStringLiteral("cmbStrumento"));
    for (const char* s : strumentiIpe())
        strumento_->addItem(QString::fromLatin1(s));
    comando_ = new QLabel(this);
    comando_->setObjectName(QStringLiteral("lblComando"));
    comando_->setWordWrap(true);
    comando_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    prova_ = new QPushButton(QStringLiteral("Prova"), this);
    prova_->setObjectName(QStringLiteral("cmdProva"));
    risposta_ = new QPlainTextEdit(this);
    risposta_->setObjectName(QStringLiteral("txtRisposta"));
    risposta_->setReadOnly(true);
    risposta_->setMaximumBlockCount(500);

    auto* modulo = new QFormLayout;
    modulo->addRow(QStringLiteral("Programmatore:"), preset_);
    modulo->addRow(QStringLiteral("Riga personalizzata:"), riga_);
    modulo->addRow(QStringLiteral("Porta seriale:"), porta_);
    modulo->addRow(QStringLiteral("Strumento (IPE):"), strumento_);
    modulo->addRow(QStringLiteral("Comando:"), comando_);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    pulsanti->addButton(prova_, QDialogButtonBox::ActionRole);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(modulo);
    colonna->addWidget(risposta_);
    colonna->addWidget(pulsanti);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(prova_, &QPushButton::clicked, this, &DialogoProgrammatore::prova);

    QSettings impostazioni;
    const SceltaProgrammatore s = leggiSceltaProgrammatore(impostazioni);
    preset_->setCurrentIndex(std::max(0, preset_->findData(s.programmatore)));
    riga_->setText(s.riga);
    porta_->setCurrentText(s.porta);
    strumento_->setCurrentText(s.strumento);
    connect(preset_, &QComboBox::currentIndexChanged, this, &DialogoProgrammatore::aggiorna);
    connect(riga_, &QLineEdit::textChanged, this, &DialogoProgrammatore::aggiorna);
    connect(porta_, &QComboBox::currentTextChanged, this, &DialogoProgrammatore::aggiorna);
    connect(strumento_, &QComboBox::currentTextChanged, this, &DialogoProgrammatore::aggiorna);
    aggiorna();
    resize(560, 360);
}

SceltaProgrammatore DialogoProgrammatore::scelta() const
{
    return {preset_->currentData().toString(), riga_->text(), porta_->currentText().trimmed(),
            strumento_->currentText()};
}

void DialogoProgrammatore::aggiorna()
{
    const SceltaProgrammatore s = scelta();
    const Programmatore* voce = programmatore(s.programmatore);
    riga_->setEnabled(voce == nullptr);
    porta_->setEnabled(voce ? voce->richiedePorta : s.riga.contains(QLatin1String("{porta}")));
    strumento_->setEnabled(voce && voce->richiedeStrumento);
    const ComandoProgrammatore c = componi(s, processore_, hex_);
    comando_->setText(c.valido() ? mostraComando(c.programma, c.argomenti) : c.rifiuto);
}

void DialogoProgrammatore::prova()
{
    if (esecuzione_)
        return;
    const SceltaProgrammatore s = scelta();
    const ComandoProgrammatore c = componi(s, processore_, hex_);
    const Programmatore* voce = programmatore(s.programmatore);
    // The preset's tool even when it refuses this chip; the custom line's program, asked nothing:
    // a version option is each tool's own.
    const QString programma = voce ? QString::fromUtf8(voce->programma)
                                   : dividiParole(s.riga).value_or(QStringList{}).value(0);
    risposta_->clear();
    if (programma.isEmpty()) {
        risposta_->setPlainText(c.rifiuto);
        return;
    }
    const QString eseguibile = trovaEseguibile(programma);
    if (eseguibile.isEmpty()) {
        ComandoProgrammatore mancante = c;
        mancante.programma = programma;
        mancante.voce = voce;
        risposta_->setPlainText(messaggioNonInstallato(mancante));
        return;
    }
    const QStringList versione = voce ? dividiParole(QString::fromUtf8(voce->versione)).value_or(QStringList{})
                                      : QStringList{};
    risposta_->setPlainText(QStringLiteral("Trovato: %1\n%2\n")
                                .arg(eseguibile, voce ? mostraComando(programma, versione)
                                                      : QStringLiteral("(nessuna opzione di versione nota)")));
    if (!voce)
        return;
    prova_->setEnabled(false);
    esecuzione_ = new Esecuzione(eseguibile, versione, LimiteProvaMs, this);
    connect(esecuzione_, &Esecuzione::testo, risposta_, [this](const QString& pezzo) {
        risposta_->moveCursor(QTextCursor::End);  // after the lines already shown, wherever the user clicked
        risposta_->insertPlainText(pezzo);
    });
    connect(esecuzione_, &Esecuzione::finita, this, [this](const EsitoEsecuzione& e) {
        if (e.fine != EsitoEsecuzione::Terminata)
            risposta_->appendPlainText(QStringLiteral("Il programma non ha risposto."));
        prova_->setEnabled(true);
        esecuzione_->deleteLater();
        esecuzione_ = nullptr;
    });
    esecuzione_->avvia();
}

void DialogoProgrammatore::accept()
{
    QSettings impostazioni;
    scriviSceltaProgrammatore(impostazioni, scelta());
    QDialog::accept();
}

}  // namespace kobaltino
