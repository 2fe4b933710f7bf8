#include "sim/chip.h"

// Work in progress: the interface compiles; the instruction set and memory map follow.
namespace kobaltino {

struct MappaDati {};

std::optional<ModelloPic> modelloDaNome(const QString& nome)
{
    if (nome == QLatin1String("16F84"))
        return ModelloPic::P16F84;
    if (nome == QLatin1String("16F84A"))
        return ModelloPic::P16F84A;
    if (nome == QLatin1String("16F628"))
        return ModelloPic::P16F628;
    return std::nullopt;
}

QString nomeModello(ModelloPic modello)
{
    switch (modello) {
    case ModelloPic::P16F84: return QStringLiteral("16F84");
    case ModelloPic::P16F84A: return QStringLiteral("16F84A");
    case ModelloPic::P16F628: return QStringLiteral("16F628");
    }
    return {};
}

Chip::Chip(ModelloPic modello) : modelloPic(modello), mappa(nullptr) {}
void Chip::carica(const ImmagineHex&) { reset(); }
void Chip::reset() { s = StatoChip{}; }
int Chip::passo() { ++s.cicli; return 1; }
void Chip::esegui(uint64_t finoACicli) { while (s.cicli < finoACicli) passo(); }
std::optional<uint8_t> Chip::registro(int indirizzo) const { return s.ram[indirizzo & 0x1FF]; }
int Chip::dimensioneEeprom() const { return modelloPic == ModelloPic::P16F628 ? 128 : 64; }
uint8_t Chip::eeprom(int indirizzo) const { return s.eeprom[indirizzo & 127]; }
uint8_t Chip::latch(Porta p) const { return s.ram[p == Porta::A ? 5 : 6]; }
uint8_t Chip::tris(Porta p) const { return s.ram[p == Porta::A ? 0x85 : 0x86]; }
uint8_t Chip::pin(Porta p) const { return latch(p); }
void Chip::pilota(Porta, int, std::optional<bool>) {}

}  // namespace kobaltino
