// The main window "Installed Themes" in this process, shown, over the benchmark's ports.
#include "bench/win32/BenchWindow.h"

#include "mainwindow/win32/MainWindowTable.h"
#include "mainwindow/win32/MainWindowRes.h"

namespace velmora::bench {

BenchWindow::BenchWindow(BenchPlatform& bench, HINSTANCE resources)
    : binding_(bench.Ports(), resources),
      recordingClip_(clip_, bench.Log()),
      window_(bench.Ports(), binding_, recordingClip_) {
    dialog_ = binding_.Create(win32::MainWindowTable(window_, clip_));
    if (!dialog_) return;
    ShowWindow(dialog_, SW_SHOW);
    list_ = GetDlgItem(dialog_, IDC_LIST1);
    Settle();
}

BenchWindow::~BenchWindow() {
    if (dialog_) binding_.EndProgram();
}

int BenchWindow::ListCount() const {
    return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
}

int BenchWindow::IndexOf(const std::string& entry) const {
    const LRESULT index = SendMessageA(list_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(entry.c_str()));
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

bool BenchWindow::Select(const std::string& entry) {
    const int index = IndexOf(entry);
    if (index < 0) return false;
    SelectAt(index);
    return true;
}

void BenchWindow::SelectAt(int index) {
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDC_LIST1, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list_));
    Settle();
}

void BenchWindow::LoadThemeList() {
    window_.LoadThemeList("");
    Settle();
}

void BenchWindow::ClearList() {
    window_.List1.SetItems({});
    Settle();
}

void BenchWindow::Settle() {
    UpdateWindow(dialog_);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace velmora::bench
