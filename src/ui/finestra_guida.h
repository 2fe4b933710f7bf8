#pragma once

#include <QMainWindow>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace kobaltino {

// Folder of the help pages: "Help" beside the program (a portable copy), else
// share/kobaltino/help (the build tree, an install, an unpacked package). Empty when none is found.
QString cartellaGuida();

// The online help: table of contents, search across every page, the page itself.
class FinestraGuida : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraGuida(const QString& cartella, QWidget* genitore = nullptr);

    // Shows `pagina` ("istruzioni.html#attendi"); the index page when empty.
    void apri(const QString& pagina = {});
    QString paginaCorrente() const;

    // Pages whose text holds every word of `testo`, in table-of-contents order.
    QStringList cerca(const QString& testo) const;

private:
    void aggiornaRisultati();

    QString cartella_;
    QTextBrowser* pagina_;
    QListWidget* indice_;
    QLineEdit* ricerca_;
    QListWidget* risultati_;
};

// The help window of the application, created on first use.
FinestraGuida* guida(QWidget* genitore = nullptr);

// Shows the help window at `pagina` (the index page when empty) and brings it to the front.
void mostraGuida(QWidget* genitore, const QString& pagina);

// The help page of an instruction code ("istruzioni.html#attendi"); empty for no code.
QString paginaIstruzione(int codice);

}  // namespace kobaltino
