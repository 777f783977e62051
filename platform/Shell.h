// Port: the shell's document opening and the application event log.
#pragma once

#include <string>

namespace velmora {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a page or document with the verb "Open", shown normally: no parameters, no
    // working folder. The outcome is not reported. Callers hand it their own pages and web
    // addresses only (see theme/WebAddress.h).
    virtual void OpenDocument(const std::string& target) = 0;
    // Starts a command line as a separate program with a hidden window, without waiting for
    // it; false when it could not be started.
    virtual bool StartHidden(const std::string& commandLine) = 0;
    // Appends one entry to the system's application event log.
    virtual void LogApplicationEvent(const std::string& text) = 0;
};

}  // namespace velmora
