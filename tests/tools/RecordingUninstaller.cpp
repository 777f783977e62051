// A stand-in for a theme's uninstaller: writes the command line it was started with to
// <itself>.log, so a test can see what the main window's Uninstall button ran.
#include <windows.h>

int main() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH - 4);
    if (length == 0 || length >= MAX_PATH - 4) return 1;
    lstrcatA(path, ".log");
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, line, lstrlenA(line), &written, nullptr);
    CloseHandle(file);
    return wrote ? 0 : 1;
}
