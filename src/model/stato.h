#pragma once

#include "model/griglia.h"

#include <QString>
#include <array>
#include <vector>

namespace kobaltino {

inline constexpr int CelleMemoria = 20;
inline const QString TitoloApplicazione = QStringLiteral("Kobaltino");
inline const QString CompilatoreAssente = QStringLiteral("VUOTO");

enum class Memoria { Ram, Eeprom };

// One instruction of a clipboard that holds several: what Copia keeps of it.
struct VoceAppunti {
    QString codice, parametro, azione;
    bool operator==(const VoceAppunti&) const = default;
};

// The shared editor state: the ten grids, the memory usage marks and the module
// variables every command reads and writes. Owned by the application, passed by reference.
struct Stato {
    std::array<Griglia, NumeroGriglie> griglie;

    // Grid k, k = 1..10.
    Griglia& griglia(int k) { return griglie[static_cast<size_t>(k - 1)]; }
    const Griglia& griglia(int k) const { return griglie[static_cast<size_t>(k - 1)]; }
    int NumIstruzioni(int k) const { return griglia(k).numIstruzioni(); }

    int GrigliaAttiva = 1;
    QString NomeGriglia;
    bool Modificato = false;
    bool InserimentoAutomatico = false;
    QString StatoBraccio = QStringLiteral("Chiuso");
    bool AuxAbilitata = true;  // the "Aux" tab of ssTab1; a "Braccio" disables it
    QString AzioneSe;

    // Parameter variables, one per parameter kind.
    QString ParAttendi, ParSensore, ParSe, ParScriviRam, ParScriviEeprom, ParSpostaEeprom,
        ParIncrementa, ParDecrementa, ParSwappa, ParScorriDestra, ParScorriSinistra,
        ParComplemento, ParOperazioni;
    int RigaSalto = 0;  // 0..949

    // Confirmation flags, one per dialog.
    bool OkAttendi = false, OkSeAttivoVaiA = false, OkSeDisattivoVaiA = false,
         OkScriviRam = false, OkScriviEeprom = false, OkSpostaEeprom = false,
         OkIncrementa = false, OkDecrementa = false, OkSwappa = false, OkScorriDestra = false,
         OkScorriSinistra = false, OkComplemento = false, OkOperazioni = false, OkSe = false,
         OkSeAttivoFai = false, OkSeDisattivoFai = false;
    std::array<bool, NumeroGriglie> OkVaiA{};
    std::array<int, NumeroGriglie> NumEtichette{};  // next label number of each grid

    // Usage marks of the memory panel: the literal last written to the cell, empty = free.
    std::array<QString, CelleMemoria> MemoriaRAM, MemoriaEEPROM;
    QString& marca(Memoria m, int cella)
    {
        auto& celle = m == Memoria::Ram ? MemoriaRAM : MemoriaEEPROM;
        return celle[static_cast<size_t>(cella - 1)];
    }
    const QString& marca(Memoria m, int cella) const { return const_cast<Stato*>(this)->marca(m, cella); }

    // Internal clipboard: one instruction...
    QString AppuntiCodice, AppuntiParametro, AppuntiAzione;
    // ... or, after copying several rows, these (empty otherwise).
    std::vector<VoceAppunti> AppuntiRighe;

    QString PercorsoFile;
    QString PercorsoCompilatore = CompilatoreAssente;
    bool AvvisoCompilatore = false;
    QString Processore = QStringLiteral("16F84");  // text of cmbPIC
};

// The processors offered by cmbPIC, in list order.
inline const std::array<QString, 3> Processori = {QStringLiteral("16F84"), QStringLiteral("16F84A"),
                                                  QStringLiteral("16F628")};

}  // namespace kobaltino
