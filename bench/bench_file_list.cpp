// The list of a work folder of 10,000 configurations: how long until every
// row is tested, and the longest background tick (20 ms of testing a tick).
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "format/file_list.h"
#include "format/writer.h"
#include "model/cp1251.h"

using namespace zavro;
namespace fs = std::filesystem;

namespace {

// Half written configurations, the rest damaged texts and containers.
const fs::path& Folder() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / ("zavro-bench-list-" + std::to_string(::getpid()));
        fs::remove_all(d);
        fs::create_directories(d);
        T_Command_DEVICE device;
        device.SetDefaults();
        const std::string header = Utf8ToCp1251("ЗАВРО КОРВАЛ IP/GPRS 8\r\n");
        for (int i = 0; i < 10000; ++i) {
            const std::string name = "cfg" + std::to_string(i);
            if (i % 2 == 0) {
                device.Set_DeviceName("Object " + std::to_string(i));
                device.Set_Ident(std::to_string(100000 + i));
                std::ofstream(d / (name + ".ini"), std::ios::binary) << ConfigurationText(device);
            } else if (i % 4 == 1) {
                std::ofstream(d / (name + ".ini"), std::ios::binary)
                    << "oa-Damaged " << i << "\r\nla3.-\r\n;;;\r\n" << std::string(3000, '-');
            } else {
                std::ofstream(d / (name + ".cry"), std::ios::binary)
                    << header << "Alias " << (i % 10000) << std::string(12, 'A') << std::string(6400, 'x');
            }
        }
        return d;
    }();
    return dir;
}

void BM_FileListTenThousand(benchmark::State& state) {
    const std::string folder = Folder().string();
    T_Command_DEVICE probe;
    double longestTick = 0;
    for (auto _ : state) {
        FileList list;
        list.Build(folder, probe);
        for (;;) {
            const auto start = std::chrono::steady_clock::now();
            const int tested = list.TestTick(probe, 2, std::chrono::milliseconds(20));
            const std::chrono::duration<double, std::milli> tick = std::chrono::steady_clock::now() - start;
            longestTick = std::max(longestTick, tick.count());
            if (tested < 2) break;
        }
        benchmark::DoNotOptimize(list.Rows().data());
    }
    state.counters["longest_tick_ms"] = longestTick;
}
BENCHMARK(BM_FileListTenThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
