// Deciphering a 64,000-byte container: the whole load (key schedule,
// blocks, de-chaining, CRC, text buffer), the block deciphering alone, and
// the same bytes deciphered in ECB mode by libgcrypt's GOST 28147-89 when it
// is present (its substitution table does not matter for timing).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "format/crypto_container.h"
#include "format/gost28147.h"
#include "model/cp1251.h"
#include "support/container_builder.h"

#ifdef ZAVRO_HAVE_GCRYPT
#include <gcrypt.h>
#endif

namespace {

constexpr std::size_t kCipherSize = 63952;
const char kKeyText[] = "bench-key";

std::string Payload() {
    std::string text;
    while (text.size() < kCipherSize)
        text += "rl=1,1,00,00,00,000,0,000,00,0000000000.\r\n";
    text.resize(kCipherSize - 3 - 5);
    return zavro::testing_support::MakePayload(text, 5);
}

// A container of 64,000 bytes: a 48-byte plain header (signature, four
// line-break bytes, summary) and 63,952 bytes of cipher text, the largest
// that fits the read limit; chaining and encryption are the loader's steps
// inverted.
const std::string& Container() {
    static const std::string file = [] {
        const std::string d = zavro::testing_support::EncipherPayload(Payload(), kKeyText);
        return zavro::CryptoSignature() + "\r\n\r\n" + std::string(zavro::kCryptoSummarySize, 'x') +
               d;
    }();
    return file;
}

std::string CipherText() {
    return Container().substr(Container().size() - kCipherSize);
}

void BM_LoadCryptoContainer(benchmark::State& state) {
    const std::string& file = Container();
    for (auto _ : state) {
        auto result = zavro::LoadCryptoBytes(file, kKeyText);
        if (result.code != zavro::kCryptoOk) state.SkipWithError("container did not load");
        benchmark::DoNotOptimize(result.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kCipherSize));
}
BENCHMARK(BM_LoadCryptoContainer);

void BM_GostDecryptEcb(benchmark::State& state) {
    const std::string cipher = CipherText();
    const zavro::Gost28147 gost(zavro::ContainerSubstitution());
    zavro::GostKey key;
    zavro::MakeCryptoKey(kKeyText, key);
    std::string buffer = cipher;
    for (auto _ : state) {
        buffer = cipher;
        gost.DecryptBlocks(key, reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kCipherSize));
}
BENCHMARK(BM_GostDecryptEcb);

#ifdef ZAVRO_HAVE_GCRYPT
void BM_GcryptGostDecryptEcb(benchmark::State& state) {
    if (!gcry_check_version(GCRYPT_VERSION)) {
        state.SkipWithError("libgcrypt version mismatch");
        return;
    }
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    gcry_cipher_hd_t handle = nullptr;
    if (gcry_cipher_open(&handle, GCRY_CIPHER_GOST28147, GCRY_CIPHER_MODE_ECB, 0) != 0) {
        state.SkipWithError("gcry_cipher_open failed");
        return;
    }
    std::string keyBytes(32, '\0');
    for (std::size_t i = 0; i < keyBytes.size(); ++i)
        keyBytes[i] = kKeyText[i % 9];
    gcry_cipher_setkey(handle, keyBytes.data(), keyBytes.size());
    const std::string cipher = CipherText();
    std::string buffer = cipher;
    for (auto _ : state) {
        buffer = cipher;
        gcry_cipher_decrypt(handle, buffer.data(), buffer.size(), nullptr, 0);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    gcry_cipher_close(handle);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kCipherSize));
}
BENCHMARK(BM_GcryptGostDecryptEcb);
#endif

} // namespace
