// Port: the shell's document opening and the application event log.
#pragma once

#include <string>

namespace velmora {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a page or document with the verb "Open": no parameters, no working folder,
    // show command 0. The outcome is not reported.
    virtual void OpenDocument(const std::string& target) = 0;
    // Starts a command line as a separate program with a hidden window, without waiting for
    // it; false when it could not be started.
    virtual bool StartHidden(const std::string& commandLine) = 0;
    // Appends one entry to the system's application event log.
    virtual void LogApplicationEvent(const std::string& text) = 0;
};

}  // namespace velmora
