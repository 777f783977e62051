// The apply as a whole: where every theme value lands, the switch that gates it, the result,
// the current-theme mark, and machine writes that Windows refuses.
#include "tests/unit/apply/ApplyFixture.h"

namespace velmora::test {

namespace {

using Switch = void (clsVelmora::*)(bool);
constexpr Switch kSkin = &clsVelmora::SetApply_ToolbarSkin;
constexpr Switch kThrob = &clsVelmora::SetApply_Throbbers;
constexpr Switch kHome = &clsVelmora::SetApply_HomePage;
constexpr Switch kTips = &clsVelmora::SetApply_TipsPage;
constexpr Switch kSearch = &clsVelmora::SetApply_SearchBar;
constexpr Switch kStyle = &clsVelmora::SetApply_StyleExtension;
constexpr Switch kSounds = &clsVelmora::SetApply_Sounds;
constexpr Switch kInfo = &clsVelmora::SetApply_InfoPage;

// The section of a theme that gives every area something to write.
constexpr char kFullTheme[] =
    "[Velmora]\nThemeTitle=Ocean\nWESkin=%InstallDir%\\we.bmp\nBackBitmap=C:\\ie.bmp\n"
    "BrandLarge=C:\\still-large.bmp\nAniLarge=C:\\strip.bmp\nBrandSmall=None\n"
    "AniSmall=C:\\strip-s.bmp\nTitle=Ocean Explorer\nHomePage=%InstallDir%\\start.htm\n"
    "LocalPage=C:\\local.htm\nSearchPage=http://s/page\nSearchBar=http://s/bar\n"
    "SearchAssistant=http://s/a\nCustomizeSearch=http://s/c\nSearchURL=http://s/q=\n"
    "DiscussionPage=http://d/\nTipsPage=http://tips/\nStyleType=1\nStyleFile=C:\\ocean.css\n"
    "IgnoreColors=1\nIgnoreFontStyles=0\nIgnoreFontSizes=1\nOpenIExplore=C:\\s\\1.wav\n"
    "OpenExplorer=C:\\s\\2.wav\nNavigate=C:\\s\\3.wav\nActivate=C:\\s\\4.wav\n"
    "New_Mail=C:\\s\\5.wav\nContactOnline=C:\\s\\6.wav\nNewAlert=C:\\s\\7.wav\n"
    "MSMessenger=C:\\s\\8.wav\nNewMessage=C:\\s\\9.wav\nOnlineHelpURL=http://h/\n"
    "WUCaption=None\n";

constexpr RegRoot kUser = kHkeyCurrentUser;
constexpr RegRoot kMachine = kHkeyLocalMachine;
const std::string kIeKey = "Software\\Microsoft\\Internet Explorer\\";
const std::string kTipsBar =
    "SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag";
const std::string kApps = "AppEvents\\Schemes\\Apps\\";
constexpr char kOld[] = "old";  // every value holds this before the apply

struct Row {
    RegRoot root;
    std::string key;
    const char* name;
    const char* expected;  // with every switch on
    Switch gate;           // the switch that leaves the value alone; null: always written
};

const Row kRows[] = {
    {kUser, kIeKey + "Toolbar", "BackBitmap", "C:\\Themes\\Blue\\we.bmp", kSkin},
    {kUser, kIeKey + "Toolbar", "BackBitmapIE5", "C:\\ie.bmp", kSkin},
    {kUser, kIeKey + "Toolbar", "BigBitmap", "C:\\still-large.bmp", kThrob},
    {kUser, kIeKey + "Toolbar", "BrandBitmap", "C:\\strip.bmp", kThrob},
    {kUser, kIeKey + "Toolbar", "SmallBitmap", "Not Found", kThrob},
    {kUser, kIeKey + "Toolbar", "SmBrandBitmap", "C:\\strip-s.bmp", kThrob},
    {kUser, kIeKey + "Main", "Window Title", "Ocean Explorer", kHome},
    {kUser, kIeKey + "Main", "Start Page", "C:\\Themes\\Blue\\start.htm", kHome},
    {kUser, kIeKey + "Main", "Local Page", "C:\\local.htm", kHome},
    {kUser, kIeKey + "Main", "Search Page", "http://s/page", kSearch},
    {kUser, kIeKey + "Main", "Search Bar", "http://s/bar", kSearch},
    {kUser, kIeKey + "SearchUrl", "", "http://s/q=", kSearch},
    {kMachine, "SOFTWARE\\Microsoft\\Internet Explorer\\Search", "SearchAssistant", "http://s/a",
     kSearch},
    {kMachine, "SOFTWARE\\Microsoft\\Internet Explorer\\Search", "CustomizeSearch", "http://s/c",
     kSearch},
    {kMachine,
     "SOFTWARE\\CLASSES\\CLSID\\{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}\\Instance\\InitPropertyBag",
     "Url", "http://d/", nullptr},
    // The tips page goes to both tips-bar keys; only the user's is switched.
    {kUser, kTipsBar, "Url", "http://tips/", kTips},
    {kMachine, kTipsBar, "Url", "http://tips/", nullptr},
    {kUser, kIeKey + "Styles", "User StyleSheet", "C:\\ocean.css", kStyle},
    {kUser, kIeKey + "Styles", "Use My Stylesheet", "00000001", kStyle},
    {kUser, kIeKey + "Settings", "Always Use My Colors", "00000001", kStyle},
    {kUser, kIeKey + "Settings", "Always Use My Font Face", kOld, kStyle},
    {kUser, kIeKey + "Settings", "Always Use My Font Size", "00000001", kStyle},
    // The two program-open events cross over.
    {kUser, kApps + "Explorer\\Open\\.current", "", "C:\\s\\1.wav", kSounds},
    {kUser, kApps + "IExplore\\Open\\.current", "", "C:\\s\\2.wav", kSounds},
    {kUser, kApps + "Explorer\\Navigating\\.current", "", "C:\\s\\3.wav", kSounds},
    {kUser, kApps + "Explorer\\ActivatingDocument\\.current", "", "C:\\s\\4.wav", kSounds},
    {kUser, kApps + ".Default\\MailBeep\\.Current", "", "C:\\s\\5.wav", kSounds},
    {kUser, kApps + "MSNMSGR\\MSNMSGR_ContactOnline\\.Current", "", "C:\\s\\6.wav", kSounds},
    {kUser, kApps + "MSNMSGR\\MSNMSGR_NewAlert\\.Current", "", "C:\\s\\7.wav", kSounds},
    {kUser, kApps + "MSNMSGR\\MSNMSGR_NewMail\\.Current", "", "C:\\s\\8.wav", kSounds},
    {kUser, kApps + "MSNMSGR\\MSNMSGR_NewMessage\\.Current", "", "C:\\s\\9.wav", kSounds},
    {kMachine, "SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls", "Online_Support",
     "http://h/", nullptr},
    {kUser, "Software\\Policies\\Microsoft\\Internet Explorer", "Windows Update Menu Text", "",
     nullptr},
    {kUser, "Software\\Tolvane\\Quenmark\\Velmoras\\.Current", "", "Ocean", nullptr},
};

// Refuses the machine's keys once locked, as Windows does for a user without rights to them.
class LockableRegistry : public MemoryRegistry {
public:
    long OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) override {
        return Locked(key) ? kErrorAccessDenied : MemoryRegistry::OpenKey(key, subKey, result);
    }
    long OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                   RegHandle* result) override {
        return Locked(key) ? kErrorAccessDenied
                           : MemoryRegistry::OpenKeyEx(key, subKey, access, result);
    }
    long CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) override {
        return Locked(key) ? kErrorAccessDenied : MemoryRegistry::CreateKey(key, subKey, result);
    }
    bool machineLocked = false;

