#include "dialogs/elenchi.h"

#include "model/catalogo.h"
#include "model/ingressi.h"

#include <array>

namespace kobaltino {

namespace {

struct VoceAzione {
    const char* voce;
    const char* codice;
};

struct VoceParagone {
    const char* voce;
    const char* operatore;
};

const std::array<VoceAzione, 10> Azioni = {{
    {"Avanti", "1"},
    {"Indietro", "2"},
    {"Sinistra", "3"},
    {"Destra", "4"},
    {"Ruota a sinistra", "5"},
    {"Ruota a destra", "6"},
    {"Fermo", "7"},
    {"Incrementa", "19"},
    {"Decrementa", "20"},
    {"Ritorna", "21"},
}};

const std::array<VoceParagone, 4> Paragoni = {{
    {"Uguale a", " = "},
    {"Maggiore di", " > "},
    {"Minore di", " < "},
    {"Differente da", " ! "},
}};

template <typename Tabella>
QStringList voci(const Tabella& tabella)
{
    QStringList elenco;
    for (const auto& riga : tabella)
        elenco << QString::fromUtf8(riga.voce);
    return elenco;
}

template <typename Tabella, typename Campo>
QString campo(const Tabella& tabella, int voce, Campo membro)
{
    if (voce < 0 || voce >= static_cast<int>(tabella.size()))
        return {};
    return QString::fromLatin1(tabella[static_cast<size_t>(voce)].*membro);
}

}  // namespace

QStringList indirizziMemoria()
{
    QStringList elenco;
    for (int n = 1; n <= 20; ++n)
        elenco << QString::number(n);
    return elenco;
}

QStringList ingressiPerGriglia(const QString& nomeGriglia)
{
    int k = 0;
    for (const VoceGriglia& g : tabellaGriglie()) {
        if (nomeGriglia == QLatin1String(g.controllo)) {
            k = g.k;
            break;
        }
    }
    if (k == 0)
        return {};
    QStringList elenco = nomiIngressiInElenco();
    if (const Ingresso* proprio = ingressoDellaGriglia(k))
        elenco.removeOne(QString::fromLatin1(proprio->pin));
    return elenco;
}

QStringList vociAzioni()
{
    return voci(Azioni);
}

QString codiceDellAzione(int voce)
{
    return campo(Azioni, voce, &VoceAzione::codice);
}

QStringList vociParagoni()
{
    return voci(Paragoni);
}

QString operatoreDelParagone(int voce)
{
    return campo(Paragoni, voce, &VoceParagone::operatore);
}

QStringList tempiAttesa()
{
    return {QStringLiteral("0,5"), QStringLiteral("1,0"), QStringLiteral("1,5"), QStringLiteral("2,0"),
            QStringLiteral("2,5")};
}

}  // namespace kobaltino
