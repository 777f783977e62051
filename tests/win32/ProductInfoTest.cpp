// The product name and version come from Velmora.exe's own version resource; a module
// without one gives empty texts.
#include <gtest/gtest.h>

#include "platform/win32/Win32ProductInfo.h"
#include "app/win32/version.h"

namespace velmora::win32 {

TEST(Win32ProductInfo, ReadsTheProgramsVersionResourceAndNothingFromAModuleWithout) {
    Win32ProductInfo info(VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe");
    EXPECT_EQ(info.ProductName() + " " + info.Version(),
              VELMORA_PRODUCT_NAME " " VELMORA_VERSION_TEXT);
    Win32ProductInfo none("C:\\no\\such\\module.exe");
    EXPECT_EQ(none.ProductName() + none.Version(), "");
}

}  // namespace velmora::win32
