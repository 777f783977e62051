// The shipped Ocean sample theme and every value its apply writes, for the tests that apply
// it through the real registry: the expected values are read from the file itself.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/e2e/RegistryProbe.h"
#include "tests/support/ThemeValueRows.h"

namespace velmora::ocean {

inline std::string File() {
    return VELMORA_SOURCE_DIR "\\themes\\Ocean\\Ocean.vlr";
}

// The value of key in the file by the platform's own profile call, with the theme's folder
// put in for the placeholder.
inline std::string FileValue(const char* key) {
    char buffer[255] = {};
    std::string value(buffer, GetPrivateProfileStringA("Velmora", key, "", buffer, sizeof buffer,
                                                       File().c_str()));
    const std::string token = "%InstallDir%";
    const std::string folder = File().substr(0, File().rfind('\\'));
    for (auto at = value.find(token); at != std::string::npos; at = value.find(token, at))
        value.replace(at, token.size(), folder);
    return value;
}

const std::string kIe = "Software\\Microsoft\\Internet Explorer\\";

inline HKEY Root(const test::ThemeValueRow& row) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(row.root));
}

// The other values the apply may write: the stylesheet switch, the overrides (with the
// theme key that switches each on) and the four toolbar layouts.
const char* const kOverrides[][2] = {{"Always Use My Colors", "IgnoreColors"},
                                     {"Always Use My Font Face", "IgnoreFontStyles"},
                                     {"Always Use My Font Size", "IgnoreFontSizes"}};
const std::string kLayoutKeys[] = {kIe + "Toolbar\\WebBrowser", kIe + "Toolbar\\Explorer",
                                   kIe + "Toolbar\\ShellBrowser"};

// A 565-byte toolbar layout, each byte its own offset, byte 16 as given.
inline probe::Stored Layout(std::uint8_t byte16) {
    std::vector<std::uint8_t> bytes(565);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    bytes[16] = byte16;
    return probe::Binary(bytes);
}

// Every value gone, then the browser's and the explorer's layouts in place.
inline void PrepareRegistry() {
    for (const auto& row : test::ThemeValueRows()) probe::DeleteValue(Root(row), row.key, row.name);
    for (const auto& value : kOverrides)
        probe::DeleteValue(HKEY_CURRENT_USER, kIe + "Settings", value[0]);
    probe::DeleteValue(HKEY_CURRENT_USER, kIe + "Styles", "Use My Stylesheet");
    probe::DeleteValue(HKEY_CURRENT_USER, kIe + "Toolbar", "Theater");
    probe::DeleteValue(HKEY_CURRENT_USER, kLayoutKeys[2], "ITBarLayout");
    probe::Write(HKEY_CURRENT_USER, kLayoutKeys[0], "ITBarLayout", Layout(0x20));
    probe::Write(HKEY_CURRENT_USER, kLayoutKeys[1], "ITBarLayout", Layout(0x08));
}

// What the apply of the sample leaves: every value as the file says.
inline void ExpectApplied() {
    for (const auto& row : test::ThemeValueRows()) {
        const std::string text = FileValue(row.themeKey);
        ASSERT_NE(text, "") << row.themeKey << ": the sample should give every key a value";
        ASSERT_NE(_stricmp(text.c_str(), "None"), 0) << row.themeKey;
        EXPECT_EQ(probe::Read(Root(row), row.key, row.name), probe::Text(text))
            << row.themeKey << " -> " << row.key << " " << row.name;
    }
    const std::string style = FileValue("StyleType");
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, kIe + "Styles", "Use My Stylesheet"),
              probe::Dword(style == "0" || style == "1"));
    for (const auto& [value, themeKey] : kOverrides) {
        const auto stored = probe::Read(HKEY_CURRENT_USER, kIe + "Settings", value);
        if (FileValue(themeKey) == "1") {
            EXPECT_EQ(stored, probe::Dword(1)) << value;
        } else {
            EXPECT_FALSE(stored.has_value()) << value;
        }
    }
    // The sample shows the throbber everywhere: the browser layout gets the flag, which the
    // missing theater and shell layouts then find already set.
    ASSERT_NE(_stricmp(FileValue("WebThumper").c_str(), "No"), 0);
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, kLayoutKeys[0], "ITBarLayout"), Layout(0x28));
    EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, kLayoutKeys[1], "ITBarLayout"), Layout(0x08));
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, kLayoutKeys[2], "ITBarLayout").has_value());
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, kIe + "Toolbar", "Theater").has_value());
}

}  // namespace velmora::ocean
