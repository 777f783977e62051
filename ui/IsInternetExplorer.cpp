// Tells the browser's own windows apart from the shell's folder windows.
#include "ui/IsInternetExplorer.h"

#include <cctype>

namespace velmora {

bool IsInternetExplorerProgram(const std::string& fullName) {
    static const std::string kSuffix = "iexplore.exe";
    if (fullName.size() < kSuffix.size()) return false;
    const std::size_t start = fullName.size() - kSuffix.size();
    for (std::size_t i = 0; i < kSuffix.size(); ++i) {
        const auto c = static_cast<unsigned char>(fullName[start + i]);
        if (std::tolower(c) != kSuffix[i]) return false;
    }
    return true;
}

bool IsInternetExplorer(BrowserWindow& window) {
    return IsInternetExplorerProgram(window.FullName());
}

}  // namespace velmora
