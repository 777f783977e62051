// The shell's "Open" verb and the application event log.
#include "platform/win32/Win32Shell.h"

#include <shellapi.h>

namespace velmora::win32 {

void Win32Shell::OpenDocument(const std::string& target) {
    ShellExecuteA(owner_, "Open", target.c_str(), nullptr, nullptr, 0);
}

void Win32Shell::LogApplicationEvent(const std::string& text) {
    HANDLE source = RegisterEventSourceA(nullptr, "Velmora");
    if (!source) return;
    const char* strings[] = {text.c_str()};
    ReportEventA(source, EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 1, 0, strings, nullptr);
    DeregisterEventSource(source);
}

}  // namespace velmora::win32