private:
    bool Locked(RegHandle key) const { return machineLocked && key == kHkeyLocalMachine; }
};

}  // namespace

class ApplyThemeTest : public ApplyFixture {
protected:
    // Applies the full theme to a registry of old values, with one switch (or none) off.
    void ApplyFullTheme(LockableRegistry& registry, Switch off, bool lockMachine = false) {
        platform_.registry = &registry;
        for (const Row& row : kRows) Seed(row.root, row.key, row.name, kOld);
        registry.machineLocked = lockMachine;
        clsVelmora theme(platform_);
        if (off) (theme.*off)(false);
        EXPECT_TRUE(theme.ApplyTheme(kThemeFile));
    }
};

TEST_F(ApplyThemeTest, EveryValueLandsInItsPlaceAndEachSwitchGatesExactlyItsOwn) {
    themes_.files.AddFile(kThemeFile, kFullTheme);
    const Switch switches[] = {nullptr, kSkin,  kThrob,  kHome, kTips,
                               kSearch, kStyle, kSounds, kInfo};  // gates nothing
    for (std::size_t i = 0; i < std::size(switches); ++i) {
        LockableRegistry fresh;
        ApplyFullTheme(fresh, switches[i]);
        for (const Row& row : kRows) {
            const bool gated = switches[i] && row.gate == switches[i];
            EXPECT_EQ(Read(row.root, row.key, row.name), gated ? kOld : row.expected)
                << "switch #" << i << " off: " << row.key << " " << row.name;
        }
        EXPECT_EQ(fresh.OpenHandles(), 0u);
    }
    platform_.registry = &registry_;
}

