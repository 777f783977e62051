// Deterministic generator of tricky theme files, for comparing the two profile readers.
#include "tests/support/ThemeFileGenerator.h"

#include "theme/AnsiCodePage.h"
#include "theme/ThemeFileKeys.h"

namespace velmora::test {

namespace {

const char* const kSectionHeaders[] = {
    "[Velmora]", "[velmora]",  "[VELMORA]", "[ Velmora ]", "[\tVelmora]", "[Velmora] ; theme",
    "[Velmora",  "[Velmora]]", "[Other]",   "[]",          "[Vel mora]",  "[Velmora x]",
};

const char* const kValueWords[] = {
    "%InstallDir%\\back.bmp",
    "%installdir%",
    "%INSTALLDIR%\\a.wav",
    "%Install Dir%",
    "None",
    "none",
    "No",
    "0",
    "1",
    "2",
    "http://example.com/",
    "C:\\Themes\\Blue\\x.bmp",
    "a=b",
    "; not a comment",
    "[Velmora]",
    "caf\xe9",
    "\x80\x81\x9f",
    "\xa0nbsp\xa0",
    "Ocean",
    "%InstallDir%%InstallDir%",
};

}  // namespace

ThemeFileGenerator::ThemeFileGenerator(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}

std::uint32_t ThemeFileGenerator::Random() {
    // SplitMix64: small, and the same everywhere (the standard distributions are not).
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

std::uint32_t ThemeFileGenerator::Below(std::uint32_t bound) {
    return Random() % bound;
}

bool ThemeFileGenerator::Chance(std::uint32_t percent) {
    return Below(100) < percent;
}

std::vector<std::string> ThemeFileGenerator::OddKeyNames() {
    return {"",          " ThemeTitle ", "themetitle", "THEMETITLE", "\tAuthor",
            "NoSuchKey", "[Velmora]",    ";Title",     "Title=x",    "Velmora",
            "New Mail",  "NewMail",      "Localpage",  "k\xe9y",     "Other"};
}

std::string ThemeFileGenerator::KeyName() {
    std::string name;
    const std::uint32_t pick = Below(100);
    if (pick < 75) {
        name = ThemeFileKeys()[Below(kThemeFileKeyCount)].name;
    } else if (pick < 90) {
        const std::vector<std::string> odd = OddKeyNames();
        name = odd[Below(static_cast<std::uint32_t>(odd.size()))];
    } else {
        name = Junk(1 + Below(8));
    }
    // Letter case of names does not matter to the readers, so vary it.
    if (Chance(30)) {
        for (char& c : name) {
            if (Chance(50) && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 32);
            else if (Chance(50) && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        }
    }
    return name;
}

std::string ThemeFileGenerator::Blanks() {
    static const char kBlanks[] = {' ', '\t', '\v', '\f', '\x1a', ' ', ' '};
    std::string blanks;
    const std::uint32_t count = Chance(60) ? 0 : 1 + Below(3);
    for (std::uint32_t i = 0; i < count; ++i) blanks += kBlanks[Below(sizeof(kBlanks))];
    return blanks;
}

std::string ThemeFileGenerator::Junk(std::size_t length) {
    std::string junk;
    for (std::size_t i = 0; i < length; ++i) junk += static_cast<char>(Below(256));
    return junk;
}

std::string ThemeFileGenerator::Value() {
    std::string value;
    const std::uint32_t pick = Below(100);
    if (pick < 10) {
        value = "";
    } else if (pick < 20) {
        // Around the 254-character cut, with and without quotes.
        value = std::string(240 + Below(30), static_cast<char>('a' + Below(26)));
    } else if (pick < 23) {
        value = std::string(300 + Below(2000), 'x');
    } else if (pick < 28) {
        value = Junk(1 + Below(20));
    } else {
        const std::uint32_t words = 1 + Below(3);
        for (std::uint32_t i = 0; i < words; ++i) {
            if (i) value += Chance(50) ? " " : "\t";
            value += kValueWords[Below(sizeof(kValueWords) / sizeof(kValueWords[0]))];
        }
    }
    if (Chance(20)) {
        const char quote = Chance(50) ? '"' : '\'';
        if (Chance(80))
            value = quote + value + quote;
        else
            value = quote + value;  // unbalanced
    }
    if (Chance(5)) value.insert(Below(static_cast<std::uint32_t>(value.size() + 1)), 1, '\0');
    return Blanks() + value + Blanks();
}

std::string ThemeFileGenerator::Line() {
    const std::uint32_t pick = Below(100);
    if (pick < 8) return Blanks() + kSectionHeaders[Below(6)] + Blanks();
    if (pick < 12) {
        const char* header = kSectionHeaders[Below(sizeof(kSectionHeaders) / sizeof(char*))];
        // One header holds a NUL, which strlen would cut.
        return std::string(header) == "[Velmora" && Chance(50) ? std::string("[Velmora\0x]", 11)
                                                               : std::string(header);
    }
    if (pick < 17) return Blanks() + KeyName() + Blanks();  // no "="
    if (pick < 21) return (Chance(50) ? ";" : "#") + KeyName() + "=" + Value();
    if (pick < 24) return Blanks();
    if (pick < 26) return Junk(1 + Below(40));
    return Blanks() + KeyName() + Blanks() + "=" + Value();
}

std::string ThemeFileGenerator::Encode(const std::string& ansi) {
    const std::uint32_t pick = Below(100);
    if (pick < 88) return ansi;
    const std::u16string wide = AnsiToWide(ansi);
    std::string bytes;
    if (pick < 94) {
        bytes = "\xEF\xBB\xBF";
        for (char16_t c : wide) {
            if (c < 0x80) {
                bytes += static_cast<char>(c);
            } else if (c < 0x800) {
                bytes += static_cast<char>(0xC0 | (c >> 6));
                bytes += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                bytes += static_cast<char>(0xE0 | (c >> 12));
                bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                bytes += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        // Now and then a broken sequence in the middle.
        if (Chance(30))
            bytes.insert(3 + Below(static_cast<std::uint32_t>(bytes.size() - 2)), "\xE2\x82");
        return bytes;
    }
    const bool little = pick < 97;
    bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t c : wide) {
        const char low = static_cast<char>(c & 0xFF);
        const char high = static_cast<char>(c >> 8);
        bytes += little ? low : high;
        bytes += little ? high : low;
    }
    return bytes;
}

std::string ThemeFileGenerator::Next() {
    const std::uint32_t shape = Below(100);
    if (shape < 2) return "";
    if (shape < 5) return Junk(1 + Below(4000));
    static const char* const kLineEnds[] = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
    const bool mixed = Chance(15);
    const char* lineEnd = kLineEnds[Below(5)];
    std::string text;
    if (Chance(30)) text += KeyName() + "=" + Value() + lineEnd;  // before any section
    if (Chance(90)) text += std::string(Blanks()) + "[Velmora]" + lineEnd;
    const std::uint32_t lines = 3 + Below(60);
    for (std::uint32_t i = 0; i < lines; ++i) {
        text += Line();
        text += mixed ? kLineEnds[Below(5)] : lineEnd;
    }
    if (shape < 8) text += "Title=" + std::string(100000, 'w') + lineEnd;
    if (Chance(20)) text.resize(text.size() - std::string(lineEnd).size());  // no final line end
    return Encode(text);
}

std::string ThemeFileGenerator::NextSoup() {
    static const char* const kTokens[] = {
        "[",    "]",    "=",    "\"",           "'",       " ",       "\t",    "\v",
        "\x1a", "\r",   "\n",   "\r\n",         "Velmora", "velmora", "Title", "TITLE",
        "x",    "\xa0", "\xff", "%InstallDir%", ";",       "\xc3",    "\xa9"};
    constexpr std::uint32_t kCount = sizeof(kTokens) / sizeof(kTokens[0]);
    std::string text;
    const std::uint32_t pick = Below(100);
    if (pick < 5) text = "\xEF\xBB\xBF";
    const std::uint32_t tokens = Below(40);
    for (std::uint32_t i = 0; i < tokens; ++i) {
        if (Chance(4))
            text += '\0';
        else
            text += kTokens[Below(kCount)];
    }
    return text;
}

}  // namespace velmora::test
