#pragma once

#include "support/approvazione.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace kobaltino {

// Every named control as one line, sorted: "name: text" (a list's items as "a|b|c", its
// choice in brackets, "(modificabile)" if one can type in it; "(default)" button, "(x)"
// checked option, "(spenta)" disabled control, "max N" for a text box) and
// "name? tooltip"; the dialog itself gives "name: caption".
inline QStringList descrivi(const QDialog& d)
{
    QStringList righe{d.objectName() + ": " + d.windowTitle()};
    for (QWidget* w : d.findChildren<QWidget*>()) {
        const QString nome = w->objectName();
        QString riga = nome + ": ";
        if (nome.isEmpty() || nome.startsWith("qt_"))
            continue;
        if (auto* l = qobject_cast<QLabel*>(w))
            riga += l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            riga += g->title();
        else if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i)
                riga += (i > 0 ? "|" : "") + c->itemText(i);
            riga += (c->currentIndex() >= 0 ? " [" + c->currentText() + "]" : "") + (c->isEditable() ? " (modificabile)" : "");
        } else if (auto* e = qobject_cast<QLineEdit*>(w))
            riga += QStringLiteral("max %1").arg(e->maxLength());
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            auto* p = qobject_cast<QPushButton*>(w);
            riga += b->text() + (p != nullptr && p->isDefault() ? " (default)" : "") + (b->isChecked() ? " (x)" : "");
        } else
            continue;
        righe << riga + (w->isEnabled() ? "" : " (spenta)");
        if (!w->toolTip().isEmpty())
            righe << nome + "? " + w->toolTip();
    }
    righe.sort();
    return righe;
}

}  // namespace kobaltino
