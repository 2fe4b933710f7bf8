#pragma once

#include "codegen/assemblatore.h"
#include "codegen/generatore.h"
#include "model/interazione.h"
#include "model/stato.h"

#include <optional>

namespace kobaltino {

enum class EsitoCompilazione {
    Nessuno,             // nothing compiled yet
    Riuscita,            // the assembler ran and reported no error
    ErroriAssemblatore,  // the assembler ran and reported errors
    Rifiutata,           // refused by a check, or the assembler could not run to its end
};

// Longest wait for the assembler.
inline constexpr int LimiteAssemblatoreMs = 60000;
// The assembler's complaints shown in one message; the rest are counted.
inline constexpr qsizetype SegnalazioniMostrate = 20;

// The "Compila" command: checks the program, writes the assembly source beside the program
// file, runs the assembler on it, reports, and removes the intermediate files.
class Compilatore {
public:
    Compilatore(Stato& stato, Interazione& interazione);

    // With `annunciaFine` false a clean compile ends without "Compilazione terminata" (the
    // transfer to the robot goes straight on).
    void compila(bool annunciaFine = true);

    // The checks on the program and the translation: the text "Compila" writes into the
    // temporary file, or nullopt after showing why the program cannot be compiled. Problems
    // that would only show on the robot (calls nested too deep, handlers calling each other)
    // are shown and the translation goes on. With `richiedeSalvataggio` false (a run in the
    // simulator, which writes nothing beside the program) an unsaved program is translated too.
    std::optional<Generazione> genera(bool richiedeSalvataggio = true);

    // How the last compila() or genera() ended.
    EsitoCompilazione esito() const { return esito_; }

    // The message "Compila" shows for the assembler's complaints about `sorgente`: the first
    // ones, and a closing line when more were left out or the output was cut.
    static Messaggio messaggioErrori(const std::vector<Segnalazione>& errori, const Sorgente& sorgente,
                                     int codiceUscita, bool troncata = false);

    // The temporary source file of a program file: "/robot/giro.kbn" -> "/robot/giro.kbnTemp".
    static QString percorsoTemporaneo(const QString& percorsoFile);

private:
    bool scriviTemporaneo(const QString& percorso, const Sorgente& sorgente);
    void assembla(const QString& temporaneo, const Sorgente& sorgente, bool annunciaFine);
    void segnalaErrori(const EsitoProcesso& processo, const QString& temporaneo, const Sorgente& sorgente);
    void rifiuta(const Messaggio& messaggio);
    // After a clean exit: why the hex cannot be used (none, or one without its end record, and
    // whether the disk is full); empty when it is whole.
    QString problemaHex() const;
    // False, with `problema` shown and any hex removed, when there is a problem.
    bool hexCompleto(const QString& problema);
    // After a clean assembly: false, with the reason shown and the hex removed, when the program
    // is larger than the processor's program memory.
    bool entraNelProcessore();

    Stato& s_;
    Interazione& ui_;
    EsitoCompilazione esito_ = EsitoCompilazione::Nessuno;
};

}  // namespace kobaltino
