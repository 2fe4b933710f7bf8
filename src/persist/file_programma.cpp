// The program file: the writer and the reader.
#include "persist/file_programma.h"

#include "persist/codifica.h"
#include "persist/lettore_campi.h"

#include "model/parametri.h"

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

// A double quote the reader takes as part of the field: between two apostrophes, as in '"'.
bool virgoletteTraApici(const QString& campo)
{
    for (qsizetype i = campo.indexOf(u'"'); i >= 0; i = campo.indexOf(u'"', i + 1))
        if (i == 0 || i + 1 == campo.size() || campo[i - 1] != u'\'' || campo[i + 1] != u'\'')
            return false;
    return true;
}

// A text the file carries back unchanged: no quote but '"', no line break, Windows-1252 only,
// and short enough for the reader.
bool salvabile(const QString& campo)
{
    if (!virgoletteTraApici(campo) || campo.contains(u'\r') || campo.contains(u'\n'))
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

// A failure: its number and, in words, what the file does wrong (the sentence after its name)
// and, where there is more to say, the detail.
struct Guasto {
    Guasto() = default;
    Guasto(int numero, const QString& che, const QString& particolare = {})
        : errore(numero), cosa(che), dettaglio(particolare)
    {
    }
    int errore = errore_lettura::Nessuno;
    QString cosa;
    QString dettaglio;
};

Guasto cellaDaTesto(const QString& f2, int& cella)
{
    const QString t = f2.trimmed();
    const Guasto nonNumero(errore_lettura::CellaNonNumerica,
                           QStringLiteral("indica la cella di memoria \"%1\", che non è un numero").arg(testoMostrabile(f2)));
    qsizetype i = t.startsWith(u'+') || t.startsWith(u'-') ? 1 : 0;
    if (i == t.size())
        return nonNumero;
    qint64 valore = 0;
    for (; i < t.size(); ++i) {
        if (!t[i].isDigit() || t[i].unicode() > '9')
            return nonNumero;
        valore = std::min<qint64>(valore * 10 + (t[i].unicode() - '0'), 1'000'000);
    }
    if (t.startsWith(u'-'))
        valore = -valore;
    const QString fuori = QStringLiteral("indica la cella di memoria %1, ma le celle vanno da 1 a %2")
                              .arg(testoMostrabile(t))
                              .arg(CelleMemoria);
    if (valore < -32768 || valore > 32767)
        return {errore_lettura::CellaTroppoGrande, fuori};
    if (valore < 1 || valore > CelleMemoria)
        return {errore_lettura::CellaFuoriIntervallo, fuori};
    cella = static_cast<int>(valore);
    return {};
}

// Applies records to the program being loaded, checking each before it goes in.
class Caricamento {
public:
    Caricamento(Editor& editor, EsitoLettura& esito) : editor_(editor), s_(editor.stato()), esito_(esito) {}

    Guasto applica(const std::array<QString, 4>& f, int riga)
    {
        if (const int k = grigliaDaTipo(f[3]))
            return rigaDiGriglia(k, f, riga);
        const bool ram = f[3] == Ram;
        if (!ram && f[3] != Eep) {
            salta(riga);
            return {};
        }
        int cella = 0;
        if (Guasto g = cellaDaTesto(f[1], cella); g.errore)
            return g;
        // The writer could not save it back.
        if (f[0].contains(u'\r') || f[0].contains(u'\n'))
            return {errore_lettura::ParametroNonValido,
                    QStringLiteral("ha un a capo nel valore della cella %1 %2").arg(f[3]).arg(cella)};
        s_.marca(ram ? Memoria::Ram : Memoria::Eeprom, cella) = f[0];
        return {};
    }

private:
    Guasto rigaDiGriglia(int k, const std::array<QString, 4>& f, int riga)
    {
        const int codice = codiceDaTesto(f[1]);
        Griglia& g = s_.griglia(k);
        if (codice == 0 || g.piena()) {
            salta(riga);
            return {};
        }
        // "Braccio" keeps the arm state its own insertion toggles.
        const bool conParametro = voce(codice)->parametro != nullptr || codice == codici::VaiA;
        QString problema = conParametro ? problemaParametro(codice, f[0]) : QString();
        if (problema.isEmpty())
            problema = problemaEtichetta(f[2]);
        if (!problema.isEmpty())
            return {errore_lettura::ParametroNonValido, QStringLiteral("ha un'istruzione non valida"), problema};

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
            return {};
        Riga& nuova = g.riga(prima);
        if (conParametro)
            nuova.parametro = f[0];
        nuova.etichetta = f[2];
        return {};
    }

    void salta(int riga)
    {
        ++esito_.saltati;
        if (esito_.righeSaltate.size() < RigheSaltateMostrate)
            esito_.righeSaltate.push_back(riga);
    }

    Editor& editor_;
    Stato& s_;
    EsitoLettura& esito_;
};

QString troppoGrande(const QString& nome)
{
    return QStringLiteral("Il file %1 è più grande di %2 MiB: non è un programma.")
        .arg(nome)
        .arg(DimensioneMassimaProgramma / (1024 * 1024));
}

Guasto guastoDi(LettoreCampi::Esito esito, const QByteArray& campo)
{
    switch (esito) {
    case LettoreCampi::Esito::DopoVirgolette:
        return {errore_lettura::TestoDopoVirgolette,
                QStringLiteral("ha il testo \"%1\" dopo le virgolette che chiudono un campo")
                    .arg(testoMostrabile(daWindows1252(campo)))};
    case LettoreCampi::Esito::TroppoGrande:
        return {errore_lettura::FileTroppoGrande, {}};
    case LettoreCampi::Esito::TroppoLungo:
        return {errore_lettura::CampoTroppoLungo,
                QStringLiteral("ha un campo più lungo di %1 caratteri").arg(LunghezzaMassimaCampo)};
    case LettoreCampi::Esito::ErroreLettura:
        return {errore_lettura::FileIlleggibile, QStringLiteral("non si è potuto leggere fino in fondo")};
    case LettoreCampi::Esito::Virgolette:
        return {errore_lettura::RecordIncompleto,
                QStringLiteral("finisce a metà di una riga, dentro un testo tra virgolette")};
    default:
        return {errore_lettura::RecordIncompleto, QStringLiteral("finisce a metà di una riga")};
    }
}

// Reads every record; the failure that stopped it, with the line where its record begins.
Guasto leggiRecord(LettoreCampi& lettore, Caricamento& caricamento, int& riga)
{
    std::array<QString, 4> campi;
    QByteArray byte;
    for (;;) {
        for (size_t n = 0; n < campi.size(); ++n) {
            const LettoreCampi::Esito esito = lettore.prossimo(byte);
            if (esito == LettoreCampi::Esito::FineFile && n == 0)
                return {};
            // A record is placed by its first line; an overlong field by its own.
            if (n == 0 || esito == LettoreCampi::Esito::TroppoLungo)
                riga = lettore.riga();
            if (esito != LettoreCampi::Esito::Campo)
                return guastoDi(esito, byte);
            campi[n] = daWindows1252(byte);
        }
        if (Guasto g = caricamento.applica(campi, riga); g.errore)
            return g;
    }
}

EsitoLettura fallito(int errore, const QString& spiegazione)
{
    EsitoLettura e;
    e.errore = errore;
    e.spiegazione = spiegazione;
    return e;
}

}  // namespace

