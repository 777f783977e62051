// The registry suite on advapi32 under Wine (the unit tests run it on the in-memory registry).
// The predefined roots are redirected onto scratch keys for each test and restored after it.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <memory>
#include <string>

#include "platform/win32/Win32RegistryApi.h"
#include "tests/support/RegistrySuite.h"

namespace velmora::test {

namespace {

using namespace std::string_literals;

// advapi32 with HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE pointing at two fresh, empty scratch
// keys (in the build folder's own Wine prefix) while it lives.
class ScratchRegistry : public win32::Win32RegistryApi {
public:
    ScratchRegistry() {
        SHDeleteKeyA(HKEY_CURRENT_USER, kBase);  // what a run that crashed left
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (kBase + "\\User"s).c_str(), &user_), 0);
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (kBase + "\\Machine"s).c_str(), &machine_), 0);
        EXPECT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user_), 0);
        EXPECT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_), 0);
    }
    ~ScratchRegistry() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(user_);
        RegCloseKey(machine_);
        SHDeleteKeyA(HKEY_CURRENT_USER, kBase);
    }

private:
    static constexpr char kBase[] = "Software\\VelmoraRegistryTests";
    HKEY user_ = nullptr, machine_ = nullptr;
};

std::unique_ptr<RegistryApi> Advapi32() { return std::make_unique<ScratchRegistry>(); }

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win, RegistrySuite, ::testing::Values(&Advapi32),
                         [](const auto&) { return "Advapi32"; });

}  // namespace velmora::test
