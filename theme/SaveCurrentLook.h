// The browser's current branding written back as a theme: the keys a theme would need to give
// this look, and the theme folder made of them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "theme/ThemeKeys.h"

namespace velmora {

// The theme keys that give the browser's present look, in file order, with the values the
// browser holds (files where they lie). notExpressed receives a sentence for every value the
// browser holds that no theme key can give back.
std::vector<std::pair<ThemeKey, std::string>> CurrentLookKeys(
    const Platform& platform, std::vector<std::string>& notExpressed);

struct SavedLook {
    bool written = false;
    std::string failure;                    // why not, when nothing could be written
    std::vector<std::string> notExpressed;  // values left out or kept as they were, by name
};

// Writes the present look as the theme file themeFile (ThemeTitle title): every file the look
// names that exists is copied beside it and named through %InstallDir%, so the folder is a
// theme that can be installed anywhere. A file of the folder that is there already is replaced.
SavedLook SaveCurrentLook(const Platform& platform, const std::string& themeFile,
                          const std::string& title);

}  // namespace velmora
