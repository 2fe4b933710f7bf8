#pragma once

#include "model/stato.h"
#include "persist/file_programma.h"

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <memory>

namespace kobaltino {

class Editor;

// A copy of a program left behind by an editor that did not close: where it is, which
// program file it came from (empty for a program never saved) and when it was written.
struct CopiaLasciata {
    QString copia;
    QString programma;
    QDateTime quando;
};

// The recovery copy of unsaved work. While the program has unsaved changes, a copy is written
// every `intervalloMs` into `cartella` (the user's data folder), never over the program file;
// once the program is saved or emptied the copy goes. Each running editor has its own copy,
// held by a lock file, so a copy whose lock is free belongs to an editor that ended without
// closing.
class CopiaRecupero : public QObject {
    Q_OBJECT
public:
    static constexpr int Intervallo = 2 * 60 * 1000;

    CopiaRecupero(const Stato& stato, const QString& cartella, int intervalloMs = Intervallo);
    ~CopiaRecupero() override;

    // Takes this editor's lock and starts the timer.
    void avvia();
    // What the timer does: writes the copy while there are unsaved changes, else removes it.
    void aggiorna();
    // The editor closes cleanly: the copy goes.
    void rimuovi();
    QString percorso() const;

    // Copies of editors that ended without closing, newest first.
    static std::vector<CopiaLasciata> lasciate(const QString& cartella);
    // Loads a left copy into the editor as the unsaved program it was (the program file
    // named again, Modificato set). Returns what the reader made of it.
    static EsitoLettura ripristina(Editor& editor, const CopiaLasciata& copia);
    // Removes a left copy and its companion files.
    static void scarta(const CopiaLasciata& copia);
    // The question that offers a left copy.
    static QString domanda(const CopiaLasciata& copia);

private:
    const Stato& s_;
    QString cartella_;
    QString nome_;  // "recupero-<process id>"
    QTimer timer_;
    std::unique_ptr<QLockFile> blocco_;
};

}  // namespace kobaltino
