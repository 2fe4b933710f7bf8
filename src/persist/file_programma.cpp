// The program file: the writer and the reader.
#include "persist/file_programma.h"

#include "persist/codifica.h"
#include "persist/lettore_campi.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace kobaltino {

namespace {

const QString RigaNuova = QStringLiteral("\r\n");
const QString Ram = QStringLiteral("RAM");
const QString Eep = QStringLiteral("EEP");

QString tipoGriglia(int k) { return QStringLiteral("gg") + QString::number(k); }

QString record(const QString& f1, const QString& f2, const QString& f3, const QString& f4)
{
    const QChar q = u'"';
    return q + f1 + q + u',' + q + f2 + q + u',' + q + f3 + q + u',' + q + f4 + q;
}

// A text the file carries back unchanged: no quote, no line break, Windows-1252 only, and
// short enough for the reader.
bool salvabile(const QString& campo)
{
    if (campo.contains(u'"') || campo.contains(u'\r') || campo.contains(u'\n'))
        return false;
    const std::optional<QByteArray> byte = inWindows1252(campo);
    return byte && byte->size() <= LunghezzaMassimaCampo;
}

// Where the first text that is not salvabile() sits, empty when there is none.
QString luogoNonSalvabile(const Stato& s)
{
    for (int k = 1; k <= NumeroGriglie; ++k)
        for (int r = 0; r < s.NumIstruzioni(k); ++r) {
            const Riga& riga = s.griglia(k).riga(r);
            if (!salvabile(riga.parametro) || !salvabile(riga.codice) || !salvabile(riga.etichetta))
                return QStringLiteral("La riga %1 della griglia \"%2\"").arg(r).arg(nomeGriglia(k));
        }
    for (Memoria m : {Memoria::Ram, Memoria::Eeprom})
        for (int i = 1; i <= CelleMemoria; ++i)
            if (!salvabile(s.marca(m, i)))
                return QStringLiteral("La cella %1 %2").arg(m == Memoria::Ram ? Ram : Eep).arg(i);
    return {};
}

QString testo(const Stato& s)
{
    QString t;
    for (int k = 1; k <= NumeroGriglie; ++k) {
        const int n = s.NumIstruzioni(k);
        if (n == 0)
            continue;
        if (k > 1)
            t += RigaNuova;
        for (int r = 0; r < n; ++r) {
            const Riga& riga = s.griglia(k).riga(r);
            t += record(riga.parametro, riga.codice, riga.etichetta, tipoGriglia(k));
            if (r < n - 1)
                t += RigaNuova;
        }
    }
    for (Memoria m : {Memoria::Ram, Memoria::Eeprom}) {
        t += RigaNuova;
        for (int i = 1; i <= CelleMemoria; ++i) {
            t += record(s.marca(m, i), QString::number(i), QString(), m == Memoria::Ram ? Ram : Eep);
            if (i < CelleMemoria)
                t += RigaNuova;
        }
    }
    return t + RigaNuova;
}

}  // namespace

QByteArray testoProgramma(const Stato& stato)
{
    const QString t = testo(stato);
    if (std::optional<QByteArray> byte = inWindows1252(t))
        return *byte;
    QByteArray sostituito;
    sostituito.reserve(t.size());
    for (QChar c : t)
        sostituito += inWindows1252(QString(c)).value_or(QByteArrayLiteral("?"));
    return sostituito;
}

QString testoNonSalvabile(const Stato& stato)
{
    const QString dove = luogoNonSalvabile(stato);
    if (dove.isEmpty())
        return {};
    return QStringLiteral("Impossibile salvare il programma.") + CrLf + dove
           + QStringLiteral(" contiene virgolette, un a capo, un carattere non ammesso o un testo troppo lungo.");
}

namespace {

// Confirmation flags: all True while a file loads (`tutte`), so every row goes in without a
// dialog; afterwards (`tutte` false) the conditional actions and the register operations stay
// confirmed, the others not.
void impostaConferme(Stato& s, bool tutte)
{
    for (bool* f : {&s.OkAttendi, &s.OkSeAttivoVaiA, &s.OkSeDisattivoVaiA, &s.OkScriviRam, &s.OkScriviEeprom,
                    &s.OkSpostaEeprom, &s.OkSe, &s.OkIncrementa, &s.OkDecrementa})
        *f = tutte;
    s.OkVaiA.fill(tutte);
    for (bool* f : {&s.OkSeAttivoFai, &s.OkSeDisattivoFai, &s.OkSwappa, &s.OkScorriDestra, &s.OkScorriSinistra,
                    &s.OkComplemento, &s.OkOperazioni})
        *f = true;
}

int codiceDaTesto(const QString& t)
{
    for (int c = 1; c <= 28; ++c)
        if (t == QString::number(c))
            return c;
    return 0;
}

int grigliaDaTipo(const QString& f4)
{
    for (int k = 1; k <= NumeroGriglie; ++k)
        if (f4 == tipoGriglia(k))
            return k;
    return 0;
}

// The cell number of a RAM/EEP record, or the error it raises.
struct Cella {
    int numero = 0;
    int errore = errore_lettura::Nessuno;
};

Cella cellaDaTesto(const QString& f2)
{
    const QString t = f2.trimmed();
    qsizetype i = t.startsWith(u'+') || t.startsWith(u'-') ? 1 : 0;
    if (i == t.size())
        return {0, errore_lettura::CellaNonNumerica};
    qint64 valore = 0;
    for (; i < t.size(); ++i) {
        if (!t[i].isDigit() || t[i].unicode() > '9')
            return {0, errore_lettura::CellaNonNumerica};
        valore = std::min<qint64>(valore * 10 + (t[i].unicode() - '0'), 1'000'000);
    }
    if (t.startsWith(u'-'))
        valore = -valore;
    if (valore < -32768 || valore > 32767)
        return {0, errore_lettura::CellaTroppoGrande};
    if (valore < 1 || valore > CelleMemoria)
        return {0, errore_lettura::CellaFuoriIntervallo};
    return {static_cast<int>(valore), errore_lettura::Nessuno};
}

class Caricamento {
public:
    explicit Caricamento(Editor& editor) : editor_(editor), s_(editor.stato()) {}

