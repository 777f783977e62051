// Browsers double: a simulated set of shell windows (browser and folder windows) with
// positions, addresses, enabled and visible states and quit events.
#include "tests/support/SimulatedBrowsers.h"

#include <algorithm>

namespace velmora::test {

std::shared_ptr<SimulatedBrowser> SimulatedBrowsers::Add(const std::string& program) {
    auto window =
        std::make_shared<SimulatedBrowser>(*this, desktop_, program, desktop_.AddWindow(program));
    open_.push_back(window);
    all_.push_back(window);
    return window;
}

std::shared_ptr<SimulatedBrowser> SimulatedBrowsers::OpenBrowser(const std::string& url, long left,
                                                                 long top, long width,
                                                                 long height) {
    auto window = Add(SimulatedBrowser::kBrowserProgram);
    window->SetUp(url, left, top, width, height);
    window->SetVisible(true);
    return window;
}

std::shared_ptr<SimulatedBrowser> SimulatedBrowsers::OpenFolder(const std::string& path) {
    auto window = Add(SimulatedBrowser::kShellProgram);
    window->SetUp(path, 0, 0, 640, 480);
    window->SetVisible(true);
    return window;
}

std::vector<std::shared_ptr<BrowserWindow>> SimulatedBrowsers::ShellWindows() {
    ++collectionReads_;
    if (!collectionAvailable_) return {};
    return {open_.begin(), open_.end()};
}

std::shared_ptr<BrowserWindow> SimulatedBrowsers::CreateBrowser() {
    if (!canCreate_) return nullptr;
    // A new browser starts hidden, blank, at the browser's default place.
    auto window = Add(SimulatedBrowser::kBrowserProgram);
    window->SetUp("", 50, 50, 800, 600);
    created_.push_back(window);
    return window;
}

void SimulatedBrowsers::YieldToMessageLoop() {
    const auto pending = open_;
    for (const auto& window : pending) {
        if (window->QuitRequested()) window->FinishClosing();
    }
}

std::vector<std::shared_ptr<SimulatedBrowser>> SimulatedBrowsers::OpenBrowsers() const {
    std::vector<std::shared_ptr<SimulatedBrowser>> browsers;
    for (const auto& window : open_) {
        if (window->Program() == SimulatedBrowser::kBrowserProgram) browsers.push_back(window);
    }
    return browsers;
}

void SimulatedBrowsers::Remove(const SimulatedBrowser* window) {
    open_.erase(std::remove_if(open_.begin(), open_.end(),
                               [window](const auto& open) { return open.get() == window; }),
                open_.end());
}

}  // namespace velmora::test
