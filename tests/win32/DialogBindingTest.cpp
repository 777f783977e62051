// The dialog binding on a small test window, for what the program's windows driven end to end
// (MainWindowE2eTest) do not show: models set before the window, design texts, lists of every
// shape, the actions and menus those windows leave unused, errors trapped, the window's end,
// the backdrop, tips, clipped pictures and placing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "ui/win32/DialogBinding.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Win32Picture.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/win32/BindingTestRes.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

// The test window's models; every handler writes what it saw into the log.
struct TestForm {
    ui::TextBox text, label;
    std::array<ui::CheckBox, 2> check;
    ui::Button button;
    ui::ListBox list;
    ui::ComboBox combo;
    ui::PictureBox picture;
    ui::MenuItem top, hidden, hiddenItem;
    std::array<ui::MenuItem, 2> item;
    std::vector<std::string> log;
    std::function<void()> onButton;  // what the button does besides logging
};

FormTable TestTable(TestForm& f, FormHost& host) {
    FormTable table(IDD_BINDINGTEST);
    table.popupMenus = {IDR_BINDINGPOPUPS};
    table.load = [&f] { f.log.push_back("load"); };
    table.activate = [&f] { f.log.push_back("activate"); };
    table.keyPress = [&f, &host](int key) {
        f.log.push_back("key " + std::to_string(key));
        host.Close();
    };
    table.unload = [&f] { f.log.push_back("unload"); };
    table.Add(IDC_T_TEXT, f.text)
        .OnChange([&f] { f.log.push_back("change " + f.text.Text()); })
        .OnGotFocus([&f] { f.log.push_back("focus"); })
        .OnKeyUp([&f](int key) {
            f.log.push_back("keyup " + std::to_string(key) + " " + f.text.Text() + " " +
                            std::to_string(f.text.SelStart()) + "+" +
                            std::to_string(f.text.SelLength()));
        });
    table.Add(IDC_T_LABEL, f.label);
    for (int i = 0; i < 2; ++i) {
        table.Add(IDC_T_CHECK + i, f.check[i])
            .OnClick([&f, i] {
                f.log.push_back("check " + std::to_string(i) + "=" +
                                std::to_string(f.check[i].Value()));
            })
            .OnMouseMove([&f, i] { f.log.push_back("move " + std::to_string(i)); });
    }
    table.Add(IDC_T_BUTTON, f.button).OnClick([&f] {
        f.log.push_back("button");
        if (f.onButton) f.onButton();
    });
    table.Add(IDC_T_LIST, f.list);
    table.Add(IDC_T_COMBO, f.combo).OnClick([&f] { f.log.push_back("combo " + f.combo.Text()); });
    table.Add(IDC_T_PICTURE, f.picture).WithPicture(IDB_BINDINGDOT).OnClick([&f] {
        f.log.push_back("picture");
    });
    table.Add(IDM_T_TOP, f.top);
    for (int i = 0; i < 2; ++i) table.Add(IDM_T_ITEM + i, f.item[i]);
    table.Add(IDM_T_HIDDEN, f.hidden).OnClick([&f] { f.log.push_back("hidden opens"); });
    table.Add(IDM_T_HIDDENITEM, f.hiddenItem);
    return table;
}

