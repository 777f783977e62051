// Every dialog resource of Velmora.exe against its binding table: each id of the table is
// in the dialog (or its menus) as the kind of control the table expects, with the styles its
// handlers need; and the layout keeps every control inside the window, apart from the others,
// each label left of its field.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/AboutVelmora.h"
#include "editor/frmThemeEditor.h"
#include "mainwindow/InstalledThemes.h"
#include "platform/win32/AboutTable.h"
#include "platform/win32/DialogBinding.h"
#include "platform/win32/MainWindowTable.h"
#include "platform/win32/ThemeEditorTable.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/resources/MainWindowRes.h"
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

// What the table's kind of row needs of the real control; empty when it fits.
std::string Misfit(const BoundControl& row, HWND control) {
    const std::string name = ClassName(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const bool clicks = row.click != nullptr || row.mouseDown != nullptr;
    switch (row.kind) {
        case ControlKind::Text:
            return name == "Edit" || name == "Static" ? "" : name + " is no text";
        case ControlKind::Check:
            return name == "Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX ? ""
                                                                                : "no check box";
        case ControlKind::Button: {
            const LONG type = style & BS_TYPEMASK;
            return name == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
                       ? ""
                       : "no push button";
        }
        case ControlKind::List:
            if (name != "ListBox") return name + " is no list";
            if (style & LBS_SORT) return "the list sorts its entries itself";
            return style & LBS_NOTIFY ? "" : "the list does not report selections";
        case ControlKind::Combo:
            return name == "ComboBox" && (style & 3) == CBS_DROPDOWN ? "" : "no editable combo box";
        case ControlKind::Picture:
            if (name != "Static" || (style & SS_TYPEMASK) != SS_OWNERDRAW)
                return "no owner-drawn picture";
            return !clicks || (style & SS_NOTIFY) ? "" : "the picture does not report clicks";
        default: return "";
    }
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
            EXPECT_EQ(Misfit(row, control), "") << name << ": control " << row.id;
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
    // Each label stands left of its field on the same line, and ends in a colon.
    const std::pair<int, int> labelled[] = {
        {IDC_LABEL1, IDC_TXTTHEMETITLE},      {IDC_LABEL1 + 1, IDC_TXTAUTHOR},
        {IDC_LABEL1 + 2, IDC_TXTWEBSITE},     {IDC_LABEL1 + 3, IDC_TXTTHEMEDESCRIPTION},
        {IDC_LBLTHEMEFILE, IDC_TXTTHEMEFILE}, {IDC_LBLHOMEPAGE, IDC_COMBO1},
    };
    for (const auto& [labelId, fieldId] : labelled) {
        const RECT label = RectIn(dialog, GetDlgItem(dialog, labelId));
        const RECT field = RectIn(dialog, GetDlgItem(dialog, fieldId));
        EXPECT_LE(label.right, field.left) << labelId;
        EXPECT_TRUE(label.top >= field.top && label.top < field.bottom) << labelId;
        const std::string text = WindowText(GetDlgItem(dialog, labelId));
        EXPECT_EQ(text.back(), ':') << text;
        // The label comes right before its field in the tab order (screen readers name a
        // field after the text before it).
        EXPECT_EQ(GetWindow(GetDlgItem(dialog, labelId), GW_HWNDNEXT), GetDlgItem(dialog, fieldId));
    }
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDC_CMDAPPLY);
    DestroyWindow(dialog);
    // Visual styles: the common-controls manifest sits in the program.
    EXPECT_NE(FindResourceA(ProgramResources(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)),
              nullptr);
}

}  // namespace
}  // namespace velmora::win32
