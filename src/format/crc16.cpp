#include "format/crc16.h"

#include <array>

namespace zavro {

namespace {

// The bit-by-bit rule applied to every byte value once: crc XOR byte, then
// eight shifts, each followed by XOR 0xA001 when the bit shifted out was 1.
constexpr std::array<std::uint16_t, 256> MakeTable() {
    std::array<std::uint16_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b) {
        unsigned crc = b;
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1u) ? (crc >> 1) ^ 0xA001u : crc >> 1;
        t[b] = static_cast<std::uint16_t>(crc);
    }
    return t;
}

constexpr auto kTable = MakeTable();

} // namespace

std::uint16_t Crc16Modbus(const std::uint8_t* data, std::size_t size, std::uint16_t crc) {
    for (std::size_t i = 0; i < size; ++i)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ kTable[(crc ^ data[i]) & 0xFFu]);
    return crc;
}

} // namespace zavro