// Ends the pop-up menu a test opened (its loop runs timers).
void CALLBACK CloseMenuSoon(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

class DialogBindingTest : public ::testing::Test {
protected:
    // The window made, settled (focus, activation) and the log cleared.
    void SetUp() override {
        ASSERT_NE(Start(), nullptr);
        PumpMessages(50);
        TakeLog();
    }
    void TearDown() override { PumpMessages(20); }

    HWND Start() {
        dialog = binding.Create(TestTable(form, binding));
        return dialog;
    }
    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    void Notify(int id, int code) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }
    HMENU TopPopup() const { return GetSubMenu(GetMenu(dialog), 0); }
    UINT ItemState(int id) const { return GetMenuState(TopPopup(), id, MF_BYCOMMAND); }
    std::string ItemCaption(int id) const {
        char text[64] = {};
        GetMenuStringA(TopPopup(), id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
    std::vector<std::string> TakeLog() { return std::exchange(form.log, {}); }

    OleApartment ole;
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::FakeProductInfo product;
    Platform platform = [this] {
        Platform ports;
        ports.dialogs = &dialogs;
        ports.shell = &shell;
        ports.product = &product;
        return ports;
    }();
    TestForm form;
    DialogBinding binding{platform, GetModuleHandleA(nullptr)};
    HWND dialog = nullptr;
};

// A fresh window over models the program set beforehand: SetUp's window is not used.
class DialogBindingStartTest : public DialogBindingTest {
protected:
    void SetUp() override {}
};

TEST_F(DialogBindingStartTest, ShowsEveryModelAndKeepsTheDesignTextOfModelsWithoutOne) {
    // Models set before the window exists are pushed as later changes are (next test).
    form.text.SetText("Ocean blue");
    form.list.AddItem(".Current");
    form.list.AddItem("Ocean");
    form.list.SetListIndex(1);
    form.item[1].SetEnabled(false);
    ASSERT_NE(Start(), nullptr);

    EXPECT_EQ(WindowText(Item(IDC_T_TEXT)), "Ocean blue");
    EXPECT_EQ(SendMessageA(Item(IDC_T_LIST), LB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(ItemState(IDM_T_ITEM + 1) & MF_GRAYED);
    // Models without text took the resource's: labels, menu entries, pop-up menus.
    EXPECT_EQ(form.label.Text() + "|" + form.item[0].Caption() + "|" + form.hidden.Caption(),
              "Design label|Design &item|Hidden");
    // The picture box knows its size, and shows its design picture centred.
    RECT client = {};
    GetClientRect(Item(IDC_T_PICTURE), &client);
    EXPECT_EQ(form.picture.ScaleWidth(), client.right);
    EXPECT_EQ(form.picture.ScaleHeight(), client.bottom);
    ASSERT_TRUE(form.picture.Picture());
    EXPECT_EQ(form.picture.Draws(),
              (std::vector<ui::DrawRect>{{(client.right - 4) / 2, (client.bottom - 4) / 2, 4, 4}}));
    // The load ran once, after everything was shown; then the first tab stop got the focus.
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"load", "focus"}));
}

// Texts, ticks, Enabled and a list's entries shown are MainWindowE2eTest's.
TEST_F(DialogBindingTest, ModelChangesReachTheControlsAtOnce) {
    form.text.SetText("Autumn");
    form.text.SetSelection(2, 3);
    DWORD start = 0, end = 0;
    SendMessageA(Item(IDC_T_TEXT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start * 10 + end, 25u);
    form.button.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_T_BUTTON)));

    // Lists in turn: changed in the middle, long (drawn once), keeping only their start,
    // keeping nothing, empty.
    std::vector<std::string> many;
    for (int i = 0; i < 40; ++i) many.push_back("Theme " + std::to_string(i));
    const std::vector<std::vector<std::string>> lists = {
        {".Current", "[None]", "Aqua"},  {".Current", "Autumn", "Aqua"},       many,
        {"Theme 0", "Theme 1", "Ocean"}, std::vector<std::string>(20, "Blue"), {}};
    for (const std::vector<std::string>& items : lists) {
        form.list.SetItems(items);
        form.list.SetListIndex(static_cast<int>(items.size()) - 1);
        EXPECT_EQ(ListTexts(Item(IDC_T_LIST)), items);
        EXPECT_EQ(SendMessageA(Item(IDC_T_LIST), LB_GETCURSEL, 0, 0), LRESULT(items.size()) - 1);
    }
    form.combo.SetItems({"about:blank"});
    EXPECT_EQ(SendMessageA(Item(IDC_T_COMBO), CB_GETCOUNT, 0, 0), 1);

    form.item[0].SetCaption("&Current - about:blank");
    form.item[0].SetChecked(true);
    EXPECT_EQ(ItemCaption(IDM_T_ITEM), "&Current - about:blank");
    EXPECT_TRUE(ItemState(IDM_T_ITEM) & MF_CHECKED);
    form.top.SetCaption("&Top menu");
    char caption[32] = {};
    GetMenuStringA(GetMenu(dialog), 0, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "&Top menu");
    // The program's own text change is a change like the user's.
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"change Autumn"}));
}

