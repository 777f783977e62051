// Runs the main window "Installed Themes" modally: the window object, its hosted clip
// control and the dialog binding that shows them.
#include "mainwindow/win32/ShowMainWindow.h"

#include <windows.h>
#include <commctrl.h>

#include "mainwindow/InstalledThemes.h"
#include "ui/win32/DialogBinding.h"
#include "mainwindow/win32/MainWindowTable.h"
#include "platform/win32/OleApartment.h"
#include "mainwindow/win32/Win32ClipControl.h"

namespace velmora::win32 {

void ShowMainWindow(const Platform& platform) {
    const OleApartment ole;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Declared in this order so that each outlives what uses it.
    DialogBinding binding(platform, GetModuleHandleA(nullptr));
    Win32ClipControl clip;
    InstalledThemes window(platform, binding, clip);
    binding.RunModal(MainWindowTable(window, clip));
}

}  // namespace velmora::win32
