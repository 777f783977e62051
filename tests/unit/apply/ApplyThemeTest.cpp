// The apply sequence as a whole: its result, what a failed load leaves, the current-theme
// mark, the switches, and writes that Windows refuses.
#include "tests/unit/apply/ApplyFixture.h"

namespace velmora::test {

namespace {

// A theme that gives every area something to write.
const ThemeFilesDouble::Keys kFullTheme = {
    {"ThemeTitle", "Ocean"},
    {"BackBitmap", "%InstallDir%\\toolbar.bmp"},
    {"WESkin", "%InstallDir%\\explorer.bmp"},
    {"AniLarge", "%InstallDir%\\anilarge.bmp"},
    {"BrandLarge", "%InstallDir%\\large.bmp"},
    {"AniSmall", "%InstallDir%\\anismall.bmp"},
    {"BrandSmall", "%InstallDir%\\small.bmp"},
    {"Title", "Ocean Explorer"},
    {"HomePage", "%InstallDir%\\start.htm"},
    {"LocalPage", "%InstallDir%\\local.htm"},
    {"SearchPage", "http://s/page"},
    {"SearchBar", "http://s/bar"},
    {"SearchAssistant", "http://s/assistant"},
    {"CustomizeSearch", "http://s/customize"},
    {"SearchURL", "http://s/find?q="},
    {"DiscussionPage", "http://d/"},
    {"TipsPage", "%InstallDir%\\tips.htm"},
    {"WebThumper", "No"},
    {"Navigate", "%InstallDir%\\navigate.wav"},
    {"StyleType", "1"},
    {"StyleFile", "%InstallDir%\\ocean.css"},
    {"IgnoreColors", "1"},
    {"OnlineHelpURL", "http://h/"},
    {"WUCaption", "Ocean Updates"},
};

// One value of each area, with the switch that gates it (none for the ungated areas).
struct AreaProbe {
    RegRoot root;
    const char* key;
    const char* name;
};
const AreaProbe kToolbarSkinProbe{
    kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Toolbar", "BackBitmapIE5"};
const AreaProbe kThrobbersProbe{kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Toolbar",
                                "BrandBitmap"};
const AreaProbe kHomePageProbe{kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main",
                               "Start Page"};
const AreaProbe kTipsPageProbe{
    kHkeyCurrentUser,
    "SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag",
    "Url"};
const AreaProbe kSearchProbe{kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main",
                             "Search Page"};
const AreaProbe kStyleProbe{kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Styles",
                            "User StyleSheet"};
const AreaProbe kSoundsProbe{kHkeyCurrentUser,
                             "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current", ""};
const AreaProbe kAllProbes[] = {kToolbarSkinProbe, kThrobbersProbe, kHomePageProbe, kTipsPageProbe,
                                kSearchProbe,      kStyleProbe,     kSoundsProbe};

// Refuses every key it is asked to open or create under HKEY_LOCAL_MACHINE, as Windows does
// for a user without rights to the machine's keys; passes everything else on.
class MachineLockedRegistry : public RegistryApi {
public:
    explicit MachineLockedRegistry(RegistryApi& inner) : inner_(inner) {}

    long OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) override {
        return Locked(key, result) ? kErrorAccessDenied : inner_.OpenKey(key, subKey, result);
    }
    long OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                   RegHandle* result) override {
        return Locked(key, result) ? kErrorAccessDenied
                                   : inner_.OpenKeyEx(key, subKey, access, result);
    }
    long CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) override {
        return Locked(key, result) ? kErrorAccessDenied : inner_.CreateKey(key, subKey, result);
    }
    long QueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t* type,
                      std::uint8_t* data, std::uint32_t* dataSize) override {
        return inner_.QueryValueEx(key, valueName, type, data, dataSize);
    }
    long SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                    const std::uint8_t* data, std::uint32_t dataSize) override {
        return inner_.SetValueEx(key, valueName, type, data, dataSize);
    }
    long EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t nameSize) override {
        return inner_.EnumKey(key, index, name, nameSize);
    }
    long EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) override {
        return inner_.EnumValue(key, index, name, nameSize, type, data, dataSize);
    }
    long QueryInfoKey(RegHandle key, RegKeyInfo* info) override {
        return inner_.QueryInfoKey(key, info);
    }
    long FlushKey(RegHandle key) override { return inner_.FlushKey(key); }
    long CloseKey(RegHandle key) override { return inner_.CloseKey(key); }
    long DeleteKey(RegHandle key, const std::string& subKey) override {
        return inner_.DeleteKey(key, subKey);
    }
    long DeleteValue(RegHandle key, const std::string& valueName) override {
        return inner_.DeleteValue(key, valueName);
    }

