// The input tables of the main window: menu keys, toolbar buttons and palette items,
// each mapped to one command.
#include "ui/comandi.h"

#include "model/catalogo.h"

#include <QString>

namespace kobaltino {

namespace {

using A = Azione;
constexpr Comando nessuno{};
constexpr Comando c(Azione a) { return {a, 0}; }
constexpr Comando ins(int codice) { return {A::Inserisci, codice}; }

const VoceMenu Albero[] = {
    {"keyFile", nullptr, "&File", nullptr, nessuno, false},
    {"KeyNuovo", "keyFile", "Nuovo", "Ctrl+N", c(A::Nuovo), true},
    {"KeyApri", "keyFile", "Apri...", "Ctrl+A", c(A::Apri), true},
    {"KeySalva", "keyFile", "Salva", "Shift+F12", c(A::Salva), true},
    {"KeySalvaConNome", "keyFile", "Sa&lva con nome...", "Ctrl+Shift+F12", c(A::SalvaConNome), false},
    {nullptr, "keyFile", nullptr, nullptr, nessuno, false},
    {"KeyChiudi", "keyFile", "&Chiudi", nullptr, c(A::Chiudi), false},
    {"KeyModifica", nullptr, "&Modifica", nullptr, nessuno, false},
    {"KeyAnnulla", "KeyModifica", "Annulla", "Ctrl+Z", c(A::Annulla), true},
    {"KeyRipeti", "KeyModifica", "Ripeti", "Ctrl+Y; Ctrl+Shift+Z", c(A::Ripeti), true},
    {nullptr, "KeyModifica", nullptr, nullptr, nessuno, false},
    {"KeyCopia", "KeyModifica", "Copia", "Ctrl+C", c(A::Copia), true},
    {"KeyIncolla", "KeyModifica", "Incolla", "Ctrl+V", c(A::Incolla), true},
    {"KeyCancella", "KeyModifica", "Cancella...", "Del", c(A::Cancella), true},
    {"KeyCancellaGriglia", "KeyModifica", "Cancella griglia...", "Ctrl+G", c(A::CancellaGriglia), false},
    {"KeyCancellaTutto", "KeyModifica", "Cancella tutto...", "Ctrl+T", c(A::CancellaTutto), true},
    {"KeyStrumenti", nullptr, "&Strumenti", nullptr, nessuno, false},
    {"KeyCompilatore", "KeyStrumenti", "Compilatore", nullptr, c(A::Compilatore), false},
    {"KeyCompila", "KeyStrumenti", "Compila", "F9", c(A::Compila), true},
    {"KeySimula", "KeyStrumenti", "Simula", "F5", c(A::Simula), true},
    {"KeyTrasferisci", "KeyStrumenti", "Trasferisci", "Ctrl+U", c(A::Trasferisci), true},
    {"KeyProgrammatore", "KeyStrumenti", "Programmatore...", nullptr, c(A::Programmatore), false},
    {"KeyIstruzioni", nullptr, "&Istruzioni", nullptr, nessuno, false},
    {"KeyIstruzioniComuni", "KeyIstruzioni", "Istruzioni comuni", nullptr, nessuno, false},
    {"KeyIstruzioniSalto", "KeyIstruzioni", "Istruzioni di salto", nullptr, nessuno, false},
    {"KeyIstruzioniCondizionali", "KeyIstruzioni", "Istruzioni condizionali", nullptr, nessuno, false},
    {"KeyAvanti", "KeyIstruzioniComuni", "Avanti", nullptr, ins(codici::Avanti), false},
    {"KeyIndietro", "KeyIstruzioniComuni", "Indietro", nullptr, ins(codici::Indietro), false},
    {"KeySinistra", "KeyIstruzioniComuni", "Sinistra", nullptr, ins(codici::Sinistra), false},
    {"KeyDestra", "KeyIstruzioniComuni", "Destra", nullptr, ins(codici::Destra), false},
    {"KeyRuotaASinistra", "KeyIstruzioniComuni", "Ruota a sinistra", nullptr, ins(codici::RuotaASinistra), false},
    {"KeyRuotaADestra", "KeyIstruzioniComuni", "Ruota a destra", nullptr, ins(codici::RuotaADestra), false},
    {"KeyFermo", "KeyIstruzioniComuni", "Fermo...", nullptr, ins(codici::Fermo), false},
    {"KeyAttendi", "KeyIstruzioniComuni", "Attendi...", nullptr, ins(codici::Attendi), false},
    {"KeyScriviRam", "KeyIstruzioniComuni", "Scrivi Ram...", nullptr, ins(codici::ScriviRam), false},
    {"KeyScriviEeprom", "KeyIstruzioniComuni", "Scrivi Eeprom...", nullptr, ins(codici::ScriviEeprom), false},
    {"KeySpostaEeprom", "KeyIstruzioniComuni", "Sposta Eeprom...", nullptr, ins(codici::SpostaEeprom), false},
    {"KeyIncrementa", "KeyIstruzioniComuni", "Incrementa...", nullptr, ins(codici::Incrementa), false},
    {"KeyDecrementa", "KeyIstruzioniComuni", "Decrementa...", nullptr, ins(codici::Decrementa), false},
    {"KeyBraccio", "KeyIstruzioniComuni", "Braccio", nullptr, ins(codici::Braccio), false},
    {"KeyVaiA", "KeyIstruzioniSalto", "Vai a...", nullptr, ins(codici::VaiA), false},
    {"KeySeAttivoVaiA", "KeyIstruzioniSalto", "Se attivo vai a...", nullptr, ins(codici::SeAttivoVaiA), false},
    {"KeySeDisattivoVaiA", "KeyIstruzioniSalto", "Se disattivo vai a...", nullptr, ins(codici::SeDisattivoVaiA), false},
    {"KeySe", "KeyIstruzioniCondizionali", "Se...", nullptr, ins(codici::Se), false},
    {"Key?", nullptr, "?", nullptr, nessuno, false},
    {"KeyGuidaInLinea", "Key?", "Guida in linea", "F1", c(A::GuidaInLinea), true},
    {"KeyInformazioniSu", "Key?", "Informazioni su...", nullptr, c(A::InformazioniSu), false},
};

const std::array<VocePulsante, 15> Pulsanti = {{
    {1, "Crea un nuovo programma", A::Nuovo},
    {2, "Apre un programma esistente", A::Apri},
    {3, "Salva le modifiche", A::Salva},
    {4, "Taglia", A::Taglia},
    {5, "Copia", A::Copia},
    {6, "Incolla", A::Incolla},
    {12, "Annulla l'ultima modifica", A::Annulla},
    {13, "Ripete la modifica annullata", A::Ripeti},
    {7, "Compila il programma", A::Compila},
    {14, "Simula il programma", A::Simula},
    {15, "Trasferisce il programma nel robot", A::Trasferisci},
    {8, "Cancella il comando selezionato", A::Cancella},
    {9, "Cancella tutte le griglie", A::CancellaTutto},
    {10, nullptr, A::Nessuna},
    {11, "Apre la finestra di aiuto", A::GuidaInLinea},
}};

// Control names of the palettes, grid by grid.
struct NomiTavolozze {
    const char* comuni;
    const char* salto;
};
const std::array<NomiTavolozze, 10> Nomi = {{
    {"lstIstruzioniComuni", "lstIstruzioniDiSalto"},
    {"lstComuniLudeDX", "lstSaltoLuceDX"},
    {"lstComuniLudeSX", "lstSaltoLuceSX"},
    {"lstComuniProssimitaDX", "lstSaltoProssimitaDX"},
    {"lstComuniProssimitaSX", "lstSaltoProssimitaSX"},
    {"lstComuniOtticoDX", "lstSaltoOtticoDX"},
    {"lstComuniOtticoSX", "lstSaltoOtticoSX"},
    {"lstComuniUltrasuoni", "lstSaltoUltrasuoni"},
    {"lstComuniOtticoRotazione", "lstSaltoOtticoRotazione"},
    {"lstComuniAux", "lstSaltoAux"},
}};

const int VociComuni[] = {codici::Avanti, codici::Indietro, codici::Sinistra, codici::Destra,
                          codici::RuotaASinistra, codici::RuotaADestra, codici::Fermo, codici::Attendi,
                          codici::ScriviRam, codici::ScriviEeprom, codici::SpostaEeprom, codici::Incrementa,
                          codici::Decrementa, codici::Braccio, codici::Swappa, codici::ScorriDestra,
                          codici::ScorriSinistra, codici::Complemento, codici::Operazioni};
// "Ritorna" only makes sense in a handler, which is a subroutine.
const int VociSaltoPrincipale[] = {codici::VaiA, codici::SeAttivoVaiA, codici::SeDisattivoVaiA,
                                   codici::Se, codici::SeAttivoFai, codici::SeDisattivoFai};
const int VociSaltoGestori[] = {codici::VaiA, codici::SeAttivoVaiA, codici::SeDisattivoVaiA, codici::Ritorna,
                                codici::Se, codici::SeAttivoFai, codici::SeDisattivoFai};

QString nomeInTavolozza(int codice) { return QString::fromUtf8(voce(codice)->nome); }

template <size_t N>
QStringList testi(const int (&codici)[N], int escluso = 0)
{
    QStringList t;
    for (int codice : codici)
        if (codice != escluso)
            t << nomeInTavolozza(codice);
    return t;
}

}  // namespace

std::span<const VoceMenu> alberoMenu() { return Albero; }

Comando comandoDelTasto(const QString& chiave)
{
    for (const VoceMenu& v : Albero)
        if (v.chiave != nullptr && chiave == QLatin1String(v.chiave))
            return v.comando;
    return nessuno;
}

const std::array<VocePulsante, 15>& pulsantiBarra() { return Pulsanti; }

Comando comandoDelPulsante(int indice)
{
    for (const VocePulsante& p : Pulsanti)
        if (p.indice == indice)
            return c(p.azione);
    return nessuno;
}

Tavolozze tavolozzeDellaGriglia(int k)
{
    if (k < 1 || k > 10)
        return {};
    const NomiTavolozze& n = Nomi[static_cast<size_t>(k - 1)];
    Tavolozze t;
    t.nomeComuni = QString::fromLatin1(n.comuni);
    t.nomeSalto = QString::fromLatin1(n.salto);
    // The arm is driven through the auxiliary line, so the Aux handler cannot offer it.
    t.comuni = testi(VociComuni, k == 10 ? codici::Braccio : 0);
    t.salto = k == 1 ? testi(VociSaltoPrincipale) : testi(VociSaltoGestori);
    return t;
}

int codiceDellaVoce(const QString& testo)
{
    for (const VoceCatalogo& v : catalogo())
        if (testo == QString::fromUtf8(v.nome))
            return v.codice == codici::Sleep || v.codice == codici::FineSe ? 0 : v.codice;
    return 0;
}

}  // namespace kobaltino
