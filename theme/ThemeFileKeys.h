// The keys of the theme file as the load reads them: name, the text each fills, and how its
// value is treated (theme/ThemeKeys.h holds the list).
#pragma once

#include <array>
#include <cstddef>

#include "theme/ThemeKeys.h"

namespace velmora {

// The one section a theme file's keys are read from.
inline constexpr char kThemeSection[] = "Velmora";
// Each key is read into a buffer of this many characters, so at most 254 are used.
inline constexpr std::size_t kThemeValueBufferSize = 255;
// The folder placeholder, matched without regard to letter case.
inline constexpr char kInstallDirPlaceholder[] = "%InstallDir%";

struct ThemeFileKey {
    ThemeKey key;
    const char* name;  // as written in the file ("New_Mail" fills NewMail)
    bool takesInstallDir;
    bool storedOnlyWhenGiven;
    ThemeValue kind;
};

// Every key, in the order the load reads them.
inline constexpr std::array<ThemeFileKey, kThemeKeyCount> kThemeFileKeys = {{
#define VELMORA_FILE_KEY(property, name, takesInstallDir, storedOnlyWhenGiven, kind) \
    {ThemeKey::property, name, takesInstallDir, storedOnlyWhenGiven, ThemeValue::kind},
    VELMORA_THEME_KEYS(VELMORA_FILE_KEY)
#undef VELMORA_FILE_KEY
}};

}  // namespace velmora
