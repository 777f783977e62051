// The installed-theme store: machine-wide entries per installed theme and the per-user mark
// of the theme applied last, kept in the registry.
#include "store/InstalledThemeStore.h"

#include "store/ThemeListOrder.h"
#include "registry/cRegistry.h"

namespace velmora {

namespace {

// The key's default (unnamed) value.
constexpr char kDefaultValue[] = "";
constexpr char kUninstallFile[] = "UninstallFile";

}  // namespace

InstalledThemeStore::InstalledThemeStore(const Platform& platform) : platform_(platform) {}

std::optional<std::string> InstalledThemeStore::EntryKey(const std::string& title) {
    // A backslash would make the title a path of nested keys: the entry would then be
    // listed under its first part and removing it would leave that part behind. An empty
    // title would name the store root itself.
    if (title.empty() || title.find('\\') != std::string::npos) return std::nullopt;
    return std::string(kThemeStoreRoot) + "\\" + title;
}

std::string InstalledThemeStore::MarkKey() {
    return std::string(kThemeStoreRoot) + "\\" + kCurrentThemeEntry;
}

bool InstalledThemeStore::AddEntry(const std::string& title, const std::string& themeFile) {
    const std::optional<std::string> key = EntryKey(title);
    if (!key) return false;
    cRegistry(platform_).WriteRegistry(kHkeyLocalMachine, *key, kDefaultValue, kRegSz, themeFile);
    return true;
}

InstalledThemeEntry InstalledThemeStore::ReadEntry(const std::string& title) {
    const std::optional<std::string> key = EntryKey(title);
    if (!key) return {kNotFound, kNotFound};
    cRegistry registry(platform_);
    return {registry.ReadRegistry(kHkeyLocalMachine, *key, kDefaultValue),
            registry.ReadRegistry(kHkeyLocalMachine, *key, kUninstallFile)};
}

void InstalledThemeStore::RemoveEntry(const std::string& title) {
    const std::optional<std::string> key = EntryKey(title);
    if (!key) return;
    cRegistry(platform_).DeleteSubkey(kHkeyLocalMachine, *key);
}

std::string InstalledThemeStore::ReadMark() {
    return cRegistry(platform_).ReadRegistry(kHkeyCurrentUser, MarkKey(), kDefaultValue);
}

void InstalledThemeStore::WriteMark(const std::string& title) {
    cRegistry(platform_).WriteRegistry(kHkeyCurrentUser, MarkKey(), kDefaultValue, kRegSz, title);
}

std::vector<std::string> InstalledThemeStore::StoredTitles() {
    return cRegistry(platform_).GetAllKeys(kHkeyLocalMachine, kThemeStoreRoot);
}

std::vector<std::string> InstalledThemeStore::ThemeList() {
    return ThemeListOrder(StoredTitles());
}

}  // namespace velmora
