#pragma once

#include "model/editor.h"

#include <QString>

namespace kobaltino {

// "Salva", "Salva con nome", "Apri", the "Compilatore" command, the settings rewrite of
// "Chiudi" and the set-up run each time the main window is activated. Registers itself with
// the editor, so that "Nuovo", "Chiudi" and the window close save through it.
class ComandiFile : public AzioniFile {
public:
    // The application folder is the one of the running executable.
    explicit ComandiFile(Editor& editor);
    // Tests and portable installs name the application folder; the settings file follows the
    // rule of percorsoImpostazioni() unless impostaFileImpostazioni() names it.
    ComandiFile(Editor& editor, const QString& cartellaApplicazione);
    ~ComandiFile() override;
    ComandiFile(const ComandiFile&) = delete;
    ComandiFile& operator=(const ComandiFile&) = delete;

    void salva() override;
    void salvaConNome();
    void apri();
    void riscriviImpostazioni() override;
    void sceltaCompilatore();
    // Returns false when the program must end (a settings file of another version).
    bool attivazione();

    void impostaFileImpostazioni(const QString& percorso) { fileImpostazioni_ = percorso; }
    const QString& fileImpostazioni() const { return fileImpostazioni_; }
    // Set by attivazione().
    const QString& cartellaGuida() const { return cartellaGuida_; }

    QString VersioneProgramma;
    QString TimbroDati;

private:
    void scrivi();

    Editor& editor_;
    Stato& s_;
    Interazione& ui_;
    QString cartellaApplicazione_;
    QString fileImpostazioni_;
    QString cartellaGuida_;
};

}  // namespace kobaltino