    // Applies one record; returns an error number or 0.
    int applica(const std::array<QString, 4>& f)
    {
        if (const int k = grigliaDaTipo(f[3])) {
            riga(k, f);
            return errore_lettura::Nessuno;
        }
        const bool ram = f[3] == Ram;
        if (!ram && f[3] != Eep)
            return errore_lettura::Nessuno;
        const Cella cella = cellaDaTesto(f[1]);
        if (cella.errore == errore_lettura::Nessuno)
            s_.marca(ram ? Memoria::Ram : Memoria::Eeprom, cella.numero) = f[0];
        return cella.errore;
    }

private:
    void riga(int k, const std::array<QString, 4>& f)
    {
        const int codice = codiceDaTesto(f[1]);
        if (codice == 0)
            return;
        Griglia& g = s_.griglia(k);
        // A full grid refuses with its message once; further rows for it are dropped quietly,
        // or a file with thousands of extra rows would ask for thousands of clicks.
        if (g.piena()) {
            if (avvisata_[static_cast<size_t>(k - 1)])
                return;
            avvisata_[static_cast<size_t>(k - 1)] = true;
        }
        const int prima = g.numIstruzioni();
        switch (codice) {
        case codici::Se:
        case codici::FineSe:
        case codici::SeAttivoFai:
        case codici::SeDisattivoFai:
            editor_.inserisciSoloRiga(k, codice);
            break;
        default:
            editor_.inserisci(k, codice);
            break;
        }
        if (g.numIstruzioni() != prima + 1)
            return;
        Riga& nuova = g.riga(prima);
        // "Braccio" keeps the arm state its own insertion toggled.
        const bool conParametro = voce(codice)->parametro != nullptr || codice == codici::VaiA;
        if (conParametro)
            nuova.parametro = f[0];
        nuova.etichetta = f[2];
    }

    Editor& editor_;
    Stato& s_;
    std::array<bool, NumeroGriglie> avvisata_{};
};

int erroreDi(LettoreCampi::Esito esito)
{
    switch (esito) {
    case LettoreCampi::Esito::TroppoLungo: return errore_lettura::CampoTroppoLungo;
    case LettoreCampi::Esito::ErroreLettura: return errore_lettura::FileIlleggibile;
    default: return errore_lettura::RecordIncompleto;
    }
}

bool programmaVuoto(const Stato& s)
{
    for (const Griglia& g : s.griglie)
        if (g.numIstruzioni() > 0)
            return false;
    for (Memoria m : {Memoria::Ram, Memoria::Eeprom})
        for (int i = 1; i <= CelleMemoria; ++i)
            if (!s.marca(m, i).isEmpty())
                return false;
    return true;
}

int leggiRecord(LettoreCampi& lettore, Caricamento& caricamento)
{
    std::array<QString, 4> campi;
    QByteArray byte;
    for (;;) {
        for (size_t n = 0; n < campi.size(); ++n) {
            const LettoreCampi::Esito esito = lettore.prossimo(byte);
            if (esito == LettoreCampi::Esito::FineFile && n == 0)
                return errore_lettura::Nessuno;
            if (esito != LettoreCampi::Esito::Campo)
                return erroreDi(esito);
            campi[n] = daWindows1252(byte);
        }
        if (const int errore = caricamento.applica(campi))
            return errore;
    }
}

}  // namespace

int leggiProgramma(Editor& editor, const QString& percorso)
{
    const QFileInfo info(percorso);
    if (!info.exists())
        return errore_lettura::FileNonTrovato;
    QFile file(percorso);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return errore_lettura::FileIlleggibile;
    if (file.size() > DimensioneMassimaProgramma)
        return errore_lettura::FileTroppoGrande;

    Stato& s = editor.stato();
    s.InserimentoAutomatico = true;
    impostaConferme(s, true);
    s.PercorsoFile = percorso;
    editor.cancellaTutto();
    for (Griglia& g : s.griglie)
        g.seleziona(0, g.colonnaCorrente());

    LettoreCampi lettore(file);
    Caricamento caricamento(editor);
    const int errore = leggiRecord(lettore, caricamento);
    file.close();

    s.InserimentoAutomatico = false;
    impostaConferme(s, false);
    s.Modificato = false;
    if (errore != errore_lettura::Nessuno) {
        s.PercorsoFile.clear();
        s.Modificato = !programmaVuoto(s);
    }
    return errore;
}

Messaggio messaggioErroreLettura(int errore)
{
    return {QStringLiteral("Errore numero: ") + QString::number(errore), Icona::Critica};
}

}  // namespace kobaltino
