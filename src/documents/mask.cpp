#include "documents/mask.h"

namespace zavro {

std::string MaskFileName(int kind1, const std::string& prefix, const std::string& delimiter1,
                         int kind2, const std::string& alias, const std::string& delimiter2,
                         int kind3, const std::string& identifier,
                         const std::string& delimiter3, int kind4, const std::string& suffix) {
    const auto text = [&](int kind) -> const std::string* {
        switch (kind) {
        case kMaskPrefix: return &prefix;
        case kMaskAlias: return &alias;
        case kMaskIdent: return &identifier;
        case kMaskSuffix: return &suffix;
        default: return nullptr;
        }
    };
    const int kinds[4] = {kind1, kind2, kind3, kind4};
    const std::string* delimiters[4] = {&delimiter1, &delimiter2, &delimiter3, nullptr};
    std::string name;
    std::string pending;
    for (int k = 0; k < 4; ++k) {
        const std::string* t = text(kinds[k]);
        if (t == nullptr || t->empty()) continue;
        name += pending;
        name += *t;
        pending = delimiters[k] ? *delimiters[k] : std::string();
    }
    return name + ".ini";
}

std::string MaskFileName(const TParamWork& work, const std::string& alias,
                         const std::string& identifier) {
    return MaskFileName(work.MaskIdent1, work.MaskPref, work.MaskDelim1, work.MaskIdent2, alias,
                        work.MaskDelim2, work.MaskIdent3, identifier, work.MaskDelim3,
                        work.MaskIdent4, work.MaskSuff);
}

} // namespace zavro
