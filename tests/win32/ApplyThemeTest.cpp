// The apply through real advapi32 and kernel32 under Wine: a sample theme and a theme with
// "None" values are applied with the roots redirected onto scratch keys, and every value is
// read back with the registry's own calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileReader.h"
#include "platform/win32/Win32RegistryApi.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "theme/clsVelmora.h"

namespace velmora::test {

namespace {

constexpr char kScratchRoot[] = "Software\\VelmoraApplyThemeTests";
constexpr char kToolbar[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr char kWebBrowser[] = "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
constexpr char kShellBrowser[] = "Software\\Microsoft\\Internet Explorer\\Toolbar\\ShellBrowser";
constexpr char kExplorer[] = "Software\\Microsoft\\Internet Explorer\\Toolbar\\Explorer";
constexpr char kMain[] = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr char kStyles[] = "Software\\Microsoft\\Internet Explorer\\Styles";
constexpr char kSettings[] = "Software\\Microsoft\\Internet Explorer\\Settings";
constexpr char kPolicies[] = "Software\\Policies\\Microsoft\\Internet Explorer";
constexpr char kMark[] = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
constexpr char kTipsBar[] =
    "SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag";

// A value as the registry holds it.
struct Stored {
    DWORD type = REG_NONE;
    std::string bytes;
};

// An open key, closed when it goes.
class Key {
public:
    Key(HKEY root, const std::string& path, REGSAM access) {
        if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::optional<Stored> ReadValue(HKEY root, const std::string& path, const std::string& name) {
    Key key(root, path, KEY_READ);
    if (!key.get()) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != 0) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(bytes.data()), &size) != 0) {
        return std::nullopt;
    }
    bytes.resize(size);
    return Stored{type, bytes};
}

// A REG_SZ as written with its terminating zero.
Stored Text(const std::string& text) {
    return Stored{REG_SZ, text + '\0'};
}
Stored Dword(DWORD value) {
    return Stored{REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)};
}

bool operator==(const Stored& a, const Stored& b) {
    return a.type == b.type && a.bytes == b.bytes;
}
std::ostream& operator<<(std::ostream& out, const Stored& value) {
    return out << "type " << value.type << " \"" << value.bytes << "\"";
}

void SetValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(root, path.c_str(), &key), 0);
    RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

// A 565-byte layout, each byte its own offset (low eight bits), byte 16 as given.
std::string Layout(std::uint8_t byte16) {
    std::string bytes(565, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i & 0xFF);
    bytes[16] = static_cast<char>(byte16);
    return bytes;
}

void DeleteTree(HKEY parent, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[512];
    while (RegEnumKeyA(key, 0, child, sizeof child) == ERROR_SUCCESS) DeleteTree(key, child);
    RegCloseKey(key);
    RegDeleteKeyA(parent, name.c_str());
}

