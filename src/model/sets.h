// Partition sets and key sets exchanged by the configuration's accessors,
// with their text forms.
#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace zavro {

// Partitions 1..31 as bits 1..31 of a mask; only 1..16 occur.
struct PartSet {
    std::uint32_t bits = 0;

    PartSet() = default;
    PartSet(std::initializer_list<int> members) {
        for (int p : members) Insert(p);
    }
    bool Has(int p) const { return p >= 1 && p <= 31 && (bits >> p) & 1u; }
    void Insert(int p) {
        if (p >= 1 && p <= 31) bits |= 1u << p;
    }
    void Erase(int p) {
        if (p >= 1 && p <= 31) bits &= ~(1u << p);
    }
    bool Empty() const { return bits == 0; }
    bool operator==(const PartSet&) const = default;
};

// Key numbers 1..255.
struct KeySet {
    std::bitset<256> bits;

    KeySet() = default;
    KeySet(std::initializer_list<int> members) {
        for (int k : members) Insert(k);
    }
    bool Has(int k) const { return k >= 1 && k <= 255 && bits.test(static_cast<std::size_t>(k)); }
    void Insert(int k) {
        if (k >= 1 && k <= 255) bits.set(static_cast<std::size_t>(k));
    }
    void Erase(int k) {
        if (k >= 1 && k <= 255) bits.reset(static_cast<std::size_t>(k));
    }
    bool Empty() const { return bits.none(); }
    bool operator==(const KeySet&) const = default;
};

// Partitions 1..16 as maximal runs: {1,2,3,5} gives "1-3,5".
std::string PartsToText(const PartSet& parts);

// Keys 1..250 in ascending order joined by ",": {3,7,120} gives "3,7,120".
std::string KeySetToText(const KeySet& keys);

} // namespace zavro
