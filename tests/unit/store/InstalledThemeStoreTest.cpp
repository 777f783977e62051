// The installed-theme store against the in-memory registry: entries, mark and list.
#include <gtest/gtest.h>

#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"

namespace velmora::test {

namespace {

using Strings = std::vector<std::string>;
constexpr char kRoot[] = "Software\\Tolvane\\Quenmark\\Velmoras";
constexpr char kOceanKey[] = "Software\\Tolvane\\Quenmark\\Velmoras\\Ocean";

class InstalledThemeStoreTest : public ::testing::Test, protected TestPlatform {
protected:
    void TearDown() override {
        EXPECT_EQ(registry.OpenHandles(), 0u);
        EXPECT_TRUE(dialogs.Shown().empty());  // nothing tripped the error trap
    }
    std::string Read(RegRoot root, const std::string& key, const std::string& name) {
        return cRegistry(platform).ReadRegistry(root, key, name);
    }
    void Write(const std::string& key, const std::string& name, const std::string& text) {
        cRegistry(platform).WriteRegistry(kHkeyLocalMachine, key, name, 1, text);
    }

    InstalledThemeStore store_{platform};
};

}  // namespace

TEST_F(InstalledThemeStoreTest, AnEntryHoldsItsFileUnderTheMachineAndAnyCaseReplacesIt) {
    EXPECT_EQ(store_.ThemeList(), (Strings{".Current", "[None]"}));
    ASSERT_TRUE(store_.AddEntry("Ocean", "C:\\Old\\Ocean.vlr"));
    EXPECT_EQ(Read(kHkeyLocalMachine, kOceanKey, ""), "C:\\Old\\Ocean.vlr");
    EXPECT_EQ(Read(kHkeyCurrentUser, kOceanKey, ""), "Not Found");
    EXPECT_EQ(store_.ReadEntry("ocean").uninstallFile, "Not Found");

    Write(kOceanKey, "UninstallFile", "C:\\Themes\\Ocean\\unins000.exe");
    store_.AddEntry("OCEAN", "D:\\New\\Ocean.vlr");
    const InstalledThemeEntry entry = store_.ReadEntry("Ocean");
    EXPECT_EQ(entry.themeFile, "D:\\New\\Ocean.vlr");
    EXPECT_EQ(entry.uninstallFile, "C:\\Themes\\Ocean\\unins000.exe");
    EXPECT_EQ(store_.ThemeList(), (Strings{".Current", "[None]", "Ocean"}));
}

TEST_F(InstalledThemeStoreTest, RemovingAnEntryDeletesItsKeyAndValuesOnly) {
    store_.AddEntry("Ocean", "C:\\Themes\\Ocean\\Ocean.vlr");
    store_.AddEntry("Autumn", "C:\\Themes\\Autumn\\Autumn.vlr");
    Write(kOceanKey, "UninstallFile", "u.exe");
    store_.RemoveEntry("OCEAN");
    store_.RemoveEntry("Ocean");  // already gone: nothing changes, nothing reported
    EXPECT_EQ(store_.StoredTitles(), (Strings{"Autumn", "Not Found"}));
    EXPECT_EQ(store_.ReadEntry("Ocean").uninstallFile, "Not Found");
    EXPECT_EQ(store_.ReadEntry("Autumn").themeFile, "C:\\Themes\\Autumn\\Autumn.vlr");
}

TEST_F(InstalledThemeStoreTest, TitlesThatAreNotOneKeyNameNeitherAddNorRemove) {
    EXPECT_FALSE(store_.AddEntry("", "C:\\x.vlr"));
    EXPECT_FALSE(store_.AddEntry("Blue\\Dark", "C:\\x.vlr"));
    EXPECT_EQ(store_.StoredTitles(), Strings{"Not Found"});
    // The store root must survive a remove with an empty title, even with no entries left.
    Write(kRoot, "Keep", "me");
    store_.RemoveEntry("");
    store_.RemoveEntry("\\");
    EXPECT_EQ(Read(kHkeyLocalMachine, kRoot, "Keep"), "me");
    store_.AddEntry("Blue", "C:\\Blue.vlr");
    store_.RemoveEntry("Blue\\");
    EXPECT_EQ(store_.ReadEntry("Blue").themeFile, "C:\\Blue.vlr");
}

TEST_F(InstalledThemeStoreTest, TheMarkIsPerUserAndNotAnInstalledTheme) {
    EXPECT_EQ(store_.ReadMark(), "Not Found");
    store_.WriteMark("[None]");
    EXPECT_EQ(store_.ReadMark(), "[None]");
    EXPECT_EQ(Read(kHkeyCurrentUser, std::string(kRoot) + "\\.Current", ""), "[None]");
    EXPECT_EQ(store_.ThemeList(), (Strings{".Current", "[None]"}));
}

}  // namespace velmora::test
