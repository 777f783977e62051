// Velmora.exe under Wine driven like a user from another process: one session of its main
// window, and the files a double-click hands it. The registry and the files show what each step
// did, one value each (the native tests hold the tables). The file actions close the browsers
// the main window leaves open.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "editor/win32/AboutRes.h"
#include "editor/win32/ThemeEditorRes.h"
#include "tests/e2e/SampleThemes.h"
#include "tests/e2e/VelmoraUser.h"

namespace velmora::e2e {
namespace {

const HKEY kUser = HKEY_CURRENT_USER;
const std::string kIe = "Software\\Microsoft\\Internet Explorer\\";
const std::string kOcean = VELMORA_SOURCE_DIR "\\themes\\Ocean\\";
const std::string kStore = std::string(kThemeStoreRoot) + "\\", kMark = kStore + ".Current";
const std::string kBefore = Sz("stored before");

// One value of each area (key, name, value), in the order of the area boxes, after the Ocean
// sample is applied with its tips page unticked.
const std::string kAreas[][3] = {
    {kIe + "Main", "Start Page", Sz(kOcean + "start.htm")},
    {kIe + "Main", "Search Bar", Sz("http://search.example.com/bar?theme=ocean")},
    {"SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\"
     "InitPropertyBag",
     "Url", kBefore},
    {kIe + "Styles", "User StyleSheet", Sz(kOcean + "ocean.css")},
    {kIe + "Toolbar", "BrandBitmap", Sz(kOcean + "anilarge.bmp")},
    {kIe + "Toolbar", "BackBitmap", Sz(kOcean + "explorer.bmp")},
    {"AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current", "", Sz(kOcean + "navigate.wav")},
};

// The browsers the main window opens stay open, as a user's would: closed when the tests end,
// so that none outlives the run.
BOOL CALLBACK CloseBrowser(HWND window, LPARAM) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "IEFrame") != 0 || PostMessageA(window, WM_CLOSE, 0, 0);
}
class BrowsersClosedAtTheEnd : public ::testing::Environment {
    void TearDown() override { EnumWindows(CloseBrowser, 0); }
};
const auto* const kBrowsersClosed = ::testing::AddGlobalTestEnvironment(new BrowsersClosedAtTheEnd);

