// The real GetPrivateProfileStringA against the measured cases, the portable reader against it
// on a corpus of tricky and sample theme files, and LoadVelmora through both on bad files.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileReader.h"
#include "tests/support/ProfileReaderCases.h"
#include "tests/support/ThemeFileGenerator.h"
#include "tests/win32/ThemeTempFolder.h"
#include "theme/PortableProfileReader.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace velmora::win32::test {
namespace {

using namespace velmora::test;

// Printable form of a text for failure messages: bytes outside ASCII as \xNN.
std::string Shown(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string shown;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            shown += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
        }
    }
    return shown.size() > 300 ? shown.substr(0, 300) + "..." : shown;
}

class ProfileReaderTest : public ::testing::Test {
protected:
    ProfileReaderTest() {
        realPorts_.files = portablePorts_.files = &files_;
        realPorts_.profile = &real_;
        portablePorts_.profile = &portable_;
    }

    // Reads with both readers; they must agree byte for byte. Reports the first 20 differences.
    void Compare(const std::string& section, const std::string& key, const std::string& fallback,
                 std::size_t size, const std::string& path, const std::string& file) {
        const std::string real = real_.ReadString(section, key, fallback, size, path);
        const std::string portable = portable_.ReadString(section, key, fallback, size, path);
        if (real != portable && ++differences_ <= 20) {
            ADD_FAILURE() << path << " [" << Shown(section) << "] " << Shown(key) << " size "
                          << size << " default \"" << fallback << "\": real \"" << Shown(real)
                          << "\", portable \"" << Shown(portable) << "\"\n  file: " << Shown(file);
        }
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
    Win32ProfileReader real_;
    Win32FileSystem files_;
    PortableProfileReader portable_{files_};
    Platform realPorts_;
    Platform portablePorts_;
    int differences_ = 0;
};

TEST_F(ProfileReaderTest, TheRealFunctionReadsEveryCaseAsMeasured) {
    int index = 0;
    for (const ProfileReaderCase& c : ProfileReaderCases()) {
        const std::string path = folder_.Write("case" + std::to_string(index++) + ".ini", c.file);
        EXPECT_EQ(Shown(real_.ReadString(c.section, c.key, c.defaultValue, c.bufferSize, path)),
                  Shown(c.expected))
            << c.what;
    }
}

TEST_F(ProfileReaderTest, BothReadersAgreeOnEveryKeyOfHandWrittenAndGeneratedThemeFiles) {
    std::vector<std::string> keys = OddKeyNames();
    for (const ThemeFileKey& key : ThemeFileKeys()) keys.push_back(key.name);
    // A fixed seed keeps the corpus the same from run to run; VELMORA_CORPUS_SEED explores
    // other corpora by hand.
    const char* seed = std::getenv("VELMORA_CORPUS_SEED");
    std::vector<std::string> corpus = GenerateThemeFiles(
        seed ? static_cast<std::uint32_t>(std::atoi(seed)) : 20240611u, 160, 200);
    for (const ProfileReaderCase& c : ProfileReaderCases()) corpus.push_back(c.file);
    for (const char* name : {"Ocean", "Autumn", "Aqua", "Blue"}) {  // the sample themes
        const auto sample = files_.ReadFile(std::string(VELMORA_SOURCE_DIR) + "\\themes\\" + name +
                                            "\\" + name + ".vlr");
        if (sample) corpus.push_back(*sample);
    }
    ASSERT_GE(corpus.size(), 100u);

    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const std::string path = folder_.Write("corpus" + std::to_string(i) + ".vlr", corpus[i]);
        for (const char* section : {"Velmora", " velmora ", "Other", ""}) {
            for (const std::string& key : keys) Compare(section, key, "", 255, path, corpus[i]);
        }
        // Buffer sizes and defaults on the theme's own section.
        for (std::size_t size : {1u, 2u, 3u, 17u}) {
            for (const char* fallback : {"", "dflt", "'q'", "d  "}) {
                for (const char* key : {"ThemeTitle", "Title", "NoSuchKey"}) {
                    Compare("Velmora", key, fallback, size, path, corpus[i]);
                }
            }
        }
    }
    EXPECT_EQ(differences_, 0);
}

TEST_F(ProfileReaderTest, AFileThatCannotBeReadGivesTheDefault) {
    const std::string folder = folder_.MakeFolder("folder.vlr");
    for (const std::string& path : {folder, folder + "\\none\\x.vlr", folder + "\\none.vlr"}) {
        EXPECT_EQ(real_.ReadString("Velmora", "Title", "dflt  ", 255, path), "dflt") << path;
        EXPECT_EQ(portable_.ReadString("Velmora", "Title", "dflt  ", 255, path), "dflt") << path;
    }
}

TEST_F(ProfileReaderTest, BadFilesLoadAlikeThroughBothReaders) {
    std::string junk(200000, '\0');
    std::uint32_t seed = 7;
    for (char& c : junk) c = static_cast<char>((seed = seed * 1664525u + 1013904223u) >> 24);
    std::string big = "[Velmora]\r\nAuthor=First\r\n";
    while (big.size() < 10 * 1024 * 1024) big += "Filler=" + std::string(90, 'f') + "\r\n";
    const std::pair<std::string, std::string> files[] = {
        {"", "[Untitled]"},
        {junk + "\r\n[Velmora]\r\nThemeTitle=Junk\r\n" + junk, "Junk"},
        {"[Velmora]\r\nDescription=" + std::string(100000, 'd') + "\r\nThemeTitle=Long\r\n",
         "Long"},
        {big + "ThemeTitle=Big\r\n", "Big"},
    };
    int index = 0;
    for (const auto& [bytes, title] : files) {
        const clsVelmora theme = LoadBoth(folder_.Write("bad" + std::to_string(index++), bytes));
        EXPECT_EQ(theme.ThemeTitle(), title);
    }
}

}  // namespace
}  // namespace velmora::win32::test
