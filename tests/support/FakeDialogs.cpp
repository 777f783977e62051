// Dialogs double: answers from a script, every message recorded.
#include "tests/support/FakeDialogs.h"

namespace velmora::test {

MsgAnswer FakeDialogs::ShowMessage(const MessageRequest& request) {
    shown_.push_back(request);
    if (!answers_.empty()) {
        const MsgAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    const bool question =
        request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel;
    return question ? MsgAnswer::No : MsgAnswer::Ok;
}

}  // namespace velmora::test
