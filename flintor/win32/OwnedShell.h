// The shell's "Open" verb on behalf of one window (the About box), which owns any message
// the shell shows.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "platform/Shell.h"

namespace velmora::flintor::win32 {

class OwnedShell : public Shell {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    // No parameters, no working folder, show command 0; the result is not examined.
    void OpenDocument(const std::string& target) override {
        ShellExecuteA(owner_, "Open", target.c_str(), nullptr, nullptr, 0);
    }
    void LogApplicationEvent(const std::string&) override {}
    bool StartHidden(const std::string&) override { return false; }

private:
    HWND owner_ = nullptr;
};

}  // namespace velmora::flintor::win32
