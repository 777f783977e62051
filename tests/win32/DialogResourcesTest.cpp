// Every dialog resource of Velmora.exe against its binding table: each id of the table is in
// the dialog (or its menus) as the kind of control the table binds.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "editor/AboutVelmora.h"
#include "editor/frmThemeEditor.h"
#include "mainwindow/InstalledThemes.h"
#include "editor/win32/AboutTable.h"
#include "ui/win32/DialogBinding.h"
#include "mainwindow/win32/MainWindowTable.h"
#include "editor/win32/ThemeEditorTable.h"
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

// The window class each kind of row needs of its control (a text may be an edit or a label;
// the clip control's placeholder may be anything).
bool Fits(ControlKind kind, HWND control) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    const std::string is = name;
    switch (kind) {
        case ControlKind::Text: return is == "Edit" || is == "Static";
        case ControlKind::Check:
        case ControlKind::Button: return is == "Button";
        case ControlKind::List: return is == "ListBox";
        case ControlKind::Combo: return is == "ComboBox";
        case ControlKind::Picture: return is == "Static";
        default: return true;
    }
}

TEST(DialogResources, EveryIdOfEveryTableIsInItsDialogAsTheKindOfControlItBinds) {
    // The windows' constructors use no port: an empty platform builds every table.
    const Platform none;
    DialogBinding host(none, ProgramResources());
    Win32ClipControl clip;
    InstalledThemes mainWindow(none, host, clip);
    frmThemeEditor editor(none, host);
    AboutVelmora about(none, host);
    for (const FormTable& table :
         {MainWindowTable(mainWindow, clip), ThemeEditorTable(editor, ""), AboutTable(about)}) {
        SCOPED_TRACE(table.dialogId);
        HWND dialog = CreateDialogParamA(ProgramResources(), MAKEINTRESOURCEA(table.dialogId),
                                         nullptr, QuietDialog, 0);
        ASSERT_NE(dialog, nullptr);
        std::set<int> menuIds;
        CollectMenuIds(GetMenu(dialog), menuIds);
        for (int id : table.popupMenus) {
            HMENU menu = LoadMenuA(ProgramResources(), MAKEINTRESOURCEA(id));
            EXPECT_NE(menu, nullptr) << "pop-up menu " << id;
            CollectMenuIds(menu, menuIds);
            DestroyMenu(menu);
        }
        for (const BoundControl& row : table.controls) {
            if (row.kind == ControlKind::Menu) {
                EXPECT_TRUE(menuIds.count(row.id)) << "no menu entry " << row.id;
                continue;
            }
            HWND control = GetDlgItem(dialog, row.id);
            EXPECT_TRUE(control && Fits(row.kind, control)) << "control " << row.id;
            const HRSRC picture = FindResourceA(
                ProgramResources(), MAKEINTRESOURCEA(row.designBitmap), MAKEINTRESOURCEA(2));
            EXPECT_TRUE(!row.designBitmap || picture) << "picture " << row.designBitmap;
        }
        DestroyWindow(dialog);
    }
}

}  // namespace
}  // namespace velmora::win32
