// Dialogs double that can change the world just before each box shows.
#pragma once

#include <functional>

#include "tests/support/FakeDialogs.h"

namespace velmora::test {

// Dialogs that can act between the questions, as the world may change while a box is up.
class HookedDialogs : public FakeDialogs {
public:
    MsgAnswer ShowMessage(const MessageRequest& request) override {
        if (beforeEach) beforeEach(request);
        return FakeDialogs::ShowMessage(request);
    }
    std::function<void(const MessageRequest&)> beforeEach;
};

}  // namespace velmora::test
