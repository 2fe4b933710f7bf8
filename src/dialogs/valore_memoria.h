#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace kobaltino {

// How the value of a memory write is typed and turned into an assembler literal.
enum class TipoDato { Numerico, Carattere, Binario };

// Maximum length of the value box.
int lunghezzaMassima(TipoDato tipo);

// Whether a key typed into the value box is kept. `tasto` is the Qt key, `testo` the
// text it types. Numerico keeps every key; keys that type nothing (arrows, Delete) and the
// keys the dialog itself uses (Tab, Enter, Esc) are never discarded.
bool tastoAmmesso(TipoDato tipo, int tasto, const QString& testo);

// Whether `c` may stand in the value: the same rule for text that arrives without
// keys (pasting, dropping, composing).
bool carattereAmmesso(TipoDato tipo, QChar c);

// The literal for `valore`, the text exactly as typed: b'...', '...' or d'...'.
QString letterale(TipoDato tipo, const QString& valore);

// A whole number 0..255 written in decimal digits only.
bool numeroByte(const QString& valore);

// Keeps the value box to what the selected data type accepts: discards keys and
// refuses any other text that could not have been typed.
class FiltroValore : public QValidator {
    Q_OBJECT
public:
    FiltroValore(QLineEdit* casella, TipoDato tipo);

    // The data type selected now; also sets the box's maximum length.
    void impostaTipo(TipoDato tipo);

    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    State validate(QString& testo, int& posizione) const override;

signals:
    // A character key was discarded for a reason the user should hear: `motivo` says it.
    void rifiutato(const QString& motivo);

private:
    QLineEdit* casella_;
    TipoDato tipo_;
};

}  // namespace kobaltino
