// The bytes of the program file.
#include "banco_file.h"

namespace kobaltino {
namespace {

class Scrittura : public BancoFile {};

TEST_F(Scrittura, AvantiEAttendiDannoLeQuarantadueRighe)
{
    editor.inserisci(1, codici::Avanti);
    ui.esiti.push_back(esito("1,0"));
    editor.inserisci(1, codici::Attendi);

    QByteArray atteso = "\"\",\"1\",\"\",\"gg1\"\r\n"
                        "\"1,0\",\"8\",\"\",\"gg1\"\r\n";
    for (int i = 1; i <= 20; ++i)
        atteso += "\"\",\"" + QByteArray::number(i) + "\",\"\",\"RAM\"\r\n";
    for (int i = 1; i <= 20; ++i)
        atteso += "\"\",\"" + QByteArray::number(i) + "\",\"\",\"EEP\"\r\n";

    const QByteArray scritto = testoProgramma(stato);
    EXPECT_EQ(scritto, atteso);
    EXPECT_EQ(scritto.count("\r\n"), 42);
    EXPECT_EQ(scritto, leggiByte(programmaDiProva("esempio.kbn")));
}

TEST_F(Scrittura, UnaGrigliaDopoGriglieVuoteSegueSenzaRigaVuota)
{
    editor.inserisci(1, codici::Avanti);
    editor.inserisci(7, codici::Fermo);
    editor.inserisci(7, codici::Sleep);
    const QByteArray scritto = testoProgramma(stato);
    EXPECT_TRUE(scritto.startsWith("\"\",\"1\",\"\",\"gg1\"\r\n"
                                   "\"\",\"7\",\"\",\"gg7\"\r\n"
                                   "\"\",\"12\",\"\",\"gg7\"\r\n"
                                   "\"\",\"1\",\"\",\"RAM\"\r\n"));
    EXPECT_FALSE(scritto.contains("\r\n\r\n"));
    EXPECT_TRUE(scritto.endsWith("\"\",\"20\",\"\",\"EEP\"\r\n"));
}

TEST_F(Scrittura, MarcheEtichetteECaratteriAccentati)
{
    editor.inserisci(1, codici::Avanti);
    stato.griglia(1).riga(0).etichetta = "4";
    stato.marca(Memoria::Ram, 3) = "'è'";
    stato.marca(Memoria::Eeprom, 20) = "d'7'";

    const QByteArray scritto = testoProgramma(stato);
    EXPECT_TRUE(scritto.startsWith("\"\",\"1\",\"4\",\"gg1\"\r\n"));
    EXPECT_TRUE(scritto.contains("\r\n\"'\xE8'\",\"3\",\"\",\"RAM\"\r\n"));
    EXPECT_TRUE(scritto.endsWith("\r\n\"d'7'\",\"20\",\"\",\"EEP\"\r\n"));
}

TEST_F(Scrittura, ScriverNonCambiaIlProgramma)
{
    editor.inserisci(1, codici::Avanti);
    stato.Modificato = true;
    testoProgramma(stato);
    EXPECT_TRUE(stato.Modificato);
    EXPECT_EQ(stato.NumIstruzioni(1), 1);
}

// Texts the file cannot carry back: the writer must refuse them rather than break the file.
TEST_F(Scrittura, TestiCheNonTornerebberoUgualiVengonoSegnalati)
{
    editor.inserisci(1, codici::Avanti);
    EXPECT_EQ(testoNonSalvabile(stato), "");

    const QString coda = " contiene virgolette, un a capo, un carattere non ammesso o un testo troppo lungo.";
    stato.InserimentoAutomatico = true;
    stato.OkAttendi = true;
    stato.ParAttendi = "1\"0";
    editor.inserisci(2, codici::Attendi);
    EXPECT_EQ(testoNonSalvabile(stato),
              "Impossibile salvare il programma.\r\nLa riga 0 della griglia \"Luce destra\"" + coda);

    stato.griglia(2).riga(0).parametro = "1,0";
    stato.griglia(1).riga(0).etichetta = "1\r\n2";
    EXPECT_EQ(testoNonSalvabile(stato),
              "Impossibile salvare il programma.\r\nLa riga 0 della griglia \"Griglia principale\"" + coda);

    stato.griglia(1).riga(0).etichetta = "";
    stato.marca(Memoria::Eeprom, 7) = QString::fromUtf8("'Ω'");
    EXPECT_EQ(testoNonSalvabile(stato), "Impossibile salvare il programma.\r\nLa cella EEP 7" + coda);

    stato.marca(Memoria::Eeprom, 7) = "'€'";  // the euro sign is Windows-1252 0x80
    EXPECT_EQ(testoNonSalvabile(stato), "");
    stato.marca(Memoria::Ram, 1) = QString(4097, u'x');
    EXPECT_EQ(testoNonSalvabile(stato), "Impossibile salvare il programma.\r\nLa cella RAM 1" + coda);
    stato.marca(Memoria::Ram, 1) = QString(4096, u'x');
    EXPECT_EQ(testoNonSalvabile(stato), "");
}

}  // namespace
}  // namespace kobaltino
