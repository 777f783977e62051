// The shell's "Open" verb and the application event log.
#pragma once

#include <windows.h>

#include "platform/Shell.h"

namespace velmora::win32 {

class Win32Shell : public Shell {
public:
    // `owner` owns any message the shell shows while opening (none: the desktop).
    void SetOwner(HWND owner) { owner_ = owner; }
    void OpenDocument(const std::string& target) override;
    void LogApplicationEvent(const std::string& text) override;
    bool StartHidden(const std::string& commandLine) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace velmora::win32
