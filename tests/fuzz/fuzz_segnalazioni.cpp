// The assembler's output as "Compila" and the simulator read it: any text splits into complaints
// with a line number of the generated source or none, and the message that maps them to the rows
// of a real program stays within its size.
#include "banco_fuzz.h"

#include "codegen/compilatore.h"
#include "codegen/generatore.h"
#include "persist/file_programma.h"

using namespace kobaltino;

namespace {

// The source of a program that uses every instruction, generated once.
const Sorgente& sorgenteDiProva()
{
    static const Sorgente sorgente = [] {
        fuzz::InterazioneMuta ui;
        Stato stato;
        Editor editor(stato, ui);
        fuzz::verifica(leggiProgramma(editor, QStringLiteral(KOBALTINO_RADICE "/tests/fixtures/tutti_i_codici.kbn")).riuscito(),
                       "il programma di prova non si legge");
        return genera(stato).sorgente;
    }();
    return sorgente;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QString uscita = QString::fromLocal8Bit(fuzz::daFuzzer(dati, n));
    const Sorgente& sorgente = sorgenteDiProva();
    for (const QString& file : {Compilatore::percorsoTemporaneo(QStringLiteral("/scuola/giro.kbn")),
                                QStringLiteral("programma.asm")}) {
        const std::vector<Segnalazione> errori = leggiSegnalazioni(uscita, file);
        for (const Segnalazione& e : errori)
            fuzz::verifica(e.riga >= 0 && !e.testo.isEmpty() && e.testo == e.testo.simplified(),
                           "segnalazione senza testo o con un numero di riga negativo");
        const QStringList righe = Compilatore::messaggioErrori(errori, sorgente, 1).testo.split(CrLf);
        fuzz::verifica(righe.size() >= 2 && righe.size() <= SegnalazioniMostrate + 2, "messaggio troppo lungo o vuoto");
    }
    return 0;
}
