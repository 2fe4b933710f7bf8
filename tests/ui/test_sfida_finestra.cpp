// The challenge in the simulator window: "Sfida..." brings its arena and goals, the goals follow
// the run and the result stops it; a goal zone drawn in the arena editor is saved as a challenge.
#include "banco_finestra.h"
#include "persist/file_programma.h"
#include "sim/sessione.h"
#include "ui/finestra_simulatore.h"
#include "ui/pannello_sfida.h"
#include "ui/vista_arena.h"

#include <QComboBox>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace kobaltino {
namespace {

class SfidaNelSimulatore : public BancoFinestra {
protected:
    FinestraSimulatore* simula(const QString& programma)
    {
        stato.PercorsoCompilatore = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
        EXPECT_FALSE(stato.PercorsoCompilatore.isEmpty()) << "gpasm is needed to simulate";
        EXPECT_TRUE(leggiProgramma(editor, programma).riuscito());
        finestra->aggiorna();
        menu("KeySimula");
        FinestraSimulatore* s = finestra->simulatore();
        if (s)
            s->simulazione().impostaSenzaOrologio(true);
        return s;
    }

    // Each goal's state and value as the panel shows them.
    static std::vector<std::string> obiettivi(FinestraSimulatore* s)
    {
        auto* elenco = s->pannelloSfida()->findChild<QTreeWidget*>(QStringLiteral("lstObiettivi"));
        std::vector<std::string> righe;
        for (int i = 0; i < elenco->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* v = elenco->topLevelItem(i);
            righe.push_back((v->text(0) + " | " + v->text(1) + " | " + v->text(2)).toStdString());
        }
        return righe;
    }
};

// The lamp sample reaches the lamp and stops after about 7,5 s: the goals turn met as the run
// goes and the result pauses it.
TEST_F(SfidaNelSimulatore, GliObiettiviSeguonoLaCorsaEIlRisultatoLaFerma)
{
    FinestraSimulatore* s = simula(QStringLiteral(KOBALTINO_ESEMPI "/lampada.kbn"));
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(s->apriSfida(QStringLiteral("lampada")));
    EXPECT_EQ(s->sceltaArena()->currentData().toString(), "lampada");
    s->avvia();
    ASSERT_TRUE(s->simulazione().caricata());
    s->simulazione().avanza(CicliPerSecondo);
    EXPECT_EQ(obiettivi(s), (std::vector<std::string>{"Finire a non più di 25 cm dalla lampada | aperto | 119,2 cm",
                                                      "Alla fine i motori sono fermi | aperto | in moto"}));
    EXPECT_TRUE(s->simulazione().inCorso());
    s->simulazione().avanza(9 * CicliPerSecondo);
    EXPECT_EQ(obiettivi(s), (std::vector<std::string>{"Finire a non più di 25 cm dalla lampada | superato | 23,2 cm",
                                                      "Alla fine i motori sono fermi | superato | fermo"}));
    EXPECT_EQ(s->pannelloSfida()->findChild<QLabel*>(QStringLiteral("lblEsitoSfida"))->text(),
              "Sfida superata! Punteggio 100 su 100.");
    EXPECT_FALSE(s->simulazione().inCorso());
    // Ricomincia: the goals start over.
    s->ricomincia();
    s->simulazione().avanza(CicliPerSecondo);
    EXPECT_EQ(obiettivi(s)[1], "Alla fine i motori sono fermi | aperto | in moto");
    EXPECT_TRUE(ui.messaggi.empty());
}

// A zone drawn with "Zona obiettivo" becomes a "raggiungi" goal of the saved challenge, which
// opens again with its zone; "Elimina" erases a zone, another arena closes the challenge; a bad
// challenge file is refused with its reason.
TEST_F(SfidaNelSimulatore, UnaZonaDisegnataSiSalvaComeSfida)
{
    FinestraSimulatore* s = simula(QStringLiteral(KOBALTINO_ESEMPI "/lampada.kbn"));
    ASSERT_NE(s, nullptr);
    s->scegliArena(QStringLiteral("vuota"));
    QApplication::processEvents();
    VistaArena* v = s->vistaArena();
    s->azione(QStringLiteral("strZona"))->trigger();
    QTest::mousePress(v, Qt::LeftButton, {}, v->suSchermo({120, 20}).toPoint());
    QTest::mouseMove(v, v->suSchermo({140, 35}).toPoint());
    QTest::mouseRelease(v, Qt::LeftButton, {}, v->suSchermo({140, 35}).toPoint());

    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("angolo.sfida"));
    ui.file.push_back(file);
    s->azione(QStringLiteral("azSalvaSfida"))->trigger();
    QString errore;
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::optional<Sfida> letta = leggiSfida(f.readAll(), &errore);
    ASSERT_TRUE(letta) << errore.toStdString();
    EXPECT_EQ(letta->arena, *arenaPredefinita(QStringLiteral("vuota")));
    ASSERT_EQ(letta->obiettivi.size(), 1u);
    EXPECT_EQ(letta->obiettivi[0].tipo, "raggiungi");
    EXPECT_EQ(letta->obiettivi[0].zona, (Zona{120, 20, 20, 15}));

    v->impostaZone({});
    ASSERT_TRUE(s->apriSfida(file));
    EXPECT_EQ(v->zone(), (std::vector<Zona>{{120, 20, 20, 15}}));
    EXPECT_TRUE(ui.messaggi.empty());
    // "Elimina" takes a zone away as it takes a box; another arena takes the challenge away.
    s->azione(QStringLiteral("strCancella"))->trigger();
    QTest::mouseClick(v, Qt::LeftButton, {}, v->suSchermo({130, 30}).toPoint());
    EXPECT_EQ(v->zone(), std::vector<Zona>{});
    ASSERT_TRUE(s->apriSfida(file));
    s->scegliArena(QStringLiteral("pista"));
    EXPECT_EQ(v->zone(), std::vector<Zona>{});
    EXPECT_FALSE(s->pannelloSfida()->sfida());
    ASSERT_TRUE(s->apriSfida(QStringLiteral("lampada")));
    EXPECT_EQ(s->pannelloSfida()->sfida()->nomeArena, "lampada");  // its own arena keeps it

    QFile rotta(cartella.filePath(QStringLiteral("rotta.sfida")));
    ASSERT_TRUE(rotta.open(QIODevice::WriteOnly) && rotta.write(R"({"titolo": "x"})") > 0);
    rotta.close();
    EXPECT_FALSE(s->apriSfida(rotta.fileName()));
    ASSERT_EQ(ui.messaggi.size(), 1u);
    EXPECT_EQ(ui.messaggi[0].testo, "Il file della sfida " + rotta.fileName() + " non va bene: manca \"arena\".");
}

}  // namespace
}  // namespace kobaltino
