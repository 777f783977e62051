// The apply through real advapi32 and kernel32 under Wine: the Ocean sample is applied with
// both roots redirected onto scratch keys, and every value is read back.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileReader.h"
#include "platform/win32/Win32RegistryApi.h"
#include "tests/e2e/OceanSample.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

const std::string kScratch =
    "Software\\VelmoraApplyThemeTests\\" + std::to_string(GetCurrentProcessId());

class Win32ApplyThemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (kScratch + "\\User").c_str(), &user_), 0);
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (kScratch + "\\Machine").c_str(), &machine_), 0);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user_), 0);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_), 0);
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(user_);
        RegCloseKey(machine_);
        probe::DeleteTree(HKEY_CURRENT_USER, "Software\\VelmoraApplyThemeTests");
    }

    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
};

TEST_F(Win32ApplyThemeTest, TheOceanSampleLandsInEveryValueItNames) {
    win32::Win32RegistryApi registry;
    win32::Win32FileSystem files;
    win32::Win32ProfileReader profile;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeProductInfo product;
    Platform platform;
    platform.registry = &registry;
    platform.files = &files;
    platform.profile = &profile;
    platform.dialogs = &dialogs;
    platform.shell = &shell;
    platform.product = &product;

    ocean::PrepareRegistry();
    ASSERT_TRUE(clsVelmora(platform).ApplyTheme(ocean::File()));
    ocean::ExpectApplied();
    EXPECT_TRUE(dialogs.Shown().empty());  // nothing tripped the registry class's error trap
}

}  // namespace
}  // namespace velmora::test
