#pragma once

#include "model/banco_editor.h"
#include "persist/file_programma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kobaltino {

// An editor, a scripted user and a throw-away folder for program files.
class BancoFile : public BancoEditor {
protected:
    QTemporaryDir cartella;

    QString percorso(const QString& nome) const { return cartella.filePath(nome); }

    static QString programmaDiProva(const QString& nome) { return QStringLiteral(KOBALTINO_PROGRAMMI "/") + nome; }

    static QByteArray leggiByte(const QString& percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illeggibile>");
    }

    static void scriviByte(const QString& percorso, const QByteArray& byte)
    {
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(byte), byte.size());
    }

    // Writes `byte` as a program file and loads it.
    int carica(const QByteArray& byte)
    {
        const QString p = percorso(QStringLiteral("prova.kbn"));
        scriviByte(p, byte);
        return leggiProgramma(editor, p);
    }

    // The twenty RAM and twenty EEPROM records of a program that marks no cell.
    static QByteArray marcheVuote()
    {
        QByteArray t;
        for (const char* tipo : {"RAM", "EEP"})
            for (int i = 1; i <= 20; ++i)
                t += "\"\",\"" + QByteArray::number(i) + "\",\"\",\"" + tipo + "\"\r\n";
        return t;
    }

    // Parameter, code and label of each used row of grid k.
    std::vector<Riga> righe(int k) const
    {
        std::vector<Riga> r;
        for (int i = 0; i < stato.NumIstruzioni(k); ++i)
            r.push_back(stato.griglia(k).riga(i));
        return r;
    }
};

inline void PrintTo(const Riga& r, std::ostream* os)
{
    *os << "{\"" << r.parametro.toStdString() << "\", \"" << r.codice.toStdString() << "\", \""
        << r.etichetta.toStdString() << "\"}";
}

}  // namespace kobaltino
