#include "model/griglia.h"

#include <algorithm>

namespace kobaltino {

Griglia::Griglia() : righe_(RigheGriglia) {}

int Griglia::codice(int r) const
{
    if (r < 0 || r >= RigheGriglia)
        return 0;
    bool ok = false;
    const int c = riga(r).codice.toInt(&ok);
    return ok && c >= 1 && c <= 28 ? c : 0;
}

QString Griglia::testoCella(int r, int colonna) const
{
    if (r < 0 || r >= RigheGriglia)
        return {};
    switch (colonna) {
    case ColNumero:
        return r < num_ ? QString::number(r) : QString();
    case ColParametro:
        return riga(r).parametro;
    case ColCodice:
        return riga(r).codice;
    case ColEtichetta:
        return riga(r).etichetta;
    default:
        return {};
    }
}

int Griglia::accoda(int codice, const QString& parametro)
{
    if (piena())
        return -1;
    const int r = num_;
    Riga& nuova = riga(r);
    nuova.parametro = parametro;
    nuova.codice = QString::number(codice);
    ++num_;
    seleziona(r, ColCodice);
    return r;
}

void Griglia::rimuovi(int r, int quante)
{
    if (r < 0 || r >= num_ || quante <= 0)
        return;
    quante = std::min(quante, num_ - r);
    // Labels belong to positions, not to instructions: keep them where they were.
    std::vector<QString> etichette;
    etichette.reserve(static_cast<size_t>(num_));
    for (int i = 0; i < num_; ++i)
        etichette.push_back(riga(i).etichetta);

    righe_.erase(righe_.begin() + r, righe_.begin() + r + quante);
    righe_.resize(RigheGriglia);
    num_ -= quante;
    for (int i = 0; i < num_; ++i)
        riga(i).etichetta = etichette[static_cast<size_t>(i)];
    for (int i = num_; i < num_ + quante; ++i)
        riga(i).etichetta.clear();
}

void Griglia::svuota()
{
    for (Riga& r : righe_)
        r = Riga{};
    num_ = 0;
    seleziona(0, 0);
}

void Griglia::seleziona(int r, int colonna)
{
    rigaCorrente_ = std::clamp(r, 0, RigheGriglia - 1);
    colonnaCorrente_ = std::clamp(colonna, 0, 4);
}

bool Griglia::haEtichetta(const QString& etichetta) const
{
    return std::any_of(righe_.begin(), righe_.begin() + num_,
                       [&](const Riga& r) { return r.etichetta == etichetta; });
}

}  // namespace kobaltino
