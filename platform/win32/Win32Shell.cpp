// The shell's "Open" verb and the application event log.
#include "platform/win32/Win32Shell.h"

#include <shellapi.h>

#include <vector>

namespace velmora::win32 {

void Win32Shell::OpenDocument(const std::string& target) {
    ShellExecuteA(owner_, "Open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::LogApplicationEvent(const std::string& text) {
    HANDLE source = RegisterEventSourceA(nullptr, "Velmora");
    if (!source) return;
    const char* strings[] = {text.c_str()};
    ReportEventA(source, EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 1, 0, strings, nullptr);
    DeregisterEventSource(source);
}

bool Win32Shell::StartHidden(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace velmora::win32
