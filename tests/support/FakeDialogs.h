// Dialogs double: answers from a script, every message recorded.
#pragma once

#include <deque>
#include <vector>

#include "platform/Dialogs.h"

namespace velmora::test {

class FakeDialogs : public Dialogs {
public:
    // Answers given in order; when the script runs out, Yes/No questions get No and
    // everything else Ok.
    void Script(std::vector<MsgAnswer> answers) { answers_.assign(answers.begin(), answers.end()); }

    MsgAnswer ShowMessage(const MessageRequest& request) override;
    void SetBusyPointer(bool busy) override { busy_ = busy; }
    // The next open-file dialog returns this choice (nothing: cancelled); every request kept.
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override {
        fileRequests.push_back(request);
        return fileChoice;
    }
    std::optional<std::string> fileChoice;
    std::vector<OpenFileRequest> fileRequests;

    const std::vector<MessageRequest>& Shown() const { return shown_; }
    bool Busy() const { return busy_; }

private:
    std::deque<MsgAnswer> answers_;
    std::vector<MessageRequest> shown_;
    bool busy_ = false;
};

}  // namespace velmora::test
