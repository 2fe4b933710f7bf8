#pragma once

// gpsim as the referee: a source is assembled with the real gpasm, run in the chip and in gpsim,
// stopped at the same cycles in both and compared whole (W, PC, every file register, the EEPROM).
// A missing tool fails the test loudly.
#include "sim/chip.h"
#include "sim/hex.h"
#include "support/gpsim.h"

#include <optional>
#include <vector>

namespace kobaltino::arbitro {

// The chip's state as gpsim prints it at a stop.
struct Istantanea {
    int w = -1, pc = -1;
    std::map<int, int> registri, eeprom;  // address -> byte; cells gpsim shows as "--" are missing
    uint8_t analogiciPortaA = 0;          // PORTA bits the 16F628's comparators hold (the chip reads 0)
};

// The image of a program assembled with gpasm, as read from its hex.
inline std::optional<ImmagineHex> immagineDi(const gpsim::Assemblato& a)
{
    if (!a.riuscito)
        return std::nullopt;
    QString errore;
    std::optional<ImmagineHex> immagine = leggiHex(a.leggi(QStringLiteral("prova.hex")), &errore);
    if (!immagine)
        ADD_FAILURE() << errore.toStdString();
    return immagine;
}

// Runs the assembled program in gpsim, stopping at each cycle of `cicli` (increasing, at least 2
// apart). At "break c N" gpsim has run every instruction that starts at cycle N or before.
inline std::vector<Istantanea> esegui(const gpsim::Assemblato& programma, const std::vector<uint64_t>& cicli)
{
    QByteArray script;
    for (uint64_t c : cicli)
        script += "break c " + QByteArray::number(qulonglong(c)) + "\nrun\necho @FERMATA\nx\ndump e\n";
    QString uscita;
    std::vector<Istantanea> fermate;
    if (!programma.simula(script, uscita))
        return fermate;
    // Each stop: the register table, "W = 05", "pc = 0x3", the EEPROM table.
    const QStringList blocchi = uscita.split(QStringLiteral("@FERMATA"));
    for (qsizetype b = 1; b < blocchi.size(); ++b) {
        Istantanea& ist = fermate.emplace_back();
        std::map<int, int>* tabella = &ist.registri;
        for (const QString& testo : blocchi[b].split(QLatin1Char('\n'))) {
            if (testo.startsWith(QLatin1String("W = ")))
                ist.w = testo.mid(4).trimmed().toInt(nullptr, 16);
            if (testo.startsWith(QLatin1String("pc = 0x"))) {
                ist.pc = testo.mid(7).trimmed().toInt(nullptr, 16);
                tabella = &ist.eeprom;
            }
            gpsim::leggiRigaDump(testo, *tabella);
        }
    }
    EXPECT_EQ(fermate.size(), cicli.size()) << uscita.right(3000).toStdString();
    return fermate;
}

inline Istantanea fotografa(const Chip& chip)
{
    Istantanea ist;
    ist.w = chip.w();
    ist.pc = chip.pc();
    for (int a = 0; a < 0x200; ++a)
        if (const auto v = chip.registro(a))
            ist.registri[a] = *v;
    for (int a = 0; a < chip.dimensioneEeprom(); ++a)
        ist.eeprom[a] = chip.eeprom(a);
    if (chip.modello() == ModelloPic::P16F628 && (chip.registro(0x1F).value_or(7) & 7) != 7)
        ist.analogiciPortaA = 0x0F;
    return ist;
}

inline std::string differenze(Istantanea chip, Istantanea gpsim)
{
    // gpsim shows PCL one ahead of the PC it prints (the PC is compared instead), and reads RA0-RA3
    // as digital pins while the comparators hold them, where the chip reads 0.
    for (Istantanea* ist : {&chip, &gpsim}) {
        for (const int pcl : {0x02, 0x82, 0x102, 0x182})
            ist->registri.erase(pcl);
        if (ist->registri.count(0x05))
            ist->registri[0x05] &= ~chip.analogiciPortaA;
    }
    std::string d;
    auto confronta = [&d](const char* cosa, int indirizzo, int nostro, int suo) {
        if (nostro != suo)
            d += QStringLiteral("%1 0x%2: chip %3, gpsim %4\n").arg(cosa).arg(indirizzo, 3, 16, QLatin1Char('0'))
                     .arg(nostro, 0, 16).arg(suo, 0, 16).toStdString();
    };
    confronta("W", 0, chip.w, gpsim.w);
    confronta("PC", 0, chip.pc, gpsim.pc);
    for (const auto& [cosa, nostri, suoi] : {std::tuple{"registro", &chip.registri, &gpsim.registri},
                                             std::tuple{"EEPROM", &chip.eeprom, &gpsim.eeprom}}) {
        std::map<int, int> tutti = *nostri;
        tutti.insert(suoi->begin(), suoi->end());
        for (const auto& [i, valore] : tutti)
            confronta(cosa, i, nostri->count(i) ? nostri->at(i) : -1, suoi->count(i) ? suoi->at(i) : -1);
    }
    return d;
}

// Runs `sorgente` in the chip and in gpsim and checks that both are in the same state at each stop:
// the chip runs (its wait loops counted in one step) `distanze[i]` cycles past the previous stop,
// then steps until a one-cycle instruction starts, at cycle N; its state after it is what gpsim
// shows at "break c N". An unwritten EEPROM cell starts at 0 in gpsim (erased, 0xFF, in a real
// chip), so the chip gets it so. Returns the program's image.
inline std::optional<ImmagineHex> confrontaConGpsim(ModelloPic modello, const QByteArray& sorgente,
                                                    const std::vector<uint64_t>& distanze)
{
    const gpsim::Assemblato programma = gpsim::assembla(sorgente);
    const std::optional<ImmagineHex> immagine = immagineDi(programma);
    if (!immagine)
        return std::nullopt;
    ImmagineHex comeInGpsim = *immagine;
    for (int& b : comeInGpsim.eeprom)
        b = std::max(b, 0);
    Chip chip(modello);
    chip.carica(comeInGpsim);
    std::vector<uint64_t> cicli;
    std::vector<Istantanea> nostri;
    for (const uint64_t distanza : distanze) {
        const uint64_t minimo = (cicli.empty() ? 0 : cicli.back()) + std::max<uint64_t>(distanza, 2);
        chip.esegui(minimo);
        for (uint64_t inizio = chip.cicli();; inizio = chip.cicli()) {
            // gpsim's dump reads TMR0, and a read in the overflow cycle raises T0IF a cycle early.
            if (chip.passo() == 1 && inizio >= minimo && chip.cicli() != chip.stato().overflowTmr0) {
                cicli.push_back(inizio);
                nostri.push_back(fotografa(chip));
                break;
            }
        }
    }
    const std::vector<Istantanea> suoi = esegui(programma, cicli);
    for (size_t i = 0; i < std::min(suoi.size(), nostri.size()); ++i)
        if (const std::string d = differenze(nostri[i], suoi[i]); !d.empty()) {
            ADD_FAILURE() << "al ciclo " << cicli[i] << " (fermata " << i << ", pc del chip 0x" << std::hex << nostri[i].pc
                          << "):\n" << d;
            break;
        }
    return immagine;
}

}  // namespace kobaltino::arbitro
