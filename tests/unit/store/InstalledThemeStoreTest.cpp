// The installed-theme store against the in-memory registry: entries, mark and list.
#include <gtest/gtest.h>

#include "mainwindow/InstalledThemeStore.h"
#include "registry/cRegistry.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MemoryRegistry.h"

namespace velmora::test {

namespace {

constexpr char kRoot[] = "Software\\Tolvane\\Quenmark\\Velmoras";
constexpr char kOceanKey[] = "Software\\Tolvane\\Quenmark\\Velmoras\\Ocean";
constexpr char kMarkKey[] = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";

class InstalledThemeStoreTest : public ::testing::Test {
protected:
    void TearDown() override {
        // No operation may leave a key open, and none of these may trip the error trap.
        EXPECT_EQ(registry_.OpenHandles(), 0u);
        EXPECT_TRUE(dialogs_.Shown().empty());
    }

    cRegistry Reg() { return cRegistry(platform_); }

    MemoryRegistry registry_;
    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeProductInfo product_;
    Platform platform_ = [this] {
        Platform platform;
        platform.registry = &registry_;
        platform.dialogs = &dialogs_;
        platform.shell = &shell_;
        platform.product = &product_;
        return platform;
    }();
    InstalledThemeStore store_{platform_};
};

}  // namespace

TEST_F(InstalledThemeStoreTest, AnEmptyStoreListsOnlyThePseudoEntries) {
    EXPECT_EQ(store_.StoredTitles(), std::vector<std::string>{"Not Found"});
    EXPECT_EQ(store_.ThemeList(), (std::vector<std::string>{".Current", "[None]"}));
}

TEST_F(InstalledThemeStoreTest, AnAddedEntryHoldsItsFileUnderTheMachineAndIsListed) {
    ASSERT_TRUE(store_.AddEntry("Ocean", "C:\\Themes\\Ocean\\Ocean.vlr"));
    EXPECT_EQ(Reg().ReadRegistry(kHkeyLocalMachine, kOceanKey, ""), "C:\\Themes\\Ocean\\Ocean.vlr");
    EXPECT_EQ(Reg().ReadRegistry(kHkeyCurrentUser, kOceanKey, ""), "Not Found");

    const InstalledThemeEntry entry = store_.ReadEntry("ocean");
    EXPECT_EQ(entry.themeFile, "C:\\Themes\\Ocean\\Ocean.vlr");
    EXPECT_EQ(entry.uninstallFile, "Not Found");
    EXPECT_EQ(store_.ThemeList(), (std::vector<std::string>{".Current", "[None]", "Ocean"}));
}

TEST_F(InstalledThemeStoreTest, AddingTheSameTitleInAnyCaseReplacesThePathAndKeepsTheUninstaller) {
    store_.AddEntry("Ocean", "C:\\Old\\Ocean.vlr");
    Reg().WriteRegistry(kHkeyLocalMachine, kOceanKey, "UninstallFile", 1,
                        std::string("C:\\Themes\\Ocean\\unins000.exe"));
    store_.AddEntry("OCEAN", "D:\\New\\Ocean.vlr");

    EXPECT_EQ(store_.StoredTitles(), (std::vector<std::string>{"Ocean", "Not Found"}));
    const InstalledThemeEntry entry = store_.ReadEntry("Ocean");
    EXPECT_EQ(entry.themeFile, "D:\\New\\Ocean.vlr");
    EXPECT_EQ(entry.uninstallFile, "C:\\Themes\\Ocean\\unins000.exe");
}

TEST_F(InstalledThemeStoreTest, RemovingAnEntryDeletesItsKeyAndValuesOnly) {
    store_.AddEntry("Ocean", "C:\\Themes\\Ocean\\Ocean.vlr");
    store_.AddEntry("Autumn", "C:\\Themes\\Autumn\\Autumn.vlr");
    Reg().WriteRegistry(kHkeyLocalMachine, kOceanKey, "UninstallFile", 1, std::string("u.exe"));

    store_.RemoveEntry("OCEAN");
    EXPECT_EQ(store_.StoredTitles(), (std::vector<std::string>{"Autumn", "Not Found"}));
    EXPECT_EQ(store_.ReadEntry("Ocean").uninstallFile, "Not Found");
    EXPECT_EQ(store_.ReadEntry("Autumn").themeFile, "C:\\Themes\\Autumn\\Autumn.vlr");

    store_.RemoveEntry("Ocean");  // already gone: nothing changes, nothing reported
    EXPECT_EQ(store_.StoredTitles(), (std::vector<std::string>{"Autumn", "Not Found"}));
}

TEST_F(InstalledThemeStoreTest, TitlesThatAreNotOneKeyNameNeitherAddNorRemove) {
    EXPECT_FALSE(store_.AddEntry("", "C:\\x.vlr"));
    EXPECT_FALSE(store_.AddEntry("Blue\\Dark", "C:\\x.vlr"));
    EXPECT_EQ(store_.StoredTitles(), std::vector<std::string>{"Not Found"});

    // The store root itself must survive a remove with an empty title, even when it has no
    // entries left to protect it.
    Reg().WriteRegistry(kHkeyLocalMachine, kRoot, "Keep", 1, std::string("me"));
    store_.RemoveEntry("");
    store_.RemoveEntry("\\");
    EXPECT_EQ(Reg().ReadRegistry(kHkeyLocalMachine, kRoot, "Keep"), "me");

    store_.AddEntry("Blue", "C:\\Blue.vlr");
    store_.RemoveEntry("Blue\\");
    EXPECT_EQ(store_.ReadEntry("Blue").themeFile, "C:\\Blue.vlr");
}

TEST_F(InstalledThemeStoreTest, TheMarkIsPerUserAndReadsNotFoundBeforeTheFirstApply) {
    EXPECT_EQ(store_.ReadMark(), "Not Found");
    store_.WriteMark("[None]");
    EXPECT_EQ(store_.ReadMark(), "[None]");
    EXPECT_EQ(Reg().ReadRegistry(kHkeyCurrentUser, kMarkKey, ""), "[None]");
    // The mark is not an installed theme: the machine-wide list does not show it.
    EXPECT_EQ(store_.ThemeList(), (std::vector<std::string>{".Current", "[None]"}));
}

TEST_F(InstalledThemeStoreTest, AStoredCurrentEntryReplacesTheCurrentThemeEntry) {
    store_.AddEntry("Aqua", "C:\\Aqua.vlr");
    store_.AddEntry(".current", "C:\\Odd.vlr");
    EXPECT_EQ(store_.ThemeList(), (std::vector<std::string>{".current", "[None]", "Aqua"}));
}

}  // namespace velmora::test