// Typing, ticks, list selections, the list's right button, menu entries and buttons are
// MainWindowE2eTest's.
TEST_F(DialogBindingTest, UserActionsAreReadIntoTheModelsBeforeTheirHandlersRun) {
    form.combo.SetItems({"about:blank", "about:mozilla"});
    SetWindowTextA(Item(IDC_T_TEXT), "Aq");
    TakeLog();
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] {
             SendMessageA(Item(IDC_T_TEXT), EM_SETSEL, 1, 2);
             SendMessageA(Item(IDC_T_TEXT), WM_KEYUP, 'Q', 0);
         },
         "keyup 81 Aq 1+1"},
        {[&] {
             binding.SetFocus(form.list);
             binding.SetFocus(form.text);
         },
         "focus"},
        {[&] { SendMessageA(Item(IDC_T_CHECK), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); }, "move 0"},
        {[&] {
             SendMessageA(Item(IDC_T_COMBO), CB_SETCURSEL, 1, 0);
             Notify(IDC_T_COMBO, CBN_SELCHANGE);
         },
         "combo about:mozilla"},
        {[&] { Notify(IDC_T_PICTURE, STN_CLICKED); }, "picture"},
    };
    for (const auto& [act, logged] : cases) {
        act();
        EXPECT_EQ(TakeLog(), std::vector<std::string>{logged});
    }
    // What the user cannot click runs nothing, whatever a message says.
    form.button.SetEnabled(false);
    form.check[0].SetEnabled(false);
    SendMessageA(Item(IDC_T_BUTTON), BM_CLICK, 0, 0);
    Notify(IDC_T_CHECK, BN_CLICKED);
    EXPECT_EQ(TakeLog(), std::vector<std::string>());
    EXPECT_EQ(form.check[0].Value(), 0);
}

// A menu refreshed as it opens, and the list's pop-up opened by its own model, are
// MainWindowE2eTest's; here a pop-up opened by one of its entries' models, and one of no menu.
TEST_F(DialogBindingTest, AHiddenMenuOpensAsAPopUpByTheModelOfOneOfItsEntries) {
    SetTimer(nullptr, 0, 100, CloseMenuSoon);
    binding.PopupMenu(form.hiddenItem);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"hidden opens"}));
    ui::MenuItem unbound;
    binding.PopupMenu(unbound);  // no menu of this window: nothing opens
    EXPECT_EQ(TakeLog(), std::vector<std::string>());
}

TEST_F(DialogBindingTest, AnExceptionOfAHandlerIsReportedAndTheWindowCarriesOn) {
    // How it is worded is the error trap's; here: that it stops here.
    form.onButton = [] { throw RuntimeError(5, "Invalid procedure call or argument"); };
    SendMessageA(Item(IDC_T_BUTTON), BM_CLICK, 0, 0);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_NE(dialogs.Shown()[0].text.find("Invalid procedure call"), std::string::npos);
    EXPECT_EQ(shell.eventLog.back(), dialogs.Shown()[0].text);
    form.onButton = nullptr;
    SendMessageA(Item(IDC_T_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(form.log.back(), "button");
}

TEST_F(DialogBindingStartTest, ClosingAsksTheWindowFirstThenUnloadsOnceButEndingTheProgramDoesNot) {
    // The query's answers in turn: keep the window, fail, let it close.
    std::vector<std::function<bool()>> answers = {
        [] { return false; }, []() -> bool { throw RuntimeError(5, "Save failed"); },
        [] { return true; }};
    size_t asked = 0;
    FormTable table = TestTable(form, binding);
    table.queryUnload = [&] {
        form.log.push_back("query");
        return answers.at(asked++)();
    };
    dialog = binding.Create(std::move(table));
    ASSERT_NE(dialog, nullptr);
    TakeLog();
    SendMessageA(dialog, WM_CLOSE, 0, 0);  // kept
    SendMessageA(dialog, WM_CLOSE, 0, 0);  // the failure is reported and keeps the window too
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"query", "query"}));
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_TRUE(IsWindow(dialog));
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    SendMessageA(dialog, WM_CLOSE, 0, 0);  // already closing: asked and unloaded once
    PumpMessages(50, [&] { return !IsWindow(dialog); });
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"query", "unload"}));

    TestForm other;
    DialogBinding second(platform, GetModuleHandleA(nullptr));
    HWND window = second.Create(TestTable(other, second));
    ASSERT_NE(window, nullptr);
    second.EndProgram();
    PumpMessages(50, [&] { return !IsWindow(window); });
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(std::count(other.log.begin(), other.log.end(), "unload"), 0);
    // Once gone, the models no longer reach for the window.
    other.text.SetText("after");
    other.list.AddItem("after");
}

