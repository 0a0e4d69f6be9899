#include "model/sets.h"

namespace zavro {

std::string PartsToText(const PartSet& parts) {
    std::string out;
    int p = 1;
    while (p <= 16) {
        if (!parts.Has(p)) {
            ++p;
            continue;
        }
        int last = p;
        while (last + 1 <= 16 && parts.Has(last + 1)) ++last;
        if (!out.empty()) out += ',';
        out += std::to_string(p);
        if (last > p) {
            out += '-';
            out += std::to_string(last);
        }
        p = last + 1;
    }
    return out;
}

std::string KeySetToText(const KeySet& keys) {
    std::string out;
    for (int k = 1; k <= 250; ++k) {
        if (!keys.Has(k)) continue;
        if (!out.empty()) out += ',';
        out += std::to_string(k);
    }
    return out;
}

} // namespace zavro
