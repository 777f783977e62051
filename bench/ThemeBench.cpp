// Loading a full theme: LoadVelmora over in-memory files and the in-memory profile, so the
// figure is our own load (48 reads, the cut, the placeholder), not Windows' file parsing.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/support/TestPlatform.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace velmora {
namespace {

constexpr char kFile[] = "C:\\Themes\\Blue\\blue.vlr";

void BM_LoadFullTheme(benchmark::State& state) {
    test::TestPlatform t;
    test::MemoryProfile::Keys keys;
    for (const ThemeFileKey& key : kThemeFileKeys) {
        keys.emplace_back(key.name,
                          (key.takesInstallDir ? "%InstallDir%\\" : "") + std::string(40, 'v'));
    }
    t.AddTheme(kFile, keys);
    clsVelmora theme(t.platform);
    for (auto _ : state) {
        benchmark::DoNotOptimize(theme.LoadVelmora(kFile));
    }
}
BENCHMARK(BM_LoadFullTheme);

}  // namespace
}  // namespace velmora
