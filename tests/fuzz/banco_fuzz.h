#pragma once

// What every fuzz target shares: an Interazione that answers no to everything and counts what it
// is shown, a throw-away folder for the files a reader opens, and the check that stops the run.
#include "model/interazione.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace kobaltino::fuzz {

class InterazioneMuta : public Interazione {
public:
    Risposta mostra(const Messaggio&) override
    {
        ++mostrati;
        return Risposta::No;
    }
    std::optional<EsitoDialogo> apriDialogo(Dialogo, int, const Stato&) override { return std::nullopt; }
    QString scegliFile(const RichiestaFile&) override { return {}; }
    int mostrati = 0;
};

// A broken property is a crash for libFuzzer: it keeps the input that broke it.
inline void verifica(bool vero, const char* cosa)
{
    if (!vero) {
        std::fprintf(stderr, "Proprietà violata: %s\n", cosa);
        std::abort();
    }
}

// `byte` written to `nome` inside a folder of this process, removed when it ends.
inline QString suFile(const QString& nome, const QByteArray& byte)
{
    static QTemporaryDir cartella;
    const QString percorso = cartella.filePath(nome);
    QFile f(percorso);
    verifica(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(byte) == byte.size(),
             "il file di prova non si scrive");
    return percorso;
}

inline QByteArray daFuzzer(const uint8_t* dati, size_t n)
{
    return QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n));
}

}  // namespace kobaltino::fuzz
