// Shell double: records the documents opened, the event log and the programs started.
#pragma once

#include <vector>

#include "platform/Shell.h"

namespace velmora::test {

struct FakeShell : Shell {
    void OpenDocument(const std::string& target) override { opened.push_back(target); }
    void LogApplicationEvent(const std::string& text) override { eventLog.push_back(text); }
    bool StartHidden(const std::string& commandLine) override {
        started.push_back(commandLine);
        return startSucceeds;
    }
    std::vector<std::string> opened, eventLog, started;
    bool startSucceeds = true;
};

}  // namespace velmora::test
