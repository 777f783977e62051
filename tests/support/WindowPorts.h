// The doubles on a window's own side: the real window (FormHost), and one recorder for the
// pictures, the clip control, the clipboard and the other windows it opens.
#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/ClipControl.h"
#include "platform/Clipboard.h"
#include "platform/FormHost.h"
#include "platform/Forms.h"
#include "platform/Pictures.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

struct FakeFormHost : FormHost {
    explicit FakeFormHost(SimulatedWindowing& desktop) : handle(desktop.AddWindow()) {}  // its band
    WindowHandle Handle() override { return handle; }
    void SetCaption(const std::string& text) override { caption = text; }
    int ScreenWidth() override { return 1024; }
    int ScreenHeight() override { return 768; }
    void CenterOnScreen() override { centred = true; }
    void SetTop(int value) override { top = value; }
    void BringToFront() override { ++broughtToFront; }
    void SetFocus(const ui::Control& control) override { focus = &control; }
    void PopupMenu(const ui::MenuItem& topMenu) override { popup = &topMenu; }
    void Close() override { ++closes, unload ? unload() : void(); }  // the unload handling runs
    void EndProgram() override { ended = true; }

    WindowHandle handle;
    std::function<void()> unload;
    std::string caption;
    bool centred = false, ended = false;
    int top = -1, broughtToFront = 0, closes = 0;
    const ui::Control* focus = nullptr;
    const ui::MenuItem* popup = nullptr;  // the last pop-up menu opened
};

struct NamedPicture : Picture {
    NamedPicture(std::string name, int w, int h) : name(std::move(name)), w(w), h(h) {}
    int Width() const override { return w; }
    int Height() const override { return h; }
    std::string name;
    int w, h;
};

// Pictures are named by their path ("picAni", "picXP": the built-in strips); `log` holds the
// clip control's calls, the clipboard's copies and the windows opened, in order.
struct RecordingPorts : Pictures, ClipControl, Clipboard, Forms {
    PicturePtr LoadPicture(const std::string& path) override {
        return files.count(path) ? Make(path, files[path].first, files[path].second) : nullptr;
    }
    PicturePtr EmptyPicture() override { return Make("(empty)", 0, 0); }
    PicturePtr BuiltIn(BuiltInStrip strip) override {
        return Make(strip == BuiltInStrip::XP ? "picXP" : "picAni", 22, 880);
    }
    void SetAniPicture(PicturePtr picture) override { log += Name(picture) + " "; }
    void Play() override { log += "Play "; }
    void SetVisible(bool visible) override { log += visible ? "Show " : "Hide "; }
    bool CopyPicture(const Picture& picture) override {
        return log += "copy " + static_cast<const NamedPicture&>(picture).name + " ", accepts;
    }
    void ShowThemeEditor(const std::string& file, WindowHandle over) override {
        log += "editor " + file + " ", owners.push_back(over);
    }
    void ShowAbout(WindowHandle over) override { log += "about ", owners.push_back(over); }
    static PicturePtr Make(const std::string& name, int w, int h) {
        return std::make_shared<NamedPicture>(name, w, h);
    }
    static std::string Name(const PicturePtr& picture) {
        return picture ? static_cast<const NamedPicture&>(*picture).name : "(none)";
    }

    std::map<std::string, std::pair<int, int>> files;  // loadable pictures and their sizes
    std::string log;
    bool accepts = true;  // the clipboard takes a copy
    std::vector<WindowHandle> owners;  // of the windows opened
};

}  // namespace velmora::test