TEST(VelmoraE2eTest, TheMainWindowAppliesDeletesEditsAndAnswersEachMenuFamily) {
    const InstalledSamples samples;
    for (const auto& area : kAreas) WriteValue(kUser, area[0], area[1].c_str(), kBefore);
    // The explorer's toolbar layout, its throbber flag (8 in byte 16) set, and cleared.
    const std::string layout = kIe + "Toolbar\\Explorer", on(565, '\x08');
    const std::string off = on.substr(0, 16) + '\0' + on.substr(17);
    WriteValue(kUser, layout, "ITBarLayout", on, REG_BINARY);
    WriteValue(kUser, kMark, "", kBefore);
    // A theme of its own for the editor to write to.
    const std::string harbour = VELMORA_BUILD_DIR "\\e2e-harbour.vlr", text = "[Velmora]\r\n";
    std::ofstream(harbour, std::ios::binary) << text;
    WriteValue(HKEY_LOCAL_MACHINE, kStore + "Harbour", "", Sz(harbour));
    // A theme whose file is gone, and one whose web site is a program.
    WriteValue(HKEY_LOCAL_MACHINE, kStore + "Gone", "", Sz(VELMORA_BUILD_DIR "\\gone.vlr"));
    const std::string program = VELMORA_BUILD_DIR "\\e2e-program.vlr";
    std::ofstream(program, std::ios::binary) << "[Velmora]\r\nWebSite=C:\\setup.exe\r\n";
    WriteValue(HKEY_LOCAL_MACHINE, kStore + "Program", "", Sz(program));
    VelmoraProcess velmora("");
    HWND window = velmora.WaitForDialog(IDC_LIST1);
    ASSERT_NE(window, nullptr);

    // Ocean, its tips page unticked, applied: every other area is written, and nothing asked.
    ASSERT_TRUE(Select(window, "Ocean"));
    ASSERT_TRUE(Click(window, IDC_CHKLINK + 2));
    ASSERT_TRUE(Click(window, IDC_CMDAPPLY));
    EXPECT_TRUE(WaitUntil([&] { return ReadValue(kUser, kMark, "") == Sz("Ocean"); }));
    for (const auto& area : kAreas)
        EXPECT_EQ(ReadValue(kUser, area[0], area[1].c_str()), area[2]) << area[0];

    // File > Save Current Look As... writes the look as a theme of its own, beside its files.
    const std::string saved = VELMORA_BUILD_DIR "\\e2e-saved";
    CreateDirectoryA(saved.c_str(), nullptr);
    HWND dialog = nullptr;
    ASSERT_TRUE(ChooseMenu(window, "FS", [&] { return dialog = FindDialog(velmora.Id(), IDOK); }));
    ASSERT_TRUE(SaveAs(dialog, saved + "\\Saved.vlr"));
    ASSERT_TRUE(Answer(velmora.WaitForDialog(0xFFFF), IDOK));

    // "[None]" takes the theme's pictures away.
    ASSERT_TRUE(Select(window, "[None]"));
    ASSERT_TRUE(Click(window, IDC_CMDAPPLY));
    EXPECT_TRUE(WaitUntil([&] { return ReadValue(kUser, kMark, "") == Sz("[None]"); }));
    EXPECT_EQ(ReadValue(kUser, kIe + "Toolbar", "BackBitmap"), std::nullopt);
    // Edit > Undo takes the reset back: Ocean's pictures and mark again.
    EXPECT_TRUE(
        ChooseMenu(window, "EU", [&] { return ReadValue(kUser, kMark, "") == Sz("Ocean"); }));
    EXPECT_EQ(ReadValue(kUser, kIe + "Toolbar", "BackBitmap"), Sz(kOcean + "explorer.bmp"));
    // The saved look applied after "[None]" is Ocean's again, its files now the saved theme's.
    for (const char* entry : {"[None]", "Saved"}) {  // Apply is offered once the undo is done
        ASSERT_TRUE(Select(window, entry));
        ASSERT_TRUE(WaitUntil([&] { return Click(window, IDC_CMDAPPLY); }));
        EXPECT_TRUE(WaitUntil([&] { return ReadValue(kUser, kMark, "") == Sz(entry); }));
    }
    for (const auto& area : kAreas) {
        std::string value = area[2];
        if (value.rfind(kOcean, 0) == 0) value = saved + "\\" + value.substr(kOcean.size());
        EXPECT_EQ(ReadValue(kUser, area[0], area[1].c_str()), value) << area[0];
    }

    // The theme that cannot be loaded says why and cannot be applied.
    ASSERT_TRUE(Select(window, "Gone"));
    ASSERT_TRUE(Settle(window));
    char why[200] = {};
    GetDlgItemTextA(window, IDC_TXTTHEMEDESCRIPTION, why, sizeof why);
    EXPECT_EQ(std::string(why).rfind("This Theme could not be loaded", 0), 0u) << why;
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_CMDAPPLY)));
    // A web site that is a program is refused, by name, from the keyboard too; the theme's
    // problems (no title, that web site) show under its preview.
    ASSERT_TRUE(Select(window, "Program"));
    ASSERT_TRUE(Settle(window));
    GetDlgItemTextA(window, IDC_TXTFINDINGS, why, sizeof why);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDC_TXTFINDINGS)) &&
                why == std::string("2 problems - Details..."));
    PostMessageA(GetDlgItem(window, IDC_TXTWEBSITE), WM_KEYDOWN, VK_RETURN, 0);
    HWND refusal = velmora.WaitForDialog(0xFFFF);
    GetDlgItemTextA(refusal, 0xFFFF, why, sizeof why);
    EXPECT_NE(std::string(why).find("C:\\setup.exe"), std::string::npos) << why;
    ASSERT_TRUE(Answer(refusal, IDOK));

    // The Delete key opens the list's pop-up; its Delete asks: No keeps the theme, Yes forgets it.
    for (const int answer : {IDNO, IDYES}) {
        ASSERT_TRUE(Select(window, "Blue"));
        const auto asks = [&] { return FindDialog(velmora.Id(), 0xFFFF); };
        ASSERT_TRUE(ChooseMenu(window, "D", asks, true));
        ASSERT_TRUE(Answer(asks(), answer));
        ASSERT_TRUE(Settle(window));
        EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kStore + "Blue", "").has_value(), answer == IDNO);
    }

    // File > Edit: the editor opens the selected theme's file and saves a letter typed at its end.
    ASSERT_TRUE(Select(window, "Harbour"));
    HWND editor = nullptr;
    ASSERT_TRUE(
        ChooseMenu(window, "FE", [&] { return editor = FindDialog(velmora.Id(), IDC_CMDSAVE); }));
    PostMessageA(GetDlgItem(editor, IDC_TEXT1), EM_SETSEL, text.size(), text.size());
    PostMessageA(GetDlgItem(editor, IDC_TEXT1), WM_CHAR, 'x', 0);
    ASSERT_TRUE(WaitUntil([&] { return Click(editor, IDC_CMDSAVE); }));
    EXPECT_TRUE(WaitUntil([&] {
        std::ifstream in(harbour, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {}) == text + "x";
    }));
    ASSERT_TRUE(Click(editor, IDC_CMDCLOSE));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));

    // Repair > Reset Home Page to... > Blank.
    EXPECT_TRUE(ChooseMenu(window, "RHB", [&] {
        return ReadValue(kUser, kIe + "Main", "Start Page") == Sz("about:blank");
    }));

    // Edit > Turn Throbbers Off clears the flag of a layout that has it.
    EXPECT_TRUE(
        ChooseMenu(window, "EF", [&] { return ReadValue(kUser, layout, "ITBarLayout") == off; }));

    // Help > About, which any key closes; then Esc closes the main window.
    HWND about = nullptr;
    EXPECT_TRUE(
        ChooseMenu(window, "HA", [&] { return about = FindDialog(velmora.Id(), IDC_LBL302); }));
    EXPECT_TRUE(PressKeyToClose(about, 'K'));
    EXPECT_TRUE(PressKeyToClose(window, VK_ESCAPE));
    EXPECT_TRUE(velmora.WaitForExit(15000));
}

