// Entry point of Velmora.exe: builds the Windows ports and hands over to the start-up.
#include <windows.h>

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

    StartUp(platform, [&platform] {
        win32::ShowMainWindow(platform);
    }).Run(instance.AnotherInstanceRunning(), commandLine ? commandLine : "");
    return 0;
}
