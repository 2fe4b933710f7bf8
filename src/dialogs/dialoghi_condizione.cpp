#include "dialogs/dialoghi_condizione.h"

#include "dialogs/elenchi.h"

#include <QComboBox>

namespace kobaltino {

namespace {

const Pulsantiera OkEsci{"cmdOk", "&Ok", "cmdEsci", "&Esci"};
const QString MancaAzione = QStringLiteral("Inserire un azione da eseguire");

struct MembroSensoreFai {
    const char* nome;
    const char* titolo;
    const char* condizione;
};

const MembroSensoreFai Attivo{"frmSe_Attivo_Fai", "Scegliere attivo", "Se il sensore è attivo"};
const MembroSensoreFai Disattivo{"frmSe_Disattivo_Fai", "Scegliere sensore disattivo", "Se il sensore è disattivo"};

}  // namespace

DialogoSe::DialogoSe(QWidget* genitore) : DialogoIstruzione(QStringLiteral("Creare la condizione"), genitore)
{
    setObjectName(QStringLiteral("frmSe"));
    // Read top to bottom, the labels and the choices make one sentence.
    cmbMemoriaRam1_ = rigaLista("Label1", QStringLiteral("Se il valore in memoria"), "cmbMemoriaRam1",
                                indirizziMemoria());
    cmbParagone_ = rigaLista("Label2", QStringLiteral("è"), "cmbParagone", vociParagoni());
    cmbMemoriaRam2_ = rigaLista("Label3", QStringLiteral("il valore in memoria"), "cmbMemoriaRam2",
                                indirizziMemoria());
    cmbIstruzione_ = rigaLista("Label4", QStringLiteral("allora fai"), "cmbIstruzione", vociAzioni());
    aggiungiPulsanti(OkEsci);
}

void DialogoSe::conferma()
{
    const QString mancaRegistro = QStringLiteral("Scegliere un indirizzo della memoria RAM");
    if (manca(cmbMemoriaRam1_, mancaRegistro) || manca(cmbMemoriaRam2_, mancaRegistro)
        || manca(cmbParagone_, QStringLiteral("Inserire una condizione di paragone"))
        || manca(cmbIstruzione_, MancaAzione))
        return;
    EsitoDialogo e;
    e.parametro = QStringLiteral("Ram") + cmbMemoriaRam1_->currentText() + operatoreDelParagone(cmbParagone_->currentIndex())
                  + QStringLiteral("Ram") + cmbMemoriaRam2_->currentText();
    e.azione = codiceDellAzione(cmbIstruzione_->currentIndex());
    accetta(e);
}

DialogoSensoreFai::DialogoSensoreFai(bool attivo, const QString& nomeGriglia, QWidget* genitore)
    : DialogoIstruzione(QString::fromUtf8((attivo ? Attivo : Disattivo).titolo), genitore)
{
    const MembroSensoreFai& membro = attivo ? Attivo : Disattivo;
    setObjectName(QString::fromLatin1(membro.nome));
    cmbSensoreAttivo_ = rigaLista("Label1", QString::fromUtf8(membro.condizione), "cmbSensoreAttivo",
                                  ingressiPerGriglia(nomeGriglia));
    cmbIstruzione_ = rigaLista("Label4", QStringLiteral("allora fai"), "cmbIstruzione", vociAzioni());
    aggiungiPulsanti(OkEsci);
}

void DialogoSensoreFai::conferma()
{
    if (manca(cmbSensoreAttivo_, QStringLiteral("Scegliere un sensore dalla lista."))
        || manca(cmbIstruzione_, MancaAzione))
        return;
    EsitoDialogo e;
    e.parametro = cmbSensoreAttivo_->currentText();
    e.azione = codiceDellAzione(cmbIstruzione_->currentIndex());
    accetta(e);
}

void DialogoSe::precompila(const EsitoDialogo& attuale)
{
    // "Ram3 > Ram12"
    const QString& p = attuale.parametro;
    scegli(cmbMemoriaRam1_, p.section(u' ', 0, 0).mid(3));
    const QString operatore = u' ' + p.section(u' ', 1, 1) + u' ';
    for (int i = 0; i < cmbParagone_->count(); ++i)
        if (operatoreDelParagone(i) == operatore)
            cmbParagone_->setCurrentIndex(i);
    scegli(cmbMemoriaRam2_, p.section(u' ', 2, 2).mid(3));
    mostraAzioneFissa(cmbIstruzione_, attuale.azione);
}

void DialogoSensoreFai::precompila(const EsitoDialogo& attuale)
{
    scegli(cmbSensoreAttivo_, attuale.parametro);
    mostraAzioneFissa(cmbIstruzione_, attuale.azione);
}

}  // namespace kobaltino