TEST_F(DialogBindingStartTest, AWindowOverABackdropSeesEveryKeyFirstAndClicksOnItsSurface) {
    const COLORREF white = RGB(255, 255, 255), red = RGB(200, 30, 60);
    FormTable table = TestTable(form, binding);
    table.keyDown = [&](int key) { form.log.push_back("down " + std::to_string(key)); };
    table.click = [&] { form.log.push_back("surface"); };
    for (BoundControl& row : table.controls) {
        if (row.id == IDC_T_PICTURE) row.AsBackdrop(white);
        if (row.id == IDC_T_LABEL) row.WithFont("Small Fonts", 6);
    }
    dialog = binding.Create(std::move(table));
    ASSERT_NE(dialog, nullptr);
    TakeLog();
    SendMessageA(dialog, WM_KEYDOWN, 'A', 0);
    SendMessageA(Item(IDC_T_LABEL), WM_KEYDOWN, 'B', 0);  // whichever control has the focus
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc and Enter, as the dialog reports them
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(TakeLog(),
              (std::vector<std::string>{"down 65", "down 66", "down 27", "down 13", "surface"}));

    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Item(IDC_T_LABEL), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Small Fonts");
    // The window takes the picture's size (4 x 4); a static text paints its background with
    // the picture, its text in the backdrop's colour; an edit box keeps its own.
    RECT client = {};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right * 100 + client.bottom, 404);
    OffscreenCanvas canvas(8, 8, white);
    const auto colour = [&](UINT message, int id) {
        return reinterpret_cast<HBRUSH>(SendMessageA(dialog, message,
                                                     reinterpret_cast<WPARAM>(canvas.Dc()),
                                                     reinterpret_cast<LPARAM>(Item(id))));
    };
    HBRUSH backdrop = colour(WM_CTLCOLORSTATIC, IDC_T_LABEL);
    const RECT all = {0, 0, 8, 8};
    FillRect(canvas.Dc(), &all, backdrop);
    EXPECT_EQ(canvas.Pixel(3, 3), red);
    EXPECT_EQ(GetTextColor(canvas.Dc()), white);
    EXPECT_EQ(GetBkMode(canvas.Dc()), TRANSPARENT);
    EXPECT_NE(colour(WM_CTLCOLOREDIT, IDC_T_TEXT), backdrop);
}

TEST_F(DialogBindingTest, ActivationRunsItsHandlerOnceTheDialogHasSettled) {
    SendMessageA(dialog, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(form.log, std::vector<std::string>());  // not yet: the focus is put back first
    PumpMessages(50, [&] { return !form.log.empty(); });
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"activate"}));
}

