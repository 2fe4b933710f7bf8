#include "dialogs/valore_memoria.h"

#include "model/parametri.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringEncoder>

namespace kobaltino {

int lunghezzaMassima(TipoDato tipo)
{
    switch (tipo) {
    case TipoDato::Numerico: return 3;
    case TipoDato::Carattere: return 1;
    case TipoDato::Binario: return 8;
    }
    return 0;
}

namespace {

bool inWindows1252(QChar c)
{
    QStringEncoder codifica("windows-1252");
    if (!codifica.isValid())
        return c.unicode() < 0x80;  // no converter: plain ASCII is safe everywhere
    const QByteArray byte = codifica.encode(QString(c));
    return !codifica.hasError() && byte.size() == 1;
}

// Keys that never type a character into the box: the dialog's own keys and Delete.
bool tastoSenzaCarattere(int tasto)
{
    switch (tasto) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool carattereAmmesso(TipoDato tipo, QChar c)
{
    switch (tipo) {
    case TipoDato::Binario:
        return c == u'0' || c == u'1';
    case TipoDato::Carattere:
        // A digit is what Numerico is for; the assembler refuses a double quote or a
        // backslash between apostrophes (the apostrophe itself it takes); the program file
        // and the assembler source are Windows-1252.
        if (c >= u'0' && c <= u'9')
            return false;
        if (!carattereNonAssemblabile(c).isEmpty())
            return false;
        if (c.category() == QChar::Other_Control)
            return false;
        return inWindows1252(c);
    case TipoDato::Numerico:
        return c.category() != QChar::Other_Control;
    }
    return false;
}

bool tastoAmmesso(TipoDato tipo, int tasto, const QString& testo)
{
    if (tipo == TipoDato::Numerico || tastoSenzaCarattere(tasto))
        return true;
    if (tasto == Qt::Key_Backspace)
        return tipo != TipoDato::Binario;
    if (testo.isEmpty())
        return true;
    for (QChar c : testo) {
        if (!carattereAmmesso(tipo, c))
            return false;
    }
    return true;
}

QString letterale(TipoDato tipo, const QString& valore)
{
    switch (tipo) {
    case TipoDato::Numerico: return QStringLiteral("d'") + valore + u'\'';
    case TipoDato::Carattere: return u'\'' + valore + u'\'';
    case TipoDato::Binario: return QStringLiteral("b'") + valore + u'\'';
    }
    return {};
}

bool numeroByte(const QString& valore)
{
    if (valore.isEmpty() || valore.size() > 3)
        return false;
    for (QChar c : valore) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return valore.toInt() <= 255;
}

FiltroValore::FiltroValore(QLineEdit* casella, TipoDato tipo) : QValidator(casella), casella_(casella), tipo_(tipo)
{
    casella_->setValidator(this);
    casella_->installEventFilter(this);
    casella_->setMaxLength(lunghezzaMassima(tipo_));
}

void FiltroValore::impostaTipo(TipoDato tipo)
{
    tipo_ = tipo;
    casella_->setMaxLength(lunghezzaMassima(tipo_));
}

bool FiltroValore::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != casella_ || evento->type() != QEvent::KeyPress)
        return false;
    casella_->setMaxLength(lunghezzaMassima(tipo_));
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tastoAmmesso(tipo_, tasto->key(), tasto->text()))
        return false;
    // A key that looks right but cannot be used: say why, and what to write instead.
    if (tipo_ == TipoDato::Carattere)
        for (QChar c : tasto->text())
            if (const QString motivo = carattereNonAssemblabile(c); !motivo.isEmpty()) {
                emit rifiutato(motivo.left(1).toUpper() + motivo.mid(1));
                break;
            }
    return true;
}

QValidator::State FiltroValore::validate(QString& testo, int&) const
{
    for (QChar c : testo) {
        if (!carattereAmmesso(tipo_, c))
            return Invalid;
    }
    return Acceptable;
}

}  // namespace kobaltino
