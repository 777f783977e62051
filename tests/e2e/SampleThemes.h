// The shipped sample themes entered in the installed-theme store of the test prefix, as an
// installer leaves them, for the tests that open the main window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "store/InstalledThemeStore.h"
#include "tests/e2e/RegistryProbe.h"

namespace velmora::e2e {

// In the order the registry lists them, as the theme list shows them after its two entries.
inline const std::vector<std::string>& SampleTitles() {
    static const std::vector<std::string> titles = {"Aqua", "Autumn", "Blue", "Ocean"};
    return titles;
}

inline std::string SampleFile(const std::string& title) {
    return VELMORA_SOURCE_DIR "\\themes\\" + title + "\\" + title + ".vlr";
}

// The store holds exactly the samples for the object's life, and nothing afterwards.
class InstalledSamples {
public:
    InstalledSamples() {
        probe::DeleteTree(HKEY_LOCAL_MACHINE, kThemeStoreRoot);
        for (const std::string& title : SampleTitles())
            probe::Write(HKEY_LOCAL_MACHINE, std::string(kThemeStoreRoot) + "\\" + title, "",
                         probe::Text(SampleFile(title)));
    }
    ~InstalledSamples() { probe::DeleteTree(HKEY_LOCAL_MACHINE, kThemeStoreRoot); }
    InstalledSamples(const InstalledSamples&) = delete;
    InstalledSamples& operator=(const InstalledSamples&) = delete;
};

}  // namespace velmora::e2e
