// Runs the setup programs, their uninstallers and the shell's commands as a user or the
// program would, and waits for what they leave running.
#include "tests/installer/Commands.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <vector>

#include "tests/installer/OwnedHandle.h"

namespace velmora::setup {

namespace {

bool IsUninstaller(const char* exeName) {
    // uninstall.exe itself, and the copy it runs from the temp folder (Un*.exe, Au_.exe).
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, exeName, 2, "un", 2) == CSTR_EQUAL ||
           lstrcmpiA(exeName, "Au_.exe") == 0;
}

// Whether an uninstaller runs; with end, ends every one that does.
bool Uninstallers(bool end) {
    OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        if (!IsUninstaller(entry.szExeFile)) continue;
        found = true;
        if (!end) break;
        OwnedHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
        if (process.valid()) TerminateProcess(process.get(), 1);
    }
    return found;
}

}  // namespace

int RunAndWait(const std::string& commandLine, DWORD timeoutMs) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info))
        return -1;
    CloseHandle(info.hThread);
    OwnedHandle process(info.hProcess);
    if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}

bool WaitForUninstallers(DWORD timeoutMs) {
    if (WaitUntil([] { return !Uninstallers(false); }, timeoutMs)) return true;
    Uninstallers(true);
    return false;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return condition();
        Sleep(100);
    }
    return true;
}

std::string ProcessImage(DWORD processId) {
    OwnedHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    char path[MAX_PATH] = {};
    if (!process.valid() || !GetModuleFileNameExA(process.get(), nullptr, path, MAX_PATH))
        return "";
    return path;
}

}  // namespace velmora::setup
