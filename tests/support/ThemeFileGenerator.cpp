// Deterministic generator of tricky theme files, for comparing the two profile readers.
#include "tests/support/ThemeFileGenerator.h"

#include <cctype>
#include <iterator>

#include "theme/AnsiCodePage.h"
#include "theme/ThemeFileKeys.h"

namespace velmora::test {

namespace {

const char* const kSectionHeaders[] = {
    "[Velmora]", "[velmora]",  "[VELMORA]", "[ Velmora ]", "[\tVelmora]", "[Velmora] ; theme",
    "[Velmora",  "[Velmora]]", "[Other]",   "[]",          "[Vel mora]",  "[Velmora x]"};

// clang-format off
const char* const kValueWords[] = {
    "%InstallDir%\\back.bmp", "%installdir%", "%INSTALLDIR%\\a.wav", "%Install Dir%", "None",
    "none", "No", "0", "1", "2", "http://example.com/", "C:\\Themes\\Blue\\x.bmp", "a=b",
    "; not a comment", "[Velmora]", "caf\xe9", "\x80\x81\x9f", "\xa0nbsp\xa0", "Ocean",
    "%InstallDir%%InstallDir%"};
// clang-format on

const char* const kLineEnds[] = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}

    std::string ThemeFile() {
        const std::uint32_t shape = Below(100);
        if (shape < 2) return "";
        if (shape < 5) return Junk(1 + Below(4000));
        const bool mixed = Chance(15);
        const std::string lineEnd = kLineEnds[Below(5)];
        std::string text;
        if (Chance(30)) text += KeyName() + "=" + Value() + lineEnd;  // before any section
        if (Chance(90)) text += Blanks() + "[Velmora]" + lineEnd;
        for (std::uint32_t i = 3 + Below(60); i > 0; --i) {
            text += Line() + (mixed ? kLineEnds[Below(5)] : lineEnd);
        }
        if (shape < 8) text += "Title=" + std::string(100000, 'w') + lineEnd;
        if (Chance(20)) text.resize(text.size() - lineEnd.size());  // no final line end
        return Encode(text);
    }

    std::string Soup() {
        static const char* const kTokens[] = {
            "[",    "]",    "=",    "\"",           "'",       " ",       "\t",    "\v",
            "\x1a", "\r",   "\n",   "\r\n",         "Velmora", "velmora", "Title", "TITLE",
            "x",    "\xa0", "\xff", "%InstallDir%", ";",       "\xc3",    "\xa9"};
        std::string text = Below(100) < 5 ? "\xEF\xBB\xBF" : "";
        for (std::uint32_t i = Below(40); i > 0; --i) {
            text += Chance(4) ? std::string(1, '\0') : kTokens[Below(std::size(kTokens))];
        }
        return text;
    }

private:
    // SplitMix64: small, and the same everywhere (the standard distributions are not).
    std::uint32_t Below(std::size_t bound) {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32) % bound;
    }
    bool Chance(std::uint32_t percent) { return Below(100) < percent; }

    std::string Junk(std::size_t length) {
        std::string junk;
        while (junk.size() < length) junk += static_cast<char>(Below(256));
        return junk;
    }

    std::string Blanks() {
        static const char kBlanks[] = {' ', '\t', '\v', '\f', '\x1a', ' ', ' '};
        std::string blanks;
        for (std::uint32_t i = Chance(60) ? 0 : 1 + Below(3); i > 0; --i) {
            blanks += kBlanks[Below(sizeof kBlanks)];
        }
        return blanks;
    }

    std::string KeyName() {
        const std::uint32_t pick = Below(100);
        const std::vector<std::string> odd = OddKeyNames();
        std::string name = pick < 75   ? ThemeFileKeys()[Below(kThemeFileKeyCount)].name
                           : pick < 90 ? odd[Below(odd.size())]
                                       : Junk(1 + Below(8));
        for (char& c : name) {  // letter case of names does not matter to the readers
            if (std::isalpha(static_cast<unsigned char>(c)) && Chance(15)) c ^= 0x20;
        }
        return name;
    }

    std::string Value() {
        std::string value;
        const std::uint32_t pick = Below(100);
        if (pick < 10) {
            // empty
        } else if (pick < 20) {  // around the 254-character cut, with and without quotes
            value = std::string(240 + Below(30), static_cast<char>('a' + Below(26)));
        } else if (pick < 23) {
            value = std::string(300 + Below(2000), 'x');
        } else if (pick < 28) {
            value = Junk(1 + Below(20));
        } else {
            for (std::uint32_t i = 0, words = 1 + Below(3); i < words; ++i) {
                if (i) value += Chance(50) ? " " : "\t";
                value += kValueWords[Below(std::size(kValueWords))];
            }
        }
        if (Chance(20)) {
            const char quote = Chance(50) ? '"' : '\'';
            value = Chance(80) ? quote + value + quote : quote + value;  // or unbalanced
        }
        if (Chance(5)) value.insert(Below(value.size() + 1), 1, '\0');
        return Blanks() + value + Blanks();
    }

    std::string Line() {
        const std::uint32_t pick = Below(100);
        if (pick < 8) return Blanks() + kSectionHeaders[Below(6)] + Blanks();
        if (pick < 12) {
            const std::string header = kSectionHeaders[Below(std::size(kSectionHeaders))];
            // One header holds a NUL, which strlen would cut.
            return header == "[Velmora" && Chance(50) ? std::string("[Velmora\0x]", 11) : header;
        }
        if (pick < 17) return Blanks() + KeyName() + Blanks();  // no "="
        if (pick < 21) return (Chance(50) ? ";" : "#") + KeyName() + "=" + Value();
        if (pick < 24) return Blanks();
        if (pick < 26) return Junk(1 + Below(40));
        return Blanks() + KeyName() + Blanks() + "=" + Value();
    }

    // Most files stay ANSI; some become UTF-8 (now and then broken) or UTF-16 with a mark.
    std::string Encode(const std::string& ansi) {
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
            if (Chance(30)) bytes.insert(3 + Below(bytes.size() - 2), "\xE2\x82");
            return bytes;
        }
        const bool little = pick < 97;
        bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (char16_t c : wide) {
            bytes += static_cast<char>(little ? c & 0xFF : c >> 8);
            bytes += static_cast<char>(little ? c >> 8 : c & 0xFF);
        }
        return bytes;
    }

    std::uint64_t state_;
};

}  // namespace

std::vector<std::string> OddKeyNames() {
    return {"",          " ThemeTitle ", "themetitle", "THEMETITLE", "\tAuthor",
            "NoSuchKey", "[Velmora]",    ";Title",     "Title=x",    "Velmora",
            "New Mail",  "NewMail",      "Localpage",  "k\xe9y",     "Other"};
}

std::vector<std::string> GenerateThemeFiles(std::uint32_t seed, int files, int soups) {
    Generator generator(seed);
    std::vector<std::string> corpus;
    for (int i = 0; i < files; ++i) corpus.push_back(generator.ThemeFile());
    for (int i = 0; i < soups; ++i) corpus.push_back(generator.Soup());
    return corpus;
}

}  // namespace velmora::test
