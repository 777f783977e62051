// The main window's binding table: every control and menu entry of the dialog resource
// IDD_MAINWINDOW with the model of InstalledThemes that mirrors it and its handlers.
#pragma once

#include "mainwindow/InstalledThemes.h"
#include "ui/win32/FormTable.h"
#include "mainwindow/win32/Win32ClipControl.h"

namespace velmora::win32 {

// clip: the Win32 side of window.Flintor1.
FormTable MainWindowTable(InstalledThemes& window, Win32ClipControl& clip);

}  // namespace velmora::win32
