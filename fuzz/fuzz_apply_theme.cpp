// Fuzzes the apply with arbitrary theme values and arbitrary toolbar layouts: whatever the
// theme gives and the registry holds, the apply must run to its end, keep every layout's
// length and leave no key open. The values come through the in-memory profile: reading the
// file itself is Windows' work, not ours.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"
#include "browser/BrowserSettings.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace {

constexpr char kThemeFile[] = "C:\\Themes\\Fuzz\\fuzz.vlr";

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    // The first three bytes choose the lengths of three layouts (0 = missing) and the
    // fourth their flag byte; the rest, split at line feeds, gives the theme's keys their
    // values in reading order (keys beyond the last line are missing).
    std::size_t layoutLength[3] = {0, 0, 0};
    std::uint8_t flags = 0;
    std::size_t at = 0;
    for (std::size_t& length : layoutLength) length = at < size ? data[at++] % 40 : 0;
    if (at < size) flags = data[at++];
    const std::string rest(reinterpret_cast<const char*>(data) + at, size - at);
    test::MemoryProfile::Keys keys;
    std::size_t begin = 0;
    for (const ThemeFileKey& key : kThemeFileKeys) {
        if (begin > rest.size()) break;
        std::size_t end = rest.find('\n', begin);
        if (end == std::string::npos) end = rest.size();
        keys.emplace_back(key.name, rest.substr(begin, end - begin));
        begin = end + 1;
    }

    test::TestPlatform t;
    t.AddTheme(kThemeFile, keys);
    using namespace browser;
    const std::pair<const char*, const char*> layouts[3] = {{kWebBrowserToolbarKey, kLayoutValue},
                                                            {kToolbarKey, kTheaterLayoutValue},
                                                            {kExplorerToolbarKey, kLayoutValue}};
    for (int i = 0; i < 3; ++i) {
        if (layoutLength[i] == 0) continue;
        t.Seed(layouts[i].first, layouts[i].second, test::Bytes(layoutLength[i], flags));
    }

    clsVelmora theme(t.platform);
    Check(theme.ApplyTheme(kThemeFile));
    Check(t.registry.OpenHandles() == 0);
    Check(t.dialogs.shown.empty());
    for (int i = 0; i < 3; ++i) {
        if (layoutLength[i] == 0) continue;
        Check(t.ReadBytes(layouts[i].first, layouts[i].second).size() == layoutLength[i]);
    }
    Check(!IsNotFound(t.Read(InstalledThemeStore::MarkKey(), "")));
    return 0;
}
