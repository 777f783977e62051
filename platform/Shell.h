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
    // Appends one entry to the system's application event log.
    virtual void LogApplicationEvent(const std::string& text) = 0;
};

}  // namespace velmora
