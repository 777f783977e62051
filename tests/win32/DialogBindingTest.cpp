// The dialog binding on a small test window, in one story: a model reaches its control, a
// notification reaches its handler with the model read first, a menu is refreshed as it
// opens, and a handler's exception is reported while the window carries on.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "ui/win32/DialogBinding.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/win32/BindingTestRes.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

TEST(DialogBinding, ModelsReachControlsHandlersRunMenusRefreshAndErrorsAreTrapped) {
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::FakeProductInfo product;
    Platform platform;
    platform.dialogs = &dialogs;
    platform.shell = &shell;
    platform.product = &product;
    ui::TextBox text;
    ui::ListBox list;
    ui::Button button;
    ui::MenuItem top, item;
    std::vector<std::string> log;
    FormTable table(IDD_BINDINGTEST);
    table.Add(IDC_T_TEXT, text);
    table.Add(IDC_T_LIST, list).OnClick([&] { log.push_back(list.SelectedText()); });
    table.Add(IDC_T_BUTTON, button).OnClick([] {
        throw RuntimeError(5, "Invalid procedure call");
    });
    table.Add(IDM_T_TOP, top).OnClick([&] { item.SetCaption("&Current - " + text.Text()); });
    table.Add(IDM_T_ITEM, item);
    DialogBinding binding(platform, GetModuleHandleA(nullptr));
    HWND dialog = binding.Create(std::move(table));
    ASSERT_NE(dialog, nullptr);
    HWND listBox = GetDlgItem(dialog, IDC_T_LIST);

    text.SetText("Ocean blue");
    list.SetItems({".Current", "[None]", "Ocean"});
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_T_TEXT)), "Ocean blue");
    EXPECT_EQ(SendMessageA(listBox, LB_GETCOUNT, 0, 0), 3);

    SendMessageA(listBox, LB_SETCURSEL, 2, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_T_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(listBox));
    EXPECT_EQ(log, std::vector<std::string>{"Ocean"});

    HMENU popup = GetSubMenu(GetMenu(dialog), 0);
    SendMessageA(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    char caption[64] = {};
    GetMenuStringA(popup, IDM_T_ITEM, caption, sizeof caption, MF_BYCOMMAND);
    EXPECT_STREQ(caption, "&Current - Ocean blue");

    SendMessageA(GetDlgItem(dialog, IDC_T_BUTTON), BM_CLICK, 0, 0);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_NE(dialogs.Shown()[0].text.find("Invalid procedure call"), std::string::npos);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_T_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(listBox));
    EXPECT_EQ(log.size(), 2u);  // the window carries on

    binding.Close();
    PumpMessages(50, [&] { return !IsWindow(dialog); });
    EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
}  // namespace velmora::win32
