// The main window's "Esempi" submenu: each sample program opens as a new, unsaved copy.
#include "persist/file_programma.h"
#include "ui/esempi.h"
#include "ui/finestra_simulatore.h"
#include "ui/frm_avvio.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace kobaltino {

void FrmAvvio::creaMenuEsempi()
{
    QMenu* file = findChild<QMenu*>(QStringLiteral("keyFile"));
    QAction* dopoApri = nullptr;
    const QList<QAction*> voci = file->actions();
    for (qsizetype i = 0; i + 1 < voci.size(); ++i)
        if (voci[i]->objectName() == QLatin1String("KeyApri"))
            dopoApri = voci[i + 1];
    auto* esempi = new QMenu(QStringLiteral("&Esempi"), file);
    esempi->setObjectName(QStringLiteral("KeyEsempi"));
    esempi->menuAction()->setObjectName(QStringLiteral("KeyEsempi"));
    for (const QString& percorso : programmiEsempio()) {
        QAction* a = esempi->addAction(titoloEsempio(percorso));
        a->setObjectName(QStringLiteral("KeyEsempio_") + QFileInfo(percorso).completeBaseName());
        a->setToolTip(QStringLiteral("Apre una copia del programma di esempio"));
        connect(a, &QAction::triggered, this, [this, percorso] { apriEsempio(percorso); });
    }
    file->insertMenu(dopoApri, esempi);
}

QString FrmAvvio::programmaDiArena() const { return s_.PercorsoFile.isEmpty() ? esempio_ : s_.PercorsoFile; }

void FrmAvvio::apriEsempio(const QString& percorso)
{
    eseguiComando([&] {
        Interazione& ui = editor_.interazione();
        // The unsaved program is asked about, as "Apri" does.
        if (s_.Modificato) {
            const Risposta r =
                ui.mostra({testi::DomandaSalvare, Icona::Informazione, QStringLiteral("Attenzione"), Pulsanti::SiNoAnnulla});
            if (r == Risposta::Annulla)
                return;
            if (r == Risposta::Si) {
                cmdSalva();
                if (s_.Modificato)
                    return;
            }
        }
        const EsitoLettura esito = leggiProgramma(editor_, percorso);
        if (!esito.riuscito()) {
            ui.mostra(messaggioErroreLettura(esito));
            return;
        }
        editor_.seguiBraccio();
        // A copy: "Salva" asks for a new name, so the sample itself is never written.
        s_.PercorsoFile.clear();
        esempio_ = percorso;
    });
    if (simulatore_ && simulatore_->isVisible())
        simulatore_->apri();
}

}  // namespace kobaltino
