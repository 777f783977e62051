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

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE point at two fresh, empty scratch keys (in the build
// folder's own Wine prefix) while the backend lives.
class Win32RegistryBackend : public RegistryBackend {
public:
    Win32RegistryBackend() {
        const std::string name = "Software\\VelmoraRegistryTests\\" +
                                 std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(++counter_);
        base_ = name;
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (name + "\\User").c_str(), &user_), 0);
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (name + "\\Machine").c_str(), &machine_), 0);
        EXPECT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user_), 0);
        EXPECT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_), 0);
    }
    ~Win32RegistryBackend() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(user_);
        RegCloseKey(machine_);
        DeleteTree(HKEY_CURRENT_USER, base_);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VelmoraRegistryTests");  // when empty
    }
    Win32RegistryBackend(const Win32RegistryBackend&) = delete;
    Win32RegistryBackend& operator=(const Win32RegistryBackend&) = delete;

    RegistryApi& Api() override { return api_; }

private:
    static inline int counter_ = 0;
    win32::Win32RegistryApi api_;
    std::string base_;
    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win, RegistrySuite,
                         ::testing::Values(RegistryBackendParam{
                             "Advapi32", [] { return std::make_unique<Win32RegistryBackend>(); }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace velmora::test
