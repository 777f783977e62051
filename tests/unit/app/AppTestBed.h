// The ports of the one-shot actions, all simulated: an in-memory registry, theme files
// that the profile reading sees, recorded dialogs and shell, simulated browser windows.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "registry/cRegistry.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/SimulatedBrowsers.h"
#include "tests/support/SimulatedWindowing.h"
#include "tests/unit/app/HookedDialogs.h"
#include "tests/unit/app/ThemeFiles.h"

namespace velmora::test {

struct AppTestBed {
    AppTestBed() {
        platform.registry = &registry;
        platform.profile = &files;
        platform.files = &files;
        platform.dialogs = &dialogs;
        platform.shell = &shell;
        platform.browsers = &browsers;
        platform.windowing = &desktop;
        platform.product = &product;
    }

    // A value as the program's registry class reads it ("Not Found" when missing).
    std::string Read(RegRoot root, const std::string& key, const std::string& value) {
        return cRegistry(platform).ReadRegistry(root, key, value);
    }

    MemoryRegistry registry;
    ThemeFiles files;
    HookedDialogs dialogs;
    FakeShell shell;
    FakeProductInfo product;
    SimulatedWindowing desktop;
    SimulatedBrowsers browsers{desktop};
    Platform platform;
};

}  // namespace velmora::test
