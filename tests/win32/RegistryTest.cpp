// The registry suite on advapi32 under Wine (the unit tests run it on the in-memory registry).
// The predefined roots are redirected onto scratch keys for each test and restored after it.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/Win32RegistryApi.h"
#include "tests/support/RegistrySuite.h"

namespace velmora::test {

namespace {

// Deletes a key and everything below it through a real handle.
void DeleteTree(HKEY parent, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[512];
    while (RegEnumKeyA(key, 0, child, sizeof child) == ERROR_SUCCESS) DeleteTree(key, child);
    RegCloseKey(key);
    RegDeleteKeyA(parent, name.c_str());
}

// advapi32 with HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE pointing at two fresh, empty scratch
// keys (in the build folder's own Wine prefix) while it lives.
class ScratchRegistry : public win32::Win32RegistryApi {
public:
    ScratchRegistry() {
        static int made = 0;
        base_ = "Software\\VelmoraRegistryTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++made);
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\User").c_str(), &user_), 0);
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\Machine").c_str(), &machine_), 0);
        EXPECT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user_), 0);
        EXPECT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_), 0);
    }
    ~ScratchRegistry() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(user_);
        RegCloseKey(machine_);
        DeleteTree(HKEY_CURRENT_USER, base_);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VelmoraRegistryTests");  // when empty
    }
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

private:
    std::string base_;
    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
};

std::unique_ptr<RegistryApi> Advapi32() {
    return std::make_unique<ScratchRegistry>();
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win, RegistrySuite, ::testing::Values(&Advapi32),
                         [](const auto&) { return "Advapi32"; });

}  // namespace velmora::test
