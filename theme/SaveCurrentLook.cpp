// The browser's current branding written back as a theme.
#include "theme/SaveCurrentLook.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "browser/BrowserSettings.h"
#include "platform/FileSystem.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"
#include "theme/ThemeFileKeys.h"

namespace velmora {

namespace {

// Where each key's value lives: the same places the apply writes it.
struct Source {
    ThemeKey key;
    RegRoot root;
    const char* registryKey;
    const char* name;
};

const Source kTexts[] = {
    {ThemeKey::Title, kHkeyCurrentUser, browser::kMainKey, browser::kWindowTitle},
    {ThemeKey::HomePage, kHkeyCurrentUser, browser::kMainKey, browser::kStartPage},
    {ThemeKey::Localpage, kHkeyCurrentUser, browser::kMainKey, browser::kLocalPage},
    {ThemeKey::SearchBar, kHkeyCurrentUser, browser::kMainKey, browser::kSearchBar},
    {ThemeKey::SearchPage, kHkeyCurrentUser, browser::kMainKey, browser::kSearchPage},
    {ThemeKey::SearchURL, kHkeyCurrentUser, browser::kSearchUrlKey, ""},
    {ThemeKey::SearchAssistant, kHkeyLocalMachine, browser::kMachineSearchKey,
     browser::kSearchAssistant},
    {ThemeKey::CustomizeSearch, kHkeyLocalMachine, browser::kMachineSearchKey,
     browser::kCustomizeSearch},
    {ThemeKey::DiscussionPage, kHkeyLocalMachine, browser::kDiscussionBarKey, browser::kBarUrl},
    {ThemeKey::TipsPage, kHkeyCurrentUser, browser::kTipsBarKey, browser::kBarUrl},
    {ThemeKey::OpenIExplore, kHkeyCurrentUser, browser::kSoundExplorerOpen, ""},
    {ThemeKey::OpenExplorer, kHkeyCurrentUser, browser::kSoundBrowserOpen, ""},
    {ThemeKey::Activate, kHkeyCurrentUser, browser::kSoundActivatingDocument, ""},
    {ThemeKey::NewMail, kHkeyCurrentUser, browser::kSoundMailBeep, ""},
    {ThemeKey::Navigate, kHkeyCurrentUser, browser::kSoundNavigating, ""},
    {ThemeKey::NewAlert, kHkeyCurrentUser, browser::kSoundNewAlert, ""},
    {ThemeKey::ContactOnline, kHkeyCurrentUser, browser::kSoundContactOnline, ""},
    {ThemeKey::MSMessenger, kHkeyCurrentUser, browser::kSoundMessengerMail, ""},
    {ThemeKey::NewMessage, kHkeyCurrentUser, browser::kSoundNewMessage, ""},
    {ThemeKey::StyleFile, kHkeyCurrentUser, browser::kStylesKey, browser::kUserStyleSheet},
    {ThemeKey::OnlineHelpURL, kHkeyLocalMachine, browser::kHelpMenuUrlsKey,
     browser::kOnlineSupport},
};
// A missing picture is written "None", which takes the picture away.
const Source kPictures[] = {
    {ThemeKey::BackBitmap, kHkeyCurrentUser, browser::kToolbarKey, browser::kBrowserBackBitmap},
    {ThemeKey::WESkin, kHkeyCurrentUser, browser::kToolbarKey, browser::kExplorerBackBitmap},
    {ThemeKey::AniLarge, kHkeyCurrentUser, browser::kToolbarKey, browser::kBrandBitmap},
    {ThemeKey::BrandLarge, kHkeyCurrentUser, browser::kToolbarKey, browser::kBigBitmap},
    {ThemeKey::AniSmall, kHkeyCurrentUser, browser::kToolbarKey, browser::kSmBrandBitmap},
    {ThemeKey::BrandSmall, kHkeyCurrentUser, browser::kToolbarKey, browser::kSmallBitmap},
};
// The throbber flag of each layout, as a thumper word.
const Source kThumpers[] = {
    {ThemeKey::WebThumper, kHkeyCurrentUser, browser::kWebBrowserToolbarKey, browser::kLayoutValue},
    {ThemeKey::TheaterThumper, kHkeyCurrentUser, browser::kToolbarKey,
     browser::kTheaterLayoutValue},
    {ThemeKey::ShellThumper, kHkeyCurrentUser, browser::kShellBrowserToolbarKey,
     browser::kLayoutValue},
    {ThemeKey::ExplorerThumper, kHkeyCurrentUser, browser::kExplorerToolbarKey,
     browser::kLayoutValue},
};
// The display overrides: a theme can only switch them on.
const Source kOverrides[] = {
    {ThemeKey::IgnoreColors, kHkeyCurrentUser, browser::kSettingsKey, browser::kAlwaysUseMyColors},
    {ThemeKey::IgnoreFontStyles, kHkeyCurrentUser, browser::kSettingsKey,
     browser::kAlwaysUseMyFontFace},
    {ThemeKey::IgnoreFontSizes, kHkeyCurrentUser, browser::kSettingsKey,
     browser::kAlwaysUseMyFontSize},
};

constexpr char kDwordOne[] = "00000001";

std::string Lower(std::string text) {
    for (char& c : text) c = LowerAscii(c);
    return text;
}

const char* KeyName(ThemeKey key) {
    return kThemeFileKeys[static_cast<std::size_t>(key)].name;
}

// Why a text cannot stand as a theme file's value, or empty when it can: the file reading
// drops blanks and enclosing quotes around a value and keeps only 254 characters of it.
std::string WhyNotAValue(const std::string& text) {
    if (text.size() >= kThemeValueBufferSize) return "it is longer than 254 characters";
    if (text.find_first_of("\r\n") != std::string::npos) return "it holds a line break";
    if (text.front() == ' ' || text.back() == ' ' || text.front() == '\t' || text.back() == '\t')
        return "it begins or ends with a blank";
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        return "it is enclosed in quotation marks";
    return "";
}

std::string Where(const Source& source) {
    return std::string(source.root == kHkeyLocalMachine ? "HKEY_LOCAL_MACHINE\\"
                                                        : "HKEY_CURRENT_USER\\") +
           source.registryKey + (*source.name ? std::string(" \"") + source.name + "\"" : "");
}

}  // namespace

std::vector<std::pair<ThemeKey, std::string>> CurrentLookKeys(
    const Platform& platform, std::vector<std::string>& notExpressed) {
    cRegistry registry(platform);
    std::map<ThemeKey, std::string> values;
    const auto read = [&registry](const Source& s) {
        return registry.ReadRegistry(s.root, s.registryKey, s.name);
    };
    const auto take = [&](const Source& s, const std::string& value) {
        if (value.empty()) return;
        const std::string why = WhyNotAValue(value);
        if (why.empty()) {
            values[s.key] = value;
        } else {
            notExpressed.push_back(Where(s) + " is not saved: " + why + ".");
        }
    };
    for (const Source& s : kPictures) {
        const std::string value = read(s);
        if (IsNotFound(value)) {
            values[s.key] = "None";
        } else if (value.empty()) {
            notExpressed.push_back(Where(s) + " is empty, which no theme can set.");
        } else {
            take(s, value);
        }
    }
    for (const Source& s : kThumpers) {
        const std::vector<std::uint8_t> layout =
            registry.ReadRegistryByte(s.root, s.registryKey, s.name);
        // A layout too short to hold the flag is one the apply never changes.
        if (layout.size() < browser::kThrobberFlagOffset + 2) continue;
        values[s.key] =
            (layout[browser::kThrobberFlagOffset] & browser::kThrobberFlag) ? "Yes" : "No";
    }
    for (const Source& s : kTexts) {
        const std::string value = read(s);
        if (!IsNotFound(value)) take(s, value);
    }
    const std::string machineTips =
        registry.ReadRegistry(kHkeyLocalMachine, browser::kTipsBarKey, browser::kBarUrl);
    if (!IsNotFound(machineTips) && values.count(ThemeKey::TipsPage) &&
        machineTips != values[ThemeKey::TipsPage])
        notExpressed.push_back("The machine's tips page " + machineTips +
                               " differs from this user's; a theme sets both to one page.");
    const std::string style =
        registry.ReadRegistry(kHkeyCurrentUser, browser::kStylesKey, browser::kUseMyStylesheet);
    values[ThemeKey::StyleType] = !IsNotFound(style) && style != "00000000" ? "1" : "2";
    for (const Source& s : kOverrides)
        if (read(s) == kDwordOne) values[s.key] = "1";
    const std::string caption = registry.ReadRegistry(kHkeyCurrentUser, browser::kPoliciesKey,
                                                      browser::kWindowsUpdateMenuText);
    if (caption.empty()) values[ThemeKey::WUCaption] = "None";
    if (!caption.empty() && !IsNotFound(caption))
        take({ThemeKey::WUCaption, kHkeyCurrentUser, browser::kPoliciesKey,
              browser::kWindowsUpdateMenuText},
             caption);

    std::vector<std::pair<ThemeKey, std::string>> keys;
    for (const ThemeFileKey& key : kThemeFileKeys)
        if (values.count(key.key)) keys.emplace_back(key.key, values[key.key]);
    return keys;
}

SavedLook SaveCurrentLook(const Platform& platform, const std::string& themeFile,
                          const std::string& title) {
    SavedLook saved;
    const std::size_t slash = themeFile.rfind('\\');
    if (slash == std::string::npos || slash == 0) {
        saved.failure = themeFile + " is not a full path.";
        return saved;
    }
    const std::string folder = themeFile.substr(0, slash);
    FileSystem& files = *platform.files;
    std::string text = std::string("[") + kThemeSection + "]\r\nThemeTitle=" + title + "\r\n";
    std::map<std::string, std::string> copied;  // source, in lower case -> its name beside
    std::set<std::string> taken;                // names given, in lower case
    for (auto [key, value] : CurrentLookKeys(platform, saved.notExpressed)) {
        const ThemeFileKey& row = kThemeFileKeys[static_cast<std::size_t>(key)];
        const bool names = row.kind != ThemeValue::Text;  // a file or page
        if (names && files.IsNormalFile(value)) {
            auto found = copied.find(Lower(value));
            if (found == copied.end()) {
                // Two files of one name from different folders stay apart.
                const std::string base = value.substr(value.rfind('\\') + 1);
                std::string name = base;
                for (int n = 2; taken.count(Lower(name)); ++n)
                    name = std::to_string(n) + "-" + base;
                const std::optional<std::string> bytes = files.ReadFile(value);
                const std::string target = folder + "\\" + name;
                if (SameText(target, value) || (bytes && files.WriteFile(target, *bytes))) {
                    taken.insert(Lower(name));
                } else {
                    saved.notExpressed.push_back(std::string(KeyName(key)) + ": " + value +
                                                 " could not be copied; the theme names it where "
                                                 "it is.");
                    name.clear();
                }
                found = copied.emplace(Lower(value), name).first;
            }
            if (!found->second.empty())
                value = std::string(kInstallDirPlaceholder) + "\\" + found->second;
        } else if (names && row.kind != ThemeValue::Page && !SameText(value, "None")) {
            saved.notExpressed.push_back(std::string(KeyName(key)) + ": " + value +
                                         " is missing; the theme names it as it is.");
        }
        text += std::string(KeyName(key)) + "=" + value + "\r\n";
    }
    const FileOutcome outcome = files.WriteFile(themeFile, text);
    saved.written = outcome.done;
    saved.failure = outcome.reason;
    return saved;
}

}  // namespace velmora
