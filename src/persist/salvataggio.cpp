#include "persist/salvataggio.h"

#include "persist/file_programma.h"

#include "model/scrittura_file.h"

namespace kobaltino {

namespace {
constexpr qsizetype LunghezzaMassimaPercorso = 49;
}

bool percorsoAccettato(const QString& percorso, Interazione& ui)
{
    if (percorso.size() > LunghezzaMassimaPercorso) {
        ui.mostra({QStringLiteral("Il percorso del file è troppo lungo.") + CrLf
                       + QStringLiteral("Il compilatore non lo compilerà.") + CrLf
                       + QStringLiteral("Cambiare il percorso del file"),
                   Icona::Critica, QStringLiteral("ATTENZONE")});
        return false;
    }
    if (percorso.contains(u' ')) {
        ui.mostra({QStringLiteral("ATTENZIONE: Non è possibile inserire spazzi per il nome del file.") + CrLf
                   + QStringLiteral("Il nome del file deve essere senza spazzi.")});
        return false;
    }
    return true;
}

bool scriviFileProgramma(const Stato& stato, const QString& percorso, Interazione& ui)
{
    if (const QString rifiuto = testoNonSalvabile(stato); !rifiuto.isEmpty()) {
        ui.mostra({rifiuto, Icona::Critica});
        return false;
    }
    const QString motivo = scriviFileIntero(percorso, testoProgramma(stato));
    if (!motivo.isEmpty())
        ui.mostra({QStringLiteral("Impossibile salvare il file:") + CrLf + percorso + CrLf + motivo, Icona::Critica});
    return motivo.isEmpty();
}

}  // namespace kobaltino
