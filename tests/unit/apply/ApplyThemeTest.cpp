// The apply as a whole: where every theme value lands, the switch that gates it, the result,
// and machine writes that Windows refuses.
#include "tests/unit/apply/ApplyFixture.h"

#include "tests/support/ThemeValueRows.h"

namespace velmora::test {

namespace {

using Switch = void (clsVelmora::*)(bool);
constexpr RegRoot kUser = kHkeyCurrentUser;
constexpr RegRoot kMachine = kHkeyLocalMachine;
const std::string kApps = "AppEvents\\Schemes\\Apps\\";
constexpr char kOld[] = "old";  // every value holds this before the apply

// The text each theme key carries in the full theme.
std::string Text(const char* themeKey) {
    return std::string("C:\\x\\") + themeKey;
}

// A theme that gives every value of the table its own text.
MemoryProfile::Keys FullTheme() {
    MemoryProfile::Keys keys;
    for (const ThemeValueRow& row : ThemeValueRows())
        keys.emplace_back(row.themeKey, Text(row.themeKey));
    return keys;
}

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

class ApplyThemeTest : public ApplyFixture {};

TEST_F(ApplyThemeTest, EveryValueLandsInItsPlaceEachSwitchGatesItsOwnAndRefusalsDoNotStopIt) {
    WriteTheme(FullTheme());
    struct Case {
        Switch off;
        bool machineLocked;
    };
    const Case cases[] = {{nullptr, false},
                          {&clsVelmora::SetApply_ToolbarSkin, false},
                          {&clsVelmora::SetApply_Throbbers, false},
                          {&clsVelmora::SetApply_HomePage, false},
                          {&clsVelmora::SetApply_TipsPage, false},
                          {&clsVelmora::SetApply_SearchBar, false},
                          {&clsVelmora::SetApply_StyleExtension, false},
                          {&clsVelmora::SetApply_Sounds, false},
                          {&clsVelmora::SetApply_InfoPage, false},  // gates nothing
                          {nullptr, true}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        LockableRegistry registry;
        platform.registry = &registry;
        for (const ThemeValueRow& row : ThemeValueRows()) Seed(row.root, row.key, row.name, kOld);
        registry.machineLocked = cases[i].machineLocked;
        clsVelmora theme(platform);
        if (cases[i].off) (theme.*cases[i].off)(false);
        EXPECT_TRUE(theme.ApplyTheme(kThemeFile));
        registry.machineLocked = false;
        for (const ThemeValueRow& row : ThemeValueRows()) {
            const bool left = (cases[i].off && row.gate == cases[i].off) ||
                              (cases[i].machineLocked && row.root == kMachine);
            EXPECT_EQ(Read(row.root, row.key, row.name), left ? kOld : Text(row.themeKey))
                << "case #" << i << ": " << row.key << " " << row.name;
        }
        EXPECT_EQ(registry.OpenHandles(), 0u);
    }
    platform.registry = &registry;
}

TEST_F(ApplyThemeTest, KeysAreCreatedWithTheLetterCaseTheyAreWrittenIn) {
    WriteTheme(FullTheme());
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
    files.AddFolder("C:\\Themes\\Blue");
    EXPECT_FALSE(Apply("C:\\Themes\\Blue\\gone.vlr"));
    EXPECT_FALSE(Apply(""));
    EXPECT_FALSE(Apply("C:\\Themes\\Blue"));
    EXPECT_EQ(Writes(), 0u);
    EXPECT_EQ(registry.Calls(RegCall::CreateKey), 0u);
    EXPECT_EQ(registry.Calls(RegCall::DeleteValue), 0u);
    EXPECT_EQ(theme_.ThemeTitle(), "");
}

TEST_F(ApplyThemeTest, TheApplyReloadsTheFileOverWhatTheCallerStored) {
    WriteTheme(FullTheme());
    theme_.SetHomePage("C:\\caller.htm");
    theme_.SetThemeTitle("Caller");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Start Page"), Text("HomePage"));
    EXPECT_EQ(User(kMark, ""), Text("ThemeTitle"));
}

}  // namespace velmora::test
