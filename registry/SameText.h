// Comparing texts without regard to letter case: option words, titles, list entries, the
// not-found text and file patterns.
#pragma once

#include <cstddef>
#include <string>

namespace velmora {

// ASCII letters only: bytes outside ASCII must match exactly, as in the platform's own
// comparisons of key and file names.
inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when a and b hold the same text, letters compared without regard to case.
inline bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// True when text matches the pattern "*" + suffix, letters compared without regard to case.
inline bool EndsWithText(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           SameText(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace velmora
