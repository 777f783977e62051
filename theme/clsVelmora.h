// The theme record: the texts, references and switches of one theme, filled from its file.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/Platform.h"
#include "theme/ThemeKeys.h"

namespace velmora {

// One theme in memory. Texts start empty and switches true; each property has a read and a
// write accessor. Two writes are not plain stores: an empty ThemeTitle becomes "[Untitled]",
// and InstallDir keeps only the folder part of the path it is given. The record holds no
// file or registry handle between calls.
class clsVelmora {
public:
    // Reads theme files through platform.files and platform.profile.
    explicit clsVelmora(const Platform& platform);

    // The texts a theme file's keys fill, by key, and each under its own name.
    const std::string& Text(ThemeKey key) const { return texts_[static_cast<std::size_t>(key)]; }
    void SetText(ThemeKey key, const std::string& value);
#define VELMORA_KEY_ACCESSORS(property, name, takesInstallDir, storedOnlyWhenGiven, kind) \
    std::string property() const {                                                        \
        return Text(ThemeKey::property);                                                  \
    }                                                                                     \
    void Set##property(const std::string& value) {                                        \
        SetText(ThemeKey::property, value);                                               \
    }
    VELMORA_THEME_KEYS(VELMORA_KEY_ACCESSORS)
#undef VELMORA_KEY_ACCESSORS

#define VELMORA_RESERVED_ACCESSORS(property)       \
    std::string property() const {                 \
        return property##_;                        \
    }                                              \
    void Set##property(const std::string& value) { \
        property##_ = value;                       \
    }
    VELMORA_RESERVED_TEXTS(VELMORA_RESERVED_ACCESSORS)
#undef VELMORA_RESERVED_ACCESSORS

    std::string InstallDir() const {
        return InstallDir_;
    }
    void SetInstallDir(const std::string& value);

#define VELMORA_SWITCHES(X)                                                  \
    X(Apply_Throbbers)                                                       \
    X(Apply_ToolbarSkin)                                                     \
    X(Apply_HomePage) X(Apply_SearchBar) X(Apply_TipsPage) X(Apply_InfoPage) \
        X(Apply_StyleExtension) X(Apply_Sounds)
#define VELMORA_SWITCH_ACCESSORS(property) \
    bool property() const {                \
        return property##_;                \
    }                                      \
    void Set##property(bool value) {       \
        property##_ = value;               \
    }
    VELMORA_SWITCHES(VELMORA_SWITCH_ACCESSORS)
#undef VELMORA_SWITCH_ACCESSORS

    // Fills the record from the theme file at sFile (a full path). False when there is no
    // normal file there (the record is then unchanged) or the reading failed part-way (the
    // keys read so far keep their new values). Switches and reserved texts are not touched.
    bool LoadVelmora(const std::string& sFile);
    // Reloads the record from sFile, then writes it into the browser's settings, each area
    // as its switch allows, and marks it as the current theme. False, with nothing written,
    // when there is no normal file at sFile or the load fails; true otherwise, even when
    // Windows refused some of the writes.
    bool ApplyTheme(const std::string& sFile);

private:
    Platform platform_;

    std::array<std::string, kThemeKeyCount> texts_;
    std::string InstallDir_;
#define VELMORA_RESERVED_MEMBER(property) std::string property##_;
    VELMORA_RESERVED_TEXTS(VELMORA_RESERVED_MEMBER)
#undef VELMORA_RESERVED_MEMBER
#define VELMORA_SWITCH_MEMBER(property) bool property##_ = true;
    VELMORA_SWITCHES(VELMORA_SWITCH_MEMBER)
#undef VELMORA_SWITCH_MEMBER
#undef VELMORA_SWITCHES
};

}  // namespace velmora
