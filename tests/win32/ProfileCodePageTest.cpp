// The portable reader's code-page conversions against the platform's own, character by
// character (the platform's ANSI code page here is the Western one).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "theme/AnsiCodePage.h"

namespace velmora::win32::test {
namespace {

std::u16string PlatformToWide(UINT codePage, const std::string& bytes) {
    if (bytes.empty()) return std::u16string();
    std::vector<wchar_t> wide(bytes.size() * 2 + 4);
    const int count = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                          wide.data(), static_cast<int>(wide.size()));
    return std::u16string(wide.begin(), wide.begin() + count);
}

TEST(ProfileCodePage, TheSystemsAnsiCodePageIsTheWesternOne) {
    EXPECT_EQ(GetACP(), 1252u);
}

TEST(ProfileCodePage, EveryByteBecomesTheSameCharacter) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        EXPECT_EQ(AnsiToWide(text), PlatformToWide(CP_ACP, text)) << "byte " << byte;
    }
}

TEST(ProfileCodePage, EveryUtf16UnitBecomesTheSameByte) {
    int differences = 0;
    for (unsigned unit = 1; unit < 0x10000; ++unit) {
        const wchar_t wide = static_cast<wchar_t>(unit);
        char byte = 0;
        const int count = WideCharToMultiByte(CP_ACP, 0, &wide, 1, &byte, 1, nullptr, nullptr);
        ASSERT_EQ(count, 1) << std::hex << unit;
        if (WideCharToAnsi(static_cast<char16_t>(unit)) != static_cast<unsigned char>(byte) &&
            ++differences < 10) {
            ADD_FAILURE() << std::hex << "U+" << unit << ": platform "
                          << int(static_cast<unsigned char>(byte)) << ", portable "
                          << int(WideCharToAnsi(static_cast<char16_t>(unit)));
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(ProfileCodePage, Utf8DecodesAsThePlatformDecodes) {
    // Every lead byte, followed by up to three bytes from each class a decoder tells apart,
    // both at the end of the text and followed by more text.
    const std::string classes(
        "\x00\x41\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2\xDF\xE0\xED\xEF"
        "\xF0\xF4\xF5\xFF",
        20);
    std::vector<std::string> tails = {""};
    for (std::size_t from = 0; tails.back().size() < 3;) {
        for (const std::size_t to = tails.size(); from < to; ++from) {
            for (char c : classes) tails.push_back(tails[from] + c);
        }
    }
    int differences = 0;
    int compared = 0;
    for (int lead = 0x80; lead < 0x100; ++lead) {
        for (const std::string& tail : tails) {
            for (const char* after : {"", "xy"}) {
                const std::string text = std::string(1, static_cast<char>(lead)) + tail + after;
                ++compared;
                if (Utf8ToWide(text) != PlatformToWide(CP_UTF8, text) && ++differences < 10) {
                    std::string hex;
                    for (unsigned char c : text) hex += " " + std::to_string(c);
                    ADD_FAILURE() << "bytes" << hex;
                }
            }
        }
    }
    EXPECT_EQ(differences, 0) << "of " << compared;
}

}  // namespace
}  // namespace velmora::win32::test
