// The arena file as the simulator opens it: bad bytes give a message naming the file, a good
// arena writes out to a text that reads back equal, and a robot driven around in it for a while
// stays inside its walls.
#include "banco_fuzz.h"

#include "sim/arena.h"
#include "sim/robot.h"
#include "sim/sensori.h"

#include <cmath>

using namespace kobaltino;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QString file = fuzz::suFile(QStringLiteral("arena.json"), fuzz::daFuzzer(dati, n));
    bool senzaMondo = true;
    QString errore;
    const std::optional<Arena> arena = caricaArena(file, &senzaMondo, &errore);
    fuzz::verifica(!senzaMondo, "un file letto come nessuna arena");
    if (!arena) {
        fuzz::verifica(errore.startsWith(QStringLiteral("Il file dell'arena ")), "messaggio senza il file");
        return 0;
    }
    const std::optional<Arena> riletta = leggiArena(scriviArena(*arena), &errore);
    fuzz::verifica(riletta && *riletta == *arena, "l'arena scritta non si rilegge uguale");

    // Ahead, a quarter turn on the spot, ahead again: 3 s in steps of 20 ms.
    const Ostacoli ostacoli(*arena);
    StatoRobot robot = robotInPartenza(arena->partenza.posizione, arena->partenza.direzioneGradi);
    for (int passo = 0; passo < 150; ++passo) {
        const MotoRuote moto = passo / 50 == 1 ? MotoRuote{1, -1} : MotoRuote{1, 1};
        muovi(robot, moto, 0.02, ostacoli.tutti);
        leggiSensori(*arena, robot, ostacoli);
        const Punto p = robot.posizione;
        fuzz::verifica(std::isfinite(p.x) && std::isfinite(p.y) && p.x >= 0 && p.y >= 0 && p.x <= arena->larghezza
                           && p.y <= arena->altezza,
                       "il robot esce dall'arena");
    }
    return 0;
}