EsitoLettura leggiProgramma(Editor& editor, const QString& percorso)
{
    const QFileInfo info(percorso);
    const QString nome = info.fileName();
    if (!info.exists())
        return fallito(errore_lettura::FileNonTrovato, QStringLiteral("Il file %1 non esiste.").arg(nome));
    if (info.isDir())
        return fallito(errore_lettura::FileIlleggibile, QStringLiteral("%1 è una cartella, non un file.").arg(nome));
    // A pipe or a device would keep the reader waiting, or feed it for ever.
    if (!info.isFile())
        return fallito(errore_lettura::FileIlleggibile,
                       QStringLiteral("%1 non è un file normale (è una pipe o un dispositivo): non è un programma.")
                           .arg(nome));
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return fallito(errore_lettura::FileIlleggibile,
                       QStringLiteral("Il file %1 non si può leggere (%2).").arg(nome, file.errorString()));
    if (file.size() > DimensioneMassimaProgramma)
        return fallito(errore_lettura::FileTroppoGrande, troppoGrande(nome));

    // The program being read lives apart until the whole file has gone in.
    Stato& attuale = editor.stato();
    Stato nuovo = attuale;
    Editor lettura(nuovo, editor.interazione());
    nuovo.InserimentoAutomatico = true;
    impostaConferme(nuovo, true);
    nuovo.PercorsoFile = percorso;
    lettura.cancellaTutto();
    for (Griglia& g : nuovo.griglie)
        g.seleziona(0, g.colonnaCorrente());

    EsitoLettura esito;
    LettoreCampi lettore(file, DimensioneMassimaProgramma);
    Caricamento caricamento(lettura, esito);
    int riga = 1;
    const Guasto guasto = leggiRecord(lettore, caricamento, riga);
    if (guasto.errore == errore_lettura::FileTroppoGrande)  // it grew while being read
        return fallito(guasto.errore, troppoGrande(nome));
    if (guasto.errore != errore_lettura::Nessuno) {
        const QString dove = QStringLiteral(" (riga %1)").arg(riga);
        return fallito(guasto.errore, QStringLiteral("Il file %1 ").arg(nome) + guasto.cosa + dove
                                          + (guasto.dettaglio.isEmpty() ? QStringLiteral(".") : ": " + guasto.dettaglio));
    }
    nuovo.InserimentoAutomatico = false;
    impostaConferme(nuovo, false);
    nuovo.Modificato = false;
    attuale = std::move(nuovo);
    return esito;
}

Messaggio messaggioErroreLettura(const EsitoLettura& esito)
{
    return {QStringLiteral("Errore numero: ") + QString::number(esito.errore) + CrLf + esito.spiegazione,
            Icona::Critica};
}

std::optional<Messaggio> avvisoRigheSaltate(const EsitoLettura& esito, const QString& percorso)
{
    if (esito.saltati == 0)
        return std::nullopt;
    QStringList righe;
    for (int r : esito.righeSaltate)
        righe << QString::number(r);
    if (esito.saltati > static_cast<int>(esito.righeSaltate.size()))
        righe << QStringLiteral("…");
    const bool una = esito.saltati == 1;
    const QString nome = QFileInfo(percorso).fileName(), dove = righe.join(QStringLiteral(", "));
    const QString quante =
        una ? QStringLiteral("Una riga del file %1 non è stata caricata (riga %2)").arg(nome, dove)
            : QStringLiteral("%1 righe del file %2 non sono state caricate (righe %3)").arg(esito.saltati).arg(nome, dove);
    return Messaggio{quante
                     + QStringLiteral(": una griglia o un codice di istruzione che questo programma non conosce, "
                                      "o un'istruzione oltre le 950 di una griglia.")
                     + CrLf
                     + (una ? QStringLiteral("Salvando il programma, quella riga andrà persa.")
                            : QStringLiteral("Salvando il programma, quelle righe andranno perse."))};
}

}  // namespace kobaltino
