// The previous-instance test: a second holder of the name sees the first, and the name is
// free again once every holder has gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/Win32SingleInstance.h"

namespace velmora::win32 {
namespace {

std::string UniqueName() {
    return "Velmora.Test.SingleInstance." + std::to_string(GetCurrentProcessId());
}

TEST(Win32SingleInstance, TheSecondHolderSeesTheFirst) {
    const std::string name = UniqueName();
    Win32SingleInstance first(name.c_str());
    EXPECT_FALSE(first.AnotherInstanceRunning());
    {
        Win32SingleInstance second(name.c_str());
        EXPECT_TRUE(second.AnotherInstanceRunning());
    }
    // The second holder going does not free the name while the first still holds it.
    Win32SingleInstance third(name.c_str());
    EXPECT_TRUE(third.AnotherInstanceRunning());
}

TEST(Win32SingleInstance, TheNameIsFreeAgainWhenEveryHolderHasGone) {
    const std::string name = UniqueName() + ".again";
    { Win32SingleInstance first(name.c_str()); }
    Win32SingleInstance later(name.c_str());
    EXPECT_FALSE(later.AnotherInstanceRunning());
}

}  // namespace
}  // namespace velmora::win32
