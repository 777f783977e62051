// SameText: compares option words, titles and list entries without regard to letter case.
#pragma once

#include <cstddef>
#include <string>

namespace velmora {

// True when a and b hold the same text, ASCII letters compared without regard to case.
// Theme option words ("None", "No", "0", "1", "2"), theme titles and the store's key names
// are compared this way; bytes outside ASCII must match exactly.
inline bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace velmora
