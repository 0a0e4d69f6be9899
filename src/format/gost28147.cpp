#include "format/gost28147.h"

namespace zavro {

namespace {

constexpr GostSubstitution kContainerSubstitution = {{
    {6, 3, 14, 0, 11, 15, 5, 1, 12, 9, 2, 13, 8, 10, 7, 4},
    {1, 5, 8, 4, 14, 10, 2, 0, 7, 6, 13, 9, 11, 12, 15, 3},
    {11, 12, 6, 7, 8, 3, 10, 2, 1, 0, 13, 15, 4, 14, 5, 9},
    {7, 5, 11, 6, 10, 1, 8, 4, 2, 3, 13, 14, 15, 12, 9, 0},
    {8, 13, 10, 11, 14, 3, 4, 12, 2, 5, 7, 6, 9, 0, 15, 1},
    {7, 0, 12, 5, 10, 3, 2, 4, 9, 14, 6, 15, 8, 1, 13, 11},
    {13, 10, 14, 8, 0, 2, 9, 12, 15, 7, 11, 1, 4, 3, 5, 6},
    {11, 6, 1, 3, 12, 13, 2, 8, 0, 14, 9, 7, 5, 10, 4, 15},
}};

constexpr std::uint32_t Rotl11(std::uint32_t x) {
    return (x << 11) | (x >> 21);
}

std::uint32_t Load32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void Store32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

// The step keys of the decryption cycle: K0..K7, then K7..K0 three times.
constexpr std::uint8_t kDecryptOrder[32] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0,
                                            7, 6, 5, 4, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1, 0};

} // namespace

const GostSubstitution& ContainerSubstitution() {
    return kContainerSubstitution;
}

Gost28147::Gost28147(const GostSubstitution& s) {
    // Byte b of the round input holds the 4-bit groups 2b (low nibble) and
    // 2b + 1 (high nibble); its table gives their substitutes in place,
    // already rotated.
    std::array<std::uint32_t, 256>* tables[4] = {&t0_, &t1_, &t2_, &t3_};
    for (int b = 0; b < 4; ++b) {
        for (int x = 0; x < 256; ++x) {
            const std::uint32_t lo = s[2 * b][x & 0x0F] & 0x0Fu;
            const std::uint32_t hi = s[2 * b + 1][x >> 4] & 0x0Fu;
            (*tables[b])[x] = Rotl11((lo | hi << 4) << (8 * b));
        }
    }
}

// Encryption: K0..K7 three times, then K7..K0. Decryption: K0..K7 once, then
// K7..K0 three times. A step sets N1 = N2 XOR f(N1 + K) and N2 = old N1;
// here each step updates one half in place and the next step the other, so
// nothing is swapped. After the 32nd step the block's first four bytes take
// N2 and the last four N1, which is b and a.
void Gost28147::EncryptHalves(const GostKey& k, std::uint32_t& n1, std::uint32_t& n2) const {
    std::uint32_t a = n1, b = n2;
    for (int r = 0; r < 3; ++r) {
        b ^= Round(a, k[0]);
        a ^= Round(b, k[1]);
        b ^= Round(a, k[2]);
        a ^= Round(b, k[3]);
        b ^= Round(a, k[4]);
        a ^= Round(b, k[5]);
        b ^= Round(a, k[6]);
        a ^= Round(b, k[7]);
    }
    b ^= Round(a, k[7]);
    a ^= Round(b, k[6]);
    b ^= Round(a, k[5]);
    a ^= Round(b, k[4]);
    b ^= Round(a, k[3]);
    a ^= Round(b, k[2]);
    b ^= Round(a, k[1]);
    a ^= Round(b, k[0]);
    n1 = b;
    n2 = a;
}

void Gost28147::DecryptHalves(const GostKey& k, std::uint32_t& n1, std::uint32_t& n2) const {
    std::uint32_t a = n1, b = n2;
    b ^= Round(a, k[0]);
    a ^= Round(b, k[1]);
    b ^= Round(a, k[2]);
    a ^= Round(b, k[3]);
    b ^= Round(a, k[4]);
    a ^= Round(b, k[5]);
    b ^= Round(a, k[6]);
    a ^= Round(b, k[7]);
    for (int r = 0; r < 3; ++r) {
        b ^= Round(a, k[7]);
        a ^= Round(b, k[6]);
        b ^= Round(a, k[5]);
        a ^= Round(b, k[4]);
        b ^= Round(a, k[3]);
        a ^= Round(b, k[2]);
        b ^= Round(a, k[1]);
        a ^= Round(b, k[0]);
    }
    n1 = b;
    n2 = a;
}

void Gost28147::EncryptBlocks(const GostKey& key, std::uint8_t* data, std::size_t size) const {
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        std::uint32_t n1 = Load32(data + i), n2 = Load32(data + i + 4);
        EncryptHalves(key, n1, n2);
        Store32(data + i, n1);
        Store32(data + i + 4, n2);
    }
}

void Gost28147::DecryptBlocks(const GostKey& key, std::uint8_t* data, std::size_t size) const {
    // Blocks are independent in this mode: four at a time, each in its own
    // pair of variables, keep the processor busy while each round waits for
    // its table look-ups.
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        std::uint8_t* p = data + i;
        std::uint32_t a0 = Load32(p), b0 = Load32(p + 4), a1 = Load32(p + 8), b1 = Load32(p + 12),
                      a2 = Load32(p + 16), b2 = Load32(p + 20), a3 = Load32(p + 24),
                      b3 = Load32(p + 28);
        for (int step = 0; step < 32; step += 2) {
            const std::uint32_t k1 = key[kDecryptOrder[step]], k2 = key[kDecryptOrder[step + 1]];
            b0 ^= Round(a0, k1);
            b1 ^= Round(a1, k1);
            b2 ^= Round(a2, k1);
            b3 ^= Round(a3, k1);
            a0 ^= Round(b0, k2);
            a1 ^= Round(b1, k2);
            a2 ^= Round(b2, k2);
            a3 ^= Round(b3, k2);
        }
        Store32(p, b0), Store32(p + 4, a0), Store32(p + 8, b1), Store32(p + 12, a1);
        Store32(p + 16, b2), Store32(p + 20, a2), Store32(p + 24, b3), Store32(p + 28, a3);
    }
    for (; i + 8 <= size; i += 8) {
        std::uint32_t n1 = Load32(data + i), n2 = Load32(data + i + 4);
        DecryptHalves(key, n1, n2);
        Store32(data + i, n1);
        Store32(data + i + 4, n2);
    }
}

} // namespace zavro
