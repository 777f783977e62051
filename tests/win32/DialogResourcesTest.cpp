// Every dialog resource of Velmora.exe against its binding table: each id of the table is
// in the dialog (or its menus) as the kind of control the table expects, with the styles its
// handlers need; and the layout keeps every control inside the window, apart from the others,
// each label left of its field.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "editor/AboutVelmora.h"
#include "editor/frmThemeEditor.h"
#include "mainwindow/InstalledThemes.h"
#include "editor/win32/AboutTable.h"
#include "ui/win32/DialogBinding.h"
#include "mainwindow/win32/MainWindowTable.h"
#include "editor/win32/ThemeEditorTable.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Win32Pictures.h"
#include "mainwindow/win32/MainWindowRes.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/SimulatedBrowsers.h"
#include "tests/support/SimulatedWindowing.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// Every menu entry id of a menu and its pop-ups (pop-ups carry ids of their own).
void CollectMenuIds(HMENU menu, std::set<int>& ids) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        ids.insert(static_cast<int>(info.wID));
        if (info.hSubMenu) CollectMenuIds(info.hSubMenu, ids);
    }
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// What each kind of row needs of the real control: its class, and its style under the mask
// (a push button may be the default one; a list reports selections and leaves its order be).
struct Fit {
    ControlKind kind;
    const char* className;
    LONG mask, style;
};
const Fit kFits[] = {
    {ControlKind::Check, "Button", BS_TYPEMASK, BS_AUTOCHECKBOX},
    {ControlKind::Button, "Button", BS_TYPEMASK & ~BS_DEFPUSHBUTTON, BS_PUSHBUTTON},
    {ControlKind::List, "ListBox", LBS_SORT | LBS_NOTIFY, LBS_NOTIFY},
    {ControlKind::Combo, "ComboBox", 3, CBS_DROPDOWN},
    {ControlKind::Picture, "Static", SS_TYPEMASK, SS_OWNERDRAW},
};

bool Fits(const BoundControl& row, HWND control) {
    const std::string name = ClassName(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (row.kind == ControlKind::Text) return name == "Edit" || name == "Static";
    if (row.kind == ControlKind::Picture && (row.click || row.mouseDown) && !(style & SS_NOTIFY))
        return false;  // a picture with a click handler must report clicks
    for (const Fit& fit : kFits)
        if (fit.kind == row.kind) return name == fit.className && (style & fit.mask) == fit.style;
    return true;
}

RECT RectIn(HWND dialog, HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A window object for each table: its ports are doubles, since only its models are used.
struct TableSource {
    test::MemoryRegistry registry;
    test::MemoryFileSystem files;
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::SimulatedWindowing windowing;
    test::SimulatedBrowsers browsers{windowing};
    test::FakeProductInfo product;
    Win32Pictures pictures{ProgramResources()};
    Platform platform = [this] {
        Platform ports;
        ports.registry = &registry;
        ports.files = &files;
        ports.dialogs = &dialogs;
        ports.shell = &shell;
        ports.windowing = &windowing;
        ports.browsers = &browsers;
        ports.product = &product;
        ports.pictures = &pictures;
        return ports;
    }();
    DialogBinding host{platform, ProgramResources()};
    Win32ClipControl clip;
    InstalledThemes mainWindow{platform, host, clip};
    frmThemeEditor editor{platform, host};
    AboutVelmora about{platform, host};
};

class DialogResourcesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(ProgramResources(), nullptr); }

    OleApartment ole;
    TableSource source;
    // Every window of the program with its table.
    std::vector<std::pair<const char*, FormTable>> tables = {
        {"InstalledThemes", MainWindowTable(source.mainWindow, source.clip)},
        {"frmThemeEditor", ThemeEditorTable(source.editor, "")},
        {"AboutVelmora", AboutTable(source.about)},
    };
};

