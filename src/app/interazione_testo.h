#pragma once

#include "model/interazione.h"

#include <QTextStream>

namespace kobaltino {

// Interazione for the command line: messages go to standard error, questions are answered
// No (or Annulla), dialogs and file choices are cancelled. Nothing is ever asked of a person.
class InterazioneTesto : public Interazione {
public:
    explicit InterazioneTesto(QTextStream& errori) : errori_(errori) {}

    Risposta mostra(const Messaggio& messaggio) override;
    std::optional<EsitoDialogo> apriDialogo(Dialogo, int, const Stato&) override { return std::nullopt; }
    QString scegliFile(const RichiestaFile&) override { return {}; }

private:
    QTextStream& errori_;
};

}  // namespace kobaltino
