// Shared set-up of the apply tests: theme files and registry in memory, short ways to seed
// and read browser settings.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/unit/app/AppTestBed.h"
#include "theme/clsVelmora.h"

namespace velmora::test {

class ApplyFixture : public ::testing::Test, protected AppTestBed {
protected:
    static constexpr char kThemeFile[] = "C:\\Themes\\Blue\\blue.vlr";
    static constexpr char kIe[] = "Software\\Microsoft\\Internet Explorer";
    static constexpr char kToolbar[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
    static constexpr char kWebBrowser[] =
        "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
    static constexpr char kShellBrowser[] =
        "Software\\Microsoft\\Internet Explorer\\Toolbar\\ShellBrowser";
    static constexpr char kExplorer[] = "Software\\Microsoft\\Internet Explorer\\Toolbar\\Explorer";
    static constexpr char kMain[] = "Software\\Microsoft\\Internet Explorer\\Main";
    static constexpr char kMark[] = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";

    void TearDown() override {
        // Every key opened is closed again, and nothing tripped the error trap.
        EXPECT_EQ(registry.OpenHandles(), 0u);
        EXPECT_TRUE(dialogs.Shown().empty());
    }

    void WriteTheme(const MemoryProfile::Keys& keys, const std::string& path = kThemeFile) {
        AddThemeFile(files, profile, path, keys);
    }
    bool Apply(const std::string& path = kThemeFile) { return theme_.ApplyTheme(path); }

    std::string Read(RegRoot root, const std::string& key, const std::string& name) {
        return cRegistry(platform).ReadRegistry(root, key, name);
    }
    std::string Machine(const std::string& key, const std::string& name) {
        return Read(kHkeyLocalMachine, key, name);
    }
    void Seed(RegRoot root, const std::string& key, const std::string& name,
              const std::string& text) {
        cRegistry(platform).WriteRegistry(root, key, name, 1, text);
    }
    // The subkey names of key as stored (the final "Not Found" dropped).
    std::vector<std::string> Subkeys(RegRoot root, const std::string& key) {
        std::vector<std::string> names = cRegistry(platform).GetAllKeys(root, key);
        names.pop_back();
        return names;
    }

    // A toolbar layout of size bytes, each byte its own offset, except byte 16.
    static std::vector<std::uint8_t> Layout(std::size_t size, std::uint8_t byte16) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i);
        if (size > 16) bytes[16] = byte16;
        return bytes;
    }
    void SeedLayout(const std::string& key, const std::string& name,
                    std::vector<std::uint8_t> bytes) {
        bytes.push_back(0);  // the spare last element, which WriteRegistry leaves out
        cRegistry(platform).WriteRegistry(kHkeyCurrentUser, key, name, 3, bytes);
    }
    // The stored bytes of a binary value; empty when it is missing.
    std::vector<std::uint8_t> StoredLayout(const std::string& key, const std::string& name) {
        auto bytes = cRegistry(platform).ReadRegistryByte(kHkeyCurrentUser, key, name);
        if (!bytes.empty()) bytes.pop_back();
        return bytes;
    }
    std::size_t Writes() const { return registry.Calls(RegCall::SetValueEx); }

    clsVelmora theme_{platform};
};

}  // namespace velmora::test
