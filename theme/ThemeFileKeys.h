// The keys of the theme file: name, the property each fills, and how its value is treated.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "theme/clsVelmora.h"

namespace velmora {

// The one section a theme file's keys are read from.
inline constexpr char kThemeSection[] = "Velmora";
// Each key is read into a buffer of this many characters, so at most 254 are used.
inline constexpr std::size_t kThemeValueBufferSize = 255;
// The folder placeholder, matched without regard to letter case.
inline constexpr char kInstallDirPlaceholder[] = "%InstallDir%";

inline constexpr std::size_t kThemeFileKeyCount = 48;

struct ThemeFileKey {
    const char* name;  // as written in the file ("New_Mail" fills NewMail)
    std::string (clsVelmora::*read)() const;
    void (clsVelmora::*write)(const std::string&);
    // "%InstallDir%" in the value is replaced by the theme's folder.
    bool takesInstallDir;
    // An empty read leaves the property as it was instead of emptying it, so a help link
    // or caption set by an earlier theme survives a theme that does not name one.
    bool storedOnlyWhenGiven;
};

// The 48 keys in the order the load reads them.
const std::array<ThemeFileKey, kThemeFileKeyCount>& ThemeFileKeys();

}  // namespace velmora
