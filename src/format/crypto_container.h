// The encrypted configuration container (.cry). The program only reads it.
//
// Layout of the file: a plain signature line, one or more CR/LF bytes, a
// plain 22-byte summary (10 bytes of device name, 12 hexadecimal digits of
// identifier), then the cipher text in 8-byte blocks (GOST 28147-89, simple
// replacement mode). Deciphered and de-chained, the payload D[0..n-1] holds
// filler D[0..s-1], the configuration text D[s..n-4], its CRC-16 in D[n-3]
// (high byte) and D[n-2] (low byte), and s itself in D[n-1].
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "format/gost28147.h"

namespace zavro {

// Result codes of LoadCryptoFile.
enum CryptoResult : int {
    kCryptoOk = 0,
    kCryptoBadSignature = 1,
    kCryptoBadSize = 2,
    kCryptoShortKey = 3, // no key: the key text is empty after trimming
    kCryptoWrongKey = 4, // CRC mismatch
};

inline constexpr std::size_t kCryptoReadLimit = 64001;  // bytes of a file read for loading
inline constexpr std::size_t kCryptoSummaryLimit = 100; // bytes read for the file list
inline constexpr std::size_t kCryptoAliasSize = 10;
inline constexpr std::size_t kCryptoIdentSize = 12;
inline constexpr std::size_t kCryptoSummarySize = kCryptoAliasSize + kCryptoIdentSize;
inline constexpr std::size_t kCryptoKeySize = 32; // bytes of key text making the key

// The device signature on the container's first line.
inline constexpr std::string_view kCryptoSignatureUtf8 = "ЗАВРО КОРВАЛ IP/GPRS 8";
// The same in Windows-1251.
const std::string& CryptoSignature();

// Texts shown for the results (UTF-8). Code 1 and code 2 go to the error
// window as message and recommendation; code 4 shows the wrong-key note in
// the key dialog and asks for the key again; code 3 asks again silently.
inline constexpr std::string_view kCryptoSignatureMessage =
    "Ошибка контрольной сигнатуры файла конфигурации - файл не относится к устройству"
    "                                         " // 41 blanks
    "\"ЗАВРО КОРВАЛ IP/GPRS 16\"";
inline constexpr std::string_view kCryptoSizeMessage =
    "Ошибка размера файла конфигурации - файл не верный ";
inline constexpr std::string_view kCryptoSourceHint = "Проверьте источник файла";
inline constexpr std::string_view kCryptoWrongKeyNote = "(текущий ключ не верный)";

struct CryptoMessage {
    std::string_view message; // empty: no error window
    std::string_view recommendation;
    bool askKeyAgain = false; // show the key dialog again (codes 3 and 4)
    bool showWrongKeyNote = false; // with the note "(текущий ключ не верный)" visible (code 4)
};

// What the key dialog's loop does with a result code.
CryptoMessage CryptoResultMessage(int code);

struct CryptoLoadResult {
    int code = kCryptoShortKey;
    std::string text; // the text buffer (Windows-1251, CR LF lines); empty unless code 0
    std::string key;  // the key text after trimming, before lengthening: the key that
                      // the file-key rule receives
};

// Deciphers a container from the file's bytes (only the first
// kCryptoReadLimit of them count) with a key text (Windows-1251, as typed).
CryptoLoadResult LoadCryptoBytes(std::string_view fileBytes, std::string_view keyText);

// The same for a file, reading at most kCryptoReadLimit bytes of it. Empty
// when the file cannot be opened or read (the file-open error of the caller).
std::optional<CryptoLoadResult> LoadCryptoFile(const std::string& path, std::string_view keyText);

// The plain summary of a container, read without deciphering.
struct CryptoSummary {
    bool found = false; // the signature matched and the summary was complete
    std::string alias;  // device name, 10 bytes, Windows-1251 as stored
    std::string ident;  // identifier, 12 bytes as stored
};

// From the first kCryptoSummaryLimit bytes given.
CryptoSummary ReadCryptoSummary(std::string_view fileBytes);

// From the first kCryptoSummaryLimit bytes of a file; empty when the file
// cannot be opened or read.
std::optional<CryptoSummary> ReadCryptoSummaryFile(const std::string& path);

// Key text handling. Trimming removes leading and trailing blanks (0x20).
std::string_view TrimCryptoText(std::string_view text);

// K0..K7 from a key text: trimmed, repeated until it has at least 32
// characters, its first 32 bytes taken four at a time as little-endian
// words. False (and key zero) when the trimmed text is empty.
bool MakeCryptoKey(std::string_view keyText, GostKey& key);

// Overwrites memory in a way the compiler cannot drop.
void SecureWipe(void* data, std::size_t size);
// Overwrites the whole storage of s, then empties it.
void SecureWipe(std::string& s);

} // namespace zavro
