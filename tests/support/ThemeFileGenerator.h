// Deterministic generator of tricky theme files, for comparing the two profile readers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

// `files` theme files mixing what initialisation-file readers disagree on (line ends, blanks,
// quotes, duplicate keys and sections, keys before any section, lines without "=", letter
// case, NUL and high bytes, long values, byte-order marks), then `soups`: short strings of the
// characters the reading rules turn on. The same seed gives the same files on every platform.
std::vector<std::string> GenerateThemeFiles(std::uint32_t seed, int files, int soups);

// Key names worth asking a reader for besides the 48 theme keys: blanks, other case, names
// that only look like keys.
std::vector<std::string> OddKeyNames();

}  // namespace velmora::test
