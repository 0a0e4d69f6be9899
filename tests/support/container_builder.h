// Builds encrypted containers for tests, benchmarks and fuzzing. The
// program only reads containers; these are the loader's steps inverted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "format/crc16.h"
#include "format/crypto_container.h"
#include "format/gost28147.h"

namespace zavro::testing_support {

// Chains and enciphers a payload D: E[i] = (D[i] XOR E[i-1]) rotated left by
// one bit, from the first byte up (E[-1] = 0), then GOST encryption block by
// block with the container's table.
inline std::string EncipherPayload(std::string d, std::string_view keyText) {
    std::uint8_t previous = 0;
    for (char& c : d) {
        const auto x = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ previous);
        previous = static_cast<std::uint8_t>((x << 1) | (x >> 7));
        c = static_cast<char>(previous);
    }
    GostKey key;
    MakeCryptoKey(keyText, key);
    Gost28147(ContainerSubstitution())
        .EncryptBlocks(key, reinterpret_cast<std::uint8_t*>(d.data()), d.size());
    return d;
}

// s filler bytes, the text, its CRC (high byte, low byte), s. Without s, the
// least filler that makes the payload a multiple of 8 bytes.
inline std::string MakePayload(std::string_view text, int s = -1) {
    if (s < 0) s = static_cast<int>((8 - (text.size() + 3) % 8) % 8);
    std::string d(static_cast<std::size_t>(s), '#');
    d += text;
    const std::uint16_t crc = Crc16Modbus(text);
    d += static_cast<char>(crc >> 8);
    d += static_cast<char>(crc & 0xFF);
    d += static_cast<char>(s);
    return d;
}

} // namespace zavro::testing_support
