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

    std::vector<std::string> opened;
    std::vector<std::string> eventLog;
};

}  // namespace velmora::test
