// Entry point of Velmora.exe: builds the Windows ports and hands over to the start-up.
#include <windows.h>

#include <string>

#include "app/StartUp.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Browsers.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "editor/win32/Win32Forms.h"
#include "platform/win32/Win32ProductInfo.h"
#include "mainwindow/win32/ShowMainWindow.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32ProfileReader.h"
#include "platform/win32/Win32RegistryApi.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SingleInstance.h"
#include "platform/win32/Win32Windowing.h"

namespace {

// Held for the program's whole run: a second start finds it taken.
constexpr char kInstanceName[] = "Tolvane.Velmora.Instance";

// Where a switch command's report goes: the standard output handle the caller gave (a pipe,
// a file), else the console the program was started from. Opened on the first line only, so
// a window program started from a shortcut never attaches to anything.
class ReportOutput {
public:
    ReportOutput() = default;
    ReportOutput(const ReportOutput&) = delete;
    ReportOutput& operator=(const ReportOutput&) = delete;
    ~ReportOutput() {
        if (console_ != INVALID_HANDLE_VALUE) CloseHandle(console_);
        if (attached_) FreeConsole();
    }

    void Write(const std::string& text) {
        HANDLE out = Target();
        DWORD written = 0;
        if (out != INVALID_HANDLE_VALUE && out != nullptr)
            WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }

private:
    HANDLE Target() {
        if (opened_) return target_;
        opened_ = true;
        HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
        if (given != nullptr && given != INVALID_HANDLE_VALUE &&
            GetFileType(given) != FILE_TYPE_UNKNOWN) {
            return target_ = given;
        }
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return target_;
        attached_ = true;
        console_ = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        return target_ = console_;
    }

    bool opened_ = false;
    bool attached_ = false;
    HANDLE target_ = INVALID_HANDLE_VALUE;
    HANDLE console_ = INVALID_HANDLE_VALUE;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    using namespace velmora;
    const win32::Win32SingleInstance instance(kInstanceName);

    win32::Win32RegistryApi registry;
    win32::Win32ProfileReader profile;
    win32::Win32FileSystem files;
    win32::Win32Dialogs dialogs;
    win32::Win32Shell shell;
    win32::Win32Browsers browsers;
    win32::Win32Windowing windowing;
    win32::Win32ProductInfo product;
    win32::Win32Pictures pictures;
    win32::Win32Clipboard clipboard;

    Platform platform;
    win32::Win32Forms forms(platform, GetModuleHandleA(nullptr));
    platform.registry = &registry;
    platform.profile = &profile;
    platform.files = &files;
    platform.dialogs = &dialogs;
    platform.shell = &shell;
    platform.browsers = &browsers;
    platform.windowing = &windowing;
    platform.product = &product;
    platform.pictures = &pictures;
    platform.forms = &forms;
    platform.clipboard = &clipboard;

    ReportOutput output;
    return StartUp(
               platform, [&platform] { win32::ShowMainWindow(platform); },
               [&output](const std::string& text) { output.Write(text); })
        .Run(instance.AnotherInstanceRunning(), commandLine ? commandLine : "");
}
