// Velmora.exe started without a file, with the sample themes installed: its main window
// driven like a user from another process (the list found by its class, entries read and
// selected, the preview read, an area unticked, Apply and Delete pressed, menus chosen from
// the keyboard, the editor and About window used, questions answered), then the registry
// of the prefix and the files show what it did.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "editor/win32/AboutRes.h"
#include "browser/DefaultToolbarLayout.h"
#include "mainwindow/win32/MainWindowRes.h"
#include "editor/win32/ThemeEditorRes.h"
#include "tests/e2e/MainWindowUser.h"
#include "tests/e2e/OceanSample.h"
#include "tests/e2e/RegistryProbe.h"
#include "tests/e2e/SampleThemes.h"
#include "tests/e2e/VelmoraProcess.h"

namespace velmora::e2e {
namespace {

BOOL CALLBACK CloseBrowserWindow(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "IEFrame") == 0) PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Waits until `done` holds; false when it never did in time.
template <class Condition>
bool WaitUntil(Condition done, DWORD timeoutMs = 60000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(100);
    }
    return true;
}

class MainWindowE2eTest : public ::testing::Test {
protected:
    void SetUp() override { ocean::PrepareRegistry(); }
    // The window leaves its companion browser open, as a user's would stay.
    void TearDown() override { EnumWindows(CloseBrowserWindow, 0); }

    static std::vector<std::string> ListWithSamples() {
        std::vector<std::string> list = {".Current", "[None]"};
        list.insert(list.end(), SampleTitles().begin(), SampleTitles().end());
        return list;
    }
    void ExpectThemeEntries(const std::vector<std::string>& titles) {
        for (const std::string& title : SampleTitles()) {
            const bool kept = std::find(titles.begin(), titles.end(), title) != titles.end();
            EXPECT_EQ(
                probe::Read(HKEY_LOCAL_MACHINE, std::string(kThemeStoreRoot) + "\\" + title, "")
                    .has_value(),
                kept)
                << title;
        }
    }

    // Starts the program; false when its main window does not show.
    bool Start() {
        velmora.emplace("");
        user = MainWindowUser(velmora->WaitForMainWindow());
        return user.Window() != nullptr;
    }
    void CloseWithEscape() {
        EXPECT_TRUE(user.PressEscape());
        EXPECT_TRUE(velmora->WaitForExit(15000));
    }
    // A visible dialog of the program holding a control with this id; null when none shows.
    HWND WaitForDialog(int controlId, DWORD timeoutMs = 15000) {
        HWND found = nullptr;
        WaitUntil(
            [&] {
                found = nullptr;
                for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w && !found;
                     w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
                    DWORD owner = 0;
                    GetWindowThreadProcessId(w, &owner);
                    if (owner == velmora->Id() && IsWindowVisible(w) && GetDlgItem(w, controlId))
                        found = w;
                }
                return found != nullptr;
            },
            timeoutMs);
        return found;
    }

    InstalledSamples samples;
    std::optional<VelmoraProcess> velmora;
    MainWindowUser user{nullptr};
};

TEST_F(MainWindowE2eTest, TheListShowsTheInstalledThemesASelectionPreviewsOneAndEscCloses) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(user.Entries(), ListWithSamples());
    EXPECT_TRUE(velmora->ShowsNoBoxWithin(0));

    ASSERT_TRUE(user.Select("Ocean"));
    const std::pair<int, std::string> fields[] = {
        {IDC_TXTTHEMETITLE, ocean::FileValue("ThemeTitle")},
        {IDC_TXTAUTHOR, ocean::FileValue("Author")},
        {IDC_TXTWEBSITE, ocean::FileValue("WebSite")},
        {IDC_TXTTHEMEDESCRIPTION, ocean::FileValue("Description")},
        {IDC_TXTTHEMEFILE, ocean::File()},
        {IDC_COMBO1, ocean::FileValue("HomePage")},
        {IDC_TXTSEARCH, "Ocean"},
    };
    for (const auto& [id, text] : fields) EXPECT_EQ(user.Text(id), text) << id;
    EXPECT_EQ(user.Caption(), ocean::FileValue("ThemeTitle") + " - " + ocean::File());
    // The sample has something for every area: every box ticked and free to untick.
    for (int area = 0; area < 7; ++area) {
        EXPECT_TRUE(user.Checked(IDC_CHKLINK + area)) << area;
        EXPECT_TRUE(user.Enabled(IDC_CHKLINK + area)) << area;
    }
    EXPECT_TRUE(user.Enabled(IDC_CMDAPPLY));

    CloseWithEscape();
}

