// The real GetPrivateProfileStringA against the measured cases, and the portable reader
// against the real function on a corpus of tricky theme files.
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

namespace velmora::win32::test {
namespace {

using velmora::test::ProfileReaderCase;
using velmora::test::ProfileReaderCases;
using velmora::test::ThemeFileGenerator;

// Printable form of a text for failure messages: bytes outside ASCII as \xNN.
std::string Shown(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string shown;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 15];
        }
    }
    return shown.size() > 300 ? shown.substr(0, 300) + "..." : shown;
}

class ProfileReaderTest : public ::testing::Test {
protected:
    ThemeTempFolder folder_;
    Win32ProfileReader real_;
    Win32FileSystem files_;
    PortableProfileReader portable_{files_};
};

TEST_F(ProfileReaderTest, TheRealFunctionReadsEveryCaseAsMeasured) {
    int index = 0;
    for (const ProfileReaderCase& c : ProfileReaderCases()) {
        const std::string path = folder_.Write("case" + std::to_string(index++) + ".ini", c.file);
        EXPECT_EQ(Shown(real_.ReadString(c.section, c.key, c.defaultValue, c.bufferSize, path)),
                  Shown(c.expected))
            << c.what;
        EXPECT_EQ(Shown(portable_.ReadString(c.section, c.key, c.defaultValue, c.bufferSize, path)),
                  Shown(c.expected))
            << c.what << " (portable reader on a real file)";
    }
}

TEST_F(ProfileReaderTest, BothReadersAgreeOnGeneratedThemeFiles) {
    // Every theme key, some odd names, some sections, a few buffer sizes and defaults: the
    // portable reader over real files must give byte for byte what the real function gives.
    std::vector<std::string> keys;
    for (const ThemeFileKey& key : ThemeFileKeys()) keys.push_back(key.name);
    for (const std::string& odd : ThemeFileGenerator::OddKeyNames()) keys.push_back(odd);
    const std::vector<std::string> sections = {"Velmora", " velmora ", "Other", ""};

    std::vector<std::string> corpus;
    for (const ProfileReaderCase& c : ProfileReaderCases()) corpus.push_back(c.file);
    // A fixed seed keeps the corpus the same from run to run; VELMORA_CORPUS_SEED explores
    // other corpora by hand.
    const char* seed = std::getenv("VELMORA_CORPUS_SEED");
    ThemeFileGenerator generator(seed ? static_cast<std::uint32_t>(std::atoi(seed)) : 20240611u);
    for (int i = 0; i < 160; ++i) corpus.push_back(generator.Next());
    for (int i = 0; i < 200; ++i) corpus.push_back(generator.NextSoup());

    int compared = 0;
    int differences = 0;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const std::string path = folder_.Write("corpus" + std::to_string(i) + ".vlr", corpus[i]);
        for (const std::string& section : sections) {
            for (const std::string& key : keys) {
                const std::string real = real_.ReadString(section, key, "", 255, path);
                const std::string portable = portable_.ReadString(section, key, "", 255, path);
                ++compared;
                if (real != portable && ++differences <= 20) {
                    ADD_FAILURE() << "file " << i << " [" << Shown(section) << "] " << Shown(key)
                                  << ": real \"" << Shown(real) << "\", portable \""
                                  << Shown(portable) << "\"\n  file: " << Shown(corpus[i]);
                }
            }
        }
        // Buffer sizes and defaults on the theme's own section.
        for (std::size_t size : {1u, 2u, 3u, 17u}) {
            for (const char* fallback : {"", "dflt", "'q'", "d  "}) {
                for (const char* key : {"ThemeTitle", "Title", "NoSuchKey"}) {
                    const std::string real = real_.ReadString("Velmora", key, fallback, size, path);
                    const std::string portable =
                        portable_.ReadString("Velmora", key, fallback, size, path);
                    ++compared;
                    if (real != portable && ++differences <= 20) {
                        ADD_FAILURE() << "file " << i << " " << key << " size " << size
                                      << " default \"" << fallback << "\": real \"" << Shown(real)
                                      << "\", portable \"" << Shown(portable) << "\"";
                    }
                }
            }
        }
    }
    EXPECT_EQ(differences, 0) << "of " << compared << " reads";
    EXPECT_GE(corpus.size(), 100u);
}

TEST_F(ProfileReaderTest, AFileThatCannotBeReadGivesTheDefault) {
    const std::string folder = folder_.MakeFolder("folder.vlr");
    for (const std::string& path : {folder, folder + "\\none\\x.vlr", folder + "\\none.vlr"}) {
        EXPECT_EQ(real_.ReadString("Velmora", "Title", "dflt  ", 255, path), "dflt") << path;
        EXPECT_EQ(portable_.ReadString("Velmora", "Title", "dflt  ", 255, path), "dflt") << path;
    }
}

}  // namespace
}  // namespace velmora::win32::test