TEST_F(DialogBindingTest, ToolTipsShowTheModelsTipAtTheMomentTheyShow) {
    HWND tip = FindOwnedWindow(dialog, TOOLTIPS_CLASSA);
    ASSERT_NE(tip, nullptr);
    auto ask = [&](HWND control) {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = tip;
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return std::string(info.lpszText ? info.lpszText : "(none)");
    };
    form.check[0].SetToolTip("Home Page: about:blank");
    EXPECT_EQ(ask(Item(IDC_T_CHECK)), "Home Page: about:blank");
    form.check[0].SetToolTip("Home Page: http://example.com/");
    EXPECT_EQ(ask(Item(IDC_T_CHECK)), "Home Page: http://example.com/");
    EXPECT_EQ(ask(Item(IDC_T_CHECK + 1)), "");
}

TEST_F(DialogBindingTest, APictureBoxDrawsItsPictureInEachRectangleClippedToTheBox) {
    const int width = form.picture.ScaleWidth(), height = form.picture.ScaleHeight();
    ASSERT_GT(width, 20);
    ASSERT_GT(height, 20);
    auto dot = Win32Picture::FromResource(GetModuleHandleA(nullptr), IDB_BINDINGDOT);
    ASSERT_TRUE(dot);
    // One rectangle inside, one stretched far beyond the box's lower right corner.
    form.picture.Draw(dot, {{0, 0, 8, 8}, {width - 4, height - 4, 40, 40}});
    const COLORREF red = RGB(200, 30, 60), white = RGB(255, 255, 255);
    OffscreenCanvas canvas(width + 20, height + 20, white);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_STATIC;
    item.CtlID = IDC_T_PICTURE;
    item.hwndItem = Item(IDC_T_PICTURE);
    item.hDC = canvas.Dc();
    item.rcItem = {0, 0, width, height};
    SendMessageA(dialog, WM_DRAWITEM, IDC_T_PICTURE, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(canvas.Pixel(1, 1), red);
    EXPECT_EQ(canvas.Pixel(7, 7), red);
    EXPECT_NE(canvas.Pixel(9, 9), red);  // the box's own background
    EXPECT_EQ(canvas.Pixel(width - 1, height - 1), red);
    EXPECT_EQ(canvas.Pixel(width + 2, height - 2), white);  // beyond the box: clipped
    EXPECT_EQ(canvas.Pixel(width - 2, height + 2), white);

    form.picture.ClearDrawing();
    SendMessageA(dialog, WM_DRAWITEM, IDC_T_PICTURE, reinterpret_cast<LPARAM>(&item));
    EXPECT_NE(canvas.Pixel(1, 1), red);
}

TEST_F(DialogBindingTest, TheHostFocusesAndPlacesTheWindow) {
    // The caption is MainWindowE2eTest's.
    EXPECT_EQ(binding.Handle(), reinterpret_cast<WindowHandle>(dialog));

    binding.CenterOnScreen();
    RECT rect = {};
    GetWindowRect(dialog, &rect);
    EXPECT_LE(std::abs(rect.left + rect.right - binding.ScreenWidth()), 1);
    EXPECT_LE(std::abs(rect.top + rect.bottom - binding.ScreenHeight()), 1);
    const LONG left = rect.left;
    binding.SetTop(17);
    GetWindowRect(dialog, &rect);
    EXPECT_EQ(rect.top, 17);
    EXPECT_EQ(rect.left, left);

    binding.BringToFront();
    binding.SetFocus(form.combo);
    EXPECT_TRUE(IsChild(Item(IDC_T_COMBO), GetFocus()) || GetFocus() == Item(IDC_T_COMBO));
    binding.SetFocus(form.list);
    EXPECT_EQ(GetFocus(), Item(IDC_T_LIST));
    // A focused control disabled or hidden by the program hands the focus on.
    for (auto hide : {&ui::Control::SetEnabled, &ui::Control::SetVisible}) {
        (form.list.*hide)(true);
        binding.SetFocus(form.list);
        (form.list.*hide)(false);
        EXPECT_NE(GetFocus(), Item(IDC_T_LIST));
        EXPECT_TRUE(IsChild(dialog, GetFocus()));
    }
}

}  // namespace
}  // namespace velmora::win32