// Needs the window class of the mainwindow/ folder (the apply and its areas).
TEST_F(MainWindowE2eTest, AnAreaUntickedBeforeApplyIsLeftAloneAndEveryOtherIsWritten) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(user.Select("Ocean"));
    const int tipsPage = IDC_CHKLINK + 2;
    ASSERT_TRUE(user.Click(tipsPage));
    ASSERT_TRUE(user.Settle());
    EXPECT_FALSE(user.Checked(tipsPage));

    ASSERT_TRUE(user.Click(IDC_CMDAPPLY));
    // The apply asks nothing; it has ended when the theme is marked current and the window
    // answers again with Apply disabled.
    const std::string mark = std::string(kThemeStoreRoot) + "\\.Current";
    EXPECT_TRUE(WaitUntil([&] {
        return probe::Read(HKEY_CURRENT_USER, mark, "").has_value() && user.Settle() &&
               !user.Enabled(IDC_CMDAPPLY);
    }));
    const SeenBox box = velmora->WaitForBox(0);
    EXPECT_EQ(box.window, nullptr) << box.text;

    for (const test::ThemeValueRow& row : test::ThemeValueRows()) {
        const auto stored = probe::Read(ocean::Root(row), row.key, row.name);
        // The machine's tips page is written whatever the box says; the user's is the area.
        if (std::string(row.themeKey) == "TipsPage" && row.root == kHkeyCurrentUser) {
            EXPECT_FALSE(stored.has_value()) << row.key;
        } else {
            EXPECT_EQ(stored, probe::Text(ocean::FileValue(row.themeKey)))
                << row.key << " " << row.name;
        }
    }
    CloseWithEscape();
}

// Needs the window class of the mainwindow/ folder (the list's pop-up menu and RemoveTheme).
TEST_F(MainWindowE2eTest, DeleteInTheListsPopUpAsksAndOnlyYesForgetsTheTheme) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(user.Select("Blue"));
    // Right button on the list, then the access letter of "&Delete" in the pop-up.
    auto deleteSelected = [&] {
        SetForegroundWindow(user.Window());
        PostMessageA(user.List(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
        PostMessageA(user.List(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
        Sleep(500);
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = 'D';
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof keys[0]);
        return velmora->WaitForBox();
    };
    const std::string question = "Are you sure that you want to remove this Theme - \r\nBlue.";
    SeenBox box = deleteSelected();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, question);
    EXPECT_EQ(box.title, "Kelvary");
    EXPECT_TRUE(box.hasYes && box.hasNo && box.questionIcon);
    ASSERT_TRUE(velmora->Press(box, IDNO));
    ASSERT_TRUE(user.Settle());
    EXPECT_EQ(user.Entries(), ListWithSamples());
    ExpectThemeEntries(SampleTitles());

    ASSERT_TRUE(user.Select("Blue"));
    box = deleteSelected();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, question);
    ASSERT_TRUE(velmora->Press(box, IDYES));
    ASSERT_TRUE(user.Settle());
    EXPECT_EQ(user.Entries(),
              (std::vector<std::string>{".Current", "[None]", "Aqua", "Autumn", "Ocean"}));
    ExpectThemeEntries({"Aqua", "Autumn", "Ocean"});
    CloseWithEscape();
}

TEST_F(MainWindowE2eTest, ASecondStartWhileTheWindowIsOpenDoesNothing) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(user.Select("Aqua"));
    const std::string caption = user.Caption();

    VelmoraProcess second("");
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(second.WaitForExit(15000));
    EXPECT_TRUE(second.ShowsNoBoxWithin(0));
    // The first is neither told nor disturbed.
    EXPECT_EQ(FindMainWindow(velmora->Id()), user.Window());
    EXPECT_EQ(user.Caption(), caption);
    EXPECT_TRUE(velmora->ShowsNoBoxWithin(0));
    CloseWithEscape();
}

