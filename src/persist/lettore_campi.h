#pragma once

#include <QByteArray>
#include <QIODevice>

namespace kobaltino {

// A field longer than this comes from no program this editor wrote.
inline constexpr qsizetype LunghezzaMassimaCampo = 4096;

// Splits a program file into fields, one at a time, reading the device in blocks so that
// memory stays small whatever the file holds.
//
// A field starts after optional blanks. A field that opens with a double quote runs to the
// next double quote (commas and line ends inside belong to it) and whatever follows the
// closing quote up to the next separator is dropped; an unquoted field runs to the next comma
// or line end, trailing blanks removed. Commas and line ends (CR, LF or both) separate fields;
// empty lines carry no field.
class LettoreCampi {
public:
    enum class Esito {
        Campo,        // `campo` holds the next field
        FineFile,     // no more fields
        Virgolette,   // the file ends inside a quoted field
        TroppoLungo,  // a field longer than LunghezzaMassimaCampo
        ErroreLettura,
    };

    explicit LettoreCampi(QIODevice& sorgente) : in_(sorgente) {}

    Esito prossimo(QByteArray& campo);

    // The file line (from 1) where the field last returned, or the failure, begins. CR LF, a
    // lone CR and a lone LF each end one line, inside quotes too.
    int riga() const { return inizioCampo_; }

private:
    int guarda();  // next byte without taking it, -1 at the end
    int prendi();
    Esito fine() const { return errore_ ? Esito::ErroreLettura : Esito::FineFile; }

    QIODevice& in_;
    QByteArray blocco_;
    qsizetype pos_ = 0;
    bool inizioRiga_ = true;
    bool errore_ = false;
    int rigaCorrente_ = 1;
    int inizioCampo_ = 1;
    bool dopoCr_ = false;
};

}  // namespace kobaltino
