#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLineEdit;

namespace kobaltino {

// The student's name and class at the top of every printed sheet.
struct DatiStudente {
    QString nome;
    QString classe;

    bool operator==(const DatiStudente&) const = default;
};

// What the student gave last time; nullopt when never asked.
std::optional<DatiStudente> datiStudenteRicordati();
void ricordaDatiStudente(const DatiStudente& dati);

// A small dialog for the name and the class. Both may stay empty: the sheet then keeps a line
// to fill in by hand.
class FrmDatiStampa : public QDialog {
    Q_OBJECT
public:
    static constexpr int LunghezzaNome = 60;
    static constexpr int LunghezzaClasse = 20;

    explicit FrmDatiStampa(const DatiStudente& attuali, QWidget* genitore = nullptr);
    DatiStudente dati() const;

private:
    QLineEdit* nome_;
    QLineEdit* classe_;
};

// The name and class for a printout: asked the first time (or whenever `chiediSempre`) and
// then remembered. nullopt when the student closed the dialog without confirming.
std::optional<DatiStudente> datiPerLaStampa(QWidget* genitore, bool chiediSempre);

}  // namespace kobaltino