// The value of key in the theme file, read with the platform's own profile call, with the
// theme's folder put in for the placeholder (any letter case).
std::string FileValue(const std::string& file, const char* key, bool placeholder) {
    char buffer[255] = {};
    const DWORD n =
        GetPrivateProfileStringA("Velmora", key, "", buffer, sizeof buffer, file.c_str());
    std::string value(buffer, n);
    if (!placeholder) return value;
    const std::string folder = file.substr(0, file.rfind('\\'));
    const std::string token = "%installdir%";
    for (std::size_t at = 0; at + token.size() <= value.size();) {
        std::string piece = value.substr(at, token.size());
        for (char& c : piece) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        if (piece == token) {
            value.replace(at, token.size(), folder);
            at += folder.size();
        } else {
            ++at;
        }
    }
    return value;
}

}  // namespace

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE point at fresh scratch keys for each test.
class Win32ApplyThemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = std::string(kScratchRoot) + "\\" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\User").c_str(), &user_), 0);
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\Machine").c_str(), &machine_), 0);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user_), 0);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_), 0);
        platform_.registry = &registry_;
        platform_.files = &files_;
        platform_.profile = &profile_;
        platform_.dialogs = &dialogs_;
        platform_.shell = &shell_;
        platform_.product = &product_;
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        if (user_) RegCloseKey(user_);
        if (machine_) RegCloseKey(machine_);
        DeleteTree(HKEY_CURRENT_USER, base_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchRoot);  // when empty
        for (const std::string& file : tempFiles_) DeleteFileA(file.c_str());
        if (!tempFolder_.empty()) RemoveDirectoryA(tempFolder_.c_str());
        // Nothing in the apply may have tripped the registry class's error trap.
        EXPECT_TRUE(dialogs_.Shown().empty());
    }

    std::string WriteTempTheme(const std::string& text) {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(sizeof temp, temp);
        tempFolder_ = std::string(temp) + "velmora-apply-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(tempFolder_.c_str(), nullptr);
        const std::string file = tempFolder_ + "\\Theme.vlr";
        HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(handle, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(handle);
        tempFiles_.push_back(file);
        return file;
    }

    win32::Win32RegistryApi registry_;
    win32::Win32FileSystem files_;
    win32::Win32ProfileReader profile_;
    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeProductInfo product_;
    Platform platform_;
    std::string base_;
    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
    std::string tempFolder_;
    std::vector<std::string> tempFiles_;
};

