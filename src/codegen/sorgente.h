#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kobaltino {

// Where a generated line came from: grid k and row r of the program, or the fixed
// parts of the file (k = 0). Section lines of a handler have k set and r = -1.
struct Origine {
    int griglia = 0;
    int riga = -1;

    bool operator==(const Origine&) const = default;
};

struct RigaSorgente {
    QString testo;
    Origine origine;
};

// The generated assembly source, line by line, each line remembering its origin so that
// the assembler's complaints can be traced back to the instruction that caused them.
class Sorgente {
public:
    void aggiungi(const QString& testo, Origine origine = {}) { righe_.push_back({testo, origine}); }

    int numRighe() const { return static_cast<int>(righe_.size()); }
    const std::vector<RigaSorgente>& righe() const { return righe_; }

    // Origin of line `numero` as the assembler counts it (the first line is 1).
    Origine origine(int numero) const;

    // The text of the file: every line ends with CR LF, and one more CR LF closes the file.
    QString testo() const;
    // The same, as the 8-bit Windows-1252 bytes written to disk.
    QByteArray byte() const;

private:
    std::vector<RigaSorgente> righe_;
};

}  // namespace kobaltino
