// Cost of each cRegistry operation on the in-memory registry, and of GetAllKeys as the number
// of subkeys grows (it must stay linear: one open and one enumeration per subkey).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"
#include "browser/BrowserSettings.h"

namespace velmora::test {

namespace {

constexpr const char* kMain = browser::kMainKey;
constexpr const char* kToolbar = browser::kWebBrowserToolbarKey;
constexpr const char* kStore = kThemeStoreRoot;

// A registry with the values a theme apply touches.
struct Fixture : TestPlatform {
    Fixture() {
        cRegistry reg(platform);
        reg.WriteRegistry(kHkeyCurrentUser, kMain, "Start Page", 1,
                          std::string("http://www.example.com/start.html"));
        reg.WriteRegistry(kHkeyCurrentUser, kMain, "Count", 4, std::int64_t{1234});
        reg.WriteRegistry(kHkeyCurrentUser, kToolbar, "ITBarLayout", 3,
                          std::vector<std::uint8_t>(565, 0x11));
        for (int i = 0; i < 20; ++i) {
            reg.WriteRegistry(kHkeyCurrentUser, kMain, "Value" + std::to_string(i), 1,
                              std::string(40, 'v'));
        }
    }

    // Adds `count` subkeys under the store key, named so that each lands at the end.
    void AddSubkeys(int count) {
        char name[32];
        for (int i = 0; i < count; ++i) {
            std::snprintf(name, sizeof name, "Theme%06d", i);
            RegHandle key = 0;
            registry.CreateKey(kHkeyLocalMachine, std::string(kStore) + "\\" + name, &key);
            registry.CloseKey(key);
        }
    }
};

void BM_ReadRegistryText(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state)
        benchmark::DoNotOptimize(reg.ReadRegistry(kHkeyCurrentUser, kMain, "Start Page"));
}
BENCHMARK(BM_ReadRegistryText);

void BM_ReadRegistryDword(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state)
        benchmark::DoNotOptimize(reg.ReadRegistry(kHkeyCurrentUser, kMain, "Count"));
}
BENCHMARK(BM_ReadRegistryDword);

void BM_ReadRegistryMissingKey(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reg.ReadRegistry(kHkeyCurrentUser, "Software\\Nowhere", "x"));
    }
}
BENCHMARK(BM_ReadRegistryMissingKey);

void BM_WriteRegistry(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    const long kind = static_cast<long>(state.range(0));
    const RegValue value = kind == 3   ? RegValue(std::vector<std::uint8_t>(565, 0x22))
                           : kind == 4 ? RegValue(std::int64_t{1})
                                       : RegValue(std::string("C:\\Themes\\Ocean\\back.bmp"));
    for (auto _ : state) reg.WriteRegistry(kHkeyCurrentUser, kToolbar, "Bench", kind, value);
}
BENCHMARK(BM_WriteRegistry)->Arg(1)->Arg(3)->Arg(4);

void BM_ReadRegistryGetSubkey(benchmark::State& state) {
    Fixture f;
    f.AddSubkeys(10);
    cRegistry reg(f.platform);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reg.ReadRegistryGetSubkey(kHkeyLocalMachine, kStore, 5));
    }
}
BENCHMARK(BM_ReadRegistryGetSubkey);

void BM_ReadRegistryGetAll(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reg.ReadRegistryGetAll(kHkeyCurrentUser, kMain, 3));
    }
}
BENCHMARK(BM_ReadRegistryGetAll);

void BM_DeleteSubkey(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    const std::string key = std::string(kStore) + "\\Ocean";
    for (auto _ : state) {
        reg.WriteRegistry(kHkeyLocalMachine, key, "", 1, std::string("C:\\Ocean.vlr"));
        benchmark::DoNotOptimize(reg.DeleteSubkey(kHkeyLocalMachine, key));
    }
}
BENCHMARK(BM_DeleteSubkey);

void BM_DeleteValue(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state) {
        reg.WriteRegistry(kHkeyCurrentUser, kMain, "Window Title", 1, std::string("Ocean"));
        benchmark::DoNotOptimize(reg.DeleteValue(kHkeyCurrentUser, kMain, "Window Title"));
    }
}
BENCHMARK(BM_DeleteValue);

void BM_GetAllKeys(benchmark::State& state) {
    Fixture f;
    f.AddSubkeys(static_cast<int>(state.range(0)));
    cRegistry reg(f.platform);
    for (auto _ : state) benchmark::DoNotOptimize(reg.GetAllKeys(kHkeyLocalMachine, kStore));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GetAllKeys)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

void BM_GetAllValues(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state) benchmark::DoNotOptimize(reg.GetAllValues(kHkeyCurrentUser, kMain));
}
BENCHMARK(BM_GetAllValues);

void BM_ReadRegistryByte(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reg.ReadRegistryByte(kHkeyCurrentUser, kToolbar, "ITBarLayout"));
    }
}
BENCHMARK(BM_ReadRegistryByte);

void BM_GetValues(benchmark::State& state) {
    Fixture f;
    cRegistry reg(f.platform);
    for (auto _ : state) benchmark::DoNotOptimize(reg.GetValues(kHkeyCurrentUser, kMain));
}
BENCHMARK(BM_GetValues);

}  // namespace

}  // namespace velmora::test
