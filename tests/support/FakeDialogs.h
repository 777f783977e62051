// Dialogs double: answers from a script, every message and file request recorded.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/Dialogs.h"

namespace velmora::test {

class FakeDialogs : public Dialogs {
public:
    // Answers in order; when they run out, questions get No and anything else Ok.
    void Script(std::vector<MsgAnswer> next) { answers.assign(next.begin(), next.end()); }
    MsgAnswer ShowMessage(const MessageRequest& request) override {
        if (beforeEach) beforeEach(request);  // the world may change while a box is up
        shown.push_back(request);
        const bool question = request.buttons >= MsgButtons::YesNo;
        if (answers.empty()) return question ? MsgAnswer::No : MsgAnswer::Ok;
        const MsgAnswer answer = answers.front();
        return answers.pop_front(), answer;
    }
    void SetBusyPointer(bool on) override { busy = on; }
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override {
        return fileRequests.push_back(request), fileChoice;  // nothing: cancelled
    }
    const std::vector<MessageRequest>& Shown() const { return shown; }

    std::deque<MsgAnswer> answers;
    std::vector<MessageRequest> shown;
    std::function<void(const MessageRequest&)> beforeEach;
    bool busy = false;
    std::optional<std::string> fileChoice;
    std::vector<OpenFileRequest> fileRequests;
};

}  // namespace velmora::test
