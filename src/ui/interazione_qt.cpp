#include "ui/interazione_qt.h"

#include "dialogs/fabbrica_dialoghi.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kobaltino {

Risposta InterazioneQt::mostra(const Messaggio& m)
{
    QMessageBox box(finestra_);
    box.setWindowTitle(m.titolo);
    box.setText(m.testo);
    switch (m.icona) {
    case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::Informazione: box.setIcon(QMessageBox::Information); break;
    case Icona::Critica: box.setIcon(QMessageBox::Critical); break;
    }
    switch (m.pulsanti) {
    case Pulsanti::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Pulsanti::SiNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
        break;
    case Pulsanti::SiNoAnnulla:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    case QMessageBox::Cancel: return Risposta::Annulla;
    default: return m.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::Annulla;
    }
}

std::optional<EsitoDialogo> InterazioneQt::apriDialogo(Dialogo dialogo, int k, const Stato& stato)
{
    // Loading and pasting insert rows without asking anything.
    if (stato.InserimentoAutomatico)
        return std::nullopt;
    const std::unique_ptr<DialogoIstruzione> finestra = creaDialogo(dialogo, k, stato, finestra_);
    if (!finestra)
        return std::nullopt;
    finestra->exec();
    return finestra->esito();
}

QString InterazioneQt::scegliFile(const RichiestaFile& r)
{
    QFileDialog dialogo(finestra_);
    dialogo.setNameFilters(r.filtri);
    if (!r.cartella.isEmpty())
        dialogo.setDirectory(r.cartella);
    if (!r.nome.isEmpty())
        dialogo.selectFile(r.nome);
    dialogo.setOption(QFileDialog::ReadOnly, false);
    if (r.tipo == RichiestaFile::Salva) {
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
    } else {
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}

}  // namespace kobaltino
