// Reading and writing a full configuration, against a plain line scan of
// the same bytes (the floor) and an INI parser over a text of the same size.
#include <cstring>
#include <string>

#include <benchmark/benchmark.h>
#include <ini.h>

#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"

using namespace zavro;

namespace {

// A configuration with every line carrying a value, as panels' files do.
T_Command_DEVICE FullConfiguration() {
    T_Command_DEVICE d;
    d.SetDefaults();
    for (int i = 1; i <= 16; ++i) d.Set_ShleifName(i, "Loop " + std::to_string(i));
    for (int i = 1; i <= 250; ++i) {
        d.Set_KeyName(i, "User" + std::to_string(i));
        d.Set_KeyCode(i, "0123456789AB");
    }
    for (int i = 1; i <= 9; ++i) {
        d.Set_SmsType(i, 1);
        d.Set_SmsPhone(i, "+7900123456" + std::to_string(i));
        d.Set_GsmType(i, 1);
        d.Set_GsmPhone(i, "+7900765432" + std::to_string(i));
    }
    d.Set_DeviceName("Object 17");
    d.Set_Ident("0123456789AB");
    return d;
}

const std::string& WrittenText() {
    static const std::string text = ConfigurationText(FullConfiguration());
    return text;
}

void BM_ReadConfiguration(benchmark::State& state) {
    const std::string& text = WrittenText();
    T_Command_DEVICE d;
    for (auto _ : state) {
        ReadConfiguration(text, d);
        benchmark::DoNotOptimize(d);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadConfiguration);

void BM_OpenText(benchmark::State& state) {
    // What opening does with the file's bytes: the text buffer, defaults, reading.
    const std::string& bytes = WrittenText();
    T_Command_DEVICE d;
    for (auto _ : state) {
        const std::string text = LoadTextBuffer(bytes);
        d.SetDefaults();
        ReadConfiguration(text, d);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_OpenText);

void BM_WriteConfiguration(benchmark::State& state) {
    const T_Command_DEVICE d = FullConfiguration();
    for (auto _ : state) {
        std::string text = ConfigurationText(d);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_WriteConfiguration);

void BM_FloorLineScan(benchmark::State& state) {
    const std::string& text = WrittenText();
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) {
            const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(end - p));
            const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
            const char* stop = static_cast<const char*>(cr ? cr : end);
            if (lf && static_cast<const char*>(lf) < stop) stop = static_cast<const char*>(lf);
            ++lines;
            p = stop + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_FloorLineScan);

int EmptyHandler(void*, const char*, const char*, const char*) { return 1; }

void BM_PeerInih(benchmark::State& state) {
    // An INI text of the same size: one section, key = value lines.
    static const std::string ini = [] {
        std::string s = "[config]\n";
        int n = 0;
        while (s.size() < WrittenText().size()) {
            s += "key" + std::to_string(n) + " = value of the key number " + std::to_string(n) + "\n";
            ++n;
        }
        return s;
    }();
    for (auto _ : state) benchmark::DoNotOptimize(ini_parse_string(ini.c_str(), EmptyHandler, nullptr));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ini.size()));
}
BENCHMARK(BM_PeerInih);

} // namespace
