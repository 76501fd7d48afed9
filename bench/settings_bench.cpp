// What start-up spends on "Settings.log": the store's read (creating a
// missing file) and the reading of the values, for a usual file and for the
// hostile ones a player's folder may hold. None may cost more than a usual
// start-up's few milliseconds.
#include "SettingsFile.h"
#include "SettingsStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string UsualFile()
{
    std::string text = "/home/ann/themes/marble.tlm\r\n16\r\n11\r\n120\r\nsound\r\n";
    for (int i = 0; i < 10; ++i) text += "Player " + std::to_string(i) + "\r\n" + std::to_string(1000 - i) + "\r\n";
    return text;
}

void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// One program folder per case, with "Settings.log" made by `make` before every read.
void ReadAtStartUp(benchmark::State& state, const std::function<void(const fs::path&)>& make)
{
    std::string pattern = (fs::temp_directory_path() / "tolmora-settings-bench-XXXXXX").string();
    const fs::path folder = mkdtemp(pattern.data());
    const fs::path file = folder / DiskSettingsStore::kFileName;
    make(file);
    DiskSettingsStore store(folder, nullptr, nullptr);
    for (auto _ : state) {
        const std::optional<std::string> bytes = store.Read();
        benchmark::DoNotOptimize(ReadSettingsText(bytes.value_or("")));
        state.PauseTiming();
        if (!bytes || bytes->empty()) {
            std::error_code ignored;
            if (fs::is_regular_file(file, ignored) && fs::file_size(file, ignored) == 0) fs::remove(file, ignored);
            make(file);
        }
        state.ResumeTiming();
    }
    fs::remove_all(folder);
}

}  // namespace

int RegisterCases = [] {
    const std::pair<const char*, std::function<void(const fs::path&)>> cases[] = {
        {"usual", [](const fs::path& f) { Write(f, UsualFile()); }},
        {"missing", [](const fs::path&) {}},
        {"empty", [](const fs::path& f) { Write(f, ""); }},
        {"folder", [](const fs::path& f) { fs::create_directory(f); }},
        {"fifo", [](const fs::path& f) { mkfifo(f.c_str(), 0600); }},
        {"garbage",
         [](const fs::path& f) {
             std::string bytes(64 * 1024, '\0');
             for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
             Write(f, bytes);
         }},
        {"100MB",
         [](const fs::path& f) {
             std::ofstream out(f, std::ios::binary);
             out << UsualFile();
             const std::string block(1 << 20, 'x');
             for (int i = 0; i < 100; ++i) out << block;
         }},
        {"10000-character lines", [](const fs::path& f) { Write(f, std::string(10000, 'a') + "\r\n" + UsualFile()); }},
        {"line breaks only", [](const fs::path& f) { Write(f, std::string(2 << 20, '\r')); }},
    };
    for (const auto& [name, make] : cases)
        benchmark::RegisterBenchmark((std::string("BM_ReadSettingsAtStartUp/") + name).c_str(),
                                     [make = make](benchmark::State& state) { ReadAtStartUp(state, make); })
            ->Unit(benchmark::kMicrosecond);
    return 0;
}();
