#include "ui/interazione_qt.h"

#include "dialogs/avviso.h"
#include "dialogs/fabbrica_dialoghi.h"

#include <QFileDialog>

namespace kobaltino {

Risposta InterazioneQt::mostra(const Messaggio& m)
{
    return mostraAvviso(finestra_, m);
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

std::optional<EsitoDialogo> InterazioneQt::modificaDialogo(Dialogo dialogo, int k, const Stato& stato,
                                                           const EsitoDialogo& attuale)
{
    const std::unique_ptr<DialogoIstruzione> finestra = creaDialogo(dialogo, k, stato, finestra_);
    if (!finestra)
        return std::nullopt;
    finestra->precompila(attuale);
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
