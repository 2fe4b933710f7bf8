#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QTimer;

namespace kobaltino {

// "VERS. " followed by major.minor.revision of this program.
QString testoVersione();

// The About box: name, version, the team's roles, the freeware notice and the contact links.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* genitore = nullptr);

    struct Collegamento {
        QString testo;
        QUrl indirizzo;
    };
    // The contact links, in the order shown: help pages by name ("errori.html"), web and
    // mail links by their full address.
    static QList<Collegamento> collegamenti();

    // Opens a web or mail link through the desktop; replaceable for tests.
    static inline bool (*apriIndirizzo)(const QUrl&) = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void apriCollegamento(const QUrl& indirizzo);
    void chiudiConAnimazione();
    void cambiaColori();

    QLabel* nome_;
    QLabel* versione_;
    QTimer* colori_;
    bool chiusura_ = false;
};

}  // namespace kobaltino