TEST_F(Win32ApplyThemeTest, TheOceanSampleLandsInEveryValueItNames) {
    const std::string file = std::string(VELMORA_SOURCE_DIR) + "\\themes\\Ocean\\Ocean.vlr";
    SetValue(HKEY_CURRENT_USER, kWebBrowser, "ITBarLayout", REG_BINARY, Layout(0x20));
    SetValue(HKEY_CURRENT_USER, kExplorer, "ITBarLayout", REG_BINARY, Layout(0x08));

    clsVelmora theme(platform_);
    ASSERT_TRUE(theme.ApplyTheme(file));

    struct Row {
        const char* themeKey;
        bool placeholder;
        HKEY root;
        const char* key;
        const char* value;
    };
    const Row rows[] = {
        {"WESkin", true, HKEY_CURRENT_USER, kToolbar, "BackBitmap"},
        {"BackBitmap", true, HKEY_CURRENT_USER, kToolbar, "BackBitmapIE5"},
        {"BrandLarge", true, HKEY_CURRENT_USER, kToolbar, "BigBitmap"},
        {"AniLarge", true, HKEY_CURRENT_USER, kToolbar, "BrandBitmap"},
        {"BrandSmall", true, HKEY_CURRENT_USER, kToolbar, "SmallBitmap"},
        {"AniSmall", true, HKEY_CURRENT_USER, kToolbar, "SmBrandBitmap"},
        {"Title", false, HKEY_CURRENT_USER, kMain, "Window Title"},
        {"HomePage", true, HKEY_CURRENT_USER, kMain, "Start Page"},
        {"LocalPage", true, HKEY_CURRENT_USER, kMain, "Local Page"},
        {"TipsPage", true, HKEY_CURRENT_USER, kTipsBar, "Url"},
        {"SearchPage", true, HKEY_CURRENT_USER, kMain, "Search Page"},
        {"SearchBar", true, HKEY_CURRENT_USER, kMain, "Search Bar"},
        {"SearchAssistant", true, HKEY_LOCAL_MACHINE,
         "SOFTWARE\\Microsoft\\Internet Explorer\\Search", "SearchAssistant"},
        {"CustomizeSearch", true, HKEY_LOCAL_MACHINE,
         "SOFTWARE\\Microsoft\\Internet Explorer\\Search", "CustomizeSearch"},
        {"SearchURL", true, HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\SearchUrl",
         ""},
        {"DiscussionPage", true, HKEY_LOCAL_MACHINE,
         "SOFTWARE\\CLASSES\\CLSID\\{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}\\Instance\\"
         "InitPropertyBag",
         "Url"},
        {"TipsPage", true, HKEY_LOCAL_MACHINE, kTipsBar, "Url"},
        {"StyleFile", true, HKEY_CURRENT_USER, kStyles, "User StyleSheet"},
        {"OpenIExplore", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\Explorer\\Open\\.current", ""},
        {"OpenExplorer", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\IExplore\\Open\\.current", ""},
        {"Navigate", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current", ""},
        {"Activate", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\Explorer\\ActivatingDocument\\.current", ""},
        {"New_Mail", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current", ""},
        {"ContactOnline", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_ContactOnline\\.Current", ""},
        {"NewAlert", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_NewAlert\\.Current", ""},
        {"MSMessenger", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_NewMail\\.Current", ""},
        {"NewMessage", true, HKEY_CURRENT_USER,
         "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_NewMessage\\.Current", ""},
        {"OnlineHelpURL", true, HKEY_LOCAL_MACHINE,
         "SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls", "Online_Support"},
        {"WUCaption", false, HKEY_CURRENT_USER, kPolicies, "Windows Update Menu Text"},
        {"ThemeTitle", false, HKEY_CURRENT_USER, kMark, ""},
    };
    for (const Row& row : rows) {
        const std::string expected = FileValue(file, row.themeKey, row.placeholder);
        // The sample gives every one of these keys a plain value.
        ASSERT_FALSE(expected.empty()) << row.themeKey;
        ASSERT_NE(_stricmp(expected.c_str(), "None"), 0) << row.themeKey;
        EXPECT_EQ(ReadValue(row.root, row.key, row.value), Text(expected))
            << row.themeKey << " -> " << row.key << " " << row.value;
    }
    EXPECT_NE(FileValue(file, "HomePage", false).find("%"), std::string::npos)
        << "the sample should use the placeholder";

    // Stylesheet switch and overrides from the file's words.
    const std::string styleType = FileValue(file, "StyleType", false);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kStyles, "Use My Stylesheet"),
              Dword(styleType == "0" || styleType == "1" ? 1 : 0));
    const std::pair<const char*, const char*> overrides[] = {
        {"IgnoreColors", "Always Use My Colors"},
        {"IgnoreFontStyles", "Always Use My Font Face"},
        {"IgnoreFontSizes", "Always Use My Font Size"}};
    for (const auto& [themeKey, value] : overrides) {
        const auto stored = ReadValue(HKEY_CURRENT_USER, kSettings, value);
        if (FileValue(file, themeKey, false) == "1") {
            EXPECT_EQ(stored, Dword(1)) << value;
        } else {
            EXPECT_FALSE(stored.has_value()) << value;
        }
    }

    // The throbber flags: the sample shows the throbber everywhere.
    ASSERT_EQ(_stricmp(FileValue(file, "WebThumper", false).c_str(), "No") == 0, false);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kWebBrowser, "ITBarLayout"),
              (Stored{REG_BINARY, Layout(0x28)}));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kExplorer, "ITBarLayout"),
              (Stored{REG_BINARY, Layout(0x08)}));
    // The browser layout already carries the flag: no theater or shell layout is made.
    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kToolbar, "Theater").has_value());
    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kShellBrowser, "ITBarLayout").has_value());
}

