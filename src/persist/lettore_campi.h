#pragma once

#include <QByteArray>
#include <QIODevice>

#include <limits>

namespace kobaltino {

// A field longer than this comes from no program this editor wrote.
inline constexpr qsizetype LunghezzaMassimaCampo = 4096;

// Splits a program file into fields, one at a time, reading the device in blocks so that
// memory stays small whatever the file holds.
//
// A field starts after optional blanks. A field that opens with a double quote runs to the
// next double quote (commas and line ends inside belong to it); only blanks may follow the
// closing quote before the next separator. A double quote between two apostrophes belongs to
// the field: it is the character literal '"' of a memory write, which older files hold. An
// unquoted field runs to the next comma or line end, trailing blanks removed. Commas and line
// ends (CR, LF or both) separate fields; empty lines carry no field.
class LettoreCampi {
public:
    enum class Esito {
        Campo,           // `campo` holds the next field
        FineFile,        // no more fields
        Virgolette,      // the file ends inside a quoted field
        DopoVirgolette,  // text follows a closing quote: `campo` holds it
        TroppoLungo,     // a field longer than LunghezzaMassimaCampo
        TroppoGrande,    // more than `massimo` bytes in the device
        ErroreLettura,
    };

    // Reads at most `massimo` bytes of `sorgente`: a pipe or a device reports no size, so the
    // limit is kept while reading.
    explicit LettoreCampi(QIODevice& sorgente, qint64 massimo = std::numeric_limits<qint64>::max())
        : in_(sorgente), massimo_(massimo)
    {
    }

    Esito prossimo(QByteArray& campo);

    // The file line (from 1) where the field last returned, or the failure, begins. CR LF, a
    // lone CR and a lone LF each end one line, inside quotes too.
    int riga() const { return inizioCampo_; }

private:
    int guarda();  // next byte without taking it, -1 at the end
    int prendi();
    // Why the bytes ran out: a failure, or `altrimenti` when the device simply ended.
    Esito fine(Esito altrimenti = Esito::FineFile) const
    {
        return errore_ ? Esito::ErroreLettura : troppoGrande_ ? Esito::TroppoGrande : altrimenti;
    }

    QIODevice& in_;
    qint64 massimo_;
    qint64 letti_ = 0;
    QByteArray blocco_;
    qsizetype pos_ = 0;
    bool inizioRiga_ = true;
    bool errore_ = false;
    bool troppoGrande_ = false;
    int rigaCorrente_ = 1;
    int inizioCampo_ = 1;
    bool dopoCr_ = false;
};

}  // namespace kobaltino
