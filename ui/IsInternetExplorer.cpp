// Tells the browser's own windows apart from the shell's folder windows.
#include "ui/IsInternetExplorer.h"

#include "registry/SameText.h"

namespace velmora {

// The owning program's path matches "*iexplore.exe".
bool IsInternetExplorerProgram(const std::string& fullName) {
    return EndsWithText(fullName, "iexplore.exe");
}

bool IsInternetExplorer(BrowserWindow& window) {
    return IsInternetExplorerProgram(window.FullName());
}

}  // namespace velmora
