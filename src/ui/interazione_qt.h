#pragma once

#include "model/interazione.h"

class QWidget;

namespace kobaltino {

// Interazione for the desktop: message boxes, the instruction dialogs and file dialogs.
class InterazioneQt : public Interazione {
public:
    explicit InterazioneQt(QWidget* finestra = nullptr) : finestra_(finestra) {}
    void impostaFinestra(QWidget* finestra) { finestra_ = finestra; }

    Risposta mostra(const Messaggio& messaggio) override;
    std::optional<EsitoDialogo> apriDialogo(Dialogo dialogo, int k, const Stato& stato) override;
    std::optional<EsitoDialogo> modificaDialogo(Dialogo dialogo, int k, const Stato& stato,
                                                const EsitoDialogo& attuale) override;
    QString scegliFile(const RichiestaFile& richiesta) override;

private:
    QWidget* finestra_;
};

}  // namespace kobaltino
