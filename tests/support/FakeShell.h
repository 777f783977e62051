// Shell double: records the documents opened and the event log entries.
#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace velmora::test {

class FakeShell : public Shell {
public:
    void OpenDocument(const std::string& target) override { opened.push_back(target); }
    void LogApplicationEvent(const std::string& text) override { eventLog.push_back(text); }
    bool StartHidden(const std::string& commandLine) override {
        started.push_back(commandLine);
        return startSucceeds;
    }

    std::vector<std::string> opened;
    std::vector<std::string> eventLog;
    std::vector<std::string> started;
    bool startSucceeds = true;
};

}  // namespace velmora::test
