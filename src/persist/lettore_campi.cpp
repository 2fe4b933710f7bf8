#include "persist/lettore_campi.h"

#include <algorithm>

namespace kobaltino {

namespace {
constexpr qint64 Blocco = 64 * 1024;

bool bianco(int c) { return c == ' ' || c == '\t'; }
bool fineRiga(int c) { return c == '\r' || c == '\n'; }
bool separatore(int c) { return c == ',' || fineRiga(c); }
}  // namespace

int LettoreCampi::guarda()
{
    if (pos_ >= blocco_.size()) {
        if (errore_ || troppoGrande_)
            return -1;
        // One byte past the limit tells a file of exactly `massimo_` bytes from a larger one.
        const qint64 resto = massimo_ - letti_;
        const qint64 chiesti = resto < Blocco ? resto + 1 : Blocco;
        blocco_.resize(chiesti);
        const qint64 letti = in_.read(blocco_.data(), chiesti);
        blocco_.resize(letti > 0 ? letti : 0);
        pos_ = 0;
        letti_ += std::max<qint64>(letti, 0);
        if (letti < 0)
            errore_ = true;
        if (letti_ > massimo_) {
            troppoGrande_ = true;
            blocco_.clear();
        }
        if (blocco_.isEmpty())
            return -1;
    }
    return static_cast<unsigned char>(blocco_[pos_]);
}

int LettoreCampi::prendi()
{
    const int c = guarda();
    if (c < 0)
        return c;
    ++pos_;
    if (c == '\r' || (c == '\n' && !dopoCr_))
        ++rigaCorrente_;
    dopoCr_ = c == '\r';
    return c;
}

LettoreCampi::Esito LettoreCampi::prossimo(QByteArray& campo)
{
    for (;;) {
        const int c = guarda();
        if (c < 0)
            return fine();
        if (!bianco(c) && !(fineRiga(c) && inizioRiga_))
            break;
        prendi();
    }
    inizioCampo_ = rigaCorrente_;
    campo.clear();
    if (guarda() == '"') {
        prendi();
        for (int c = prendi();; c = prendi()) {
            if (c < 0)
                return fine(Esito::Virgolette);
            if (c == '"' && !(campo.endsWith('\'') && guarda() == '\''))
                break;
            if (campo.size() >= LunghezzaMassimaCampo)
                return Esito::TroppoLungo;
            campo.append(static_cast<char>(c));
        }
        while (bianco(guarda()))
            prendi();
        if (guarda() >= 0 && !separatore(guarda())) {
            // The stray text, for the message: the row is not what it seems.
            campo.clear();
            while (guarda() >= 0 && !separatore(guarda()) && campo.size() < LunghezzaMassimaCampo)
                campo.append(static_cast<char>(prendi()));
            return Esito::DopoVirgolette;
        }
    } else {
        while (guarda() >= 0 && !separatore(guarda())) {
            if (campo.size() >= LunghezzaMassimaCampo)
                return Esito::TroppoLungo;
            campo.append(static_cast<char>(prendi()));
        }
        while (!campo.isEmpty() && bianco(campo.back()))
            campo.chop(1);
    }
    inizioRiga_ = fineRiga(prendi());
    if (errore_ || troppoGrande_)
        return fine();
    return Esito::Campo;
}

}  // namespace kobaltino
