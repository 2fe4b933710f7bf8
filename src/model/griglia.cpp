#include "model/griglia.h"

#include <algorithm>

namespace kobaltino {

Griglia::Griglia() : righe_(RigheGriglia) { cambiata(); }

void Griglia::cambiata()
{
    // One counter for every grid: a number never stands for two different contents.
    static quint64 ultima = 0;
    versione_ = ++ultima;
}

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
    cambiata();
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
    cambiata();
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
    cambiata();
    for (Riga& r : righe_)
        r = Riga{};
    num_ = 0;
    seleziona(0, 0);
}

QList<Riga> Griglia::righeUsate() const
{
    return QList<Riga>(righe_.begin(), righe_.begin() + num_);
}

bool Griglia::contiene(const QList<Riga>& righe) const
{
    return righe.size() == num_ && std::equal(righe.begin(), righe.end(), righe_.begin());
}

void Griglia::ripristina(const QList<Riga>& righe, int riga, int colonna)
{
    cambiata();
    const int nuove = static_cast<int>(std::min<qsizetype>(righe.size(), RigheGriglia));
    std::copy(righe.begin(), righe.begin() + nuove, righe_.begin());
    for (int i = nuove; i < num_; ++i)
        righe_[static_cast<size_t>(i)] = Riga{};
    num_ = nuove;
    seleziona(riga, colonna);
}

void Griglia::disponi(const std::vector<int>& ordine)
{
    QList<Riga> nuove;
    nuove.reserve(static_cast<qsizetype>(ordine.size()));
    for (int vecchia : ordine)
        if (vecchia >= 0 && vecchia < num_)
            nuove.append(riga(vecchia));
    ripristina(nuove, rigaCorrente_, colonnaCorrente_);
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
