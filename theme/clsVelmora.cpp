// The theme record: its two non-plain write accessors and the load from a theme file.
#include "theme/clsVelmora.h"

#include <cstddef>
#include <exception>

#include "platform/FileSystem.h"
#include "platform/ProfileReader.h"
#include "registry/SameText.h"
#include "theme/ThemeApplier.h"
#include "theme/ThemeFileKeys.h"

namespace velmora {

namespace {

// Every occurrence of the placeholder, in any letter case, becomes folder. The replacement
// is not scanned again, so a folder whose name holds the placeholder is kept as it is.
std::string ReplaceInstallDir(const std::string& value, const std::string& folder) {
    constexpr std::size_t length = sizeof(kInstallDirPlaceholder) - 1;
    std::string result;
    std::size_t i = 0;
    while (i < value.size()) {
        if (value[i] == '%' && SameText(value.substr(i, length), kInstallDirPlaceholder)) {
            result += folder;
            i += length;
        } else {
            result += value[i++];
        }
    }
    return result;
}

}  // namespace

clsVelmora::clsVelmora(const Platform& platform) : platform_(platform) {}

void clsVelmora::SetText(ThemeKey key, const std::string& value) {
    texts_[static_cast<std::size_t>(key)] =
        key == ThemeKey::ThemeTitle && value.empty() ? "[Untitled]" : value;
}

void clsVelmora::SetInstallDir(const std::string& value) {
    // Everything before the last backslash; a path whose only backslash is its first
    // character, or that has none, has no folder.
    const std::size_t last = value.rfind('\\');
    InstallDir_ = (last == std::string::npos || last == 0) ? std::string() : value.substr(0, last);
}

bool clsVelmora::LoadVelmora(const std::string& sFile) {
    if (!platform_.files || !platform_.profile) return false;
    try {
        if (sFile.empty() || !platform_.files->IsNormalFile(sFile)) return false;
        SetInstallDir(sFile);
        for (const ThemeFileKey& key : kThemeFileKeys) {
            std::string value = platform_.profile->ReadString(kThemeSection, key.name, "",
                                                              kThemeValueBufferSize, sFile);
            if (key.storedOnlyWhenGiven && value.empty()) continue;
            if (key.takesInstallDir) value = ReplaceInstallDir(value, InstallDir_);
            SetText(key.key, value);
        }
        return true;
    } catch (const std::exception&) {
        // A failed read ends the load; the keys stored so far keep their new values.
        return false;
    }
}

bool clsVelmora::ApplyTheme(const std::string& sFile) {
    if (!platform_.files || sFile.empty() || !platform_.files->IsNormalFile(sFile)) return false;
    if (!LoadVelmora(sFile)) return false;
    ThemeApplier(platform_).Apply(*this);
    return true;
}

}  // namespace velmora
