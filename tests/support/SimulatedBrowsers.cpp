// Browsers double: simulated shell windows with places, addresses and quit events.
#include "tests/support/SimulatedBrowsers.h"

#include <algorithm>

namespace velmora::test {

void SimulatedBrowser::UserCloses() {
    if (closed) return;
    quitRequested = true;
    // The quit is announced while the window still exists.
    if (sink) sink->OnQuit();
    closed = true;
    owner.desktop[hwnd].gone = true;
    auto& open = owner.open;
    const auto it = std::find_if(open.begin(), open.end(), [this](auto& w) { return w.get() == this; });
    if (it == open.end()) return;
    owner.closed.push_back(*it);  // kept alive for the tests' views
    open.erase(it);
}

std::shared_ptr<SimulatedBrowser> SimulatedBrowsers::Add(const std::string& program,
                                                         const std::string& url, long left,
                                                         long top, long width, long height) {
    auto window = std::make_shared<SimulatedBrowser>(*this, program, desktop.AddWindow());
    window->location = url;
    window->left = left, window->top = top, window->width = width, window->height = height;
    open.push_back(window);
    return window;
}

std::shared_ptr<SimulatedBrowser> SimulatedBrowsers::OpenBrowser(const std::string& url, long left,
                                                                 long top, long width,
                                                                 long height) {
    auto window = Add(kBrowserProgram, url, left, top, width, height);
    window->visible = true;
    return window;
}

std::shared_ptr<SimulatedBrowser> SimulatedBrowsers::OpenFolder(const std::string& path) {
    auto window = Add("C:\\WINDOWS\\Explorer.EXE", path, 0, 0, 640, 480);
    window->visible = true;
    return window;
}

std::vector<std::shared_ptr<BrowserWindow>> SimulatedBrowsers::ShellWindows() {
    ++reads;
    std::vector<std::shared_ptr<BrowserWindow>> windows;
    for (const auto& window : open) {
        if (window->listed) windows.push_back(window);
    }
    return windows;
}

std::shared_ptr<BrowserWindow> SimulatedBrowsers::CreateBrowser() {
    if (!canCreate) return nullptr;
    created.push_back(Add(kBrowserProgram, "", 50, 50, 800, 600));
    return created.back();
}

void SimulatedBrowsers::YieldToMessageLoop() {
    for (const auto& window : std::vector(open)) {
        if (window->quitRequested) window->UserCloses();
    }
}

}  // namespace velmora::test
