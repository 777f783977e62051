// The main window "Installed Themes" in this process, shown, over the benchmark's ports: its
// list, selections and previews as the program runs them, painted before a figure stops. Its
// clip control's puts are written down in the benchmark's CallLog while it records.
#pragma once

#include <windows.h>

#include <string>

#include "bench/win32/BenchPlatform.h"
#include "mainwindow/InstalledThemes.h"
#include "mainwindow/win32/Win32ClipControl.h"
#include "platform/Platform.h"
#include "ui/win32/DialogBinding.h"

namespace velmora::bench {

class BenchWindow {
public:
    BenchWindow(BenchPlatform& bench, HINSTANCE resources);
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    bool Ok() const { return dialog_ != nullptr; }
    InstalledThemes& Window() { return window_; }
    HWND Dialog() const { return dialog_; }
    HWND List() const { return list_; }
    // The real clip control, for a replay of its recorded puts.
    ClipControl& Clip() { return clip_; }
    int ListCount() const;
    // The index of the entry; -1 when the list has none.
    int IndexOf(const std::string& entry) const;
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
    RecordingClip recordingClip_;
    InstalledThemes window_;
    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
};

}  // namespace velmora::bench
