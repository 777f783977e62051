// Deterministic generator of tricky theme files, for comparing the two profile readers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

// Each file mixes what initialisation-file readers disagree on: line ends (CRLF, LF, CR,
// mixed), blanks and tabs around names and values, quotes, duplicate keys and sections, keys
// before any section, lines without "=", comment-like lines, letter case of names, NUL and
// high bytes, long values, and now and then a byte-order mark. The same seed gives the same
// files on every platform.
class ThemeFileGenerator {
public:
    explicit ThemeFileGenerator(std::uint32_t seed);

    // The next theme file's bytes.
    std::string Next();

    // A short file strung together from the characters the reading rules turn on ("[", "]",
    // "=", quotes, blanks, line ends, NUL, byte-order marks) and a few names.
    std::string NextSoup();

    // Key names worth asking a reader for besides the 48 theme keys: blanks, other case,
    // names that only look like keys.
    static std::vector<std::string> OddKeyNames();

private:
    std::uint32_t Random();
    std::uint32_t Below(std::uint32_t bound);
    bool Chance(std::uint32_t percent);

    std::string KeyName();
    std::string Value();
    std::string Blanks();
    std::string Junk(std::size_t length);
    std::string Line();
    std::string Encode(const std::string& ansi);

    std::uint64_t state_;
};

}  // namespace velmora::test
