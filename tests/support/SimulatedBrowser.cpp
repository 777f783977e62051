// One simulated shell window (a browser or a folder window), as SimulatedBrowsers hands out.
#include "tests/support/SimulatedBrowser.h"

#include <utility>

#include "tests/support/SimulatedBrowsers.h"

namespace velmora::test {

SimulatedBrowser::SimulatedBrowser(SimulatedBrowsers& owner, SimulatedWindowing& desktop,
                                   std::string fullName, WindowHandle hwnd)
    : owner_(owner), desktop_(desktop), fullName_(std::move(fullName)), hwnd_(hwnd) {}

std::string SimulatedBrowser::FullName() {
    return Alive() ? fullName_ : std::string();
}
WindowHandle SimulatedBrowser::Hwnd() {
    return Alive() ? hwnd_ : 0;
}
bool SimulatedBrowser::Visible() {
    return Alive() && visible_;
}

void SimulatedBrowser::SetVisible(bool visible) {
    if (Alive()) visible_ = visible;
}

void SimulatedBrowser::Quit() {
    if (Alive()) quitRequested_ = true;
}

void SimulatedBrowser::Navigate(const std::string& url) {
    if (!Alive()) return;
    navigations_.push_back({"Navigate", url, std::nullopt});
    location_ = url;
}

void SimulatedBrowser::Navigate2(const std::string& url, std::optional<long> flags) {
    if (!Alive()) return;
    navigations_.push_back({"Navigate2", url, flags});
    location_ = url;
}

std::string SimulatedBrowser::LocationURL() {
    return Alive() ? location_ : std::string();
}
long SimulatedBrowser::Left() {
    return Alive() ? left_ : 0;
}
long SimulatedBrowser::Top() {
    return Alive() ? top_ : 0;
}
long SimulatedBrowser::Width() {
    return Alive() ? width_ : 0;
}
long SimulatedBrowser::Height() {
    return Alive() ? height_ : 0;
}

void SimulatedBrowser::SetLeft(long left) {
    if (!Alive()) return;
    left_ = left;
    positionWrites_.push_back("Left");
}

void SimulatedBrowser::SetTop(long top) {
    if (!Alive()) return;
    top_ = top;
    positionWrites_.push_back("Top");
}

void SimulatedBrowser::SetWidth(long width) {
    if (!Alive()) return;
    width_ = width;
    positionWrites_.push_back("Width");
}

void SimulatedBrowser::SetHeight(long height) {
    if (!Alive()) return;
    height_ = height;
    positionWrites_.push_back("Height");
}

void SimulatedBrowser::SetToolBar(bool shown) {
    if (Alive()) toolBar_ = shown;
}

void SimulatedBrowser::SetMenuBar(bool shown) {
    if (Alive()) menuBar_ = shown;
}

void SimulatedBrowser::SetStatusBar(bool shown) {
    if (Alive()) statusBar_ = shown;
}

void SimulatedBrowser::ShowBrowserBar(const std::string& classId, bool show) {
    if (Alive()) bars_[classId] = show;
}

void SimulatedBrowser::Connect(BrowserEvents* sink) {
    // Disconnecting works on a dead window too: the connection is the caller's side.
    if (sink == nullptr || Alive()) sink_ = sink;
}

std::optional<bool> SimulatedBrowser::BrowserBarShown(const std::string& classId) const {
    auto it = bars_.find(classId);
    if (it == bars_.end()) return std::nullopt;
    return it->second;
}

void SimulatedBrowser::SetUp(const std::string& location, long left, long top, long width,
                             long height) {
    location_ = location;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void SimulatedBrowser::UserCloses() {
    if (closed_) return;
    quitRequested_ = true;
    FinishClosing();
}

void SimulatedBrowser::MoveTop(long top) {
    if (closed_) return;
    top_ = top;
    if (BrowserEvents* sink = sink_) sink->WindowSetTop(top);
}

void SimulatedBrowser::FinishClosing() {
    if (closed_) return;
    // The browser announces its quit while its window still exists, then goes.
    if (BrowserEvents* sink = sink_) sink->OnQuit();
    closed_ = true;
    visible_ = false;
    desktop_.RemoveWindow(hwnd_);
    owner_.Remove(this);
}

}  // namespace velmora::test