private:
    static bool Locked(RegHandle key, RegHandle* result) {
        if (key != kHkeyLocalMachine) return false;
        if (result) *result = 0;
        return true;
    }
    RegistryApi& inner_;
};

}  // namespace

class ApplyThemeTest : public ApplyFixture {
protected:
    std::string ProbeValue(const AreaProbe& probe) {
        return Read(probe.root, probe.key, probe.name);
    }
};

TEST_F(ApplyThemeTest, AMissingThemeFileOrAFolderReturnsFalseAndWritesNothing) {
    EXPECT_FALSE(Apply("C:\\Themes\\Blue\\gone.vlr"));
    EXPECT_FALSE(Apply(""));
    WriteTheme(kFullTheme);
    EXPECT_FALSE(Apply("C:\\Themes\\Blue"));  // the folder, not a file

    EXPECT_EQ(Writes(), 0u);
    EXPECT_EQ(registry_.Calls(RegCall::CreateKey), 0u);
    EXPECT_EQ(registry_.Calls(RegCall::DeleteValue), 0u);
    EXPECT_EQ(User(kMark, ""), "Not Found");
    EXPECT_EQ(theme_.ThemeTitle(), "");  // nothing was loaded either
}

TEST_F(ApplyThemeTest, ASuccessfulApplyWritesEveryAreaAndMarksTheTheme) {
    WriteTheme(kFullTheme);
    ASSERT_TRUE(Apply());
    for (const AreaProbe& probe : kAllProbes) {
        EXPECT_NE(ProbeValue(probe), "Not Found") << probe.key << " " << probe.name;
    }
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "C:\\Themes\\Blue\\toolbar.bmp");
    EXPECT_EQ(User(kMark, ""), "Ocean");
    // The record keeps the file's values for the caller's messages.
    EXPECT_EQ(theme_.HomePage(), "C:\\Themes\\Blue\\start.htm");
}

