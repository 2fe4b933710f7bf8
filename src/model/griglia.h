#pragma once

#include <QList>
#include <QString>
#include <vector>

namespace kobaltino {

inline constexpr int RigheGriglia = 950;
inline constexpr int NumeroGriglie = 10;

// Columns of a program grid. Column 0 (row number) and the icon are derived
// from the row index and the code, so a row stores only columns 1 to 3.
enum Colonna : int { ColNumero = 0, ColParametro = 1, ColCodice = 2, ColEtichetta = 3, ColLibera = 4 };

struct Riga {
    QString parametro;  // column 1: hidden under the icon on screen
    QString codice;     // column 2: "1".."28"
    QString etichetta;  // column 3: label number when a "Vai a" targets this row

    bool operator==(const Riga&) const = default;
};

// One program grid: always 950 rows; rows 0..numIstruzioni()-1 hold the program.
class Griglia {
public:
    Griglia();

    int numIstruzioni() const { return num_; }
    bool piena() const { return num_ >= RigheGriglia; }
    int righeLibere() const { return RigheGriglia - num_; }

    // r must be in 0..949
    const Riga& riga(int r) const { return righe_[static_cast<size_t>(r)]; }
    Riga& riga(int r)
    {
        cambiata();
        return righe_[static_cast<size_t>(r)];
    }

    // A number that changes with every change to the rows (and may change without one): two
    // moments with the same number saw the same rows. The undo history skips unchanged grids.
    quint64 versione() const { return versione_; }

    // Code of row r as a number, 0 when the cell holds no code (or r is out of range).
    int codice(int r) const;

    // Text of a cell as the user sees it selected: column 0 is the row number of a used row.
    QString testoCella(int r, int colonna) const;

    // Appends one instruction row at the end and makes its code cell current.
    // Returns the row written, or -1 when the grid is full (nothing is written).
    int accoda(int codice, const QString& parametro);

    // Removes `quante` rows starting at `r`; the rows below move up, empty rows take the
    // last places, and every used position keeps the label text it had before.
    void rimuovi(int r, int quante = 1);

    // Empties every cell; the grid keeps its 950 rows.
    void svuota();

    // The used rows, in order.
    QList<Riga> righeUsate() const;
    // True when the used rows are exactly `righe`.
    bool contiene(const QList<Riga>& righe) const;
    // The used rows become `righe` (at most 950), the rest empty; row `riga` becomes current.
    void ripristina(const QList<Riga>& righe, int riga, int colonna);
    // The used rows take the order `ordine`: new row i is old row ordine[i]; rows not listed
    // go, the rows they leave empty at the end. Every row keeps its own label.
    void disponi(const std::vector<int>& ordine);

    int rigaCorrente() const { return rigaCorrente_; }
    int colonnaCorrente() const { return colonnaCorrente_; }
    void seleziona(int r, int colonna);

    // True when some used row carries `etichetta` in its label cell.
    bool haEtichetta(const QString& etichetta) const;

private:
    void cambiata();

    std::vector<Riga> righe_;
    int num_ = 0;
    quint64 versione_ = 0;
    int rigaCorrente_ = 0;
    int colonnaCorrente_ = 0;
};

}  // namespace kobaltino
