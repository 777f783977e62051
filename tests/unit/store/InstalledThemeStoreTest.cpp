// The installed-theme store on the in-memory registry: entries, mark and list.
#include <gtest/gtest.h>

#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"

namespace velmora::test {

using Strings = std::vector<std::string>;
constexpr char kRoot[] = "Software\\Tolvane\\Quenmark\\Velmoras";
constexpr char kOcean[] = "Software\\Tolvane\\Quenmark\\Velmoras\\Ocean";
constexpr RegRoot kMachine = kHkeyLocalMachine;

TEST(InstalledThemeStore, EntriesLiveUnderTheMachineByOneKeyNameInAnyCaseAndTheMarkPerUser) {
    TestPlatform t;
    InstalledThemeStore store(t.platform);
    // A title that is not one key name adds nothing and removes nothing, not even the root.
    EXPECT_FALSE(store.AddEntry("", "C:\\x.vlr") || store.AddEntry("Blue\\Dark", "C:\\x.vlr"));
    t.Seed(kRoot, "Keep", "me", kMachine);
    for (const char* title : {"", "\\"}) store.RemoveEntry(title);
    EXPECT_EQ(t.Read(kRoot, "Keep", kMachine), "me");
    EXPECT_EQ(store.StoredTitles(), Strings{"Not Found"});

    ASSERT_TRUE(store.AddEntry("Ocean", "C:\\Old\\Ocean.vlr"));
    store.AddEntry("Autumn", "C:\\Autumn.vlr");
    EXPECT_EQ(t.Read(kOcean, "", kMachine), "C:\\Old\\Ocean.vlr");
    EXPECT_EQ(t.Read(kOcean, ""), "Not Found");
    EXPECT_EQ(store.ReadEntry("ocean").uninstallFile, "Not Found");
    // Adding again replaces the file and keeps the uninstaller.
    t.Seed(kOcean, "UninstallFile", "C:\\unins000.exe", kMachine);
    store.AddEntry("OCEAN", "D:\\New\\Ocean.vlr");
    const InstalledThemeEntry entry = store.ReadEntry("Ocean");
    EXPECT_EQ(entry.themeFile + "|" + entry.uninstallFile, "D:\\New\\Ocean.vlr|C:\\unins000.exe");
    store.RemoveEntry("Autumn\\");
    store.RemoveEntry("OCEAN");
    store.RemoveEntry("Ocean");  // already gone: nothing changes, nothing reported
    EXPECT_EQ(store.StoredTitles(), (Strings{"Autumn", "Not Found"}));
    EXPECT_EQ(store.ReadEntry("Ocean").themeFile, "Not Found");
    EXPECT_EQ(store.ReadEntry("Autumn\\").themeFile, "Not Found");

    EXPECT_EQ(store.ReadMark(), "Not Found");
    store.WriteMark("[None]");
    EXPECT_EQ(t.Read(std::string(kRoot) + "\\.Current", ""), "[None]");
    EXPECT_EQ(store.ReadMark(), "[None]");
    EXPECT_EQ(store.ThemeList(), (Strings{".Current", "[None]", "Autumn"}));
    EXPECT_TRUE(t.dialogs.Shown().empty());
    EXPECT_EQ(t.registry.OpenHandles(), 0u);
}

}  // namespace velmora::test
