// Form host double: the real window's side of a window object, recorded; its handle lives
// in a SimulatedWindowing so that z-order calls can be seen.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/FormHost.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

class FakeFormHost : public FormHost {
public:
    explicit FakeFormHost(SimulatedWindowing& desktop) : handle_(desktop.AddWindow()) {}

    WindowHandle Handle() override { return handle_; }
    void SetCaption(const std::string& text) override { caption = text; }
    int ScreenWidth() override { return 1024; }
    int ScreenHeight() override { return 768; }
    void CenterOnScreen() override { centred = true; }
    void SetTop(int value) override { top = value; }
    void BringToFront() override { ++broughtToFront; }
    void SetFocus(const ui::Control& control) override { focus = &control; }
    void PopupMenu(const ui::MenuItem& topMenu) override { popups.push_back(&topMenu); }
    // As the real window does: the unload handling runs, then the window is gone.
    void Close() override {
        ++closes;
        if (unload) unload();
    }
    void EndProgram() override { ended = true; }

    std::function<void()> unload;
    std::string caption;
    bool centred = false, ended = false;
    int top = -1, broughtToFront = 0, closes = 0;
    const ui::Control* focus = nullptr;
    std::vector<const ui::MenuItem*> popups;

private:
    WindowHandle handle_;
};

}  // namespace velmora::test
