// kobaltino-cli simula: the program runs on the simulated chip inside the robot, in its arena.
#include "app/comandi_cli.h"
#include "app/interazione_testo.h"
#include "codegen/compilatore.h"
#include "model/catalogo.h"
#include "model/editor.h"
#include "model/ingressi.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"
#include "sim/sessione.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <cmath>

namespace kobaltino::cli {

namespace {

const char* const UsoSimula =
    "Uso: kobaltino-cli simula PROGRAMMA [--pic 16F84|16F84A|16F628] [--arena NOME|FILE]\n"
    "                          (--tempo SECONDI | --cicli N) [--ingresso NOME=0|1 ...] [--json]\n"
    "  Compila il programma con gpasm in una cartella temporanea (accanto al programma non resta\n"
    "  nulla) e lo esegue sul PIC simulato, dentro il robot, nella sua arena.\n"
    "  --pic       processore (predefinito 16F84)\n"
    "  --arena     vuota, pista, labirinto, lampada, nessuna (predefinita: nessun mondo, ogni ingresso\n"
    "              legge quello che legge un piedino scollegato) o il nome di un file di arena (JSON)\n"
    "  --tempo     secondi di tempo simulato (per esempio 2,5), al massimo 86400 (24 ore)\n"
    "  --cicli     cicli di istruzione (1 us l'uno; un goto ne conta 2), al massimo 86400000000\n"
    "  --ingresso  forza un ingresso per tutta la corsa: Luce_destra, Luce_sinistra, Prossimita_destra,\n"
    "              Prossimita_sinistra, Ottico_destro, Ottico_sinistro, Ultrasuono, Sensore_rotazione, Aux\n"
    "  --json      un solo oggetto JSON invece del riassunto\n"
    "  La corsa finisce prima da sola quando il PIC dorme senza nulla che possa svegliarlo, o la\n"
    "  griglia principale è terminata, e il robot sta fermo.\n"
    "  Stato di uscita: 0 eseguito, 1 il programma non si compila, 2 opzioni sbagliate, arena\n"
    "  sconosciuta, file di arena o programma illeggibile.\n";

struct OpzioniSimula {
    QString programma;
    QString processore = QStringLiteral("16F84");
    QString arena = NessunaArena;
    std::optional<uint64_t> cicli;
    std::vector<std::pair<int, bool>> ingressi;
    bool json = false;
};

// The longest run asked for, by time or by cycles alike: a day of robot time.
constexpr uint64_t SecondiMassimi = 24 * 3600;
constexpr uint64_t CicliMassimi = SecondiMassimi * CicliPerSecondo;

// The value of --tempo in cycles: "2,5" or "2.5" seconds.
std::optional<uint64_t> cicliDaSecondi(QString testo)
{
    bool ok = false;
    const double secondi = testo.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(secondi) || secondi <= 0 || secondi > SecondiMassimi)
        return std::nullopt;
    return static_cast<uint64_t>(std::llround(secondi * CicliPerSecondo));
}

// The value of --cicli: a whole number from 1 to CicliMassimi.
std::optional<uint64_t> cicliDaTesto(const QString& testo)
{
    bool ok = false;
    const uint64_t cicli = testo.toULongLong(&ok);
    if (!ok || cicli == 0 || cicli > CicliMassimi)
        return std::nullopt;
    return cicli;
}

QString nomiIngressi()
{
    QStringList nomi;
    for (const Ingresso& i : ingressi())
        nomi << QString::fromLatin1(i.pin);
    return nomi.join(QStringLiteral(", "));
}

// Reads the options; prints why and returns nullopt when they do not fit.
std::optional<OpzioniSimula> leggiOpzioniSimula(const QStringList& argomenti, QTextStream& err)
{
    OpzioniSimula o;
    const auto rifiuta = [&err](const QString& perche) {
        err << perche << "\n" << UsoSimula;
        return std::nullopt;
    };
    const QStringList conValore = {QStringLiteral("--pic"), QStringLiteral("--arena"), QStringLiteral("--tempo"),
                                   QStringLiteral("--cicli"), QStringLiteral("--ingresso")};
    bool tempoDato = false;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--json")) {
            o.json = true;
            continue;
        }
        if (!a.startsWith(QLatin1Char('-')) || a.size() == 1) {
            if (!o.programma.isEmpty())
                return rifiuta(QStringLiteral("Troppi argomenti: ") + a);
            o.programma = a;
            continue;
        }
        if (!conValore.contains(a))
            return rifiuta(QStringLiteral("Opzione sconosciuta: ") + a);
        if (i + 1 >= argomenti.size())
            return rifiuta(QStringLiteral("Manca il valore di ") + a);
        const QString& valore = argomenti[++i];
        if (a == QLatin1String("--pic")) {
            o.processore = valore;
        } else if (a == QLatin1String("--arena")) {
            o.arena = valore;
        } else if (a == QLatin1String("--tempo") || a == QLatin1String("--cicli")) {
            if (tempoDato)
                return rifiuta(QStringLiteral("Indicare solo uno tra --tempo e --cicli"));
            tempoDato = true;
            o.cicli = a == QLatin1String("--tempo") ? cicliDaSecondi(valore) : cicliDaTesto(valore);
            if (!o.cicli)
                return rifiuta(QStringLiteral("Valore non valido per %1: %2").arg(a, valore));
        } else {
            const QStringList parti = valore.split(QLatin1Char('='));
            const std::optional<int> ingresso = parti.size() == 2 ? indiceIngresso(parti[0]) : std::nullopt;
            if (!ingresso)
                return rifiuta(QStringLiteral("Ingresso sconosciuto in %1 (NOME=0 o NOME=1; i nomi: %2)")
                                   .arg(valore, nomiIngressi()));
            if (parti[1] != QLatin1String("0") && parti[1] != QLatin1String("1"))
                return rifiuta(QStringLiteral("Livello non valido in %1: 0 o 1").arg(valore));
            o.ingressi.emplace_back(*ingresso, parti[1] == QLatin1String("1"));
        }
    }
    if (o.programma.isEmpty())
        return rifiuta(QStringLiteral("Manca il programma"));
    if (!o.cicli)
        return rifiuta(QStringLiteral("Indicare quanto simulare: --tempo SECONDI oppure --cicli N"));
    if (std::find(Processori.begin(), Processori.end(), o.processore) == Processori.end()) {
        err << "Processore sconosciuto: " << o.processore << " (16F84, 16F84A o 16F628)\n";
        return std::nullopt;
    }
    return o;
}