TEST_F(MainWindowE2eTest, FileEditOpensTheThemeFileInTheEditorWhichSavesAndAsksBeforeLosingText) {
    // A theme of its own, since the editor writes to its file.
    const std::string file = VELMORA_BUILD_DIR "\\e2e-harbour.vlr";
    const std::string original = "[Velmora]\r\nThemeTitle=Harbour\r\n";
    const auto fileBytes = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    std::ofstream(file, std::ios::binary) << original;
    probe::Write(HKEY_LOCAL_MACHINE, std::string(kThemeStoreRoot) + "\\Harbour", "",
                 probe::Text(file));
    ASSERT_TRUE(Start());

    // For the current theme the entry is disabled: nothing opens, the menu stays open.
    ASSERT_TRUE(user.Select(".Current"));
    user.ChooseMenu("FE");
    EXPECT_EQ(WaitForDialog(IDC_CMDSAVE, 2000), nullptr);
    PostMessageA(user.Window(), WM_CANCELMODE, 0, 0);

    ASSERT_TRUE(user.Select("Harbour"));
    user.ChooseMenu("FE");
    MainWindowUser editor(WaitForDialog(IDC_CMDSAVE));
    ASSERT_NE(editor.Window(), nullptr);
    EXPECT_EQ(editor.Caption(), "Velmora Editor - Lite Version");
    EXPECT_EQ(editor.Text(IDC_TEXT1), original);
    EXPECT_FALSE(editor.Enabled(IDC_CMDSAVE));
    // Clicks into the text and types a letter at its end; Save is offered once the window
    // has seen it.
    const auto type = [&](const char* key) {
        HWND text = GetDlgItem(editor.Window(), IDC_TEXT1);
        SetForegroundWindow(editor.Window());
        PostMessageA(text, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(text, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        editor.Settle();
        const LPARAM end = static_cast<LPARAM>(editor.Text(IDC_TEXT1).size());
        SendMessageA(text, EM_SETSEL, end, end);
        MainWindowUser::PressKeys(key);
        return WaitUntil([&] { return editor.Enabled(IDC_CMDSAVE); }, 15000);
    };
    ASSERT_TRUE(type("X"));
    ASSERT_TRUE(editor.Click(IDC_CMDSAVE));
    EXPECT_TRUE(WaitUntil([&] { return editor.Settle() && !editor.Enabled(IDC_CMDSAVE); }));
    EXPECT_EQ(fileBytes(), original + "x");

    // Unsaved text: closing asks; Cancel keeps the window and the text, Yes saves and closes.
    ASSERT_TRUE(type("Y"));
    for (int answer : {IDCANCEL, IDYES}) {
        ASSERT_TRUE(editor.Click(IDC_CMDCLOSE));
        const SeenBox box = velmora->WaitForBox();
        EXPECT_EQ(box.text, "Save changes to this Theme file?");
        EXPECT_TRUE(box.hasYes && box.hasNo && box.questionIcon && box.systemModal);
        ASSERT_TRUE(velmora->Press(box, answer));
        if (answer == IDCANCEL) {
            EXPECT_EQ(editor.Text(IDC_TEXT1), original + "xy");
        }
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor.Window()); }, 15000));
    EXPECT_EQ(fileBytes(), original + "xy");
    CloseWithEscape();
    DeleteFileA(file.c_str());
}

TEST_F(MainWindowE2eTest, HelpAboutShowsTheProgramAndAnyKeyClosesIt) {
    ASSERT_TRUE(Start());
    user.ChooseMenu("HA");
    MainWindowUser about(WaitForDialog(IDC_LBL302));
    ASSERT_NE(about.Window(), nullptr);
    EXPECT_EQ(about.Text(IDC_ABOUTLABEL1), "Kelvary");
    EXPECT_EQ(about.Text(IDC_ABOUTLABEL2).rfind("Version (", 0), 0u);
    EXPECT_EQ(about.Text(IDC_LBL302), "Press any key to continue...");
    SetForegroundWindow(about.Window());
    MainWindowUser::PressKeys("K");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about.Window()); }, 15000));
    EXPECT_TRUE(user.Settle());
    CloseWithEscape();
}

