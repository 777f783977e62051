// Loading a full theme: LoadVelmora over in-memory files and the in-memory profile, so the
// figure is our own load (48 reads, the cut, the placeholder), not Windows' file parsing.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemoryProfile.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace velmora {
namespace {

constexpr char kFile[] = "C:\\Themes\\Blue\\blue.vlr";

void BM_LoadFullTheme(benchmark::State& state) {
    test::MemoryFileSystem files;
    test::MemoryProfile profile;
    test::MemoryProfile::Keys keys;
    for (const ThemeFileKey& key : kThemeFileKeys) {
        keys.emplace_back(key.name,
                          (key.takesInstallDir ? "%InstallDir%\\" : "") + std::string(40, 'v'));
    }
    test::AddThemeFile(files, profile, kFile, keys);
    Platform platform;
    platform.files = &files;
    platform.profile = &profile;
    clsVelmora theme(platform);
    for (auto _ : state) {
        benchmark::DoNotOptimize(theme.LoadVelmora(kFile));
    }
}
BENCHMARK(BM_LoadFullTheme);

}  // namespace
}  // namespace velmora
