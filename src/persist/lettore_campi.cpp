#include "persist/lettore_campi.h"

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
        if (errore_)
            return -1;
        blocco_.resize(Blocco);
        const qint64 letti = in_.read(blocco_.data(), Blocco);
        blocco_.resize(letti > 0 ? letti : 0);
        pos_ = 0;
        if (letti < 0)
            errore_ = true;
        if (letti <= 0)
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
        for (int c = prendi(); c != '"'; c = prendi()) {
            if (c < 0)
                return errore_ ? Esito::ErroreLettura : Esito::Virgolette;
            if (campo.size() >= LunghezzaMassimaCampo)
                return Esito::TroppoLungo;
            campo.append(static_cast<char>(c));
        }
        while (guarda() >= 0 && !separatore(guarda()))
            prendi();
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
    if (errore_)
        return Esito::ErroreLettura;
    return Esito::Campo;
}

}  // namespace kobaltino