TEST_F(DialogResourcesTest, EveryIdOfEveryTableIsInItsDialogAsTheKindOfControlItBinds) {
    for (const auto& [name, table] : tables) {
        HWND dialog = CreateDialogParamA(ProgramResources(), MAKEINTRESOURCEA(table.dialogId),
                                         nullptr, QuietDialog, 0);
        ASSERT_NE(dialog, nullptr) << name;
        std::set<int> menuIds;
        CollectMenuIds(GetMenu(dialog), menuIds);
        std::vector<HMENU> popups;
        for (int id : table.popupMenus) {
            HMENU menu = LoadMenuA(ProgramResources(), MAKEINTRESOURCEA(id));
            EXPECT_NE(menu, nullptr) << name << " pop-up menu " << id;
            if (menu) {
                CollectMenuIds(menu, menuIds);
                popups.push_back(menu);
            }
        }
        std::set<std::pair<int, bool>> seen;
        for (const BoundControl& row : table.controls) {
            const bool menu = row.kind == ControlKind::Menu;
            EXPECT_TRUE(seen.insert({row.id, menu}).second)
                << name << ": " << row.id << " bound twice";
            if (menu) {
                EXPECT_TRUE(menuIds.count(row.id)) << name << ": no menu entry " << row.id;
                continue;
            }
            HWND control = GetDlgItem(dialog, row.id);
            if (!control) {
                ADD_FAILURE() << name << ": no control " << row.id;
                continue;
            }
            EXPECT_TRUE(Fits(row, control))
                << name << ": control " << row.id << " is a " << ClassName(control);
            if (row.designBitmap) {
                EXPECT_NE(FindResourceA(ProgramResources(), MAKEINTRESOURCEA(row.designBitmap),
                                        MAKEINTRESOURCEA(2)),  // RT_BITMAP
                          nullptr)
                    << name << ": picture " << row.designBitmap;
            }
        }
        for (HMENU menu : popups) DestroyMenu(menu);
        DestroyWindow(dialog);
    }
}

TEST_F(DialogResourcesTest, TheMainWindowIsLaidOutWithoutClippingOrOverlapAndLabelsBeforeFields) {
    HWND dialog = CreateDialogParamA(ProgramResources(), MAKEINTRESOURCEA(IDD_MAINWINDOW), nullptr,
                                     QuietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    RECT client = {};
    GetClientRect(dialog, &client);
    // Every control inside the window; none overlapping another, except inside its group.
    std::vector<HWND> controls, groups;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const bool group = ClassName(child) == "Button" &&
                           (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        (group ? groups : controls).push_back(child);
    }
    for (HWND control : controls) {
        const RECT rect = RectIn(dialog, control);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                    rect.bottom <= client.bottom)
            << "control " << GetDlgCtrlID(control) << " is clipped";
        for (HWND other : controls) {
            RECT overlap = {}, otherRect = RectIn(dialog, other);
            if (other != control && IntersectRect(&overlap, &rect, &otherRect))
                ADD_FAILURE() << "controls " << GetDlgCtrlID(control) << " and "
                              << GetDlgCtrlID(other) << " overlap";
        }
    }
    for (HWND group : groups) {
        const RECT rect = RectIn(dialog, group);
        EXPECT_TRUE(rect.right <= client.right && rect.bottom <= client.bottom);
    }
    // Each label (a text ending in a colon) comes right before its field in the tab order
    // (screen readers name a field after it) and stands left of it, on its line.
    int labels = 0;
    for (HWND label : controls) {
        const std::string text = WindowText(label);
        if (text.empty() || text.back() != ':') continue;
        ++labels;
        const RECT rect = RectIn(dialog, label);
        const RECT field = RectIn(dialog, GetWindow(label, GW_HWNDNEXT));
        EXPECT_LE(rect.right, field.left) << text;
        EXPECT_TRUE(rect.top >= field.top && rect.top < field.bottom) << text;
    }
    EXPECT_EQ(labels, 6);
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDC_CMDAPPLY);
    DestroyWindow(dialog);
    // Visual styles: the common-controls manifest sits in the program.
    EXPECT_NE(FindResourceA(ProgramResources(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)),
              nullptr);
}

}  // namespace
}  // namespace velmora::win32
