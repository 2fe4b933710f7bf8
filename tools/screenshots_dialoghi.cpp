// Renders every instruction dialog, empty and filled in, and two of their message boxes,
// into PNG files: screenshots_dialoghi <folder>
#include "dialogs/fabbrica_dialoghi.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace kobaltino;

namespace {

struct Scena {
    const char* file;
    Dialogo dialogo;
    int k;
    std::function<void(QDialog&)> compila;  // fills the dialog in; may be empty
    bool premiOk = false;                    // press OK and capture the message box instead
};

void scegli(QDialog& d, const char* lista, const QString& voce)
{
    if (auto* c = d.findChild<QComboBox*>(QString::fromLatin1(lista)))
        c->setCurrentIndex(c->findText(voce));
}

void clicca(QDialog& d, const char* nome)
{
    if (auto* b = d.findChild<QAbstractButton*>(QString::fromLatin1(nome)))
        b->click();
}

// The window without a window manager has no caption bar: draw one, so that the
// caption can be checked in the picture too.
QImage conTitolo(QWidget& w)
{
    const QPixmap contenuto = w.grab();
    const int altezzaTitolo = 26;
    QImage immagine(contenuto.width() + 2, contenuto.height() + altezzaTitolo + 1, QImage::Format_RGB32);
    immagine.fill(QColor(90, 90, 100));
    QPainter p(&immagine);
    p.setPen(Qt::white);
    QFont f = w.font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(8, 0, immagine.width() - 8, altezzaTitolo), Qt::AlignVCenter | Qt::AlignLeft, w.windowTitle());
    p.drawPixmap(1, altezzaTitolo, contenuto);
    return immagine;
}

bool salva(QWidget& w, const QString& percorso)
{
    if (!conTitolo(w).save(percorso)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(percorso));
        return false;
    }
    std::printf("%s\n", qPrintable(percorso));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(cartella);

    Stato stato;
    for (int i = 0; i < 12; ++i)
        stato.griglia(1).accoda(codici::Avanti, QString());
    stato.MemoriaRAM[2] = QStringLiteral("d'100'");

    const auto numerico = [](QDialog& d) {
        clicca(d, "optNumerico");
        scegli(d, "cmbIndirizzoRam", "3");
        d.findChild<QLineEdit*>(QStringLiteral("txtValoreRam"))->setText(QStringLiteral("255"));
    };
    const std::vector<Scena> scene = {
        {"attendi", Dialogo::Attendi, 1, {}},
        {"attendi_scelto", Dialogo::Attendi, 1, [](QDialog& d) { scegli(d, "cmbSecondi", "1,5"); }},
        {"vai_a_1", Dialogo::VaiA, 1, [](QDialog& d) { scegli(d, "cmbRiga", "11"); }},
        {"vai_a_2", Dialogo::VaiA, 2, {}},
        {"se_attivo_vai_a", Dialogo::SeAttivoVaiA, 1, [](QDialog& d) { scegli(d, "cmbSensore", "Prossimita_sinistra"); }},
        {"se_disattivo_vai_a", Dialogo::SeDisattivoVaiA, 1, {}},
        {"se_disattivo_vai_a_nessuno", Dialogo::SeDisattivoVaiA, 1, {}, true},
        {"scrivi_ram", Dialogo::ScriviRam, 1, {}},
        {"scrivi_ram_numerico", Dialogo::ScriviRam, 1, numerico},
        {"scrivi_ram_sostituire", Dialogo::ScriviRam, 1, numerico, true},
        {"scrivi_eeprom", Dialogo::ScriviEeprom, 1, [](QDialog& d) {
             scegli(d, "cmbIndirizzoEeprom", "20");
             d.findChild<QLineEdit*>(QStringLiteral("txtValoreeprom"))->setText(QStringLiteral("10101010"));
         }},
        {"sposta_eeprom", Dialogo::SpostaEeprom, 1, [](QDialog& d) { scegli(d, "cmbIndirizzoEeprom", "20"); }},
        {"incrementa", Dialogo::Incrementa, 1, {}},
        {"decrementa", Dialogo::Decrementa, 1, [](QDialog& d) { scegli(d, "cmbIndirizzoEeprom", "12"); }},
        {"swappa", Dialogo::Swappa, 1, {}},
        {"scorri_destra", Dialogo::ScorriDestra, 1, {}},
        {"scorri_sinistra", Dialogo::ScorriSinistra, 1, {}},
        {"complemento", Dialogo::Complemento, 1, [](QDialog& d) {
             clicca(d, "optRam");
             scegli(d, "cmbIndirizzoRam", "7");
         }},
        {"operazioni", Dialogo::Operazioni, 1, [](QDialog& d) {
             scegli(d, "cmbIndirizzoRam", "1");
             scegli(d, "cmbIndirizzoRam2", "20");
             scegli(d, "cmbOperazione", "-");
         }},
        {"se", Dialogo::Se, 1, {}},
        {"se_compilato", Dialogo::Se, 1, [](QDialog& d) {
             scegli(d, "cmbMemoriaRam1", "15");
             scegli(d, "cmbParagone", "Differente da");
             scegli(d, "cmbMemoriaRam2", "20");
             scegli(d, "cmbIstruzione", "Ruota a sinistra");
         }},
        {"se_attivo_fai", Dialogo::SeAttivoFai, 1, [](QDialog& d) {
             scegli(d, "cmbSensoreAttivo", "Prossimita_sinistra");
             scegli(d, "cmbIstruzione", "Ruota a destra");
         }},
        {"se_disattivo_fai", Dialogo::SeDisattivoFai, 1, {}},
    };

    bool tuttoBene = true;
    int n = 0;
    for (const Scena& s : scene) {
        stato.NomeGriglia = nomeControlloGriglia(s.k);
        const std::unique_ptr<DialogoIstruzione> d = creaDialogo(s.dialogo, s.k, stato);
        if (!d) {
            std::fprintf(stderr, "no dialog for %s\n", s.file);
            tuttoBene = false;
            continue;
        }
        d->show();
        QApplication::processEvents();
        if (s.compila)
            s.compila(*d);
        QApplication::processEvents();
        const QString base = cartella + QStringLiteral("/%1_%2").arg(++n, 2, 10, QLatin1Char('0')).arg(QLatin1String(s.file));
        if (!s.premiOk) {
            tuttoBene = salva(*d, base + QStringLiteral(".png")) && tuttoBene;
            continue;
        }
        // The message box is modal: capture it from inside its own event loop.
        bool vista = false;
        QTimer::singleShot(200, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                vista = true;
                tuttoBene = salva(*box, base + QStringLiteral(".png")) && tuttoBene;
                box->reject();
            }
        });
        clicca(*d, "cmdOK");
        clicca(*d, "cmdOk");
        if (!vista) {
            std::fprintf(stderr, "no message box for %s\n", s.file);
            tuttoBene = false;
        }
    }
    return tuttoBene ? 0 : 1;
}
