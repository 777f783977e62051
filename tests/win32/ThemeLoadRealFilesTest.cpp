// LoadVelmora through the real ports on real files: the sample themes and bad input, each
// loaded once with GetPrivateProfileStringA and once with the portable reader.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileReader.h"
#include "tests/win32/ThemeTempFolder.h"
#include "theme/PortableProfileReader.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace velmora::win32::test {
namespace {

class ThemeLoadRealFilesTest : public ::testing::Test {
protected:
    ThemeLoadRealFilesTest() {
        realPorts_.files = &files_;
        realPorts_.profile = &real_;
        portablePorts_.files = &files_;
        portablePorts_.profile = &portable_;
    }

    // Loads path with both readers; both must succeed and agree on every property.
    clsVelmora LoadBoth(const std::string& path) {
        clsVelmora byReal(realPorts_);
        clsVelmora byPortable(portablePorts_);
        EXPECT_TRUE(byReal.LoadVelmora(path)) << path;
        EXPECT_TRUE(byPortable.LoadVelmora(path)) << path;
        for (const ThemeFileKey& key : ThemeFileKeys()) {
            EXPECT_EQ((byReal.*key.read)(), (byPortable.*key.read)()) << key.name << " " << path;
        }
        EXPECT_EQ(byReal.InstallDir(), byPortable.InstallDir());
        return byReal;
    }

    ThemeTempFolder folder_;
    Win32FileSystem files_;
    Win32ProfileReader real_;
    PortableProfileReader portable_{files_};
    Platform realPorts_;
    Platform portablePorts_;
};

TEST_F(ThemeLoadRealFilesTest, TheSampleThemesLoadAlikeThroughBothReaders) {
    int loaded = 0;
    for (const char* name : {"Ocean", "Autumn", "Aqua", "Blue"}) {
        const std::string folder = std::string(VELMORA_SOURCE_DIR) + "\\themes\\" + name;
        const std::string path = folder + "\\" + name + ".vlr";
        if (!files_.IsNormalFile(path)) continue;
        const clsVelmora theme = LoadBoth(path);
        EXPECT_EQ(theme.InstallDir(), folder);
        EXPECT_NE(theme.ThemeTitle(), "[Untitled]") << path;
        EXPECT_EQ(theme.BackBitmap().rfind(folder, 0), 0u) << theme.BackBitmap();
        ++loaded;
    }
    EXPECT_GT(loaded, 0);
}

TEST_F(ThemeLoadRealFilesTest, BadFilesLoadByTheRules) {
    const clsVelmora empty = LoadBoth(folder_.Write("empty.vlr", ""));
    EXPECT_EQ(empty.ThemeTitle(), "[Untitled]");

    std::string junk(200000, '\0');
    std::uint32_t seed = 7;
    for (char& c : junk) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    LoadBoth(folder_.Write("junk.vlr", junk));
    const clsVelmora inJunk =
        LoadBoth(folder_.Write("injunk.vlr", junk + "\r\n[Velmora]\r\nThemeTitle=Junk\r\n" + junk));
    EXPECT_EQ(inJunk.ThemeTitle(), "Junk");

    const clsVelmora longLine =
        LoadBoth(folder_.Write("long.vlr", "[Velmora]\r\nDescription=" + std::string(100000, 'd') +
                                               "\r\nThemeTitle=Long\r\n"));
    EXPECT_EQ(longLine.Description(), std::string(254, 'd'));
    EXPECT_EQ(longLine.ThemeTitle(), "Long");

    std::string big = "[Velmora]\r\nAuthor=First\r\n";
    const std::string filler = "Filler=" + std::string(90, 'f') + "\r\n";
    while (big.size() < 10 * 1024 * 1024) big += filler;
    big += "ThemeTitle=Big\r\n";
    const clsVelmora huge = LoadBoth(folder_.Write("huge.vlr", big));
    EXPECT_EQ(huge.ThemeTitle(), "Big");
    EXPECT_EQ(huge.Author(), "First");
}

}  // namespace
}  // namespace velmora::win32::test
