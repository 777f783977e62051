// The product name and version come from Velmora.exe's own version resource.
#include <gtest/gtest.h>

#include "platform/win32/Win32ProductInfo.h"

namespace velmora::win32 {

TEST(Win32ProductInfo, ReadsTheProgramsVersionResource) {
    Win32ProductInfo info(VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe");
    EXPECT_EQ(info.ProductName(), "Kelvary");
    EXPECT_EQ(info.Version(), "1.1.3");
}

TEST(Win32ProductInfo, AModuleWithoutVersionResourceGivesEmptyTexts) {
    Win32ProductInfo info("C:\\no\\such\\module.exe");
    EXPECT_EQ(info.ProductName(), "");
    EXPECT_EQ(info.Version(), "");
}

}  // namespace velmora::win32