TEST_F(Win32ApplyThemeTest, NoneDeletesPicturesBlanksTheCaptionAndNoHidesTheThrobber) {
    SetValue(HKEY_CURRENT_USER, kToolbar, "BackBitmap", REG_SZ, std::string("C:\\old.bmp") + '\0');
    SetValue(HKEY_CURRENT_USER, kToolbar, "SmallBitmap", REG_SZ, std::string("C:\\s.bmp") + '\0');
    SetValue(HKEY_CURRENT_USER, kToolbar, "BigBitmap", REG_SZ, std::string("C:\\kept.bmp") + '\0');
    SetValue(HKEY_CURRENT_USER, kWebBrowser, "ITBarLayout", REG_BINARY, Layout(0x2C));
    SetValue(HKEY_CURRENT_USER, kSettings, "Always Use My Colors", REG_DWORD, Dword(1).bytes);
    const std::string file = WriteTempTheme(
        "[Velmora]\r\n"
        "ThemeTitle=Bare Bones\r\n"
        "WESkin=None\r\n"
        "BrandSmall=none\r\n"
        "BackBitmap=%InstallDir%\\missing.bmp\r\n"
        "WebThumper=No\r\n"
        "StyleType=2\r\n"
        "IgnoreColors=0\r\n"
        "WUCaption=NONE\r\n");

    clsVelmora theme(platform_);
    ASSERT_TRUE(theme.ApplyTheme(file));

    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kToolbar, "BackBitmap").has_value());
    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kToolbar, "SmallBitmap").has_value());
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kToolbar, "BigBitmap"), Text("C:\\kept.bmp"));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kToolbar, "BackBitmapIE5"),
              Text(tempFolder_ + "\\missing.bmp"));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kPolicies, "Windows Update Menu Text"), Text(""));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kStyles, "User StyleSheet"), Text(""));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kStyles, "Use My Stylesheet"), Dword(0));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kSettings, "Always Use My Colors"), Dword(1));
    // Step one hid the throbber; the missing theater and shell layouts started from that
    // browser layout and show it again.
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kWebBrowser, "ITBarLayout"),
              (Stored{REG_BINARY, Layout(0x24)}));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kToolbar, "Theater"),
              (Stored{REG_BINARY, Layout(0x2C)}));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kShellBrowser, "ITBarLayout"),
              (Stored{REG_BINARY, Layout(0x2C)}));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kMark, ""), Text("Bare Bones"));
}

TEST_F(Win32ApplyThemeTest, AMissingThemeFileWritesNothing) {
    clsVelmora theme(platform_);
    EXPECT_FALSE(theme.ApplyTheme("C:\\no\\such\\theme.vlr"));
    char name[256];
    EXPECT_NE(RegEnumKeyA(user_, 0, name, sizeof name), ERROR_SUCCESS);
    EXPECT_NE(RegEnumKeyA(machine_, 0, name, sizeof name), ERROR_SUCCESS);
}

TEST_F(Win32ApplyThemeTest, RefusedMachineWritesDoNotStopTheSequence) {
    // The machine root becomes a volatile key, under which Windows refuses to create the
    // ordinary keys the registry class makes: every machine write fails, as it does for a
    // user without rights to the machine's keys.
    HKEY refusing = nullptr;
    ASSERT_EQ(RegCreateKeyExA(user_, "Refusing", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &refusing, nullptr),
              0);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, refusing), 0);
    HKEY probe = nullptr;
    const LONG refused = RegCreateKeyA(HKEY_LOCAL_MACHINE, "Probe", &probe);
    if (refused == ERROR_SUCCESS) RegCloseKey(probe);
    ASSERT_NE(refused, ERROR_SUCCESS) << "this Wine lets a volatile key take ordinary subkeys";

    const std::string file = WriteTempTheme(
        "[Velmora]\r\nThemeTitle=Locked\r\nSearchAssistant=http://s/a\r\n"
        "SearchBar=http://s/bar\r\nOnlineHelpURL=http://h/\r\nWUCaption=Caption\r\n"
        "Navigate=C:\\n.wav\r\n");
    clsVelmora theme(platform_);
    EXPECT_TRUE(theme.ApplyTheme(file));
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_);
    char name[256];
    EXPECT_NE(RegEnumKeyA(refusing, 0, name, sizeof name), ERROR_SUCCESS);
    RegCloseKey(refusing);

    // Per-user rows before and after the refused machine rows are all written.
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kMain, "Search Bar"), Text("http://s/bar"));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER,
                        "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current", ""),
              Text("C:\\n.wav"));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kPolicies, "Windows Update Menu Text"), Text("Caption"));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kMark, ""), Text("Locked"));
}

}  // namespace velmora::test
