// The real window's side of the editor and About windows, recorded; its handle lives in a
// SimulatedWindowing so that the topmost band can be seen.
#pragma once

#include <string>

#include "platform/FormHost.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

class EditorHost : public FormHost {
public:
    explicit EditorHost(SimulatedWindowing& desktop) : handle_(desktop.AddWindow()) {}

    WindowHandle Handle() override { return handle_; }
    void SetCaption(const std::string& text) override { caption = text; }
    int ScreenWidth() override { return 1024; }
    int ScreenHeight() override { return 768; }
    void CenterOnScreen() override {}
    void SetTop(int) override {}
    void BringToFront() override {}
    void SetFocus(const ui::Control&) override {}
    void PopupMenu(const ui::MenuItem&) override {}
    void Close() override { ++closes; }
    void EndProgram() override {}

    std::string caption;
    int closes = 0;

private:
    WindowHandle handle_;
};

}  // namespace velmora::test
