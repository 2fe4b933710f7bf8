#pragma once

// Reading the simulator's JSON files (arenas, challenges) with messages that name the field.
#include "sim/geometria.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <cmath>
#include <initializer_list>
#include <optional>

namespace kobaltino {

// The reading of a file stops at the first fault, whose description lands in `errore`.
class Lettore {
public:
    static constexpr qsizetype ElementiMassimi = 1000;  // items in one list

    bool ok() const { return errore.isEmpty(); }

    void sbaglia(const QString& cosa)
    {
        if (errore.isEmpty())
            errore = cosa;
    }

    double numero(const QJsonObject& o, const char* chiave, const QString& dove, double minimo, double massimo,
                  std::optional<double> predefinito = std::nullopt)
    {
        const QJsonValue v = o.value(QLatin1String(chiave));
        if (v.isUndefined() && predefinito)
            return *predefinito;
        const QString prima = dove.isEmpty() ? QString() : dove + QStringLiteral(": ");
        const QString nome = prima + QStringLiteral("\"%1\"").arg(QLatin1String(chiave));
        if (v.isUndefined()) {
            sbaglia(prima + QStringLiteral("manca \"%1\".").arg(QLatin1String(chiave)));
            return minimo;
        }
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            sbaglia(QStringLiteral("%1 deve essere un numero.").arg(nome));
            return minimo;
        }
        const double x = v.toDouble();
        if (x < minimo || x > massimo) {
            sbaglia(QStringLiteral("%1 deve essere tra %2 e %3.").arg(nome, testoNumero(minimo), testoNumero(massimo)));
            return minimo;
        }
        return x;
    }

    Punto punto(const QJsonValue& v, const QString& nome)
    {
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 2 || !a[0].isDouble() || !a[1].isDouble()) {
            sbaglia(QStringLiteral("%1 deve essere una coppia di numeri [x, y].").arg(nome));
            return {};
        }
        return {a[0].toDouble(), a[1].toDouble()};
    }

    QJsonObject oggetto(const QJsonValue& v, const QString& nome)
    {
        if (!v.isObject())
            sbaglia(QStringLiteral("%1 deve essere un oggetto { ... }.").arg(nome));
        return v.toObject();
    }

    // The list under `chiave`, empty when the key is missing.
    QJsonArray elenco(const QJsonObject& o, const char* chiave, qsizetype massimo = ElementiMassimi)
    {
        const QJsonValue v = o.value(QLatin1String(chiave));
        if (v.isUndefined())
            return {};
        if (!v.isArray()) {
            sbaglia(QStringLiteral("\"%1\" deve essere un elenco [ ... ].").arg(QLatin1String(chiave)));
            return {};
        }
        if (v.toArray().size() > massimo)
            sbaglia(QStringLiteral("\"%1\" ha troppi elementi (al massimo %2).").arg(QLatin1String(chiave)).arg(massimo));
        return v.toArray();
    }

    void soloChiavi(const QJsonObject& o, std::initializer_list<const char*> ammesse, const QString& dove)
    {
        for (const QString& k : o.keys()) {
            bool nota = false;
            for (const char* a : ammesse)
                nota = nota || k == QLatin1String(a);
            if (!nota)
                sbaglia(dove.isEmpty() ? QStringLiteral("chiave sconosciuta \"%1\".").arg(k)
                                       : QStringLiteral("%1: chiave sconosciuta \"%2\".").arg(dove, k));
        }
    }

    static QString testoNumero(double x) { return QString::number(x).replace(QLatin1Char('.'), QLatin1Char(',')); }

    QString errore;
};

}  // namespace kobaltino
