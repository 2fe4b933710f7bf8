// Which help page F1 opens over a menu item: the items added to the editor have their own
// paragraph, the instructions their own page, every other item the section of its menu.
#include "ui/guida_contesto.h"

#include "ui/comandi.h"
#include "ui/finestra_guida.h"

namespace kobaltino {

namespace {

struct Pagina {
    const char* chiave;  // an item's key, or a key's beginning when it ends in '*'
    const char* pagina;
};

const Pagina PagineVoci[] = {
    {"KeyAnteprimaDiStampa", "menu.html#stampa"},
    {"KeyStampa", "menu.html#stampa"},
    {"KeyEsportaPdf", "menu.html#stampa"},
    {"KeyDatiStampa", "menu.html#stampa"},
    {"KeyRecente*", "menu.html#recenti"},
    {"KeyAnnulla", "menu.html#annulla"},
    {"KeyRipeti", "menu.html#annulla"},
    {"KeyMostraParametri", "iniziare.html#parole"},
    {"KeyCompilatore", "compilare.html"},
    {"KeyCompila", "compilare.html"},
    {"KeySimula", "simulatore.html"},
};

const Pagina PagineMenu[] = {
    {"KeyEsempi", "menu.html#esempi"},
    {"keyFile", "menu.html#file"},
    {"KeyModifica", "menu.html#modifica"},
    {"KeyStrumenti", "menu.html#strumenti"},
    {"KeyIstruzioni*", "menu.html#istruzioni"},
    {"Key?", "menu.html#aiuto"},
    {"mnu_Contestuale", "iniziare.html#modificare"},
};

template <size_t N>
QString cerca(const Pagina (&tabella)[N], const QString& chiave)
{
    for (const Pagina& p : tabella) {
        const QLatin1String k(p.chiave);
        const bool prefisso = k.endsWith(u'*');
        if (prefisso ? chiave.startsWith(k.chopped(1)) : chiave == k)
            return QString::fromLatin1(p.pagina);
    }
    return {};
}

}  // namespace

QString paginaDellaVoce(const QString& chiave, const QString& chiaveMenu)
{
    if (const QString pagina = cerca(PagineVoci, chiave); !pagina.isEmpty())
        return pagina;
    if (const Comando c = comandoDelTasto(chiave); c.azione == Azione::Inserisci)
        return paginaIstruzione(c.codice);
    return cerca(PagineMenu, chiaveMenu);
}

}  // namespace kobaltino
