// The file-name mask: proposes names for saved configurations.
#pragma once

#include <cstdint>
#include <string>

#include "documents/work_settings.h"

namespace zavro {

// Joins the texts of the four elements (kind 0 empty, 1 prefix, 2 alias,
// 3 identifier, 4 suffix) and appends ".ini". Empty elements are skipped; the
// delimiter between two elements is the one that follows the earlier
// non-empty element, so no delimiter leads or trails. The texts are joined
// byte for byte, so give them all in one encoding.
std::string MaskFileName(int kind1, const std::string& prefix, const std::string& delimiter1,
                         int kind2, const std::string& alias, const std::string& delimiter2,
                         int kind3, const std::string& identifier,
                         const std::string& delimiter3, int kind4, const std::string& suffix);

// MaskFileName with the mask of the work settings.
std::string MaskFileName(const TParamWork& work, const std::string& alias,
                         const std::string& identifier);

} // namespace zavro