TEST_F(MainWindowE2eTest, TheHomePageToolsWriteTheStartPageAndTheLockAfterItsQuestion) {
    const std::string main = "Software\\Microsoft\\Internet Explorer\\Main";
    const std::string policy = "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
    const auto clearLock = [&] {
        for (const char* name : {"HomePage", "GeneralTab"})
            probe::DeleteValue(HKEY_CURRENT_USER, policy, name);
    };
    probe::Write(HKEY_CURRENT_USER, main, "Start Page", probe::Text("http://start.example/"));
    clearLock();
    ASSERT_TRUE(Start());
    user.ChooseMenu("RHB");  // Reset Home Page to... > Blank
    EXPECT_TRUE(WaitUntil(
        [&] {
            return probe::Read(HKEY_CURRENT_USER, main, "Start Page") == probe::Text("about:blank");
        },
        15000));

    user.ChooseMenu("RE");  // Enable/Disable Home Page Changes
    const SeenBox box = velmora->WaitForBox();
    EXPECT_EQ(box.text,
              "Disable Home Page changes for the current user?\r\n\r\nThis will prevent virus "
              "and worm attacks on your Home Page settings.");
    EXPECT_TRUE(box.hasYes && box.hasNo && box.questionIcon && box.systemModal);
    EXPECT_EQ(box.title, "Kelvary");
    ASSERT_TRUE(velmora->Press(box, IDYES));
    ASSERT_TRUE(user.Settle());
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, policy, "HomePage"), probe::Dword(1));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, policy, "GeneralTab"), probe::Dword(1));

    user.ChooseMenu("RE");  // and again: now it offers to unlock
    const SeenBox unlock = velmora->WaitForBox();
    EXPECT_EQ(unlock.text, "Enable Home Page changes for the current user?");
    ASSERT_TRUE(velmora->Press(unlock, IDYES));
    ASSERT_TRUE(user.Settle());
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, policy, "HomePage"), probe::Dword(0));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, policy, "GeneralTab"), probe::Dword(0));
    CloseWithEscape();
    clearLock();
}

// "[None]" puts the browser's own settings back: the theme's pictures, stylesheet, title and
// sounds go, the machine's pages are copied where the machine has them, and the throbber
// shows in every layout there is.
TEST_F(MainWindowE2eTest, ApplyingNoneResetsTheBrowserToItsOwnSettings) {
    const std::string toolbar = ocean::kIe + "Toolbar", main = ocean::kIe + "Main",
                      styles = ocean::kIe + "Styles";
    const char* const pictures[] = {"BackBitmap",  "BackBitmapIE5", "BigBitmap",
                                    "BrandBitmap", "SmallBitmap",   "SmBrandBitmap"};
    for (const char* name : pictures)
        probe::Write(HKEY_CURRENT_USER, toolbar, name, probe::Text("C:\\t.bmp"));
    probe::Write(HKEY_CURRENT_USER, styles, "User StyleSheet", probe::Text("C:\\t.css"));
    probe::Write(HKEY_CURRENT_USER, styles, "Use My Stylesheet", probe::Dword(1));
    probe::Write(HKEY_CURRENT_USER, main, "Window Title", probe::Text("Themed"));
    probe::Write(HKEY_CURRENT_USER, main, "Start Page", probe::Text("http://theme.example.com/"));
    probe::Write(HKEY_CURRENT_USER, main, "Local Page", probe::Text("C:\\mine.htm"));
    const std::string navigating = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current";
    probe::Write(HKEY_CURRENT_USER, navigating, "", probe::Text("C:\\t.wav"));
    // The machine has a start page but no local page; both put back as found afterwards.
    const auto machineStart = probe::Read(HKEY_LOCAL_MACHINE, main, "Start Page");
    const auto machineLocal = probe::Read(HKEY_LOCAL_MACHINE, main, "Local Page");
    probe::Write(HKEY_LOCAL_MACHINE, main, "Start Page",
                 probe::Text("http://machine.example.com/"));
    probe::DeleteValue(HKEY_LOCAL_MACHINE, main, "Local Page");
    const std::string mark = std::string(kThemeStoreRoot) + "\\.Current";
    probe::DeleteValue(HKEY_CURRENT_USER, mark, "");

    ASSERT_TRUE(Start());
    ASSERT_TRUE(user.Select("[None]"));
    ASSERT_TRUE(user.Click(IDC_CMDAPPLY));
    EXPECT_TRUE(WaitUntil([&] {
        return probe::Read(HKEY_CURRENT_USER, mark, "") == probe::Text("[None]") && user.Settle();
    }));
    EXPECT_EQ(velmora->WaitForBox(0).window, nullptr);

    for (const char* name : pictures)
        EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, toolbar, name).has_value()) << name;
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, styles, "User StyleSheet"), probe::Text(""));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, styles, "Use My Stylesheet"), probe::Dword(0));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, main, "Window Title"), probe::Text(""));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, main, "Start Page"),
              probe::Text("http://machine.example.com/"));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, main, "Local Page"), probe::Text("C:\\mine.htm"));
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, navigating, "").has_value());
    // The browser's layout gains the throbber flag (8 in byte 16); the explorer's has it
    // already; a layout that was never stored is not created.
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, ocean::kLayoutKeys[0], "ITBarLayout"),
              ocean::Layout(0x28));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, ocean::kLayoutKeys[1], "ITBarLayout"),
              ocean::Layout(0x08));
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, ocean::kLayoutKeys[2], "ITBarLayout").has_value());

    CloseWithEscape();
    for (const auto& [name, value] :
         {std::pair{"Start Page", machineStart}, {"Local Page", machineLocal}}) {
        if (value)
            probe::Write(HKEY_LOCAL_MACHINE, main, name, *value);
        else
            probe::DeleteValue(HKEY_LOCAL_MACHINE, main, name);
    }
}

