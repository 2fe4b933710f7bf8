// The arena file's text as the simulator reads it once the file is open: bad bytes give a
// message, a good arena writes out to a text that reads back equal, and a robot driven around in
// it for a while stays inside its walls.
#include "banco_fuzz.h"

#include "sim/arena.h"
#include "sim/robot.h"
#include "sim/sensori.h"

#include <cmath>

using namespace kobaltino;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    QString errore;
    const std::optional<Arena> arena = leggiArena(fuzz::daFuzzer(dati, n), &errore);
    if (!arena) {
        fuzz::verifica(!errore.isEmpty() && errore.endsWith(u'.'), "arena rifiutata senza un messaggio");
        return 0;
    }
    const std::optional<Arena> riletta = leggiArena(scriviArena(*arena), &errore);
    fuzz::verifica(riletta && *riletta == *arena, "l'arena scritta non si rilegge uguale");

    // Ahead, a quarter turn on the spot, ahead again: 3 s in steps of 0,1 s.
    const Ostacoli ostacoli(*arena);
    StatoRobot robot = robotInPartenza(arena->partenza.posizione, arena->partenza.direzioneGradi);
    for (int passo = 0; passo < 30; ++passo) {
        const MotoRuote moto = passo / 10 == 1 ? MotoRuote{1, -1} : MotoRuote{1, 1};
        muovi(robot, moto, 0.1, ostacoli.tutti);
        leggiSensori(*arena, robot, ostacoli);
        const Punto p = robot.posizione;
        fuzz::verifica(std::isfinite(p.x) && std::isfinite(p.y) && p.x >= 0 && p.y >= 0 && p.x <= arena->larghezza
                           && p.y <= arena->altezza,
                       "il robot esce dall'arena");
    }
    return 0;
}