// A theme file answered Yes is applied, and a bitmap becomes the toolbar skin; each then offers
// to start the browser, answered No, and the program ends.
TEST(VelmoraE2eTest, AThemeFileAndABitmapOnTheCommandLine) {
    const std::string bitmap = VELMORA_BUILD_DIR "\\Sky Line.bmp";
    std::ofstream(bitmap, std::ios::binary) << "BM not examined";
    WriteValue(kUser, kIe + "Main", "Window Title", kBefore);
    for (const std::string& file : {kOcean + "Ocean.vlr", bitmap}) {
        VelmoraProcess velmora("\"" + file + "\"");
        ASSERT_TRUE(Answer(velmora.WaitForDialog(0xFFFF), IDYES));
        ASSERT_TRUE(Answer(velmora.WaitForDialog(0xFFFF), IDNO));
        EXPECT_TRUE(velmora.WaitForExit());
    }
    EXPECT_EQ(ReadValue(kUser, kIe + "Main", "Window Title"), Sz("Ocean Explorer"));
    EXPECT_EQ(ReadValue(kUser, kIe + "Toolbar", "BackBitmap"), Sz(bitmap));
}

// The switches for scripts: a quiet apply asks nothing; a check writes to the caller's output.
TEST(VelmoraE2eTest, SwitchesApplyQuietlyAndCheckATheme) {
    WriteValue(kUser, kIe + "Main", "Window Title", kBefore);
    EXPECT_EQ(RunForOutput("/apply \"" + kOcean + "Ocean.vlr\" /quiet"),
              std::make_pair(0L, std::string()));
    EXPECT_EQ(ReadValue(kUser, kIe + "Main", "Window Title"), Sz("Ocean Explorer"));
    const std::string broken = VELMORA_BUILD_DIR "\\e2e-broken.vlr";
    std::ofstream(broken, std::ios::binary)
        << "[Velmora]\r\nThemeTitle=B\r\nNavigate=C:\\gone.wav\r\n";
    EXPECT_EQ(RunForOutput("/check \"" + broken + "\""),
              std::make_pair(
                  2L, std::string("error: Navigate names C:\\gone.wav, which is missing.\r\n")));
}

}  // namespace
}  // namespace velmora::e2e
