// Fuzz target: the container loader and the summary reader.
//
// Byte 0 chooses the key text's length (low 6 bits, modulo 41) and the mode
// (high 2 bits); the key text follows, then the rest of the input:
//   mode 0  the rest is the file;
//   mode 1  the rest follows the signature line and a line break;
//   mode 2+ the rest is a payload D, which is chained and enciphered with
//           the key into a well-formed container, and the loader's verdict is
//           checked against D's own trailer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "format/crc16.h"
#include "format/crypto_container.h"
#include "format/text_buffer.h"
#include "support/container_builder.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int mode = data[0] >> 6;
    const std::size_t keySize = std::min<std::size_t>((data[0] & 63u) % 41, size - 1);
    const std::string_view key(reinterpret_cast<const char*>(data + 1), keySize);
    const std::string_view rest(reinterpret_cast<const char*>(data + 1 + keySize),
                                size - 1 - keySize);

    std::string file;
    std::string payload;
    if (mode == 0) {
        file.assign(rest);
    } else if (mode == 1) {
        file = zavro::CryptoSignature() + "\r\n";
        file += rest;
    } else {
        payload.assign(rest);
        payload.resize(std::max<std::size_t>(8, (payload.size() + 7) / 8 * 8), '\0');
        file = zavro::CryptoSignature() + "\r\n" + std::string(zavro::kCryptoSummarySize, 'x') +
               zavro::testing_support::EncipherPayload(payload, key);
    }

    const auto result = zavro::LoadCryptoBytes(file, key);
    Check(result.code >= zavro::kCryptoOk && result.code <= zavro::kCryptoWrongKey);
    Check(result.code == zavro::kCryptoOk || result.text.empty());
    Check(result.key == zavro::TrimCryptoText(key));

    if (mode >= 2 && !result.key.empty() && file.size() <= zavro::kCryptoReadLimit) {
        const std::size_t n = payload.size();
        const std::size_t s = static_cast<std::uint8_t>(payload[n - 1]);
        const auto stored =
            static_cast<std::uint16_t>(static_cast<std::uint8_t>(payload[n - 3]) << 8 |
                                       static_cast<std::uint8_t>(payload[n - 2]));
        const bool ok = s <= n - 3 && zavro::Crc16Modbus(
                                          std::string_view(payload).substr(s, n - 3 - s)) == stored;
        Check(result.code == (ok ? zavro::kCryptoOk : zavro::kCryptoWrongKey));
        if (ok)
            Check(result.text ==
                  zavro::LoadTextBuffer(std::string_view(payload).substr(s, n - 3 - s)));
    }

    const auto summary = zavro::ReadCryptoSummary(file);
    Check(!summary.found || (summary.alias.size() == zavro::kCryptoAliasSize &&
                             summary.ident.size() == zavro::kCryptoIdentSize));
    return 0;
}
