// Text conversions between the ANSI code page, UTF-8 and UTF-16, as the platform makes them.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The portable profile reader models a system whose ANSI code page is the Western one
// (1252), as the test systems' is.

// Each byte becomes one UTF-16 unit; the five bytes the code page leaves undefined keep their
// own value (0x81 -> U+0081).
std::u16string AnsiToWide(std::string_view text);

// One byte per unit: characters of the code page convert exactly, others by the platform's
// best fit (U+0100 -> "A"), and the rest become "?".
unsigned char WideCharToAnsi(char16_t c);
std::string WideToAnsi(std::u16string_view text);

// Decodes UTF-8 as the platform does, broken sequences becoming U+FFFD.
std::u16string Utf8ToWide(std::string_view text);

}  // namespace velmora
