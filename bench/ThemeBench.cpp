// Loading a full theme file: LoadVelmora with the portable reader over in-memory files.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "theme/PortableProfileReader.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace velmora {
namespace {

constexpr char kFile[] = "C:\\Themes\\Blue\\blue.vlr";

std::string FullTheme() {
    std::string text = "; a theme with every key\r\n[Velmora]\r\n";
    for (const ThemeFileKey& key : ThemeFileKeys()) {
        text += key.name;
        text += key.takesInstallDir ? "=%InstallDir%\\" : "=";
        text += std::string(40, 'v') + "\r\n";
    }
    return text;
}

void BM_LoadFullTheme(benchmark::State& state) {
    test::MemoryFileSystem files;
    files.AddFile(kFile, FullTheme());
    PortableProfileReader reader(files);
    Platform platform;
    platform.files = &files;
    platform.profile = &reader;
    clsVelmora theme(platform);
    for (auto _ : state) {
        benchmark::DoNotOptimize(theme.LoadVelmora(kFile));
    }
}
BENCHMARK(BM_LoadFullTheme);

// The first load of a file parses it; a changed file is parsed again.
void BM_LoadChangedTheme(benchmark::State& state) {
    test::MemoryFileSystem files;
    const std::string text = FullTheme();
    PortableProfileReader reader(files);
    Platform platform;
    platform.files = &files;
    platform.profile = &reader;
    clsVelmora theme(platform);
    int round = 0;
    for (auto _ : state) {
        files.AddFile(kFile, text + "Round=" + std::to_string(++round) + "\r\n");
        benchmark::DoNotOptimize(theme.LoadVelmora(kFile));
    }
}
BENCHMARK(BM_LoadChangedTheme);

}  // namespace
}  // namespace velmora
