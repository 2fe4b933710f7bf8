// The programmers' command lines and the reading of how they ended.
#include "trasferimento/riga_comando.h"
#include "trasferimento/spiegazione.h"

#include <gtest/gtest.h>

#include <set>

namespace kobaltino {
namespace {

const QString Hex = "/tmp/classe 3B/giro.hex";  // a blank: still one argument

// Each preset's part names for the three chips, the refusals said before anything runs, and a
// custom line whose ; $( ) and quotes stay plain words.
TEST(Programmatori, RigheDiComandoERifiuti)
{
    const QString NoPk2 = "Il PICkit 2 (pk2cmd) non programma il PIC16F84: nel suo elenco dei chip c'è solo il "
                          "PIC16F84A, che si programma in modo diverso. Se sul robot c'è un 16F84A sceglierlo "
                          "nell'elenco dei processori; per un 16F84 usare un programmatore K150 (picpro).";
    const QString SenzaPorta = "Questo programmatore si collega a una porta seriale: sceglierla in Strumenti, "
                               "Programmatore... (per esempio /dev/ttyUSB0).";
    struct Caso {
        SceltaProgrammatore scelta;
        QString pic;
        QStringList comando;  // program and arguments
        QString rifiuto;
    };
    const Caso casi[] = {
        {{"pk2cmd"}, "16F84", {}, NoPk2},
        {{"pk2cmd"}, "16F84A", {"pk2cmd", "-PPIC16F84A", "-F" + Hex, "-M", "-R", "-JN"}, ""},
        {{"pk2cmd"}, "16F628", {"pk2cmd", "-PPIC16F628", "-F" + Hex, "-M", "-R", "-JN"}, ""},
        {{"ipecmd", "", "", "PK4"}, "16F84A", {"ipecmd", "-TPPK4", "-P16F84A", "-F" + Hex, "-M", "-OL"}, ""},
        {{"ipecmd", "", "", "PK5"}, "16F628", {"ipecmd", "-TPPK5", "-P16F628", "-F" + Hex, "-M", "-OL"}, ""},
        {{"ipecmd"}, "16F84", {}, "MPLAB IPE (ipecmd) non programma il PIC16F84: conosce solo il PIC16F84A. Se sul "
                                  "robot c'è un 16F84A sceglierlo nell'elenco dei processori; per un 16F84 usare un "
                                  "programmatore K150 (picpro)."},
        {{"ipecmd", "", "", "PK9"}, "16F84A", {}, "Strumento sconosciuto: PK9 (PK3, PK4 o PK5)."},
        {{"picpro", "", "/dev/ttyUSB0"}, "16F84", {"picpro", "program", "-p", "/dev/ttyUSB0", "-i", Hex, "-t", "16F84"}, ""},
        {{"picpro", "", "/dev/ttyS1"}, "16F84A", {"picpro", "program", "-p", "/dev/ttyS1", "-i", Hex, "-t", "16F84A"}, ""},
        {{"picpro", "", "/dev/ttyUSB0"}, "16F628", {"picpro", "program", "-p", "/dev/ttyUSB0", "-i", Hex, "-t", "16F628"}, ""},
        {{"picpro"}, "16F84", {}, SenzaPorta},
        {{"avrdude"}, "16F84", {}, "Programmatore sconosciuto: avrdude (pk2cmd, ipecmd, picpro o una riga personalizzata)."},
        {{"personalizzato", R"(/opt/prog -d{pic} "{hex}"; rm -rf $(ls) 'a "b"' c\ d "\$x")"}, "16F84",
         {"/opt/prog", "-d16F84", Hex + ";", "rm", "-rf", "$(ls)", "a \"b\"", "c d", "$x"}, ""},
        {{"personalizzato", "prog {porta}"}, "16F84", {}, SenzaPorta},
        {{"personalizzato", "prog 'aperta"}, "16F84", {}, "La riga di comando personalizzata ha una virgoletta non chiusa."},
        {{"personalizzato", "  "}, "16F84", {}, "La riga di comando personalizzata è vuota: scriverla in Strumenti, "
                                               "Programmatore..."},
    };
    for (const Caso& c : casi) {
        const ComandoProgrammatore r = componi(c.scelta, c.pic, Hex);
        const QString nome = c.scelta.programmatore + " " + c.pic;
        EXPECT_EQ(r.rifiuto, c.rifiuto) << nome.toStdString();
        if (r.valido()) {
            EXPECT_EQ(QStringList{r.programma} + r.argomenti, c.comando) << nome.toStdString();
        }
    }
    EXPECT_EQ(mostraComando("pk2cmd", {"-F" + Hex, "it's"}), "pk2cmd '-F/tmp/classe 3B/giro.hex' 'it'\\''s'");
}

// Every documented exit status of pk2cmd has its own sentence; the stop by "Annulla" or by the time
// limit says so; picpro's failed verify and ipecmd's failures count though they end with status 0,
// and ipecmd's success only counts when it says it wrote the chip.
TEST(Programmatori, OgniFineLaSuaSpiegazione)
{
    const Programmatore* pk2 = programmatore("pk2cmd");
    const auto fine = [](EsitoEsecuzione::Fine f, int codice = 0, const QString& uscita = {}) {
        EsitoEsecuzione e;
        e.fine = f;
        e.codice = codice;
        e.uscita = uscita;
        return e;
    };
    const Programmatore* ipe = programmatore("ipecmd");
    const QString AMeta = " Il chip potrebbe essere rimasto scritto a metà: ripetere il trasferimento.";
    const QString Verifica = "Il programma è stato scritto ma la verifica ha trovato differenze: il chip potrebbe "
                             "essere protetto o consumato. Ripetere il trasferimento; se succede ancora, provare un "
                             "altro chip.";
    struct Caso {
        const Programmatore* voce;
        EsitoEsecuzione esito;
        Conclusione atteso;
    };
    const Caso casi[] = {
        {pk2, fine(EsitoEsecuzione::Terminata, 0, "Program Succeeded.\n"),
         {true, "Programma trasferito nel robot (16F84A, 612 parole)"}},
        {pk2, fine(EsitoEsecuzione::Terminata, 10), {false, "Il programmatore non risponde: è collegato alla porta USB?"}},
        {pk2, fine(EsitoEsecuzione::Terminata, 7), {false, "Il chip non risponde: è nello zoccolo, nel verso giusto?"}},
        {pk2, fine(EsitoEsecuzione::Terminata, 99),
         {false, "Il programmatore ha terminato con il codice 99: leggere la sua uscita per sapere che cosa non va."}},
        {nullptr, fine(EsitoEsecuzione::Annullata), {false, "Trasferimento annullato: il programmatore è stato fermato." + AMeta}},
        {nullptr, fine(EsitoEsecuzione::Scaduta), {false, "Il programmatore non ha finito entro 120 secondi ed è stato fermato." + AMeta}},
        {nullptr, fine(EsitoEsecuzione::Terminata, 0, "ROM verification failed.\n"),
         {true, "Programma trasferito nel robot (16F84A, 612 parole)"}},
        {programmatore("picpro"), fine(EsitoEsecuzione::Terminata, 0, "Programming ROM.\nVerifying ROM.\nROM verified.\n"
                                                                      "Verifying EEPROM.\nEEPROM verified.\nDone!\n"),
         {true, "Programma trasferito nel robot (16F84A, 612 parole)"}},
        {programmatore("picpro"), fine(EsitoEsecuzione::Terminata, 0, "Programming ROM.\nROM verification failed.\n"),
         {false, Verifica}},
        {ipe, fine(EsitoEsecuzione::Terminata, 9, "Programmer not found\n"),
         {false, "Il programmatore non risponde: è collegato alla porta USB?"}},
        // ipecmd's endings as it prints them: several end with status 0 and "Operation Succeeded".
        {ipe, fine(EsitoEsecuzione::Terminata, 0, "Target device PIC16F84A found.\nProgramming/Verify complete\n"
                                                  "Program Succeeded.\nOperation Succeeded\n"),
         {true, "Programma trasferito nel robot (16F84A, 612 parole)"}},
        {ipe, fine(EsitoEsecuzione::Terminata, 0, "Target device was not found (could not detect target voltage VDD). "
                                                  "You must connect to a target device to use PICkit 3.\nOperation Succeeded\n"),
         {false, "Il programmatore non sente la tensione del robot: accendere il robot e controllare il cavo tra il "
                 "programmatore e il robot."}},
        {ipe, fine(EsitoEsecuzione::Terminata, 0, "Connection Failed.\nOperation Succeeded\n"),
         {false, "Il programmatore non riesce a comunicare: chiudere MPLAB X e MPLAB IPE se sono aperti, staccare il "
                 "programmatore dalla porta USB, ricollegarlo e riprovare."}},
        {ipe, fine(EsitoEsecuzione::Terminata, 1, "Target Device ID (0x0) is an Invalid Device ID. Please check your "
                                                  "connections to the Target Device.\nOperation Failed\n"),
         {false, "Il chip non risponde: è nello zoccolo, nel verso giusto?"}},
        {ipe, fine(EsitoEsecuzione::Terminata, 1, "Target Device ID (0x3fe0) is an Invalid Device ID.\n"
                                                  "Failed to program device\n"),
         {false, "Il chip nello zoccolo risponde in modo sbagliato: controllare che sia inserito bene; se succede "
                 "ancora, il chip potrebbe essere guasto."}},
        {ipe, fine(EsitoEsecuzione::Terminata, 7, "Address: 0 Expected Value: ff Received Value: 0\nVerify failed\n"),
         {false, Verifica}},
        {ipe, fine(EsitoEsecuzione::Terminata, 7), {false, Verifica}},
        {ipe, fine(EsitoEsecuzione::Terminata, 0, "Operation Succeeded\n"),
         {false, "Il programmatore ha finito senza dire di aver scritto il chip: leggere la sua uscita, poi ripetere "
                 "il trasferimento."}},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(concludi(c.voce, c.esito, "16F84A", 612), c.atteso) << c.esito.uscita.toStdString();

    std::set<QString> frasi;
    for (int codice : {5, 7, 10, 11, 15, 24, 28, 34, 36, 37, 39, 1})
        frasi.insert(concludi(pk2, fine(EsitoEsecuzione::Terminata, codice), "16F84A", 612).frase);
    EXPECT_EQ(frasi.size(), 12u);
    EXPECT_EQ(ultimaPercentuale("Operation: Writing\n  0%\n 45%\r 73% Writing"), 73);
    EXPECT_EQ(ultimaPercentuale("Done!"), -1);
}

}  // namespace
}  // namespace kobaltino
