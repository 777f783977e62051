// Fuzzes the apply with arbitrary theme values and arbitrary toolbar layouts: whatever the
// theme gives and the registry holds, the apply must run to its end, keep every layout's
// length and leave no key open. The values come through the in-memory profile: reading the
// file itself is Windows' work, not ours.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "registry/cRegistry.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/MemoryRegistry.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace {

constexpr char kThemeFile[] = "C:\\Themes\\Fuzz\\fuzz.vlr";
constexpr char kToolbar[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr char kWebBrowser[] = "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
constexpr char kExplorer[] = "Software\\Microsoft\\Internet Explorer\\Toolbar\\Explorer";

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

    test::MemoryRegistry registry;
    test::MemoryFileSystem files;
    test::MemoryProfile profile;
    test::AddThemeFile(files, profile, kThemeFile, keys);
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::FakeProductInfo product;
    Platform platform;
    platform.registry = &registry;
    platform.files = &files;
    platform.profile = &profile;
    platform.dialogs = &dialogs;
    platform.shell = &shell;
    platform.product = &product;

    const std::pair<const char*, const char*> layouts[3] = {
        {kWebBrowser, "ITBarLayout"}, {kToolbar, "Theater"}, {kExplorer, "ITBarLayout"}};
    cRegistry reg(platform);
    for (int i = 0; i < 3; ++i) {
        if (layoutLength[i] == 0) continue;
        std::vector<std::uint8_t> bytes(layoutLength[i] + 1, flags);  // + the spare element
        reg.WriteRegistry(kHkeyCurrentUser, layouts[i].first, layouts[i].second, 3, bytes);
    }

    clsVelmora theme(platform);
    Check(theme.ApplyTheme(kThemeFile));
    Check(registry.OpenHandles() == 0);
    Check(dialogs.Shown().empty());
    for (int i = 0; i < 3; ++i) {
        if (layoutLength[i] == 0) continue;
        const std::size_t stored =
            reg.ReadRegistryByte(kHkeyCurrentUser, layouts[i].first, layouts[i].second).size();
        Check(stored == layoutLength[i] + 1);
    }
    Check(IsNotFound(reg.ReadRegistry(
              kHkeyCurrentUser, "Software\\Tolvane\\Quenmark\\Velmoras\\.Current", "")) == false);
    return 0;
}
