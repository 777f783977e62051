// The installed-theme store: machine-wide entries per installed theme and the per-user mark
// of the theme applied last, kept in the registry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

// Store root; an entry's key is the root, a backslash and the theme's title.
inline constexpr char kThemeStoreRoot[] = "Software\\Tolvane\\Quenmark\\Velmoras";
// Name of the per-user mark's key, and the theme list's current-theme entry.
inline constexpr char kCurrentThemeEntry[] = ".Current";
// The theme list's no-theme entry, and what the mark holds after the no-theme apply.
inline constexpr char kNoThemeEntry[] = "[None]";

// What a stored entry holds. Either text is "Not Found" when its value is missing.
struct InstalledThemeEntry {
    std::string themeFile;
    std::string uninstallFile;
};

// Every operation goes through a cRegistry made for it; nothing stays open between calls.
// Entries live under HKEY_LOCAL_MACHINE, the mark under HKEY_CURRENT_USER. Titles are
// compared without regard to case, as registry key names are.
class InstalledThemeStore {
public:
    explicit InstalledThemeStore(const Platform& platform);

    // Records the theme file of title, creating the entry or replacing its file path; an
    // "UninstallFile" the entry has stays. False, with nothing written, for a title that
    // cannot be one key name (empty, or holding a backslash).
    bool AddEntry(const std::string& title, const std::string& themeFile);
    // The entry's theme file and uninstaller command ("Not Found" where missing).
    InstalledThemeEntry ReadEntry(const std::string& title);
    // Deletes the entry with its values. A title that is not one key name deletes nothing,
    // so an empty title can never remove the whole store.
    void RemoveEntry(const std::string& title);

    // The title of the theme this user applied last, "[None]", or "Not Found" before the
    // first apply.
    std::string ReadMark();
    void WriteMark(const std::string& title);

    // The stored key names as the registry enumerates them, followed by "Not Found".
    std::vector<std::string> StoredTitles();
    // The theme list as the main window shows it, in list order (see ThemeListOrder).
    std::vector<std::string> ThemeList();

    // The path of a title's entry key, or nothing for a title that cannot be one key name.
    static std::optional<std::string> EntryKey(const std::string& title);
    static std::string MarkKey();

private:
    Platform platform_;
};

}  // namespace velmora
