#pragma once

#include "model/banco_editor.h"
#include "persist/comandi_file.h"
#include "persist/file_programma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace kobaltino {

// An editor with its file commands, a scripted user and a throw-away application folder.
class BancoFile : public BancoEditor {
protected:
    QTemporaryDir cartella;
    ComandiFile comandi{editor, cartella.path()};

    QString percorso(const QString& nome) const { return cartella.filePath(nome); }
    static QString programmaDiProva(const QString& nome) { return QStringLiteral(KOBALTINO_PROGRAMMI "/") + nome; }

    static QByteArray leggiByte(const QString& percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illeggibile>");
    }

    static void scriviByte(const QString& percorso, const QByteArray& byte)
    {
        QDir().mkpath(QFileInfo(percorso).absolutePath());
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(byte), byte.size());
    }

    // Writes `byte` as a program file and loads it.
    EsitoLettura carica(const QByteArray& byte)
    {
        scriviByte(percorso("prova.kbn"), byte);
        return leggiProgramma(editor, percorso("prova.kbn"));
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

    std::vector<Riga> righe(int k) const
    {
        std::vector<Riga> r;
        for (int i = 0; i < stato.NumIstruzioni(k); ++i)
            r.push_back(stato.griglia(k).riga(i));
        return r;
    }

    static Messaggio critico(const QString& testo) { return {testo, Icona::Critica}; }
};

inline void PrintTo(const Riga& r, std::ostream* os)
{
    *os << "{\"" << r.parametro.toStdString() << "\", \"" << r.codice.toStdString() << "\", \""
        << r.etichetta.toStdString() << "\"}";
}

}  // namespace kobaltino
