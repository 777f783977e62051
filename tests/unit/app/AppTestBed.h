// The ports of the start-up and the one-shot actions, all simulated: registry, theme files,
// dialogs, shell and browser windows.
#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"
#include "registry/cRegistry.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/SimulatedBrowsers.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

// Dialogs that can change the world just before a box shows, as it may while one is up.
class HookedDialogs : public FakeDialogs {
public:
    MsgAnswer ShowMessage(const MessageRequest& request) override {
        if (beforeEach) beforeEach(request);
        return FakeDialogs::ShowMessage(request);
    }
    std::function<void(const MessageRequest&)> beforeEach;
};

struct AppTestBed {
    AppTestBed() {
        platform.registry = &registry;
        platform.profile = &profile;
        platform.files = &files;
        platform.dialogs = &dialogs;
        platform.shell = &shell;
        platform.browsers = &browsers;
        platform.windowing = &desktop;
        platform.product = &product;
    }
    // Adds or replaces a theme file whose theme section holds keys.
    void AddTheme(const std::string& path, const MemoryProfile::Keys& keys) {
        AddThemeFile(files, profile, path, keys);
    }
    std::string User(const std::string& key, const std::string& value) {
        return cRegistry(platform).ReadRegistry(kHkeyCurrentUser, key, value);
    }
    void Seed(const std::string& key, const std::string& value, const std::string& text) {
        cRegistry(platform).WriteRegistry(kHkeyCurrentUser, key, value, 1, text);
    }
    std::size_t Writes() const {
        return registry.Calls(RegCall::SetValueEx) + registry.Calls(RegCall::DeleteValue);
    }

    MemoryRegistry registry;
    MemoryFileSystem files;
    MemoryProfile profile;
    HookedDialogs dialogs;
    FakeShell shell;
    FakeProductInfo product;
    SimulatedWindowing desktop;
    SimulatedBrowsers browsers{desktop};
    Platform platform;
};

}  // namespace velmora::test
