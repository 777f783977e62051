// The simulated ports the native tests of the programs run on, wired into `platform`, with
// the few seed and read helpers the tests share.
#pragma once

#include "platform/Platform.h"
#include "registry/cRegistry.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/SimulatedBrowsers.h"
#include "tests/support/SimulatedWindowing.h"
#include "browser/BrowserSettings.h"

namespace velmora::test {

using Bytes = std::vector<std::uint8_t>;

struct TestPlatform {
    void AddTheme(const std::string& path, const MemoryProfile::Keys& keys) {
        AddThemeFile(files, profile, path, keys);
    }
    // Text, a DWORD, or binary bytes (given without the spare last element WriteRegistry drops).
    void Seed(const std::string& key, const std::string& name, RegValue value,
              RegRoot root = kHkeyCurrentUser) {
        long kind = kRegSz;
        if (std::holds_alternative<std::int64_t>(value)) kind = kRegDword;
        if (auto* bytes = std::get_if<Bytes>(&value)) kind = kRegBinary, bytes->push_back(0);
        cRegistry(platform).WriteRegistry(root, key, name, kind, value);
    }
    std::string Read(const std::string& key, const std::string& name,
                     RegRoot root = kHkeyCurrentUser) {
        return cRegistry(platform).ReadRegistry(root, key, name);
    }
    Bytes ReadBytes(const std::string& key, const std::string& name) {
        Bytes bytes = cRegistry(platform).ReadRegistryByte(kHkeyCurrentUser, key, name);
        if (!bytes.empty()) bytes.pop_back();
        return bytes;
    }
    std::size_t Writes() const {
        return registry.Calls(RegCall::SetValueEx) + registry.Calls(RegCall::DeleteValue);
    }

    MemoryRegistry registry;
    MemoryFileSystem files;
    MemoryProfile profile;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeProductInfo product;
    SimulatedWindowing desktop;
    SimulatedBrowsers browsers{desktop};
    Platform platform{&registry, &profile, &files, &dialogs, &shell, &browsers, &desktop, &product};
};

}  // namespace velmora::test
