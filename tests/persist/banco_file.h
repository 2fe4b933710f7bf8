#pragma once

#include "model/banco_editor.h"
#include "model/ingressi.h"
#include "model/parametri.h"
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

// A parameter the dialogs could write for `codice`; the bits of `n` pick the form and values.
inline QString parametroDi(int codice, unsigned n)
{
    const char* const attese[] = {"0,5", "1,0", "1,5", "2,0", "2,5"};
    // Any character the "Carattere" option lets through: printable, no digit, quote or backslash.
    const QString ammessi = QStringLiteral("è€ÿ !#$%&()*+,-./:;<=>?@AZaz[]^_`{|}~àù");
    const unsigned v = n >> 2;
    const QString valori[] = {"b'" + QString::number(v % 256, 2).rightJustified(8, u'0') + "'",
                              QStringLiteral("d'%1'").arg(v % 256, static_cast<int>(1 + v / 256 % 3), 10, QChar(u'0')),
                              QStringLiteral("'%1'").arg(ammessi[v % ammessi.size()])};
    const QString ram = QStringLiteral("Ram%1").arg(v % 20 + 1), ram2 = QStringLiteral("Ram%1").arg(v / 20 % 20 + 1);
    const QString eep = QStringLiteral("EEP%1").arg(v / 400 % 20 + 1);
    switch (formaParametro(codice)) {
    case FormaParametro::Attesa: return attese[n % 5];
    case FormaParametro::Ingresso: return ingressi()[n % 9].pin;
    case FormaParametro::ScritturaRam: return ram + " " + valori[n % 3];
    case FormaParametro::ScritturaEeprom: return eep + " " + valori[n % 3];
    case FormaParametro::Confronto: return ram + " " + QChar("=><!"[n % 4]) + " " + ram2;
    case FormaParametro::SpostaEeprom: return eep + " " + ram;
    case FormaParametro::Cella: return n % 2 ? ram : eep;
    case FormaParametro::OperazioneRegistri: return ram + " " + QChar("+-"[n % 2]) + " " + ram2;
    default: return {};
    }
}

}  // namespace kobaltino
