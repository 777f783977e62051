// The shell's "Open" verb and the application event log.
#pragma once

#include "platform/Shell.h"

namespace velmora::win32 {

class Win32Shell : public Shell {
public:
    void OpenDocument(const std::string& target) override;
    void LogApplicationEvent(const std::string& text) override;
    bool StartHidden(const std::string& commandLine) override;
};

}  // namespace velmora::win32