TEST_F(ApplyThemeTest, AThemeWithoutTitleIsMarkedUntitled) {
    Seed(kHkeyCurrentUser, kMark, "", "Ocean");
    WriteTheme({{"Author", "Nobody"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMark, ""), "[Untitled]");
}

TEST_F(ApplyThemeTest, TheApplyReloadsTheFileOverWhatTheCallerStored) {
    WriteTheme(kFullTheme);
    theme_.SetHomePage("C:\\caller.htm");
    theme_.SetThemeTitle("Caller");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Start Page"), "C:\\Themes\\Blue\\start.htm");
    EXPECT_EQ(User(kMark, ""), "Ocean");
}

TEST_F(ApplyThemeTest, EachSwitchGatesExactlyItsOwnArea) {
    using Setter = void (clsVelmora::*)(bool);
    const std::pair<Setter, AreaProbe> switches[] = {
        {&clsVelmora::SetApply_ToolbarSkin, kToolbarSkinProbe},
        {&clsVelmora::SetApply_Throbbers, kThrobbersProbe},
        {&clsVelmora::SetApply_HomePage, kHomePageProbe},
        {&clsVelmora::SetApply_TipsPage, kTipsPageProbe},
        {&clsVelmora::SetApply_SearchBar, kSearchProbe},
        {&clsVelmora::SetApply_StyleExtension, kStyleProbe},
        {&clsVelmora::SetApply_Sounds, kSoundsProbe},
    };
    WriteTheme(kFullTheme);
    for (const auto& [setter, gated] : switches) {
        MemoryRegistry fresh;
        platform_.registry = &fresh;
        clsVelmora theme(platform_);
        (theme.*setter)(false);
        ASSERT_TRUE(theme.ApplyTheme(kThemeFile));
        for (const AreaProbe& probe : kAllProbes) {
            const bool isGated = probe.key == gated.key && std::string(probe.name) == gated.name;
            EXPECT_EQ(ProbeValue(probe) == "Not Found", isGated)
                << "switched off: " << gated.name << ", looked at " << probe.key << " "
                << probe.name;
        }
        // The ungated areas run whatever the switches say.
        EXPECT_EQ(
            Machine("SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls", "Online_Support"),
            "http://h/");
        EXPECT_EQ(User(kMark, ""), "Ocean");
        EXPECT_EQ(fresh.OpenHandles(), 0u);
    }
    platform_.registry = &registry_;
}

TEST_F(ApplyThemeTest, TheInfoPageSwitchGatesNothing) {
    WriteTheme(kFullTheme);
    ASSERT_TRUE(Apply());
    const std::size_t writesWithInfoPage = Writes();

    MemoryRegistry fresh;
    platform_.registry = &fresh;
    clsVelmora theme(platform_);
    theme.SetApply_InfoPage(false);
    ASSERT_TRUE(theme.ApplyTheme(kThemeFile));
    EXPECT_EQ(fresh.Calls(RegCall::SetValueEx), writesWithInfoPage);
    for (const AreaProbe& probe : kAllProbes) EXPECT_NE(ProbeValue(probe), "Not Found");
    platform_.registry = &registry_;
}

TEST_F(ApplyThemeTest, RefusedMachineWritesDoNotStopTheSequence) {
    MachineLockedRegistry locked(registry_);
    platform_.registry = &locked;
    WriteTheme(kFullTheme);
    clsVelmora theme(platform_);
    EXPECT_TRUE(theme.ApplyTheme(kThemeFile));
    platform_.registry = &registry_;

    EXPECT_EQ(Machine("SOFTWARE\\Microsoft\\Internet Explorer\\Search", "SearchAssistant"),
              "Not Found");
    // Everything per user, before and after the refused rows, is written.
    for (const AreaProbe& probe : kAllProbes) EXPECT_NE(ProbeValue(probe), "Not Found");
    EXPECT_EQ(User("Software\\Policies\\Microsoft\\Internet Explorer", "Windows Update Menu Text"),
              "Ocean Updates");
    EXPECT_EQ(User(kMark, ""), "Ocean");
}

TEST_F(ApplyThemeTest, AFileWithoutTheThemeSectionStillAppliesAsAnEmptyTheme) {
    // Odd content loads as every text empty: only the always-written values change.
    files_.Add("C:\\odd.vlr", {});
    Seed(kHkeyCurrentUser, kToolbar, "BackBitmapIE5", "C:\\mine.bmp");
    Seed(kHkeyCurrentUser, kMain, "Start Page", "http://mine/");
    ASSERT_TRUE(Apply("C:\\odd.vlr"));
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "C:\\mine.bmp");
    EXPECT_EQ(User(kMain, "Start Page"), "http://mine/");
    EXPECT_EQ(User("Software\\Microsoft\\Internet Explorer\\Styles", "User StyleSheet"), "");
    EXPECT_EQ(User(kMark, ""), "[Untitled]");
}

TEST_F(ApplyThemeTest, AThemeNamingFilesThatDoNotExistIsAppliedAsWritten) {
    WriteTheme({{"BackBitmap", "Q:\\nowhere\\x.bmp"}, {"Navigate", "Q:\\nowhere\\n.wav"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "Q:\\nowhere\\x.bmp");
    EXPECT_EQ(User("AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current", ""),
              "Q:\\nowhere\\n.wav");
}

}  // namespace velmora::test
