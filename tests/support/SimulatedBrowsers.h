// Browsers double: the shell's collection of open windows, browser and folder windows.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/Browsers.h"
#include "tests/support/SimulatedBrowser.h"

namespace velmora::test {

// A window asked to quit closes, and leaves the collection, at the next yield to the
// message loop, as a real browser window closes while its messages run.
class SimulatedBrowsers : public Browsers {
public:
    std::shared_ptr<SimulatedBrowser> OpenBrowser() {
        return Open("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
    }
    std::shared_ptr<SimulatedBrowser> OpenFolder() { return Open("C:\\WINDOWS\\Explorer.EXE"); }

    std::vector<std::shared_ptr<BrowserWindow>> ShellWindows() override {
        ++collectionReads;
        return {open_.begin(), open_.end()};
    }
    std::shared_ptr<BrowserWindow> CreateBrowser() override { return nullptr; }
    void YieldToMessageLoop() override {
        ++yields;
        for (const auto& window : open_) {
            if (window->quitRequested) window->closed = true;
        }
        open_.erase(std::remove_if(open_.begin(), open_.end(),
                                   [](const auto& window) { return window->closed; }),
                    open_.end());
    }

    int collectionReads = 0;
    int yields = 0;

private:
    std::shared_ptr<SimulatedBrowser> Open(const char* program) {
        open_.push_back(std::make_shared<SimulatedBrowser>(program));
        return open_.back();
    }

    std::vector<std::shared_ptr<SimulatedBrowser>> open_;
};

}  // namespace velmora::test