QString binario(int valore) { return QStringLiteral("%1").arg(valore, 8, 2, QLatin1Char('0')); }
QString decimali(double x, int cifre)
{
    return QString::number(x, 'f', cifre).replace(QLatin1Char('.'), QLatin1Char(','));
}

QJsonObject comeJson(const Sessione& s)
{
    const Chip& c = s.chip();
    QJsonArray registri, eeprom, eventi;
    for (int i = 0; i <= 0xFF; ++i) {
        const std::optional<uint8_t> r = c.registro(i);
        registri.append(r ? QJsonValue(*r) : QJsonValue(QJsonValue::Null));
    }
    for (int i = 0; i < c.dimensioneEeprom(); ++i)
        eeprom.append(c.eeprom(i));
    for (const EventoPorte& e : s.eventi())
        eventi.append(QJsonObject{{QStringLiteral("t_s"), static_cast<double>(e.ciclo) / CicliPerSecondo},
                                  {QStringLiteral("porta"), e.porta},
                                  {QStringLiteral("portb"), e.portb}});
    const Origine riga = s.riga();
    const StatoRobot& r = s.robot();
    return QJsonObject{
        {QStringLiteral("processore"), nomeModello(c.modello())},
        {QStringLiteral("cicli"), static_cast<double>(c.cicli())},
        {QStringLiteral("tempo_s"), s.secondi()},
        {QStringLiteral("pc"), c.pc()},
        {QStringLiteral("w"), c.w()},
        {QStringLiteral("registri"), registri},
        {QStringLiteral("eeprom"), eeprom},
        {QStringLiteral("porta"), c.pin(Porta::A)},
        {QStringLiteral("portb"), c.pin(Porta::B)},
        {QStringLiteral("stack_max"), c.stackMassimo()},
        {QStringLiteral("stack_overflow"), c.overflowStack()},
        {QStringLiteral("riga"),
         QJsonObject{{QStringLiteral("griglia"), riga.griglia}, {QStringLiteral("riga"), riga.riga}}},
        {QStringLiteral("robot"), QJsonObject{{QStringLiteral("x_cm"), r.posizione.x},
                                              {QStringLiteral("y_cm"), r.posizione.y},
                                              {QStringLiteral("direzione_gradi"), r.direzioneGradi()},
                                              {QStringLiteral("urti"), r.urti}}},
        {QStringLiteral("eventi"), eventi},
        {QStringLiteral("fine"), s.finita() ? QJsonValue(testoFine(*s.fine())) : QJsonValue(QJsonValue::Null)},
    };
}

