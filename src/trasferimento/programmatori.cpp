// The programmers Kobaltino drives, as data. Options, part names and exit codes are those each
// tool documents: pk2cmd in its readme (section "Return Codes"), ipecmd in the IPE's readme and
// what it prints, picpro in its README and its chip list.
#include "trasferimento/programmatori.h"

#include "model/stato.h"

#include <algorithm>

namespace kobaltino {

namespace {

const char* const NonRisponde = "Il programmatore non risponde: è collegato alla porta USB?";
const char* const ChipMuto = "Il chip non risponde: è nello zoccolo, nel verso giusto?";
const char* const VerificaFallita =
    "Il programma è stato scritto ma la verifica ha trovato differenze: il chip potrebbe essere protetto o "
    "consumato. Ripetere il trasferimento; se succede ancora, provare un altro chip.";

const CodiceUscita CodiciPk2cmd[] = {
    {5, "Il PICkit 2 ha misurato una tensione sbagliata sul chip: è nello zoccolo, nel verso giusto, e il "
        "robot è spento?"},
    {7, ChipMuto},
    {10, NonRisponde},
    {11, "Il firmware del PICkit 2 è troppo vecchio per questo pk2cmd: aggiornarlo con «pk2cmd -D» e riprovare."},
    {15, "pk2cmd non è riuscito ad aprire un file in scrittura."},
    {24, "pk2cmd non trova il suo elenco dei chip (PK2DeviceFile.dat): reinstallarlo accanto al programma o "
         "in /usr/share/pk2."},
    {28, "L'aggiornamento del firmware del PICkit 2 non è riuscito."},
    {34, VerificaFallita},
    {36, "pk2cmd ha rifiutato la riga di comando: un'opzione o il chip non sono validi per questo "
         "programmatore."},
    {37, "pk2cmd non è riuscito a leggere il file .hex del programma."},
    {39, "pk2cmd non ha riconosciuto il chip nello zoccolo."},
};

// ipecmd's readme promises an exit status but lists none for these tools, and it ends with 0 on
// several failures; what it prints tells. These are its texts as it prints them on each failure
// seen with a PICkit 3, most specific first: "Device ID (0x0)" is a chip that did not answer,
// another invalid ID a chip that answered wrongly.
const SegnaleUscita SegnaliIpecmd[] = {
    {"Programmer not found", NonRisponde},
    {"could not detect target voltage", "Il programmatore non sente la tensione del robot: accendere il robot e "
                                        "controllare il cavo tra il programmatore e il robot."},
    {"Connection Failed", "Il programmatore non riesce a comunicare: chiudere MPLAB X e MPLAB IPE se sono aperti, "
                          "staccare il programmatore dalla porta USB, ricollegarlo e riprovare."},
    {"Device ID (0x0)", ChipMuto},
    {"does not match expected Device ID", "Il chip nello zoccolo non è quello scelto nell'elenco dei processori."},
    {"Invalid Device ID", "Il chip nello zoccolo risponde in modo sbagliato: controllare che sia inserito bene; se "
                          "succede ancora, il chip potrebbe essere guasto."},
    {"Verify failed", VerificaFallita},
    {"Failed to program", "Il chip non si lascia scrivere: controllare che sia inserito bene; se succede ancora, "
                          "provare un altro chip."},
};

// Observed statuses: 9 when no programmer is connected, 7 when the verify fails.
const CodiceUscita CodiciIpecmd[] = {
    {7, VerificaFallita},
    {9, NonRisponde},
};

// picpro ends with status 0 even when the verify fails: its output tells.
const SegnaleUscita SegnaliPicpro[] = {
    {"verification failed", VerificaFallita},
    {"could not open port", "La porta seriale non si apre: il programmatore è collegato a quella porta? "
                            "L'utente fa parte del gruppo dialout?"},
    {"InvalidResponseError", "Il programmatore non risponde sulla porta seriale: è acceso e collegato?"},
    {"Invalid fuse setting", "picpro ha rifiutato la configurazione del chip scritta nel programma."},
    {"Unable to locate chipinfo", "picpro non trova il suo elenco dei chip: reinstallarlo."},
    {"Traceback", "picpro si è fermato per un errore: leggere l'uscita del programmatore."},
};

const Programmatore Tabella[] = {
    {"pk2cmd", "PICkit 2 (pk2cmd)", "pk2cmd", "-P{pic} -F{hex} -M -R -JN", "-?V",
     // pk2cmd's device list names the PIC16F84A but not the plain PIC16F84, whose programming
     // timing differs: it is refused rather than programmed as something it is not.
     {nullptr, "PIC16F84A", "PIC16F628"},
     "Il PICkit 2 (pk2cmd) non programma il PIC%1: nel suo elenco dei chip c'è solo il PIC16F84A, che si "
     "programma in modo diverso. Se sul robot c'è un 16F84A sceglierlo nell'elenco dei processori; per un "
     "16F84 usare un programmatore K150 (picpro).",
     false, false,
     "pk2cmd non è nei pacchetti Debian: scaricarne il sorgente dalla pagina del PICkit 2 di Microchip, "
     "compilarlo con «make linux» e installarlo con «sudo make install» (la guida spiega come).",
     CodiciPk2cmd, {}},
    {"ipecmd", "PICkit 3, 4 o 5 (ipecmd di MPLAB IPE)", "ipecmd", "-TP{strumento} -P{pic} -F{hex} -M -OL", "-T",
     {nullptr, "16F84A", "16F628"},
     "MPLAB IPE (ipecmd) non programma il PIC%1: conosce solo il PIC16F84A. Se sul robot c'è un 16F84A "
     "sceglierlo nell'elenco dei processori; per un 16F84 usare un programmatore K150 (picpro).",
     false, true,
     "ipecmd fa parte di MPLAB X IPE di Microchip: installarlo e rendere raggiungibile il comando, per "
     "esempio con «sudo ln -s /opt/microchip/mplabx/VERSIONE/mplab_platform/mplab_ipe/ipecmd.sh "
     "/usr/local/bin/ipecmd».",
     CodiciIpecmd, SegnaliIpecmd, "Programming/Verify complete"},
    // picpro has no version option: its help shows that it runs. It ends with status 0 whatever
    // happened, and says "ROM verified." only after reading back what it wrote.
    {"picpro", "K150 e simili, seriale (picpro)", "picpro", "program -p {porta} -i {hex} -t {pic}", "--help",
     {"16F84", "16F84A", "16F628"}, "", true, false,
     "picpro si installa con «pipx install picpro» (oppure «pip install picpro»).", {}, SegnaliPicpro,
     "ROM verified."},
};

const char* const StrumentiIpe[] = {"PK3", "PK4", "PK5"};

}  // namespace

std::span<const Programmatore> programmatori() { return Tabella; }

const Programmatore* programmatore(const QString& id)
{
    const auto it =
        std::find_if(std::begin(Tabella), std::end(Tabella), [&](const Programmatore& p) { return id == QLatin1String(p.id); });
    return it == std::end(Tabella) ? nullptr : &*it;
}

QString parte(const Programmatore& p, const QString& processore)
{
    const auto it = std::find(Processori.begin(), Processori.end(), processore);
    if (it == Processori.end())
        return {};
    const char* nome = p.parti[static_cast<size_t>(it - Processori.begin())];
    return nome ? QString::fromLatin1(nome) : QString();
}

std::span<const char* const> strumentiIpe() { return StrumentiIpe; }

}  // namespace kobaltino
