// The main window "Installed Themes" in this process, shown, over the benchmark's ports: its
// list, selections and previews as the program runs them, painted before a figure stops.
#pragma once

#include <windows.h>

#include <string>

#include "mainwindow/InstalledThemes.h"
#include "platform/Platform.h"
#include "ui/win32/DialogBinding.h"
#include "mainwindow/win32/Win32ClipControl.h"

namespace velmora::bench {

class BenchWindow {
public:
    BenchWindow(const Platform& platform, HINSTANCE resources);
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    bool Ok() const { return dialog_ != nullptr; }
    InstalledThemes& Window() { return window_; }
    int ListCount() const;
    // Selects the list entry as a click does, and lets the window paint what it shows.
    bool Select(const std::string& entry);
    void SelectAt(int index);
    // Rebuilds the theme list as the window's load does, and lets the window paint it.
    void LoadThemeList();
    // Empties the list box, so that the next rebuild fills it from nothing (a rebuild over
    // the same entries changes nothing in it).
    void ClearList();
    // Dispatches the messages waiting, painting included.
    void Settle();

private:
    win32::DialogBinding binding_;
    win32::Win32ClipControl clip_;
    InstalledThemes window_;
    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
};

}  // namespace velmora::bench