void riassunto(const Sessione& s, const QString& arena, QTextStream& out)
{
    const Chip& c = s.chip();
    const StatoRobot& r = s.robot();
    out << "Processore " << nomeModello(c.modello()) << ", arena " << arena << "\n";
    out << "Tempo simulato: " << decimali(s.secondi(), 6) << " s (" << c.cicli() << " cicli)"
        << (c.addormentato() ? ", il PIC dorme (Sleep)" : "") << "\n";
    out << "Riga in esecuzione: " << descriviOrigine(s.riga()) << "\n";
    if (s.finita())
        out << testoFine(*s.fine()) << " (a " << decimali(static_cast<double>(s.fine()->ciclo) / CicliPerSecondo, 3)
            << " s)\n";
    out << "PC 0x" << QStringLiteral("%1").arg(c.pc(), 3, 16, QLatin1Char('0')).toUpper()
        << "   W " << c.w() << "   PORTA " << binario(c.pin(Porta::A)) << "   PORTB " << binario(c.pin(Porta::B)) << "\n";
    out << "Stack: al massimo " << c.stackMassimo() << " livelli su 8";
    if (c.overflowStack() > 0)
        out << ", TRABOCCATO " << c.overflowStack() << " volte";
    out << "\n";
    out << "Robot: x " << decimali(r.posizione.x, 1) << " cm, y " << decimali(r.posizione.y, 1) << " cm, direzione "
        << decimali(r.direzioneGradi(), 1) << " gradi, urti " << r.urti << ", braccio "
        << (r.braccioAperto ? "aperto" : "chiuso") << "\n";
    // The student's RAM1..RAM20 (0x3C..0x4F) and EEP1..EEP20.
    out << "Ram1..Ram20:";
    for (int i = 0; i < 20; ++i)
        out << " " << c.registro(0x3C + i).value_or(0);
    out << "\nEEP1..EEP20:";
    for (int i = 0; i < 20; ++i)
        out << " " << c.eeprom(i);
    const std::vector<EventoPorte> eventi = s.eventi();
    out << "\nCambi delle uscite: " << eventi.size() << "\n";
    for (size_t i = 0; i < eventi.size() && i < 20; ++i)
        out << "  " << decimali(static_cast<double>(eventi[i].ciclo) / CicliPerSecondo, 6) << " s   PORTA "
            << binario(eventi[i].porta) << "   PORTB " << binario(eventi[i].portb) << "\n";
    if (eventi.size() > 20)
        out << "  ... (tutti con --json)\n";
}

}  // namespace

int simula(const QStringList& argomenti, QTextStream& out, QTextStream& err)
{
    if (chiedeAiuto(argomenti)) {
        out << UsoSimula;
        return 0;
    }
    const std::optional<OpzioniSimula> o = leggiOpzioniSimula(argomenti, err);
    if (!o)
        return 2;
    bool senzaMondo = false;
    QString errore;
    std::optional<Arena> arena = caricaArena(o->arena, &senzaMondo, &errore);
    if (!arena && !senzaMondo) {
        err << errore << "\n";
        return 2;
    }

    Stato stato;
    InterazioneTesto ui(err);
    Editor editor(stato, ui);
    const QString programma = QFileInfo(o->programma).absoluteFilePath();
    const EsitoLettura esito = leggiProgramma(editor, programma);
    if (!esito.riuscito()) {
        ui.mostra(messaggioErroreLettura(esito));
        return 2;
    }
    // What runs is what the editor would show: say what it left out.
    if (const std::optional<Messaggio> avviso = avvisoRigheSaltate(esito, programma))
        ui.mostra(*avviso);
    stato.Processore = o->processore;
    const std::optional<Generazione> g = Compilatore(stato, ui).genera();
    if (!g)
        return 1;
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    if (gpasm.isEmpty()) {
        err << "gpasm non trovato: installare gputils.\n";
        return 1;
    }
    const EsitoAssemblaggio assemblato = assemblaPerSimulare(g->sorgente, o->processore, gpasm);
    if (!assemblato.programma) {
        if (!assemblato.problema.isEmpty())
            err << assemblato.problema << "\n";
        if (!assemblato.errori.empty())
            err << "Il compilatore ha segnalato degli errori:\n";
        for (const Segnalazione& e : assemblato.errori)
            err << (e.riga > 0 ? descriviOrigine(g->sorgente.origine(e.riga)) + QStringLiteral(": ") : QString())
                << e.testo << "\n";
        return 1;
    }

    Sessione sessione(*assemblato.programma, std::move(arena));
    for (const auto& [ingresso, livello] : o->ingressi)
        sessione.forza(ingresso, livello);
    sessione.esegui(*o->cicli);
    if (sessione.eventiTroncati())
        err << "Troppi cambi delle uscite: sono elencati solo i primi " << MassimoEventi << ".\n";
    if (o->json)
        out << QJsonDocument(comeJson(sessione)).toJson(QJsonDocument::Compact) << "\n";
    else
        riassunto(sessione, o->arena, out);
    return 0;
}

}  // namespace kobaltino::cli