TEST_F(ApplyThemeTest, RefusedMachineWritesDoNotStopTheSequence) {
    themes_.files.AddFile(kThemeFile, kFullTheme);
    LockableRegistry locked;
    ApplyFullTheme(locked, nullptr, true);
    locked.machineLocked = false;
    for (const Row& row : kRows) {
        EXPECT_EQ(Read(row.root, row.key, row.name), row.root == kMachine ? kOld : row.expected)
            << row.key << " " << row.name;
    }
    platform_.registry = &registry_;
}

TEST_F(ApplyThemeTest, KeysAreCreatedWithTheLetterCaseTheyAreWrittenIn) {
    themes_.files.AddFile(kThemeFile, kFullTheme);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Subkeys(kMachine, "Software\\Classes\\Clsid"),
              (std::vector<std::string>{"{4D5C8C25-D075-11d0-B416-00C04FB90376}",
                                        "{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}"}));
    EXPECT_EQ(Subkeys(kUser, "Software\\Classes\\Clsid"),
              std::vector<std::string>{"{4D5C8C25-D075-11d0-B416-00C04FB90376}"});
    EXPECT_EQ(Subkeys(kUser, kApps + "Explorer\\Open"), std::vector<std::string>{".current"});
    EXPECT_EQ(Subkeys(kUser, kApps + "MSNMSGR\\MSNMSGR_NewAlert"),
              std::vector<std::string>{".Current"});
}

TEST_F(ApplyThemeTest, AMissingFileOrAFolderReturnsFalseAndWritesNothing) {
    themes_.files.AddFolder("C:\\Themes\\Blue");
    EXPECT_FALSE(Apply("C:\\Themes\\Blue\\gone.vlr"));
    EXPECT_FALSE(Apply(""));
    EXPECT_FALSE(Apply("C:\\Themes\\Blue"));
    EXPECT_EQ(Writes(), 0u);
    EXPECT_EQ(registry_.Calls(RegCall::CreateKey), 0u);
    EXPECT_EQ(registry_.Calls(RegCall::DeleteValue), 0u);
    EXPECT_EQ(theme_.ThemeTitle(), "");
}

TEST_F(ApplyThemeTest, TheApplyReloadsTheFileOverWhatTheCallerStored) {
    themes_.files.AddFile(kThemeFile, kFullTheme);
    theme_.SetHomePage("C:\\caller.htm");
    theme_.SetThemeTitle("Caller");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Start Page"), "C:\\Themes\\Blue\\start.htm");
    EXPECT_EQ(User(kMark, ""), "Ocean");
}

}  // namespace velmora::test
