// Browsers double: a simulated set of shell windows (browser and folder windows) with
// positions, addresses, enabled and visible states and quit events.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Browsers.h"
#include "tests/support/SimulatedBrowser.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

// A quit asked of a browser completes at the next yield to the message loop, as a real
// browser window closes while its messages run: until then it stays in the collection.
// Each window's top-level handle lives in the given SimulatedWindowing, where its enabled
// and shown states are kept.
class SimulatedBrowsers : public Browsers {
public:
    explicit SimulatedBrowsers(SimulatedWindowing& desktop) : desktop_(desktop) {}

    // A browser window the user already has open, visible, at the given place and address.
    std::shared_ptr<SimulatedBrowser> OpenBrowser(const std::string& url, long left = 0,
                                                  long top = 0, long width = 640,
                                                  long height = 480);
    // A folder window of the shell (not a browser).
    std::shared_ptr<SimulatedBrowser> OpenFolder(const std::string& path);

    // Unavailable: always empty, like the collection under Wine. Can't create: CreateBrowser
    // gives nothing.
    void SetCollectionAvailable(bool available) { collectionAvailable_ = available; }
    void SetCanCreate(bool canCreate) { canCreate_ = canCreate; }

    std::vector<std::shared_ptr<BrowserWindow>> ShellWindows() override;
    std::shared_ptr<BrowserWindow> CreateBrowser() override;
    void YieldToMessageLoop() override;

    // What the simulation saw: the browser windows in the collection
    // now, in its order; every window the program created through CreateBrowser, in order.
    std::vector<std::shared_ptr<SimulatedBrowser>> OpenBrowsers() const;
    const std::vector<std::shared_ptr<SimulatedBrowser>>& Created() const { return created_; }
    int CollectionReads() const { return collectionReads_; }

    // Called by a window that has closed: it leaves the collection.
    void Remove(const SimulatedBrowser* window);

private:
    std::shared_ptr<SimulatedBrowser> Add(const std::string& program);

    SimulatedWindowing& desktop_;
    std::vector<std::shared_ptr<SimulatedBrowser>> open_;
    std::vector<std::shared_ptr<SimulatedBrowser>> created_;
    std::vector<std::shared_ptr<SimulatedBrowser>> all_;  // keeps closed windows alive
    bool collectionAvailable_ = true;
    bool canCreate_ = true;
    int collectionReads_ = 0;
};

}  // namespace velmora::test
