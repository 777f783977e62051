// The installed-theme store against the in-memory registry: entries, mark and list.
#include <gtest/gtest.h>

#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/MemoryRegistry.h"

namespace velmora::test {

namespace {

using Strings = std::vector<std::string>;
constexpr char kRoot[] = "Software\\Tolvane\\Quenmark\\Velmoras";
constexpr char kOcean[] = "Software\\Tolvane\\Quenmark\\Velmoras\\Ocean";

class InstalledThemeStoreTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(registry_.OpenHandles(), 0u);
        EXPECT_TRUE(dialogs_.Shown().empty());  // nothing tripped the error trap
    }
    std::string Read(RegRoot root, const std::string& key, const std::string& name) {
        return cRegistry(platform_).ReadRegistry(root, key, name);
    }
    void Write(const std::string& key, const std::string& name, const std::string& text) {
        cRegistry(platform_).WriteRegistry(kHkeyLocalMachine, key, name, kRegSz, text);
    }

    MemoryRegistry registry_;
    FakeDialogs dialogs_;
    Platform platform_ = [this] {
        Platform platform;
        platform.registry = &registry_;
        platform.dialogs = &dialogs_;
        return platform;
    }();
    InstalledThemeStore store_{platform_};
};

}  // namespace

TEST_F(InstalledThemeStoreTest, AnEntryHoldsItsFileUnderTheMachineAnyCaseReplacesAndRemovesIt) {
    EXPECT_EQ(store_.ThemeList(), (Strings{".Current", "[None]"}));
    ASSERT_TRUE(store_.AddEntry("Ocean", "C:\\Old\\Ocean.vlr"));
    store_.AddEntry("Autumn", "C:\\Autumn.vlr");
    EXPECT_EQ(Read(kHkeyLocalMachine, kOcean, ""), "C:\\Old\\Ocean.vlr");
    EXPECT_EQ(Read(kHkeyCurrentUser, kOcean, ""), "Not Found");
    EXPECT_EQ(store_.ReadEntry("ocean").uninstallFile, "Not Found");
    Write(kOcean, "UninstallFile", "C:\\Themes\\Ocean\\unins000.exe");
    store_.AddEntry("OCEAN", "D:\\New\\Ocean.vlr");
    const InstalledThemeEntry entry = store_.ReadEntry("Ocean");
    EXPECT_EQ(entry.themeFile, "D:\\New\\Ocean.vlr");
    EXPECT_EQ(entry.uninstallFile, "C:\\Themes\\Ocean\\unins000.exe");
    EXPECT_EQ(store_.ThemeList(), (Strings{".Current", "[None]", "Autumn", "Ocean"}));

    store_.RemoveEntry("OCEAN");
    store_.RemoveEntry("Ocean");  // already gone: nothing changes, nothing reported
    EXPECT_EQ(store_.StoredTitles(), (Strings{"Autumn", "Not Found"}));
    EXPECT_EQ(store_.ReadEntry("Ocean").uninstallFile, "Not Found");
}

TEST_F(InstalledThemeStoreTest, TitlesThatAreNotOneKeyNameNeitherAddNorRemoveAndTheMarkIsPerUser) {
    EXPECT_FALSE(store_.AddEntry("", "C:\\x.vlr"));
    EXPECT_FALSE(store_.AddEntry("Blue\\Dark", "C:\\x.vlr"));
    EXPECT_EQ(store_.StoredTitles(), Strings{"Not Found"});
    // The store root must survive a remove with an empty title, even with no entries left.
    Write(kRoot, "Keep", "me");
    store_.AddEntry("Blue", "C:\\Blue.vlr");
    for (const char* title : {"", "\\", "Blue\\"}) store_.RemoveEntry(title);
    EXPECT_EQ(Read(kHkeyLocalMachine, kRoot, "Keep"), "me");
    EXPECT_EQ(store_.ReadEntry("Blue").themeFile, "C:\\Blue.vlr");
    EXPECT_EQ(store_.ReadEntry("Blue\\").themeFile, "Not Found");

    EXPECT_EQ(store_.ReadMark(), "Not Found");
    store_.WriteMark("[None]");
    EXPECT_EQ(store_.ReadMark(), "[None]");
    EXPECT_EQ(Read(kHkeyCurrentUser, std::string(kRoot) + "\\.Current", ""), "[None]");
    EXPECT_EQ(store_.ThemeList(), (Strings{".Current", "[None]", "Blue"}));
}

}  // namespace velmora::test
