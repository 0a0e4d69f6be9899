// The GOST 28147-89 block cipher: 64-bit blocks, a 256-bit key of eight
// 32-bit words, 32 rounds, and a substitution table that is a parameter of
// the cipher. The round function is table-driven: the eight 4-bit
// substitutions and the rotation by 11 bits are folded into four tables of
// 256 words, one per byte of the round's input.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zavro {

// Eight rows of sixteen 4-bit entries; row j replaces the 4-bit group j of a
// 32-bit word, group 0 being its least significant bits 0-3.
using GostSubstitution = std::array<std::array<std::uint8_t, 16>, 8>;

// The key words K0..K7.
using GostKey = std::array<std::uint32_t, 8>;

// The substitution table of the encrypted configuration container.
const GostSubstitution& ContainerSubstitution();

class Gost28147 {
  public:
    explicit Gost28147(const GostSubstitution& substitution);

    // One round's function of the 32-bit half n1 under the step key k:
    // substitution of n1 + k (modulo 2^32), then rotation left by 11 bits.
    std::uint32_t Round(std::uint32_t n1, std::uint32_t k) const {
        const std::uint32_t t = n1 + k;
        return t0_[t & 0xFF] ^ t1_[(t >> 8) & 0xFF] ^ t2_[(t >> 16) & 0xFF] ^ t3_[t >> 24];
    }

    // Simple replacement mode on the two halves of a block: n1 holds block
    // bytes 0..3, n2 bytes 4..7, each little-endian.
    void EncryptHalves(const GostKey& key, std::uint32_t& n1, std::uint32_t& n2) const;
    void DecryptHalves(const GostKey& key, std::uint32_t& n1, std::uint32_t& n2) const;

    // Whole 8-byte blocks in place, one after another (simple replacement
    // mode). size must be a multiple of 8; a trailing partial block is left
    // untouched.
    void EncryptBlocks(const GostKey& key, std::uint8_t* data, std::size_t size) const;
    void DecryptBlocks(const GostKey& key, std::uint8_t* data, std::size_t size) const;

  private:
    std::array<std::uint32_t, 256> t0_{}, t1_{}, t2_{}, t3_{};
};

} // namespace zavro