TEST_F(MainWindowE2eTest, UninstallRunsTheThemesUninstallerSilentlyAndThenForgetsTheTheme) {
    const std::string uninstaller = VELMORA_BUILD_DIR "\\tests\\recording_uninstaller.exe";
    const std::string log = uninstaller + ".log";
    DeleteFileA(log.c_str());
    probe::Write(HKEY_LOCAL_MACHINE, std::string(kThemeStoreRoot) + "\\Blue", "UninstallFile",
                 probe::Text(uninstaller));

    ASSERT_TRUE(Start());
    ASSERT_TRUE(user.Select("Blue"));
    ASSERT_TRUE(user.Click(IDC_CMDUNINSTALL));
    SeenBox box = velmora->WaitForBox();
    EXPECT_EQ(box.text, "Are you sure you want to remove this Theme - \r\n\r\nBlue");
    ASSERT_TRUE(velmora->Press(box, IDYES));
    box = velmora->WaitForBox();
    EXPECT_EQ(box.text, "Internet Explorer needs to be refreshed for the changes to take effect.");
    ASSERT_TRUE(velmora->Press(box, IDOK));

    std::string recorded;
    EXPECT_TRUE(WaitUntil([&] {
        std::ifstream in(log, std::ios::binary);
        recorded.assign(std::istreambuf_iterator<char>(in), {});
        return !recorded.empty();
    })) << "the uninstaller never ran";
    EXPECT_EQ(recorded, uninstaller + " /SILENT");
    ASSERT_TRUE(user.Settle());
    EXPECT_EQ(user.Entries(),
              (std::vector<std::string>{".Current", "[None]", "Aqua", "Autumn", "Ocean"}));
    ExpectThemeEntries({"Aqua", "Autumn", "Ocean"});
    CloseWithEscape();
    DeleteFileA(log.c_str());
}

// A layout array as the program stores it: its last element is a spare, not written.
probe::Stored Stored(std::vector<std::uint8_t> layout) {
    layout.pop_back();
    return probe::Binary(layout);
}

// Edit > Turn Throbbers Off and On flip the throbber flag (8 in byte 16) of the stored
// layouts; Repair > Reset Toolbar Layout > Thin writes the thin default to all four and
// locks the toolbars.
TEST_F(MainWindowE2eTest, TheThrobberAndLayoutRepairsWriteTheToolbarLayouts) {
    const std::string toolbar = ocean::kIe + "Toolbar";
    const auto layoutIs = [&](int which, const probe::Stored& wanted) {
        return WaitUntil(
            [&] {
                return probe::Read(HKEY_CURRENT_USER, ocean::kLayoutKeys[which], "ITBarLayout") ==
                       wanted;
            },
            15000);
    };
    ASSERT_TRUE(Start());
    user.ChooseMenu("EF");  // Turn Throbbers Off
    EXPECT_TRUE(layoutIs(1, ocean::Layout(0x00)));
    EXPECT_TRUE(layoutIs(0, ocean::Layout(0x20)));
    // The layout never stored starts from the thick default, which shows the throbber.
    std::vector<std::uint8_t> thickOff = DefaultToolbarLayout(kThickLayout);
    thickOff[16] &= ~8;
    EXPECT_TRUE(layoutIs(2, Stored(thickOff)));
    ASSERT_TRUE(user.Settle());
    user.ChooseMenu("EO");  // Turn Throbbers On
    EXPECT_TRUE(layoutIs(0, ocean::Layout(0x28)));
    EXPECT_TRUE(layoutIs(1, ocean::Layout(0x08)));
    ASSERT_TRUE(user.Settle());

    user.ChooseMenu("RT2");  // Reset Toolbar Layout > 2 - Thin
    const probe::Stored thin = Stored(DefaultToolbarLayout(kThinLayout));
    for (int which = 0; which < 3; ++which) EXPECT_TRUE(layoutIs(which, thin)) << which;
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, toolbar, "Theater"), thin);
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, toolbar, "Locked"), probe::Dword(1));
    ASSERT_TRUE(user.Settle());
    CloseWithEscape();
}

}  // namespace
}  // namespace velmora::e2e
