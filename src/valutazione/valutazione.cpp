#include "valutazione/valutazione.h"

#include "codegen/compilatore.h"
#include "model/editor.h"
#include "persist/file_programma.h"
#include "sim/programma_simulato.h"
#include "sim/sessione.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>

#include <atomic>

namespace kobaltino {

namespace {

constexpr double PassoTracciaCm = 1;  // the report's trail keeps a point every centimetre

// Nobody is there to answer: the messages are kept, questions get No, dialogs are cancelled.
class InterazioneRaccolta : public Interazione {
public:
    Risposta mostra(const Messaggio& m) override
    {
        messaggi << QString(m.testo).replace(CrLf, QStringLiteral(" ")).simplified();
        return m.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
    }
    std::optional<EsitoDialogo> apriDialogo(Dialogo, int, const Stato&) override { return std::nullopt; }
    QString scegliFile(const RichiestaFile&) override { return {}; }

    QStringList messaggi;
};

// Every goal failed, with no value: the row of a program that did not run.
std::vector<EsitoObiettivo> tuttiFalliti(const Sfida& sfida)
{
    std::vector<EsitoObiettivo> e;
    for (const Obiettivo& o : sfida.obiettivi)
        e.push_back({o.tipo, false, std::nullopt, QStringLiteral("-")});
    return e;
}

// The compiled program, or the reason it is not, in `r.errore`.
std::optional<ProgrammaSimulato> compila(const Sfida& sfida, const QString& file, const QString& gpasm,
                                         RisultatoProgramma& r)
{
    const QFileInfo info(file);
    if (!info.isFile()) {
        r.errore = QStringLiteral("il file non esiste o non è un file.");
        return std::nullopt;
    }
    if (info.size() == 0) {
        r.errore = QStringLiteral("il file è vuoto.");
        return std::nullopt;
    }
    Stato stato;
    InterazioneRaccolta ui;
    Editor editor(stato, ui);
    const EsitoLettura letto = leggiProgramma(editor, info.absoluteFilePath());
    if (!letto.riuscito()) {
        ui.mostra(messaggioErroreLettura(letto));
        r.errore = QStringLiteral("il file non si legge: ") + ui.messaggi.last();
        return std::nullopt;
    }
    stato.Processore = sfida.processore;
    const int prima = static_cast<int>(ui.messaggi.size());
    const std::optional<Generazione> g = Compilatore(stato, ui).genera(false);
    if (!g) {
        r.errore = ui.messaggi.size() > prima ? ui.messaggi.last() : QStringLiteral("il programma non si compila.");
        return std::nullopt;
    }
    if (gpasm.isEmpty()) {
        r.errore = QStringLiteral("gpasm non trovato: installare gputils.");
        return std::nullopt;
    }
    EsitoAssemblaggio assemblato = assemblaPerSimulare(g->sorgente, sfida.processore, gpasm);
    if (assemblato.programma)
        return std::move(assemblato.programma);
    if (!assemblato.errori.empty()) {
        const Segnalazione& e = assemblato.errori.front();
        r.errore = (e.riga > 0 ? descriviOrigine(g->sorgente.origine(e.riga)) + QStringLiteral(": ") : QString()) + e.testo;
    } else {
        r.errore = assemblato.problema;
    }
    return std::nullopt;
}

}  // namespace

QStringList programmiDa(const QStringList& percorsi)
{
    QStringList file;
    for (const QString& p : percorsi) {
        if (!QFileInfo(p).isDir()) {
            file << p;
            continue;
        }
        QStringList trovati;
        QDirIterator i(p, {QStringLiteral("*.kbn"), QStringLiteral("*.sdl")}, QDir::Files,
                       QDirIterator::Subdirectories);
        while (i.hasNext())
            trovati << QDir(p).filePath(QDir(p).relativeFilePath(i.next()));
        trovati.sort();
        file << trovati;
    }
    return file;
}

RisultatoProgramma valutaProgramma(const Sfida& sfida, const QString& file, const QString& gpasm)
{
    RisultatoProgramma r;
    r.file = file;
    r.obiettivi = tuttiFalliti(sfida);
    const std::optional<ProgrammaSimulato> programma = compila(sfida, file, gpasm, r);
    if (!programma)
        return r;
    r.compilato = true;
    Sessione sessione(*programma, sfida.arena);
    Arbitro arbitro(sfida);
    giocaSfida(sessione, arbitro);
    r.superata = arbitro.superata();
    r.punteggio = arbitro.punteggio();
    r.tempoS = sessione.secondi();
    r.urti = sessione.robot().urti;
    for (size_t i = 0; i < sfida.obiettivi.size(); ++i) {
        const StatoObiettivo& s = arbitro.stati()[i];
        r.obiettivi[i] = {sfida.obiettivi[i].tipo, s.decisione == Decisione::Superato, s.valore,
                          testoValore(sfida.obiettivi[i], s)};
    }
    for (const PuntoTraccia& p : sessione.traccia())
        if (r.traccia.empty() || lunghezza(p.posizione - r.traccia.back()) >= PassoTracciaCm)
            r.traccia.push_back(p.posizione);
    if (r.traccia.empty() || !(r.traccia.back() == sessione.robot().posizione))
        r.traccia.push_back(sessione.robot().posizione);
    return r;
}

Valutazione valuta(const QString& nome, const Sfida& sfida, const QStringList& file, const Avanzamento& avanzamento)
{
    Valutazione v{nome, sfida, std::vector<RisultatoProgramma>(static_cast<size_t>(file.size()))};
    const QString gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    QMutex avvisa;
    std::atomic<int> fatti = 0;
    // Each program has its own chip, robot and session: the threads share only what they read.
    for (qsizetype i = 0; i < file.size(); ++i)
        pool.start([&, i] {
            v.programmi[static_cast<size_t>(i)] = valutaProgramma(sfida, file[i], gpasm);
            const int n = ++fatti;
            if (avanzamento) {
                const QMutexLocker blocco(&avvisa);
                avanzamento(n, static_cast<int>(file.size()));
            }
        });
    pool.waitForDone();
    return v;
}

}  // namespace kobaltino
