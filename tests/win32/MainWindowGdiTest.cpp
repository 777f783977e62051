// The main window in this process over the real registry, files and pictures: selecting
// every entry of the theme list again and again leaves the GDI object count flat.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "mainwindow/InstalledThemes.h"
#include "ui/win32/DialogBinding.h"
#include "mainwindow/win32/MainWindowTable.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32ProfileReader.h"
#include "platform/win32/Win32RegistryApi.h"
#include "mainwindow/win32/MainWindowRes.h"
#include "tests/e2e/SampleThemes.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/SimulatedBrowsers.h"
#include "tests/support/SimulatedWindowing.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

TEST(MainWindowGdiTest, SelectingEveryEntryOverAndOverLeavesTheGdiObjectCountFlat) {
    ASSERT_TRUE(RegisterClipControl(true));
    OleApartment ole;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const e2e::InstalledSamples samples;
    // Browsers and message boxes are simulated: nothing outside this process, nothing modal.
    Win32RegistryApi registry;
    Win32FileSystem files;
    Win32ProfileReader profile;
    Win32Pictures pictures(ProgramResources());
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::SimulatedWindowing windowing;
    test::SimulatedBrowsers browsers(windowing);
    test::FakeProductInfo product;
    Platform platform;
    platform.registry = &registry;
    platform.files = &files;
    platform.profile = &profile;
    platform.pictures = &pictures;
    platform.dialogs = &dialogs;
    platform.shell = &shell;
    platform.windowing = &windowing;
    platform.browsers = &browsers;
    platform.product = &product;

    DialogBinding binding(platform, ProgramResources());
    Win32ClipControl clip;
    InstalledThemes window(platform, binding, clip);
    HWND dialog = binding.Create(MainWindowTable(window, clip));
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);  // so that every selection paints
    HWND list = GetDlgItem(dialog, IDC_LIST1);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    ASSERT_EQ(count, 2 + static_cast<int>(e2e::SampleTitles().size()));
    auto selectEveryEntry = [&] {
        for (int i = 0; i < count; ++i) {
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LIST1, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            UpdateWindow(dialog);  // paints the previews
            PumpMessages(0);
        }
    };
    for (int round = 0; round < 3; ++round) selectEveryEntry();
    PumpMessages(50);
    const int before = CountGdiObjects();
    for (int round = 0; round < 20; ++round) selectEveryEntry();
    PumpMessages(50);
    EXPECT_LE(CountGdiObjects() - before, 4) << "before " << before;
    EXPECT_EQ(dialogs.Shown().size(), 0u) << dialogs.Shown().front().text;
    binding.EndProgram();
    PumpMessages(50, [&] { return !IsWindow(dialog); });
}

}  // namespace
}  // namespace velmora::win32
