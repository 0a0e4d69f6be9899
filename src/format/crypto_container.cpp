#include "format/crypto_container.h"

#include <array>
#include <fstream>
#include <vector>

#include "format/crc16.h"
#include "format/text_buffer.h"
#include "model/cp1251.h"

namespace zavro {

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// The position just after the signature line and the CR/LF bytes that
// follow it, or npos when the first line is not the device signature. The
// line is compared trimmed and upper-cased, Windows-1251 letters included.
std::size_t SkipSignature(std::string_view bytes) {
    std::size_t end = 0;
    while (end < bytes.size() && !IsLineBreak(bytes[end]))
        ++end;
    static const std::string expected = Cp1251Upper(CryptoSignature());
    if (Cp1251Upper(TrimCryptoText(bytes.substr(0, end))) != expected)
        return std::string_view::npos;
    while (end < bytes.size() && IsLineBreak(bytes[end]))
        ++end;
    return end;
}

// The deciphering cipher with the container's table, built once.
const Gost28147& ContainerCipher() {
    static const Gost28147 cipher(ContainerSubstitution());
    return cipher;
}

// Deciphers and checks the cipher text; on success the configuration text
// D[s..n-4] is loaded into text.
int DecipherPayload(std::string_view cipherText, const GostKey& key, std::string& text) {
    const std::size_t n = cipherText.size();
    if (n == 0 || n % 8 != 0) return kCryptoBadSize;

    std::vector<std::uint8_t> d(cipherText.begin(), cipherText.end());
    ContainerCipher().DecryptBlocks(key, d.data(), n);

    // De-chaining: D[i] = (D[i] rotated right by one bit) XOR D[i-1], with
    // D[i-1] still as deciphered; the byte before D[0] counts as 0.
    std::uint8_t previous = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t deciphered = d[i];
        d[i] = static_cast<std::uint8_t>(((deciphered >> 1) | (deciphered << 7)) ^ previous);
        previous = deciphered;
    }

    // The trailer: s in D[n-1], the CRC in D[n-3] (high) and D[n-2] (low).
    // n >= 8, so the trailer lies inside the payload; an s past it is never
    // written with the right key.
    const std::size_t s = d[n - 1];
    const std::size_t textEnd = n - 3;
    int code = kCryptoWrongKey;
    if (s <= textEnd) {
        const std::uint16_t stored = static_cast<std::uint16_t>(d[n - 3] << 8 | d[n - 2]);
        if (Crc16Modbus(d.data() + s, textEnd - s) == stored) {
            text = LoadTextBuffer(
                std::string_view(reinterpret_cast<const char*>(d.data()) + s, textEnd - s));
            code = kCryptoOk;
        }
    }
    SecureWipe(d.data(), d.size());
    return code;
}

// Reads at most limit bytes of a file.
std::optional<std::string> ReadPrefix(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

const std::string& CryptoSignature() {
    static const std::string signature = Utf8ToCp1251(kCryptoSignatureUtf8);
    return signature;
}

CryptoMessage CryptoResultMessage(int code) {
    switch (code) {
    case kCryptoBadSignature: return {kCryptoSignatureMessage, kCryptoSourceHint, false, false};
    case kCryptoBadSize: return {kCryptoSizeMessage, kCryptoSourceHint, false, false};
    case kCryptoShortKey: return {{}, {}, true, false};
    case kCryptoWrongKey: return {{}, {}, true, true};
    default: return {};
    }
}

std::string_view TrimCryptoText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool MakeCryptoKey(std::string_view keyText, GostKey& key) {
    key.fill(0);
    const std::string_view trimmed = TrimCryptoText(keyText);
    if (trimmed.empty()) return false;
    for (std::size_t i = 0; i < kCryptoKeySize; ++i) {
        const auto byte = static_cast<std::uint8_t>(trimmed[i % trimmed.size()]);
        key[i / 4] |= static_cast<std::uint32_t>(byte) << (8 * (i % 4));
    }
    return true;
}

CryptoLoadResult LoadCryptoBytes(std::string_view fileBytes, std::string_view keyText) {
    CryptoLoadResult result;
    result.key.assign(TrimCryptoText(keyText));

    GostKey key;
    if (!MakeCryptoKey(keyText, key)) {
        result.code = kCryptoShortKey;
        return result;
    }

    const std::string_view bytes = fileBytes.substr(0, kCryptoReadLimit);
    const std::size_t start = SkipSignature(bytes);
    if (start == std::string_view::npos) {
        result.code = kCryptoBadSignature;
    } else if (bytes.size() - start < kCryptoSummarySize) {
        result.code = kCryptoBadSize;
    } else {
        result.code = DecipherPayload(bytes.substr(start + kCryptoSummarySize), key, result.text);
    }
    SecureWipe(key.data(), sizeof key);
    return result;
}

std::optional<CryptoLoadResult> LoadCryptoFile(const std::string& path, std::string_view keyText) {
    // A missing key is reported before the file is touched.
    if (TrimCryptoText(keyText).empty()) return CryptoLoadResult{};
    const auto bytes = ReadPrefix(path, kCryptoReadLimit);
    if (!bytes) return std::nullopt;
    return LoadCryptoBytes(*bytes, keyText);
}

CryptoSummary ReadCryptoSummary(std::string_view fileBytes) {
    const std::string_view bytes = fileBytes.substr(0, kCryptoSummaryLimit);
    CryptoSummary summary;
    const std::size_t start = SkipSignature(bytes);
    // The file list asks for more than the 22 summary bytes after the line break.
    if (start == std::string_view::npos || bytes.size() - start <= kCryptoSummarySize)
        return summary;
    summary.found = true;
    summary.alias.assign(bytes.substr(start, kCryptoAliasSize));
    summary.ident.assign(bytes.substr(start + kCryptoAliasSize, kCryptoIdentSize));
    return summary;
}

std::optional<CryptoSummary> ReadCryptoSummaryFile(const std::string& path) {
    const auto bytes = ReadPrefix(path, kCryptoSummaryLimit);
    if (!bytes) return std::nullopt;
    return ReadCryptoSummary(*bytes);
}

void SecureWipe(void* data, std::size_t size) {
    volatile auto* p = static_cast<volatile unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        p[i] = 0;
}

void SecureWipe(std::string& s) {
    s.resize(s.capacity());
    SecureWipe(s.data(), s.size());
    s.clear();
}

} // namespace zavro
