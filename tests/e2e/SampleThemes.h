// The shipped sample themes entered in the installed-theme store of the test prefix, as the
// setup leaves them: the store holds exactly them for the object's life, nothing afterwards.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "store/InstalledThemeStore.h"

namespace velmora::e2e {

// In the order the registry lists them, as the theme list shows them after its two entries.
inline const std::vector<std::string>& SampleTitles() {
    static const std::vector<std::string> titles = {"Aqua", "Autumn", "Blue", "Ocean"};
    return titles;
}

struct InstalledSamples {
    InstalledSamples() {
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kThemeStoreRoot);
        for (const std::string& title : SampleTitles()) {
            const std::string folder = VELMORA_SOURCE_DIR "\\themes\\" + title + "\\";
            RegSetValueA(HKEY_LOCAL_MACHINE, (kThemeStoreRoot + ("\\" + title)).c_str(), REG_SZ,
                         (folder + title + ".vlr").c_str(), 0);
        }
    }
    ~InstalledSamples() { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kThemeStoreRoot); }
};

}  // namespace velmora::e2e
