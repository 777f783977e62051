// One simulated shell window (a browser or a folder window), as SimulatedBrowsers hands out.
#include "tests/support/SimulatedBrowser.h"

#include <utility>

#include "tests/support/SimulatedBrowsers.h"

namespace velmora::test {

SimulatedBrowser::SimulatedBrowser(SimulatedBrowsers& owner, SimulatedWindowing& desktop,
                                   std::string fullName, WindowHandle hwnd)
    : owner_(owner), desktop_(desktop), fullName_(std::move(fullName)), hwnd_(hwnd) {}

void SimulatedBrowser::Go(const char* method, const std::string& url, std::optional<long> flags) {
    if (!Alive()) return;
    navigations_.push_back({method, url, flags});
    location_ = url;
}

void SimulatedBrowser::Place(const char* member, long& field, long value) {
    if (!Alive()) return;
    field = value;
    positionWrites_.push_back(member);
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
