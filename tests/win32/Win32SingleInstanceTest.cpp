// The previous-instance test: a later holder of the name sees the first, and the name is
// free again once every holder has gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/Win32SingleInstance.h"

namespace velmora::win32 {
namespace {

TEST(Win32SingleInstance, LaterHoldersSeeTheFirstUntilEveryHolderHasGone) {
    const std::string name = "Velmora.Test.SingleInstance." + std::to_string(GetCurrentProcessId());
    {
        Win32SingleInstance first(name.c_str());
        EXPECT_FALSE(first.AnotherInstanceRunning());
        { Win32SingleInstance second(name.c_str()); }
        // The second holder going does not free the name while the first still holds it.
        Win32SingleInstance third(name.c_str());
        EXPECT_TRUE(third.AnotherInstanceRunning());
    }
    Win32SingleInstance later(name.c_str());
    EXPECT_FALSE(later.AnotherInstanceRunning());
}

}  // namespace
}  // namespace velmora::win32
